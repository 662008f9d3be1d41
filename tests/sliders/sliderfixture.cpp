#include "sliderfixture.h"

#include <cmath>
#include <ostream>

#include "page/colorparameter.h"

namespace slidertest
{
namespace
{
constexpr std::int32_t kContextKind = Code('r', 'e', 't', 'T');
constexpr std::int32_t kFlags = Code('c', 'f', 'l', 'd');
constexpr std::int32_t kLayoutMode = Code('l', 'a', 'y', 'm');
constexpr std::int32_t kAlpha = Code('a', 'c', 'o', 'l');

host::Container Settings(std::int32_t contextKind)
{
  host::Container settings;
  settings.SetInt32(kContextKind, contextKind);
  settings.SetInt32(kFlags, 0);
  settings.SetInt32(kLayoutMode, 2);
  return settings;
}
}  // namespace

host::Container Modes(std::initializer_list<std::int32_t> on)
{
  host::Container prefs;
  prefs.SetInt32(1119, 0);
  for (const std::int32_t id : {1110, 1111, 1113, 1114, 1115, 1116, 1124, 1133})
    prefs.SetBool(id, false);
  for (const std::int32_t id : on)
    prefs.SetBool(id, true);
  return prefs;
}

void SliderTest::TearDown()
{
  _host.reset();
}

void SliderTest::Start(const host::Container& prefs, int scale)
{
  host::AutomationOptions options;
  options.module = GXA_MODULE_PATH;
  options.prefs = prefs;
  options.scale = scale;
  auto created = host::AutomationHost::Create(options);
  ASSERT_TRUE(created.Ok()) << created.Error();
  _host = std::move(created.Value());
}

void SliderTest::ChooseUnit(std::int32_t preference)
{
  host::Container unit;
  unit.SetInt32(kPrefColorUnit, preference);
  _host->SetPrefs(unit);
  _host->ClearParentMessages();
}

void SliderTest::Open(const std::string& key, const host::Container& settings, const host::ColorValue& value,
                      bool linear)
{
  host::ParameterSpec spec;
  spec.key = key;
  spec.settings = settings;
  spec.objects.push_back({value, linear});
  auto opened = _host->Open(std::move(spec));
  ASSERT_TRUE(opened.Ok()) << opened.Error();
  _host->ClearParentMessages();
}

void SliderTest::Open(const std::string& key, const host::Vector3& color, bool linear)
{
  host::ColorValue value;
  value.color = color;
  Open(key, Settings(0), value, linear);
}

void SliderTest::OpenWithAlpha(const std::string& key, const host::Vector3& color, double alpha)
{
  host::Container settings = Settings(0);
  settings.SetInt32(kAlpha, 1);
  host::ColorValue value;
  value.form = host::ColorForm::ColorAlpha;
  value.color = color;
  value.alpha = alpha;
  Open(key, settings, value, false);
}

void SliderTest::OpenWithBrightness(const std::string& key, const host::Vector3& color, double brightness)
{
  host::ColorValue value;
  value.form = host::ColorForm::Brightness;
  value.color = color;
  value.brightness = brightness;
  Open(key, Settings(2), value, false);
}

host::Widget& SliderTest::Gadget(const std::string& key, std::int32_t id)
{
  host::Widget* gadget = _host->FindGadget(key, id);
  if (!gadget)
  {
    ADD_FAILURE() << "no gadget " << std::hex << id << " in " << key;
    static host::Widget none(0, 0);
    return none;
  }
  return *gadget;
}

host::Container SliderTest::State(const std::string& key)
{
  const auto state = _host->State(key);
  EXPECT_TRUE(state.has_value()) << key;
  return state.value_or(host::Container());
}

std::vector<host::Container> SliderTest::Sent(const std::string& key)
{
  std::vector<host::Container> messages;
  for (const auto& message : _host->ParentMessages())
  {
    if (message.key == key && message.message.Id() == kAction)
      messages.push_back(message.message);
  }
  return messages;
}

host::Vector3 SliderTest::LastColor(const std::string& key)
{
  const auto sent = Sent(key);
  if (sent.empty())
  {
    ADD_FAILURE() << key << " sent nothing";
    return {};
  }
  const host::Value* value = sent.back().Find(kMessageValue);
  if (value && value->AsVector())
    return *value->AsVector();
  if (value && value->AsContainer() && value->AsContainer()->GetVector(0))
    return *value->AsContainer()->GetVector(0);
  ADD_FAILURE() << key << " sent no colour";
  return {};
}

host::Vector3 SliderTest::Value(const std::string& key)
{
  const auto data = _host->GetData(key);
  EXPECT_TRUE(data.has_value()) << key;
  const host::Value* value = data ? &data->value : nullptr;
  if (value && value->AsVector())
    return *value->AsVector();
  const auto alpha = value ? host::ColorValue::FromHost(*value, host::ColorForm::ColorAlpha) : std::nullopt;
  return alpha ? alpha->color : host::Vector3{-1, -1, -1};
}

void SliderTest::Drag(const std::string& key, std::int32_t id, const std::vector<host::Point>& path,
                      std::int32_t qualifiers, bool cancel, std::int32_t channel)
{
  _host->Input().Drag(Gadget(key, id), path, channel, qualifiers, cancel);
}

void SliderTest::Click(const std::string& key, std::int32_t id, std::int32_t channel, bool doubleClick)
{
  _host->Input().Click(Gadget(key, id), std::nullopt, channel, 0, doubleClick);
}

void SliderTest::Wheel(const std::string& key, std::int32_t id, double dx, double dy, std::int32_t qualifiers)
{
  _host->Input().Wheel(Gadget(key, id), std::nullopt, dx, dy, qualifiers);
}

void SliderTest::Key(const std::string& key, std::int32_t id, std::int32_t code, std::int32_t qualifiers)
{
  _host->Input().Key(&Gadget(key, id), code, qualifiers);
}

void SliderTest::Type(const std::string& key, std::int32_t id, const std::string& text, bool enter)
{
  _host->Input().Type(Gadget(key, id), text, enter ? host::InputDriver::Commit::Enter : host::InputDriver::Commit::Tab);
}

double SliderTest::Number(const std::string& key, std::int32_t id)
{
  return Gadget(key, id).Number().value_or(-1e9);
}

std::string SliderTest::Text(const std::string& key, std::int32_t id)
{
  return Gadget(key, id).Text().value_or("<none>");
}

host::Bitmap SliderTest::Picture(const std::string& key, std::int32_t id)
{
  auto picture = _host->Capture(&Gadget(key, id));
  EXPECT_TRUE(picture.Ok()) << picture.Error();
  return picture.Ok() ? std::move(picture.Value()) : host::Bitmap();
}

Pixel At(const host::Bitmap& bitmap, int x, int y)
{
  const host::Rgba p = bitmap.GetPixel(x, y);
  return {p.r, p.g, p.b};
}

Pixel Of(double r, double g, double b)
{
  auto level = [](double c) { return static_cast<int>(std::lround(std::clamp(c, 0.0, 1.0) * 255.0)); };
  return {level(r), level(g), level(b)};
}

::testing::AssertionResult Near(const Pixel& actual, const Pixel& expected, int tolerance)
{
  if (std::abs(actual.r - expected.r) <= tolerance && std::abs(actual.g - expected.g) <= tolerance &&
      std::abs(actual.b - expected.b) <= tolerance)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual << " is not within " << tolerance << " of " << expected;
}

std::ostream& operator<<(std::ostream& out, const Pixel& p)
{
  return out << "(" << p.r << ", " << p.g << ", " << p.b << ")";
}

double SrgbToLinear(double c)
{
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double LinearToSrgb(double c)
{
  return c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
}
}  // namespace slidertest
