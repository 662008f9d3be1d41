#include "chooserfixture.h"

#include <string>

namespace choosertest
{
host::Container AllModesOff()
{
  host::Container prefs;
  prefs.SetInt32(1119, 0);
  for (const std::int32_t id : {1110, 1111, 1113, 1114, 1115, 1116, 1124, 1133})
    prefs.SetBool(id, false);
  return prefs;
}

void ChooserTest::TearDown()
{
  // No test expects the chooser to report an error.
  if (_host)
    for (const host::DiagnosticLine& line : _host->GetHost().Diag().ModuleLines())
      if (host::Diagnostics::Format(line).find("ColorChooserGui::") != std::string::npos)
        ADD_FAILURE() << host::Diagnostics::Format(line);
  _host.reset();
}

void ChooserTest::Start(const host::Container& prefs, int width)
{
  host::AutomationOptions options;
  options.width = width;
  options.module = GXA_MODULE_PATH;
  options.prefs = prefs;
  auto created = host::AutomationHost::Create(options);
  ASSERT_TRUE(created.Ok()) << created.Error();
  _host = std::move(created.Value());
}

void ChooserTest::Open(const std::string& key, const host::Container& settings,
                       const std::vector<host::ColorValue>& values, const std::vector<bool>& linear)
{
  host::ParameterSpec spec;
  spec.key = key;
  spec.settings = settings;
  for (std::size_t i = 0; i < values.size(); ++i)
    spec.objects.push_back({values[i], i < linear.size() && linear[i]});
  auto opened = _host->Open(std::move(spec));
  ASSERT_TRUE(opened.Ok()) << opened.Error();
}

void ChooserTest::Set(const std::string& key, const host::ColorValue& value)
{
  auto set = _host->SetValues(key, {value});
  ASSERT_TRUE(set.Ok()) << set.Error();
}

host::Dialog& ChooserTest::Chooser(const std::string& key)
{
  host::Dialog* dialog = _host->Chooser(key);
  EXPECT_NE(dialog, nullptr) << key;
  return *dialog;
}

host::Widget* ChooserTest::Gadget(const std::string& key, std::int32_t id)
{
  return _host->FindGadget(key, id);
}

bool ChooserTest::Shows(const std::string& key, std::int32_t id)
{
  const host::Widget* gadget = Gadget(key, id);
  return gadget && gadget->IsShown();
}

host::Container ChooserTest::State(const std::string& key)
{
  const auto state = _host->State(key);
  EXPECT_TRUE(state.has_value()) << key;
  return state.value_or(host::Container());
}

host::ColorValue ChooserTest::Data(const std::string& key)
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

std::vector<host::Container> ChooserTest::MessagesFrom(const std::string& key)
{
  std::vector<host::Container> messages;
  for (const auto& message : _host->ParentMessages())
    if (message.key == key && message.message.Id() == kAction)
      messages.push_back(message.message);
  return messages;
}

host::Container ChooserTest::Settings(std::int32_t contextKind, std::int32_t flags, std::int32_t layoutMode)
{
  host::Container settings;
  settings.SetInt32(kContextKind, contextKind);
  settings.SetInt32(kFlags, flags);
  settings.SetInt32(kLayoutMode, layoutMode);
  return settings;
}

host::ColorValue ChooserTest::Plain(double r, double g, double b)
{
  host::ColorValue value;
  value.color = {r, g, b};
  return value;
}

host::ColorValue ChooserTest::WithAlpha(double r, double g, double b, double a)
{
  host::ColorValue value = Plain(r, g, b);
  value.form = host::ColorForm::ColorAlpha;
  value.alpha = a;
  return value;
}

host::Vector3 VectorOf(const host::Value* value)
{
  return value ? value->AsVector().value_or(host::Vector3{-1, -1, -1}) : host::Vector3{-1, -1, -1};
}
}  // namespace choosertest
