// Writes the program's desktop icons into a folder at build time:
// gxa-host.svg and gxa-host-SIZE.png for each size named.
//
// usage: gxa-icons FOLDER SIZE...
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "raster/appicon.h"
#include "raster/imagecodec.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: gxa-icons FOLDER SIZE...\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "gxa-host.svg") << host::AppIcon::Svg();
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    int side = 0;
    auto [end, ec] = std::from_chars(arg.data(), arg.data() + arg.size(), side);
    if (ec != std::errc() || end != arg.data() + arg.size() || side < 16 || side > 1024) {
      std::fprintf(stderr, "gxa-icons: '%s' is not a size from 16 to 1024\n", arg.c_str());
      return 2;
    }
    std::string error;
    const auto file = folder / ("gxa-host-" + arg + ".png");
    if (!host::ImageCodec::SavePngFile(host::AppIcon::Pixels(side), file, error)) {
      std::fprintf(stderr, "gxa-icons: %s: %s\n", file.c_str(), error.c_str());
      return 1;
    }
  }
  return 0;
}
