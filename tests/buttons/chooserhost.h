#pragma once
// Choosers on the host's attribute page, for the mode buttons and the colour
// field: the built module, the host's event path, the menus and dialogs it
// brings up, and pictures of what it drew. Used by tests/buttons and
// tests/colorfield.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "automation/automationhost.h"
#include "gui/gui.h"
#include "gui/menumodel.h"
#include "gui/uiobserver.h"
#include "gui/widget.h"
#include "page/colorparameter.h"
#include "raster/bitmap.h"

namespace choosershost
{
constexpr std::int32_t Code(char a, char b, char c, char d)
{
  return static_cast<std::int32_t>((static_cast<std::uint32_t>(a) << 24) | (static_cast<std::uint32_t>(b) << 16) |
                                   (static_cast<std::uint32_t>(c) << 8) | static_cast<std::uint32_t>(d));
}
constexpr std::int32_t kAction = Code('b', 'A', 'C', 'T');
constexpr std::int32_t kValue = Code('m', 'e', 'v', 'a');
constexpr std::int32_t kFlags = Code('c', 'f', 'l', 'd');
constexpr std::int32_t kContextKind = Code('r', 'e', 't', 'T');
constexpr std::int32_t kLayoutMode = Code('l', 'a', 'y', 'm');
constexpr std::int32_t kAlphaSetting = Code('a', 'c', 'o', 'l');

constexpr std::int32_t kNoScreenPicker = 0x4000;
constexpr std::int32_t kPrefTheme = 1134;
constexpr std::int32_t kPrefRememberModes = 1129;
constexpr std::int32_t kPrefGlobalState = 1035669;

// Gadgets and state entries.
constexpr std::int32_t kColorField = 0x3E80002;
constexpr std::int32_t kModeRow = 0x3E8000C;
constexpr std::int32_t kPicker = 0x3E90009;
constexpr std::int32_t kRedSlider = 0x3ED0004;
constexpr std::int32_t kWheel = 0x3E90001;
constexpr std::int32_t kSpectrum = 0x3E90002;
constexpr std::int32_t kPicture = 0x3E90003;
constexpr std::int32_t kRgb = 0x3E90004;
constexpr std::int32_t kHsv = 0x3E90005;
constexpr std::int32_t kKelvin = 0x3E90006;
constexpr std::int32_t kMixer = 0x3E90007;
constexpr std::int32_t kCompact = 0x3E9000A;
constexpr std::int32_t kTallField = 0x3E80003;
constexpr std::int32_t kShowAlpha = 0x3E8000B;

// Mode preferences: start mode 1119, RGB 1110, hex 1111, HSV 1113, Kelvin
// 1114, mixer 1115, swatches 1116, compact 1124, alpha 1133.
inline host::Container Modes(std::initializer_list<std::int32_t> on)
{
  host::Container prefs;
  prefs.SetInt32(1119, 0);
  for (const std::int32_t id : {1110, 1111, 1113, 1114, 1115, 1116, 1124, 1133})
    prefs.SetBool(id, false);
  for (const std::int32_t id : on)
    prefs.SetBool(id, true);
  return prefs;
}

inline host::Container Settings(std::int32_t flags = 0, bool alpha = false, std::int32_t layoutMode = 2)
{
  host::Container settings;
  settings.SetInt32(kContextKind, 0);
  settings.SetInt32(kFlags, flags);
  settings.SetInt32(kLayoutMode, layoutMode);
  if (alpha)
    settings.SetInt32(kAlphaSetting, 1);
  return settings;
}

struct Pixel
{
  int r = 0, g = 0, b = 0;
  bool operator==(const Pixel&) const = default;
};
inline std::ostream& operator<<(std::ostream& out, const Pixel& p)
{
  return out << "(" << p.r << ", " << p.g << ", " << p.b << ")";
}
inline Pixel At(const host::Bitmap& bitmap, int x, int y)
{
  const host::Rgba c = bitmap.GetPixel(x, y);
  return {c.r, c.g, c.b};
}
inline Pixel Of(double r, double g, double b)
{
  auto to8 = [](double c) { return static_cast<int>(c * 255.0 + 0.5); };
  return {to8(r), to8(g), to8(b)};
}
inline ::testing::AssertionResult Near(const Pixel& actual, const Pixel& expected, int tolerance = 1)
{
  if (std::abs(actual.r - expected.r) <= tolerance && std::abs(actual.g - expected.g) <= tolerance &&
      std::abs(actual.b - expected.b) <= tolerance)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual << " is not near " << expected;
}

// Records the popup menus and host dialogs the module brings up.
class UiRecorder : public host::UiObserver
{
public:
  void MenuShown(const host::MenuModel& menu, int32_t, Outcome) override { menus.push_back(menu); }
  void DialogShown(const std::string& kind, const std::string&, Outcome) override { dialogs.push_back(kind); }

  std::vector<host::MenuModel> menus;
  std::vector<std::string> dialogs;
};

class ChooserHostTest : public ::testing::Test
{
protected:
  void TearDown() override
  {
    if (host::Gui::Exists())
      host::Gui::Get().SetObserver(nullptr);
    _host.reset();
  }

  void Start(const host::Container& prefs, int width = 0, int scale = 1)
  {
    host::AutomationOptions options;
    options.module = GXA_MODULE_PATH;
    options.prefs = prefs;
    options.width = width;
    options.scale = scale;
    auto created = host::AutomationHost::Create(options);
    ASSERT_TRUE(created.Ok()) << created.Error();
    _host = std::move(created.Value());
    host::Gui::Get().SetObserver(&ui);
  }

  host::AutomationHost& Host() { return *_host; }

  void Open(const std::string& key, const host::Container& settings, const host::Vector3& color,
            std::optional<double> alpha = std::nullopt)
  {
    host::ParameterSpec spec;
    spec.key = key;
    spec.settings = settings;
    host::ColorValue value;
    value.color = color;
    if (alpha)
    {
      value.form = host::ColorForm::ColorAlpha;
      value.alpha = *alpha;
    }
    spec.objects.push_back({value, false});
    auto opened = _host->Open(std::move(spec));
    ASSERT_TRUE(opened.Ok()) << opened.Error();
    _host->ClearParentMessages();
  }

  host::Widget* Find(const std::string& key, std::int32_t id) { return _host->FindGadget(key, id); }
  host::Widget& Gadget(const std::string& key, std::int32_t id)
  {
    host::Widget* gadget = Find(key, id);
    if (!gadget)
    {
      ADD_FAILURE() << "no gadget " << std::hex << id << " in " << key;
      static host::Widget none(0, 0);
      return none;
    }
    return *gadget;
  }
  bool Shows(const std::string& key, std::int32_t id)
  {
    const host::Widget* gadget = Find(key, id);
    return gadget && gadget->IsShown();
  }

  void Click(const std::string& key, std::int32_t id, std::optional<host::Point> at = std::nullopt,
             std::int32_t channel = 1, std::int32_t qualifiers = 0)
  {
    _host->Input().Click(Gadget(key, id), at, channel, qualifiers, false);
  }
  void Drag(const std::string& key, std::int32_t id, const std::vector<host::Point>& path, std::int32_t qualifiers = 0)
  {
    _host->Input().Drag(Gadget(key, id), path, 1, qualifiers, false);
  }
  // A press on one gadget carried to a point local to another.
  void DragOnto(const std::string& fromKey, std::int32_t fromId, const std::string& toKey, std::int32_t toId)
  {
    host::Widget& from = Gadget(fromKey, fromId);
    host::Widget& to = Gadget(toKey, toId);
    const host::Point start{from.Frame().w / 2, from.Frame().h / 2};
    const host::Point target = from.LocalPoint(_host->Input().Global(to, std::nullopt));
    const host::Point mid{(start.x + target.x) / 2, (start.y + target.y) / 2};
    _host->Input().Drag(from, {start, {start.x + 6, start.y}, mid, target}, 1, 0, false);
  }

  // The tooltip of what lies at a gadget-local point.
  std::string Tooltip(const std::string& key, std::int32_t id, host::Point at)
  {
    host::Widget& gadget = Gadget(key, id);
    return gadget.Cursor(_host->Input().Global(gadget, at)).tooltip;
  }

  host::Container State(const std::string& key)
  {
    const auto state = _host->State(key);
    EXPECT_TRUE(state.has_value()) << key;
    return state.value_or(host::Container());
  }

  // Action messages key's chooser sent its parent since the last clear.
  std::vector<host::Container> Sent(const std::string& key)
  {
    std::vector<host::Container> messages;
    for (const auto& message : _host->ParentMessages())
    {
      if (message.key == key && message.message.Id() == kAction)
        messages.push_back(message.message);
    }
    return messages;
  }

  // The colour and alpha the host reads back.
  host::ColorRGBA Value(const std::string& key)
  {
    const auto data = _host->GetData(key);
    EXPECT_TRUE(data.has_value()) << key;
    if (!data)
      return {};
    if (const auto v = data->value.AsVector())
      return {v->x, v->y, v->z, 1.0};
    return data->value.AsColor().value_or(host::ColorRGBA{-1, -1, -1, -1});
  }

  host::Bitmap Picture(const std::string& key, std::int32_t id)
  {
    auto picture = _host->Capture(&Gadget(key, id));
    EXPECT_TRUE(picture.Ok()) << picture.Error();
    return picture.Ok() ? std::move(picture.Value()) : host::Bitmap();
  }

  UiRecorder ui;

private:
  std::unique_ptr<host::AutomationHost> _host;
};
}  // namespace choosershost
