#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "raster/rastertypes.h"

struct FT_FaceRec_;
struct FT_LibraryRec_;

#ifndef GXA_FONT_DIR
#define GXA_FONT_DIR "/usr/share/fonts/truetype/dejavu"
#endif

namespace host {

// Text as the host draws it: DejaVu Sans (and its bold, oblique and bold
// oblique faces when present; a missing face falls back to a plainer one),
// anti-aliased, from UTF-8. Sizes are pixels at the target resolution; the
// caller multiplies logical sizes by the display scale. Advances are the
// font's unhinted ones, so a measure at scale 2 is exactly twice the measure
// at scale 1 and layouts agree across scales.
class FontRenderer {
 public:
  static constexpr double kDefaultSize = 12.0;  // logical pixels, the UI text size
  // Face bits: a bool 'bold' passes as kBold.
  static constexpr int kBold = 1;
  static constexpr int kItalic = 2;

  struct Glyph {
    int left = 0;  // offset of the coverage from the pen position
    int top = 0;   // rows above the baseline
    int width = 0;
    int height = 0;
    double advance = 0.0;
    std::vector<uint8_t> coverage;  // width * height, 0..255
  };
  // Receives each glyph and the top left of its coverage in target pixels.
  using GlyphSink = std::function<void(const Glyph& glyph, int x, int y)>;

  explicit FontRenderer(const std::filesystem::path& fontDir = GXA_FONT_DIR);
  ~FontRenderer();
  FontRenderer(const FontRenderer&) = delete;
  FontRenderer& operator=(const FontRenderer&) = delete;

  // The process-wide renderer over GXA_FONT_DIR.
  static FontRenderer& Shared();

  bool IsReady() const { return faces_[0] != nullptr; }
  bool HasBold() const { return faces_[kBold] != nullptr; }
  const std::string& Error() const { return error_; }

  double Advance(std::string_view utf8, double pixelSize, int face = 0);
  double Ascent(double pixelSize, int face = 0) const;
  double LineHeight(double pixelSize, int face = 0) const;

  // Lays out one line starting at pen x on the given baseline.
  void Render(std::string_view utf8, double pixelSize, int face, double x, int baseline, const GlyphSink& sink);

  static std::u32string DecodeUtf8(std::string_view utf8);

 private:
  using Face = ::FT_FaceRec_*;

  // A laid-out line: each glyph and its pen position. Kept per text, size
  // and face, so a redraw of the same words asks FreeType nothing.
  struct Run {
    std::vector<std::pair<const Glyph*, double>> glyphs;
    double advance = 0.0;
  };

  // The face drawn for the bits: the nearest one present.
  int Available(int face) const;
  Face FaceFor(int face) const { return faces_[Available(face)]; }
  const Glyph* GlyphFor(char32_t codepoint, double pixelSize, int face);
  bool LoadGlyph(Face face, char32_t codepoint, double pixelSize, Glyph& out);
  double Kerning(Face face, char32_t left, char32_t right, double pixelSize) const;
  double Scale(Face face, double pixelSize) const;
  const Run& RunFor(std::string_view utf8, double pixelSize, int face);
  void LayOut(std::string_view utf8, double pixelSize, int face, Run& run);

  ::FT_LibraryRec_* library_ = nullptr;
  Face faces_[4] = {nullptr, nullptr, nullptr, nullptr};
  std::string error_;
  std::unordered_map<uint64_t, Glyph> cache_;
  std::unordered_map<std::string, Run> runs_;  // point into cache_
  uint64_t clears_ = 0;                        // times cache_ started over
};

}  // namespace host
