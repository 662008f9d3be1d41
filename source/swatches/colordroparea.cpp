#include "swatches/colordroparea.h"

#include "diagnostics.h"
#include "gedialog.h"
#include "gxa_api.h"

namespace
{
bool IsColorDrag(const BaseContainer& msg)
{
  const std::int32_t type = msg.GetInt32(GXA_DRAG_ENTRY_TYPE);
  return type == GXA_DRAGTYPE_COLOR || type == GXA_DRAGTYPE_COLORS || type == GXA_DRAGTYPE_SWATCHES;
}

bool IsDragGone(const BaseContainer& msg)
{
  return msg.GetInt32(GXA_DRAG_ENTRY_LOST) != 0 || msg.GetInt32(GXA_DRAG_ENTRY_ESCAPED) != 0;
}
}  // namespace

std::int32_t ColorDropArea::Message(const BaseContainer& msg, BaseContainer& result)
{
  switch (msg.GetId())
  {
    case GXA_MSG_DRAG_RECEIVE: return DragReceive(msg);
    case GXA_MSG_CURSOR_INFO:
    {
      const String tip = Tooltip(msg);
      if (tip.IsEmpty())
        break;
      result.SetString(GXA_RESULT_TOOLTIP, tip);
      return 1;
    }
    default: break;
  }
  return GeUserArea::Message(msg, result);
}

std::int32_t ColorDropArea::DragReceive(const BaseContainer& msg)
{
  if (IsDragGone(msg) || !IsColorDrag(msg) || !AcceptsDrops())
  {
    ClearDropFeedback();
    return 0;
  }
  if (!msg.Contains(GXA_DRAG_ENTRY_X) || !msg.Contains(GXA_DRAG_ENTRY_Y))
  {
    ReportError(PositionErrorSource(), "GetDragPosition() failed");
    return 0;
  }
  if (msg.GetInt32(GXA_DRAG_ENTRY_FINISHED) == 0)
  {
    ShowDropFeedback(msg.GetInt32(GXA_DRAG_ENTRY_X), msg.GetInt32(GXA_DRAG_ENTRY_Y));
    return 1;
  }
  const Result<bool> dropped = Dropped(msg);
  Redraw();
  if (dropped.IsError())
  {
    ReportError(DropErrorSource(), dropped.GetError());
    return 0;
  }
  if (GeDialog* dialog = GeDialog::FromHandle(GetDialog()))
    dialog->SetDragDestination(GXA_CURSOR_COPY);
  return dropped.GetValue() ? 1 : 0;
}
