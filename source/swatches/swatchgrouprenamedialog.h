#pragma once
// Asks for a swatch group's name and, for a new group, whether it goes to
// the global swatches. The global choice is one value for the whole module,
// so the next new group starts where the last one left it.
#include <cstdint>

#include "gemodaldialog.h"
#include "gxastring.h"

class SwatchGroupRenameDialog : public GeModalDialog
{
public:
  static constexpr std::int32_t kNameField = 1000;
  static constexpr std::int32_t kGlobalBox = 1001;

  SwatchGroupRenameDialog(const String& name, bool showGlobalOption);

  // True when confirmed; the name is then never blank.
  bool Ask(const String& title);
  const String& GetName() const { return _name; }
  // The module-wide choice of the global option.
  static bool IsGlobalChosen();
  static void SetGlobalChosen(bool global);

  bool CreateLayout() override;
  bool InitValues() override;

protected:
  bool Confirm() override;

private:
  String _name;
  bool _showGlobal = false;
};
