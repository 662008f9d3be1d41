#include "utils/colorinterfacecompact.h"

#include <utility>

#include "gxa_api.h"
#include "utils/chooserview.h"

namespace
{
constexpr std::int32_t kRowFlags = GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_TOP;
constexpr std::int32_t kSquareFlags = GXA_ALIGN_LEFT | GXA_ALIGN_V_SCALEFIT;
constexpr std::int32_t kSliderSpace = 6;
// The host hands the square its row's height, which the square then takes
// as its size; the square paints all of its frame.
constexpr std::int32_t kSquareAttach = 0x40000003;
}  // namespace

ColorInterfaceCompact::ColorInterfaceCompact(ChooserView& chooser, SliderLayout layoutSliders)
    : _layoutSliders(std::move(layoutSliders)), _square(chooser, ColorSpectrumArea::Sizing::FollowHeight)
{}

// The slider panels are updated by the chooser.
void ColorInterfaceCompact::Update(ChooserView&)
{
  _square.Redraw();
}

Result<void> ColorInterfaceCompact::CreateLayout(ChooserView& chooser)
{
  chooser.GroupBegin(0, kRowFlags, 2, 0);
  chooser.GroupBegin(0, kSquareFlags, 1, 0);
  const bool added =
      chooser.AddUserArea(kSquareId, kSquareFlags) && chooser.AttachUserArea(_square, kSquareId, kSquareAttach);
  chooser.GroupEnd();
  chooser.GroupBegin(0, kRowFlags, 1, 0);
  chooser.GroupBorderSpace(0, kSliderSpace, 0, kSliderSpace);
  const Result<void> sliders = _layoutSliders ? _layoutSliders(chooser) : Result<void>();
  chooser.GroupEnd();
  chooser.GroupEnd();
  if (!added)
    return UnexpectedError("AddUserArea() failed.");
  return sliders;
}

Result<bool> ColorInterfaceCompact::Command(std::int32_t id, const BaseContainer&, ChooserView&)
{
  return id == kSquareId;
}
