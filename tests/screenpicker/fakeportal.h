#pragma once
// A stand-in for the desktop portal on the test's session bus, served from
// a thread of its own: it owns org.freedesktop.portal.Desktop, answers the
// Screenshot interface's version, and answers PickColor, and FileChooser's
// OpenFile and SaveFile, the way a portal does, with the request's handle
// and then the Response signal on it.
#include <dbus/dbus.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class FakePortal {
 public:
  struct Behaviour {
    std::uint32_t version = 2;
    std::uint32_t response = 0;  // 0 picked, 1 cancelled, 2 other
    std::array<double, 3> color{};
    bool answers = true;  // false: the user never finishes
    // Another peer on the bus sends a Response on the request first.
    bool forgedFirst = false;
    // What a file request answers: the URI chosen (none: no "uris" at all).
    std::string uri;
  };

  // What the last OpenFile or SaveFile asked.
  struct FileCall {
    std::string method, title, currentName, currentFolder, currentFilter;
    std::vector<std::string> filters;  // "label: *.a *.b" each
    bool modal = false;
  };

  FakePortal(const std::string& address, const Behaviour& behaviour);
  ~FakePortal();
  FakePortal(const FakePortal&) = delete;
  FakePortal& operator=(const FakePortal&) = delete;

  // The name is ours and requests are served.
  bool Serving() const { return _serving; }
  int Picks() const { return _picks; }
  int Closes() const { return _closes; }
  std::string LastToken() const;
  int FileRequests() const { return _fileRequests; }
  FileCall LastFileCall() const;

 private:
  void Serve();
  void Handle(DBusMessage* message);
  void AnswerVersion(DBusMessage* call);
  void AnswerPick(DBusMessage* call);
  void AnswerFile(DBusMessage* call);
  // Replies to call with the request's handle; its path.
  std::string GiveHandle(DBusMessage* call);
  void SendResponse(DBusConnection* from, const std::string& path);
  void ForgeResponse(const std::string& path);

  Behaviour _behaviour;
  std::string _address;
  DBusConnection* _connection = nullptr;
  std::thread _thread;
  std::atomic<bool> _stop{false};
  std::atomic<bool> _serving{false};
  std::atomic<int> _picks{0};
  std::atomic<int> _closes{0};
  std::atomic<int> _fileRequests{0};
  mutable std::mutex _mutex;
  std::string _token;
  FileCall _fileCall;
};
