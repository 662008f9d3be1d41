#pragma once
// The colour as six hexadecimal digits in one text field. While the user
// commits with Enter and keeps typing ('mest' set), colour updates leave the
// field alone and an invalid text falls back to the last accepted one;
// leaving the field hands it back to the colour. A field built anew in the
// meantime starts from the last accepted text.
#include <cstdint>
#include <optional>

#include "gxastring.h"
#include "utils/colorinterface.h"
#include "vector.h"

class ColorInterfaceHex : public ColorInterface
{
public:
  static constexpr std::int32_t kField = 0x3F40001;

  void Update(ChooserView& chooser) override;
  Result<void> CreateLayout(ChooserView& chooser) override;
  Result<bool> Command(std::int32_t id, const BaseContainer& msg, ChooserView& chooser) override;

  bool IsUpdateEnabled() const { return _updateEnabled; }
  const String& GetLastAccepted() const { return _lastAccepted; }

private:
  Result<void> ApplyColor(const Vector& color, ChooserView& chooser);
  // Enter pressed: the field keeps focus.
  Result<void> CommitInPlace(const String& cleaned, const std::optional<Vector>& parsed, ChooserView& chooser);
  // The field lost focus.
  Result<void> CommitOnLeave(const std::optional<Vector>& parsed, ChooserView& chooser);
  void Show(const String& text, ChooserView& chooser);

  bool _updateEnabled = true;
  String _lastAccepted;
  bool _committed = false;
  // Laid out since the last update: the host's new field is empty.
  bool _fieldBuilt = false;
};
