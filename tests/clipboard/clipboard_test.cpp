// The system clipboard through the host, with the headless front end
// standing in for the desktop's: Copy Color and Ctrl+C in the hex field put
// colour text there in the preferred form, Ctrl+V in the hex field and the
// host's paste over a chooser take colour text from any program, text that
// is no colour is refused with a notice and changes nothing, and the
// module's own clipboard still copies between choosers at full precision.
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "chooserpagetest.h"
#include "core/worldpreferences.h"
#include "gui/gui.h"
#include "gui/headlessfrontend.h"
#include "gui/hostclipboard.h"
#include "gui/screen.h"
#include "gui/textfield.h"
#include "hostprocess.h"
#include "page/choosercolortext.h"
#include "tempfolder.h"

namespace choosertest {
namespace {
constexpr std::int32_t kMenuCopy = 900002;
constexpr std::int32_t kMenuPaste = 900003;
constexpr std::int32_t kCtrl = 2;
using Selection = host::Frontend::Selection;

class ClipboardTest : public ChooserPageTest {
 protected:
  void StartWith(std::int32_t format = 0) {
    host::Container prefs = Modes({kPrefHex});
    prefs.SetInt32(host::WorldPreferences::kClipboardFormat, format);
    Start(prefs, 400);
  }

  host::HeadlessFrontend& Desktop() { return dynamic_cast<host::HeadlessFrontend&>(Host().GetScreen().GetFrontend()); }
  std::string Clipboard(Selection which = Selection::Clipboard) {
    return Desktop().ClipboardText(which).value_or("<none>");
  }
  void Offer(const std::string& text) { Desktop().SetClipboardText(Selection::Clipboard, text); }

  void Menu(const std::string& key, std::int32_t choice) {
    Host().Answer(host::Answer::MenuChoice(choice));
    Click(key, kColorField, 2);
  }
  void HexKey(const std::string& key, std::int32_t code) { Host().Input().Key(&Gadget(key, kHexField), code, kCtrl); }
  std::string Hex(const std::string& key) { return Gadget(key, kHexField).Text().value_or(""); }

  void ExpectColor(const std::string& key, double r, double g, double b, double tolerance = 1e-9) {
    const host::ColorValue v = Data(key);
    EXPECT_NEAR(v.color.x, r, tolerance) << key;
    EXPECT_NEAR(v.color.y, g, tolerance) << key;
    EXPECT_NEAR(v.color.z, b, tolerance) << key;
  }
};

TEST_F(ClipboardTest, CopyColorPutsTheColourAsHexByDefault) {
  StartWith();
  Open("a", Settings(0), Plain(0.2, 0.4, 0.8));
  Menu("a", kMenuCopy);
  EXPECT_EQ(Clipboard(), "#3366CC");
  // The module's own paste is enabled by the same copy, as before.
  Host().Answer(host::Answer::MenuDismiss());
  Click("a", kColorField, 2);
  EXPECT_FALSE(ui.menus.back().menu.Find(kMenuPaste)->disabled);
}

TEST_F(ClipboardTest, CopyColorFollowsTheFormatPreference) {
  const std::pair<std::int32_t, const char*> forms[] = {
      {1, "rgb(51, 102, 204)"}, {2, "hsl(220, 60%, 50%)"}, {3, "0.2, 0.4, 0.8"}, {7, "#3366CC"}};
  for (const auto& [format, text] : forms) {
    SCOPED_TRACE(format);
    StartWith(format);
    Open("a", Settings(0), Plain(0.2, 0.4, 0.8));
    Menu("a", kMenuCopy);
    EXPECT_EQ(Clipboard(), text);
    TearDown();
  }
}

TEST_F(ClipboardTest, CopyColorWritesAlphaOnlyBelowOne) {
  StartWith();
  Open("half", AlphaSettings(0), WithAlpha(0.2, 0.4, 0.8, 0.5));
  Open("opaque", AlphaSettings(0), WithAlpha(0.2, 0.4, 0.8, 1.0));
  Menu("half", kMenuCopy);
  EXPECT_EQ(Clipboard(), "#3366CC80");
  Menu("opaque", kMenuCopy);
  EXPECT_EQ(Clipboard(), "#3366CC");
}

// The text is the colour as the chooser shows it (what its hex field reads),
// not the linear value the object stores.
TEST_F(ClipboardTest, CopiedTextOfALinearColourIsWhatTheHexFieldShows) {
  StartWith();
  Open("lin", Settings(0), Plain(0.2, 0.4, 0.8), true);
  Menu("lin", kMenuCopy);
  EXPECT_EQ(Clipboard(), "#" + Hex("lin"));
  Offer("");
  const auto shown = host::ChooserColorText(Host().Page(), *Host().Page().Find("lin")).Shown();
  ASSERT_TRUE(shown.has_value());
  host::HostClipboard::CopyColor(shown->rgb, shown->alpha);
  EXPECT_EQ(Clipboard(), "#" + Hex("lin"));
}

TEST_F(ClipboardTest, ModuleCopyAndPasteBetweenChoosersKeepsFullPrecision) {
  StartWith();
  Open("a", Settings(0), Plain(0.123456789012, 0.987654321098, 0.5));
  Open("b", Settings(0), Plain(0.0, 0.0, 0.0));
  Menu("a", kMenuCopy);
  Offer("#FF0000");  // another program's copy does not reach the module's record
  Menu("b", kMenuPaste);
  ExpectColor("b", 0.123456789012, 0.987654321098, 0.5, 0.0);
}

TEST_F(ClipboardTest, CtrlCInTheHexFieldCopiesItsColourAndSelectionIsPrimary) {
  StartWith(1);
  Open("a", Settings(0), Plain(1.0, 0.5, 0.0));
  HexKey("a", 'C');
  EXPECT_EQ(Clipboard(), "rgb(255, 128, 0)");
  DoubleClick("a", kHexField);
  EXPECT_EQ(Clipboard(Selection::Primary), "FF8000");
}

TEST_F(ClipboardTest, CtrlVInTheHexFieldTakesColourTextOfEveryForm) {
  StartWith();
  Open("a", Settings(0), Plain(0.0, 0.0, 0.0));
  const std::pair<const char*, const char*> texts[] = {
      {"rgb(255, 128, 0)", "FF8000"},  {"hsl(120, 100%, 25%)", "008000"},
      {"  RebeccaPurple\n", "663399"}, {"#abc", "AABBCC"},
      {"[0.2, 0.4, 0.8]", "3366CC"},   {"#11223344", "112233"}};
  for (const auto& [text, hex] : texts) {
    SCOPED_TRACE(text);
    Offer(text);
    HexKey("a", 'V');
    EXPECT_EQ(Hex("a"), hex);
  }
  ExpectColor("a", 0x11 / 255.0, 0x22 / 255.0, 0x33 / 255.0);
  const auto sent = Sent("a");
  ASSERT_FALSE(sent.empty());
  EXPECT_EQ(sent.back().GetInt32(host::FourCC("mest"), 0), 1);  // committed as Enter commits
}

TEST_F(ClipboardTest, TextThatIsNoColourIsRefusedWithANoticeAndChangesNothing) {
  StartWith();
  Open("a", Settings(0), Plain(0.2, 0.4, 0.8));
  for (const char* text : {"banana", "", "rgb(1, 2)", "255, 128, 0"}) {
    SCOPED_TRACE(text);
    ui.notices.clear();
    Host().ClearParentMessages();
    Offer(text);
    HexKey("a", 'V');
    EXPECT_EQ(Hex("a"), "3366CC");
    EXPECT_TRUE(Sent("a").empty());
    ASSERT_EQ(ui.notices.size(), 1u);
    EXPECT_EQ(ui.notices[0].rfind("Not pasted: ", 0), 0u) << ui.notices[0];
  }
  ExpectColor("a", 0.2, 0.4, 0.8);
  // A long text is quoted up to a whole character, never half of one.
  ui.notices.clear();
  Offer(std::string(39, 'a') + "\u00e9\u00e9\u00e9");
  HexKey("a", 'V');
  ASSERT_EQ(ui.notices.size(), 1u);
  EXPECT_EQ(ui.notices[0].rfind("Not pasted: \"" + std::string(39, 'a') + "\u00e9...\" is no colour", 0), 0u)
      << ui.notices[0];
}

TEST_F(ClipboardTest, PasteOverAChooserSetsItsValueWithAlphaWhereItHasAlpha) {
  StartWith();
  Open("plain", Settings(0), Plain(0.0, 0.0, 0.0));
  Open("alpha", AlphaSettings(0), WithAlpha(0.0, 0.0, 0.0, 0.9));
  Open("lin", Settings(0), Plain(0.0, 0.0, 0.0), true);
  auto paste = [&](const std::string& key, const std::string& text) {
    Offer(text);
    if (const auto color = host::HostClipboard::PasteColor())
      host::ChooserColorText(Host().Page(), *Host().Page().Find(key)).Paste(*color);
  };
  paste("plain", "rgba(255, 0, 0, 0.25)");
  ExpectColor("plain", 1.0, 0.0, 0.0);
  paste("alpha", "0.1, 0.2, 0.3, 0.25");
  ExpectColor("alpha", 0.1, 0.2, 0.3);
  EXPECT_NEAR(Data("alpha").alpha, 0.25, 1e-12);
  // Text without alpha keeps the chooser's.
  paste("alpha", "white");
  EXPECT_NEAR(Data("alpha").alpha, 0.25, 1e-12);
  // A linear object shows the pasted colour in its hex field.
  paste("lin", "#3366CC");
  EXPECT_EQ(Hex("lin"), "3366CC");
  ui.notices.clear();
  paste("plain", "no colour");
  ExpectColor("plain", 1.0, 0.0, 0.0);
  EXPECT_EQ(ui.notices.size(), 1u);
}

TEST_F(ClipboardTest, OtherFieldsCopyCutAndPasteTheirPlainText) {
  constexpr std::int32_t kHueField = 0x3EE0001;
  Start(Modes({kPrefHex, kPrefHsv}), 400);
  Open("a", Settings(0), Plain(0.2, 0.4, 0.8));
  Host().Input().Key(&Gadget("a", kHueField), 'C', kCtrl);
  EXPECT_EQ(Clipboard().rfind("220", 0), 0u) << Clipboard();
  // The first line of the clipboard goes in as typed; Enter commits it.
  Offer("120\nsecond line");
  Host().Input().Key(nullptr, 'A', kCtrl);
  Host().Input().Key(nullptr, 'V', kCtrl);
  Host().Input().Key(nullptr, GXA_KEY_ENTER, 0);
  EXPECT_EQ(Hex("a"), "33CC33");
  // Ctrl+X takes the selection out; what Ctrl+A selected is the primary selection.
  Host().Input().Key(&Gadget("a", kHexField), 'A', kCtrl);
  EXPECT_EQ(Clipboard(Selection::Primary), "33CC33");
  Host().Input().Key(nullptr, 'X', kCtrl);
  EXPECT_EQ(Clipboard(), "33CC33");
  EXPECT_EQ(dynamic_cast<host::TextField&>(Gadget("a", kHexField)).Editor().Text(), "");
}

// The same through `gxa-host run`: a scenario copies, reads and pastes.
TEST(ClipboardScenario, ScriptedRunCopiesReadsAndPastesWithoutADisplay) {
  TempFolder t;
  const HostRun r = RunHost("run " + std::string(GXA_TEST_DATA) + "/scenarios/clipboard.json --module " +
                            std::string(GXA_MODULE_PATH) + " --home " + t.Path().string());
  ASSERT_EQ(r.status, 0) << r.out;
  const auto doc = nlohmann::json::parse(r.out, nullptr, false);
  ASSERT_FALSE(doc.is_discarded()) << r.out;
  std::vector<std::string> clipboard, notices;
  std::map<std::string, nlohmann::json> values;
  for (const auto& e : doc["events"]) {
    if (e["kind"] == "clipboard") clipboard.push_back(e["text"].is_null() ? "<none>" : e["text"].get<std::string>());
    if (e["kind"] == "notice") notices.push_back(e["text"]);
    if (e["kind"] == "value") values[e["id"]] = e["value"];
  }
  EXPECT_EQ(clipboard, (std::vector<std::string>{"#CC6633", "hsl(60, 100%, 50%)"}));
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].rfind("Not pasted: \"lime green\" is no colour", 0), 0u) << notices[0];
  EXPECT_EQ(values["base"], nlohmann::json::parse("[1.0, 1.0, 0.0]"));
  EXPECT_EQ(values["tint"], nlohmann::json::parse("[1.0, 1.0, 0.0, 0.5]"));
}

}  // namespace
}  // namespace choosertest
