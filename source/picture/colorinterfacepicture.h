#pragma once
// The picture mode: a file name field, a toolbar (mosaic on or off, add,
// delete and reduce samples, the number of samples), the sample size or the
// mosaic level, and the picture in a scroll group of stored height. The
// picture, the sample list and the options live in the chooser's state, so
// they come back with the layout; the zoom and the scroll do not.
#include <cstdint>
#include <string>
#include <vector>

#include "picture/colorimagearea.h"
#include "swatches/colorswatchespreviewarea.h"
#include "utils/colorinterface.h"
#include "utils/colorsliderareablend.h"
#include "utils/specialbitmapbutton.h"

class ColorInterfacePicture : public ColorInterface
{
public:
  static constexpr std::int32_t kLevel = 0x3EC0001;
  static constexpr std::int32_t kFile = 0x3EC0002;
  static constexpr std::int32_t kArea = 0x3EC0003;
  static constexpr std::int32_t kAreaGroup = 0x3EC0004;
  static constexpr std::int32_t kSampleSize = 0x3EC0006;
  static constexpr std::int32_t kStrip = 0x3EC0007;
  static constexpr std::int32_t kStripGroup = 0x3EC0008;
  static constexpr std::int32_t kMosaicButton = 0x3EC0009;
  static constexpr std::int32_t kAddButton = 0x3EC000A;
  static constexpr std::int32_t kDeleteButton = 0x3EC000B;
  static constexpr std::int32_t kReduceButton = 0x3EC000C;
  static constexpr std::int32_t kScrollGroup = 0x3EC000D;
  static constexpr std::int32_t kOptionsRow = 0x3EC000E;
  static constexpr std::int32_t kToolbar = 0x3EC000F;
  static constexpr std::int32_t kSampleCount = 0x3EC0010;
  static constexpr std::int32_t kAreaHeight = 0x3EC0019;
  // The strip menu's command that puts the picture's palette into the strip.
  static constexpr std::int32_t kPaletteCommand = 0x3EC0020;
  static constexpr std::int32_t kUnsetLevel = 0x7FFFFFFF;

  explicit ColorInterfacePicture(ChooserView& chooser);

  static void WriteDefaults(BaseContainer& state);

  void Update(ChooserView& chooser) override;
  Result<void> CreateLayout(ChooserView& chooser) override;
  Result<bool> Command(std::int32_t id, const BaseContainer& msg, ChooserView& chooser) override;

  ColorImageArea& GetArea() { return _area; }
  // The strip shows the samples again (after a change of the display
  // profile or of another chooser's strip).
  void RefreshStrip();
  // The scroll group moved: the area draws the part now in view.
  void Scrolled();

private:
  Result<void> InitButtons();
  Result<void> LayoutToolbar(ChooserView& chooser);
  Result<void> LayoutOptions(ChooserView& chooser);
  Result<void> LayoutPicture(ChooserView& chooser);
  Result<void> LayoutStrip(ChooserView& chooser);
  void PushToStrip();
  Result<void> PullFromStrip();
  Result<bool> StripCommand(const BaseContainer& msg, ChooserView& chooser);
  // Loads the stored picture when it is not the one shown.
  void FollowStoredFile(ChooserView& chooser);
  Result<void> LoadPictureFileCommand(ChooserView& chooser, bool keepSamples);
  std::int64_t StoredLevel(const ChooserView& chooser) const;
  Result<bool> LevelCommand(const BaseContainer& msg, ChooserView& chooser);
  void ApplyOptions(ChooserView& chooser);
  // The number of samples in the toolbar and the samples in the strip.
  void ShowSampleCount();
  Result<bool> TakeSampleColour(ChooserView& chooser);
  Result<bool> SampleCommand(std::int32_t id, ChooserView& chooser);
  // Only with the perceptual colour tools on.
  std::vector<ColorSwatchesPreviewArea::OwnerMenuEntry> StripMenu() const;
  Result<bool> PaletteCommand(ChooserView& chooser);

  ChooserView& _chooser;
  ColorImageArea _area;
  SpecialBitmapButton _mosaicButton;
  SpecialBitmapButton _addButton;
  SpecialBitmapButton _deleteButton;
  SpecialBitmapButton _reduceButton;
  ColorSliderAreaBlend _levelSlider;
  ColorSwatchesPreviewArea _strip{ColorSwatchesPreviewArea::Content::Rgb};
  std::int32_t _buttonsState = 0;
  // A drag of the level slider has sent changes that its release must end.
  bool _levelLive = false;
  std::string _shownFile;
  std::string _loadError;
};
