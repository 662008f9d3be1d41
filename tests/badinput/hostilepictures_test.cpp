// Hostile pictures given to `render --picture`: each is refused with what
// is wrong with it, soon, without reading or decoding more than it takes to
// know.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "hostprocess.h"
#include "tempfolder.h"
#include "testpictures.h"

namespace host {
namespace {

namespace fs = std::filesystem;

struct Refusal {
  HostRun run;
  std::chrono::steady_clock::duration took;
};

Refusal RenderPicture(const TempFolder& t, const fs::path& picture) {
  const auto start = std::chrono::steady_clock::now();
  HostRun r = RunHost("render --picture " + picture.string() + " --out " + (t / "out.png").string() + " --module " +
                          std::string(GXA_MODULE_PATH) + " --home " + t.Path().string(),
                      true);
  return {r, std::chrono::steady_clock::now() - start};
}

TEST(HostilePictures, AHugeClaimedSizeIsReportedAsTooLargeWithTheSize) {
  TempFolder t;
  TempFolder::WriteBytes(t / "huge.png", testpictures::PngHeaderOnly(100000, 100000));
  const Refusal r = RenderPicture(t, t / "huge.png");
  EXPECT_EQ(r.run.status, 1);
  EXPECT_NE(r.run.out.find("picture too large (100000 x 100000, at most 100 megapixels)"), std::string::npos)
      << r.run.out;
  EXPECT_FALSE(fs::exists(t / "out.png"));
}

TEST(HostilePictures, AProgressiveJpegRepeatingAScanIsRefusedPastTheScanLimit) {
  TempFolder t;
  TempFolder::WriteBytes(t / "scans.jpg", testpictures::RepeatedScanJpeg(600));
  Refusal r = RenderPicture(t, t / "scans.jpg");
  EXPECT_EQ(r.run.status, 1);
  EXPECT_NE(r.run.out.find("damaged JPEG data: more than 500 scans"), std::string::npos) << r.run.out;
  // A few repeats are within what a progressive picture may hold.
  TempFolder::WriteBytes(t / "few.jpg", testpictures::RepeatedScanJpeg(20));
  r = RenderPicture(t, t / "few.jpg");
  EXPECT_EQ(r.run.status, 0) << r.run.out;
}

TEST(HostilePictures, ALargeFileThatIsNoPictureIsRefusedFromItsFirstBytes) {
  TempFolder t;
  // 900 MB of zeros that take no room: reading it whole would take seconds.
  const fs::path zeros = t / "zeros.png";
  const int fd = ::open(zeros.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::ftruncate(fd, off_t{900} << 20), 0);
  ::close(fd);
  const Refusal r = RenderPicture(t, zeros);
  EXPECT_EQ(r.run.status, 1);
  EXPECT_NE(r.run.out.find("zeros.png': not a PNG picture"), std::string::npos) << r.run.out;
  EXPECT_LT(r.took, std::chrono::seconds(3));
}

TEST(HostilePictures, SigtermStopsAPictureThatLoadsInRenderWithItsMessage) {
  TempFolder t;
  // Within the scan limit, yet seconds of decoding.
  TempFolder::WriteBytes(t / "slow.jpg", testpictures::RepeatedScanJpeg(490, 2400));
  const std::string render = std::string(GXA_HOST_EXE) + " render --picture " + (t / "slow.jpg").string() + " --out " +
                             (t / "out.png").string() + " --module " + std::string(GXA_MODULE_PATH) + " --home " +
                             t.Path().string();
  const auto start = std::chrono::steady_clock::now();
  const CommandResult r = RunShell(render + " >" + (t / "said").string() +
                                   " 2>&1 & pid=$!; sleep 0.5; kill -TERM $pid; wait $pid; echo $?");
  const std::string said = [&] {
    const auto bytes = TempFolder::ReadBytes(t / "said");
    return std::string(bytes.begin(), bytes.end());
  }();
  EXPECT_EQ(r.out, "1\n") << said;
  EXPECT_NE(said.find("slow.jpg': loading was cancelled"), std::string::npos) << said;
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
  EXPECT_FALSE(fs::exists(t / "out.png"));
}

}  // namespace
}  // namespace host
