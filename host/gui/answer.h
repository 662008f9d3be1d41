#pragma once
// One scripted reply to a synchronous host question: a popup menu entry (or
// none), a colour (or cancel), yes or no, or a text with a check box state
// (or cancel) for text prompts, file requests and modal dialogs.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace host {

struct Answer {
  enum class Kind { Menu, Color, Question, Text };

  Kind kind = Kind::Menu;
  std::optional<int32_t> menuId;              // Menu: none dismisses the menu
  std::optional<std::array<double, 4>> rgba;  // Color: none cancels
  bool yes = false;                           // Question
  std::optional<std::string> text;            // Text: none cancels
  std::optional<bool> check;                  // Text: the check box; none keeps it

  static Answer MenuChoice(int32_t id);
  static Answer MenuDismiss();
  static Answer Color(double r, double g, double b, double a = 1.0);
  static Answer ColorCancel();
  static Answer Question(bool yes);
  static Answer Text(std::string text, std::optional<bool> check = std::nullopt);
  static Answer TextCancel();

  static const char* KindName(Kind kind);
};

}  // namespace host
