#include "gui/messagedialog.h"

#include <sstream>

#include "gui/button.h"
#include "gui/dialog.h"
#include "gui/statictext.h"

namespace host {

bool MessageDialog::CreateLayout(Dialog& d) {
  DialogBuilder& b = d.Builder();
  Group& body = b.Begin(std::make_unique<Group>(0, GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_V_SCALEFIT, 1, 0));
  body.SetSpacing(4, 2);
  body.SetBorderSpace({4, 2, 4, 10});
  std::istringstream lines(text_);
  for (std::string line; std::getline(lines, line);) {
    b.Add(std::make_unique<StaticText>(0, GXA_ALIGN_LEFT, line, 0));
  }
  b.End();
  b.Begin(std::make_unique<Group>(0, GXA_ALIGN_RIGHT | GXA_ALIGN_BOTTOM, 0, 1));
  if (buttons_ == Buttons::YesNo) {
    b.Add(std::make_unique<Button>(kYes, GXA_ALIGN_RIGHT, "Yes"));
    b.Add(std::make_unique<Button>(kNo, GXA_ALIGN_RIGHT, "No"));
  } else {
    b.Add(std::make_unique<Button>(kYes, GXA_ALIGN_RIGHT, "OK"));
  }
  b.End();
  return true;
}

bool MessageDialog::Command(Dialog& d, int32_t id, const Container&) {
  if (id != kYes && id != kNo) return true;
  confirmed_ = id == kYes;
  d.Close();
  return true;
}

}  // namespace host
