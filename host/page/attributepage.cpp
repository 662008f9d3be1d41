#include "page/attributepage.h"

#include "core/host.h"
#include "gui/dialog.h"
#include "gui/group.h"
#include "gui/statictext.h"
#include "gui/userarea.h"

namespace host {

namespace {

constexpr int32_t kObjectsQueryEntry = 2;
constexpr int32_t kSectionFlags = GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_TOP;
constexpr int kPageBorder = 8;
constexpr int kSectionInset = 6;
// The chooser's hex field: its text is a colour, which the clipboard keys copy and paste.
constexpr int32_t kHexField = 0x3F40001;

}  // namespace

Outcome<std::unique_ptr<AttributePage>> AttributePage::Create(Host& host) {
  auto plugin = ChooserPlugin::Find(host.Registrations());
  if (!plugin) return Outcome<std::unique_ptr<AttributePage>>::Fail(plugin.Error());
  return std::unique_ptr<AttributePage>(new AttributePage(host, plugin.Value()));
}

AttributePage::AttributePage(Host& host, ChooserPlugin plugin) : host_(host), plugin_(plugin) {}

AttributePage::~AttributePage() = default;

Outcome<ColorParameter*> AttributePage::Add(ParameterSpec spec) {
  if (Find(spec.key)) return Outcome<ColorParameter*>::Fail("there is already a parameter '" + spec.key + "'");
  if (spec.objects.empty()) return Outcome<ColorParameter*>::Fail("a parameter edits at least one object");
  Document* doc = host_.ActiveDocument();
  if (!doc) return Outcome<ColorParameter*>::Fail("no document is open");
  parameters_.push_back(std::make_unique<ColorParameter>(std::move(spec), nextGadgetId_++, *doc));
  ColorParameter& added = *parameters_.back();
  if (dialog_) {
    dialog_->Builder().Reset(dialog_->Root());
    const bool laidOut = LayOut(*dialog_, added);
    dialog_->LayoutChanged(0);
    if (!laidOut) return Outcome<ColorParameter*>::Fail("the chooser for '" + added.Key() + "' could not be made");
    ShowValue(added);
  }
  return &added;
}

ColorParameter* AttributePage::Find(const std::string& key) const {
  for (const auto& p : parameters_) {
    if (p->Key() == key) return p.get();
  }
  return nullptr;
}

bool AttributePage::CreateLayout(Dialog& dialog) {
  dialog_ = &dialog;
  dialog.Root().SetBorderSpace({kPageBorder, kPageBorder, kPageBorder, kPageBorder});
  bool ok = true;
  for (const auto& p : parameters_) ok = LayOut(dialog, *p) && ok;
  return ok;
}

bool AttributePage::LayOut(Dialog& dialog, ColorParameter& parameter) {
  DialogBuilder& b = dialog.Builder();
  Group& section = b.Begin(std::make_unique<Group>(0, kSectionFlags, 1, 0));
  section.SetTitle(parameter.Label());
  section.SetBorderSpace({kSectionInset, kSectionInset, kSectionInset, kSectionInset});
  auto chooser = plugin_.Embed(dialog, parameter.GadgetId(), kSectionFlags, parameter.Settings());
  b.End();
  parameter.SetChooser(chooser ? chooser.Value() : nullptr);
  if (chooser) chooser.Value()->MarkColorTextField(kHexField);
  if (!chooser) host_.Diag().Warn("attribute page: " + parameter.Key() + ": " + chooser.Error());
  return chooser.Ok();
}

bool AttributePage::InitValues(Dialog&) {
  for (const auto& p : parameters_) ShowValue(*p);
  return true;
}

void AttributePage::SetValues(ColorParameter& parameter, const std::vector<EditedObject>& objects) {
  parameter.Assign(objects);
  ShowValue(parameter);
}

Dialog* AttributePage::LiveChooser(const ColorParameter& parameter) const {
  Dialog* d = parameter.Chooser();
  return d ? Dialog::FromHandle(d->Handle()) : nullptr;
}

void AttributePage::ShowValue(ColorParameter& parameter) {
  Dialog* chooser = LiveChooser(parameter);
  if (!chooser) return;
  const ColorValue shown = parameter.Shown();
  const bool mixed = parameter.IsMixed();
  if (parameter.Form() != ColorForm::Brightness) {
    plugin_.SetData(*chooser, shown.ChooserValue(), mixed);
    return;
  }
  // The brightness and its maximum travel only in the set-value message.
  Container msg(GXA_MSG_SET_VALUE);
  msg.Set(GXA_MSG_VALUE, shown.ToHost());
  Container result;
  chooser->Message(msg, result);
  if (mixed) plugin_.SetData(*chooser, shown.ChooserValue(), true);
}

std::optional<TriStateValue> AttributePage::ChooserData(const ColorParameter& parameter) const {
  Dialog* chooser = LiveChooser(parameter);
  return chooser ? plugin_.GetData(*chooser) : std::nullopt;
}

std::optional<Container> AttributePage::ChooserState(const ColorParameter& parameter) const {
  Dialog* chooser = LiveChooser(parameter);
  if (!chooser) return std::nullopt;
  Container result;
  if (!chooser->Message(Container(GXA_MSG_GET_LAYOUT), result)) return std::nullopt;
  return result;
}

void AttributePage::PreferencesChanged() {
  const Container changed(GXA_MSG_PREFS_CHANGED);
  for (const auto& p : parameters_) {
    Dialog* chooser = LiveChooser(*p);
    if (!chooser) continue;
    Container result;
    chooser->Message(changed, result);
    // Its gadgets hear it too: the checkerboards re-read the theme.
    if (!LiveChooser(*p)) continue;
    for (GxaUserArea* handle : chooser->UserAreas()) {
      Container answer;
      if (UserArea* area = UserArea::FromHandle(handle)) area->Message(changed, answer);
    }
  }
}

ColorParameter* AttributePage::ParameterOf(const Widget* widget) const {
  for (const auto& p : parameters_) {
    Dialog* chooser = LiveChooser(*p);
    if (widget && chooser && widget->IsInside(&chooser->Root())) return p.get();
  }
  return nullptr;
}

ColorParameter* AttributePage::Sender(const Container& msg) const {
  const Value* id = msg.Find(GXA_MSG_ID);
  if (!id) return nullptr;
  for (const auto& p : parameters_) {
    if (id->AsInt32() == p->GadgetId()) return p.get();
  }
  return nullptr;
}

int32_t AttributePage::Message(Dialog& dialog, const Container& msg, Container& result) {
  ParentMessage record{{}, msg, {}};
  ColorParameter* sender = Sender(msg);
  int32_t answer = 0;
  if (sender) {
    record.key = sender->Key();
    answer = Handle(*sender, msg, record);
  }
  if (listener_) listener_(record);
  return answer ? answer : dialog.DefaultMessage(msg, result);
}

int32_t AttributePage::Handle(ColorParameter& parameter, const Container& msg, ParentMessage& record) {
  if (msg.Id() == GXA_MSG_PARENT_QUERY_OBJECTS) {
    auto* out = reinterpret_cast<Container*>(msg.GetInt64(kObjectsQueryEntry, 0));
    if (!out) return 0;
    int32_t index = 0;
    for (int64_t id : parameter.ObjectIds()) out->Set(index++, Value::LinkTo({id}));
    record.links = parameter.ObjectIds();
    record.message.Remove(kObjectsQueryEntry);
    return 1;
  }
  if (msg.Id() == GXA_MSG_ACTION) {
    const Value* value = msg.Find(GXA_MSG_VALUE);
    auto read = value ? ColorValue::FromHost(*value, parameter.Form(), parameter.Shown().maximum) : std::nullopt;
    if (read) parameter.Store(*read);
    return 1;
  }
  return 0;
}

}  // namespace host
