#include "automation/automationhost.h"

#include "automation/gadgetfinder.h"
#include "automation/screenshot.h"
#include "core/fourcc.h"
#include "gui/dialog.h"
#include "gui/gui.h"
#include "gui/guifamilies.h"
#include "gui/headlessfrontend.h"
#include "gui/screen.h"
#include "platform/platformfamily.h"

namespace host {

Outcome<std::unique_ptr<AutomationHost>> AutomationHost::Create(const AutomationOptions& options) {
  std::unique_ptr<AutomationHost> a(new AutomationHost());
  auto started = a->Start(options);
  if (!started) return Outcome<std::unique_ptr<AutomationHost>>::Fail(started.Error());
  return a;
}

Outcome<Done> AutomationHost::Start(const AutomationOptions& options) {
  using R = Outcome<Done>;
  if (options.host.home) {
    home_ = *options.host.home;
  } else {
    auto temp = TempHome::Create();
    if (!temp) return R::Fail(temp.Error());
    tempHome_.emplace(std::move(temp.Value()));
    home_ = tempHome_->Path();
  }
  HostOptions hostOptions = options.host;
  hostOptions.home = home_;
  auto created = Host::Create(hostOptions);
  if (!created) return R::Fail(created.Error());
  host_ = std::move(created.Value());
  host_->Prefs().Data().Merge(options.prefs);
  GuiFamilies::Install(*host_);
  host_->Table().Install(PlatformFamily::Table());
  // The screen takes the theme and scale from here on.
  auto frontend = std::make_unique<HeadlessFrontend>(Size{options.width, 0}, options.scale);
  frontend_ = frontend.get();
  Gui::Get().Answers().Clear();
  Gui::Get().SetFrontend(std::move(frontend));

  auto loaded = host_->LoadModule(options.module);
  if (!loaded) return R::Fail(loaded.Error());
  if (!loaded->Started())
    return R::Fail("the module did not start (action 2 answered " + std::to_string(loaded->start) + ")");
  auto shown = ShowPage();
  if (!shown) return shown;
  input_ = std::make_unique<InputDriver>(GetScreen(), *frontend_);
  GetScreen().Render();
  return Done{};
}

Outcome<Done> AutomationHost::ShowPage() {
  auto page = AttributePage::Create(*host_);
  if (!page) return Outcome<Done>::Fail(page.Error());
  page_ = page->get();
  page_->SetMessageListener([this](const AttributePage::ParentMessage& m) {
    messages_.push_back(m);
    if (parentListener_) parentListener_(m);
  });
  pageDialog_ = std::make_unique<Dialog>(std::move(page.Value()));
  GetScreen().ShowWindow(*pageDialog_);
  return Done{};
}

Outcome<Done> AutomationHost::Reload() {
  std::vector<ParameterSpec> specs;
  for (const auto& p : page_->Parameters()) {
    ParameterSpec spec{p->Key(), p->Label(), p->Settings(), {}};
    if (auto state = page_->ChooserState(*p)) spec.settings.SetContainer(FourCC("slda"), *state);
    const std::vector<ColorValue> values = p->Values();
    const std::vector<bool> marks = p->LinearMarks();
    for (size_t i = 0; i < values.size(); ++i) spec.objects.push_back({values[i], i < marks.size() && marks[i]});
    specs.push_back(std::move(spec));
  }
  pageDialog_->Close();
  pageDialog_.reset();
  page_ = nullptr;
  auto shown = ShowPage();
  if (!shown) return shown;
  for (ParameterSpec& spec : specs) {
    auto added = page_->Add(std::move(spec));
    if (!added) return Outcome<Done>::Fail(added.Error());
  }
  GetScreen().Render();
  return Done{};
}

AutomationHost::~AutomationHost() {
  // Choosers go before the screen, the screen before the module.
  if (pageDialog_) pageDialog_->Close();
  pageDialog_.reset();
  input_.reset();
  if (Gui::Exists()) {
    Gui::Get().SetObserver(nullptr);
    Gui::Get().Answers().Clear();
  }
  Gui::Shutdown();
  host_.reset();
}

Screen& AutomationHost::GetScreen() { return Gui::Get().GetScreen(); }

void AutomationHost::SetPrefs(const Container& entries) {
  Prefs().Merge(entries);
  page_->PreferencesChanged();
  GetScreen().Render();
}

Outcome<ColorParameter*> AutomationHost::Open(ParameterSpec spec) {
  auto added = page_->Add(std::move(spec));
  GetScreen().Render();
  return added;
}

Dialog* AutomationHost::Chooser(const std::string& key) const {
  ColorParameter* p = page_->Find(key);
  return p ? p->Chooser() : nullptr;
}

Outcome<Done> AutomationHost::SetValues(const std::string& key, const std::vector<ColorValue>& values,
                                        const std::optional<std::vector<bool>>& linear) {
  ColorParameter* p = page_->Find(key);
  if (!p) return Outcome<Done>::Fail("no chooser '" + key + "'");
  const std::vector<bool> marks = linear.value_or(p->LinearMarks());
  std::vector<EditedObject> objects;
  for (size_t i = 0; i < values.size(); ++i) objects.push_back({values[i], i < marks.size() && marks[i]});
  page_->SetValues(*p, objects);
  GetScreen().Render();
  return Done{};
}

std::optional<TriStateValue> AutomationHost::GetData(const std::string& key) const {
  ColorParameter* p = page_->Find(key);
  return p ? page_->ChooserData(*p) : std::nullopt;
}

std::optional<Container> AutomationHost::State(const std::string& key) const {
  ColorParameter* p = page_->Find(key);
  return p ? page_->ChooserState(*p) : std::nullopt;
}

Widget* AutomationHost::FindGadget(const std::string& key, std::optional<int32_t> id) const {
  ColorParameter* p = page_->Find(key);
  if (!p) return nullptr;
  if (!id) return pageDialog_->Find(p->GadgetId());
  Dialog* chooser = p->Chooser();
  return chooser && Dialog::FromHandle(chooser->Handle()) ? GadgetFinder::Find(*chooser, *id) : nullptr;
}

void AutomationHost::Answer(host::Answer answer) { Gui::Get().Answers().Push(std::move(answer)); }

Outcome<Bitmap> AutomationHost::Capture(Widget* gadget) {
  GetScreen().Render();
  return Screenshot::Capture(GetScreen().Frame(), gadget ? std::optional(gadget->GlobalFrame()) : std::nullopt);
}

Outcome<Bitmap> AutomationHost::SaveScreenshot(const std::filesystem::path& file, Widget* gadget) {
  GetScreen().Render();
  return Screenshot::Save(GetScreen().Frame(), gadget ? std::optional(gadget->GlobalFrame()) : std::nullopt, file);
}

}  // namespace host
