#pragma once
// The desktop portal's answer to a file request: the Response signal of a
// request object, (u response, a{sv} results) with results["uris"] an
// array of URIs. Only a local file:// URI to an absolute path is a choice;
// anything else (the bytes come from another program) reads as cancelled.
#include <dbus/dbus.h>

#include <optional>
#include <string>

#include "gui/fileportal.h"

namespace host {

class FileChooserResponse {
 public:
  static FilePortal::Reply Parse(DBusMessage* signal);
  // The path of a file:// URI (host empty or localhost), percent escapes
  // decoded; none for another scheme, a relative path or a NUL, escaped or not.
  static std::optional<std::string> PathOf(const std::string& uri);

 private:
  static std::optional<std::string> FirstUri(DBusMessageIter& results);
};

}  // namespace host
