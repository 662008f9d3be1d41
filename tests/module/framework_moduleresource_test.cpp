#include <gtest/gtest.h>

#include <string>

#include "framework_fakehost.h"
#include "moduleresource.h"

namespace
{
struct FakeName
{
  std::string path;
};

GxaFilename* Create()
{
  return reinterpret_cast<GxaFilename*>(new FakeName);
}
FakeName& Of(const GxaFilename* f)
{
  return *reinterpret_cast<FakeName*>(const_cast<GxaFilename*>(f));
}
std::int64_t Text(const std::string& s, char* buf, std::size_t cap)
{
  if (cap > 0)
    buf[s.copy(buf, cap - 1)] = '\0';
  return static_cast<std::int64_t>(s.size());
}

// Paths joined with '/'; the host is installed in /opt/gxa.
GxaFilenameFns MakeFilenames()
{
  GxaFilenameFns f{};
  f.size = sizeof f;
  f.create = &Create;
  f.destroy = [](GxaFilename* x) { delete &Of(x); };
  f.copy = [](GxaFilename* d, const GxaFilename* s) { Of(d) = Of(s); };
  f.set = [](GxaFilename* x, const char* p) { Of(x).path = p; };
  f.get = [](const GxaFilename* x, char* b, std::size_t cap) { return Text(Of(x).path, b, cap); };
  f.append = [](GxaFilename* x, const char* c) { Of(x).path += std::string("/") + c; };
  f.to_directory = [](GxaFilename* x) {
    const auto cut = Of(x).path.rfind('/');
    if (cut == std::string::npos)
      return false;
    Of(x).path.resize(cut);
    return true;
  };
  f.last_component = [](const GxaFilename* x, char* b, std::size_t cap) {
    return Text(Of(x).path.substr(Of(x).path.rfind('/') + 1), b, cap);
  };
  f.is_in_host_folder = [](const GxaFilename* x) { return Of(x).path.starts_with("/opt/gxa/"); };
  f.host_folder = [](GxaFilename* out) { Of(out).path = "/opt/gxa"; };
  return f;
}
}  // namespace

TEST(ModuleResourceFolder, ResBesideTheModuleOrTheHostsResourceTree)
{
  FakeHost host;
  const GxaFilenameFns names = MakeFilenames();
  host.table.filenames = &names;

  EXPECT_EQ(ModuleResource::FindFolder(Filename("/home/u/build/module/libcolorchooser.so")).GetString(),
            "/home/u/build/module/res");
  EXPECT_EQ(ModuleResource::FindFolder(Filename("/opt/gxa/plugins/colorchooser/libcolorchooser.so")).GetString(),
            "/opt/gxa/resource/modules/colorchooser");
}

TEST(ModuleResourceFolder, StringsOpenOnceAndReleaseForgetsThem)
{
  FakeHost host;
  const GxaFilenameFns names = MakeFilenames();
  static int opens = 0, closes = 0;
  static int handle = 0;
  GxaResourceFns res{};
  res.size = sizeof res;
  res.open_strings = [](const GxaFilename*) {
    ++opens;
    return reinterpret_cast<GxaResource*>(&handle);
  };
  res.close_strings = [](GxaResource*) { ++closes; };
  res.load_string = [](const GxaResource*, std::int32_t id, char* b, std::size_t cap) {
    return id == 20001 ? Text("Color Chooser", b, cap) : std::int64_t(-1);
  };
  host.table.filenames = &names;
  host.table.resources = &res;

  EXPECT_EQ(ModuleResource::LoadString(20001), "");
  ASSERT_TRUE(ModuleResource::Open(Filename("/m/res")));
  ASSERT_TRUE(ModuleResource::Open(Filename("/m/res")));
  EXPECT_EQ(opens, 1);
  EXPECT_EQ(ModuleResource::LoadString(20001), "Color Chooser");
  EXPECT_EQ(ModuleResource::LoadString(20002), "");
  ModuleResource::Release();
  ModuleResource::Release();
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(ModuleResource::IsOpen());
}
