#pragma once
// The dialog family of the host table (GxaDialogFns): dialogs, their layout,
// messages and the host's own dialogs. Gadget entries live in
// DialogGadgetFamily. Handles are checked: a stale or null dialog answers
// false (or 0, or null) and nothing happens.
#include "gxa_api.h"

namespace host {

class Dialog;

class DialogFamily {
 public:
  static const GxaDialogFns* Table();
  // The live dialog behind a handle, or null.
  static Dialog* Resolve(GxaDialog* handle);

 private:
  static GxaDialog* Create(const GxaDialogCallbacks* callbacks, void* user);
  static void Destroy(GxaDialog* dlg);
  static void* UserOf(GxaDialog* dlg);
  static int32_t GadgetId(GxaDialog* dlg);
  static bool OpenModal(GxaDialog* dlg, const char* title, int32_t width, int32_t height);
  static void Close(GxaDialog* dlg);
  static int32_t DefaultMessage(GxaDialog* dlg, const GxaContainer* msg, GxaContainer* result);
  static bool SendParentMessage(GxaDialog* dlg, const GxaContainer* msg);
  static bool GroupBegin(GxaDialog* dlg, int32_t id, int32_t flags, int32_t cols, int32_t rows, const char* title,
                         int32_t groupFlags);
  static bool GroupEnd(GxaDialog* dlg);
  static bool GroupSpace(GxaDialog* dlg, int32_t x, int32_t y);
  static bool GroupBorderSpace(GxaDialog* dlg, int32_t left, int32_t top, int32_t right, int32_t bottom);
  static bool GroupBorder(GxaDialog* dlg, int32_t border);
  static bool ScrollGroupBegin(GxaDialog* dlg, int32_t id, int32_t flags, int32_t scrollFlags);
  static bool LayoutFlushGroup(GxaDialog* dlg, int32_t id);
  static bool LayoutChanged(GxaDialog* dlg, int32_t id);
  static bool GetVisibleArea(GxaDialog* dlg, int32_t id, int32_t* x1, int32_t* y1, int32_t* x2, int32_t* y2);
  static bool SetVisibleArea(GxaDialog* dlg, int32_t id, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  static bool SetSizeHints(GxaDialog* dlg, int32_t id, int32_t w, int32_t h);
  static void SetDragDestination(GxaDialog* dlg, int32_t cursor);
  static bool ColorDialog(double rgba[4], bool withAlpha, const char* title, int32_t profileMode);
  static bool Question(const char* text);
  static void MessageBox(const char* text);
  static bool TextPrompt(const char* title, const char* label, char* buf, size_t cap, const char* checkLabel,
                         bool* check);
};

}  // namespace host
