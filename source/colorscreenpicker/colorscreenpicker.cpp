#include "colorscreenpicker.h"

#include "entryguard.h"
#include "pickercursor.h"
#include "platformdesktop.h"

namespace
{
struct PickerState
{
  GxaDialog* parent = nullptr;  // null while idle
  ColorScreenPicker::Callback callback = nullptr;
  void* chooser = nullptr;
  Vector backup;
  Vector current;
  bool firstReleasePending = false;
  bool desktopOpen = false;
  bool desktopPick = false;  // the desktop picks on the user's behalf
  std::int32_t monitorCount = 0;
  GxaLogicalToPhysicalFn logicalToPhysical = nullptr;
  GxaPickerCursor* cursor = nullptr;
};

PickerState g_picker;

bool IsButtonRelease(const GxaWindowMessage& msg)
{
  return msg.kind == GXA_WINDOW_BUTTON_UP &&
         (msg.channel == GXA_CHANNEL_LEFT || msg.channel == GXA_CHANNEL_RIGHT || msg.channel == GXA_CHANNEL_MIDDLE);
}

bool IsMouseMessage(const GxaWindowMessage& msg)
{
  return msg.kind == GXA_WINDOW_BUTTON_DOWN || msg.kind == GXA_WINDOW_BUTTON_UP || msg.kind == GXA_WINDOW_WHEEL;
}
}  // namespace

BaseArray<ColorScreenPicker::MonitorRecord>& ColorScreenPicker::Records()
{
  static BaseArray<ColorScreenPicker::MonitorRecord> records;
  return records;
}

void ColorScreenPicker::Prepare()
{
  g_picker.logicalToPhysical = PlatformDesktop::FindLogicalToPhysical();
  if (!g_picker.cursor)
  {
    const auto pixels = PickerCursor::Pixels();
    g_picker.cursor = PlatformDesktop::CreateCursor(pixels.data(), PickerCursor::kSize, PickerCursor::kSize,
                                                    PickerCursor::kHotX, PickerCursor::kHotY);
  }
  PlatformDesktop::RegisterWindowClass(kWindowClass, &ColorScreenPicker::WindowProc, g_picker.cursor);
}

bool ColorScreenPicker::Start(void* chooser, Callback callback, GxaDialog* parent, const Vector& backup)
{
  if (g_picker.parent)
    return g_picker.chooser == chooser;
  g_picker.backup = backup;
  g_picker.current = backup;
  g_picker.callback = callback;
  g_picker.chooser = chooser;
  g_picker.parent = parent;
  const bool started = PlatformDesktop::PickingMode() == GXA_PICKING_DESKTOP ? StartDesktopPick() : StartWindows();
  // A start that cannot run leaves nothing behind, so the next one can.
  if (!started)
    Forget();
  return started;
}

bool ColorScreenPicker::StartDesktopPick()
{
  g_picker.desktopPick = PlatformDesktop::PickColor(&ColorScreenPicker::DesktopAnswer, nullptr);
  return g_picker.desktopPick;
}

bool ColorScreenPicker::StartWindows()
{
  g_picker.desktopOpen = PlatformDesktop::OpenDesktop();
  if (!g_picker.desktopOpen || !ReadMonitors())
  {
    TearDown();
    return false;
  }
  if (OpenWindows() == 0)
  {
    // Nothing could receive the user's input.
    TearDown();
    return false;
  }
  g_picker.firstReleasePending = true;
  return true;
}

bool ColorScreenPicker::ReadMonitors()
{
  const std::int32_t count = PlatformDesktop::MonitorCount();
  if (count <= 0)
    return false;
  BaseArray<MonitorRecord>& records = Records();
  records.Reset();
  if (records.Resize(static_cast<std::size_t>(count)).IsError())
    return false;
  g_picker.monitorCount = count;
  for (std::int32_t i = 0; i < count; ++i)
  {
    MonitorRecord& record = records[static_cast<std::size_t>(i)];
    record.present = PlatformDesktop::MonitorInfo(i, record.info);
    record.width = record.info.right - record.info.left;
    record.height = record.info.bottom - record.info.top;
  }
  return true;
}

std::int32_t ColorScreenPicker::OpenWindows()
{
  std::int32_t opened = 0;
  BaseArray<MonitorRecord>& records = Records();
  for (std::size_t i = 0; i < records.GetCount(); ++i)
  {
    MonitorRecord& record = records[i];
    if (!record.present)
      continue;
    record.window = PlatformDesktop::CreateWindow(kWindowClass, kWindowTitle, record.info.left, record.info.top,
                                                  record.width, record.height);
    if (record.window)
      ++opened;
  }
  return opened;
}

bool ColorScreenPicker::WindowProc(GxaPickerWindow* window, const GxaWindowMessage* msg)
{
  return GuardEntry("ColorScreenPicker::WindowProc()", false, [&] { return msg && HandleMessage(window, *msg); });
}

bool ColorScreenPicker::HandleMessage(GxaPickerWindow* window, const GxaWindowMessage& msg)
{
  if (msg.kind == GXA_WINDOW_MOUSE_MOVE)
  {
    Sample(window, msg.x, msg.y);
    return true;
  }
  if (IsMouseMessage(msg))
  {
    // The release of the click that started the picker is not a pick.
    if (g_picker.firstReleasePending && IsButtonRelease(msg))
    {
      g_picker.firstReleasePending = false;
      return false;
    }
    End(g_picker.current, kPicked);
    return true;
  }
  if (msg.kind == GXA_WINDOW_KEY_UP && msg.key == GXA_KEY_ESC)
  {
    End(g_picker.backup, kCancelled);
    return true;
  }
  return false;
}

void ColorScreenPicker::Sample(GxaPickerWindow* window, std::int32_t x, std::int32_t y)
{
  if (!PlatformDesktop::ClientToScreen(window, x, y))
    return;
  if (g_picker.logicalToPhysical)
    g_picker.logicalToPhysical(&x, &y);
  std::uint32_t pixel = 0;
  // Off every monitor there is no pixel: the last colour stays.
  if (!PlatformDesktop::ReadPixel(x, y, pixel))
    return;
  g_picker.current = ColorFromPixel(pixel);
  if (g_picker.callback)
    g_picker.callback(g_picker.current, g_picker.chooser, kHovering);
}

Vector ColorScreenPicker::ColorFromPixel(std::uint32_t pixel)
{
  auto channel = [pixel](int shift) {
    return static_cast<double>(static_cast<float>((pixel >> shift) & 0xFFu) / 255.0f);
  };
  return Vector(channel(0), channel(8), channel(16));
}

void ColorScreenPicker::DesktopAnswer(void*, std::int32_t response, const double* rgb)
{
  GuardEntry("ColorScreenPicker::DesktopAnswer()", [&] {
    if (!g_picker.desktopPick)
      return;
    g_picker.desktopPick = false;
    if (response == 0 && rgb)
    {
      g_picker.current = Vector(rgb[0], rgb[1], rgb[2]);
      End(g_picker.current, kPicked);
    }
    else
    {
      End(g_picker.backup, kCancelled);
    }
  });
}

void ColorScreenPicker::End(const Vector& color, std::int32_t state)
{
  // The colour is copied: the callback may start the next pick.
  const Vector reported = color;
  if (TearDown())
  {
    PlatformDesktop::ActivateWindow(g_picker.parent);
    g_picker.parent = nullptr;
  }
  if (g_picker.callback)
    g_picker.callback(reported, g_picker.chooser, state);
}

bool ColorScreenPicker::TearDown()
{
  const bool running = g_picker.parent != nullptr;
  BaseArray<MonitorRecord>& records = Records();
  for (std::size_t i = 0; i < records.GetCount(); ++i)
    PlatformDesktop::DestroyWindow(records[i].window);
  records.Reset();
  g_picker.monitorCount = 0;
  g_picker.firstReleasePending = false;
  if (g_picker.desktopPick)
    PlatformDesktop::CancelPick();
  g_picker.desktopPick = false;
  if (g_picker.desktopOpen)
    PlatformDesktop::CloseDesktop();
  g_picker.desktopOpen = false;
  return running;
}

void ColorScreenPicker::Stop()
{
  if (TearDown())
    PlatformDesktop::ActivateWindow(g_picker.parent);
  Forget();
}

void ColorScreenPicker::Forget()
{
  g_picker.callback = nullptr;
  g_picker.chooser = nullptr;
  g_picker.parent = nullptr;
}

void ColorScreenPicker::Release()
{
  Stop();
  PlatformDesktop::DestroyCursor(g_picker.cursor);
  g_picker.cursor = nullptr;
  g_picker.logicalToPhysical = nullptr;
}
