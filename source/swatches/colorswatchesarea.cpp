#include "swatches/colorswatchesarea.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <vector>

#include "chooserids.h"
#include "diagnostics.h"
#include "gedata.h"
#include "gedialog.h"
#include "gxa_api.h"
#include "hostservices.h"
#include "moduleresource.h"
#include "swatches/swatchgrouprenamedialog.h"
#include "utils/buttonicons.h"
#include "utils/chooserview.h"
#include "utils/colortooltip.h"
#include "utils/colorutils.h"

namespace
{
constexpr std::int32_t kCheckerCell = 7;
constexpr std::int32_t kStringNewGroup = 20067;
constexpr std::int32_t kStringGroupLabel = 20079;
constexpr std::int32_t kGroupLineHeight = 2;
constexpr std::int32_t kSwatchBarWidth = 3;

Vector Blend(const Vector& from, const Vector& to, double t)
{
  return from + (to - from) * t;
}
}  // namespace

ColorSwatchesArea::ColorSwatchesArea(ChooserView& chooser) : _chooser(chooser) {}

ColorSwatchesArea::~ColorSwatchesArea() = default;

std::int64_t ColorSwatchesArea::GetSenderId() const
{
  return static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(this));
}

std::int32_t ColorSwatchesArea::CellSizeFor(std::int32_t mode)
{
  return mode == 1 ? 21 : mode == 2 ? 28 : 14;
}

bool ColorSwatchesArea::HasSelection() const
{
  return _selection && _selection->HasSelection();
}

bool ColorSwatchesArea::DocumentHasColors() const
{
  const ColorSwatchCollection* document = _data ? _data->GetCollection(iColorSwatchData::kDocument) : nullptr;
  return document && document->HasSwatches();
}

// ------------------------------------------------------------ data, layout

bool ColorSwatchesArea::Init()
{
  const Result<void> loaded = Load();
  if (loaded.IsError())
    ReportError("ColorSwatchesArea::Init()", loaded.GetError());
  return true;
}

Result<void> ColorSwatchesArea::Load()
{
  _document = GetActiveDocument();
  if (!_data)
  {
    _data = iColorSwatchData::SDKLoad(_document, true);
    if (!_data)
      return OutOfMemoryError("swatch data");
    _selection.reset(new (std::nothrow) SwatchSelection(*_data));
    if (!_selection)
      return OutOfMemoryError("swatch selection");
  }
  else
  {
    RETURN_IF_ERROR(_data->Load(_document, false, true));
  }
  RETURN_IF_ERROR(_data->EnsureCollections());
  _selection->ResetAnchor();
  _ownDrag = OwnDrag::None;
  _drop = Drop();
  ReadPreferences();
  if (_changed)
    _changed();
  return Ok();
}

Result<void> ColorSwatchesArea::Reload()
{
  RETURN_IF_ERROR(Load());
  if (!Relayout())
    Redraw();
  return Ok();
}

void ColorSwatchesArea::ReadPreferences()
{
  const BaseContainer prefs = GetWorldPreferences();
  _sizeMode = prefs.GetInt32(kPrefCellSize, 0);
  _cell = CellSizeFor(_sizeMode);
  _names = prefs.GetBool(kPrefNames, true);
  _title = _names ? DrawGetFontHeight() + 4 : 2;
}

void ColorSwatchesArea::FollowCellSize()
{
  const std::int32_t mode = GetWorldPreferences().GetInt32(kPrefCellSize, 0);
  if (mode == _sizeMode)
    return;
  ReadPreferences();
  ForceRelayout();
}

void ColorSwatchesArea::FollowNames()
{
  if (GetWorldPreferences().GetBool(kPrefNames, true) == _names)
    return;
  ReadPreferences();
  ForceRelayout();
}

void ColorSwatchesArea::ForceRelayout()
{
  // The cells changed size: the height changes even where the counts do not.
  _rows = -1;
  if (!Relayout())
    Redraw();
}

bool ColorSwatchesArea::GetMinSize(std::int32_t& w, std::int32_t& h)
{
  if (!_data)
    return false;
  if (_layoutDirty)
  {
    // Counts that differ for sure make the next Sized or draw relayout with
    // the width it then has.
    _layoutDirty = false;
    _rows = -1;
    _groups = -1;
  }
  _layout.Build(*_data, GetWidth(), _cell, _title);
  w = 0;
  h = _layout.GetMinHeight();
  return true;
}

void ColorSwatchesArea::Sized(std::int32_t, std::int32_t)
{
  Relayout();
}

bool ColorSwatchesArea::Relayout()
{
  if (!_data)
    return false;
  _layout.Build(*_data, GetWidth(), _cell, _title);
  if (_layout.GetTotalRows() == _rows && _layout.GetGroupCount() == _groups && _names == _namesUsed)
    return false;
  _rows = _layout.GetTotalRows();
  _groups = _layout.GetGroupCount();
  _namesUsed = _names;
  if (_layoutGuard)
    return false;
  _layoutGuard = true;
  BaseContainer msg(GXA_MSG_LAYOUT_CHANGED);
  msg.SetInt32(GXA_MSG_LAYOUT_CHANGED, 1);
  SendParentMessage(msg);
  _layoutGuard = false;
  return true;
}

Result<void> ColorSwatchesArea::Changed()
{
  RETURN_IF_ERROR(_data->Save(GetActiveDocument(), true));
  PostEvent(chooser::kBroadcastEvent, iColorSwatchData::kChangedEvent, GetSenderId());
  if (_changed)
    _changed();
  if (!Relayout())
    Redraw();
  return Ok();
}

void ColorSwatchesArea::ScrollTo(const SwatchSelection::Item& item)
{
  GeDialog* dialog = GeDialog::FromHandle(GetDialog());
  if (!dialog || !_data)
    return;
  _layout.Build(*_data, GetWidth(), _cell, _title);
  const SwatchGridLayout::Group* g = _layout.Find(item.collection, item.group);
  if (!g)
    return;
  // The host scrolls as little as shows the group.
  dialog->SetVisibleArea(kScrollGroup, 0, g->top, 0, _layout.GroupBottom(*g));
}

// ----------------------------------------------------------------- drawing

void ColorSwatchesArea::DrawMsg(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                                const BaseContainer& msg)
{
  if (IsFocusRedraw(msg) || !_data)
    return;
  if (Relayout())
    return;
  OffScreenOn();
  SetClippingRegion(x1, y1, x2, y2);
  DrawSetPen(GXA_COLOR_BACKGROUND);
  DrawRectangle(x1, y1, x2, y2);
  if (_layout.GetGroupCount() == 0)
  {
    OffScreenOff();
    return;
  }
  if (!_conversion)
    _conversion.reset(new (std::nothrow) ColorDisplayConversion);
  if (!_conversion)
  {
    ReportError("ColorSwatchesArea::DrawMsg()", OutOfMemoryError("display conversion"));
    OffScreenOff();
    return;
  }
  bool ready = false;
  PrepareDisplayConversion(*_conversion, _chooser.GetProfileMode(), ready);
  bool anySwatch = false;
  const ColorVisionView vision = ColorVisionView::Of(_chooser.GetState());
  for (const SwatchGridLayout::Group& g : _layout.GetGroups())
  {
    anySwatch = anySwatch || g.count > 0;
    if (_layout.GroupBottom(g) >= y1 && g.top <= y2)
      DrawGroup(g, y1, y2, ready, vision);
  }
  const bool pending = _drop.kind == DropKind::NewGroup;
  if (pending || !anySwatch)
    DrawNewGroupCell(pending);
  DrawDropMarker();
  OffScreenOff();
}

void ColorSwatchesArea::DrawGroup(const SwatchGridLayout::Group& g, std::int32_t y1, std::int32_t y2, bool ready,
                                  const ColorVisionView& vision)
{
  const ColorSwatchGroup* group = _data->GetGroup(g.index, g.collection);
  if (!group)
    return;
  DrawTitle(g, *group);
  std::vector<Vector> colors;
  if (vision.IsOn())
    for (std::int32_t i = 0; i < group->GetCount(); ++i)
    {
      const ColorSwatch& swatch = *group->GetSwatch(i);
      colors.emplace_back(swatch.red, swatch.green, swatch.blue);
    }
  const std::vector<bool> lookAlike = vision.LookAlike(colors);
  const std::int32_t pitch = _cell + 1;
  // Only the rows inside the redrawn rectangle.
  const std::int32_t firstRow = std::max(0, (y1 - _layout.CellsTop(g)) / pitch);
  const std::int32_t lastRow = std::min(g.rows - 1, (y2 - _layout.CellsTop(g)) / pitch);
  const std::int32_t columns = _layout.GetColumns();
  for (std::int32_t i = firstRow * columns; i < std::min(g.count, (lastRow + 1) * columns); ++i)
  {
    std::int32_t x = 0, y = 0;
    _layout.CellOrigin(g, i, x, y);
    DrawSwatch(x, y, *group->GetSwatch(i), ready, vision, vision.IsOn() && lookAlike[static_cast<std::size_t>(i)]);
  }
}

void ColorSwatchesArea::DrawTitle(const SwatchGridLayout::Group& g, const ColorSwatchGroup& group)
{
  const std::int32_t right = GetWidth() - 1, bottom = g.top + _title - 1;
  if (_names)
  {
    Vector text;
    GetInterfaceColor(GXA_COLOR_TEXT, text);
    DrawSetTextColor(text);
    DrawText(group.GetName(), 4, g.top + _title / 2, GXA_TEXT_LEFT | GXA_TEXT_VCENTER);
  }
  if (!group.IsSelected())
    return;
  DrawSetPen(GXA_COLOR_SELECTION_FRAME);
  Outline(0, g.top, right, bottom);
  if (bottom - g.top >= 4)
  {
    DrawSetPen(GXA_COLOR_FRAME_DARK);
    Outline(2, g.top + 2, right - 2, bottom - 2);
  }
}

void ColorSwatchesArea::Outline(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
  DrawLine(x1, y1, x2, y1);
  DrawLine(x1, y2, x2, y2);
  DrawLine(x1, y1, x1, y2);
  DrawLine(x2, y1, x2, y2);
}

void ColorSwatchesArea::DrawSwatch(std::int32_t x, std::int32_t y, const ColorSwatch& swatch, bool ready,
                                   const ColorVisionView& vision, bool lookAlike)
{
  const std::int32_t x2 = x + _cell - 1, y2 = y + _cell - 1;
  DrawSetPen(swatch.selected ? GXA_COLOR_SELECTION_FRAME : GXA_COLOR_OUTLINE);
  DrawRectangle(x, y, x2, y2);
  std::int32_t inset = 1;
  if (swatch.selected)
  {
    DrawSetPen(GXA_COLOR_FRAME_DARK);
    DrawRectangle(x + 1, y + 1, x2 - 1, y2 - 1);
    inset = 2;
  }
  Vector color(swatch.red, swatch.green, swatch.blue);
  const double alpha = std::clamp(swatch.alpha, 0.0, 1.0);
  const std::int32_t cx1 = x + inset, cy1 = y + inset, cx2 = x2 - inset, cy2 = y2 - inset;
  if (alpha >= 1.0)
  {
    color = vision.Show(color);
    ConvertForDisplay(*_conversion, ready, color);
    DrawSetPen(color);
    DrawRectangle(cx1, cy1, cx2, cy2);
    if (lookAlike)
      ColorVisionView::DrawMark(*this, cx1, cy1, cx2 - cx1 + 1, color);
    return;
  }
  // The colour blended over the chooser's checkerboard shows its alpha.
  const CheckerLevels checker = CheckerColors();
  Vector light = vision.Show(Blend(checker.lighter, color, alpha));
  Vector dark = vision.Show(Blend(checker.darker, color, alpha));
  ConvertForDisplay(*_conversion, ready, light);
  ConvertForDisplay(*_conversion, ready, dark);
  const std::int32_t step = std::min(kCheckerCell, std::max(1, (cx2 - cx1 + 2) / 2));
  for (std::int32_t cy = cy1, row = 0; cy <= cy2; cy += step, ++row)
    for (std::int32_t cx = cx1, col = 0; cx <= cx2; cx += step, ++col)
    {
      DrawSetPen((row + col) % 2 == 0 ? light : dark);
      DrawRectangle(cx, cy, std::min(cx + step - 1, cx2), std::min(cy + step - 1, cy2));
    }
  if (lookAlike)
    ColorVisionView::DrawMark(*this, cx1, cy1, cx2 - cx1 + 1, light);
}

void ColorSwatchesArea::DrawNewGroupCell(bool pending)
{
  const std::int32_t x = 1, y = _layout.GetBottom() + 1, x2 = x + _cell - 1, y2 = y + _cell - 1;
  if (pending)
  {
    DrawSetPen(GXA_COLOR_GROUP_FILL);
    DrawRectangle(x, y, x2, y2);
    DrawSetPen(GXA_COLOR_BACKGROUND);
    DrawRectangle(x + 3, y + 3, x2 - 3, y2 - 3);
    const std::int32_t inset = (_cell - 1) / 3 + 2;
    DrawSetPen(GXA_COLOR_GROUP_FILL);
    DrawRectangle(x + inset, y + inset, x2 - inset, y2 - inset);
    return;
  }
  // Corner marks only: a place to drop the first swatch.
  const std::int32_t arm = std::max(2, _cell / 4);
  DrawSetPen(GXA_COLOR_HIGHLIGHT);
  DrawLine(x, y, x + arm, y);
  DrawLine(x, y, x, y + arm);
  DrawLine(x2, y, x2 - arm, y);
  DrawLine(x2, y, x2, y + arm);
  DrawLine(x, y2, x + arm, y2);
  DrawLine(x, y2, x, y2 - arm);
  DrawLine(x2, y2, x2 - arm, y2);
  DrawLine(x2, y2, x2, y2 - arm);
}

void ColorSwatchesArea::DrawDropMarker()
{
  if (_drop.kind == DropKind::Groups)
  {
    // Before group at.group of the collection, or after its last group.
    std::int32_t y = _layout.GetBottom();
    const SwatchGridLayout::Group* before = _layout.Find(_drop.at.collection, _drop.at.group);
    const SwatchGridLayout::Group* last = _layout.Find(_drop.at.collection, _drop.at.group - 1);
    if (before)
      y = before->top;
    else if (last)
      y = _layout.GroupBottom(*last);
    DrawSetPen(GXA_COLOR_GROUP_FILL);
    DrawRectangle(0, std::max(0, y - 1), GetWidth() - 1, std::max(0, y - 1) + kGroupLineHeight - 1);
  }
  else if (_drop.kind == DropKind::Swatches)
  {
    const SwatchGridLayout::Group* g = _layout.Find(_drop.at.collection, _drop.at.group);
    if (!g)
      return;
    std::int32_t x = 0, y = 0;
    _layout.CellOrigin(*g, _drop.at.swatch, x, y);
    DrawSetPen(GXA_COLOR_GROUP_FILL);
    DrawRectangle(std::max(0, x - 2), y, std::max(0, x - 2) + kSwatchBarWidth - 1, y + _cell - 1);
  }
}

// ------------------------------------------------------------------- mouse

bool ColorSwatchesArea::InputEvent(const BaseContainer& msg)
{
  if (!_data)
    return false;
  Result<void> handled = Ok();
  const std::int32_t device = msg.GetInt32(GXA_INPUT_DEVICE);
  const std::int32_t channel = msg.GetInt32(GXA_INPUT_CHANNEL);
  if (device == GXA_DEVICE_KEYBOARD)
  {
    const Result<bool> used = KeyDown(channel, msg.GetInt32(GXA_INPUT_QUALIFIER));
    if (used.IsError())
      ReportError("ColorSwatchesArea::InputEvent()", used.GetError());
    return used.IsOk() && used.GetValue();
  }
  if (device != GXA_DEVICE_MOUSE || !msg.GetBool(GXA_INPUT_VALUE, true))
    return false;
  if (channel == GXA_CHANNEL_LEFT)
    handled = LeftPress(msg);
  else if (channel == GXA_CHANNEL_RIGHT)
    handled = ShowMenu(msg);
  else
    return false;
  if (handled.IsError())
    ReportError("ColorSwatchesArea::InputEvent()", handled.GetError());
  return true;
}

Result<void> ColorSwatchesArea::LeftPress(const BaseContainer& msg)
{
  const std::int32_t px = msg.GetInt32(GXA_INPUT_X), py = msg.GetInt32(GXA_INPUT_Y);
  std::int32_t x = px, y = py;
  if (!Global2Local(x, y))
  {
    ReportError("ColorSwatchesArea::MouseDown()", "Global2Local() failed");
    return Ok();
  }
  _layout.Build(*_data, GetWidth(), _cell, _title);
  const SwatchGridLayout::Hit hit = _layout.HitTest(x, y);
  if (msg.GetBool(GXA_INPUT_DOUBLECLICK))
    return DoubleClick(hit);
  const std::int32_t qualifiers = msg.GetInt32(GXA_INPUT_QUALIFIER);
  switch (hit.kind)
  {
    case SwatchGridLayout::HitKind::Swatch: return PressSwatch(hit, qualifiers, px, py);
    case SwatchGridLayout::HitKind::Title: return PressGroup(hit, qualifiers, px, py);
    default:
      if (qualifiers & (GXA_QUALIFIER_SHIFT | GXA_QUALIFIER_CTRL) || !_selection->HasSelection())
        return Ok();
      _selection->DeselectAll();
      return Changed();
  }
}

Result<void> ColorSwatchesArea::DoubleClick(const SwatchGridLayout::Hit& hit)
{
  switch (hit.kind)
  {
    case SwatchGridLayout::HitKind::Swatch:
    {
      const SwatchSelection::Item item{hit.collection, hit.group, hit.swatch};
      _selection->SelectOnly(item);
      RETURN_IF_ERROR(Changed());
      return SendColor(*GroupAt(hit)->GetSwatch(hit.swatch));
    }
    case SwatchGridLayout::HitKind::Title:
      _selection->SelectOnly({hit.collection, hit.group, -1});
      Redraw();
      return RenameGroup(hit);
    default: return NewGroupByDialog();
  }
}

Result<void> ColorSwatchesArea::PressSwatch(const SwatchGridLayout::Hit& hit, std::int32_t qualifiers, std::int32_t px,
                                            std::int32_t py)
{
  if (!GetDialog())
  {
    ReportError("ColorSwatchesArea::MouseDownSwatch()", "dlg is nullptr");
    return Ok();
  }
  const SwatchSelection::Press press =
      _selection->PressSwatch({hit.collection, hit.group, hit.swatch}, qualifiers & ~GXA_QUALIFIER_ALT);
  if (press.withoutAnchor)
    DiagnosticOutput("multi single swatch");
  Redraw();
  ASSIGN_OR_RETURN(const bool dragged, OfferDrag(OwnDrag::Swatches, px, py));
  if (_takenElsewhere)
    return Reload();
  if (!dragged)
    _selection->ReleaseSwatch(press);
  return Changed();
}

Result<void> ColorSwatchesArea::PressGroup(const SwatchGridLayout::Hit& hit, std::int32_t qualifiers, std::int32_t px,
                                           std::int32_t py)
{
  if (!GetDialog())
  {
    ReportError("ColorSwatchesArea::MouseDownGroup()", "dlg is nullptr");
    return Ok();
  }
  const SwatchSelection::Press press = _selection->PressGroup({hit.collection, hit.group, -1}, qualifiers);
  Redraw();
  ASSIGN_OR_RETURN(const bool dragged, OfferDrag(OwnDrag::Groups, px, py));
  if (_takenElsewhere)
    return Reload();
  if (!dragged && press.wasSelected && !(qualifiers & (GXA_QUALIFIER_SHIFT | GXA_QUALIFIER_CTRL)))
    _selection->SelectOnly(press.item);
  return Changed();
}

Result<bool> ColorSwatchesArea::OfferDrag(OwnDrag kind, std::int32_t px, std::int32_t py)
{
  _takenElsewhere = false;
  ASSIGN_OR_RETURN(const BaseArray<SwatchColor> selected, _selection->SelectedColors());
  BaseArray<ColorWithAlpha> colors;
  for (const SwatchColor& c : selected)
    RETURN_IF_ERROR(colors.Append(ColorWithAlpha{Vector(c.red, c.green, c.blue), c.alpha}));
  if (colors.IsEmpty() && kind == OwnDrag::Swatches)
    return DragColors::PressMoved(px, py);
  ASSIGN_OR_RETURN(const GeData data, DragColors::Swatches(colors.GetData(), colors.GetCount()));
  _ownDrag = kind;
  _dropHandled = false;
  const bool dropped = StartDrag(GXA_DRAGTYPE_SWATCHES, data);
  _ownDrag = OwnDrag::None;
  // Another chooser's swatches that took the drop have saved theirs: saving
  // this copy now would undo the drop.
  _takenElsewhere = dropped && !_dropHandled;
  if (_drop.kind != DropKind::None)
  {
    _drop = Drop();
    Redraw();
  }
  return dropped || _dropHandled || DragColors::PressMoved(px, py);
}

Result<void> ColorSwatchesArea::SendColor(const ColorSwatch& swatch)
{
  BaseContainer action(GXA_MSG_ACTION);
  const GeData value(Vector(swatch.red, swatch.green, swatch.blue), swatch.alpha);
  if (!action.IsValid() || !value.IsValid())
    return OutOfMemoryError("action message");
  action.SetInt32(GXA_MSG_ID, GetId());
  action.SetData(GXA_MSG_VALUE, value);
  SendParentMessage(action);
  return Ok();
}

Result<void> ColorSwatchesArea::NewGroupFromSelection(bool copy)
{
  const SwatchSelection::Item anchor = _selection->GetAnchor();
  const std::int32_t collection = anchor.IsSet() ? anchor.collection : iColorSwatchData::kDocument;
  ASSIGN_OR_RETURN(const SwatchSelection::Item made,
                   _selection->NewGroupFromSelection(copy, collection, ColorSwatchGroup::DefaultName()));
  RETURN_IF_ERROR(Changed());
  ScrollTo(made);
  return Ok();
}

Result<void> ColorSwatchesArea::NewGroupByDialog()
{
  SwatchGroupRenameDialog dialog(ColorSwatchGroup::DefaultName(), true);
  if (!dialog.Ask(ModuleResource::LoadString(kStringNewGroup)))
    return Ok();
  const std::int32_t collection =
      SwatchGroupRenameDialog::IsGlobalChosen() ? iColorSwatchData::kGlobal : iColorSwatchData::kDocument;
  ASSIGN_OR_RETURN(const SwatchSelection::Item made, _selection->AppendGroup(collection, dialog.GetName(), {}));
  RETURN_IF_ERROR(Changed());
  ScrollTo(made);
  return Ok();
}

Result<void> ColorSwatchesArea::AddColorsAsGroup(std::span<const SwatchColor> colors)
{
  SwatchGroupRenameDialog dialog(ColorSwatchGroup::DefaultName(), true);
  if (!dialog.Ask(ModuleResource::LoadString(kStringNewGroup)))
    return Ok();
  const std::int32_t collection =
      SwatchGroupRenameDialog::IsGlobalChosen() ? iColorSwatchData::kGlobal : iColorSwatchData::kDocument;
  ASSIGN_OR_RETURN(const SwatchSelection::Item made, _selection->AppendGroup(collection, dialog.GetName(), colors));
  RETURN_IF_ERROR(Changed());
  ScrollTo(made);
  return Ok();
}

// ------------------------------------------------------------------ drops

bool ColorSwatchesArea::AcceptsDrops() const
{
  return _data != nullptr;
}

void ColorSwatchesArea::ClearDropFeedback()
{
  if (_drop.kind == DropKind::None)
    return;
  _drop = Drop();
  Redraw();
}

void ColorSwatchesArea::ShowDropFeedback(std::int32_t x, std::int32_t y)
{
  _layout.Build(*_data, GetWidth(), _cell, _title);
  const Drop drop = DropAt(x, y, _ownDrag == OwnDrag::Groups);
  if (drop.kind == _drop.kind && drop.at.collection == _drop.at.collection && drop.at.group == _drop.at.group &&
      drop.at.swatch == _drop.at.swatch)
    return;
  _drop = drop;
  Redraw();
}

Result<bool> ColorSwatchesArea::Dropped(const BaseContainer& msg)
{
  _layout.Build(*_data, GetWidth(), _cell, _title);
  const Drop drop = DropAt(msg.GetInt32(GXA_DRAG_ENTRY_X), msg.GetInt32(GXA_DRAG_ENTRY_Y), _ownDrag == OwnDrag::Groups);
  _drop = Drop();
  BaseContainer mouse;
  GetInputState(GXA_DEVICE_MOUSE, GXA_CHANNEL_LEFT, mouse);
  const bool copy = (mouse.GetInt32(GXA_INPUT_QUALIFIER) & GXA_QUALIFIER_CTRL) != 0;
  const bool internal = _ownDrag != OwnDrag::None;
  // Even a failed internal drop ends the drag that started here.
  _dropHandled = internal;
  RETURN_IF_ERROR(internal ? HandleDragInternal(drop, copy) : HandleDragExternal(drop, msg));
  return true;
}

const char* ColorSwatchesArea::PositionErrorSource() const
{
  return _ownDrag != OwnDrag::None ? "ColorSwatchesArea::HandleDragInternal()"
                                   : "ColorSwatchesArea::HandleDragExternal()";
}

const char* ColorSwatchesArea::DropErrorSource() const
{
  return "ColorSwatchesArea::Message()";
}

ColorSwatchesArea::Drop ColorSwatchesArea::DropAt(std::int32_t x, std::int32_t y, bool groups) const
{
  const SwatchGridLayout::Hit hit = _layout.HitTest(x, y);
  Drop drop;
  if (groups)
  {
    drop.kind = DropKind::Groups;
    if (hit.group >= 0)
      drop.at = {hit.collection, hit.group + (hit.upperHalf ? 0 : 1), -1};
    else
      drop.at = {iColorSwatchData::kDocument, _data->GetGroupCount(iColorSwatchData::kDocument), -1};
    return drop;
  }
  switch (hit.kind)
  {
    case SwatchGridLayout::HitKind::Swatch:
      drop.kind = DropKind::Swatches;
      drop.at = {hit.collection, hit.group, hit.swatch + (hit.leftHalf ? 0 : 1)};
      return drop;
    case SwatchGridLayout::HitKind::Title:
      drop.kind = DropKind::Swatches;
      drop.at = {hit.collection, hit.group, 0};
      return drop;
    case SwatchGridLayout::HitKind::AddCell: drop.kind = DropKind::NewGroup; return drop;
    default: break;
  }
  if (hit.group >= 0)
  {
    // Beside the last cells of a group: its end.
    drop.kind = DropKind::Swatches;
    drop.at = {hit.collection, hit.group, _layout.Find(hit.collection, hit.group)->count};
    return drop;
  }
  drop.kind = DropKind::NewGroup;
  return drop;
}

Result<void> ColorSwatchesArea::HandleDragInternal(const Drop& drop, bool copy)
{
  switch (drop.kind)
  {
    case DropKind::Groups: RETURN_IF_ERROR(_selection->PutGroups(drop.at.collection, drop.at.group, copy)); break;
    case DropKind::Swatches: RETURN_IF_ERROR(_selection->PutSwatches(drop.at, copy)); break;
    case DropKind::NewGroup:
    {
      const std::int32_t collection =
          _selection->GetAnchor().IsSet() ? _selection->GetAnchor().collection : iColorSwatchData::kDocument;
      RETURN_IF_ERROR(_selection->NewGroupFromSelection(copy, collection, ColorSwatchGroup::DefaultName()));
      break;
    }
    default: return Ok();
  }
  RETURN_IF_ERROR(Changed());
  ScrollTo(_selection->GetAnchor());
  return Ok();
}

Result<void> ColorSwatchesArea::HandleDragExternal(const Drop& drop, const BaseContainer& msg)
{
  ASSIGN_OR_RETURN(const BaseArray<ColorWithAlpha> received, DragColors::FromDragMessage(msg));
  if (received.IsEmpty())
  {
    ReportError("ColorSwatchesArea::HandleDragExternal()", "color array is empty");
    return Ok();
  }
  BaseArray<SwatchColor> colors;
  for (const ColorWithAlpha& c : received)
    RETURN_IF_ERROR(colors.Append(SwatchColor{c.color.x, c.color.y, c.color.z, c.alpha}));
  if (drop.kind == DropKind::Swatches)
    RETURN_IF_ERROR(_selection->InsertColors(drop.at, {colors.GetData(), colors.GetCount()}));
  else
    RETURN_IF_ERROR(_selection->AppendGroup(iColorSwatchData::kDocument, ColorSwatchGroup::DefaultName(),
                                            {colors.GetData(), colors.GetCount()}));
  RETURN_IF_ERROR(Changed());
  ScrollTo(_selection->GetAnchor());
  return Ok();
}

ColorSwatchGroup* ColorSwatchesArea::GroupAt(const SwatchGridLayout::Hit& hit) const
{
  return hit.group >= 0 ? _data->GetGroup(hit.group, hit.collection) : nullptr;
}

String ColorSwatchesArea::Tooltip(const BaseContainer& msg) const
{
  std::int32_t x = msg.GetInt32(GXA_INPUT_X), y = msg.GetInt32(GXA_INPUT_Y);
  if (!_data || !Global2Local(x, y))
    return String();
  const SwatchGridLayout::Hit hit = _layout.HitTest(x, y);
  const ColorSwatchGroup* group = GroupAt(hit);
  if (!group)
    return String();
  if (hit.kind == SwatchGridLayout::HitKind::Title)
    return ColorTooltipLine(ModuleResource::LoadString(kStringGroupLabel), group->GetName());
  if (hit.kind != SwatchGridLayout::HitKind::Swatch)
    return String();
  const ColorSwatch& s = *group->GetSwatch(hit.swatch);
  Vector rgb(s.red, s.green, s.blue);
  if (_chooser.IsLinearActive())
    rgb = ConvertColorSpace(rgb, GXA_TRANSFORM_FROM_HOST);
  return SwatchTooltipText(rgb, s.alpha);
}
