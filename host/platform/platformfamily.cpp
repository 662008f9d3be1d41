#include "platform/platformfamily.h"

#include <map>

namespace host {

namespace {

struct FamilyState {
  std::unique_ptr<Desktop> desktop;
  std::map<std::string, WindowClass> classes;
};

FamilyState& State() {
  static FamilyState state;
  return state;
}

DesktopWindow* FromHandle(GxaPickerWindow* w) { return reinterpret_cast<DesktopWindow*>(w); }
GxaPickerWindow* ToHandle(DesktopWindow* w) { return reinterpret_cast<GxaPickerWindow*>(w); }

int32_t PickingMode() { return State().desktop ? State().desktop->PickingMode() : GXA_PICKING_NONE; }

GxaLogicalToPhysicalFn FindLogicalToPhysical() {
  return State().desktop ? State().desktop->LogicalToPhysical() : nullptr;
}

GxaPickerCursor* CursorCreate(const uint8_t* rgba, int32_t w, int32_t h, int32_t hotX, int32_t hotY) {
  if (!rgba || w <= 0 || h <= 0 || w > 256 || h > 256) return nullptr;
  auto* image = new CursorImage{w, h, hotX, hotY, std::vector<uint8_t>(rgba, rgba + size_t(w) * size_t(h) * 4)};
  return reinterpret_cast<GxaPickerCursor*>(image);
}

void CursorDestroy(GxaPickerCursor* cursor) { delete reinterpret_cast<CursorImage*>(cursor); }

bool RegisterWindowClass(const char* name, GxaWindowProc proc, const GxaPickerCursor* cursor) {
  if (!name || !*name || !proc) return false;
  State().classes[name] = WindowClass{name, proc, reinterpret_cast<const CursorImage*>(cursor)};
  return true;
}

bool OpenDesktop() { return State().desktop && State().desktop->Open(); }

void CloseDesktop() {
  if (State().desktop) State().desktop->Close();
}

int32_t MonitorCount() { return State().desktop ? State().desktop->MonitorCount() : 0; }

bool MonitorInfo(int32_t index, GxaMonitorInfo* out) {
  return out && State().desktop && State().desktop->Monitor(index, *out);
}

GxaPickerWindow* CreateWindow(const char* className, const char* title, int32_t x, int32_t y, int32_t w, int32_t h) {
  const WindowClass* cls = className ? PlatformFamily::FindClass(className) : nullptr;
  if (!cls || !State().desktop || w <= 0 || h <= 0) return nullptr;
  return ToHandle(State().desktop->CreateWindow(*cls, title ? title : "", Rect{x, y, w, h}));
}

void DestroyWindow(GxaPickerWindow* window) {
  if (window && State().desktop) State().desktop->DestroyWindow(FromHandle(window));
}

bool ClientToScreen(GxaPickerWindow* window, int32_t* x, int32_t* y) {
  if (!window || !x || !y) return false;
  const Rect& frame = FromHandle(window)->Frame();
  *x += frame.x;
  *y += frame.y;
  return true;
}

bool ReadPixel(int32_t x, int32_t y, uint32_t* pixel) {
  return pixel && State().desktop && State().desktop->ReadPixel(x, y, *pixel);
}

void ActivateWindow(GxaDialog* dialog) {
  if (State().desktop) State().desktop->Activate(dialog);
}

bool PickColor(GxaPickAnswerFn answer, void* user) {
  return answer && State().desktop && State().desktop->PickColor(answer, user);
}

void CancelPick() {
  if (State().desktop) State().desktop->CancelPick();
}

const GxaPlatformFns kTable = {
    sizeof(GxaPlatformFns),
    PickingMode,
    FindLogicalToPhysical,
    CursorCreate,
    CursorDestroy,
    RegisterWindowClass,
    OpenDesktop,
    CloseDesktop,
    MonitorCount,
    MonitorInfo,
    CreateWindow,
    DestroyWindow,
    ClientToScreen,
    ReadPixel,
    ActivateWindow,
    PickColor,
    CancelPick,
};

}  // namespace

const GxaPlatformFns* PlatformFamily::Table() { return &kTable; }

void PlatformFamily::Use(std::unique_ptr<Desktop> desktop) {
  State().desktop = std::move(desktop);
  // Classes name handlers of a module that may be gone with the old desktop.
  State().classes.clear();
}

Desktop* PlatformFamily::Current() { return State().desktop.get(); }

const WindowClass* PlatformFamily::FindClass(const std::string& name) {
  auto it = State().classes.find(name);
  return it == State().classes.end() ? nullptr : &it->second;
}

}  // namespace host
