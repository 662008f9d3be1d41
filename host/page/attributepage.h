#pragma once
// The host's attribute-editor page: a dialog that owns colour parameters and
// shows one module chooser per parameter. It is the choosers' parent: it
// stores the value a chooser sends and tells a chooser which document
// objects it edits (message 30). Broadcasts reach the choosers as they reach
// every dialog on the screen.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/outcome.h"
#include "gui/dialogdelegate.h"
#include "page/chooserplugin.h"
#include "page/colorparameter.h"

namespace host {

class Host;
class Widget;

class AttributePage : public DialogDelegate {
 public:
  static constexpr int32_t kFirstGadgetId = 20000;

  // A message a chooser sent to the page. links: the objects named in the
  // answer to message 30 (whose entry 2, an address, is then dropped).
  struct ParentMessage {
    std::string key;  // the sending parameter, empty when the message names none
    Container message;
    std::vector<int64_t> links;
  };
  using MessageListener = std::function<void(const ParentMessage&)>;

  // Fails when the module registered no chooser.
  static Outcome<std::unique_ptr<AttributePage>> Create(Host& host);
  ~AttributePage() override;

  // A new parameter; once the page is shown its chooser appears at once.
  // Fails for a key already taken or without any object.
  Outcome<ColorParameter*> Add(ParameterSpec spec);
  ColorParameter* Find(const std::string& key) const;
  // The parameter whose chooser holds the gadget; null for none.
  ColorParameter* ParameterOf(const Widget* widget) const;
  const std::vector<std::unique_ptr<ColorParameter>>& Parameters() const { return parameters_; }

  // The host sets new values: the objects take them, the chooser shows them.
  void SetValues(ColorParameter& parameter, const std::vector<EditedObject>& objects);
  // What the chooser answers: its value (GetData) and its stored state ('layG').
  std::optional<TriStateValue> ChooserData(const ColorParameter& parameter) const;
  std::optional<Container> ChooserState(const ColorParameter& parameter) const;
  // The world preferences changed: every chooser hears it ('gpch').
  void PreferencesChanged();
  void SetMessageListener(MessageListener listener) { listener_ = std::move(listener); }

  bool CreateLayout(Dialog& dialog) override;
  bool InitValues(Dialog& dialog) override;
  int32_t Message(Dialog& dialog, const Container& msg, Container& result) override;

 private:
  AttributePage(Host& host, ChooserPlugin plugin);
  bool LayOut(Dialog& dialog, ColorParameter& parameter);
  void ShowValue(ColorParameter& parameter);
  ColorParameter* Sender(const Container& msg) const;
  int32_t Handle(ColorParameter& parameter, const Container& msg, ParentMessage& record);
  Dialog* LiveChooser(const ColorParameter& parameter) const;

  Host& host_;
  ChooserPlugin plugin_;
  Dialog* dialog_ = nullptr;
  std::vector<std::unique_ptr<ColorParameter>> parameters_;
  int32_t nextGadgetId_ = kFirstGadgetId;
  MessageListener listener_;
};

}  // namespace host
