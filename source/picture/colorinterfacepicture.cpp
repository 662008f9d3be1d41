#include "picture/colorinterfacepicture.h"

#include <algorithm>
#include <cmath>

#include "colormodes/panellayout.h"
#include "diagnostics.h"
#include "gedata.h"
#include "moduleresource.h"
#include "picture/palettesamples.h"
#include "utils/buttonsettings.h"
#include "utils/chooserview.h"
#include "utils/colorconversions.h"
#include "utils/perceptualtools.h"

namespace
{
constexpr std::int32_t kFileNamePlugin = 1000478;
constexpr std::int32_t kFillFlags = 63;
constexpr std::int32_t kRowFlags = 57;
constexpr std::int32_t kLeft = 9;
constexpr std::int32_t kScaleFit = 56;
constexpr std::int32_t kBorder = 4;
constexpr std::int32_t kToolSpace = 2;
constexpr std::int32_t kStringMosaic = 20050;
constexpr std::int32_t kStringLevel = 20049;
constexpr std::int32_t kStringSampleSize = 20051;
constexpr std::int32_t kStringFirstSize = 20052;
constexpr std::int32_t kStringAdd = 20043;
constexpr std::int32_t kStringDelete = 20058;
constexpr std::int32_t kStringReduce = 20046;
constexpr std::int32_t kDefaultHeight = 200;
constexpr std::int32_t kMosaicOn = 0x3EC0009;
constexpr std::int32_t kMenuPalette = 900010;
constexpr std::int32_t kStringPalette = 20140;

BaseContainer ButtonSettingsFor(std::int32_t icon, std::int32_t tooltip)
{
  BaseContainer settings;
  settings.SetInt32(ButtonSettings::kIcon, icon);
  settings.SetString(ButtonSettings::kTooltip, ModuleResource::LoadString(tooltip));
  settings.SetBool(ButtonSettings::kTrackPress, true);
  return settings;
}
}  // namespace

ColorInterfacePicture::ColorInterfacePicture(ChooserView& chooser) : _chooser(chooser), _area(chooser)
{
  _area.SetSamplesChanged([this] { ShowSampleCount(); });
  _strip.SetCommands(kAddButton, kDeleteButton);
  _strip.SetRemoveSelectedText(true);
  _strip.SetMaxCount(static_cast<std::int32_t>(PictureSamples::kMaxSamples));
  _strip.SetOwnerMenu([this] { return StripMenu(); });
}

void ColorInterfacePicture::WriteDefaults(BaseContainer& state)
{
  state.SetBool(kMosaicOn, false);
  state.SetInt32(kLevel, kUnsetLevel);
  state.SetInt32(kSampleSize, 1);
  for (std::int32_t id = 0x3EC0014; id <= 0x3EC0017; ++id)
    state.SetInt32(id, 0);
  state.SetFloat(0x3EC0018, 1.0);
  state.SetInt32(kAreaHeight, kDefaultHeight);
}

void ColorInterfacePicture::Update(ChooserView&)
{
  // The picture keeps its samples' colours; the chooser's colour does not
  // move them.
}

Result<void> ColorInterfacePicture::InitButtons()
{
  if (_buttonsState == 2)
    return Ok();
  _buttonsState = 1;
  BaseContainer mosaic = ButtonSettingsFor(1033887, kStringMosaic);
  mosaic.SetInt32(ButtonSettings::kIconOffLight, 1034001);
  mosaic.SetInt32(ButtonSettings::kIconOffDark, 1033507);
  mosaic.SetBool(ButtonSettings::kCheckable, true);
  mosaic.SetBool(ButtonSettings::kToggle, true);
  RETURN_IF_ERROR(_mosaicButton.Init(kMosaicButton, mosaic));
  RETURN_IF_ERROR(_addButton.Init(kAddButton, ButtonSettingsFor(1033505, kStringAdd)));
  RETURN_IF_ERROR(_deleteButton.Init(kDeleteButton, ButtonSettingsFor(1033506, kStringDelete)));
  RETURN_IF_ERROR(_reduceButton.Init(kReduceButton, ButtonSettingsFor(1034124, kStringReduce)));
  _buttonsState = 2;
  return Ok();
}

Result<void> ColorInterfacePicture::CreateLayout(ChooserView& chooser)
{
  RETURN_IF_ERROR(InitButtons());
  FollowStoredFile(chooser);
  PanelLayout layout(chooser);
  layout.Separator();
  chooser.GroupBegin(0, kFillFlags, 1, 0);
  chooser.GroupBorderSpace(kBorder, kBorder, kBorder, kBorder);
  chooser.GroupSpace(0, kBorder);
  chooser.AddCustomGui(kFile, kFileNamePlugin, String(), kRowFlags, 0, 0, BaseContainer());
  const GeData file = chooser.GetState().GetData(kFile);
  chooser.GeDialog::SetData(kFile, file);
  RETURN_IF_ERROR(LayoutToolbar(chooser));
  RETURN_IF_ERROR(LayoutOptions(chooser));
  RETURN_IF_ERROR(LayoutPicture(chooser));
  RETURN_IF_ERROR(LayoutStrip(chooser));
  chooser.GroupEnd();
  ApplyOptions(chooser);
  ShowSampleCount();
  return layout.Finish();
}

Result<void> ColorInterfacePicture::LayoutToolbar(ChooserView& chooser)
{
  PanelLayout layout(chooser);
  chooser.GroupBegin(kToolbar, kRowFlags, 0, 1);
  chooser.GroupSpace(kToolSpace, 0);
  _mosaicButton.SetState(chooser.GetState().GetBool(kMosaicOn, false), false);
  layout.UserArea(kMosaicButton, kLeft, _mosaicButton, 0);
  layout.UserArea(kAddButton, kLeft, _addButton, 0);
  layout.UserArea(kDeleteButton, kLeft, _deleteButton, 0);
  layout.UserArea(kReduceButton, kLeft, _reduceButton, 0);
  chooser.AddStaticText(kSampleCount, kScaleFit, 0, 0, String(), 0);
  chooser.GroupEnd();
  return layout.Finish();
}

Result<void> ColorInterfacePicture::LayoutOptions(ChooserView& chooser)
{
  PanelLayout layout(chooser);
  chooser.GroupBegin(kOptionsRow, kRowFlags, 2, 1);
  chooser.GroupSpace(kBorder * 2, 0);
  if (chooser.GetState().GetBool(kMosaicOn, false))
  {
    layout.Label(kStringLevel, 0);
    layout.UserArea(kLevel, PanelLayout::kSliderFlags, _levelSlider, 0);
  }
  else
  {
    layout.Label(kStringSampleSize, 0);
    chooser.AddComboBox(kSampleSize, kLeft, 0, 0);
    for (std::int32_t i = 0; i < 5; ++i)
      chooser.AddChild(kSampleSize, 1 + 2 * i, ModuleResource::LoadString(kStringFirstSize + i));
  }
  chooser.GroupEnd();
  return layout.Finish();
}

Result<void> ColorInterfacePicture::LayoutPicture(ChooserView& chooser)
{
  PanelLayout layout(chooser);
  chooser.GroupBegin(kAreaGroup, kFillFlags, 1, 0);
  chooser.GroupBorder(GXA_GROUP_BORDER_GROUP);
  chooser.ScrollGroupBegin(kScrollGroup, kFillFlags, GXA_SCROLL_VERTICAL | GXA_SCROLL_HORIZONTAL | GXA_SCROLL_AUTO);
  _area.SetRebuilding(false);
  layout.UserArea(kArea, kFillFlags, _area, 0);
  chooser.GroupEnd();
  chooser.GroupEnd();
  const std::int32_t height = chooser.GetState().GetInt32(kAreaHeight, kDefaultHeight);
  chooser.SetSizeHints(kScrollGroup, 0, GXA_SIZE_PIXELS(std::clamp(height, 50, 3000)));
  return layout.Finish();
}

Result<void> ColorInterfacePicture::LayoutStrip(ChooserView& chooser)
{
  PanelLayout layout(chooser);
  chooser.GroupBegin(kStripGroup, kRowFlags, 1, 0);
  layout.UserArea(kStrip, kRowFlags, _strip, 0);
  chooser.GroupEnd();
  RETURN_IF_ERROR(layout.Finish());
  PushToStrip();
  return Ok();
}

void ColorInterfacePicture::PushToStrip()
{
  ColorStripList& shown = _strip.GetList();
  const std::vector<ColorListEntry>& samples = _area.GetSamples().Entries();
  shown.GetEntries().Flush();
  if (shown.GetEntries().AppendAll(samples).IsError())
    return;
  shown.SetAnchor(static_cast<std::int32_t>(_area.GetSamples().Current()));
  _strip.SetProfileMode(_chooser.GetProfileMode());
  _strip.ColorsChanged();
}

Result<void> ColorInterfacePicture::PullFromStrip()
{
  const BaseArray<ColorListEntry>& shown = _strip.GetList().GetEntries();
  std::vector<ColorListEntry>& samples = _area.GetSamples().Entries();
  try
  {
    samples.assign(&shown[0], &shown[0] + shown.GetCount());
  }
  catch (const std::bad_alloc&)
  {
    return OutOfMemoryError();
  }
  // The strip's anchor is the colour last pressed: it counts as the edited
  // one while it stays selected.
  const std::int32_t anchor = _strip.GetList().GetAnchor();
  if (anchor >= 0 && static_cast<std::size_t>(anchor) < samples.size() && samples[anchor].selected)
    _area.GetSamples().MakeCurrent(static_cast<std::size_t>(anchor));
  return Ok();
}

Result<bool> ColorInterfacePicture::StripCommand(const BaseContainer& msg, ChooserView& chooser)
{
  RETURN_IF_ERROR(PullFromStrip());
  _area.GetSamples().Store(chooser.GetState());
  _area.Redraw();
  ShowSampleCount();
  const GeData value = msg.GetData(GXA_MSG_VALUE);
  if (value.GetType() == GXA_TYPE_INT32 && value.GetInt32() == ColorSwatchesPreviewArea::kClicked)
  {
    // A plain click on a sample: it is the colour now, and the view goes to it.
    _area.ScrollToSample(static_cast<std::size_t>(std::max<std::int64_t>(_area.GetSamples().Current(), 0)));
    return TakeSampleColour(chooser);
  }
  if (value.GetType() == GXA_TYPE_INT32 && value.GetInt32() == ColorSwatchesPreviewArea::kSelection)
    return false;
  // Colours moved, dropped in or reduced to one.
  return TakeSampleColour(chooser);
}

void ColorInterfacePicture::RefreshStrip()
{
  PushToStrip();
  _strip.Redraw();
}

void ColorInterfacePicture::Scrolled()
{
  _area.MarkVisibleChanged();
  _area.Redraw();
}

void ColorInterfacePicture::FollowStoredFile(ChooserView& chooser)
{
  const Filename file = chooser.GetState().GetData(kFile).GetFilename();
  const std::string path = file.IsValid() ? file.GetString().GetStd() : std::string();
  if (path == _shownFile)
    return;
  _shownFile = path;
  _loadError.clear();
  if (path.empty())
  {
    _area.ClearPicture();
    return;
  }
  // A picture that comes back with the layout keeps its stored samples.
  const Result<void> loaded = LoadPictureFileCommand(chooser, true);
  if (loaded.IsError())
    ReportError("ColorImageArea::LoadPictureFileCommand()", loaded.GetError());
}

Result<void> ColorInterfacePicture::LoadPictureFileCommand(ChooserView& chooser, bool keepSamples)
{
  BaseContainer& state = chooser.GetState();
  const BaseContainer stored = state;
  state.SetInt32(0x3EC0012, 0);
  state.RemoveData(0x3EC0013);
  const Filename file = state.GetData(kFile).GetFilename();
  const Result<void> loaded = _area.LoadPicture(file, _loadError);
  if (loaded.IsError())
  {
    _area.Redraw();
    return loaded;
  }
  if (state.GetInt32(kLevel, kUnsetLevel) == kUnsetLevel)
    state.SetInt32(kLevel, static_cast<std::int32_t>(_area.GetMosaic().GetLevelCount() - 1));
  if (keepSamples)
    _area.GetSamples().Read(stored, _area.GetPicture().GetWidth(), _area.GetPicture().GetHeight());
  _area.GetSamples().Store(state);
  ApplyOptions(chooser);
  RETURN_IF_ERROR(_area.ResampleAll());
  _area.LayoutChanged();
  _area.Redraw();
  return Ok();
}

std::int64_t ColorInterfacePicture::StoredLevel(const ChooserView& chooser) const
{
  const std::int32_t stored = chooser.GetState().GetInt32(kLevel, kUnsetLevel);
  return _area.HasPicture() ? const_cast<ColorImageArea&>(_area).GetMosaic().ClampLevel(stored) : stored;
}

void ColorInterfacePicture::ApplyOptions(ChooserView& chooser)
{
  const BaseContainer& state = chooser.GetState();
  const bool mosaic = state.GetBool(kMosaicOn, false);
  const std::int64_t level = StoredLevel(chooser);
  _area.SetSampleSize(state.GetInt32(kSampleSize, 1));
  _area.SetMosaic(mosaic, level);
  if (mosaic)
  {
    // From coarse to fine: a dark grey brightening as the tiles shrink.
    const auto last = static_cast<double>(std::max<std::int64_t>(_area.GetMosaic().GetLevelCount() - 1, 1));
    _levelSlider.SetNormalizedMessages(false);
    _levelSlider.SetRange(0.0, last, 1.0);
    _levelSlider.SetEndColorsNoRedraw(0.0, Vector(0.25, 0.25, 0.25), false, Vector(0.85, 0.85, 0.85), false);
    _levelSlider.SetUnitValue(static_cast<double>(level));
    chooser.Enable(kLevel, _area.HasPicture());
    _levelSlider.Redraw();
  }
  else
  {
    chooser.SetInt32(kSampleSize, state.GetInt32(kSampleSize, 1), 1, 9, 2);
  }
  for (SpecialBitmapButton* button : {&_mosaicButton, &_addButton, &_deleteButton, &_reduceButton})
    button->Redraw();
}

void ColorInterfacePicture::ShowSampleCount()
{
  PushToStrip();
  const std::size_t count = _area.HasPicture() ? _area.GetSamples().Count() : 0;
  String text;
  if (!_area.HasPicture())
    text = String(_loadError);
  else
    text = String(std::to_string(count));
  _chooser.SetString(kSampleCount, text);
}

Result<bool> ColorInterfacePicture::LevelCommand(const BaseContainer& msg, ChooserView& chooser)
{
  const auto level = static_cast<std::int32_t>(std::lround(msg.GetFloat(GXA_MSG_VALUE)));
  const bool dragging = msg.GetInt32(GXA_MSG_DRAG) != 0;
  if (!_area.HasPicture())
    return false;
  // A drag reports every move; the mosaic changes only with the level. The
  // release ends the live change that the drag began, on any level.
  if (level == chooser.GetState().GetInt32(kLevel, kUnsetLevel))
  {
    if (dragging || !_levelLive)
      return false;
    _levelLive = false;
    return TakeSampleColour(chooser);
  }
  _levelLive = dragging;
  chooser.GetState().SetInt32(kLevel, level);
  ApplyOptions(chooser);
  RETURN_IF_ERROR(_area.ResampleAll());
  _area.Redraw();
  return TakeSampleColour(chooser);
}

Result<bool> ColorInterfacePicture::TakeSampleColour(ChooserView& chooser)
{
  // Resampled colours show in the strip too.
  PushToStrip();
  const std::int64_t current = _area.GetSamples().Current();
  if (current < 0)
    return false;
  chooser.SetColor(_area.GetSamples().Entries()[static_cast<std::size_t>(current)].color);
  chooser.SetRebuildPending(false);
  return true;
}

Result<bool> ColorInterfacePicture::SampleCommand(std::int32_t id, ChooserView& chooser)
{
  if (!_area.HasPicture())
    return false;
  bool changed = true;
  switch (id)
  {
    case kAddButton:
    {
      ASSIGN_OR_RETURN(changed, _area.AddSampleInView());
      break;
    }
    case kDeleteButton: changed = _area.GetSamples().DeleteSelected(); break;
    case kReduceButton: _area.GetSamples().ReduceToOne(); break;
    default: return false;
  }
  _area.GetSamples().Store(chooser.GetState());
  _area.Redraw();
  ShowSampleCount();
  if (!changed)
    return false;
  return TakeSampleColour(chooser);
}

std::vector<ColorSwatchesPreviewArea::OwnerMenuEntry> ColorInterfacePicture::StripMenu() const
{
  if (!PerceptualTools::IsOn())
    return {};
  String text = ModuleResource::LoadString(kStringPalette, String::FromInt(PaletteSamples::kDefaultCount));
  if (!_area.HasPicture())
    text += "&d&";
  return {{kMenuPalette, kPaletteCommand, text}};
}

Result<bool> ColorInterfacePicture::PaletteCommand(ChooserView& chooser)
{
  if (!_area.HasPicture())
    return false;
  ASSIGN_OR_RETURN(std::vector<ColorListEntry> palette,
                   PaletteSamples::Extract(_area.GetPicture(), PaletteSamples::kDefaultCount));
  if (palette.empty())
    return false;
  // The palette takes the strip's place, so that the strip's menu hands
  // exactly it to the swatches.
  _area.GetSamples().Entries() = std::move(palette);
  _area.GetSamples().SelectOnly(0);
  _area.GetSamples().Store(chooser.GetState());
  _area.Redraw();
  ShowSampleCount();
  return TakeSampleColour(chooser);
}

Result<bool> ColorInterfacePicture::Command(std::int32_t id, const BaseContainer& msg, ChooserView& chooser)
{
  BaseContainer& state = chooser.GetState();
  switch (id)
  {
    case kFile:
    {
      GeData value;
      if (!chooser.GeDialog::GetData(kFile, value))
        return UnexpectedError("FilenameCustomGui not found.");
      state.SetData(kFile, GeData(value.GetFilename()));
      _shownFile = value.GetFilename().GetString().GetStd();
      _loadError.clear();
      const Result<void> loaded = LoadPictureFileCommand(chooser, false);
      ShowSampleCount();
      if (loaded.IsError())
        return loaded.GetError();
      return TakeSampleColour(chooser);
    }
    case kArea:
    {
      chooser.SetColor(msg.GetVector(GXA_MSG_VALUE));
      chooser.SetRebuildPending(false);
      chooser.SetLiveChange(msg.GetInt32(GXA_MSG_DRAG) != 0);
      return true;
    }
    case kLevel: return LevelCommand(msg, chooser);
    case kSampleSize:
    {
      std::int32_t value = 0;
      chooser.GetInt32(id, value);
      state.SetInt32(id, value);
      ApplyOptions(chooser);
      RETURN_IF_ERROR(_area.ResampleAll());
      _area.Redraw();
      return TakeSampleColour(chooser);
    }
    case kMosaicButton:
    {
      state.SetBool(kMosaicOn, !state.GetBool(kMosaicOn, false));
      ApplyOptions(chooser);
      RETURN_IF_ERROR(_area.ResampleAll());
      chooser.RebuildLayout();
      return TakeSampleColour(chooser);
    }
    case kStrip: return StripCommand(msg, chooser);
    case kPaletteCommand: return PaletteCommand(chooser);
    default: return SampleCommand(id, chooser);
  }
}
