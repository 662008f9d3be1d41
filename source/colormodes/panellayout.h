#pragma once
// Builds a panel's rows into the chooser's dialog and remembers the first
// step the host refused, so that a panel reports one clear error instead of
// checking every call.
#include <cstdint>

#include "gedialog.h"
#include "geuserarea.h"
#include "result.h"

class PanelLayout
{
public:
  // Host layout numbers the panels pass.
  static constexpr std::int32_t kSeparatorFlags = 24;
  static constexpr std::int32_t kRowFlags = 57;
  static constexpr std::int32_t kLabelFlags = 8;
  static constexpr std::int32_t kFieldFlags = 8;
  static constexpr std::int32_t kSliderFlags = 56;
  static constexpr std::int32_t kNumberFieldWidth = 70;

  explicit PanelLayout(GeDialog& dialog) : _dialog(dialog) {}

  PanelLayout& Separator();
  // A group of ID 0; columns or rows 0 lets the other decide.
  PanelLayout& Group(std::int32_t flags, std::int32_t columns, std::int32_t rows, std::int32_t spaceX,
                     std::int32_t spaceY);
  PanelLayout& End();
  // Module string stringId; width is a size hint (0 lets the text decide).
  // An ID lets the panel change the text later.
  PanelLayout& Label(std::int32_t stringId, std::int32_t width, std::int32_t id = 0);
  PanelLayout& Checkbox(std::int32_t id, std::int32_t stringId);
  PanelLayout& NumberField(std::int32_t id);
  PanelLayout& TextField(std::int32_t id, std::int32_t width);
  PanelLayout& UserArea(std::int32_t id, std::int32_t flags, GeUserArea& area, std::int32_t attachFlags);
  // One row of a slider panel: label (at the common label width), number
  // field and slider; labelId as for Label.
  PanelLayout& SliderRow(std::int32_t stringId, std::int32_t fieldId, std::int32_t sliderId, GeUserArea& slider,
                         std::int32_t labelId = 0);

  // The error of the first refused step, if any.
  Result<void> Finish() const;

private:
  PanelLayout& Check(bool ok, const char* step);

  GeDialog& _dialog;
  const char* _failed = nullptr;
};
