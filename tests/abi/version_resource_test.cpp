// The VERSIONINFO resources of the built SPTDC.dll and sptdc-host.exe, read
// back with the Windows version functions as Explorer's file properties read
// them: the fixed file and product version and the strings, all from the
// project's one version number.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The folder of this test program, where the build puts the DLL and the host.
std::string ProgramFolder() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string program(path, length);
  return program.substr(0, program.find_last_of("\\/") + 1);
}

std::string StringValue(std::vector<char>& block, const char* name) {
  char* value = nullptr;
  UINT size = 0;
  const std::string key = std::string("\\StringFileInfo\\040904B0\\") + name;
  if (!VerQueryValueA(block.data(), key.c_str(), reinterpret_cast<void**>(&value), &size) || !value) {
    return "";
  }
  return std::string(value, size > 0 ? size - 1 : 0);
}

TEST(VersionResourceTest, DllAndHostCarryTheProjectVersion) {
  const struct {
    const char* file;
    DWORD fileType;
  } modules[] = {{"SPTDC.dll", VFT_DLL}, {"sptdc-host.exe", VFT_APP}};
  for (const auto& module : modules) {
    SCOPED_TRACE(module.file);
    const std::string path = ProgramFolder() + module.file;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedSize));
    ASSERT_GE(fixedSize, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwFileVersionMS, DWORD(SPTDC_VERSION_MAJOR << 16 | SPTDC_VERSION_MINOR));
    EXPECT_EQ(fixed->dwFileVersionLS, DWORD(SPTDC_VERSION_PATCH << 16));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileType, module.fileType);

    EXPECT_EQ(StringValue(block, "FileVersion"), SPTDC_VERSION);
    EXPECT_EQ(StringValue(block, "ProductVersion"), SPTDC_VERSION);
    EXPECT_EQ(StringValue(block, "OriginalFilename"), module.file);
    EXPECT_EQ(StringValue(block, "ProductName"), SPTDC_PRODUCT_NAME);
    EXPECT_EQ(StringValue(block, "LegalCopyright"), SPTDC_COPYRIGHT);
    EXPECT_FALSE(StringValue(block, "FileDescription").empty());
  }
}

}  // namespace
