#pragma once
// The screen picker's desktop in a Wayland session: a client cannot read
// other windows' pixels there (through XWayland they read as black), so the
// desktop portal picks on the user's behalf. PickColor of
// org.freedesktop.portal.Screenshot goes out over the session bus; its
// answer, the Response signal of the request object, is read when the host
// pumps. Where no portal answers, the reason goes to the notice listener.
#include <dbus/dbus.h>

#include <optional>
#include <string>

#include "platform/desktop.h"
#include "platform/portalrequest.h"

namespace host {

class PortalDesktop : public Desktop {
 public:
  PortalDesktop() = default;
  ~PortalDesktop() override;

  int32_t PickingMode() override { return GXA_PICKING_DESKTOP; }
  bool PickColor(GxaPickAnswerFn answer, void* user) override;
  void CancelPick() override;
  bool Pump() override;
  bool Busy() const override { return pending_.has_value(); }

 private:
  struct Pending {
    GxaPickAnswerFn answer = nullptr;
    void* user = nullptr;
    PortalRequest request;
  };

  bool Connect();
  bool CheckVersion();
  bool Request(PortalRequest& request);
  void Finish(uint32_t response, const double* rgb);

  DBusConnection* connection_ = nullptr;
  std::optional<Pending> pending_;
  unsigned serial_ = 0;
};

}  // namespace host
