#include "raster/fontrenderer.h"

#include <cmath>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H

namespace host {

namespace {

constexpr const char* kFaceFiles[4] = {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans-Oblique.ttf",
                                       "DejaVuSans-BoldOblique.ttf"};
constexpr size_t kCacheLimit = 8192;
constexpr size_t kRunLimit = 4096;

uint64_t CacheKey(char32_t codepoint, double pixelSize, int face) {
  const uint64_t size64 = uint64_t(std::lround(pixelSize * 64.0)) & 0xFFFFFF;
  return (uint64_t(face) << 56) | (size64 << 32) | uint64_t(codepoint);
}

}  // namespace

FontRenderer::FontRenderer(const std::filesystem::path& fontDir) {
  if (FT_Init_FreeType(&library_) != 0) {
    library_ = nullptr;
    error_ = "FreeType could not start";
    return;
  }
  for (int i = 0; i < 4; ++i) {
    const std::string file = (fontDir / kFaceFiles[i]).string();
    if (FT_New_Face(library_, file.c_str(), 0, &faces_[i]) != 0) {
      faces_[i] = nullptr;
      if (i == 0) error_ = "cannot open font '" + file + "'";
    }
  }
}

FontRenderer::~FontRenderer() {
  for (Face face : faces_) {
    if (face) FT_Done_Face(face);
  }
  if (library_) FT_Done_FreeType(library_);
}

FontRenderer& FontRenderer::Shared() {
  static FontRenderer renderer;
  return renderer;
}

namespace {

// Decodes one sequence at text[i]; answers its length, or 0 when damaged.
size_t DecodeSequence(std::string_view text, size_t i, char32_t& cp) {
  const auto lead = uint8_t(text[i]);
  size_t length = 0;
  if (lead < 0x80) {
    cp = lead;
    return 1;
  }
  if ((lead & 0xE0) == 0xC0) length = 2, cp = lead & 0x1F;
  else if ((lead & 0xF0) == 0xE0) length = 3, cp = lead & 0x0F;
  else if ((lead & 0xF8) == 0xF0) length = 4, cp = lead & 0x07;
  else return 0;
  if (i + length > text.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    const auto next = uint8_t(text[i + k]);
    if ((next & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (next & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are damage too.
  static constexpr char32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kSmallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

std::u32string FontRenderer::DecodeUtf8(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    char32_t cp = 0;
    const size_t length = DecodeSequence(utf8, i, cp);
    out.push_back(length ? cp : U'\uFFFD');
    i += length ? length : 1;
  }
  return out;
}

int FontRenderer::Available(int face) const {
  face &= kBold | kItalic;
  if (faces_[face]) return face;
  // Without its oblique face the text stays upright, bold or not.
  if (faces_[face & kBold]) return face & kBold;
  return 0;
}

double FontRenderer::Scale(Face face, double pixelSize) const { return pixelSize / double(face->units_per_EM); }

double FontRenderer::Ascent(double pixelSize, int face) const {
  if (!IsReady()) return pixelSize * 0.93;
  Face f = FaceFor(face);
  return f->ascender * Scale(f, pixelSize);
}

double FontRenderer::LineHeight(double pixelSize, int face) const {
  if (!IsReady()) return pixelSize * 1.17;
  Face f = FaceFor(face);
  return f->height * Scale(f, pixelSize);
}

double FontRenderer::Kerning(Face face, char32_t left, char32_t right, double pixelSize) const {
  if (!FT_HAS_KERNING(face)) return 0.0;
  FT_Vector delta{};
  if (FT_Get_Kerning(face, FT_Get_Char_Index(face, left), FT_Get_Char_Index(face, right), FT_KERNING_UNSCALED,
                     &delta) != 0) {
    return 0.0;
  }
  return delta.x * Scale(face, pixelSize);
}

bool FontRenderer::LoadGlyph(Face face, char32_t codepoint, double pixelSize, Glyph& out) {
  if (FT_Set_Char_Size(face, 0, FT_F26Dot6(std::lround(pixelSize * 64.0)), 72, 72) != 0) return false;
  const FT_UInt index = FT_Get_Char_Index(face, codepoint);
  FT_Fixed units = 0;
  if (FT_Get_Advance(face, index, FT_LOAD_NO_SCALE, &units) == 0) out.advance = units * Scale(face, pixelSize);
  if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_LIGHT) != 0) return false;
  if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) return false;
  const FT_Bitmap& bitmap = face->glyph->bitmap;
  out.left = face->glyph->bitmap_left;
  out.top = face->glyph->bitmap_top;
  out.width = int(bitmap.width);
  out.height = int(bitmap.rows);
  out.coverage.resize(size_t(out.width) * out.height);
  for (int y = 0; y < out.height; ++y) {
    const uint8_t* row = bitmap.buffer + std::ptrdiff_t(y) * bitmap.pitch;
    std::copy(row, row + out.width, out.coverage.begin() + std::ptrdiff_t(y) * out.width);
  }
  return true;
}

const FontRenderer::Glyph* FontRenderer::GlyphFor(char32_t codepoint, double pixelSize, int face) {
  face = Available(face);
  const uint64_t key = CacheKey(codepoint, pixelSize, face);
  if (auto it = cache_.find(key); it != cache_.end()) return &it->second;
  Glyph glyph;
  if (!LoadGlyph(faces_[face], codepoint, pixelSize, glyph)) return nullptr;
  if (cache_.size() >= kCacheLimit) {
    cache_.clear();
    runs_.clear();
    ++clears_;
  }
  return &cache_.emplace(key, std::move(glyph)).first->second;
}

void FontRenderer::LayOut(std::string_view utf8, double pixelSize, int face, Run& run) {
  Face drawn = FaceFor(face);
  double pen = 0.0;
  char32_t previous = 0;
  for (char32_t cp : DecodeUtf8(utf8)) {
    if (previous) pen += Kerning(drawn, previous, cp, pixelSize);
    const Glyph* glyph = GlyphFor(cp, pixelSize, face);
    if (!glyph) continue;
    run.glyphs.emplace_back(glyph, pen);
    pen += glyph->advance;
    run.advance = pen;
    previous = cp;
  }
}

const FontRenderer::Run& FontRenderer::RunFor(std::string_view utf8, double pixelSize, int face) {
  static const Run kNone;
  if (!IsReady() || pixelSize <= 0.0) return kNone;
  const uint64_t size = CacheKey(0, pixelSize, Available(face));
  std::string key(reinterpret_cast<const char*>(&size), sizeof size);
  key.append(utf8);
  if (auto it = runs_.find(key); it != runs_.end()) return it->second;
  if (runs_.size() >= kRunLimit) runs_.clear();
  Run run;
  const uint64_t clears = clears_;
  LayOut(utf8, pixelSize, face, run);
  // A glyph cache that filled up on the way has dropped the run's first glyphs.
  if (clears_ != clears) {
    run = {};
    LayOut(utf8, pixelSize, face, run);
  }
  return runs_.emplace(std::move(key), std::move(run)).first->second;
}

double FontRenderer::Advance(std::string_view utf8, double pixelSize, int face) {
  return RunFor(utf8, pixelSize, face).advance;
}

void FontRenderer::Render(std::string_view utf8, double pixelSize, int face, double x, int baseline,
                          const GlyphSink& sink) {
  for (const auto& [glyph, pen] : RunFor(utf8, pixelSize, face).glyphs) {
    if (glyph->width > 0 && glyph->height > 0) {
      sink(*glyph, int(std::lround(x + pen)) + glyph->left, baseline - glyph->top);
    }
  }
}

}  // namespace host
