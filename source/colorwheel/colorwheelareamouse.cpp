// The wheel's mouse rules: what a press hits, what it moves, and the drag.
#include <cmath>

#include "colorwheel/colorwheelarea.h"
#include "diagnostics.h"
#include "hostservices.h"
#include "utils/chooserview.h"

namespace
{
// A pen moves a little while it presses, a mouse does not.
constexpr double kThresholdPen = 6.0;
constexpr double kThresholdMouse = 2.0;

double DragThreshold()
{
  BaseContainer state;
  return GetInputState(GXA_DEVICE_MOUSE, GXA_CHANNEL_LEFT, state) ? kThresholdPen : kThresholdMouse;
}
}  // namespace

ColorWheelHarmony& ColorWheelArea::MoveRule(bool lineHit, bool groupMove)
{
  if (lineHit || _lock || groupMove)
    return _harmonies.Lock();
  return _harmonies.Get(_harmony);
}

Result<void> ColorWheelArea::MouseDown(const BaseContainer& msg)
{
  std::int32_t mx = msg.GetInt32(GXA_INPUT_X), my = msg.GetInt32(GXA_INPUT_Y);
  if (!Global2Local(mx, my))
  {
    ReportError("ColorWheelArea::MouseDown()", "Global2Local() failed.");
    return Ok();
  }
  const Vector p(mx, my, 0.0);
  const bool control = (msg.GetInt32(GXA_INPUT_QUALIFIER) & GXA_QUALIFIER_CTRL) != 0;
  const Hit hit = HitTest(p);
  if (hit.index < 0 && control)
    return AddColorAt(p);
  if (hit.index >= 0 && control)
  {
    ColorListEntry& entry = _list[static_cast<std::size_t>(hit.index)];
    entry.selected = !entry.selected;
    RedrawAll();
    StoreOptions();
    return Ok();
  }
  ColorList before;
  RETURN_IF_ERROR(before.CopyFrom(_list));
  std::size_t index = 0;
  bool groupMove = false;
  if (hit.index < 0)
  {
    if (_list.GetCount() == 0)
      return Ok();
    while (index < _list.GetCount() && !_list[index].selected)
      ++index;
    if (index == _list.GetCount())
      index = 0;
    _list[index].selected = true;
  }
  else
  {
    index = static_cast<std::size_t>(hit.index);
    if (!_list[index].selected)
      _list.SelectOnly(hit.index);
    else
      groupMove = _list.CountSelected() > 1;
  }
  _list.SetSelectedIndex(static_cast<std::int64_t>(index));
  ColorWheelHarmony& rule = MoveRule(hit.line, groupMove);
  const bool all = _lock || _harmony != ColorWheelHarmony::kFree;
  Grab grab{p, p};
  if (hit.index < 0)
  {
    RETURN_IF_ERROR(rule.MoveHandle(index, p, all, _list));
    const Vector& moved = _list[index].color;
    _wheel.SetFixedComponent(_wheel.GetFixedComponent(moved.y, moved.z));
    RedrawAll();
    Report(true);
  }
  else if (!hit.line)
  {
    const Vector& c = _list[index].color;
    grab.handle = _wheel.HsvToPoint(c.x, c.y, c.z);
  }
  const Result<bool> dragged = Drag(index, grab, rule, all, hit.index < 0);
  _activeHandle = -1;
  if (dragged.IsError())
    return dragged.GetError();
  if (!dragged.GetValue())
  {
    // Cancelled: everything as the press found it.
    RETURN_IF_ERROR(_list.CopyFrom(before));
  }
  RedrawAll();
  Report(false);
  StoreOptions();
  return Ok();
}

Result<bool> ColorWheelArea::Drag(std::size_t index, const Grab& grab, ColorWheelHarmony& rule, bool all, bool moved)
{
  _activeHandle = static_cast<std::int64_t>(index);
  const double threshold = DragThreshold();
  double sumX = 0.0, sumY = 0.0, dx = 0.0, dy = 0.0;
  BaseContainer channels;
  // The host counts the movement from where the mouse pressed; the handle
  // moves by as much from its own centre, however far beside it the grab.
  MouseDragStart(GXA_CHANNEL_LEFT, grab.press.x, grab.press.y);
  SetCursor(GXA_CURSOR_INVISIBLE);
  std::int32_t state = GXA_MOUSEDRAG_CONTINUE;
  Result<void> step = Ok();
  while ((state = MouseDrag(dx, dy, channels)) == GXA_MOUSEDRAG_CONTINUE)
  {
    if (dx == 0.0 && dy == 0.0)
      continue;
    sumX += dx;
    sumY += dy;
    if (!moved && std::fabs(sumX) < threshold && std::fabs(sumY) < threshold)
      continue;
    moved = true;
    step = rule.MoveHandle(index, Vector(grab.handle.x + sumX, grab.handle.y + sumY, 0.0), all, _list);
    if (step.IsError())
      break;
    RedrawAll();
    Report(true);
  }
  const std::int32_t ended = MouseDragEnd();
  SetCursor(GXA_CURSOR_ARROW);
  RETURN_IF_ERROR(step);
  if (state == GXA_MOUSEDRAG_ESCAPE || ended == GXA_MOUSEDRAG_ESCAPE)
    return false;
  // A click without movement picks the colour.
  if (!moved)
    _list.SelectOnly(static_cast<std::int64_t>(index));
  return true;
}

Result<void> ColorWheelArea::AddColorAt(const Vector& p)
{
  if (static_cast<std::int64_t>(_list.GetCount()) >= _list.GetMaxCount())
    return Ok();
  RETURN_IF_ERROR(_list.Entries().Append(ColorListEntry()));
  _list.SetLayoutChanged();
  if (_harmony != ColorWheelHarmony::kFree)
    RETURN_IF_ERROR(SetHarmony(ColorWheelHarmony::kFree, false));
  const std::size_t last = _list.GetCount() - 1;
  _list[last].color = _wheel.PointToHsv(p);
  _list.SelectOnly(static_cast<std::int64_t>(last));
  _colorCount = static_cast<std::int64_t>(_list.GetCount());
  RedrawAll();
  Report(false);
  StoreOptions();
  return Ok();
}
