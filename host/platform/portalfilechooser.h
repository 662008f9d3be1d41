#pragma once
// File requests through the desktop portal's FileChooser (OpenFile and
// SaveFile over the session bus, with the request's filters). The call
// must be taken within kAnswerMs; the user's answer then comes as the
// request object's Response signal, waited for while the window is kept
// alive (a closed window, or Escape in it, closes the portal's dialog too).
// Once no portal took a call, the host's own dialog answers for the rest of
// the session, without waiting again.
#include <dbus/dbus.h>

#include <string>

#include "gui/fileportal.h"

namespace host {

class PortalRequest;

class PortalFileChooser : public FilePortal {
 public:
  static constexpr int kAnswerMs = 3000;
  static constexpr int kPollMs = 30;

  PortalFileChooser() = default;
  ~PortalFileChooser() override;
  PortalFileChooser(const PortalFileChooser&) = delete;
  PortalFileChooser& operator=(const PortalFileChooser&) = delete;

  Reply Ask(const FileRequest& request) override;
  // Why the last request went to the host's own dialog, empty when none did.
  const std::string& Absence() const { return absence_; }

 private:
  DBusMessage* NewCall(const FileRequest& request, const std::string& token) const;
  Reply Wait(PortalRequest& request);

  DBusConnection* connection_ = nullptr;
  std::string absence_;
  unsigned serial_ = 0;
};

}  // namespace host
