#include "page/colorparameter.h"

#include <algorithm>

#include "core/fourcc.h"

namespace host {

namespace {

constexpr int32_t kContextKind = FourCC("retT");
constexpr int32_t kAlphaSetting = FourCC("acol");
constexpr int32_t kBrightnessKind = 2;

}  // namespace

ColorForm ColorParameter::FormFor(const Container& settings) {
  const int32_t kind = settings.GetInt32(kContextKind, 0);
  if (kind == kBrightnessKind) return ColorForm::Brightness;
  if (kind == 0 && settings.GetInt32(kAlphaSetting, 0) == 1) return ColorForm::ColorAlpha;
  return ColorForm::Vector;
}

ColorParameter::ColorParameter(ParameterSpec spec, int32_t gadgetId, Document& document)
    : key_(std::move(spec.key)),
      label_(spec.label.empty() ? key_ : std::move(spec.label)),
      gadgetId_(gadgetId),
      form_(FormFor(spec.settings)),
      settings_(std::move(spec.settings)),
      document_(document) {
  Assign(spec.objects);
}

ColorParameter::~ColorParameter() {
  for (int64_t id : objects_) document_.RemoveObject(id);
}

DocumentObject* ColorParameter::Object(size_t index) const {
  return index < objects_.size() ? document_.FindObject(objects_[index]) : nullptr;
}

void ColorParameter::Resize(size_t count) {
  while (objects_.size() > count) {
    document_.RemoveObject(objects_.back());
    objects_.pop_back();
  }
  while (objects_.size() < count) {
    const std::string name = key_ + "." + std::to_string(objects_.size() + 1);
    objects_.push_back(document_.AddObject(kPlainObjectType, name)->id);
  }
}

void ColorParameter::Assign(const std::vector<EditedObject>& objects) {
  Resize(std::max<size_t>(objects.size(), 1));
  for (size_t i = 0; i < objects.size(); ++i) {
    DocumentObject* o = Object(i);
    ColorValue v = objects[i].value;
    v.form = form_;
    o->type = objects[i].linear ? DocumentObject::kLinearColorType : kPlainObjectType;
    o->data.Set(gadgetId_, v.ToHost());
  }
  document_.MarkChanged();
}

void ColorParameter::Store(const ColorValue& value) {
  for (size_t i = 0; i < objects_.size(); ++i) {
    if (DocumentObject* o = Object(i)) o->data.Set(gadgetId_, value.ToHost());
  }
  document_.MarkChanged();
}

std::vector<ColorValue> ColorParameter::Values() const {
  std::vector<ColorValue> out;
  for (size_t i = 0; i < objects_.size(); ++i) {
    const DocumentObject* o = Object(i);
    const Value* v = o ? o->data.Find(gadgetId_) : nullptr;
    auto read = v ? ColorValue::FromHost(*v, form_) : std::nullopt;
    out.push_back(read.value_or(ColorValue{form_}));
  }
  return out;
}

std::vector<bool> ColorParameter::LinearMarks() const {
  std::vector<bool> out;
  for (size_t i = 0; i < objects_.size(); ++i) {
    const DocumentObject* o = Object(i);
    out.push_back(o && o->type == DocumentObject::kLinearColorType);
  }
  return out;
}

bool ColorParameter::IsMixed() const {
  const std::vector<ColorValue> values = Values();
  return std::any_of(values.begin(), values.end(), [&](const ColorValue& v) { return !(v == values.front()); });
}

ColorValue ColorParameter::Shown() const {
  const std::vector<ColorValue> values = Values();
  return values.empty() ? ColorValue{form_} : values.front();
}

}  // namespace host
