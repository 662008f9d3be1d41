#pragma once
// A host dialog: a tree of gadgets under one root group, and the code behind
// it (a DialogDelegate: the module's callbacks or a host dialog in C++). A
// dialog is shown as a window, run as a modal dialog, or embedded in another
// dialog as a sub-dialog or a custom GUI gadget. GxaDialog handles are
// Dialog objects.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "core/container.h"
#include "gui/dialogbuilder.h"
#include "gui/dialogdelegate.h"
#include "gui/group.h"
#include "gxa_api.h"

namespace host {

class SubDialogWidget;
class UserArea;

class Dialog {
 public:
  explicit Dialog(std::unique_ptr<DialogDelegate> delegate);
  ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Null for a handle that is not a live dialog.
  static Dialog* FromHandle(GxaDialog* handle);
  GxaDialog* Handle() { return reinterpret_cast<GxaDialog*>(this); }

  DialogDelegate& Delegate() { return *delegate_; }
  Group& Root() { return *root_; }
  DialogBuilder& Builder() { return builder_; }
  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }

  // The first gadget with id (not 0) of this dialog, not looking into
  // embedded dialogs; null when there is none.
  Widget* Find(int32_t id) const;
  // Every dialog embedded in this one, at any depth.
  void ForEachEmbedded(const std::function<void(Dialog&)>& visit);
  // Handles of this dialog's own user areas (not those of embedded dialogs),
  // to be checked before each use when calling into the module in between.
  std::vector<GxaUserArea*> UserAreas() const;

  // --- embedding
  SubDialogWidget* HostWidget() const { return host_; }
  void SetHostWidget(SubDialogWidget* host) { host_ = host; }
  Dialog* ParentDialog() const;
  int32_t GadgetId() const;

  // --- life cycle: builds the gadgets anew, then fills them
  bool BuildLayout();
  bool InitValues();
  // Ends the dialog's window or modal run (what the host does on close).
  void Close();
  void SetCloseHandler(std::function<void()> handler) { closeHandler_ = std::move(handler); }
  // The user asks to close it: true when the dialog agreed and was closed.
  bool RequestClose();

  // --- messages
  int32_t Message(const Container& msg, Container& result);
  int32_t DefaultMessage(const Container& msg, Container& result);
  bool Command(int32_t id, const Container& msg);
  bool CoreMessage(int32_t id, const Container& msg);
  bool SendParentMessage(const Container& msg);
  // A gadget's value changed through the user: 'bACT' with 'meid', and the
  // value and drag state when given, goes through Message to Command.
  // enterCommit marks a text commit by Enter ('mest' = 1): the field keeps focus.
  void Action(int32_t id, const std::optional<Value>& value = std::nullopt, std::optional<bool> dragging = std::nullopt,
              bool enterCommit = false);

  // --- layout changes
  bool FlushGroup(int32_t id);
  // Lays the dialog's layer out again and tells the parent dialog.
  bool LayoutChanged(int32_t id);
  // A text field of this dialog that shows a colour as hex (a chooser's hex
  // field): Ctrl+C and Ctrl+V there copy and paste colours. Kept across
  // rebuilds of the layout.
  void MarkColorTextField(int32_t id) { colorTextFields_.insert(id); }
  bool IsColorTextField(int32_t id) const { return colorTextFields_.count(id) != 0; }

  int32_t DragDestinationCursor() const { return dragCursor_; }
  void SetDragDestinationCursor(int32_t cursor) { dragCursor_ = cursor; }

 private:
  Widget* FindIn(Widget& w, int32_t id) const;
  // Tells the parent dialogs, up the chain, that the layout changed.
  void AnnounceLayout();

  // While a change is announced upwards the parents need not lay out again:
  // embedded dialogs share their parent's layer.
  static int announcing_;

  std::unique_ptr<DialogDelegate> delegate_;
  std::unique_ptr<Group> root_;
  DialogBuilder builder_;
  SubDialogWidget* host_ = nullptr;
  std::function<void()> closeHandler_;
  std::string title_;
  int32_t dragCursor_ = GXA_CURSOR_ARROW;
  std::set<int32_t> colorTextFields_;
};

}  // namespace host
