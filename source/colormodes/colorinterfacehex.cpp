#include "colormodes/colorinterfacehex.h"

#include "colormodes/panellayout.h"
#include "utils/chooserview.h"
#include "utils/colorutils.h"

namespace
{
constexpr std::int32_t kLabel = 20018;
constexpr std::int32_t kFieldWidth = 80;
}  // namespace

Result<void> ColorInterfaceHex::CreateLayout(ChooserView& chooser)
{
  PanelLayout layout(chooser);
  layout.Separator()
      .Group(PanelLayout::kRowFlags, 2, 0, 4, 1)
      .Label(kLabel, ChooserView::GetLabelWidth())
      .TextField(kField, kFieldWidth)
      .End();
  _fieldBuilt = true;
  return layout.Finish();
}

void ColorInterfaceHex::Update(ChooserView& chooser)
{
  // The host's text field has no mixed-value state to show.
  if (_updateEnabled)
    chooser.SetString(kField, ColorToHexText(chooser.GetColor()));
  else if (_fieldBuilt)
    Show(_lastAccepted.IsEmpty() ? ColorToHexText(chooser.GetColor()) : _lastAccepted, chooser);
  _fieldBuilt = false;
}

void ColorInterfaceHex::Show(const String& text, ChooserView& chooser)
{
  chooser.SetString(kField, text);
}

Result<void> ColorInterfaceHex::ApplyColor(const Vector& color, ChooserView& chooser)
{
  chooser.SetColor(color);
  chooser.SetInitialColor(color);
  return chooser.SendValue(BaseContainer(GXA_MSG_ACTION));
}

Result<void> ColorInterfaceHex::CommitInPlace(const String& cleaned, const std::optional<Vector>& parsed,
                                              ChooserView& chooser)
{
  _updateEnabled = false;
  String shown;
  if (parsed)
  {
    RETURN_IF_ERROR(ApplyColor(*parsed, chooser));
    shown = cleaned;
  }
  else
  {
    // A first invalid commit shows the colour; later ones the last good text.
    shown = _committed ? _lastAccepted : ColorToHexText(chooser.GetColor());
  }
  _committed = true;
  _lastAccepted = shown;
  Show(shown, chooser);
  return Ok();
}

Result<void> ColorInterfaceHex::CommitOnLeave(const std::optional<Vector>& parsed, ChooserView& chooser)
{
  _updateEnabled = true;
  _committed = false;
  _lastAccepted = String();
  if (parsed)
    return ApplyColor(*parsed, chooser);
  Show(ColorToHexText(chooser.GetColor()), chooser);
  return Ok();
}

Result<bool> ColorInterfaceHex::Command(std::int32_t id, const BaseContainer& msg, ChooserView& chooser)
{
  if (id != kField)
    return false;
  String text;
  chooser.GetString(kField, text);
  const String cleaned = CleanHexText(text);
  const std::optional<Vector> parsed = ParseHexColor(text);
  if (msg.GetBool(GXA_MSG_EDIT_STARTED))
    RETURN_IF_ERROR(CommitInPlace(cleaned, parsed, chooser));
  else
    RETURN_IF_ERROR(CommitOnLeave(parsed, chooser));
  return true;
}
