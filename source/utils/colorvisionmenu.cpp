#include "utils/colorvisionmenu.h"

#include <cmath>

#include "gedata.h"
#include "moduleresource.h"
#include "utils/colorvisionview.h"
#include "utils/menutext.h"
#include "utils/perceptualtools.h"

using colorscience::ColorDeficiency;

namespace
{
constexpr std::int32_t kSubmenu = ColorVisionMenu::kFirstId;
// The entry of kind k is kKinds + k (kNone is normal vision).
constexpr std::int32_t kKinds = ColorVisionMenu::kFirstId + 10;
// The entry of severity step s (of kSeverities) is kSeverity + s.
constexpr std::int32_t kSeverity = ColorVisionMenu::kFirstId + 20;
constexpr double kSeverities[] = {1.0, 0.75, 0.5, 0.25};
constexpr std::int32_t kSubmenuTitle = 1;
constexpr std::int32_t kSeparator = 0;

constexpr std::int32_t kStringTitle = 20154;
constexpr std::int32_t kStringNormal = 20155;
constexpr std::int32_t kStringProtan = 20156;
constexpr std::int32_t kStringDeutan = 20157;
constexpr std::int32_t kStringTritan = 20158;
constexpr std::int32_t kStringDichromacy = 20159;
constexpr std::int32_t kStringSeverity = 20160;

constexpr ColorDeficiency kEntries[] = {ColorDeficiency::kNone, ColorDeficiency::kProtan, ColorDeficiency::kDeutan,
                                        ColorDeficiency::kTritan};
constexpr std::int32_t kEntryStrings[] = {kStringNormal, kStringProtan, kStringDeutan, kStringTritan};

String SeverityText(std::size_t step, bool disabled, bool checked)
{
  const String percent = String::FromInt(std::lround(kSeverities[step] * 100.0));
  return MenuMarks(
      step == 0 ? ModuleResource::LoadString(kStringDichromacy) : ModuleResource::LoadString(kStringSeverity, percent),
      disabled, checked);
}
}  // namespace

void ColorVisionMenu::Append(BaseContainer& menu, const BaseContainer& state)
{
  if (!PerceptualTools::IsOn())
    return;
  const ColorDeficiency kind = ColorVisionView::StoredKind(state);
  const double severity = ColorVisionView::StoredSeverity(state);
  BaseContainer submenu;
  submenu.SetString(kSubmenuTitle, ModuleResource::LoadString(kStringTitle));
  for (std::size_t i = 0; i < std::size(kEntries); ++i)
    submenu.InsertData(kKinds + static_cast<std::int32_t>(kEntries[i]),
                       GeData(MenuText(kEntryStrings[i], false, kind == kEntries[i])));
  submenu.InsertData(kSeparator, GeData(String()));
  for (std::size_t s = 0; s < std::size(kSeverities); ++s)
    submenu.InsertData(
        kSeverity + static_cast<std::int32_t>(s),
        GeData(SeverityText(s, kind == ColorDeficiency::kNone, std::abs(severity - kSeverities[s]) < 1e-9)));
  menu.InsertData(kSeparator, GeData(String()));
  menu.InsertData(kSubmenu, GeData(submenu));
}

bool ColorVisionMenu::Choose(std::int32_t id, BaseContainer& state)
{
  if (id >= kKinds && id <= kKinds + static_cast<std::int32_t>(ColorDeficiency::kTritan))
  {
    ColorVisionView::Store(state, static_cast<ColorDeficiency>(id - kKinds), ColorVisionView::StoredSeverity(state));
    return true;
  }
  if (id >= kSeverity && id < kSeverity + static_cast<std::int32_t>(std::size(kSeverities)))
  {
    ColorVisionView::Store(state, ColorVisionView::StoredKind(state), kSeverities[id - kSeverity]);
    return true;
  }
  return false;
}
