#include "gui/screen.h"

#include <algorithm>

#include "core/host.h"
#include "core/modulecall.h"
#include "gui/dialog.h"
#include "gui/draganddrop.h"
#include "gui/gui.h"
#include "gui/menurunner.h"
#include "gui/modalframe.h"
#include "gui/subdialogwidget.h"
#include "gui/userarea.h"
#include "gui/userareawidget.h"
#include "gxa_api.h"

namespace host {

namespace {

Screen* g_hooked = nullptr;

void ForgetWidget(Widget* w) {
  if (g_hooked) g_hooked->Router().Forget(w);
}

}  // namespace

Screen::Screen(std::unique_ptr<Frontend> frontend) : frontend_(std::move(frontend)), router_(*this) {
  g_hooked = this;
  Widget::SetDestroyHook(&ForgetWidget);
  // Icons the module asks for come at the host's interface scale: the same.
  if (Host* h = Host::Current()) h->SetInterfaceScale(Scale());
  SyncTheme();
}

void Screen::SyncTheme() {
  Host* h = Host::Current();
  if (!h) return;
  const auto theme = InterfaceColors::ThemeFromPreference(h->Prefs().Data().GetInt32(WorldPreferences::kTheme, 0));
  if (theme == colors_.GetTheme()) return;
  colors_.SetTheme(theme);
  for (const auto& l : layers_) l->SetFullRepaint(true);
}

Screen::~Screen() {
  while (!layers_.empty()) PopLayer(*layers_.back());
  if (g_hooked == this) {
    g_hooked = nullptr;
    Widget::SetDestroyHook(nullptr);
  }
}

Layer& Screen::PushLayer(std::unique_ptr<Layer> layer) {
  layers_.push_back(std::move(layer));
  Layer& added = *layers_.back();
  if (added.IsModal()) router_.LayerPushed(added);
  return added;
}

void Screen::PopLayer(Layer& layer) {
  auto it = std::find_if(layers_.begin(), layers_.end(), [&](const auto& l) { return l.get() == &layer; });
  if (it == layers_.end()) return;
  modals_.erase(std::remove_if(modals_.begin(), modals_.end(), [&](const auto& m) { return m.first == &layer; }),
                modals_.end());
  std::unique_ptr<Layer> owned = std::move(*it);
  layers_.erase(it);
  if (owned->IsModal()) router_.LayerPopped(*owned);
  owned.reset();
  if (Layer* window = WindowLayer()) window->SetFullRepaint(true);
}

Layer* Screen::WindowLayer() const {
  for (const auto& l : layers_) {
    if (l->GetKind() == Layer::Kind::Window) return l.get();
  }
  return nullptr;
}

std::vector<Layer*> Screen::Layers() const {
  std::vector<Layer*> out;
  for (const auto& l : layers_) out.push_back(l.get());
  return out;
}

Dialog* Screen::ModalDialog(Layer& layer) const {
  for (const auto& [l, d] : modals_) {
    if (l == &layer) return d;
  }
  return nullptr;
}

std::vector<Dialog*> Screen::OpenDialogs() const {
  std::vector<Dialog*> out;
  for (const auto& l : layers_) {
    Dialog* d = l->OwnerDialog() ? l->OwnerDialog() : ModalDialog(*l);
    if (!d) continue;
    out.push_back(d);
    d->ForEachEmbedded([&](Dialog& e) { out.push_back(&e); });
  }
  return out;
}

Layer& Screen::ShowWindow(Dialog& dialog) {
  if (Layer* old = WindowLayer()) {
    if (Dialog* previous = old->OwnerDialog()) previous->Close();
  }
  if (Layer* old = WindowLayer()) PopLayer(*old);
  auto layer = std::make_unique<Layer>(Layer::Kind::Window, dialog.Root(), &dialog);
  Layer& shown = *layer;
  layers_.insert(layers_.begin(), std::move(layer));
  dialog.SetCloseHandler([this, &shown] {
    if (Dialog* d = shown.OwnerDialog()) d->Delegate().DestroyWindow(*d);
    PopLayer(shown);
  });
  dialog.BuildLayout();
  dialog.InitValues();
  shown.SetSize(frontend_->WindowSize());
  shown.Relayout();
  return shown;
}

bool Screen::CloseWindow() {
  Layer* window = WindowLayer();
  Dialog* dialog = window ? window->OwnerDialog() : nullptr;
  return dialog && dialog->RequestClose();
}

Size Screen::WindowSize() const {
  const Size s = frontend_->WindowSize();
  if (s.w > 0 && s.h > 0) return s;
  if (Layer* window = WindowLayer()) {
    window->EnsureLayout();
    return window->GetSize();
  }
  if (Layer* top = TopLayer()) {
    top->EnsureLayout();
    return top->GetSize();
  }
  return {};
}

void Screen::CenterLayer(Layer& layer) {
  layer.EnsureLayout();
  const Size window = WindowSize();
  const Size size = layer.GetSize();
  layer.SetOrigin({std::max(0, (window.w - size.w) / 2), std::max(0, (window.h - size.h) / 3)});
}

bool Screen::RunModal(Dialog& dialog, const std::string& title, Size minimum,
                      const std::function<void(Dialog&)>& whenShown) {
  auto frame = std::make_unique<ModalFrame>(title);
  ModalFrame& modalFrame = *frame;
  Layer& layer = PushLayer(std::make_unique<Layer>(Layer::Kind::Modal, std::move(frame)));
  modals_.emplace_back(&layer, &dialog);
  bool closed = false;
  dialog.SetTitle(title);
  dialog.SetCloseHandler([&closed] { closed = true; });
  modalFrame.Slot().Attach(dialog);
  layer.SetMinimumSize(minimum);
  CenterLayer(layer);
  // A dialog that asks for something (it has an OK) is typed into at once;
  // a settings window starts at its first control.
  if (dialog.Find(1)) router_.FocusFirstField(layer);
  else router_.CycleFocus(layer, false);
  if (whenShown) whenShown(dialog);
  const bool answered = closed || RunUntil([&] { return closed; });
  if (!closed) {
    // Nobody answered: cancel as the Cancel button would, or just close.
    if (dialog.Find(2)) dialog.Action(2);
    if (!closed) dialog.Close();
  }
  dialog.SetCloseHandler(nullptr);
  dialog.Delegate().DestroyWindow(dialog);
  PopLayer(layer);
  return answered;
}

void Screen::DismissPopup(Layer& layer) {
  if (layer.GetKind() != Layer::Kind::Popup) return;
  if (auto* menu = dynamic_cast<MenuWidget*>(layer.Root())) menu->Dismiss();
}

void Screen::Render() {
  SyncTheme();
  bool changed = false;
  for (const auto& l : layers_) {
    if (l->GetKind() == Layer::Kind::Window) l->SetSize(frontend_->WindowSize());
    // A layout changed by a gadget while it drew is painted at once.
    for (int pass = 0; pass < 3 && compositor_.PaintLayer(*l, Scale(), colors_, router_.Focus()); ++pass) {
      changed = true;
      if (!l->NeedsFullRepaint() && !l->NeedsLayout()) break;
    }
  }
  // An unchanged screen is not composed and shown again: loops poll often.
  const std::vector<Layer*> layers = Layers();
  std::vector<Rect> bounds;
  for (Layer* l : layers) bounds.push_back(l->Bounds());
  const Size window = WindowSize();
  const bool sameFrame = bounds == shownBounds_ && frame_.LogicalWidth() == window.w &&
                         frame_.LogicalHeight() == window.h && frame_.Scale() == Scale();
  if (!changed && sameFrame) return;
  shownBounds_ = std::move(bounds);
  // Only what the layers painted is composed and shown, unless they moved.
  std::vector<Rect> damage;
  for (Layer* l : layers) {
    for (const Rect& r : l->TakeDamage()) {
      const Point o = l->Origin();
      damage.push_back({(r.x + o.x) * Scale(), (r.y + o.y) * Scale(), r.w * Scale(), r.h * Scale()});
    }
  }
  if (!sameFrame) damage.assign(1, {0, 0, window.w * Scale(), window.h * Scale()});
  compositor_.Compose(layers, window, Scale(), colors_, frame_, damage);
  if (!frame_.IsEmpty() && !damage.empty()) frontend_->Present(frame_, damage);
}

bool Screen::Dispatch(const InputEvent& e) {
  input_.Update(e);
  ModuleCall call;
  const bool handled = router_.Dispatch(e);
  FireTimers();
  return handled;
}

bool Screen::Pump() {
  for (;;) {
    Render();
    InputEvent e;
    const int64_t wait = timers_.WaitFrom(frontend_->NowMs());
    switch (frontend_->NextEvent(e, wait < 0 ? kPollMs : int(std::min<int64_t>(wait, kPollMs)))) {
      case Frontend::Poll::Event: Dispatch(e); break;
      case Frontend::Poll::Idle: FireTimers(); return true;
      case Frontend::Poll::Exhausted: Render(); return false;
    }
  }
}

Frontend::Poll Screen::PollNested(InputEvent& out) {
  if (leaving_) return Frontend::Poll::Exhausted;
  Render();
  Frontend::Poll poll = frontend_->NextEvent(out, kPollMs);
  if (poll == Frontend::Poll::Event && nestedFilter_ && nestedFilter_(out)) {
    poll = leaving_ ? Frontend::Poll::Exhausted : Frontend::Poll::Idle;
  }
  if (poll == Frontend::Poll::Event) input_.Update(out);
  return poll;
}

bool Screen::RunUntil(const std::function<bool()>& done) {
  while (!done()) {
    InputEvent e;
    switch (PollNested(e)) {
      case Frontend::Poll::Event: router_.Dispatch(e); break;
      case Frontend::Poll::Idle: FireTimers(); break;
      case Frontend::Poll::Exhausted: return done();
    }
  }
  Render();
  return true;
}

void Screen::FireTimers() {
  if (timers_.IsEmpty()) return;
  for (UserArea* area : timers_.TakeDue(frontend_->NowMs())) {
    if (!UserArea::FromHandle(area->Handle())) continue;
    const Container msg(GXA_MSG_TIMER);
    Container result;
    area->Message(msg, result);
  }
}

bool Screen::KeepAlive() { return !leaving_ && frontend_->KeepAlive(); }

void Screen::ComposeShown(const std::vector<Layer*>& layers, const Rect& logical) {
  if (frame_.IsEmpty()) return;
  const int scale = frame_.Scale();
  const std::vector<Rect> damage{{logical.x * scale, logical.y * scale, logical.w * scale, logical.h * scale}};
  // The frame keeps its size: a window resized meanwhile is laid out after the call.
  compositor_.Compose(layers, {frame_.LogicalWidth(), frame_.LogicalHeight()}, scale, colors_, frame_, damage);
  frontend_->Present(frame_, damage);
}

void Screen::PresentOverlay(Layer& overlay) {
  if (frame_.IsEmpty()) {
    // Work before the first frame (a picture the document reopens): the
    // window shows its background and the progress, nothing laid out yet.
    const Size window = frontend_->WindowSize();
    if (window.w <= 0 || window.h <= 0) return;
    frame_.Resize(window.w, window.h, Scale());
  }
  compositor_.PaintLayer(overlay, frame_.Scale(), colors_, nullptr);
  std::vector<Layer*> layers = Layers();
  std::vector<Rect> bounds;
  for (Layer* l : layers) bounds.push_back(l->Bounds());
  layers.push_back(&overlay);
  // A dialog closed just before the work began leaves the frame whole
  // again, as its layers last painted it.
  const bool closed = bounds != shownBounds_;
  shownBounds_ = std::move(bounds);
  ComposeShown(layers, closed ? Rect{0, 0, frame_.LogicalWidth(), frame_.LogicalHeight()} : overlay.Bounds());
}

void Screen::RemoveOverlay(const Layer& overlay) { ComposeShown(Layers(), overlay.Bounds()); }

Rect Screen::StatusArea(int height) const {
  if (statusArea_) return statusArea_();
  // Nothing is laid out for it: the window may be in the middle of a build.
  const Size window = frame_.IsEmpty() ? frontend_->WindowSize() : Size{frame_.LogicalWidth(), frame_.LogicalHeight()};
  return {0, window.h - height, window.w, height};
}

int32_t Screen::RunMenu(const MenuModel& menu, Point global) {
  Gui& gui = Gui::Get();
  return MenuRunner(*this, gui.Answers(), gui.Observer()).Run(menu, global);
}

std::optional<std::string> Screen::AskFile(const std::string& title, const std::string& current) {
  return Gui::Get().Dialogs().AskFile(title, current);
}

std::optional<std::string> Screen::AskFile(const FileRequest& request) { return Gui::Get().Dialogs().AskFile(request); }

bool Screen::RunDrag(int32_t type, const Value& data) { return DragAndDrop(*this).Run(type, data); }

bool Screen::DropFiles(const InputEvent& e) { return DragAndDrop(*this).DropFiles(e); }

void Screen::DeliverCoreMessage(int32_t id, const Container& msg) {
  for (Dialog* d : OpenDialogs()) {
    if (!Dialog::FromHandle(d->Handle())) continue;
    d->CoreMessage(id, msg);
    // The dialog's user areas hear it after the dialog, if it still stands.
    if (!Dialog::FromHandle(d->Handle())) continue;
    for (GxaUserArea* handle : d->UserAreas()) {
      if (UserArea* area = UserArea::FromHandle(handle)) area->CoreMessage(id, msg);
    }
  }
}

void Screen::GlobalChange() {
  for (const auto& l : layers_) {
    l->RequestLayout();
    l->SetFullRepaint(true);
  }
}

void Screen::ForgetArea(UserArea& area) { timers_.Remove(area); }

void Screen::ForgetDialog(Dialog& dialog) {
  for (size_t i = layers_.size(); i-- > 0;) {
    if (i < layers_.size() && layers_[i]->OwnerDialog() == &dialog) PopLayer(*layers_[i]);
  }
}

}  // namespace host
