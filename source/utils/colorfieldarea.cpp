#include "utils/colorfieldarea.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#include "chooserids.h"
#include "diagnostics.h"
#include "gedata.h"
#include "gxa_api.h"
#include "hostdialogs.h"
#include "hostservices.h"
#include "moduleresource.h"
#include "utils/chooserview.h"
#include "utils/colorclipboard.h"
#include "utils/colortooltip.h"
#include "utils/contrastreadout.h"
#include "utils/dragcolors.h"
#include "utils/menutext.h"
#include "utils/perceptualtools.h"

using namespace chooser;

namespace
{
constexpr std::int32_t kBorderStyle = 1;
constexpr std::int32_t kMeasureMask = 0x3FFF;
constexpr std::int32_t kPixelShift = 14;

// Context menu.
constexpr std::int32_t kMenuTallField = 900000;
constexpr std::int32_t kMenuShowAlpha = 900001;
constexpr std::int32_t kMenuCopy = 900002;
constexpr std::int32_t kMenuPaste = 900003;
constexpr std::int32_t kMenuSeparator = 0;
constexpr std::int32_t kStringTallField = 20014;
constexpr std::int32_t kStringShowAlpha = 20104;
constexpr std::int32_t kStringCopy = 20106;
constexpr std::int32_t kStringPaste = 20107;
constexpr std::int32_t kAtMouse = 0x7fffffff;
constexpr std::int32_t kMenuFlags = 72;

std::int32_t CurrentTheme()
{
  return GetWorldPreferences().GetInt32(kPrefInterfaceTheme, 0);
}

Vector Blend(const Vector& from, const Vector& to, double t)
{
  return from + (to - from) * t;
}

}  // namespace

ColorFieldArea::ColorFieldArea(ChooserView& chooser) : _chooser(chooser), _theme(CurrentTheme()) {}

ColorFieldArea::~ColorFieldArea() = default;

void ColorFieldArea::SetSize(std::int32_t widthSpec, std::int32_t heightSpec)
{
  _widthSpec = widthSpec != 0 ? widthSpec : kDefaultWidthSpec;
  _heightSpec = heightSpec != 0 ? heightSpec : kDefaultHeightSpec;
}

// ---------------------------------------------------------------- geometry

std::int32_t ColorFieldArea::SpecToPixels(std::int32_t spec, std::int32_t measure)
{
  const std::int64_t tenths = static_cast<std::int64_t>(measure) * (spec & kMeasureMask);
  return (spec >> kPixelShift) + static_cast<std::int32_t>((tenths + 5) / 10);
}

std::int32_t ColorFieldArea::SplitX(std::int32_t width, bool previousFlat)
{
  if (previousFlat)
    return width / 2;
  // An even number of cells keeps both parts' checkerboards in step.
  std::int32_t cells = ((width - 2) / kCheckerCell) / 2;
  if (cells % 2 != 0)
    --cells;
  return cells * kCheckerCell + 1;
}

ColorFieldArea::Cells ColorFieldArea::BlendCells(const Vector& color, double alpha, bool showAlpha,
                                                 const CheckerLevels& checker)
{
  const double a = std::clamp(alpha, 0.0, 1.0);
  if (!showAlpha || a >= 1.0)
    return {color, color};
  return {Blend(checker.lighter, color, a), Blend(checker.darker, color, a)};
}

bool ColorFieldArea::GetMinSize(std::int32_t& w, std::int32_t& h)
{
  const bool wide = _chooser.GetLayoutMode() == 2;
  w = SpecToPixels(wide ? kWideWidthSpec : _widthSpec, DrawGetTextWidth("8"));
  h = SpecToPixels(_heightSpec, DrawGetFontHeight());
  if (wide && _chooser.GetState().GetBool(kStateFieldOption))
    h *= 2;
  return true;
}

// ----------------------------------------------------------------- drawing

bool ColorFieldArea::IsTransparencyShown() const
{
  return _chooser.HasAlpha() && _chooser.GetState().GetBool(kStateFieldShowAlpha);
}

Result<void> ColorFieldArea::PrepareConversion(bool& ready)
{
  if (!_conversion)
    _conversion.reset(new (std::nothrow) ColorDisplayConversion);
  if (!_conversion)
    return OutOfMemoryError("display conversion");
  PrepareDisplayConversion(*_conversion, _chooser.GetProfileMode(), ready);
  return Ok();
}

ColorFieldArea::Cells ColorFieldArea::DisplayCells(const Vector& color, double alpha, bool ready) const
{
  const bool linear = _chooser.IsLinearActive();
  CheckerLevels checker = CheckerColors(_theme);
  if (linear)
    checker = {ConvertColorSpace(checker.lighter, GXA_TRANSFORM_FROM_HOST),
               ConvertColorSpace(checker.darker, GXA_TRANSFORM_FROM_HOST)};
  Cells cells = BlendCells(color, alpha, IsTransparencyShown(), checker);
  for (Vector* cell : {&cells.first, &cells.second})
  {
    if (linear)
      *cell = ConvertColorSpace(*cell, GXA_TRANSFORM_TO_HOST);
    ConvertForDisplay(*_conversion, ready, *cell);
  }
  return cells;
}

void ColorFieldArea::DrawMsg(std::int32_t, std::int32_t, std::int32_t, std::int32_t, const BaseContainer&)
{
  const std::int32_t w = GetWidth(), h = GetHeight();
  OffScreenOn();
  DrawBorder(kBorderStyle, 0, 0, w - 1, h - 1);
  if (!IsEnabled())
  {
    DrawSetPen(GXA_COLOR_BACKGROUND);
    DrawRectangle(1, 1, w - 2, h - 2);
    OffScreenOff();
    return;
  }
  bool ready = false;
  const Result<void> prepared = PrepareConversion(ready);
  if (prepared.IsError())
  {
    ReportError("ColorFieldArea::DrawMsg()", prepared.GetError());
    OffScreenOff();
    return;
  }
  const Cells current = DisplayCells(_chooser.GetDisplayColor(), _chooser.GetAlpha(), ready);
  if (_chooser.IsLiveChange() && _chooser.GetLayoutMode() != 1)
  {
    const Cells previous = DisplayCells(_chooser.GetInitialDisplayColor(), _chooser.GetInitialAlpha(), ready);
    DrawCheckerPart(SplitX(w, previous.IsFlat()), 1, w - 2, h - 2, previous);
    DrawCheckerPart(1, 1, w / 2 - 1, h - 2, current);
  }
  else
  {
    DrawCheckerPart(1, 1, w - 2, h - 2, current);
  }
  OffScreenOff();
}

void ColorFieldArea::DrawCheckerPart(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                                     const Cells& cells)
{
  if (x2 < x1 || y2 < y1)
    return;
  DrawSetPen(cells.second);
  DrawRectangle(x1, y1, x2, y2);
  if (cells.IsFlat())
    return;
  DrawSetPen(cells.first);
  std::int32_t row = 0;
  for (std::int32_t y = y1; y <= y2; y += kCheckerCell, ++row)
  {
    const std::int32_t bottom = std::min(y + kCheckerCell - 1, y2);
    for (std::int32_t x = x1 + (row % 2) * kCheckerCell; x <= x2; x += 2 * kCheckerCell)
      DrawRectangle(x, y, std::min(x + kCheckerCell - 1, x2), bottom);
  }
}

// ------------------------------------------------------------------- mouse

bool ColorFieldArea::InputEvent(const BaseContainer& msg)
{
  if (msg.GetInt32(GXA_INPUT_DEVICE) != GXA_DEVICE_MOUSE || !msg.GetBool(GXA_INPUT_VALUE, true))
    return false;
  const std::int32_t channel = msg.GetInt32(GXA_INPUT_CHANNEL);
  if (channel == GXA_CHANNEL_LEFT)
  {
    const Result<bool> dragged = OfferDrag(msg.GetInt32(GXA_INPUT_X), msg.GetInt32(GXA_INPUT_Y));
    if (dragged.IsError())
    {
      ReportError("ColorFieldArea::InputEvent()", dragged.GetError());
      return false;
    }
    const Result<void> opened = dragged.GetValue() ? Ok() : OpenColorDialog();
    if (opened.IsError())
      ReportError("ColorFieldArea::InputEvent()", opened.GetError());
    return true;
  }
  if (channel == GXA_CHANNEL_RIGHT)
  {
    const Result<void> shown = ShowMenu();
    if (shown.IsError())
      ReportError("ColorFieldArea::InputEvent()", shown.GetError());
    return true;
  }
  return false;
}

Result<bool> ColorFieldArea::OfferDrag(std::int32_t pressX, std::int32_t pressY)
{
  const Vector color = _chooser.GetColorInHostSpace();
  bool dropped = false;
  if (_chooser.HasAlpha())
  {
    const ColorWithAlpha swatch{color, _chooser.GetAlpha()};
    ASSIGN_OR_RETURN(const GeData data, DragColors::Swatches(&swatch, 1));
    dropped = StartDrag(GXA_DRAGTYPE_SWATCHES, data);
  }
  else
  {
    ASSIGN_OR_RETURN(const GeData data, DragColors::OneColor(color));
    dropped = StartDrag(GXA_DRAGTYPE_COLOR, data);
  }
  return dropped || DragColors::PressMoved(pressX, pressY);
}

Result<void> ColorFieldArea::OpenColorDialog()
{
  // The host's dialog works on a copy of this chooser's view state and may
  // change it; a confirmed dialog hands the copy back.
  _chooser.StoreLayoutState();
  BaseContainer prefs = GetWorldPreferences();
  if (prefs.IsValid())
    prefs.SetContainer(kPrefGlobalState, _chooser.GetState());
  Vector color = _chooser.GetColorInHostSpace();
  double alpha = _chooser.GetAlpha();
  if (!ShowColorDialog(color, alpha, _chooser.HasAlpha(), String(), _chooser.GetProfileMode()))
    return Ok();
  if (prefs.IsValid() && prefs.Contains(kPrefGlobalState))
  {
    _chooser.GetState() = prefs.GetContainer(kPrefGlobalState);
    prefs.RemoveData(kPrefGlobalState);
  }
  RETURN_IF_ERROR(_chooser.SetLinearDisplay(_chooser.GetState().GetBool(kModeLinearDisplay)));
  _chooser.RebuildLayout();
  return SendColor(color, alpha);
}

Result<void> ColorFieldArea::ShowMenu()
{
  const BaseContainer menu = BuildMenu();
  if (!menu.IsValid())
    return OutOfMemoryError("colour field menu");
  return ChooseMenuEntry(ShowPopupMenu(kAtMouse, kAtMouse, menu, kMenuFlags));
}

BaseContainer ColorFieldArea::BuildMenu() const
{
  const BaseContainer& state = _chooser.GetState();
  BaseContainer menu;
  const bool tall = _chooser.GetLayoutMode() == 2;
  const bool alpha = _chooser.HasAlpha();
  if (tall)
    menu.InsertData(kMenuTallField, GeData(MenuText(kStringTallField, false, state.GetBool(kStateFieldOption))));
  if (alpha)
    menu.InsertData(kMenuShowAlpha, GeData(MenuText(kStringShowAlpha, false, state.GetBool(kStateFieldShowAlpha))));
  if (tall || alpha)
    menu.InsertData(kMenuSeparator, GeData(String()));
  menu.InsertData(kMenuCopy, GeData(MenuText(kStringCopy)));
  menu.InsertData(kMenuPaste, GeData(MenuText(kStringPaste, ColorClipboard::Get().IsEmpty())));
  return menu;
}

Result<void> ColorFieldArea::ChooseMenuEntry(std::int32_t id)
{
  BaseContainer& state = _chooser.GetState();
  const ColorClipboard& clipboard = ColorClipboard::Get();
  switch (id)
  {
    case kMenuTallField:
      state.SetBool(kStateFieldOption, !state.GetBool(kStateFieldOption));
      LayoutChanged();
      return Ok();
    case kMenuShowAlpha:
      state.SetBool(kStateFieldShowAlpha, !state.GetBool(kStateFieldShowAlpha));
      Redraw();
      return Ok();
    case kMenuCopy:
      ColorClipboard::Get().Copy(_chooser.GetColorInHostSpace(), _chooser.GetAlpha(), !_chooser.HasAlpha());
      AnnounceCopiedColor(_chooser.GetColor(), _chooser.GetAlpha(), _chooser.HasAlpha());
      return Ok();
    case kMenuPaste:
      if (clipboard.IsEmpty())
        return Ok();
      return SendColor(clipboard.GetColor(), clipboard.PasteAlpha(_chooser.HasAlpha(), _chooser.GetAlpha()));
    default: return Ok();
  }
}

Result<void> ColorFieldArea::SendColor(const Vector& hostColor, double alpha)
{
  BaseContainer action(GXA_MSG_ACTION);
  const GeData value(hostColor, alpha);
  if (!action.IsValid() || !value.IsValid())
    return OutOfMemoryError("action message");
  action.SetInt32(GXA_MSG_ID, GetId());
  action.SetData(GXA_MSG_VALUE, value);
  if (!SendParentMessage(action))
    return UnexpectedError("SendParentMessage() failed.");
  return Ok();
}

// ---------------------------------------------------------------- messages

std::int32_t ColorFieldArea::Message(const BaseContainer& msg, BaseContainer& result)
{
  switch (msg.GetId())
  {
    case GXA_MSG_DRAG_RECEIVE: return DragReceive(msg, result);
    case GXA_MSG_CURSOR_INFO: result.SetString(GXA_RESULT_TOOLTIP, Tooltip()); return 1;
    case GXA_MSG_PREFS_CHANGED: PreferencesChanged(); break;
    default: break;
  }
  return GeUserArea::Message(msg, result);
}

std::int32_t ColorFieldArea::DragReceive(const BaseContainer& msg, BaseContainer& result)
{
  if (msg.GetInt32(GXA_DRAG_ENTRY_LOST) != 0 || msg.GetInt32(GXA_DRAG_ENTRY_ESCAPED) != 0)
    return 0;
  if (IsOutside(msg))
    return GeUserArea::Message(msg, result);
  const Result<BaseArray<ColorWithAlpha>> colors = DragColors::FromDragMessage(msg, _chooser.GetAlpha());
  if (colors.IsError())
  {
    ReportError("ColorFieldArea::Message()", colors.GetError());
    return 0;
  }
  if (colors.GetValue().IsEmpty())
    return 0;
  if (msg.GetInt32(GXA_DRAG_ENTRY_FINISHED) != 0)
  {
    const ColorWithAlpha& first = colors.GetValue()[0];
    const Result<void> sent = SendColor(first.color, first.alpha);
    if (sent.IsError())
      ReportError("ColorFieldArea::Message()", sent.GetError());
    _chooser.SetDragDestination(GXA_CURSOR_COPY);
  }
  return 1;
}

bool ColorFieldArea::IsOutside(const BaseContainer& msg) const
{
  if (msg.Contains(GXA_DRAG_ENTRY_GADGET) && msg.GetInt32(GXA_DRAG_ENTRY_GADGET) != GetId())
    return true;
  if (!msg.Contains(GXA_DRAG_ENTRY_X) || !msg.Contains(GXA_DRAG_ENTRY_Y))
    return false;
  const std::int32_t x = msg.GetInt32(GXA_DRAG_ENTRY_X), y = msg.GetInt32(GXA_DRAG_ENTRY_Y);
  return x < 0 || y < 0 || x >= GetWidth() || y >= GetHeight();
}

String ColorFieldArea::Tooltip() const
{
  const Vector& color = _chooser.GetColor();
  const String text = _chooser.HasAlpha() ? ColorTooltipText(color, _chooser.GetAlpha()) : ColorTooltipText(color);
  if (!PerceptualTools::IsOn())
    return text;
  // The colour as shown, by name and against the colour the chooser opened with.
  const Vector shown = _chooser.GetDisplayColor();
  return text + "\n" + ContrastReadout::NameLine(shown).GetStd() + "\n" +
         ContrastReadout(shown, _chooser.GetOpeningDisplayColor()).TooltipLines().GetStd();
}

void ColorFieldArea::PreferencesChanged()
{
  const std::int32_t theme = CurrentTheme();
  if (theme == _theme)
    return;
  _theme = theme;
  Redraw();
}
