#pragma once
// A host dialog driven by virtual operations. The constructor creates the
// host dialog with a callback table that forwards to the virtuals below;
// dialogs->user_of(handle) is this object (as GeDialog*). Layout helpers
// are valid inside CreateLayout, or between LayoutFlushGroup and
// LayoutChanged. While the dialog builds, a gadget's request to lay out
// again waits for the build's own announcement: granted at once it would
// move the host's layout cursor out of the group being built, and the rest
// of the build would land beside it.
//
// A subclass overrides what it needs:
//   class NameDialog : public GeModalDialog {
//     bool CreateLayout() override { GroupBegin(0, 63, 1, 0); AddEditText(1000, 56, 80, 0); ... }
//     bool Command(std::int32_t id, const BaseContainer& msg) override { ... }
//   };
#include <cstdint>

#include "basecontainer.h"
#include "gxa_api.h"
#include "gxastring.h"

class GeData;
class GeUserArea;

class GeDialog
{
public:
  GeDialog();
  virtual ~GeDialog();
  GeDialog(const GeDialog&) = delete;
  GeDialog& operator=(const GeDialog&) = delete;

  // Host operations, in the host's slot order.
  virtual bool CreateLayout();
  virtual bool InitValues();
  virtual bool CoreMessage(std::int32_t id, const BaseContainer& msg);
  virtual bool Command(std::int32_t id, const BaseContainer& msg);
  // True keeps the dialog open.
  virtual bool AskClose();
  virtual void Timer(const BaseContainer& msg);
  virtual void DestroyWindow();
  // Non-zero when handled; the default passes msg to the host.
  virtual std::int32_t Message(const BaseContainer& msg, BaseContainer& result);

  // Null when the host could not create the dialog, or after it destroyed it.
  GxaDialog* GetHandle() const { return _dlg; }
  // The object behind a handle made by a GeDialog; null for others.
  static GeDialog* FromHandle(GxaDialog* dlg);
  // The gadget ID under which the parent shows this dialog; 0 for a window.
  std::int32_t GetId() const;
  bool SendParentMessage(const BaseContainer& msg);
  void Close();

  // Groups.
  bool GroupBegin(std::int32_t id, std::int32_t flags, std::int32_t cols, std::int32_t rows,
                  const String& title = String(), std::int32_t groupFlags = 0);
  bool GroupEnd();
  bool GroupSpace(std::int32_t x, std::int32_t y);
  bool GroupBorderSpace(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
  bool GroupBorder(std::int32_t border);
  bool ScrollGroupBegin(std::int32_t id, std::int32_t flags, std::int32_t scrollFlags);
  bool LayoutFlushGroup(std::int32_t id);
  // Minimum size hints of a gadget or group laid out already (pixels << 14).
  bool SetSizeHints(std::int32_t id, std::int32_t w, std::int32_t h);
  bool LayoutChanged(std::int32_t id);
  // Inside CreateLayout, or between LayoutFlushGroup and LayoutChanged.
  bool IsBuildingLayout() const { return _building; }
  bool GetVisibleArea(std::int32_t scrollId, std::int32_t& x1, std::int32_t& y1, std::int32_t& x2, std::int32_t& y2);
  bool SetVisibleArea(std::int32_t scrollId, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

  // Gadgets. Width and height are hints (GXA_SIZE_PIXELS or text tenths).
  bool AddStaticText(std::int32_t id, std::int32_t flags, std::int32_t w, std::int32_t h, const String& text,
                     std::int32_t border = 0);
  bool AddEditNumber(std::int32_t id, std::int32_t flags, std::int32_t w = 0, std::int32_t h = 0);
  bool AddEditNumberArrows(std::int32_t id, std::int32_t flags, std::int32_t w = 0, std::int32_t h = 0);
  bool AddEditText(std::int32_t id, std::int32_t flags, std::int32_t w = 0, std::int32_t h = 0);
  bool AddCheckbox(std::int32_t id, std::int32_t flags, std::int32_t w, std::int32_t h, const String& name);
  bool AddButton(std::int32_t id, std::int32_t flags, std::int32_t w, std::int32_t h, const String& name);
  bool AddComboBox(std::int32_t id, std::int32_t flags, std::int32_t w = 0, std::int32_t h = 0);
  bool AddChild(std::int32_t id, std::int32_t childId, const String& text);
  bool AddSeparatorH(std::int32_t flags);
  bool AddSeparatorV(std::int32_t flags);
  bool AddUserArea(std::int32_t id, std::int32_t flags, std::int32_t w = 0, std::int32_t h = 0);
  bool AttachUserArea(GeUserArea& area, std::int32_t id, std::int32_t areaFlags = 0);
  bool AddCustomGui(std::int32_t id, std::int32_t pluginId, const String& name, std::int32_t flags, std::int32_t w,
                    std::int32_t h, const BaseContainer& settings);
  bool AddSubDialog(std::int32_t id, std::int32_t flags, std::int32_t w = 0, std::int32_t h = 0);
  bool AttachSubDialog(GeDialog& sub, std::int32_t id);

  // Values; tristate shows the gadget's mixed-value state.
  bool SetInt32(std::int32_t id, std::int32_t value, std::int32_t min, std::int32_t max, std::int32_t step = 1,
                bool tristate = false);
  bool SetFloat(std::int32_t id, double value, double min, double max, double step, std::int32_t unit = GXA_UNIT_REAL,
                bool tristate = false);
  // With a typed-input range apart from the slider range.
  bool SetFloat(std::int32_t id, double value, double min, double max, double step, std::int32_t unit, double inputMin,
                double inputMax, bool tristate);
  bool SetString(std::int32_t id, const String& text);
  bool SetBool(std::int32_t id, bool value);
  bool SetData(std::int32_t id, const GeData& value);
  bool GetInt32(std::int32_t id, std::int32_t& out) const;
  bool GetFloat(std::int32_t id, double& out) const;
  bool GetString(std::int32_t id, String& out) const;
  bool GetBool(std::int32_t id, bool& out) const;
  bool GetData(std::int32_t id, GeData& out) const;

  bool Enable(std::int32_t id, bool enabled);
  bool IsEnabled(std::int32_t id) const;
  bool HideElement(std::int32_t id, bool hidden);
  bool Activate(std::int32_t id);
  // The cursor shown while a drag hovers this dialog.
  void SetDragDestination(std::int32_t cursor);

protected:
  std::int32_t DefaultMessage(const BaseContainer& msg, BaseContainer& result);

private:
  static const GxaDialogCallbacks kCallbacks;
  static void OnDestroyed(void* user);
  static bool OnCreateLayout(void* user);
  static bool OnInitValues(void* user);
  static bool OnCoreMessage(void* user, std::int32_t id, const GxaContainer* msg);
  static bool OnCommand(void* user, std::int32_t id, const GxaContainer* msg);
  static bool OnAskClose(void* user);
  static void OnTimer(void* user, const GxaContainer* msg);
  static void OnDestroyWindow(void* user);
  static std::int32_t OnMessage(void* user, const GxaContainer* msg, GxaContainer* result);

  GxaDialog* _dlg = nullptr;
  bool _building = false;
};
