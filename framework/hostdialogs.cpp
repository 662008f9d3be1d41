#include "hostdialogs.h"

#include <string>

#include "hostaccess.h"

bool ShowColorDialog(Vector& rgb, double& alpha, bool withAlpha, const String& title, std::int32_t profileMode)
{
  const GxaDialogFns* fns = HostDialogs();
  double rgba[4] = {rgb.x, rgb.y, rgb.z, alpha};
  if (!GXA_HAS(fns, color_dialog) || !fns->color_dialog(rgba, withAlpha, title.GetCString(), profileMode))
    return false;
  rgb = {rgba[0], rgba[1], rgba[2]};
  if (withAlpha)
    alpha = rgba[3];
  return true;
}

bool ShowQuestion(const String& text)
{
  const GxaDialogFns* fns = HostDialogs();
  return GXA_HAS(fns, question) && fns->question(text.GetCString());
}

void ShowMessage(const String& text)
{
  const GxaDialogFns* fns = HostDialogs();
  if (GXA_HAS(fns, message_box))
    fns->message_box(text.GetCString());
}

bool ShowTextPrompt(const String& title, const String& label, String& text, const String& checkLabel, bool& check)
{
  const GxaDialogFns* fns = HostDialogs();
  if (!GXA_HAS(fns, text_prompt))
    return false;
  // The prompt writes at most cap - 1 bytes; a generous buffer keeps long names.
  std::string buffer(text.GetStd());
  buffer.resize(4096 > buffer.size() + 1 ? 4096 : buffer.size() + 1, '\0');
  const char* check_label = checkLabel.IsEmpty() ? nullptr : checkLabel.GetCString();
  if (!fns->text_prompt(title.GetCString(), label.GetCString(), buffer.data(), buffer.size(), check_label, &check))
    return false;
  buffer.resize(buffer.find('\0'));
  text = String(std::move(buffer));
  return true;
}
