#include "picture/colorimagearea.h"

#include <algorithm>
#include <cmath>

#include "diagnostics.h"
#include "gedata.h"
#include "gxa_api.h"
#include "hostservices.h"
#include "moduleresource.h"
#include "picture/picturesampler.h"
#include "utils/chooserview.h"
#include "utils/colorconversions.h"
#include "utils/colordisplayconversion.h"
#include "utils/colortooltip.h"
#include "utils/colorutils.h"

namespace
{
constexpr std::int32_t kEmptyWidth = 150;
constexpr std::int32_t kEmptyHeight = 50;
constexpr std::int32_t kStringEmpty = 20057;
constexpr std::int32_t kStringColor = 20007;
constexpr std::int32_t kAfterInput = 0x3EC0003;
constexpr std::int32_t kAreaHeight = 0x3EC0019;
constexpr std::int32_t kMinAreaHeight = 50;
constexpr std::int32_t kMaxAreaHeight = 3000;
constexpr std::int32_t kAreaHeightStep = 10;
constexpr std::int32_t kQualifierHeight = 8;
constexpr std::int32_t kKeyBackspace = 0xF108;
constexpr std::int32_t kKeyDelete = 0xF17F;
constexpr std::int32_t kCursorSample = 20;
constexpr std::int32_t kCursorAdd = 41;
constexpr std::int32_t kCursorFull = 8;

// Marker sizes in logical pixels.
constexpr double kMarkerDiameter = 15.0;
constexpr double kMarkerRing = 2.0;
constexpr double kOutlineDiameter = 17.0;
constexpr double kSelectedDiameter = 23.0;
constexpr double kSelectedRing = 2.5;
constexpr double kMarkerReach = 8.5;

constexpr double kWheelZoomIn = 1.1;
constexpr double kWheelZoomOut = 0.9;
constexpr double kDragZoomIn = 1.03;
constexpr double kDragZoomOut = 0.97;
}  // namespace

ColorImageArea::ColorImageArea(ChooserView& chooser) : _chooser(chooser) {}

bool ColorImageArea::Init()
{
  const Result<void> built = BuildMarkers();
  if (built.IsError())
    ReportError("ColorImageArea::Init()", built.GetError());
  return true;
}

Result<void> ColorImageArea::BuildMarkers()
{
  const std::int32_t scale = std::max(GetDisplayScale(), 1);
  if (scale == _markerScale)
    return Ok();
  const std::int64_t black[3] = {0, 0, 0}, white[3] = {255, 255, 255};
  RETURN_IF_ERROR(_marker.Init(kMarkerDiameter * scale, kMarkerRing * scale, black, white, 1.0, false));
  RETURN_IF_ERROR(_outline.SetDiameter(kOutlineDiameter * scale, 1.0 * scale));
  _outline.SetColor(0, 0, 0);
  _outline.SetOpacity(0.55);
  RETURN_IF_ERROR(_selectedRing.SetDiameter(kSelectedDiameter * scale, kSelectedRing * scale));
  _markerScale = scale;
  return Ok();
}

bool ColorImageArea::GetMinSize(std::int32_t& w, std::int32_t& h)
{
  if (_rebuilding)
  {
    w = h = 0;
    return true;
  }
  if (!HasPicture())
  {
    w = kEmptyWidth;
    h = kEmptyHeight;
    return true;
  }
  w = _view.ScaledWidth();
  h = _view.ScaledHeight();
  return true;
}

void ColorImageArea::Sized(std::int32_t w, std::int32_t h)
{
  _view.SetAreaSize(w, h);
  _scaledDirty = true;
}

Result<void> ColorImageArea::LoadPicture(const Filename& file, std::string& why)
{
  ClearPicture();
  BaseBitmap loaded;
  if (loaded.LoadPicture(file, why) != GXA_LOAD_OK)
  {
    if (why.empty())
      why = "The picture could not be loaded.";
    return UnexpectedError(why);
  }
  _picture = std::move(loaded);
  _view.SetPicture(_picture.GetWidth(), _picture.GetHeight());
  _view.SetAreaSize(GetWidth(), GetHeight());
  RETURN_IF_ERROR(_mosaic.Init(_picture));
  _samples.Reset(_picture.GetWidth() / 2, _picture.GetHeight() / 2);
  _fitPending = true;
  _scaledDirty = true;
  return Ok();
}

void ColorImageArea::ClearPicture()
{
  _mosaic.Free();
  _picture = BaseBitmap();
  _scaled = BaseBitmap();
  _visible = BaseBitmap();
  _view.SetPicture(0, 0);
  _samples.Entries().clear();
  _fitPending = false;
  _scaledDirty = true;
}

void ColorImageArea::SetMosaic(bool on, std::int64_t level)
{
  if (on == _mosaicOn && level == _level)
    return;
  _mosaicOn = on;
  _level = level;
  _scaledDirty = true;
}

const BaseBitmap& ColorImageArea::Shown()
{
  if (_mosaicOn)
  {
    const Result<const BaseBitmap*> mosaic = _mosaic.GetMosaic(_level);
    if (mosaic.IsOk() && mosaic.GetValue())
      return *mosaic.GetValue();
    if (mosaic.IsError())
      ReportError("ColorImageArea::DrawMsg()", mosaic.GetError());
  }
  return _picture;
}

Result<Vector> ColorImageArea::SampleAt(std::int64_t x, std::int64_t y)
{
  if (_mosaicOn)
    return _mosaic.GetTileColour(x, y, _level);
  return PictureSampler::Sample(_picture, x, y, _sampleSize);
}

Result<void> ColorImageArea::ResampleAll()
{
  for (ColorListEntry& sample : _samples.Entries())
  {
    if (!PictureSamples::IsPlaced(sample))
      continue;
    ASSIGN_OR_RETURN(sample.color, SampleAt(sample.link1, sample.link2));
  }
  _scaledDirty = true;
  return Ok();
}

Vector ColorImageArea::MarkerCentre(const ColorListEntry& sample) const
{
  if (_mosaicOn)
  {
    const Vector centre = _mosaic.GetTileCentre(sample.link1, sample.link2, _level);
    return _view.ToArea(centre.x, centre.y);
  }
  return _view.ToArea(sample.link1 + 0.5, sample.link2 + 0.5);
}

std::int64_t ColorImageArea::SampleUnder(double ax, double ay) const
{
  const auto& entries = _samples.Entries();
  // The last drawn marker lies on top.
  for (std::size_t i = entries.size(); i-- > 0;)
  {
    if (!PictureSamples::IsPlaced(entries[i]))
      continue;
    const Vector at = MarkerCentre(entries[i]);
    if (std::hypot(ax - at.x, ay - at.y) <= kMarkerReach)
      return static_cast<std::int64_t>(i);
  }
  return -1;
}

bool ColorImageArea::GetVisible(PictureScaler::Rect& visible) const
{
  return _chooser.GetVisibleArea(kScrollGroup, visible.x1, visible.y1, visible.x2, visible.y2);
}

void ColorImageArea::DrawMsg(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const BaseContainer&)
{
  OffScreenOn();
  _view.SetAreaSize(GetWidth(), GetHeight());
  DrawSetPen(GXA_COLOR_BACKGROUND);
  DrawRectangle(x1, y1, x2, y2);
  if (!HasPicture())
  {
    DrawEmpty(x1, y1, x2, y2);
    OffScreenOff();
    return;
  }
  if (_fitPending)
  {
    _fitPending = false;
    PictureScaler::Rect view;
    if (!GetVisible(view))
      view = PictureScaler::Rect{x1, y1, x2, y2};
    if (_view.SetZoom(_view.FitZoom(view.x2 - view.x1 + 1, view.y2 - view.y1 + 1)))
    {
      OffScreenOff();
      LayoutChanged();
      Redraw();
      return;
    }
  }
  const Result<void> drawn = DrawPicture(PictureScaler::Rect{x1, y1, x2, y2});
  if (drawn.IsError())
    ReportError("ColorImageArea::DrawMsg()", drawn.GetError());
  OffScreenOff();
}

void ColorImageArea::DrawEmpty(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
  Vector text;
  GetInterfaceColor(IsEnabled() ? GXA_COLOR_TEXT : GXA_COLOR_TEXT_DISABLED, text);
  DrawSetTextColor(text);
  DrawText(ModuleResource::LoadString(kStringEmpty), (x1 + x2) / 2, (y1 + y2) / 2, GXA_TEXT_HCENTER | GXA_TEXT_VCENTER);
}

Result<void> ColorImageArea::DrawPicture(const PictureScaler::Rect& visible)
{
  const std::int32_t scale = std::max(GetDisplayScale(), 1);
  RETURN_IF_ERROR(BuildMarkers());
  const PictureScaler::Rect shown = PictureScaler::PictureRect(_view, visible);
  if (shown.IsEmpty())
    return Ok();
  if (_scaledDirty || !(shown == _lastShown) || scale != _lastScale)
  {
    const CheckerLevels checker = CheckerColors();
    const auto byte = [](double c) { return static_cast<std::uint8_t>(To8Bit(c)); };
    const std::uint8_t lighter[3] = {byte(checker.lighter.x), byte(checker.lighter.y), byte(checker.lighter.z)};
    const std::uint8_t darker[3] = {byte(checker.darker.x), byte(checker.darker.y), byte(checker.darker.z)};
    _scaler.SetChecker(lighter, darker);
    RETURN_IF_ERROR(_scaler.Render(Shown(), _view, shown, scale, _scaled));
    _lastShown = shown;
    _lastScale = scale;
    _scaledDirty = false;
  }
  if (!_scaled.CopyTo(_visible))
    return OutOfMemoryError("The visible picture could not be copied.");
  DrawMarkers(_visible, shown, scale);
  const std::int32_t w = shown.x2 - shown.x1 + 1, h = shown.y2 - shown.y1 + 1;
  DrawBitmap(_visible, shown.x1, shown.y1, w, h, 0, 0, w * scale, h * scale,
             IsEnabled() ? GXA_BMP_NORMAL : GXA_BMP_DISABLED);
  return Ok();
}

void ColorImageArea::DrawMarkers(BaseBitmap& target, const PictureScaler::Rect& shown, std::int32_t scale)
{
  const auto& entries = _samples.Entries();
  for (int pass = 0; pass < 2; ++pass)
  {
    // Unselected markers first, so that the selected ones lie on top.
    for (const ColorListEntry& sample : entries)
    {
      if (sample.selected != (pass == 1) || !PictureSamples::IsPlaced(sample))
        continue;
      const Vector at = MarkerCentre(sample);
      // Stamps take the centre in pixel-index coordinates.
      const Vector centre((at.x - shown.x1) * scale - 0.5, (at.y - shown.y1) * scale - 0.5, 0.0);
      if (sample.selected)
      {
        _selectedRing.SetColor(255, 255, 255);
        _selectedRing.SetOpacity(1.0);
        _selectedRing.Draw(target, centre);
      }
      _outline.Draw(target, centre);
      _marker.SetColor(sample.color);
      _marker.Draw(target, centre);
    }
  }
}

bool ColorImageArea::LocalMouse(const BaseContainer& msg, std::int32_t& x, std::int32_t& y, const char* operation)
{
  x = msg.GetInt32(GXA_INPUT_X);
  y = msg.GetInt32(GXA_INPUT_Y);
  if (Global2Local(x, y))
    return true;
  ReportError(operation, "Global2Local() failed.");
  return false;
}

bool ColorImageArea::InputEvent(const BaseContainer& msg)
{
  if (!HasPicture())
    return false;
  bool handled = false;
  const std::int32_t channel = msg.GetInt32(GXA_INPUT_CHANNEL);
  if (msg.GetInt32(GXA_INPUT_DEVICE) == GXA_DEVICE_KEYBOARD)
  {
    if (channel != kKeyBackspace && channel != kKeyDelete)
      return false;
    if (_samples.DeleteSelected())
    {
      SamplesChanged();
      _samples.Store(_chooser.GetState());
      ReportCurrent(false);
    }
    handled = true;
  }
  else if (channel == GXA_CHANNEL_WHEEL)
  {
    handled = HandleWheel(msg);
  }
  else
  {
    const bool alt = (msg.GetInt32(GXA_INPUT_QUALIFIER) & GXA_QUALIFIER_ALT) != 0;
    std::int32_t x = 0, y = 0;
    if (!LocalMouse(msg, x, y, "ColorImageArea::InputEvent()"))
      return true;
    if (alt && channel == GXA_CHANNEL_MIDDLE)
      Pan(channel, x, y);
    else if (alt && channel == GXA_CHANNEL_RIGHT)
      ZoomDrag(channel, x, y);
    else if (channel == GXA_CHANNEL_LEFT && IsHotkeyDown(kHotkeyPan))
      Pan(channel, x, y);
    else if (channel == GXA_CHANNEL_LEFT && IsHotkeyDown(kHotkeyZoom))
      ZoomDrag(channel, x, y);
    else if (channel == GXA_CHANNEL_LEFT)
      HandleLeft(msg);
    else
      return false;
    handled = true;
  }
  if (handled)
  {
    BaseContainer after(kAfterInput);
    SendParentMessage(after);
  }
  return handled;
}

bool ColorImageArea::HandleLeft(const BaseContainer& msg)
{
  std::int32_t x = 0, y = 0;
  if (!LocalMouse(msg, x, y, "ColorImageArea::MouseDown()"))
    return true;
  const std::int64_t under = SampleUnder(x, y);
  // The first click of a double click on the picture brought the current
  // sample here: the pair is still a double click outside any sample.
  const std::int64_t movedHere = _movedByPress;
  _movedByPress = -1;
  if (msg.GetInt32(GXA_INPUT_QUALIFIER) & GXA_QUALIFIER_CTRL)
  {
    if (under >= 0)
    {
      _samples.ToggleSelection(static_cast<std::size_t>(under));
      SamplesChanged();
      return true;
    }
    return HandleCtrlClick(x, y);
  }
  if ((under < 0 || under == movedHere) && msg.GetBool(GXA_INPUT_DOUBLECLICK, false))
  {
    HandleDoubleClick(x, y);
    return true;
  }
  std::size_t index = static_cast<std::size_t>(std::max<std::int64_t>(under, 0));
  if (under < 0)
  {
    // A press on the picture itself moves the current sample there.
    index = static_cast<std::size_t>(std::max<std::int64_t>(_samples.Current(), 0));
    _movedByPress = static_cast<std::int64_t>(index);
    if (_samples.Entries().empty())
      _samples.Reset(0, 0);
    std::int64_t px = 0, py = 0;
    _view.PixelAt(x, y, px, py);
    _samples.Entries()[index].link1 = px;
    _samples.Entries()[index].link2 = py;
  }
  _samples.SelectOnly(index);
  DragSample(index, x, y);
  return true;
}

bool ColorImageArea::HandleCtrlClick(std::int32_t x, std::int32_t y)
{
  std::int64_t px = 0, py = 0;
  _view.PixelAt(x, y, px, py);
  if (!_samples.Add(px, py))
    return true;
  const Result<Vector> colour = SampleAt(px, py);
  if (colour.IsError())
  {
    ReportError("ColorImageArea::HandleMouseClickWithCtrl()", colour.GetError());
    return true;
  }
  _samples.Entries().back().color = colour.GetValue();
  SamplesChanged();
  _samples.Store(_chooser.GetState());
  ReportCurrent(false);
  return true;
}

void ColorImageArea::HandleDoubleClick(std::int32_t x, std::int32_t y)
{
  if (_view.GetZoom() != 1.0)
  {
    ZoomAround(1.0, x, y);
    return;
  }
  PictureScaler::Rect view;
  if (!GetVisible(view))
    return;
  ZoomAround(_view.FitZoom(view.x2 - view.x1 + 1, view.y2 - view.y1 + 1), x, y);
}

void ColorImageArea::DragSample(std::size_t index, std::int32_t x, std::int32_t y)
{
  ColorListEntry& sample = _samples.Entries()[index];
  // The grab point stays where it is on the marker while the sample moves.
  const Vector grab = _view.ToPicture(x, y);
  const double offsetX = sample.link1 + 0.5 - grab.x, offsetY = sample.link2 + 0.5 - grab.y;
  auto follow = [&](double ax, double ay) {
    const Vector p = _view.ToPicture(ax, ay);
    sample.link1 =
        std::clamp<std::int64_t>(static_cast<std::int64_t>(std::floor(p.x + offsetX)), 0, _view.GetPictureWidth() - 1);
    sample.link2 =
        std::clamp<std::int64_t>(static_cast<std::int64_t>(std::floor(p.y + offsetY)), 0, _view.GetPictureHeight() - 1);
    const Result<Vector> colour = SampleAt(sample.link1, sample.link2);
    if (colour.IsOk())
      sample.color = colour.GetValue();
    SamplesChanged();
    ReportCurrent(true);
  };
  follow(x, y);
  double dx = 0.0, dy = 0.0, mx = x, my = y;
  BaseContainer channels;
  MouseDragStart(GXA_CHANNEL_LEFT, x, y);
  while (MouseDrag(dx, dy, channels) == GXA_MOUSEDRAG_CONTINUE)
  {
    if (dx == 0.0 && dy == 0.0)
      continue;
    mx += dx;
    my += dy;
    PictureScaler::Rect view;
    if (GetVisible(view) && (mx < view.x1 || my < view.y1 || mx > view.x2 || my > view.y2))
    {
      // Outside the view the view follows the sample.
      const std::int32_t sx = mx < view.x1 ? static_cast<std::int32_t>(mx) - view.x1
                                           : (mx > view.x2 ? static_cast<std::int32_t>(mx) - view.x2 : 0);
      const std::int32_t sy = my < view.y1 ? static_cast<std::int32_t>(my) - view.y1
                                           : (my > view.y2 ? static_cast<std::int32_t>(my) - view.y2 : 0);
      ScrollTo(view.x1 + sx, view.y1 + sy);
    }
    follow(mx, my);
  }
  MouseDragEnd();
  _samples.Store(_chooser.GetState());
  ReportCurrent(false);
}

bool ColorImageArea::HandleWheel(const BaseContainer& msg)
{
  const double notches = msg.GetFloat(GXA_INPUT_WHEEL_Y);
  if (notches == 0.0)
    return false;
  const bool up = notches > 0.0;
  const std::int32_t qualifier = msg.GetInt32(GXA_INPUT_QUALIFIER);
  if (qualifier & (GXA_QUALIFIER_ALT | kQualifierHeight))
  {
    BaseContainer& state = _chooser.GetState();
    const std::int32_t height = std::clamp(state.GetInt32(kAreaHeight, 200) + (up ? -kAreaHeightStep : kAreaHeightStep),
                                           kMinAreaHeight, kMaxAreaHeight);
    state.SetInt32(kAreaHeight, height);
    _chooser.RebuildLayout();
    return true;
  }
  std::int32_t x = 0, y = 0;
  if (!LocalMouse(msg, x, y, "ColorImageArea::InputEvent()"))
    return true;
  double ax = x, ay = y;
  const std::int64_t under = SampleUnder(x, y);
  if (under >= 0)
  {
    const Vector at = MarkerCentre(_samples.Entries()[static_cast<std::size_t>(under)]);
    ax = at.x;
    ay = at.y;
  }
  ZoomAround(_view.GetZoom() * (up ? kWheelZoomIn : kWheelZoomOut), ax, ay);
  return true;
}

void ColorImageArea::Pan(std::int32_t channel, std::int32_t x, std::int32_t y)
{
  PictureScaler::Rect start;
  if (!GetVisible(start))
    return;
  double dx = 0.0, dy = 0.0, sumX = 0.0, sumY = 0.0;
  BaseContainer channels;
  MouseDragStart(channel, x, y);
  while (MouseDrag(dx, dy, channels) == GXA_MOUSEDRAG_CONTINUE)
  {
    sumX += dx;
    sumY += dy;
    ScrollTo(start.x1 - static_cast<std::int32_t>(std::lround(sumX)),
             start.y1 - static_cast<std::int32_t>(std::lround(sumY)));
  }
  MouseDragEnd();
}

void ColorImageArea::ZoomDrag(std::int32_t channel, std::int32_t x, std::int32_t y)
{
  const double before = _view.GetZoom();
  PictureScaler::Rect view;
  if (!GetVisible(view))
    return;
  // The point under the press stays put, seen from the view's corner.
  const double offX = x - view.x1, offY = y - view.y1;
  const Vector anchor = _view.ToPicture(x, y);
  double dx = 0.0, dy = 0.0, sum = 0.0;
  BaseContainer channels;
  MouseDragStart(channel, x, y);
  std::int32_t answer = GXA_MOUSEDRAG_CONTINUE;
  while ((answer = MouseDrag(dx, dy, channels)) == GXA_MOUSEDRAG_CONTINUE)
  {
    sum += dx;
    double zoom = _view.GetZoom();
    for (; sum <= -1.0; sum += 1.0)
      zoom *= kDragZoomIn;
    for (; sum >= 1.0; sum -= 1.0)
      zoom *= kDragZoomOut;
    if (!_view.SetZoom(zoom))
      continue;
    LayoutChanged();
    const Vector at = _view.ToArea(anchor.x, anchor.y);
    ScrollTo(static_cast<std::int32_t>(at.x - offX), static_cast<std::int32_t>(at.y - offY));
    _scaledDirty = true;
    Redraw();
  }
  MouseDragEnd();
  if (answer == GXA_MOUSEDRAG_ESCAPE && _view.SetZoom(before))
  {
    LayoutChanged();
    ScrollTo(view.x1, view.y1);
    _scaledDirty = true;
    Redraw();
  }
}

void ColorImageArea::ZoomAround(double zoom, double ax, double ay)
{
  PictureScaler::Rect view;
  const bool known = GetVisible(view);
  const Vector anchor = _view.ToPicture(ax, ay);
  if (!_view.SetZoom(zoom))
    return;
  LayoutChanged();
  if (known)
  {
    const Vector at = _view.ToArea(anchor.x, anchor.y);
    ScrollTo(static_cast<std::int32_t>(std::lround(at.x - (ax - view.x1))),
             static_cast<std::int32_t>(std::lround(at.y - (ay - view.y1))));
  }
  _scaledDirty = true;
  Redraw();
}

void ColorImageArea::ScrollTo(std::int32_t x, std::int32_t y)
{
  PictureScaler::Rect view;
  if (!GetVisible(view))
    return;
  const std::int32_t w = view.x2 - view.x1, h = view.y2 - view.y1;
  x = std::clamp(x, 0, std::max(0, GetWidth() - 1 - w));
  y = std::clamp(y, 0, std::max(0, GetHeight() - 1 - h));
  _chooser.SetVisibleArea(kScrollGroup, x, y, x + w, y + h);
  Redraw();
}

void ColorImageArea::ScrollToSample(std::size_t index)
{
  if (index >= _samples.Count() || !PictureSamples::IsPlaced(_samples.Entries()[index]))
    return;
  PictureScaler::Rect view;
  if (!GetVisible(view))
    return;
  const Vector at = MarkerCentre(_samples.Entries()[index]);
  ScrollTo(static_cast<std::int32_t>(at.x) - (view.x2 - view.x1) / 2,
           static_cast<std::int32_t>(at.y) - (view.y2 - view.y1) / 2);
}

Result<bool> ColorImageArea::AddSampleInView()
{
  PictureScaler::Rect view;
  if (!GetVisible(view))
    view = PictureScaler::Rect{0, 0, GetWidth() - 1, GetHeight() - 1};
  std::int64_t px = 0, py = 0;
  _view.PixelAt((view.x1 + view.x2) / 2.0, (view.y1 + view.y2) / 2.0, px, py);
  if (!_samples.Add(px, py))
    return false;
  ASSIGN_OR_RETURN(_samples.Entries().back().color, SampleAt(px, py));
  SamplesChanged();
  return true;
}

void ColorImageArea::SamplesChanged()
{
  Redraw();
  if (_samplesChanged)
    _samplesChanged();
}

void ColorImageArea::ReportCurrent(bool dragging)
{
  const std::int64_t current = _samples.Current();
  if (current < 0)
    return;
  BaseContainer msg(GXA_MSG_ACTION);
  msg.SetInt32(GXA_MSG_ID, GetId());
  msg.SetVector(GXA_MSG_VALUE, _samples.Entries()[static_cast<std::size_t>(current)].color);
  msg.SetInt32(GXA_MSG_DRAG, dragging ? 1 : 0);
  SendParentMessage(msg);
}

String ColorImageArea::Tooltip(std::int32_t x, std::int32_t y)
{
  std::int64_t px = 0, py = 0;
  _view.PixelAt(x, y, px, py);
  std::string text;
  if (!_mosaicOn || _mosaic.GetTileSize(_level) < 2)
    text = "<b>X</b>: " + std::to_string(px) + " <b>Y</b>: " + std::to_string(py) + " ";
  Vector colour = SampleAt(px, py).ValueOr(Vector());
  // The colour as the screen shows it, as everywhere else in the chooser.
  ColorDisplayConversion conversion;
  bool ready = false;
  PrepareDisplayConversion(conversion, _chooser.GetProfileMode(), ready);
  ConvertForDisplay(conversion, ready, colour);
  return text + ColorTooltipLine(ModuleResource::LoadString(kStringColor), ColorToRgbText(colour)).GetStd();
}

std::int32_t ColorImageArea::Message(const BaseContainer& msg, BaseContainer& result)
{
  if (msg.GetId() != GXA_MSG_CURSOR_INFO || !HasPicture())
    return GeUserArea::Message(msg, result);
  std::int32_t x = msg.GetInt32(GXA_INPUT_X), y = msg.GetInt32(GXA_INPUT_Y);
  Global2Local(x, y);
  std::int32_t cursor = GXA_CURSOR_CROSS;
  BaseContainer state;
  const bool ctrl =
      GetInputState(GXA_DEVICE_KEYBOARD, 0, state) && (state.GetInt32(GXA_INPUT_QUALIFIER) & GXA_QUALIFIER_CTRL) != 0;
  if (SampleUnder(x, y) >= 0)
    cursor = kCursorSample;
  else if (ctrl)
    cursor = _samples.IsFull() ? kCursorFull : kCursorAdd;
  result.SetInt32(GXA_RESULT_CURSOR, cursor);
  result.SetString(GXA_RESULT_TOOLTIP, Tooltip(x, y));
  return 1;
}
