#pragma once
// Choosers on the host's attribute page, loaded from the built module and
// driven through the host's own event path: their gadgets and state, what
// they told their parent, the values the host reads back, the menus and
// dialogs they brought up, and pictures of what they drew.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "automation/automationhost.h"
#include "choosercodes.h"
#include "gui/dialog.h"
#include "gui/gui.h"
#include "gui/widget.h"
#include "page/colorparameter.h"
#include "pixel.h"
#include "raster/bitmap.h"
#include "recordingobserver.h"

namespace choosertest
{
// World preferences with every mode off but those given on.
inline host::Container Modes(std::initializer_list<std::int32_t> on = {})
{
  host::Container prefs;
  prefs.SetInt32(kPrefStartMode, 0);
  for (const std::int32_t id :
       {kPrefRgb, kPrefHex, kPrefHsv, kPrefKelvin, kPrefMixer, kPrefSwatches, kPrefCompact, kPrefAlpha})
    prefs.SetBool(id, false);
  for (const std::int32_t id : on)
    prefs.SetBool(id, true);
  return prefs;
}

class ChooserPageTest : public ::testing::Test
{
protected:
  void TearDown() override
  {
    if (host::Gui::Exists())
      host::Gui::Get().SetObserver(nullptr);
    _host.reset();
  }

  // Starts the host with these world preferences; width 0 fits the page.
  void Start(const host::Container& prefs = Modes(), int width = 0, int scale = 1)
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

  bool Started() const { return _host != nullptr; }
  host::AutomationHost& Host() { return *_host; }

  // A chooser for a parameter of one object; what it told its parent while
  // opening is forgotten.
  void Open(const std::string& key, const host::Container& settings, const host::ColorValue& value, bool linear = false)
  {
    host::ParameterSpec spec;
    spec.key = key;
    spec.settings = settings;
    spec.objects.push_back({value, linear});
    auto opened = _host->Open(std::move(spec));
    ASSERT_TRUE(opened.Ok()) << opened.Error();
    _host->ClearParentMessages();
  }

  static host::Container Settings(std::int32_t contextKind, std::int32_t flags = 0, std::int32_t layoutMode = 2)
  {
    host::Container settings;
    settings.SetInt32(kContextKind, contextKind);
    settings.SetInt32(kFlags, flags);
    settings.SetInt32(kLayoutMode, layoutMode);
    return settings;
  }
  // The same for a parameter with alpha.
  static host::Container AlphaSettings(std::int32_t contextKind, std::int32_t flags = 0)
  {
    host::Container settings = Settings(contextKind, flags);
    settings.SetInt32(kAlphaSetting, 1);
    return settings;
  }

  static host::ColorValue Plain(double r, double g, double b)
  {
    host::ColorValue value;
    value.color = {r, g, b};
    return value;
  }
  static host::ColorValue WithAlpha(double r, double g, double b, double a)
  {
    host::ColorValue value = Plain(r, g, b);
    value.form = host::ColorForm::ColorAlpha;
    value.alpha = a;
    return value;
  }

  host::Dialog& Chooser(const std::string& key)
  {
    host::Dialog* dialog = _host->Chooser(key);
    EXPECT_NE(dialog, nullptr) << key;
    return *dialog;
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
  double Number(const std::string& key, std::int32_t id) { return Gadget(key, id).Number().value_or(-1e9); }

  host::Container State(const std::string& key)
  {
    const auto state = _host->State(key);
    EXPECT_TRUE(state.has_value()) << key;
    return state.value_or(host::Container());
  }

  // The value the host reads back, in the parameter's form.
  host::ColorValue Data(const std::string& key)
  {
    const auto data = _host->GetData(key);
    EXPECT_TRUE(data.has_value()) << key;
    const host::ColorParameter* parameter = _host->Parameter(key);
    const host::ColorForm form =
        parameter->Form() == host::ColorForm::ColorAlpha ? host::ColorForm::ColorAlpha : host::ColorForm::Vector;
    const auto value = data ? host::ColorValue::FromHost(data->value, form) : std::nullopt;
    EXPECT_TRUE(value.has_value()) << key;
    return value.value_or(host::ColorValue());
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

  // A picture of the gadget in physical pixels.
  host::Bitmap Picture(const std::string& key, std::int32_t id)
  {
    auto picture = _host->Capture(&Gadget(key, id));
    EXPECT_TRUE(picture.Ok()) << picture.Error();
    return picture.Ok() ? std::move(picture.Value()) : host::Bitmap();
  }

  // Input at gadget-local logical positions; a click without one lands in
  // the middle.
  void Click(const std::string& key, std::int32_t id, std::int32_t channel = 1, std::int32_t qualifiers = 0)
  {
    _host->Input().Click(Gadget(key, id), std::nullopt, channel, qualifiers, false);
  }
  void ClickAt(const std::string& key, std::int32_t id, host::Point at, std::int32_t channel = 1,
               std::int32_t qualifiers = 0)
  {
    _host->Input().Click(Gadget(key, id), at, channel, qualifiers, false);
  }
  void DoubleClick(const std::string& key, std::int32_t id)
  {
    _host->Input().Click(Gadget(key, id), std::nullopt, 1, 0, true);
  }
  void Drag(const std::string& key, std::int32_t id, const std::vector<host::Point>& path, std::int32_t qualifiers = 0,
            bool cancel = false, std::int32_t channel = 1)
  {
    _host->Input().Drag(Gadget(key, id), path, channel, qualifiers, cancel);
  }
  // A press on one gadget carried to the middle of another.
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

  // Left edge of the mode row's button with this tooltip; -1 when not shown.
  int ModeButtonX(const std::string& key, const std::string& name)
  {
    host::Widget& row = Gadget(key, kModeButtonRow);
    for (int x = 0; x < row.Frame().w; ++x)
    {
      if (Tooltip(key, kModeButtonRow, {x, row.Frame().h / 2}) == name)
        return x;
    }
    return -1;
  }
  void ClickModeButton(const std::string& key, const std::string& name, std::int32_t qualifiers = 0)
  {
    const int x = ModeButtonX(key, name);
    ASSERT_GE(x, 0) << name;
    ClickAt(key, kModeButtonRow, {x + 5, Gadget(key, kModeButtonRow).Frame().h / 2}, 1, qualifiers);
  }

  // The popup menus and host dialogs the choosers brought up.
  host::testkit::RecordingObserver ui;

private:
  std::unique_ptr<host::AutomationHost> _host;
};
}  // namespace choosertest
