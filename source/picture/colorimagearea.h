#pragma once
// The picture of the picture mode in its scroll group: shows the picture or
// its mosaic at any zoom with a marker per sample, takes samples where the
// user clicks, drags them, and pans and zooms. The panel owns it and keeps
// the options; the area reports a sample's colour to the chooser with an
// action message.
#include <cstdint>
#include <functional>
#include <string>

#include "basebitmap.h"
#include "colorwheel/ringbitmap.h"
#include "colorwheel/ringcirclebitmap.h"
#include "geuserarea.h"
#include "picture/colorimagemosaic.h"
#include "picture/picturesamples.h"
#include "picture/picturescaler.h"
#include "picture/pictureview.h"
#include "result.h"

class ChooserView;

class ColorImageArea : public GeUserArea
{
public:
  static constexpr std::int32_t kScrollGroup = 0x3EC000D;
  static constexpr std::int32_t kHotkeyPan = 13563;
  static constexpr std::int32_t kHotkeyZoom = 13564;

  explicit ColorImageArea(ChooserView& chooser);

  bool Init() override;
  bool GetMinSize(std::int32_t& w, std::int32_t& h) override;
  void Sized(std::int32_t w, std::int32_t h) override;
  void DrawMsg(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const BaseContainer& msg) override;
  bool InputEvent(const BaseContainer& msg) override;
  std::int32_t Message(const BaseContainer& msg, BaseContainer& result) override;

  // A new picture: the samples start over with one in the middle and the
  // zoom fits the view at the next draw. On failure the area is empty and
  // why says what went wrong.
  Result<void> LoadPicture(const Filename& file, std::string& why);
  void ClearPicture();
  bool HasPicture() const { return _view.HasPicture(); }
  const BaseBitmap& GetPicture() const { return _picture; }
  PictureView& GetView() { return _view; }
  PictureSamples& GetSamples() { return _samples; }
  ColorImageMosaic& GetMosaic() { return _mosaic; }

  void SetSampleSize(std::int32_t size) { _sampleSize = size; }
  // The view moved: the shown part is made again at the next draw.
  void MarkVisibleChanged() { _scaledDirty = true; }
  void SetMosaic(bool on, std::int64_t level);
  // The minimum size is 0 x 0 while the scroll group is rebuilt.
  void SetRebuilding(bool on) { _rebuilding = on; }
  // Called after samples were added, deleted, selected or moved.
  void SetSamplesChanged(std::function<void()> changed) { _samplesChanged = std::move(changed); }

  // Every sample takes the colour under it again.
  Result<void> ResampleAll();
  Result<bool> AddSampleInView();
  void ScrollToSample(std::size_t index);
  // Sends the current sample's colour to the parent.
  void ReportCurrent(bool dragging);

private:
  Result<void> BuildMarkers();
  Result<void> DrawPicture(const PictureScaler::Rect& visible);
  void DrawMarkers(BaseBitmap& target, const PictureScaler::Rect& shown, std::int32_t scale);
  void DrawEmpty(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
  const BaseBitmap& Shown();
  Result<Vector> SampleAt(std::int64_t x, std::int64_t y);
  Vector MarkerCentre(const ColorListEntry& sample) const;
  // The sample whose marker lies under an area point, or -1.
  std::int64_t SampleUnder(double ax, double ay) const;
  bool LocalMouse(const BaseContainer& msg, std::int32_t& x, std::int32_t& y, const char* operation);

  bool HandleLeft(const BaseContainer& msg);
  bool HandleCtrlClick(std::int32_t x, std::int32_t y);
  void HandleDoubleClick(std::int32_t x, std::int32_t y);
  void DragSample(std::size_t index, std::int32_t x, std::int32_t y);
  bool HandleWheel(const BaseContainer& msg);
  void Pan(std::int32_t channel, std::int32_t x, std::int32_t y);
  void ZoomDrag(std::int32_t channel, std::int32_t x, std::int32_t y);
  // Zooms keeping the picture point under the area point (ax, ay) in place.
  void ZoomAround(double zoom, double ax, double ay);
  void ScrollTo(std::int32_t x, std::int32_t y);
  bool GetVisible(PictureScaler::Rect& visible) const;
  void SamplesChanged();
  String Tooltip(std::int32_t x, std::int32_t y);

  ChooserView& _chooser;
  BaseBitmap _picture;
  BaseBitmap _scaled;
  BaseBitmap _visible;
  ColorImageMosaic _mosaic;
  PictureScaler _scaler;
  PictureView _view;
  PictureSamples _samples;
  RingCircleBitmap _marker;
  RingBitmap _outline;
  RingBitmap _selectedRing;
  std::int32_t _markerScale = 0;
  std::int32_t _sampleSize = 1;
  bool _mosaicOn = false;
  std::int64_t _level = 0;
  bool _rebuilding = false;
  bool _fitPending = false;
  bool _scaledDirty = true;
  PictureScaler::Rect _lastShown;
  std::int32_t _lastScale = 0;
  std::function<void()> _samplesChanged;
  // The sample that the last press on the bare picture moved, or -1.
  std::int64_t _movedByPress = -1;
};
