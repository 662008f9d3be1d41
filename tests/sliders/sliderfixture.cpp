#include "sliderfixture.h"

#include <cmath>

namespace choosertest
{
void SliderTest::Start(const host::Container& prefs, int scale)
{
  ChooserPageTest::Start(prefs, host::AutomationOptions::kDefaultWidth, scale);
}

void SliderTest::ChooseUnit(std::int32_t preference)
{
  host::Container unit;
  unit.SetInt32(kPrefColorUnit, preference);
  Host().SetPrefs(unit);
  Host().ClearParentMessages();
}

void SliderTest::Open(const std::string& key, const host::Vector3& color, bool linear)
{
  ChooserPageTest::Open(key, Settings(0), Plain(color.x, color.y, color.z), linear);
}

void SliderTest::OpenWithAlpha(const std::string& key, const host::Vector3& color, double alpha)
{
  ChooserPageTest::Open(key, AlphaSettings(0), WithAlpha(color.x, color.y, color.z, alpha));
}

void SliderTest::OpenWithBrightness(const std::string& key, const host::Vector3& color, double brightness)
{
  host::ColorValue value = Plain(color.x, color.y, color.z);
  value.form = host::ColorForm::Brightness;
  value.brightness = brightness;
  ChooserPageTest::Open(key, Settings(2), value);
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

void SliderTest::Wheel(const std::string& key, std::int32_t id, double dx, double dy, std::int32_t qualifiers)
{
  Host().Input().Wheel(Gadget(key, id), std::nullopt, dx, dy, qualifiers);
}

void SliderTest::Key(const std::string& key, std::int32_t id, std::int32_t code, std::int32_t qualifiers)
{
  Host().Input().Key(&Gadget(key, id), code, qualifiers);
}

void SliderTest::Type(const std::string& key, std::int32_t id, const std::string& text, bool enter)
{
  Host().Input().Type(Gadget(key, id), text, enter ? host::InputDriver::Commit::Enter : host::InputDriver::Commit::Tab);
}

std::string SliderTest::Text(const std::string& key, std::int32_t id)
{
  return Gadget(key, id).Text().value_or("<none>");
}

double SrgbToLinear(double c)
{
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double LinearToSrgb(double c)
{
  return c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
}
}  // namespace choosertest
