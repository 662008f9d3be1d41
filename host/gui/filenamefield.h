#pragma once
// The host's file name gadget (custom GUI 1000478): a path the user types,
// with a "..." button that asks for a file. A new path is reported to the
// dialog as a file name value.
#include "gui/textfield.h"

namespace host {

class FileNameField : public TextField {
 public:
  static constexpr int32_t kPluginId = 1000478;
  static constexpr int kButtonWidth = 26;

  FileNameField(int32_t id, int32_t flags) : TextField(id, flags) {}

  const std::string& Path() const { return path_; }

  Size NaturalSize(const TextMeasure& m) override;
  bool OnMouseDown(const InputEvent& e, EventContext& ctx) override;
  bool SetText(const std::string& text) override;
  bool SetData(const Value& value) override;
  std::optional<std::string> Text() const override { return path_; }
  std::optional<Value> Data() const override { return Value::File(Filename(path_)); }

 protected:
  std::string DisplayText() const override { return path_; }
  bool Commit(const std::string& text) override;
  Rect TextArea() const override;
  void PaintExtras(PaintContext& ctx) override;

 private:
  Rect ButtonArea() const;
  void Choose(const std::string& path);

  std::string path_;
};

}  // namespace host
