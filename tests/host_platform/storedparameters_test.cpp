// A saved document's colours come back into the page's parameters.
#include <gtest/gtest.h>

#include "core/fourcc.h"
#include "platform/storedparameters.h"

namespace host {
namespace {

ParameterSpec Spec(const std::string& key, ColorValue value, bool alpha = false) {
  ParameterSpec spec;
  spec.key = key;
  spec.settings.SetInt32(FourCC("retT"), 0);
  if (alpha) spec.settings.SetInt32(FourCC("acol"), 1);
  spec.objects.push_back({value, false});
  return spec;
}

DocumentObject* Stored(Document& doc, const std::string& name, const Value& value, int32_t type = 5100) {
  DocumentObject* o = doc.AddObject(type, name);
  o->data.Set(20000, value);
  return o;
}

TEST(StoredParametersTest, SavedObjectsReplaceTheDefaultsAndLeaveTheDocument) {
  Document doc;
  Stored(doc, "color.1", ColorValue{ColorForm::Vector, {0.1, 0.2, 0.3}}.ToHost());
  Stored(doc, "color.2", ColorValue{ColorForm::Vector, {0.4, 0.5, 0.6}}.ToHost(), DocumentObject::kLinearColorType);
  Stored(doc, "tint.1", ColorValue{ColorForm::ColorAlpha, {0.7, 0.8, 0.9}, 0.25}.ToHost());
  const int64_t other = doc.AddObject(42, "camera")->id;

  std::vector<ParameterSpec> specs{Spec("color", {ColorForm::Vector, {1, 1, 1}}),
                                   Spec("tint", {ColorForm::ColorAlpha, {1, 1, 1}}, true),
                                   Spec("fresh", {ColorForm::Vector, {0.5, 0.5, 0.5}})};
  StoredParameters::Restore(doc, specs);

  ASSERT_EQ(specs[0].objects.size(), 2u);
  EXPECT_EQ(specs[0].objects[0].value.color, (Vector3{0.1, 0.2, 0.3}));
  EXPECT_FALSE(specs[0].objects[0].linear);
  EXPECT_TRUE(specs[0].objects[1].linear);
  ASSERT_EQ(specs[1].objects.size(), 1u);
  EXPECT_DOUBLE_EQ(specs[1].objects[0].value.alpha, 0.25);
  EXPECT_EQ(specs[2].objects[0].value.color, (Vector3{0.5, 0.5, 0.5}));
  // The page makes new objects for the parameters; others stay.
  ASSERT_EQ(doc.Objects().size(), 1u);
  EXPECT_EQ(doc.Objects().front()->id, other);
}

TEST(StoredParametersTest, ValueOfAnotherFormIsNotClaimed) {
  Document doc;
  Stored(doc, "tint.1", Value::String("not a colour"));
  std::vector<ParameterSpec> specs{Spec("tint", {ColorForm::ColorAlpha, {1, 0, 0}, 0.5}, true)};
  StoredParameters::Restore(doc, specs);
  EXPECT_DOUBLE_EQ(specs[0].objects[0].value.alpha, 0.5);
  EXPECT_EQ(doc.Objects().size(), 1u);
}

}  // namespace
}  // namespace host
