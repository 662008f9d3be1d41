#pragma once
// A dialog run modally through the host. Open returns once the dialog is
// closed and tells whether it was confirmed. Buttons kOkButton and
// kCancelButton close it; a subclass that overrides Command passes those
// IDs on to GeModalDialog::Command.
#include <cstdint>

#include "gedialog.h"

class GeModalDialog : public GeDialog
{
public:
  static constexpr std::int32_t kOkButton = 1;
  static constexpr std::int32_t kCancelButton = 2;

  // True when the dialog was closed with OK.
  bool Open(const String& title, std::int32_t width = 0, std::int32_t height = 0);
  bool GetResult() const { return _result; }
  // Ends the dialog with the given answer.
  void CloseWith(bool confirmed);

  bool Command(std::int32_t id, const BaseContainer& msg) override;

protected:
  // A row with the OK and Cancel buttons.
  bool AddOkCancelButtons();
  // Called before OK closes the dialog; false keeps it open.
  virtual bool Confirm();

private:
  bool _result = false;
};
