// The preset browser window on a headless screen: what it lists and draws,
// and that renaming and deleting through it change the library and nothing
// else. A damaged item shows up in the status line while the rest are listed.
#include <gtest/gtest.h>

#include <cmath>

#include "automation/inputdriver.h"
#include "automation/screenshot.h"
#include "automation/temphome.h"
#include "core/host.h"
#include "gui/answer.h"
#include "gui/dialog.h"
#include "gui/gui.h"
#include "gui/guifamilies.h"
#include "gui/headlessfrontend.h"
#include "gui/hostdialogs.h"
#include "gui/screen.h"
#include "pixel.h"
#include "presets/presetbrowserdialog.h"
#include "presets/presetgrid.h"
#include "tempfolder.h"

namespace host {
namespace {

constexpr int32_t kSwatchType = 1032074;

// A swatch thumbnail drawn the way the module draws one: grey, with a square
// grid of colour cells.
PresetThumbnail GridThumbnail(const std::vector<Rgba>& colors) {
  PresetThumbnail t{512, 512, std::vector<uint8_t>(512 * 512 * 3, 100)};
  const int side = std::clamp(int(std::ceil(std::sqrt(double(colors.size())))), 1, 20);
  const int pitch = 512 / side;
  for (size_t i = 0; i < std::min(colors.size(), size_t(side * side)); ++i) {
    const int cx = int(i) % side * pitch, cy = int(i) / side * pitch;
    for (int y = cy + 4; y < cy + pitch - 4; ++y) {
      for (int x = cx + 4; x < cx + pitch - 4; ++x) {
        uint8_t* p = &t.rgb[size_t(y * 512 + x) * 3];
        p[0] = colors[i].r, p[1] = colors[i].g, p[2] = colors[i].b;
      }
    }
  }
  return t;
}

PresetItem Swatches(const std::vector<Rgba>& colors) {
  PresetItem item;
  item.header.type = kSwatchType;
  item.data = {1, 2, 3};
  item.header.uncompressed_size = 3;
  item.thumbnail = GridThumbnail(colors);
  return item;
}

class PresetBrowserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto temp = TempHome::Create();
    ASSERT_TRUE(temp);
    home_.emplace(std::move(temp.Value()));
    HostOptions options;
    options.home = home_->Path();
    auto created = Host::Create(options);
    ASSERT_TRUE(created) << created.Error();
    host_ = std::move(created.Value());
    GuiFamilies::Install(*host_);
    auto frontend = std::make_unique<HeadlessFrontend>(Size{760, 600}, scale_);
    frontend_ = frontend.get();
    Gui::Get().SetFrontend(std::move(frontend));
    library_.emplace(host_->Paths()->DataDir());
    browser_.emplace(*library_, kSwatchType);
  }
  void TearDown() override {
    if (window_) window_->Close();
    window_.reset();
    Gui::Shutdown();
    host_.reset();
  }

  void Add(const std::string& url, const std::vector<Rgba>& colors) {
    auto written = library_->Write(PresetUrl::Parse(url).Value(), Swatches(colors), false);
    ASSERT_TRUE(written) << written.Error();
  }

  Dialog& Open(PresetBrowserActions actions = {}) {
    auto delegate = std::make_unique<PresetBrowserDialog>(*browser_, dialogs_, std::move(actions));
    delegate_ = delegate.get();
    window_ = std::make_unique<Dialog>(std::move(delegate));
    Screen().ShowWindow(*window_);
    Screen().Render();
    return *window_;
  }

  host::Screen& Screen() { return Gui::Get().GetScreen(); }
  PresetGrid& Grid() { return *static_cast<PresetGrid*>(window_->Find(PresetBrowserDialog::kGrid)); }
  std::string Text(int32_t id) { return window_->Find(id)->Text().value_or("?"); }
  bool Enabled(int32_t id) { return window_->Find(id)->IsEnabled(); }
  InputDriver Input() { return InputDriver(Screen(), *frontend_); }

  int scale_ = 1;
  std::optional<TempHome> home_;
  std::unique_ptr<Host> host_;
  HeadlessFrontend* frontend_ = nullptr;
  std::optional<PresetLibrary> library_;
  std::optional<PresetBrowser> browser_;
  HostDialogs dialogs_;
  std::unique_ptr<Dialog> window_;
  PresetBrowserDialog* delegate_ = nullptr;
};

const std::vector<Rgba> kWarm = {{230, 60, 40}, {240, 140, 30}, {250, 210, 60}};

TEST_F(PresetBrowserTest, ShowsEverySwatchPresetWithItsThumbnailAndName) {
  Add("preset:/user.libvx/Color Swatches/Sunset", kWarm);
  Add("preset:/user.libvx/Color Swatches/Sea", {{20, 60, 160}, {30, 140, 200}, {120, 200, 230}, {10, 30, 70}});
  PresetLibrary(home_->Path() / "data/gxa-host", true)
      .Write(PresetUrl::Parse("preset:/source.libvx/Color Swatches/Basics").Value(), Swatches({{0, 0, 0}}), false);
  PresetItem other = Swatches(kWarm);
  other.header.type = 99;
  ASSERT_TRUE(library_->Write(PresetUrl::Parse("preset:/user.libvx/Brushes/Round").Value(), other, false));
  Open();

  EXPECT_EQ(Grid().Count(), 3u);
  EXPECT_EQ(Text(PresetBrowserDialog::kCount), "3 presets");
  // Basics (shipped) first, then the user's in name order; the first is selected.
  EXPECT_EQ(browser_->Names(), (std::vector<std::string>{"Basics", "Sea", "Sunset"}));
  EXPECT_EQ(Grid().Selected(), 0);
  EXPECT_FALSE(Enabled(PresetBrowserDialog::kDelete));  // the shipped library stays as it is
  EXPECT_FALSE(Enabled(PresetBrowserDialog::kApply));   // nobody to apply it
  const Rect third = Grid().ThumbnailRect(2);
  Input().Click(Grid(), Point{third.x - Grid().Frame().x + 10, third.y - Grid().Frame().y + 10}, 1, 0, false);
  EXPECT_EQ(Grid().Selected(), 2);
  EXPECT_TRUE(Enabled(PresetBrowserDialog::kDelete));
  Screen().Render();

  // The third cell's thumbnail: a 2 x 2 grid, three warm cells and the grey of the empty fourth.
  const Bitmap frame = Screenshot::Capture(Screen().Frame(), std::nullopt).Value();
  const int thumbX = Grid().ThumbnailRect(2).x, thumbY = Grid().ThumbnailRect(2).y;
  EXPECT_EQ(choosertest::At(frame, thumbX + 24, thumbY + 24), (choosertest::Pixel{230, 60, 40}));
  EXPECT_EQ(choosertest::At(frame, thumbX + 72, thumbY + 24), (choosertest::Pixel{240, 140, 30}));
  EXPECT_EQ(choosertest::At(frame, thumbX + 72, thumbY + 72), (choosertest::Pixel{100, 100, 100}));
  if (const char* out = std::getenv("GXA_SCREENSHOT_DIR")) {
    Screenshot::Save(Screen().Frame(), std::nullopt, std::string(out) + "/presetbrowser.png");
  }
}

TEST_F(PresetBrowserTest, RenameAndDeleteChangeTheLibraryAfterAsking) {
  Add("preset:/user.libvx/Color Swatches/Sunset", kWarm);
  Add("preset:/user.libvx/Color Swatches/Sea", kWarm);
  Open();
  Grid().Select(1);
  Gui::Get().Answers().Push(Answer::Text("Dusk"));
  window_->Action(PresetBrowserDialog::kRename);
  EXPECT_EQ(browser_->Names(), (std::vector<std::string>{"Dusk", "Sea"}));
  EXPECT_EQ(Grid().Selected(), 0);
  EXPECT_EQ(delegate_->Status(), "Renamed 'Sunset' to 'Dusk'.");

  // A name already taken is refused and changes nothing.
  Gui::Get().Answers().Push(Answer::Text("Sea"));
  window_->Action(PresetBrowserDialog::kRename);
  EXPECT_NE(delegate_->Status().find("already exists"), std::string::npos) << delegate_->Status();
  EXPECT_EQ(browser_->Names(), (std::vector<std::string>{"Dusk", "Sea"}));

  Gui::Get().Answers().Push(Answer::Question(false));
  window_->Action(PresetBrowserDialog::kDelete);
  EXPECT_EQ(Grid().Count(), 2u);
  Gui::Get().Answers().Push(Answer::Question(true));
  window_->Action(PresetBrowserDialog::kDelete);
  EXPECT_EQ(browser_->Names(), (std::vector<std::string>{"Sea"}));
  EXPECT_FALSE(library_->Exists(PresetUrl::Parse("preset:/user.libvx/Color Swatches/Dusk").Value()));
  EXPECT_EQ(Grid().Selected(), 0);
}

TEST_F(PresetBrowserTest, ActionsGetTheSelectedPresetAndReportBack) {
  Add("preset:/user.libvx/Color Swatches/Sunset", kWarm);
  std::vector<std::string> applied;
  PresetBrowserActions actions;
  actions.apply = [&](const PresetUrl& url) -> Outcome<std::string> {
    applied.push_back(url.Text());
    return std::string("Applied.");
  };
  actions.importPalette = [&](const std::string& file) -> Outcome<PresetUrl> {
    if (file == "bad.gpl") return Outcome<PresetUrl>::Fail("bad.gpl: line 2: expected three numbers");
    EXPECT_TRUE(library_->Write(PresetUrl::Parse("preset:/user.libvx/Color Swatches/Imported").Value(), Swatches(kWarm),
                                false));
    return PresetUrl::Parse("preset:/user.libvx/Color Swatches/Imported").Value();
  };
  Open(std::move(actions));
  // A double click applies, as the Apply button does.
  Input().Click(Grid(), Point{60, 60}, 1, 0, true);
  EXPECT_EQ(applied, (std::vector<std::string>{"preset:/user.libvx/Color Swatches/Sunset"}));
  EXPECT_EQ(delegate_->Status(), "Applied.");

  Gui::Get().Answers().Push(Answer::Text("bad.gpl"));
  window_->Action(PresetBrowserDialog::kImport);
  EXPECT_EQ(delegate_->Status(), "Not imported: bad.gpl: line 2: expected three numbers");
  EXPECT_EQ(Grid().Count(), 1u);
  Gui::Get().Answers().Push(Answer::Text("good.ase"));
  window_->Action(PresetBrowserDialog::kImport);
  EXPECT_EQ(Grid().Count(), 2u);
  EXPECT_EQ(browser_->Items()[size_t(Grid().Selected())].url.Name(), "Imported");
  EXPECT_FALSE(Enabled(PresetBrowserDialog::kExport));  // no exporter given
}

TEST_F(PresetBrowserTest, ExportGroupOffersTheSelectedPresetsGroupsAndExportsTheOneChosen) {
  Add("preset:/user.libvx/Color Swatches/Sunset", kWarm);
  Add("preset:/user.libvx/Color Swatches/Tide", kWarm);
  std::vector<std::string> asked, exported;
  PresetBrowserActions actions;
  actions.groupsOf = [&](const PresetUrl& url) -> Outcome<std::vector<std::string>> {
    asked.push_back(url.Name());
    if (url.Name() == "Tide") return Outcome<std::vector<std::string>>::Fail("Tide is damaged: the names");
    return std::vector<std::string>{"Sunset_Group.1", "Sunset_Group.2 &d&"};
  };
  actions.exportPalette = [&](const PresetUrl& url, const std::string& file,
                              const std::string& group) -> Outcome<std::string> {
    exported.push_back(url.Name() + "|" + file + "|" + group);
    return std::string("Exported.");
  };
  Open(std::move(actions));
  ASSERT_TRUE(Enabled(PresetBrowserDialog::kExportGroup));

  // A group's name is shown as it is, even one that looks like a disabled mark, and can be chosen.
  Gui::Get().Answers().Push(Answer::MenuChoice(2));
  Gui::Get().Answers().Push(Answer::Text("late.ase"));
  window_->Action(PresetBrowserDialog::kExportGroup);
  EXPECT_EQ(exported, (std::vector<std::string>{"Sunset|late.ase|Sunset_Group.2 &d&"}));
  EXPECT_EQ(delegate_->Status(), "Exported.");

  // Dismissing the menu or the file request exports nothing.
  Gui::Get().Answers().Push(Answer::MenuDismiss());
  window_->Action(PresetBrowserDialog::kExportGroup);
  Gui::Get().Answers().Push(Answer::MenuChoice(1));
  Gui::Get().Answers().Push(Answer::TextCancel());
  window_->Action(PresetBrowserDialog::kExportGroup);
  EXPECT_EQ(exported.size(), 1u);

  // The whole preset still goes out through Export Palette.
  Gui::Get().Answers().Push(Answer::Text("all.gpl"));
  window_->Action(PresetBrowserDialog::kExport);
  EXPECT_EQ(exported.back(), "Sunset|all.gpl|");

  Grid().Select(1);
  window_->Action(PresetBrowserDialog::kExportGroup);
  EXPECT_EQ(delegate_->Status(), "Not exported: Tide is damaged: the names");
  EXPECT_EQ(asked, (std::vector<std::string>{"Sunset", "Sunset", "Sunset", "Tide"}));
}

TEST_F(PresetBrowserTest, ADamagedItemIsNamedInTheStatusAndTheRestListed) {
  Add("preset:/user.libvx/Color Swatches/A", kWarm);
  Add("preset:/user.libvx/Color Swatches/B", kWarm);
  const auto file = home_->Path() / "data/gxa-host/user.libvx/Color Swatches/B.gxp";
  auto bytes = TempFolder::ReadBytes(file);
  bytes.resize(20);
  TempFolder::WriteBytes(file, bytes);
  Open();
  EXPECT_EQ(browser_->Names(), (std::vector<std::string>{"A"}));
  EXPECT_NE(Text(PresetBrowserDialog::kStatus).find("1 damaged item was skipped"), std::string::npos);
  EXPECT_NE(Text(PresetBrowserDialog::kStatus).find("B.gxp"), std::string::npos);
  EXPECT_EQ(TempFolder::ReadBytes(file), bytes);
}

class PresetBrowserAtScale2 : public PresetBrowserTest {
 protected:
  PresetBrowserAtScale2() { scale_ = 2; }
};

TEST_F(PresetBrowserAtScale2, ThumbnailsKeepTheirSharpnessAndTheEmptyLibrarySaysWhatToDo) {
  Open();
  EXPECT_EQ(Grid().Count(), 0u);
  Add("preset:/user.libvx/Color Swatches/Many", std::vector<Rgba>(400, Rgba{10, 200, 90}));
  Add("preset:/user.libvx/Color Swatches/A very long preset name that cannot fit", kWarm);
  window_->Close();
  Open();
  const Bitmap frame = Screenshot::Capture(Screen().Frame(), std::nullopt).Value();
  // Physical pixels: the 192-pixel thumbnail of a 20 x 20 grid keeps grey gaps between cells.
  const int x = Grid().ThumbnailRect(1).x * 2, y = Grid().ThumbnailRect(1).y * 2;
  // A row through the first cells crosses 20 separate green runs.
  int runs = 0;
  bool inGreen = false;
  for (int i = 0; i < 192; ++i) {
    const choosertest::Pixel p = choosertest::At(frame, x + i, y + 12);
    const bool green = p.g > 150 && p.r < 60;
    runs += green && !inGreen;
    inGreen = green;
  }
  EXPECT_EQ(runs, 20);
  if (const char* out = std::getenv("GXA_SCREENSHOT_DIR")) {
    Screenshot::Save(Screen().Frame(), std::nullopt, std::string(out) + "/presetbrowser-2x.png");
  }
}

}  // namespace
}  // namespace host
