#include "utils/dragcolors.h"

#include <cstdlib>

#include "basecontainer.h"
#include "gxa_api.h"
#include "hostservices.h"

namespace
{
// How far a press may wander and still count as a click.
constexpr std::int32_t kClickSlop = 2;

Result<BaseArray<ColorWithAlpha>> FromVector(const GeData& data, double alphaWithout)
{
  Vector color;
  if (!data.GetVector(color))
    return IllegalArgumentError("a dragged colour (type 203) must be a vector");
  BaseArray<ColorWithAlpha> colors;
  RETURN_IF_ERROR(colors.Append({color, alphaWithout}));
  return colors;
}

// Entries 0..n-1 of a container, each read by read(value, out).
template <typename Read>
Result<BaseArray<ColorWithAlpha>> FromList(const GeData& data, std::int32_t dragType, Read&& read)
{
  const GxaContainer* list = data.GetContainerPointer();
  if (!list)
    return IllegalArgumentError(String::Format("dragged colours (type @) must be a container", dragType).GetStd());
  const BaseContainer entries = BaseContainer::Alias(const_cast<GxaContainer*>(list));
  BaseArray<ColorWithAlpha> colors;
  RETURN_IF_ERROR(colors.EnsureCapacity(static_cast<std::size_t>(entries.GetCount())));
  for (std::int32_t i = 0; i < entries.GetCount(); ++i)
  {
    ColorWithAlpha color;
    const GxaData* value = entries.GetDataPointer(i);
    if (!value || !read(GeData::CopyOf(value), color))
      return IllegalArgumentError(
          String::Format("dragged colours (type @) hold no colour at entry @", dragType, i).GetStd());
    RETURN_IF_ERROR(colors.Append(color));
  }
  return colors;
}
}  // namespace

Result<BaseArray<ColorWithAlpha>> DragColors::FromDrag(std::int32_t dragType, const GeData& data, double alphaWithout)
{
  switch (dragType)
  {
    case GXA_DRAGTYPE_COLOR: return FromVector(data, alphaWithout);
    case GXA_DRAGTYPE_COLORS:
      return FromList(data, dragType, [alphaWithout](const GeData& value, ColorWithAlpha& out) {
        out.alpha = alphaWithout;
        return value.GetVector(out.color);
      });
    case GXA_DRAGTYPE_SWATCHES:
      return FromList(data, dragType, [](const GeData& value, ColorWithAlpha& out) {
        return value.GetColorAlpha(out.color, out.alpha);
      });
    default: return BaseArray<ColorWithAlpha>();
  }
}

Result<BaseArray<ColorWithAlpha>> DragColors::FromDragMessage(const BaseContainer& msg, double alphaWithout)
{
  return FromDrag(msg.GetInt32(GXA_DRAG_ENTRY_TYPE), msg.GetData(GXA_DRAG_ENTRY_OBJECT), alphaWithout);
}

Result<GeData> DragColors::OneColor(const Vector& color)
{
  GeData data(color);
  if (!data.IsValid())
    return OutOfMemoryError("dragged colour");
  return data;
}

Result<GeData> DragColors::Swatches(const ColorWithAlpha* colors, std::size_t count)
{
  BaseContainer list;
  if (!list.IsValid())
    return OutOfMemoryError("dragged colours");
  for (std::size_t i = 0; i < count; ++i)
    list.SetData(static_cast<std::int32_t>(i), GeData(colors[i].color, colors[i].alpha));
  if (list.GetCount() != static_cast<std::int32_t>(count))
    return OutOfMemoryError("dragged colours");
  GeData data(list);
  if (!data.IsValid())
    return OutOfMemoryError("dragged colours");
  return data;
}

Result<GeData> DragColors::StripColors(const Vector* colors, std::size_t count)
{
  BaseContainer list;
  if (!list.IsValid())
    return OutOfMemoryError("dragged colours");
  for (std::size_t i = 0; i < count; ++i)
    list.SetVector(static_cast<std::int32_t>(i), colors[i]);
  if (list.GetCount() != static_cast<std::int32_t>(count))
    return OutOfMemoryError("dragged colours");
  GeData data(list);
  if (!data.IsValid())
    return OutOfMemoryError("dragged colours");
  return data;
}

bool DragColors::PressMoved(std::int32_t pressX, std::int32_t pressY)
{
  // The host answers false for a drag that was cancelled or dropped where
  // nobody took it, too; only a press released where it began is a click.
  BaseContainer mouse;
  if (!GetInputState(GXA_DEVICE_MOUSE, GXA_CHANNEL_LEFT, mouse))
    return false;
  if (mouse.GetBool(GXA_INPUT_VALUE))
    return true;
  const std::int32_t dx = mouse.GetInt32(GXA_INPUT_X, pressX) - pressX;
  const std::int32_t dy = mouse.GetInt32(GXA_INPUT_Y, pressY) - pressY;
  return std::abs(dx) + std::abs(dy) > kClickSlop;
}
