#pragma once
// The load-preset popup of the swatch panel: the swatch presets of a folder
// as 100 x 100 thumbnails with their names in a 440 x 440 dialog. A click
// on a thumbnail picks it; the name field picks by name (what a script
// fills). Runs through the host as a modal dialog, so a second load cannot
// start while it is open.
#include <cstdint>

#include "basearray.h"
#include "gemodaldialog.h"
#include "geuserarea.h"
#include "gxastring.h"
#include "result.h"
#include "swatches/colorswatch.h"

class SwatchPresetThumbnailArea : public GeUserArea
{
public:
  static constexpr std::int32_t kThumbnail = 100;
  static constexpr std::int32_t kGap = 8;

  struct Item
  {
    String url;
    String name;
    BaseArray<SwatchColor> colors;
  };

  // Told of the item clicked (double-clicked: confirmed).
  explicit SwatchPresetThumbnailArea(BaseArray<Item>& items) : _items(items) {}
  std::int32_t GetChosen() const { return _chosen; }
  void SetChosen(std::int32_t index);

  bool GetMinSize(std::int32_t& w, std::int32_t& h) override;
  void DrawMsg(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const BaseContainer& msg) override;
  bool InputEvent(const BaseContainer& msg) override;

private:
  std::int32_t Columns() const;
  std::int32_t ItemAt(std::int32_t x, std::int32_t y) const;
  void DrawItem(std::int32_t index, std::int32_t x, std::int32_t y);

  BaseArray<Item>& _items;
  std::int32_t _chosen = -1;
};

class SwatchPresetPopupDialog : public GeModalDialog
{
public:
  static constexpr std::int32_t kSize = 440;
  static constexpr std::int32_t kNameField = 1000;
  static constexpr std::int32_t kScroll = 1001;
  static constexpr std::int32_t kThumbnails = 1002;

  // The presets of folder; an empty popup when it holds none.
  static Result<BaseArray<SwatchPresetThumbnailArea::Item>> ReadFolder(const String& folder);

  explicit SwatchPresetPopupDialog(BaseArray<SwatchPresetThumbnailArea::Item> items);
  // The URL picked, empty when the user cancelled or picked nothing.
  String Ask(const String& title);

  bool CreateLayout() override;
  bool InitValues() override;
  bool Command(std::int32_t id, const BaseContainer& msg) override;

protected:
  bool Confirm() override;

private:
  BaseArray<SwatchPresetThumbnailArea::Item> _items;
  SwatchPresetThumbnailArea _area;
  String _url;
};
