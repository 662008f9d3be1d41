#include "gui/answer.h"

namespace host {

Answer Answer::MenuChoice(int32_t id) {
  Answer a;
  a.kind = Kind::Menu;
  a.menuId = id;
  return a;
}

Answer Answer::MenuDismiss() {
  Answer a;
  a.kind = Kind::Menu;
  return a;
}

Answer Answer::Color(double r, double g, double b, double alpha) {
  Answer a;
  a.kind = Kind::Color;
  a.rgba = std::array<double, 4>{r, g, b, alpha};
  return a;
}

Answer Answer::ColorCancel() {
  Answer a;
  a.kind = Kind::Color;
  return a;
}

Answer Answer::Question(bool yes) {
  Answer a;
  a.kind = Kind::Question;
  a.yes = yes;
  return a;
}

Answer Answer::Text(std::string text, std::optional<bool> check) {
  Answer a;
  a.kind = Kind::Text;
  a.text = std::move(text);
  a.check = check;
  return a;
}

Answer Answer::TextCancel() {
  Answer a;
  a.kind = Kind::Text;
  return a;
}

const char* Answer::KindName(Kind kind) {
  switch (kind) {
    case Kind::Menu: return "menu";
    case Kind::Color: return "color";
    case Kind::Question: return "question";
    case Kind::Text: return "text";
  }
  return "?";
}

}  // namespace host
