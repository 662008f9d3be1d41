#pragma once
// The swatches mode: a row of buttons (new group from the selection, delete,
// load and save a preset) above the swatches area in a scroll group whose
// scroll position the chooser keeps with its state.
#include <cstdint>

#include "basecontainer.h"
#include "result.h"
#include "swatches/colorswatchesarea.h"
#include "utils/colorinterface.h"

class ColorInterfaceSwatchSystem : public ColorInterface
{
public:
  static constexpr std::int32_t kAreaGroup = 0x3F10001;
  static constexpr std::int32_t kScrollGroup = 0x3F10002;
  static constexpr std::int32_t kNewGroupButton = 0x3F10003;
  static constexpr std::int32_t kDeleteButton = 0x3F10004;
  static constexpr std::int32_t kArea = 0x3F10005;
  static constexpr std::int32_t kLoadButton = 0x3F10006;
  static constexpr std::int32_t kSaveButton = 0x3F10007;
  static constexpr std::int32_t kOpenFolder = 0x3F10008;
  // The chooser's state: the visible part of the scroll group, its height.
  static constexpr std::int32_t kStateScrollLeft = 0x3F1000A;
  static constexpr std::int32_t kStateHeight = 0x3F1000E;

  explicit ColorInterfaceSwatchSystem(ChooserView& chooser);

  void Update(ChooserView& chooser) override;
  Result<void> CreateLayout(ChooserView& chooser) override;
  Result<bool> Command(std::int32_t id, const BaseContainer& msg, ChooserView& chooser) override;

  ColorSwatchesArea& GetArea() { return _area; }
  // Broadcasts from other choosers.
  Result<void> ReloadData() { return _area.Reload(); }
  // Another document became the active one.
  Result<void> FollowDocument(GxaDocument* doc) { return doc == _area.GetDocument() ? Ok() : _area.Reload(); }
  void FollowCellSize() { _area.FollowCellSize(); }
  void FollowNames() { _area.FollowNames(); }
  void StoreScrollState();
  // A colour drag over the chooser's dialog (the buttons take drops).
  Result<bool> DragReceive(const BaseContainer& msg);

private:
  Result<void> LayoutButtons();
  Result<void> LayoutAreaGroup();
  void UpdateButtons();
  Result<void> LoadPreset();
  Result<void> SavePreset();
  void OpenPresetFolder();

  ChooserView& _chooser;
  ColorSwatchesArea _area;
};
