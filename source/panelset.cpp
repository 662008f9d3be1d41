#include "panelset.h"

#include <new>
#include <utility>

#include "alpha/colorinterfacealpha.h"
#include "chooserids.h"
#include "chooserpanels.h"
#include "colormodes/colorinterfacehex.h"
#include "colormodes/colorinterfacehsv.h"
#include "colormodes/colorinterfaceoklch.h"
#include "colormodes/colorinterfacergb.h"
#include "colorwheel/colorinterfacecolorwheel.h"
#include "kelvin/colorinterfacekelvin.h"
#include "mixer/colorinterfacemixer.h"
#include "picture/colorinterfacepicture.h"
#include "spectrum/colorinterfacespectrum.h"
#include "swatches/colorinterfaceswatchsystem.h"
#include "utils/chooserview.h"
#include "utils/colorinterface.h"
#include "utils/colorinterfacecompact.h"
#include "utils/colorinterfacemodebuttons.h"

using namespace chooser;

namespace
{
using Panel = PanelSet::Panel;

constexpr std::int32_t kFlagsFill = 63;
constexpr std::int32_t kFlagsRow = 57;

template <typename T, typename... Args>
Result<std::unique_ptr<ColorInterface>> Make(Args&&... args)
{
  std::unique_ptr<ColorInterface> panel(new (std::nothrow) T(std::forward<Args>(args)...));
  if (!panel)
    return OutOfMemoryError();
  return panel;
}

constexpr std::size_t Index(Panel panel)
{
  return static_cast<std::size_t>(panel);
}

// The panels of a mode entry, outside the compact form.
constexpr std::pair<std::int32_t, Panel> kModePanels[] = {
    {kModeWheel, Panel::Wheel},     {kModeSpectrum, Panel::Spectrum},
    {kModePicture, Panel::Picture}, {kModeRgb, Panel::Rgb},
    {kModeHsv, Panel::Hsv},         {kModeKelvin, Panel::Kelvin},
    {kModeMixer, Panel::Mixer},     {kModeHex, Panel::Hex}};

// Gadget ID owners, for commands.
constexpr std::pair<std::int32_t, Panel> kOwners[] = {
    {kOwnerWheel, Panel::Wheel},   {kOwnerSpectrum, Panel::Spectrum}, {kOwnerPicture, Panel::Picture},
    {kOwnerRgb, Panel::Rgb},       {kOwnerHsv, Panel::Hsv},           {kOwnerMixer, Panel::Mixer},
    {kOwnerKelvin, Panel::Kelvin}, {kOwnerSwatches, Panel::Swatches}, {kOwnerCompact, Panel::Compact},
    {kOwnerAlpha, Panel::Alpha},   {kOwnerHex, Panel::Hex},           {kOwnerOklch, Panel::Oklch}};
}  // namespace

Result<std::unique_ptr<ColorInterface>> PanelSet::Create(Panel panel, ChooserView& chooser,
                                                         const PanelSet::SliderLayout& compactSliders)
{
  switch (panel)
  {
    case Panel::ModeButtons: return Make<ColorInterfaceModeButtons>(chooser);
    case Panel::Compact:
      return Make<ColorInterfaceCompact>(chooser, [compactSliders](ChooserView&) { return compactSliders(); });
    case Panel::Wheel: return Make<ColorInterfaceColorWheel>(chooser);
    case Panel::Spectrum: return Make<ColorInterfaceSpectrum>(chooser);
    case Panel::Picture: return Make<ColorInterfacePicture>(chooser);
    case Panel::Rgb: return Make<ColorInterfaceRGB>(chooser.GetColorUnit());
    case Panel::Hsv: return Make<ColorInterfaceHSV>();
    case Panel::Oklch: return Make<ColorInterfaceOklch>();
    case Panel::Kelvin: return Make<ColorInterfaceKelvin>();
    case Panel::Mixer: return Make<ColorInterfaceMixer>();
    case Panel::Alpha: return Make<ColorInterfaceAlpha>();
    case Panel::Hex: return Make<ColorInterfaceHex>();
    case Panel::Swatches: return Make<ColorInterfaceSwatchSystem>(chooser);
    default:
      // Every mode has its panel.
      return std::unique_ptr<ColorInterface>();
  }
}

PanelSet::PanelSet(ChooserView& chooser) : _chooser(chooser) {}

PanelSet::~PanelSet() = default;

PanelSet::Members PanelSet::Wanted(const Shape& shape, const BaseContainer& state)
{
  Members wanted;
  if (!shape.expanded)
    return wanted;
  wanted.set(Index(Panel::ModeButtons));
  if (state.GetBool(kModeCompact, false))
  {
    wanted.set(Index(Panel::Compact)).set(Index(Panel::Rgb)).set(Index(Panel::Hsv));
  }
  else
  {
    for (const auto& [mode, panel] : kModePanels)
      wanted.set(Index(panel), state.GetBool(mode, false));
    wanted.set(Index(Panel::Oklch), shape.perceptual && state.GetBool(kModeOklch, false));
  }
  wanted.set(Index(Panel::Alpha), shape.alphaEnabled && state.GetBool(kModeAlpha, false));
  wanted.set(Index(Panel::Swatches), state.GetBool(kModeSwatches, false));
  return wanted;
}

Result<void> PanelSet::Settle(const Members& wanted)
{
  for (std::size_t i = 0; i < kCount; ++i)
  {
    const auto panel = static_cast<Panel>(i);
    if (!wanted[i] && _panels[i])
    {
      Retire(panel);
      _panels[i].reset();
    }
    if (wanted[i] && !_panels[i])
    {
      ASSIGN_OR_RETURN(_panels[i], Create(panel, _chooser, [this] { return LayoutCompactSliders(); }));
      if (panel == Panel::Picture)
        _chooser.SetKeepPicture(false);
    }
  }
  return Ok();
}

void PanelSet::Retire(Panel panel)
{
  if (panel == Panel::Wheel)
    ChooserPanels::StoreWheelOptions(Get(panel));
}

Result<void> PanelSet::Layout(const Shape& shape)
{
  RETURN_IF_ERROR(Settle(Wanted(shape, _chooser.GetState())));
  if (!shape.expanded)
    return Ok();
  RETURN_IF_ERROR(LayoutPanelInGroup(Panel::ModeButtons, kGroupModeButtons, kFlagsFill));
  if (Get(Panel::Compact))
  {
    RETURN_IF_ERROR(LayoutPanel(Panel::Compact));
  }
  else
  {
    for (const Panel panel : {Panel::Wheel, Panel::Spectrum, Panel::Picture})
      RETURN_IF_ERROR(LayoutPanel(panel));
    RETURN_IF_ERROR(LayoutPanelInGroup(Panel::Rgb, kGroupRgb, kFlagsRow));
    for (const Panel panel : {Panel::Hsv, Panel::Oklch, Panel::Kelvin, Panel::Mixer})
      RETURN_IF_ERROR(LayoutPanel(panel));
  }
  RETURN_IF_ERROR(LayoutPanelInGroup(Panel::Alpha, kGroupAlpha, kFlagsRow));
  if (!Get(Panel::Compact))
    RETURN_IF_ERROR(LayoutPanelInGroup(Panel::Hex, kGroupHex, kFlagsRow));
  return LayoutPanelInGroup(Panel::Swatches, kGroupSwatches, kFlagsFill);
}

Result<void> PanelSet::LayoutCompactSliders()
{
  RETURN_IF_ERROR(LayoutPanel(Panel::Rgb));
  return LayoutPanel(Panel::Hsv);
}

Result<void> PanelSet::LayoutPanel(Panel panel)
{
  ColorInterface* target = Get(panel);
  return target ? target->CreateLayout(_chooser) : Ok();
}

Result<void> PanelSet::LayoutPanelInGroup(Panel panel, std::int32_t groupId, std::int32_t flags)
{
  if (!Get(panel))
    return Ok();
  _chooser.GroupBegin(groupId, flags, 1, 0);
  const Result<void> result = LayoutPanel(panel);
  _chooser.GroupEnd();
  return result;
}

Result<void> PanelSet::Init()
{
  RETURN_IF_ERROR(ChooserPanels::ReloadWheel(Get(Panel::Wheel)));
  for (std::size_t i = 0; i < kCount; ++i)
  {
    const auto panel = static_cast<Panel>(i);
    // The picture and the swatches keep their own contents.
    if (_panels[i] && panel != Panel::Picture && panel != Panel::Swatches)
      _panels[i]->Update(_chooser);
  }
  return Ok();
}

Result<void> PanelSet::Update()
{
  for (std::size_t i = 0; i < kCount; ++i)
  {
    const auto panel = static_cast<Panel>(i);
    // Kelvin, the picture and the swatches keep their own values.
    if (!_panels[i] || panel == Panel::Kelvin || panel == Panel::Picture || panel == Panel::Swatches)
      continue;
    if (panel == Panel::Mixer)
      ChooserPanels::FollowColor(_panels[i].get(), _chooser);
    else
      _panels[i]->Update(_chooser);
  }
  return Ok();
}

Result<bool> PanelSet::Command(std::int32_t id, const BaseContainer& msg)
{
  const std::int32_t owner = OwnerOf(id);
  for (const auto& [ownerId, panel] : kOwners)
  {
    if (ownerId != owner)
      continue;
    ColorInterface* target = Get(panel);
    return target ? target->Command(id, msg, _chooser) : Result<bool>(false);
  }
  // IDs of nobody change nothing.
  return false;
}

void PanelSet::Clear()
{
  for (auto& panel : _panels)
    panel.reset();
}
