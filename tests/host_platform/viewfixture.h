#pragma once
// The view's window (tool bar, linear marks, the demo page with the real
// module's choosers) on a headless screen, for tests that drive it through
// the host's event path.
#include <gtest/gtest.h>

#include <memory>

#include "automation/inputdriver.h"
#include "automation/temphome.h"
#include "core/fourcc.h"
#include "core/host.h"
#include "gui/dialog.h"
#include "gui/gui.h"
#include "gui/guifamilies.h"
#include "gui/headlessfrontend.h"
#include "gui/screen.h"
#include "page/attributepage.h"
#include "page/demopage.h"
#include "platform/viewwindow.h"

namespace host::testing {

class ViewFixture {
 public:
  // prefs: world preferences set before the page opens.
  explicit ViewFixture(Size window = {900, 700}, const Container& prefs = Container(0)) {
    auto temp = TempHome::Create();
    if (!temp) throw std::runtime_error(temp.Error());
    home_.emplace(std::move(temp.Value()));
    HostOptions options;
    options.home = home_->Path();
    auto created = Host::Create(options);
    if (!created) throw std::runtime_error(created.Error());
    host_ = std::move(created.Value());
    host_->Prefs().Data().Merge(prefs);
    GuiFamilies::Install(*host_);
    auto frontend = std::make_unique<HeadlessFrontend>(window, 1);
    frontend_ = frontend.get();
    Gui::Get().SetFrontend(std::move(frontend));
    auto loaded = host_->LoadModule(GXA_MODULE_PATH);
    if (!loaded || !loaded->Started()) throw std::runtime_error("the module did not start");
    auto page = AttributePage::Create(*host_);
    if (!page) throw std::runtime_error(page.Error());
    page_ = page->get();
    for (ParameterSpec& spec : DemoPage::Parameters()) {
      spec.settings.SetInt32(FourCC("laym"), 2);  // expanded, as the view shows them
      page_->Add(std::move(spec));
    }
    pageDialog_ = std::make_unique<Dialog>(std::move(page.Value()));
    auto view = std::make_unique<ViewWindow>(*pageDialog_, *page_, "demo.gxd", ViewWindow::Actions{});
    view_ = view.get();
    window_ = std::make_unique<Dialog>(std::move(view));
    Screen().ShowWindow(*window_);
    Screen().Render();
    input_ = std::make_unique<InputDriver>(Screen(), *frontend_);
  }

  ~ViewFixture() {
    input_.reset();
    if (window_) window_->Close();
    window_.reset();
    pageDialog_.reset();
    Gui::Shutdown();
    host_.reset();
  }

  host::Screen& Screen() { return Gui::Get().GetScreen(); }
  Host& GetHost() { return *host_; }
  HeadlessFrontend& Frontend() { return *frontend_; }
  AttributePage& Page() { return *page_; }
  Dialog& Window() { return *window_; }
  ViewWindow& View() { return *view_; }
  InputDriver& Input() { return *input_; }

 private:
  std::optional<TempHome> home_;
  std::unique_ptr<Host> host_;
  HeadlessFrontend* frontend_ = nullptr;
  AttributePage* page_ = nullptr;
  std::unique_ptr<Dialog> pageDialog_;
  ViewWindow* view_ = nullptr;
  std::unique_ptr<Dialog> window_;
  std::unique_ptr<InputDriver> input_;
};

}  // namespace host::testing
