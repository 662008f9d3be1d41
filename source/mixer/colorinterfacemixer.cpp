#include "mixer/colorinterfacemixer.h"

#include "colormodes/panellayout.h"
#include "utils/chooserview.h"
#include "utils/contrastreadout.h"
#include "utils/perceptualtools.h"

namespace
{
constexpr std::int32_t kLabel = 20027;
// Host attach flags of the fields and of the slider between them.
constexpr std::int32_t kFieldAttachFlags = 4;
constexpr std::int32_t kSliderAttachFlags = 2;
// The readout's lines fill the width, left aligned.
constexpr std::int32_t kReadoutFlags = 24;
}  // namespace

void ColorInterfaceMixer::WriteDefaults(BaseContainer& state)
{
  state.SetVector(kStateColorA, kDefaultColorA);
  state.SetVector(kStateColorB, kDefaultColorB);
  state.SetFloat(kStateRatio, kDefaultRatio);
}

ColorInterfaceMixer::ColorInterfaceMixer() : _fieldA(kDefaultColorA), _fieldB(kDefaultColorB)
{
  _slider.SetResetOnRightClick(true);
  _slider.SetRange(0.0, 1.0, 0.01);
  _slider.SetNormalizedMessages(true);
}

Result<void> ColorInterfaceMixer::CreateLayout(ChooserView& chooser)
{
  _fieldA.SetChooser(&chooser);
  _fieldB.SetChooser(&chooser);
  PanelLayout layout(chooser);
  layout.Separator()
      .Group(PanelLayout::kRowFlags, 0, 1, 4, 4)
      .Label(kLabel, 0)
      .NumberField(kRatioField)
      .Group(PanelLayout::kRowFlags, 0, 1, 2, 2)
      .UserArea(kFieldA, PanelLayout::kFieldFlags, _fieldA, kFieldAttachFlags)
      .UserArea(kSlider, PanelLayout::kSliderFlags, _slider, kSliderAttachFlags)
      .UserArea(kFieldB, PanelLayout::kFieldFlags, _fieldB, kFieldAttachFlags)
      .End()
      .End();
  RETURN_IF_ERROR(layout.Finish());
  _readout = PerceptualTools::IsOn();
  if (!_readout)
    return Ok();
  if (!chooser.AddStaticText(kContrastText, kReadoutFlags, 0, 0, String()) ||
      !chooser.AddStaticText(kLightnessText, kReadoutFlags, 0, 0, String()))
    return UnexpectedError("AddStaticText() failed.");
  return Ok();
}

void ColorInterfaceMixer::ShowContrast(ChooserView& chooser)
{
  if (!_readout)
    return;
  // Field A's colour as text on field B's, both as the fields show them.
  const ContrastReadout readout(_fieldA.GetColor(), _fieldB.GetColor());
  chooser.SetString(kContrastText, readout.FirstLine());
  chooser.SetString(kLightnessText, readout.SecondLine());
}

void ColorInterfaceMixer::ShowRatio(double t, ChooserView& chooser)
{
  chooser.SetFloat(kRatioField, t, 0.0, 1.0, 0.01, GXA_UNIT_PERCENT);
}

void ColorInterfaceMixer::Update(ChooserView& chooser)
{
  const BaseContainer& state = chooser.GetState();
  const double t = state.GetFloat(kStateRatio, 0.0);
  ShowRatio(t, chooser);
  _fieldA.SetColor(state.GetVector(kStateColorA));
  _fieldB.SetColor(state.GetVector(kStateColorB));
  _fieldA.Redraw();
  _fieldB.Redraw();
  const bool linear = chooser.IsLinearActive();
  _slider.SetEndColors(t, chooser.ToChooserSpace(_fieldA.GetColor()), linear,
                       chooser.ToChooserSpace(_fieldB.GetColor()), linear);
  ShowContrast(chooser);
}

void ColorInterfaceMixer::Follow(ChooserView& chooser)
{
  const bool linear = chooser.IsLinearActive();
  if (_fieldA.IsSelected() || _fieldB.IsSelected())
  {
    const bool isA = _fieldA.IsSelected();
    SubColorFieldArea& field = isA ? _fieldA : _fieldB;
    field.SetColor(chooser.GetColorInHostSpace());
    if (isA)
      _slider.SetColorA(chooser.GetColor(), linear);
    else
      _slider.SetColorB(chooser.GetColor(), linear);
    chooser.GetState().SetVector(isA ? kStateColorA : kStateColorB, field.GetColor());
    field.Redraw();
    ShowContrast(chooser);
  }
  _slider.Redraw();
}

bool ColorInterfaceMixer::PickField(std::int32_t id, const BaseContainer& msg, ChooserView& chooser)
{
  const bool isA = id == kFieldA;
  SubColorFieldArea& picked = isA ? _fieldA : _fieldB;
  chooser.SetLiveChange(false);
  chooser.SetColorFromHostSpace(msg.GetVector(GXA_MSG_VALUE));
  chooser.GetState().SetVector(isA ? kStateColorA : kStateColorB, picked.GetColor());
  (isA ? _fieldB : _fieldA).Deselect();
  ShowContrast(chooser);
  return true;
}

void ColorInterfaceMixer::SetRatio(double t, ChooserView& chooser)
{
  _fieldA.Deselect();
  _fieldB.Deselect();
  chooser.GetState().SetFloat(kStateRatio, t);
  _slider.SetPositionNoRedraw(t);
}

void ColorInterfaceMixer::ApplyBlend(const BaseContainer& msg, ChooserView& chooser)
{
  const double t = chooser.GetState().GetFloat(kStateRatio, 0.0);
  const Vector a = chooser.ToChooserSpace(_fieldA.GetColor());
  const Vector b = chooser.ToChooserSpace(_fieldB.GetColor());
  chooser.SetColor(a + (b - a) * t);
  chooser.SetLiveChange(msg.GetInt32(GXA_MSG_DRAG) != 0);
  _slider.Redraw();
}

Result<bool> ColorInterfaceMixer::Command(std::int32_t id, const BaseContainer& msg, ChooserView& chooser)
{
  switch (id)
  {
    case kFieldA:
    case kFieldB: return PickField(id, msg, chooser);
    case kSlider:
    {
      const double t = msg.GetFloat(GXA_MSG_VALUE);
      SetRatio(t, chooser);
      ShowRatio(t, chooser);
      break;
    }
    case kRatioField:
    {
      double t = chooser.GetState().GetFloat(kStateRatio, 0.0);
      chooser.GetFloat(kRatioField, t);
      SetRatio(t, chooser);
      break;
    }
    default: return false;
  }
  ApplyBlend(msg, chooser);
  return true;
}
