#pragma once
// The gadget entries of the dialog family: adding gadgets, attaching user
// areas, sub-dialogs and custom GUIs, and the gadgets' values and states.
#include <memory>

#include "gxa_api.h"

namespace host {

class Dialog;
class Widget;

class DialogGadgetFamily {
 public:
  static bool AddStaticText(GxaDialog* dlg, int32_t id, int32_t flags, int32_t w, int32_t h, const char* text,
                            int32_t border);
  static bool AddNumberField(GxaDialog* dlg, int32_t id, int32_t flags, int32_t w, int32_t h, bool arrows);
  static bool AddEditText(GxaDialog* dlg, int32_t id, int32_t flags, int32_t w, int32_t h);
  static bool AddCheckbox(GxaDialog* dlg, int32_t id, int32_t flags, int32_t w, int32_t h, const char* name);
  static bool AddButton(GxaDialog* dlg, int32_t id, int32_t flags, int32_t w, int32_t h, const char* name);
  static bool AddCombobox(GxaDialog* dlg, int32_t id, int32_t flags, int32_t w, int32_t h);
  static bool AddChild(GxaDialog* dlg, int32_t id, int32_t childId, const char* text);
  static bool AddSeparator(GxaDialog* dlg, int32_t flags, bool horizontal);
  static bool AddUserArea(GxaDialog* dlg, int32_t id, int32_t flags, int32_t w, int32_t h);
  static bool AttachUserArea(GxaDialog* dlg, int32_t id, GxaUserArea* ua, int32_t uaFlags);
  static bool AddCustomGui(GxaDialog* dlg, int32_t id, int32_t pluginId, const char* name, int32_t flags, int32_t w,
                           int32_t h, const GxaContainer* settings);
  static bool AddSubDialog(GxaDialog* dlg, int32_t id, int32_t flags, int32_t w, int32_t h);
  static bool AttachSubDialog(GxaDialog* dlg, int32_t id, GxaDialog* sub);

  static bool SetInt32(GxaDialog* dlg, int32_t id, int32_t value, int32_t min, int32_t max, int32_t step,
                       int32_t tristate);
  static bool SetFloat(GxaDialog* dlg, int32_t id, double value, double min, double max, double step, int32_t unit,
                       double inputMin, double inputMax, int32_t tristate);
  static bool SetString(GxaDialog* dlg, int32_t id, const char* text);
  static bool SetBool(GxaDialog* dlg, int32_t id, bool value);
  static bool SetData(GxaDialog* dlg, int32_t id, const GxaData* value);
  static bool GetInt32(GxaDialog* dlg, int32_t id, int32_t* out);
  static bool GetFloat(GxaDialog* dlg, int32_t id, double* out);
  static int64_t GetString(GxaDialog* dlg, int32_t id, char* buf, size_t cap);
  static bool GetBool(GxaDialog* dlg, int32_t id, bool* out);
  static bool GetData(GxaDialog* dlg, int32_t id, GxaData* out);
  static bool Enable(GxaDialog* dlg, int32_t id, bool enabled);
  static bool IsEnabled(GxaDialog* dlg, int32_t id);
  static bool Hide(GxaDialog* dlg, int32_t id, bool hidden);
  static bool SetFocus(GxaDialog* dlg, int32_t id);

 private:
  // Adds widget with its hints into the dialog's current group.
  static bool Add(GxaDialog* dlg, std::unique_ptr<Widget> widget, int32_t w, int32_t h);
  static Widget* Find(GxaDialog* dlg, int32_t id);
  static bool AddModuleCustomGui(Dialog& dialog, int32_t id, int32_t pluginId, int32_t flags, int32_t w, int32_t h,
                                 const GxaContainer* settings);
};

}  // namespace host
