#include "swatches/swatchpresetpopup.h"

#include <algorithm>

#include "gedata.h"
#include "gxa_api.h"
#include "hostservices.h"
#include "presetbrowser.h"
#include "swatches/colorswatchpreset.h"
#include "swatches/swatchpresetstore.h"
#include "swatches/swatchthumbnail.h"

namespace
{
constexpr std::int32_t kFillFlags = 63;
constexpr std::int32_t kFieldFlags = 56;
constexpr std::int32_t kScrollFlags = 780;
constexpr std::int32_t kPixelShift = 14;
// The thumbnail's grey, as the preset browser's.
constexpr double kThumbnailGrey = 100.0 / 255.0;
}  // namespace

// ---------------------------------------------------------- thumbnail area

void SwatchPresetThumbnailArea::SetChosen(std::int32_t index)
{
  if (index == _chosen)
    return;
  _chosen = index;
  Redraw();
}

std::int32_t SwatchPresetThumbnailArea::Columns() const
{
  return std::max(1, (GetWidth() - kGap) / (kThumbnail + kGap));
}

bool SwatchPresetThumbnailArea::GetMinSize(std::int32_t& w, std::int32_t& h)
{
  const std::int32_t rows = (static_cast<std::int32_t>(_items.GetCount()) + Columns() - 1) / Columns();
  w = kThumbnail + 2 * kGap;
  h = kGap + std::max(1, rows) * (kThumbnail + DrawGetFontHeight() + 4 + kGap);
  return true;
}

std::int32_t SwatchPresetThumbnailArea::ItemAt(std::int32_t x, std::int32_t y) const
{
  const std::int32_t pitchX = kThumbnail + kGap, pitchY = kThumbnail + DrawGetFontHeight() + 4 + kGap;
  if (x < kGap || y < kGap)
    return -1;
  const std::int32_t column = (x - kGap) / pitchX, row = (y - kGap) / pitchY;
  if (column >= Columns() || (x - kGap) % pitchX >= kThumbnail)
    return -1;
  const std::int32_t index = row * Columns() + column;
  return index < static_cast<std::int32_t>(_items.GetCount()) ? index : -1;
}

void SwatchPresetThumbnailArea::DrawMsg(std::int32_t, std::int32_t, std::int32_t, std::int32_t, const BaseContainer&)
{
  OffScreenOn();
  DrawSetPen(GXA_COLOR_BACKGROUND);
  DrawRectangle(0, 0, GetWidth() - 1, GetHeight() - 1);
  const std::int32_t pitchX = kThumbnail + kGap, pitchY = kThumbnail + DrawGetFontHeight() + 4 + kGap;
  for (std::int32_t i = 0; i < static_cast<std::int32_t>(_items.GetCount()); ++i)
    DrawItem(i, kGap + i % Columns() * pitchX, kGap + i / Columns() * pitchY);
  OffScreenOff();
}

void SwatchPresetThumbnailArea::DrawItem(std::int32_t index, std::int32_t x, std::int32_t y)
{
  const Item& item = _items[static_cast<std::size_t>(index)];
  DrawSetPen(Vector(kThumbnailGrey));
  DrawRectangle(x, y, x + kThumbnail - 1, y + kThumbnail - 1);
  // The grid of the preset browser's thumbnail, at this size.
  const SwatchThumbnailGrid grid = SwatchThumbnailGrid::For(item.colors.GetCount());
  const std::int32_t pitch = kThumbnail / grid.side;
  for (std::int32_t i = 0; i < grid.cells; ++i)
  {
    const SwatchColor& c = item.colors[static_cast<std::size_t>(i)];
    const std::int32_t cx = x + i % grid.side * pitch, cy = y + i / grid.side * pitch;
    DrawSetPen(Vector(c.red, c.green, c.blue));
    DrawRectangle(cx, cy, cx + pitch - 1, cy + pitch - 1);
  }
  if (index == _chosen)
  {
    DrawSetPen(GXA_COLOR_SELECTION_FRAME);
    DrawRectangle(x - 3, y - 3, x + kThumbnail + 2, y - 2);
    DrawRectangle(x - 3, y + kThumbnail + 1, x + kThumbnail + 2, y + kThumbnail + 2);
    DrawRectangle(x - 3, y - 3, x - 2, y + kThumbnail + 2);
    DrawRectangle(x + kThumbnail + 1, y - 3, x + kThumbnail + 2, y + kThumbnail + 2);
  }
  Vector text;
  GetInterfaceColor(GXA_COLOR_TEXT, text);
  DrawSetTextColor(text);
  DrawText(item.name, x + kThumbnail / 2, y + kThumbnail + 2 + DrawGetFontHeight() / 2,
           GXA_TEXT_HCENTER | GXA_TEXT_VCENTER);
}

bool SwatchPresetThumbnailArea::InputEvent(const BaseContainer& msg)
{
  if (msg.GetInt32(GXA_INPUT_DEVICE) != GXA_DEVICE_MOUSE || msg.GetInt32(GXA_INPUT_CHANNEL) != GXA_CHANNEL_LEFT)
    return false;
  std::int32_t x = msg.GetInt32(GXA_INPUT_X), y = msg.GetInt32(GXA_INPUT_Y);
  if (!Global2Local(x, y))
    return true;
  const std::int32_t index = ItemAt(x, y);
  if (index < 0)
    return true;
  SetChosen(index);
  BaseContainer action(GXA_MSG_ACTION);
  action.SetInt32(GXA_MSG_ID, GetId());
  action.SetInt32(GXA_MSG_VALUE, index);
  action.SetBool(GXA_INPUT_DOUBLECLICK, msg.GetBool(GXA_INPUT_DOUBLECLICK));
  SendParentMessage(action);
  return true;
}

// ------------------------------------------------------------------- popup

Result<BaseArray<SwatchPresetThumbnailArea::Item>> SwatchPresetPopupDialog::ReadFolder(const String& folder)
{
  BaseArray<SwatchPresetThumbnailArea::Item> items;
  ASSIGN_OR_RETURN(const BaseArray<String> urls, presetbrowser::ListFolder(folder));
  for (const String& url : urls)
  {
    if (!swatchpresetstore::IsSwatchPreset(url))
      continue;
    SwatchPresetThumbnailArea::Item item;
    item.url = url;
    item.name = presetbrowser::ItemName(url).value_or(url);
    // A preset that cannot be read shows as an empty thumbnail.
    ColorSwatchPreset preset(url);
    if (preset.ReadStoredData().IsOk())
      if (Result<BaseContainer> collection = preset.ReadContainer(); collection.IsOk())
        if (Result<BaseArray<SwatchColor>> colors = CollectionColors(collection.GetValue()); colors.IsOk())
          item.colors = std::move(colors).GetValue();
    RETURN_IF_ERROR(items.Append(std::move(item)));
  }
  return items;
}

SwatchPresetPopupDialog::SwatchPresetPopupDialog(BaseArray<SwatchPresetThumbnailArea::Item> items)
    : _items(std::move(items)), _area(_items)
{}

String SwatchPresetPopupDialog::Ask(const String& title)
{
  _url = String();
  if (!Open(title, kSize, kSize))
    return String();
  return _url;
}

bool SwatchPresetPopupDialog::CreateLayout()
{
  bool ok = GroupBegin(0, kFillFlags, 1, 0);
  ok = GroupBorderSpace(6, 6, 6, 6) && ok;
  ok = GroupSpace(0, 6) && ok;
  ok = AddEditText(kNameField, kFieldFlags) && ok;
  ok = ScrollGroupBegin(kScroll, kFillFlags, kScrollFlags) && ok;
  ok = SetSizeHints(kScroll, 0, (kSize - 100) << kPixelShift) && ok;
  ok = AddUserArea(kThumbnails, kFillFlags) && ok;
  ok = AttachUserArea(_area, kThumbnails) && ok;
  ok = GroupEnd() && ok;
  ok = AddOkCancelButtons() && ok;
  return GroupEnd() && ok;
}

bool SwatchPresetPopupDialog::InitValues()
{
  return SetString(kNameField, String());
}

bool SwatchPresetPopupDialog::Command(std::int32_t id, const BaseContainer& msg)
{
  if (id != kThumbnails)
    return GeModalDialog::Command(id, msg);
  const std::int32_t index = msg.GetInt32(GXA_MSG_VALUE, -1);
  if (index < 0 || index >= static_cast<std::int32_t>(_items.GetCount()))
    return true;
  SetString(kNameField, _items[static_cast<std::size_t>(index)].name);
  if (msg.GetBool(GXA_INPUT_DOUBLECLICK) && Confirm())
    CloseWith(true);
  return true;
}

bool SwatchPresetPopupDialog::Confirm()
{
  String name;
  GetString(kNameField, name);
  for (const SwatchPresetThumbnailArea::Item& item : _items)
    if (item.name == name.Trimmed())
    {
      _url = item.url;
      return true;
    }
  // Nothing named: the thumbnail last clicked, if any.
  if (_area.GetChosen() >= 0)
    _url = _items[static_cast<std::size_t>(_area.GetChosen())].url;
  return true;
}
