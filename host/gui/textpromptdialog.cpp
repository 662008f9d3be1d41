#include "gui/textpromptdialog.h"

#include "gui/button.h"
#include "gui/checkbox.h"
#include "gui/dialog.h"
#include "gui/edittext.h"
#include "gui/statictext.h"

namespace host {

bool TextPromptDialog::CreateLayout(Dialog& d) {
  DialogBuilder& b = d.Builder();
  Group& body = b.Begin(std::make_unique<Group>(0, GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_V_SCALEFIT, 1, 0));
  body.SetBorderSpace({4, 2, 4, 10});
  if (!label_.empty()) b.Add(std::make_unique<StaticText>(0, GXA_ALIGN_LEFT, label_, 0));
  b.Add(std::make_unique<EditText>(kText, GXA_ALIGN_H_SCALEFIT)).SetHints(300, 0);
  if (!checkLabel_.empty()) b.Add(std::make_unique<CheckBox>(kCheck, GXA_ALIGN_LEFT, checkLabel_));
  b.End();
  b.Begin(std::make_unique<Group>(0, GXA_ALIGN_RIGHT | GXA_ALIGN_BOTTOM, 0, 1));
  b.Add(std::make_unique<Button>(kOk, GXA_ALIGN_RIGHT, "OK"));
  b.Add(std::make_unique<Button>(kCancel, GXA_ALIGN_RIGHT, "Cancel"));
  b.End();
  return true;
}

bool TextPromptDialog::InitValues(Dialog& d) {
  if (Widget* w = d.Find(kText)) w->SetText(text_);
  if (Widget* w = d.Find(kCheck)) w->SetChecked(check_);
  return true;
}

bool TextPromptDialog::Command(Dialog& d, int32_t id, const Container&) {
  if (id != kOk && id != kCancel) return true;
  confirmed_ = id == kOk;
  if (confirmed_) {
    if (Widget* w = d.Find(kText)) text_ = w->Text().value_or(text_);
    if (Widget* w = d.Find(kCheck)) check_ = w->Checked().value_or(check_);
  }
  d.Close();
  return true;
}

}  // namespace host
