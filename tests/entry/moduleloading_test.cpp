// Where the module's resources come from, and what a broken module path gives.
#include <dlfcn.h>
#include <zlib.h>

#include "entryfixture.h"

namespace {

namespace fs = std::filesystem;

class ModuleLoading : public EntryTest {};

TEST_F(ModuleLoading, InsideTheHostFolderResourcesComeFromTheHost) {
  fs::path install = folder_.Path() / "install";
  fs::path copy = install / "modules/chooser/libcolorchooser.so";
  fs::create_directories(copy.parent_path());
  fs::copy_file(GXA_MODULE_PATH, copy);
  TempFolder::WriteText(install / "resource/modules/chooser/strings/en-US.str",
                        "20001\tChooser from the host folder\n20099\tColour (host)\n");

  auto s = host_->LoadModule(copy);
  ASSERT_TRUE(s) << s.Error();
  ASSERT_NE(Reg().FindCustomGui(1000492), nullptr);
  EXPECT_EQ(Reg().FindCustomGui(1000492)->Record().name, "Chooser from the host folder");
  host_->UnloadModule();
}

TEST_F(ModuleLoading, AModuleWithoutResourcesIsEndedAndClosed) {
  fs::path copy = folder_.Path() / "elsewhere/libcolorchooser.so";
  fs::create_directories(copy.parent_path());
  fs::copy_file(GXA_MODULE_PATH, copy);

  auto s = host_->LoadModule(copy);
  ASSERT_FALSE(s);
  EXPECT_NE(s.Error().find("resources"), std::string::npos) << s.Error();
  EXPECT_EQ(host_->LoadedModule(), nullptr);
  // The host said which file it missed.
  ASSERT_FALSE(host_->Diag().Lines().empty());
  EXPECT_NE(host_->Diag().Lines()[0].text.find("elsewhere/res/strings/en-US.str"), std::string::npos);
}

TEST_F(ModuleLoading, BrokenPathsGiveOneLine) {
  TempFolder::WriteText(folder_ / "fake.so", "not a library\n");
  Dl_info zlib{};
  ASSERT_NE(dladdr(reinterpret_cast<void*>(&crc32), &zlib), 0);

  const std::pair<fs::path, const char*> cases[] = {
      {folder_ / "missing.so", "no module at"},
      {folder_ / "fake.so", "cannot load module"},
      {zlib.dli_fname, "not a gxa module"},
  };
  for (const auto& [path, expected] : cases) {
    auto s = host_->LoadModule(path);
    ASSERT_FALSE(s) << path;
    EXPECT_NE(s.Error().find(expected), std::string::npos) << s.Error();
    EXPECT_EQ(s.Error().find('\n'), std::string::npos) << s.Error();
  }
}

}  // namespace
