#include "swatches/colorswatchespreviewarea.h"

#include <algorithm>
#include <new>
#include <vector>

#include "diagnostics.h"
#include "gedata.h"
#include "gedialog.h"
#include "gxa_api.h"
#include "hostservices.h"
#include "moduleresource.h"
#include "swatches/newswatchgroup.h"
#include "utils/buttonicons.h"
#include "utils/chooserview.h"
#include "utils/colorconversions.h"
#include "utils/colortooltip.h"
#include "utils/colorutils.h"
#include "utils/colorvisionmenu.h"
#include "utils/colorvisionview.h"
#include "utils/menutext.h"

namespace
{
// Context menu.
constexpr std::int32_t kMenuAdd = 900000;
constexpr std::int32_t kMenuRemove = 900001;
constexpr std::int32_t kMenuReduce = 900002;
constexpr std::int32_t kMenuAddAll = 900003;
constexpr std::int32_t kMenuAddSelected = 900004;
constexpr std::int32_t kMenuSmall = 900005;
constexpr std::int32_t kMenuMedium = 900006;
constexpr std::int32_t kMenuLarge = 900007;
constexpr std::int32_t kMenuSeparator = 0;
constexpr std::int32_t kStringAdd = 20043;
constexpr std::int32_t kStringRemoveLast = 20044;
constexpr std::int32_t kStringRemoveSelected = 20045;
constexpr std::int32_t kStringReduce = 20046;
constexpr std::int32_t kStringAddSelected = 20047;
constexpr std::int32_t kStringAddAll = 20048;
constexpr std::int32_t kStringSmall = 20059;
constexpr std::int32_t kStringMedium = 20060;
constexpr std::int32_t kStringLarge = 20061;
constexpr std::int32_t kAtMouse = 0x7fffffff;
constexpr std::int32_t kMenuFlags = 72;

// Stored entry fields.
constexpr std::int32_t kStoredLink1 = 0;
constexpr std::int32_t kStoredLink2 = 1;
constexpr std::int32_t kStoredColor = 2;
constexpr std::int32_t kStoredSelected = 3;

constexpr std::int32_t kDropBarWidth = 2;

}  // namespace

ColorSwatchesPreviewArea::ColorSwatchesPreviewArea(Content content) : _content(content) {}

ColorSwatchesPreviewArea::~ColorSwatchesPreviewArea() = default;

void ColorSwatchesPreviewArea::ColorsChanged()
{
  _layoutDirty = true;
  if (!Relayout())
    Redraw();
}

Result<void> ColorSwatchesPreviewArea::CopyFrom(const ColorSwatchesPreviewArea& other)
{
  RETURN_IF_ERROR(_list.CopyFrom(other._list));
  _maxCount = other._maxCount;
  return Ok();
}

void ColorSwatchesPreviewArea::SetCommands(std::int32_t addCommand, std::int32_t removeCommand)
{
  _addCommand = addCommand;
  _removeCommand = removeCommand;
}

void ColorSwatchesPreviewArea::SetCellSize(std::int32_t size)
{
  if (size == _cellSize)
    return;
  _cellSize = size;
  ColorsChanged();
}

Vector ColorSwatchesPreviewArea::GetRgb(std::int32_t index) const
{
  const ColorListEntry* entry = _list.GetEntries().GetPointer(static_cast<std::size_t>(index));
  if (!entry)
    return Vector();
  return _content == Content::Hsv ? HsvToRgb(entry->color) : entry->color;
}

ColorListEntry ColorSwatchesPreviewArea::EntryFromRgb(const Vector& rgb) const
{
  ColorListEntry entry;
  entry.color = _content == Content::Hsv ? RgbToHsv(rgb) : rgb;
  return entry;
}

void ColorSwatchesPreviewArea::Store(BaseContainer& state, std::int32_t listId) const
{
  BaseContainer list;
  std::int32_t i = 0;
  for (const ColorListEntry& entry : _list.GetEntries())
  {
    BaseContainer stored;
    stored.SetInt64(kStoredLink1, entry.link1);
    stored.SetInt64(kStoredLink2, entry.link2);
    stored.SetVector(kStoredColor, entry.color);
    stored.SetBool(kStoredSelected, entry.selected);
    list.SetContainer(i++, stored);
  }
  state.SetContainer(listId, list);
}

Result<void> ColorSwatchesPreviewArea::Read(const BaseContainer& state, std::int32_t listId)
{
  BaseArray<ColorListEntry>& entries = _list.GetEntries();
  entries.Flush();
  const BaseContainer list = state.GetContainer(listId);
  for (std::int32_t i = 0; list.IsValid() && list.Contains(i); ++i)
  {
    const BaseContainer stored = list.GetContainer(i);
    ColorListEntry entry;
    entry.link1 = stored.GetInt64(kStoredLink1, -1);
    entry.link2 = stored.GetInt64(kStoredLink2, -1);
    entry.color = stored.GetVector(kStoredColor);
    entry.selected = stored.GetBool(kStoredSelected);
    RETURN_IF_ERROR(entries.Append(entry));
  }
  ColorsChanged();
  return Ok();
}

// ------------------------------------------------------------------ layout

std::int32_t ColorSwatchesPreviewArea::GetColumns() const
{
  return ColorStripList::Columns(GetWidth(), _cellSize);
}

bool ColorSwatchesPreviewArea::GetMinSize(std::int32_t& w, std::int32_t& h)
{
  if (_layoutDirty)
  {
    // A stored count that differs for sure makes the next Sized relayout.
    _layoutDirty = false;
    _rows = -1;
  }
  w = 0;
  h = (_cellSize + 1) * ColorStripList::Rows(_list.GetCount(), GetColumns()) + 1;
  return true;
}

void ColorSwatchesPreviewArea::Sized(std::int32_t, std::int32_t)
{
  Relayout();
}

bool ColorSwatchesPreviewArea::Relayout()
{
  const std::int32_t rows = ColorStripList::Rows(_list.GetCount(), GetColumns());
  if (rows == _rows)
    return false;
  _rows = rows;
  if (_layoutGuard || !GetHandle())
    return false;
  _layoutGuard = true;
  BaseContainer msg(GXA_MSG_LAYOUT_CHANGED);
  msg.SetInt32(GXA_MSG_LAYOUT_CHANGED, 1);
  SendParentMessage(msg);
  _layoutGuard = false;
  return true;
}

void ColorSwatchesPreviewArea::CellOrigin(std::int32_t cell, std::int32_t& x, std::int32_t& y) const
{
  const std::int32_t columns = GetColumns(), pitch = _cellSize + 1;
  x = 1 + cell % columns * pitch;
  y = 1 + cell / columns * pitch;
}

// ----------------------------------------------------------------- drawing

void ColorSwatchesPreviewArea::DrawMsg(std::int32_t, std::int32_t, std::int32_t, std::int32_t, const BaseContainer& msg)
{
  if (IsFocusRedraw(msg))
    return;
  OffScreenOn();
  DrawSetPen(GXA_COLOR_BACKGROUND);
  DrawRectangle(0, 0, GetWidth() - 1, GetHeight() - 1);
  if (!_conversion)
    _conversion.reset(new (std::nothrow) ColorDisplayConversion);
  if (!_conversion)
  {
    ReportError("ColorSwatchesPreviewArea::DrawMsg()", OutOfMemoryError("display conversion"));
    OffScreenOff();
    return;
  }
  bool ready = false;
  PrepareDisplayConversion(*_conversion, _profileMode, ready);
  std::int32_t x = 0, y = 0;
  CellOrigin(ColorStripList::kHandleCell, x, y);
  DrawHandle(x, y);
  const ChooserView* chooser = Chooser();
  const ColorVisionView vision = chooser ? ColorVisionView::Of(chooser->GetState()) : ColorVisionView();
  std::vector<Vector> colors;
  for (std::int32_t i = 0; i < _list.GetCount(); ++i)
    colors.push_back(GetRgb(i));
  const std::vector<bool> lookAlike = vision.LookAlike(colors);
  for (std::int32_t i = 0; i < _list.GetCount(); ++i)
  {
    Vector color = vision.Show(colors[static_cast<std::size_t>(i)]);
    ConvertForDisplay(*_conversion, ready, color);
    CellOrigin(i + 1, x, y);
    DrawColorCell(x, y, color, _list.GetEntries()[i].selected, lookAlike[static_cast<std::size_t>(i)]);
  }
  DrawDropBar();
  OffScreenOff();
}

void ColorSwatchesPreviewArea::DrawHandle(std::int32_t x, std::int32_t y)
{
  IconData icon;
  if (GetIcon(kHandleIcon, icon))
    ButtonIcons::Draw(*this, icon, x, y, _cellSize, _cellSize, !IsEnabled());
}

void ColorSwatchesPreviewArea::DrawColorCell(std::int32_t x, std::int32_t y, const Vector& color, bool selected,
                                             bool lookAlike)
{
  const std::int32_t x2 = x + _cellSize - 1, y2 = y + _cellSize - 1;
  DrawSetPen(selected ? GXA_COLOR_SELECTION_FRAME : GXA_COLOR_OUTLINE);
  DrawRectangle(x, y, x2, y2);
  std::int32_t inset = 1;
  if (selected)
  {
    DrawSetPen(GXA_COLOR_FRAME_DARK);
    DrawRectangle(x + 1, y + 1, x2 - 1, y2 - 1);
    inset = 2;
  }
  DrawSetPen(color);
  DrawRectangle(x + inset, y + inset, x2 - inset, y2 - inset);
  if (lookAlike)
    ColorVisionView::DrawMark(*this, x + inset, y + inset, x2 - x - 2 * inset + 1, color);
}

ChooserView* ColorSwatchesPreviewArea::Chooser() const
{
  return dynamic_cast<ChooserView*>(GeDialog::FromHandle(GetDialog()));
}

void ColorSwatchesPreviewArea::DrawDropBar()
{
  if (_dropGap < 0)
    return;
  // The bar sits before the cell of the colour at the gap; after the last
  // colour of a row it sits at that cell's right edge.
  std::int32_t x = 0, y = 0;
  const std::int32_t cell = _dropGap + 1;
  if (cell % GetColumns() == 0 && cell > 0)
  {
    CellOrigin(cell - 1, x, y);
    x += _cellSize + 1;
  }
  else
  {
    CellOrigin(cell, x, y);
  }
  DrawSetPen(GXA_COLOR_SELECTION_FRAME);
  DrawRectangle(std::max(0, x - kDropBarWidth), y, std::max(0, x - 1), y + _cellSize - 1);
}

// ------------------------------------------------------------ mouse, keys

bool ColorSwatchesPreviewArea::InputEvent(const BaseContainer& msg)
{
  Result<void> handled = Ok();
  if (msg.GetInt32(GXA_INPUT_DEVICE) == GXA_DEVICE_KEYBOARD)
  {
    const std::int32_t key = msg.GetInt32(GXA_INPUT_CHANNEL);
    if ((key != GXA_KEY_BACKSPACE && key != GXA_KEY_DELETE) || _removeCommand == kNoCommand)
      return false;
    handled = SendCommand(_removeCommand);
  }
  else if (msg.GetInt32(GXA_INPUT_DEVICE) != GXA_DEVICE_MOUSE || !msg.GetBool(GXA_INPUT_VALUE, true))
  {
    return false;
  }
  else if (msg.GetInt32(GXA_INPUT_CHANNEL) == GXA_CHANNEL_LEFT)
  {
    handled = LeftPress(msg);
  }
  else if (msg.GetInt32(GXA_INPUT_CHANNEL) == GXA_CHANNEL_RIGHT)
  {
    handled = ShowMenu();
  }
  else
  {
    return false;
  }
  if (handled.IsError())
    ReportError("ColorSwatchesPreviewArea::InputEvent()", handled.GetError());
  return true;
}

Result<void> ColorSwatchesPreviewArea::LeftPress(const BaseContainer& msg)
{
  const std::int32_t pressX = msg.GetInt32(GXA_INPUT_X), pressY = msg.GetInt32(GXA_INPUT_Y);
  std::int32_t x = pressX, y = pressY;
  if (!Global2Local(x, y))
  {
    ReportError("ColorSwatchesPreviewArea::MouseDown()", "Global2Local() failed.");
    return Ok();
  }
  if (x < 0 || y < 0 || x >= GetWidth() || y >= GetHeight())
    return Ok();
  const std::int32_t cell = ColorStripList::CellAt(x - 1, y - 1, GetColumns(), _cellSize);
  if (cell == ColorStripList::kHandleCell)
    return PressHandle(pressX, pressY);
  if (cell < 1 || cell > _list.GetCount())
    return Ok();
  return PressColor(cell - 1, msg.GetInt32(GXA_INPUT_QUALIFIER), pressX, pressY);
}

Result<void> ColorSwatchesPreviewArea::PressHandle(std::int32_t pressX, std::int32_t pressY)
{
  ASSIGN_OR_RETURN(const bool dragged, OfferDrag(true, pressX, pressY));
  if (dragged)
    return Ok();
  return AddToSwatches(false);
}

Result<void> ColorSwatchesPreviewArea::PressColor(std::int32_t index, std::int32_t qualifiers, std::int32_t pressX,
                                                  std::int32_t pressY)
{
  ColorStripList before;
  RETURN_IF_ERROR(before.CopyFrom(_list));
  const ColorStripList::Press press = _list.PressColor(index, qualifiers);
  Redraw();
  _movedByDrop = false;
  ASSIGN_OR_RETURN(const bool dragged, OfferDrag(false, pressX, pressY));
  if (dragged)
  {
    // Only a drop on the strip itself keeps what the press changed.
    if (!_movedByDrop)
    {
      RETURN_IF_ERROR(_list.CopyFrom(before));
      Redraw();
    }
    return Ok();
  }
  const bool clicked = _list.ReleaseColor(press);
  Redraw();
  if (clicked)
    return SendAction(GetId(), kClicked, kValueChanged, GeData(true));
  return SendAction(GetId(), kSelection, kUpdate, GeData(std::int32_t{1}));
}

Result<bool> ColorSwatchesPreviewArea::OfferDrag(bool all, std::int32_t pressX, std::int32_t pressY)
{
  BaseArray<Vector> colors;
  bool ready = false;
  if (_dragInDisplaySpace)
  {
    if (!_conversion)
      _conversion.reset(new (std::nothrow) ColorDisplayConversion);
    if (!_conversion)
      return OutOfMemoryError("display conversion");
    PrepareDisplayConversion(*_conversion, _profileMode, ready);
  }
  for (std::int32_t i = 0; i < _list.GetCount(); ++i)
  {
    if (!all && !_list.GetEntries()[i].selected)
      continue;
    Vector rgb = GetRgb(i);
    if (_dragInDisplaySpace)
      ConvertForDisplay(*_conversion, ready, rgb);
    RETURN_IF_ERROR(colors.Append(rgb));
  }
  if (colors.IsEmpty())
    return DragColors::PressMoved(pressX, pressY);
  ASSIGN_OR_RETURN(const GeData data, DragColors::StripColors(colors.GetData(), colors.GetCount()));
  _ownDrag = all ? OwnDrag::All : OwnDrag::Selected;
  const bool dropped = StartDrag(GXA_DRAGTYPE_COLORS, data);
  _ownDrag = OwnDrag::None;
  if (_dropGap != ColorStripList::kNoIndex)
  {
    _dropGap = ColorStripList::kNoIndex;
    Redraw();
  }
  return dropped || DragColors::PressMoved(pressX, pressY);
}

Result<void> ColorSwatchesPreviewArea::SendAction(std::int32_t id, std::int32_t value, std::int32_t flagId,
                                                  const GeData& flag)
{
  BaseContainer action(GXA_MSG_ACTION);
  if (!action.IsValid())
    return OutOfMemoryError("action message");
  action.SetInt32(GXA_MSG_ID, id);
  action.SetInt32(GXA_MSG_VALUE, value);
  action.SetData(flagId, flag);
  SendParentMessage(action);
  return Ok();
}

Result<void> ColorSwatchesPreviewArea::SendMoved(const BaseArray<std::int32_t>& moved)
{
  BaseContainer action(GXA_MSG_ACTION), order;
  if (!action.IsValid() || !order.IsValid())
    return OutOfMemoryError("action message");
  for (std::size_t i = 0; i < moved.GetCount(); ++i)
    order.SetInt32(static_cast<std::int32_t>(i), moved[i]);
  action.SetInt32(GXA_MSG_ID, GetId());
  action.SetContainer(GXA_MSG_VALUE, order);
  SendParentMessage(action);
  return Ok();
}

Result<void> ColorSwatchesPreviewArea::SendCommand(std::int32_t id)
{
  BaseContainer action(GXA_MSG_ACTION);
  if (!action.IsValid())
    return OutOfMemoryError("action message");
  action.SetInt32(GXA_MSG_ID, id);
  SendParentMessage(action);
  return Ok();
}

// ------------------------------------------------------------------- menu

Result<void> ColorSwatchesPreviewArea::ShowMenu()
{
  const std::vector<OwnerMenuEntry> owned = _ownerMenu ? _ownerMenu() : std::vector<OwnerMenuEntry>();
  const BaseContainer menu = BuildMenu(owned);
  if (!menu.IsValid())
    return OutOfMemoryError("strip menu");
  return ChooseMenuEntry(ShowPopupMenu(kAtMouse, kAtMouse, menu, kMenuFlags), owned);
}

BaseContainer ColorSwatchesPreviewArea::BuildMenu(const std::vector<OwnerMenuEntry>& owned) const
{
  BaseContainer menu;
  const std::int32_t count = _list.GetCount();
  if (_addCommand != kNoCommand)
    menu.InsertData(kMenuAdd, GeData(MenuText(kStringAdd, count >= _maxCount)));
  if (_removeCommand != kNoCommand)
  {
    if (_removeSelectedText)
    {
      std::int32_t selected = _list.GetSelectedCount();
      if (selected == count)
        --selected;
      menu.InsertData(kMenuRemove, GeData(MenuText(kStringRemoveSelected, selected < 1)));
    }
    else
    {
      menu.InsertData(kMenuRemove, GeData(MenuText(kStringRemoveLast, count < 2)));
    }
  }
  menu.InsertData(kMenuReduce, GeData(MenuText(kStringReduce, count < 2)));
  menu.InsertData(kMenuAddAll, GeData(MenuText(kStringAddAll)));
  menu.InsertData(kMenuAddSelected, GeData(MenuText(kStringAddSelected)));
  menu.InsertData(kMenuSmall, GeData(MenuText(kStringSmall, false, _cellSize == kSmallCells)));
  menu.InsertData(kMenuMedium, GeData(MenuText(kStringMedium, false, _cellSize == kMediumCells)));
  menu.InsertData(kMenuLarge, GeData(MenuText(kStringLarge, false, _cellSize == kLargeCells)));
  if (!owned.empty())
    menu.InsertData(kMenuSeparator, GeData(String()));
  for (const OwnerMenuEntry& entry : owned)
    menu.InsertData(entry.menuId, GeData(entry.text));
  if (const ChooserView* chooser = Chooser())
    ColorVisionMenu::Append(menu, chooser->GetState());
  return menu;
}

Result<void> ColorSwatchesPreviewArea::ChooseMenuEntry(std::int32_t id, const std::vector<OwnerMenuEntry>& owned)
{
  if (ChooserView* chooser = Chooser(); chooser && ColorVisionMenu::Choose(id, chooser->GetState()))
  {
    chooser->VisionChanged();
    return Ok();
  }
  switch (id)
  {
    case kMenuAdd: return SendCommand(_addCommand);
    case kMenuRemove: return SendCommand(_removeCommand);
    case kMenuReduce:
      RETURN_IF_ERROR(_list.ReduceToMain());
      ColorsChanged();
      return SendAction(GetId(), kSelection, kUpdate, GeData(std::int32_t{1}));
    case kMenuAddAll: return AddToSwatches(false);
    case kMenuAddSelected: return AddToSwatches(true);
    case kMenuSmall: SetCellSize(kSmallCells); return Ok();
    case kMenuMedium: SetCellSize(kMediumCells); return Ok();
    case kMenuLarge: SetCellSize(kLargeCells); return Ok();
    default: break;
  }
  for (const OwnerMenuEntry& entry : owned)
  {
    if (entry.menuId == id)
      return SendCommand(entry.command);
  }
  return Ok();
}

Result<void> ColorSwatchesPreviewArea::AddToSwatches(bool selectedOnly)
{
  BaseArray<SwatchColor> colors;
  for (std::int32_t i = 0; i < _list.GetCount(); ++i)
  {
    if (selectedOnly && !_list.GetEntries()[i].selected)
      continue;
    const Vector rgb = GetRgb(i);
    RETURN_IF_ERROR(colors.Append(SwatchColor{rgb.x, rgb.y, rgb.z, 1.0}));
  }
  ASSIGN_OR_RETURN(const bool added, AddColorsAsNewGroup({colors.GetData(), colors.GetCount()}));
  if (!added)
    return Ok();
  // The chooser shows its swatches so the new group is seen.
  if (ChooserView* chooser = Chooser())
    return chooser->ShowSwatches(BaseContainer());
  return Ok();
}

// ------------------------------------------------------------------ drops

void ColorSwatchesPreviewArea::ClearDropFeedback()
{
  if (_dropGap == ColorStripList::kNoIndex)
    return;
  _dropGap = ColorStripList::kNoIndex;
  Redraw();
}

void ColorSwatchesPreviewArea::ShowDropFeedback(std::int32_t x, std::int32_t y)
{
  const std::int32_t gap = GapAt(x, y);
  if (gap == _dropGap)
    return;
  _dropGap = gap;
  Redraw();
}

const char* ColorSwatchesPreviewArea::PositionErrorSource() const
{
  return "ColorSwatchesPreviewArea::HandleDragReceive()";
}

const char* ColorSwatchesPreviewArea::DropErrorSource() const
{
  return "ColorSwatchesPreviewArea::Message()";
}

Result<bool> ColorSwatchesPreviewArea::Dropped(const BaseContainer& msg)
{
  _dropGap = ColorStripList::kNoIndex;
  const std::int32_t gap = GapAt(msg.GetInt32(GXA_DRAG_ENTRY_X), msg.GetInt32(GXA_DRAG_ENTRY_Y));
  BaseArray<std::int32_t> moved;
  if (_ownDrag == OwnDrag::Selected)
  {
    RETURN_IF_ERROR(_list.MoveSelected(gap, moved));
    _movedByDrop = true;
    RETURN_IF_ERROR(SendMoved(moved));
    return true;
  }
  if (_ownDrag == OwnDrag::All)
    return true;  // the whole strip onto itself moves nothing
  ASSIGN_OR_RETURN(const BaseArray<ColorWithAlpha> received, DragColors::FromDragMessage(msg));
  BaseArray<ColorListEntry> entries;
  for (const ColorWithAlpha& color : received)
    RETURN_IF_ERROR(entries.Append(EntryFromRgb(color.color)));
  const std::int32_t oldCount = _list.GetCount();
  ASSIGN_OR_RETURN(const std::int32_t inserted, _list.Insert(gap, {entries.GetData(), entries.GetCount()}, _maxCount));
  if (inserted == 0)
    return false;
  for (std::int32_t i = 0; i < oldCount + inserted; ++i)
  {
    const bool isNew = i >= gap && i < gap + inserted;
    RETURN_IF_ERROR(moved.Append(isNew ? -1 : (i < gap ? i : i - inserted)));
  }
  ColorsChanged();
  RETURN_IF_ERROR(SendMoved(moved));
  return true;
}

std::int32_t ColorSwatchesPreviewArea::GapAt(std::int32_t x, std::int32_t y) const
{
  const std::int32_t pitch = _cellSize + 1;
  const std::int32_t cell = ColorStripList::CellAt(std::max(0, x - 1), std::max(0, y - 1), GetColumns(), _cellSize);
  return _list.DropGap(cell < 0 ? _list.GetCount() + 1 : cell, (std::max(0, x - 1) % pitch) + 1, _cellSize);
}

String ColorSwatchesPreviewArea::Tooltip(const BaseContainer& msg) const
{
  std::int32_t x = msg.GetInt32(GXA_INPUT_X), y = msg.GetInt32(GXA_INPUT_Y);
  if (!Global2Local(x, y))
    return String();
  const std::int32_t cell = ColorStripList::CellAt(x - 1, y - 1, GetColumns(), _cellSize);
  if (cell < 1 || cell > _list.GetCount())
    return String();
  return ColorTooltipLine(ModuleResource::LoadString(kTooltipLabelRgb), ColorToRgbText(GetRgb(cell - 1)));
}
