#include "core/worldpreferences.h"

#include "core/fourcc.h"
#include "core/storedfile.h"

namespace host {

namespace {
constexpr int32_t kPrefsId = FourCC("GXAP");
}  // namespace

WorldPreferences::WorldPreferences() : data_(Defaults()) {}

WorldPreferences::WorldPreferences(std::filesystem::path file) : file_(std::move(file)), data_(Defaults()) {
  auto loaded = StoredFile(file_).Load();
  problem_ = loaded.problem;
  save_blocked_ = loaded.unreadable;
  if (loaded.content && loaded.content->Id() != kPrefsId) {
    // A sound file of another kind (a document copied over it, say) is kept
    // as it is and not merged.
    problem_ = file_.string() + " holds no preferences; it is left as it is and the defaults are used";
    save_blocked_ = true;
  } else if (loaded.content) {
    data_.Merge(*loaded.content);
  }
  data_.SetId(kPrefsId);
}

Container WorldPreferences::Defaults() {
  Container c(kPrefsId);
  c.SetInt32(kColorUnit, 1);  // 8-bit
  c.SetBool(kShowRgb, false);
  c.SetBool(kShowHex, true);
  c.SetBool(kPureGradients, false);
  c.SetBool(kShowHsv, true);
  c.SetBool(kShowKelvin, false);
  c.SetBool(kShowMixer, false);
  c.SetBool(kShowSwatches, false);
  c.SetBool(kSwatchGroupNames, true);
  c.SetInt32(kSwatchCellSize, 0);
  c.SetInt32(kWheelMode, 0);  // none until the user picks wheel, spectrum or picture
  c.SetInt32(kWheelSize, 1);
  c.SetInt32(kSpectrumSize, 0);
  c.SetBool(kShowCompact, false);
  c.SetBool(kRememberModes, false);
  c.SetBool(kShowAlpha, true);
  c.SetInt32(kTheme, 1);  // dark (0 is light)
  c.SetBool(kLinearDisplay, false);
  c.SetBool(kPerceptualTools, false);
  c.SetInt32(kClipboardFormat, 0);                  // #RRGGBB
  c.Set(kDisplayProfile, Value::Profile(nullptr));  // none: sRGB
  return c;
}

Outcome<Done> WorldPreferences::Save() const {
  if (file_.empty()) return Outcome<Done>::Fail("these preferences have no file");
  if (save_blocked_) {
    return Outcome<Done>::Fail("not saving over " + file_.string() + ", which could not be read as preferences");
  }
  return StoredFile(file_).Save(data_);
}

}  // namespace host
