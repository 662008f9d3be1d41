// Edits of the colour list: harmony changes, the toolbar's actions, the
// slider, keys and the colour that comes from the chooser.
#include <algorithm>
#include <cmath>

#include "colorwheel/colorwheelarea.h"
#include "colorwheel/colorwheeltoolbar.h"
#include "utils/chooserview.h"
#include "utils/colorconversions.h"

namespace
{
bool IsFreeOrMono(std::int32_t harmony)
{
  return harmony == ColorWheelHarmony::kFree || harmony == ColorWheelHarmony::kMono;
}

Result<void> CopyToBackup(void* argument)
{
  auto* area = static_cast<ColorWheelArea*>(argument);
  return area->BackUpList();
}
}  // namespace

Result<void> ColorWheelArea::BackUpList()
{
  return _backup.CopyFrom(_list);
}

Result<bool> ColorWheelArea::Command(std::int32_t id, const BaseContainer& msg)
{
  switch (id)
  {
    case ColorWheelHarmony::kFree:
    case ColorWheelHarmony::kMono:
    case ColorWheelHarmony::kComplementary:
    case ColorWheelHarmony::kAnalog:
    case ColorWheelHarmony::kSplit:
    case ColorWheelHarmony::kEqui:
    case ColorWheelHarmony::kTetrad: RETURN_IF_ERROR(SetHarmony(id, true)); break;
    case ColorWheelHarmony::kLock:
      _lock = !_lock;
      _toolbar.ShowLock(_lock);
      StoreOptions();
      return false;
    case kArea: return true;
    case kSlider:
    {
      const double value = msg.GetFloat(GXA_MSG_VALUE);
      if (std::signbit(value))
        RETURN_IF_ERROR(_list.CopyFrom(_backup));
      else
        SetFixedComponent(1.0 - value);
      // The same value is another lightness for each hue: the perceptual
      // wheel derives the partners again at the edited colour's.
      if (_wheel.IsPerceptual())
        RETURN_IF_ERROR(ComputeFromSelected());
      break;
    }
    case kStrip: RETURN_IF_ERROR(PullFromStrip()); break;
    case ColorWheelToolbar::kAdd: RETURN_IF_ERROR(AddColor()); break;
    case ColorWheelToolbar::kDelete: RETURN_IF_ERROR(DeleteSelected()); break;
    case ColorWheelToolbar::kReduce: RETURN_IF_ERROR(ReduceToOne()); break;
    default: return false;
  }
  if (!_list.GetSelectedEntry())
    return false;
  TakeIntoChooser();
  RedrawAll();
  if (msg.GetInt32(GXA_MSG_DRAG) == 0)
    StoreOptions();
  return true;
}

Result<void> ColorWheelArea::SetHarmony(std::int32_t harmony, bool recompute)
{
  _harmony = _harmonies.Get(harmony).GetHarmonyId();
  _toolbar.ShowHarmony(_harmony);
  _list.SetMaxCount(_harmony == ColorWheelHarmony::kAnalog ? _harmonies.Analog().GetMaxCount() : kMaxColors);
  if (_harmony == ColorWheelHarmony::kFree)
    _colorCount = static_cast<std::int64_t>(_list.GetCount());
  RETURN_IF_ERROR(ApplyHarmonyCount());
  if (recompute)
    RETURN_IF_ERROR(ComputeFromSelected());
  return Ok();
}

Result<void> ColorWheelArea::ApplyHarmonyCount()
{
  const ColorWheelHarmony& rule = _harmonies.Get(_harmony);
  if (rule.IsVariableCount() && _list.GetCount() > 0)
  {
    const auto count = static_cast<std::size_t>(std::clamp<std::int64_t>(_colorCount, 1, _list.GetMaxCount()));
    const std::size_t old = _list.GetCount();
    RETURN_IF_ERROR(_list.SetCount(count));
    for (std::size_t i = old; i < count && rule.IsMono(); ++i)
    {
      _list[i].color = _list[0].color;
      _list[i].selected = false;
    }
  }
  if (rule.IsMono())
    _list.SelectOnly(_list.GetCount() > 0 ? 0 : -1);
  else
    KeepSelectionInList();
  return Ok();
}

void ColorWheelArea::KeepSelectionInList()
{
  const std::int64_t selected = _list.GetSelectedIndex();
  if (selected < 0 || selected >= static_cast<std::int64_t>(_list.GetCount()))
    _list.SelectOnly(_list.GetCount() > 0 ? 0 : -1);
}

Result<void> ColorWheelArea::ComputeFromSelected()
{
  const ColorListEntry* edited = _list.GetSelectedEntry();
  if (!edited)
    return Ok();
  const Vector hsv = edited->color;
  RETURN_IF_ERROR(_harmonies.Get(_harmony).Compute(hsv, _list));
  // A rule of fixed size may have cut the edited colour off: only the final
  // list says which index is out of range.
  KeepSelectionInList();
  return Ok();
}

Result<void> ColorWheelArea::AddColor()
{
  const std::size_t old = _list.GetCount();
  if (static_cast<std::int64_t>(old) >= _list.GetMaxCount() || old == 0)
    return Ok();
  ColorListEntry added;
  added.color = _harmony == ColorWheelHarmony::kMono ? _list[0].color : _list[old - 1].color;
  RETURN_IF_ERROR(_list.Entries().Append(added));
  _list.SetLayoutChanged();
  if (_harmony == ColorWheelHarmony::kFree)
    RETURN_IF_ERROR(_harmonies.Free().PlaceAppended(_list, old));
  else if (_harmony != ColorWheelHarmony::kMono)
    RETURN_IF_ERROR(ComputeFromSelected());
  _colorCount = static_cast<std::int64_t>(_list.GetCount());
  SelectLast();
  return Ok();
}

Result<void> ColorWheelArea::DeleteSelected()
{
  const std::size_t count = _list.GetCount();
  if (count < 2)
    return Ok();
  if (IsFreeOrMono(_harmony))
  {
    // Every colour selected: the main one stays.
    const bool keepMain = _list.CountSelected() == count;
    for (std::size_t i = count; i-- > (keepMain ? 1 : 0);)
    {
      if (!_list[i].selected)
        continue;
      if (_harmony == ColorWheelHarmony::kMono)
        _harmonies.Mono().EraseFactor(i);
      RETURN_IF_ERROR(_list.Entries().Erase(i));
    }
    if (_list.GetCount() == 0)
      RETURN_IF_ERROR(_list.SetCount(1));
  }
  else
  {
    RETURN_IF_ERROR(_list.Entries().Erase(count - 1));
    if (_list.GetSelectedIndex() >= static_cast<std::int64_t>(_list.GetCount()))
      _list.SetSelectedIndex(0);
    RETURN_IF_ERROR(ComputeFromSelected());
  }
  _list.SetLayoutChanged();
  _colorCount = static_cast<std::int64_t>(_list.GetCount());
  SelectLast();
  return Ok();
}

Result<void> ColorWheelArea::DeleteByKey()
{
  // The keys do what the remove button does, and the chooser hears of it.
  RETURN_IF_ERROR(DeleteSelected());
  RedrawAll();
  Report(false);
  StoreOptions();
  return Ok();
}

Result<void> ColorWheelArea::ReduceToOne()
{
  if (_list.GetCount() == 0)
    return Ok();
  RETURN_IF_ERROR(_list.SetCount(1));
  _list.SelectOnly(0);
  _colorCount = 1;
  return ComputeFromSelected();
}

void ColorWheelArea::SelectLast()
{
  _list.SelectOnly(static_cast<std::int64_t>(_list.GetCount()) - 1);
}

void ColorWheelArea::SetFixedComponent(double fixed)
{
  fixed = std::clamp(fixed, 0.0, 1.0);
  for (ColorListEntry& entry : _list.Entries())
    (_wheel.IsRadiusSaturation() ? entry.color.z : entry.color.y) = fixed;
  _wheel.SetFixedComponent(fixed);
}

Result<void> ColorWheelArea::SetColorFromChooser(const Vector& hsv)
{
  if (!_updateAllowed)
  {
    _updateAllowed = true;
    return Ok();
  }
  if (_list.GetCount() == 0)
  {
    RETURN_IF_ERROR(_list.SetCount(1));
    _list.SetSelectedIndex(0);
  }
  ColorListEntry* edited = _list.GetSelectedEntry();
  if (!edited)
  {
    _list.SetSelectedIndex(0);
    edited = _list.GetSelectedEntry();
  }
  const Vector previous = edited->color;
  _list.SelectOnly(_list.GetSelectedIndex());
  _wheel.SetFixedComponent(_wheel.GetFixedComponent(hsv.y, hsv.z));
  RETURN_IF_ERROR(_harmonies.Get(_harmony).Compute(hsv, _list));
  if (_lock && IsFreeOrMono(_harmony))
    FollowLock(previous, hsv);
  RedrawAll();
  return Ok();
}

void ColorWheelArea::FollowLock(const Vector& previous, const Vector& hsv)
{
  const Vector change = hsv - previous;
  const bool mono = _harmony == ColorWheelHarmony::kMono;
  const bool radiusIsSaturation = _wheel.IsRadiusSaturation();
  for (std::size_t i = 0; i < _list.GetCount(); ++i)
  {
    if (static_cast<std::int64_t>(i) == _list.GetSelectedIndex())
      continue;
    Vector& c = _list[i].color;
    if (mono)
    {
      double& radial = radiusIsSaturation ? c.y : c.z;
      radial = std::clamp(radial + (radiusIsSaturation ? change.y : change.z), 0.0, 1.0);
      continue;
    }
    c.x = ColorWheelHarmonyLock::WrapHue(c.x + change.x);
    c.y = std::clamp(c.y + change.y, 0.0, 1.0);
    c.z = std::clamp(c.z + change.z, 0.0, 1.0);
  }
}

void ColorWheelArea::UpdateSlider()
{
  const ColorListEntry* edited = _list.GetSelectedEntry();
  const Vector hsv = edited ? edited->color : _chooser.GetHSV();
  Vector top = hsv, bottom = hsv;
  const bool radiusIsSaturation = _wheel.IsRadiusSaturation();
  (radiusIsSaturation ? top.z : top.y) = 1.0;
  (radiusIsSaturation ? bottom.z : bottom.y) = 0.0;
  const bool linear = _chooser.IsLinearActive();
  const bool freeOrMono = IsFreeOrMono(_harmony);
  if (freeOrMono)
    _slider.SetDragStartCallback(&CopyToBackup, this);
  else
    _slider.SetDragStartCallback(nullptr, nullptr);
  // One knob cannot stand for selected colours that differ.
  _slider.SetHandleHidden(freeOrMono && SelectedFixedComponentsDiffer());
  _slider.SetEndColors(1.0 - _wheel.GetFixedComponent(hsv.y, hsv.z), HsvToRgb(top), linear, HsvToRgb(bottom), linear);
}

bool ColorWheelArea::SelectedFixedComponentsDiffer() const
{
  const ColorListEntry* first = nullptr;
  for (const ColorListEntry& entry : _list.Entries())
  {
    if (!entry.selected)
      continue;
    if (!first)
      first = &entry;
    else if (_wheel.GetFixedComponent(entry.color.y, entry.color.z) !=
             _wheel.GetFixedComponent(first->color.y, first->color.z))
      return true;
  }
  return false;
}

void ColorWheelArea::PushToStrip()
{
  ColorStripList& shown = _strip.GetList();
  if (shown.GetEntries().CopyFrom(_list.Entries()).IsError())
    return;
  shown.SetAnchor(static_cast<std::int32_t>(_list.GetSelectedIndex()));
  _strip.SetMaxCount(static_cast<std::int32_t>(_list.GetMaxCount()));
  _strip.SetMono(_harmony == ColorWheelHarmony::kMono);
  _strip.SetRemoveSelectedText(IsFreeOrMono(_harmony));
  _strip.SetProfileMode(_chooser.GetProfileMode());
  _strip.ColorsChanged();
}

Result<void> ColorWheelArea::PullFromStrip()
{
  const ColorStripList& shown = _strip.GetList();
  RETURN_IF_ERROR(_list.Entries().CopyFrom(shown.GetEntries()));
  const std::int64_t count = static_cast<std::int64_t>(_list.GetCount());
  std::int64_t edited = shown.GetAnchor();
  if (edited < 0 || edited >= count || !_list[static_cast<std::size_t>(edited)].selected)
  {
    edited = 0;
    while (edited < count && !_list[static_cast<std::size_t>(edited)].selected)
      ++edited;
    edited = edited < count ? edited : 0;
  }
  _list.SetSelectedIndex(edited);
  _colorCount = std::max<std::int64_t>(count, 1);
  if (const ColorListEntry* entry = _list.GetSelectedEntry())
    _wheel.SetFixedComponent(_wheel.GetFixedComponent(entry->color.y, entry->color.z));
  return Ok();
}

void ColorWheelArea::TakeIntoChooser()
{
  const ColorListEntry* edited = _list.GetSelectedEntry();
  if (!edited)
    return;
  _chooser.SetHSV(edited->color.Clamp01());
  _chooser.SetRebuildPending(false);
  _updateAllowed = false;
}

void ColorWheelArea::Report(bool dragging)
{
  const ColorListEntry* edited = _list.GetSelectedEntry();
  if (!edited)
    return;
  TakeIntoChooser();
  BaseContainer msg(GXA_MSG_ACTION);
  msg.SetInt32(GXA_MSG_ID, kArea);
  msg.SetInt32(GXA_MSG_DRAG, dragging ? 1 : 0);
  msg.SetVector(GXA_MSG_VALUE, edited->color);
  SendParentMessage(msg);
}
