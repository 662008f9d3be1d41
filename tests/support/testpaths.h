#pragma once
// Where the built module, the host and the test data are. The answers are
// compiled per build folder (testpaths.cpp is generated there), so that no
// test object depends on the folder and ccache shares them between clones.
namespace gxa_test
{
const char* ModulePath();
const char* HostExe();
const char* TestData();
}  // namespace gxa_test

#define GXA_MODULE_PATH (::gxa_test::ModulePath())
#define GXA_HOST_EXE (::gxa_test::HostExe())
#define GXA_TEST_DATA (::gxa_test::TestData())
