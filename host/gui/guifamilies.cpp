#include "gui/guifamilies.h"

#include "core/host.h"
#include "gui/bitmapfamily.h"
#include "gui/dialogfamily.h"
#include "gui/gui.h"
#include "gui/inputfamily.h"
#include "gui/userareafamily.h"

namespace host {

namespace {
// The global change event: after the dialogs have heard it, the host lays
// out and repaints every window, as after any change to what they show.
constexpr int32_t kGlobalChangeEvent = 604;
}  // namespace

void GuiFamilies::Install(Host& host) {
  host.Table().Install(DialogFamily::Table());
  host.Table().Install(UserAreaFamily::Table());
  host.Table().Install(InputFamily::Table());
  host.Table().Install(BitmapFamily::Table());
  host.Events().Listen([](const HostEvent& e) {
    if (!Gui::Exists() || !Gui::Get().HasScreen()) return;
    Container msg(e.id);
    msg.SetInt64(GXA_MSG_EVENT_ARG1, e.arg1);
    msg.SetInt64(GXA_MSG_EVENT_ARG2, e.arg2);
    Gui::Get().GetScreen().DeliverCoreMessage(e.id, msg);
    if (e.id == kGlobalChangeEvent && Gui::Exists() && Gui::Get().HasScreen()) Gui::Get().GetScreen().GlobalChange();
  });
}

}  // namespace host
