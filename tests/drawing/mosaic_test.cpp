// The image mosaic on host bitmaps: tile sizes and layout seen in the mosaic's
// pixels, the colour each tile gets, and the tally used for speed checked
// against sorting every pixel record of every tile, over many pictures.
#include <algorithm>
#include <cmath>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "../support/testpictures.h"
#include "drawinghost.h"
#include "picture/colorimagemosaic.h"
#include "picture/mosaicaxis.h"
#include "picture/mosaiccolour.h"
#include "picture/mosaicpixel.h"
#include "picture/mosaicvotes.h"
#include "utils/colorconversions.h"

namespace drawingtest {
namespace {

int ToByte(double c) { return std::clamp(static_cast<int>(c * 255.0 + 0.5), 0, 255); }

Rgb HsvToRgb8(double h, double s, double v) {
  const Vector rgb = HsvToRgb(Vector(h, s, v));
  return {ToByte(rgb.x), ToByte(rgb.y), ToByte(rgb.z)};
}

// Sorts record pointers by hue key in place: quicksort with the median of
// the first, middle and last key as the pivot.
void QuickSort(std::vector<const MosaicPixel*>& order, int lo, int hi) {
  while (lo < hi) {
    const int mid = lo + (hi - lo) / 2;
    if (order[mid]->key < order[lo]->key) std::swap(order[mid], order[lo]);
    if (order[hi]->key < order[lo]->key) std::swap(order[hi], order[lo]);
    if (order[hi]->key < order[mid]->key) std::swap(order[hi], order[mid]);
    const int pivot = order[mid]->key;
    int i = lo, j = hi;
    while (i <= j) {
      while (order[i]->key < pivot) ++i;
      while (order[j]->key > pivot) --j;
      if (i <= j) std::swap(order[i++], order[j--]);
    }
    if (j - lo < hi - i) {
      QuickSort(order, lo, j);
      lo = i;
    } else {
      QuickSort(order, i, hi);
      hi = j;
    }
  }
}

// The tile colour as stated for the mosaic: collect the tile's records and
// their mean value, sort the records by hue key, take the most frequent key
// (the first, so the smaller, on a tie) and average hue and saturation over
// its records.
Rgb ReferenceTile(const BaseBitmap& picture, int x0, int y0, int w, int h) {
  std::vector<MosaicPixel> records;
  int64_t largest = 0;
  for (int y = y0; y < y0 + h; ++y) {
    for (int x = x0; x < x0 + w; ++x) {
      int r, g, b;
      picture.GetPixel(x, y, r, g, b);
      records.push_back(MosaicPixel::FromRgb8(uint8_t(r), uint8_t(g), uint8_t(b)));
      largest += std::max({r, g, b});
    }
  }
  std::vector<const MosaicPixel*> order;
  for (const MosaicPixel& p : records) order.push_back(&p);
  QuickSort(order, 0, int(order.size()) - 1);
  size_t bestStart = 0, bestRun = 0;
  for (size_t i = 0; i < order.size();) {
    size_t j = i;
    while (j < order.size() && order[j]->key == order[i]->key) ++j;
    if (j - i > bestRun) {
      bestRun = j - i;
      bestStart = i;
    }
    i = j;
  }
  // Means that a colour exactly half way between two bytes rounds the same
  // way as in the mosaic (a sum's last bit depends on the order of adding):
  // hue and saturation over the key's records in the order they were
  // collected, the value from the whole components.
  const int key = order[bestStart]->key;
  double hue = 0.0, saturation = 0.0;
  for (const MosaicPixel& p : records) {
    if (p.key != key) continue;
    hue += p.hue;
    saturation += p.saturation;
  }
  const double value = double(largest) / (255.0 * double(records.size()));
  return HsvToRgb8(hue / double(bestRun), saturation / double(bestRun), value);
}

class MosaicTest : public DrawingTest {
 protected:
  void MakePicture(int w, int h, const std::function<Rgb(int, int)>& at) {
    ASSERT_TRUE(_picture.Init(w, h, 24).IsOk());
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const Rgb c = at(x, y);
        _picture.SetPixel(x, y, c.r, c.g, c.b);
      }
    ASSERT_TRUE(_mosaic.Init(_picture).IsOk());
  }

  const BaseBitmap& Level(std::int64_t level) {
    auto built = _mosaic.GetMosaic(level);
    EXPECT_TRUE(built.IsOk());
    return *built.GetValue();
  }

  std::vector<int64_t> Sizes() {
    std::vector<int64_t> sizes;
    for (int64_t level = 0; level < _mosaic.GetLevelCount(); ++level) sizes.push_back(_mosaic.GetTileSize(level));
    return sizes;
  }

  BaseBitmap _picture;
  ColorImageMosaic _mosaic;
};

TEST_F(MosaicTest, TileSizesRunFromTheWholePictureToOnePixel) {
  MakePicture(7, 3, [](int, int) { return Rgb{1, 2, 3}; });
  EXPECT_EQ(Sizes(), (std::vector<int64_t>{7, 3, 2, 1}));
  MakePicture(4, 13, [](int, int) { return Rgb{1, 2, 3}; });
  EXPECT_EQ(Sizes(), (std::vector<int64_t>{13, 6, 4, 3, 2, 1}));
  // Levels beyond either end are clamped.
  EXPECT_EQ(_mosaic.GetTileSize(-4), 13);
  EXPECT_EQ(_mosaic.GetTileSize(99), 1);
}

TEST_F(MosaicTest, LevelZeroIsOneTileOfTheDominantHueAtTheMeanValue) {
  // 40 red pixels outvote 20 dark blue ones, but the blue darkens the tile.
  MakePicture(10, 6, [](int x, int y) { return y * 10 + x < 40 ? Rgb{255, 0, 0} : Rgb{0, 0, 128}; });
  const BaseBitmap& tile = Level(0);
  const double value = (40.0 + 20.0 * 128.0 / 255.0) / 60.0;
  const Rgb expected{ToByte(value), 0, 0};
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(At(tile, x, y), expected) << x << ", " << y;
}

TEST_F(MosaicTest, EdgeTilesShareTheRemainder) {
  // Every column has its own hue, rising to the right, so each tile takes the
  // hue of its first column on the tie and the runs show where tiles start.
  MakePicture(19, 4, [](int x, int) { return HsvToRgb8(x / 24.0, 1.0, 1.0); });
  ASSERT_EQ(_mosaic.GetTileSize(3), 4);
  const BaseBitmap& tiles = Level(3);
  // 19 = 4 tiles of 4 and 3 left over: one more pixel for the first tile,
  // two more for the last.
  const int starts[] = {0, 0, 0, 0, 0, 5, 5, 5, 5, 9, 9, 9, 9, 13, 13, 13, 13, 13, 13};
  for (int x = 0; x < 19; ++x) {
    EXPECT_EQ(At(tiles, x, 0), At(_picture, starts[x], 0)) << "column " << x;
    EXPECT_EQ(At(tiles, x, 3), At(tiles, x, 0)) << "column " << x;
  }
  EXPECT_DOUBLE_EQ(_mosaic.GetTileCentre(2, 1, 3).x, 2.5);
  EXPECT_DOUBLE_EQ(_mosaic.GetTileCentre(6, 1, 3).x, 7.0);
  EXPECT_DOUBLE_EQ(_mosaic.GetTileCentre(18, 1, 3).x, 16.0);
  // Fewer than two whole tiles down: the column is one tile.
  EXPECT_DOUBLE_EQ(_mosaic.GetTileCentre(6, 3, 3).y, 2.0);
  EXPECT_DOUBLE_EQ(_mosaic.GetTileCentre(6, 3, 18).y, 3.5);
}

// Where the tile holding pixel p starts, and its centre, along an axis of
// extent e cut into tiles of size t, worked out as stated: n = e / t whole
// tiles and r = e mod t; fewer than two make one tile; otherwise the first
// is t + (r - 1) / 2 wide when r > 0, the inner ones t, the last the rest.
struct StatedAxis {
  int64_t e, t, n, r, first;
  StatedAxis(int64_t extent, int64_t size)
      : e(extent), t(size), n(extent / size), r(extent % size), first(r > 0 ? size + (r - 1) / 2 : size) {}
  int64_t Start(int64_t p) const {
    if (n < 2 || p < first) return 0;
    return std::min(first + (p - first) / t * t, first + (n - 2) * t);
  }
  double Centre(int64_t p) const {
    if (n < 2) return e / 2.0;
    const int64_t start = Start(p);
    const int64_t end = start == 0 ? first : (start == first + (n - 2) * t ? e : start + t);
    return (start + end) / 2.0;
  }
};

TEST_F(MosaicTest, EdgeTilesShareEvenAndOddRemaindersAcrossAndDown) {
  // 52 and 53 meet remainders 0 to 5 over their tile sizes; each line of
  // pixels along the axis has its own hue, rising, so every tile shows its
  // first line and the runs show where tiles start.
  for (const int extent : {52, 53, 23}) {
    for (const bool across : {true, false}) {
      SCOPED_TRACE(std::to_string(extent) + (across ? " across" : " down"));
      const int w = across ? extent : 3, h = across ? 3 : extent;
      MakePicture(w, h, [&](int x, int y) { return HsvToRgb8((across ? x : y) / (extent * 1.2), 1.0, 1.0); });
      std::set<int64_t> remainders;
      for (int64_t level = 0; level < _mosaic.GetLevelCount(); ++level) {
        const int64_t size = _mosaic.GetTileSize(level);
        if (size < 2) continue;
        const StatedAxis axis(extent, size);
        if (axis.n >= 2) remainders.insert(axis.r);
        const BaseBitmap& tiles = Level(level);
        // The three pixels of the other axis are fewer than two tiles: one.
        const StatedAxis other(3, size);
        for (int p = 0; p < extent; ++p) {
          const int start = int(axis.Start(p));
          for (int q = 0; q < 3; ++q) {
            const Rgb shown = across ? At(tiles, p, q) : At(tiles, q, p);
            const Rgb first = across ? At(_picture, start, q) : At(_picture, q, start);
            ASSERT_EQ(shown, first) << "pixel " << p << ", " << q << ", tile size " << size << ", remainder " << axis.r;
            const Vector centre = _mosaic.GetTileCentre(across ? p : q, across ? q : p, level);
            ASSERT_DOUBLE_EQ(across ? centre.x : centre.y, axis.Centre(p)) << "pixel " << p << ", tile size " << size;
            ASSERT_DOUBLE_EQ(across ? centre.y : centre.x, other.Centre(q)) << "pixel " << p << ", tile size " << size;
          }
        }
      }
      if (extent != 23) {
        for (const int64_t r : {1, 2, 3, 4}) EXPECT_EQ(remainders.count(r), 1u) << "remainder " << r;
      }
    }
  }
}

TEST_F(MosaicTest, LastLevelShowsThePictureUnchanged) {
  std::mt19937 random(7);
  MakePicture(23, 17, [&](int, int) { return Rgb{int(random() % 256), int(random() % 256), int(random() % 256)}; });
  const BaseBitmap& pixels = Level(_mosaic.GetLevelCount() - 1);
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 23; ++x) ASSERT_EQ(At(pixels, x, y), At(_picture, x, y));
  auto colour = _mosaic.GetTileColour(5, 9, _mosaic.GetLevelCount() - 1);
  ASSERT_TRUE(colour.IsOk());
  const Rgb at = At(_picture, 5, 9);
  EXPECT_EQ(Rgb(ToByte(colour.GetValue().x), ToByte(colour.GetValue().y), ToByte(colour.GetValue().z)), at);
}

TEST_F(MosaicTest, GreysVoteForKeyZeroAndKeepTheirMeanValue) {
  for (int g = 0; g < 256; ++g) ASSERT_EQ(MosaicPixel::FromRgb8(g, g, g).key, 0) << g;
  // A picture of greys and a few faint cyans: the greys outvote them at hue 0
  // with saturation 0, so the tile stays grey.
  MakePicture(8, 8, [](int x, int y) { return (x + y) % 5 == 0 ? Rgb{90, 100, 100} : Rgb{x * 30, x * 30, x * 30}; });
  const BaseBitmap& tile = Level(0);
  const Rgb c = At(tile, 3, 3);
  EXPECT_EQ(c.r, c.g);
  EXPECT_EQ(c.g, c.b);
}

TEST_F(MosaicTest, HuesRoundingToAFullTurnVoteWithRed) {
  EXPECT_EQ(MosaicPixel::FromRgb8(255, 0, 1).key, 0);
  EXPECT_EQ(MosaicPixel::FromRgb8(255, 0, 1).hue, 0.0);
  // Three reds just below a full turn and two at 1 degree beat three at 2 degrees.
  const Rgb row[] = {{255, 0, 1}, {255, 0, 1}, {255, 0, 1}, {255, 4, 0},
                     {255, 4, 0}, {255, 9, 0}, {255, 9, 0}, {255, 9, 0}};
  MakePicture(8, 1, [&](int x, int) { return row[x]; });
  EXPECT_EQ(At(Level(0), 0, 0), ReferenceTile(_picture, 0, 0, 8, 1));
  EXPECT_EQ(At(Level(0), 0, 0).g, 0);
}

TEST(MosaicPixelTest, FastFiguresEqualTheConversionForEveryColour) {
  // Rows of an odd length, so that the pixels left over after the vectors
  // take the single-pixel steps.
  constexpr int kRow = 4093;
  const MosaicPixel::Tables& tables = MosaicPixel::GetTables();
  std::vector<uint8_t> row(3 * kRow + 16);
  std::vector<uint16_t> keys(kRow + 8);
  std::vector<double> hues(kRow), saturations(kRow);
  std::vector<uint8_t> largest(kRow);
  for (int start = 0; start < (1 << 24); start += kRow) {
    const int n = std::min(kRow, (1 << 24) - start);
    for (int i = 0; i < n; ++i) {
      const int rgb = start + i;
      row[3 * i] = uint8_t(rgb >> 16), row[3 * i + 1] = uint8_t(rgb >> 8), row[3 * i + 2] = uint8_t(rgb);
      keys[i] = uint16_t(MosaicPixel::Key(row[3 * i], row[3 * i + 1], row[3 * i + 2]));
    }
    MosaicPixel::RowFigures(row.data(), keys.data(), n, hues.data(), saturations.data(), largest.data());
    for (int i = 0; i < n; ++i) {
      const uint8_t* c = &row[3 * i];
      const MosaicPixel plain = MosaicPixel::FromRgb8(c[0], c[1], c[2]);
      double hue = -1.0, saturation = -1.0;
      const int top = MosaicPixel::HueSaturation(tables, c, keys[i], hue, saturation);
      if (keys[i] != plain.key || hue != plain.hue || saturation != plain.saturation || hues[i] != plain.hue ||
          saturations[i] != plain.saturation || top != std::max({c[0], c[1], c[2]}) || largest[i] != top)
        FAIL() << "colour " << int(c[0]) << ", " << int(c[1]) << ", " << int(c[2]) << ": key " << keys[i] << " / "
               << plain.key << ", hue " << hue << " / " << hues[i] << " / " << plain.hue << ", saturation "
               << saturation << " / " << saturations[i] << " / " << plain.saturation;
    }
  }
}

TEST(MosaicColourTest, BytesEqualTheConversionRounded) {
  std::mt19937 random(5);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  // Hues on and next to the sector borders, saturations around the grey
  // threshold, and plenty at random.
  std::vector<double> hues = {0.0, 1.0, 1.0 / 6.0, 2.0 / 6.0, 0.5, 4.0 / 6.0, 5.0 / 6.0};
  for (size_t i = 0, n = hues.size(); i < n; ++i) {
    hues.push_back(std::nextafter(hues[i], 0.0));
    hues.push_back(std::nextafter(hues[i], 1.0));
  }
  const std::vector<double> saturations = {0.0, 0.001, std::nextafter(0.001, 0.0), 1.0};
  auto check = [](double h, double s, double v) {
    uint8_t fast[3];
    MosaicColour::ToBytes(h, s, v, fast);
    const Rgb plain = HsvToRgb8(h, s, v);
    ASSERT_EQ(Rgb(fast[0], fast[1], fast[2]), plain) << h << ", " << s << ", " << v;
  };
  for (double h : hues)
    for (double s : saturations) check(h, s, unit(random));
  for (int i = 0; i < 1000000; ++i) check(unit(random), unit(random), unit(random));
}

TEST(MosaicVotesTest, WinnerIsTheMostFrequentKeyAndTheSmallerOnATie) {
  // Key planes from one key to every key, tiles of every shape up to 40 x 40
  // placed anywhere, the last ones ending at the plane's last key.
  std::mt19937 random(16);
  MosaicVotes votes;
  for (const int kinds : {1, 2, 3, 5, 20, 360}) {
    const int stride = 53, rows = 45;
    std::vector<uint16_t> plane(stride * rows + MosaicVotes::kReadPast, 0);
    std::vector<uint16_t> palette(kinds);
    for (uint16_t& key : palette) key = uint16_t(random() % 360);
    for (int i = 0; i < stride * rows; ++i) plane[i] = palette[random() % kinds];
    for (int w = 1; w <= 40; ++w)
      for (int h = 1; h <= 40; ++h) {
        const bool last = (w + h) % 3 == 0;
        const int x0 = last ? stride - w : int(random() % (stride - w + 1));
        const int y0 = last ? rows - h : int(random() % (rows - h + 1));
        const uint16_t* keys = plane.data() + y0 * stride + x0;
        int counts[360] = {};
        for (int y = 0; y < h; ++y)
          for (int x = 0; x < w; ++x) ++counts[keys[y * stride + x]];
        const int best = int(std::max_element(counts, counts + 360) - counts);
        const MosaicVotes::Winner winner = votes.Count(keys, stride, w, h);
        ASSERT_EQ(winner.key, best) << kinds << " kinds, " << w << " x " << h;
        ASSERT_EQ(winner.count, counts[best]) << kinds << " kinds, " << w << " x " << h;
      }
  }
}

class MosaicMatchTest : public MosaicTest {
 protected:
  // Every tile at every level with tiles against the reference.
  void ExpectEveryTileMatches(const std::string& name) {
    const int w = _picture.GetWidth(), h = _picture.GetHeight();
    for (int64_t level = 0; level < _mosaic.GetLevelCount(); ++level) {
      const int64_t size = _mosaic.GetTileSize(level);
      if (size < 2) continue;
      const BaseBitmap& tiles = Level(level);
      const MosaicAxis across(w, size), down(h, size);
      for (int64_t ty = 0; ty < down.GetCount(); ++ty)
        for (int64_t tx = 0; tx < across.GetCount(); ++tx) {
          const int x0 = int(across.GetStart(tx)), y0 = int(down.GetStart(ty));
          const Rgb expected = ReferenceTile(_picture, x0, y0, int(across.GetWidth(tx)), int(down.GetWidth(ty)));
          ASSERT_EQ(At(tiles, x0, y0), expected)
              << name << " (" << w << " x " << h << ") size " << size << " tile " << tx << ", " << ty;
          const int x1 = int(across.GetStart(tx) + across.GetWidth(tx)) - 1;
          const int y1 = int(down.GetStart(ty) + down.GetWidth(ty)) - 1;
          ASSERT_EQ(At(tiles, x1, y1), expected);
        }
    }
  }
};

TEST_F(MosaicMatchTest, PalettesWithNoise) {
  std::mt19937 random(2026);
  for (int picture = 0; picture < 80; ++picture) {
    const int w = 1 + int(random() % 41), h = 1 + int(random() % 31);
    // A small palette with noise makes ties and near-ties between keys common.
    std::vector<Rgb> palette(2 + random() % 6);
    for (Rgb& c : palette) c = {int(random() % 256), int(random() % 256), int(random() % 256)};
    const int noise = int(random() % 4);
    MakePicture(w, h, [&](int, int) {
      Rgb c = palette[random() % palette.size()];
      auto jitter = [&](int v) { return std::clamp(v + int(random() % (2 * noise + 1)) - noise, 0, 255); };
      return Rgb{jitter(c.r), jitter(c.g), jitter(c.b)};
    });
    ExpectEveryTileMatches("palette picture " + std::to_string(picture));
  }
}

TEST_F(MosaicMatchTest, NoiseAndTwoColourChequers) {
  // Pure noise gives tiles of many keys at every level; chequers of two
  // colours tie in every tile of an even size.
  std::mt19937 random(31);
  MakePicture(70, 52, [&](int, int) { return Rgb{int(random() % 256), int(random() % 256), int(random() % 256)}; });
  ExpectEveryTileMatches("noise");
  for (int picture = 0; picture < 6; ++picture) {
    const Rgb a{int(random() % 256), int(random() % 256), int(random() % 256)};
    const Rgb b{int(random() % 256), int(random() % 256), int(random() % 256)};
    const int cell = 1 + picture % 3;
    MakePicture(37 + picture, 29, [&](int x, int y) { return (x / cell + y / cell) % 2 ? a : b; });
    ExpectEveryTileMatches("chequer " + std::to_string(picture));
  }
}

TEST_F(MosaicMatchTest, ClippedColoursLandingHalfWayBetweenTwoBytes) {
  // A full red component everywhere with the others one apart: the tile
  // colours' smaller components fall exactly half way between two bytes,
  // where the last bit of a sum, and so the order of adding, decides.
  std::mt19937 random(11);
  for (int picture = 0; picture < 40; ++picture) {
    const int w = 2 + int(random() % 30), h = 2 + int(random() % 20);
    const int g = int(random() % 200), b = int(random() % 40);
    MakePicture(w, h, [&](int, int) { return Rgb{255, g + int(random() % 3), b + int(random() % 2)}; });
    ExpectEveryTileMatches("clipped picture " + std::to_string(picture));
  }
}

TEST_F(MosaicMatchTest, PhotoLikePictures) {
  for (const auto& [w, h] : {std::pair{160, 120}, {97, 211}, {300, 7}}) {
    MakePicture(w, h, [&](int x, int y) {
      const testpictures::Pixel p = testpictures::PhotoLike(x, y, w, h);
      return Rgb{p[0] >> 8, p[1] >> 8, p[2] >> 8};
    });
    ExpectEveryTileMatches("photo");
  }
}

}  // namespace
}  // namespace drawingtest
