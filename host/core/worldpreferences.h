#pragma once
// The host's world preferences: one container, loaded at start from
// prefs.gxs and saved atomically. Entries missing from the file take their
// defaults; a damaged file is moved aside and reported, and the host runs on
// defaults.
#include <filesystem>
#include <string>

#include "core/container.h"
#include "core/outcome.h"

namespace host {

class WorldPreferences {
 public:
  // Preference IDs the chooser reads.
  enum : int32_t {
    kDisplayProfile = 1086,
    kColorUnit = 1102,
    kShowRgb = 1110,
    kShowHex = 1111,
    kPureGradients = 1112,
    kShowHsv = 1113,
    kShowKelvin = 1114,
    kShowMixer = 1115,
    kShowSwatches = 1116,
    kSwatchGroupNames = 1117,
    kSwatchCellSize = 1118,
    kWheelMode = 1119,
    kWheelSize = 1120,
    kSpectrumSize = 1122,
    kShowCompact = 1124,
    kGlobalSwatches = 1127,
    kRememberModes = 1129,
    kShowAlpha = 1133,
    kTheme = 1134,
    kLinearDisplay = 1139,
  };
  // Read by the host alone; the module never sees a meaning in it.
  enum : int32_t {
    kPerceptualTools = 1039500,
    // The folders files were last chosen in, newest first, one a line;
    // absent until a file is first chosen.
    kRecentFolders = 1039520,
    // How a copied colour reads on the system clipboard (ColorTextWriter's forms).
    kClipboardFormat = 1039510,
  };

  // Defaults only, no file: for hosts that must not touch the disk.
  WorldPreferences();
  // Loads from file. Problems (a damaged file moved aside) are in Problem().
  explicit WorldPreferences(std::filesystem::path file);

  static Container Defaults();

  Container& Data() { return data_; }
  const Container& Data() const { return data_; }
  const std::filesystem::path& File() const { return file_; }
  // What went wrong at load, empty when nothing did.
  const std::string& Problem() const { return problem_; }

  // Fails without a file, or when the file at load could not be read (it is
  // then never saved over).
  Outcome<Done> Save() const;

 private:
  std::filesystem::path file_;
  Container data_;
  std::string problem_;
  bool save_blocked_ = false;
};

}  // namespace host
