#include "automation/gadgetfinder.h"

#include "gui/dialog.h"

namespace host {

Widget* GadgetFinder::Find(Dialog& dialog, int32_t id) {
  if (Widget* w = dialog.Find(id)) return w;
  Widget* found = nullptr;
  dialog.ForEachEmbedded([&](Dialog& embedded) {
    if (!found) found = embedded.Find(id);
  });
  return found;
}

}  // namespace host
