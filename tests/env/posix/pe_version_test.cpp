#include "env/posix/pe_version.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace sptdc {
namespace {

// Executables built by the test build with MinGW-w64 and windres.
const std::string kFixtures = SPTDC_PE_FIXTURE_DIR;

std::string Fixture(const std::string& name) {
  std::string bytes = testing::ReadFile(kFixtures + "/" + name + ".exe");
  EXPECT_FALSE(bytes.empty()) << name;
  return bytes;
}

std::string Text(const std::optional<FileVersion>& version) {
  if (!version) return "none";
  return std::to_string(version->major) + "." + std::to_string(version->minor) + "." +
         std::to_string(version->build) + "." + std::to_string(version->revision);
}

// Reads a copy of exactly the given size, so that a read past its end shows
// in the sanitizer and valgrind runs.
std::optional<FileVersion> VersionOfBytes(const std::string& bytes, std::size_t size) {
  std::vector<std::uint8_t> copy(bytes.begin(), bytes.begin() + size);
  return FindFileVersion(copy.data(), copy.size());
}

// Where the fields that the damaged copies change lie in a fixture, found
// with the PE layout (so that the tests do not hard-code one linker's output).
std::uint32_t U32(const std::string& b, std::size_t at) {
  return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8 |
         static_cast<std::uint8_t>(b[at + 2]) << 16 |
         static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 3])) << 24;
}
std::uint16_t U16(const std::string& b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1])
                                                                           << 8);
}
void Put32(std::string& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
}
void Put16(std::string& b, std::size_t at, std::uint16_t v) {
  for (int i = 0; i < 2; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
}

struct Layout {
  std::size_t coffHeader;
  std::size_t optionalHeader;
  std::uint16_t magic;
  std::size_t directoryCount;     // NumberOfRvaAndSizes
  std::size_t resourceDirectory;  // data directory 2
  std::size_t rsrcSection;        // the section header of ".rsrc"
  std::size_t resourceRoot;       // the root resource directory in the file
  std::size_t versionTypeEntry;   // its entry for RT_VERSION
  std::size_t dataEntry;          // of the version's first name and language
  std::size_t key;                // "VS_VERSION_INFO" in UTF-16
  std::size_t signature;          // 0xFEEF04BD
};

Layout LayoutOf(const std::string& b) {
  Layout l{};
  l.coffHeader = U32(b, 0x3C) + 4;
  l.optionalHeader = l.coffHeader + 20;
  l.magic = U16(b, l.optionalHeader);
  l.directoryCount = l.optionalHeader + (l.magic == 0x20B ? 108 : 92);
  l.resourceDirectory = l.directoryCount + 4 + 2 * 8;
  const std::size_t sections = l.optionalHeader + U16(b, l.coffHeader + 16);
  for (std::size_t i = 0; i < U16(b, l.coffHeader + 2); ++i) {
    if (b.compare(sections + 40 * i, 6, ".rsrc\0", 6) == 0) l.rsrcSection = sections + 40 * i;
  }
  EXPECT_NE(l.rsrcSection, 0u);
  EXPECT_EQ(U32(b, l.rsrcSection + 12), U32(b, l.resourceDirectory));  // the tree opens .rsrc
  l.resourceRoot = U32(b, l.rsrcSection + 20);
  const std::size_t entries = U16(b, l.resourceRoot + 12) + U16(b, l.resourceRoot + 14);
  for (std::size_t i = 0; i < entries; ++i) {
    if (U32(b, l.resourceRoot + 16 + 8 * i) == 16) l.versionTypeEntry = l.resourceRoot + 16 + 8 * i;
  }
  EXPECT_NE(l.versionTypeEntry, 0u);
  const std::size_t names = l.resourceRoot + (U32(b, l.versionTypeEntry + 4) & 0x7FFFFFFF);
  const std::size_t languages = l.resourceRoot + (U32(b, names + 20) & 0x7FFFFFFF);
  l.dataEntry = l.resourceRoot + U32(b, languages + 20);
  const std::string key("V\0S\0_\0V\0E\0R\0S\0I\0O\0N\0_\0I\0N\0F\0O\0\0\0", 32);
  l.key = b.find(key);
  l.signature = b.find("\xBD\x04\xEF\xFE");
  EXPECT_NE(l.key, std::string::npos);
  EXPECT_NE(l.signature, std::string::npos);
  return l;
}

TEST(PeVersionTest, ReadsTheFixedFileVersionOfBothFormats) {
  const struct {
    const char* name;
    std::uint16_t magic;  // 0x20B PE32+, 0x10B PE32
    const char* version;
  } cases[] = {
      {"version_2_19_x64", 0x20B, "2.19.0.0"}, {"version_3_1_5_7_x64", 0x20B, "3.1.5.7"},
      {"version_2_19_x86", 0x10B, "2.19.0.0"}, {"version_3_1_5_7_x86", 0x10B, "3.1.5.7"},
      {"no_version_x64", 0x20B, "none"},       {"no_resources_x64", 0x20B, "none"},
  };
  for (const auto& c : cases) {
    const std::string bytes = Fixture(c.name);
    ASSERT_GT(bytes.size(), 0x40u) << c.name;
    EXPECT_EQ(U16(bytes, U32(bytes, 0x3C) + 24), c.magic) << c.name;
    EXPECT_EQ(Text(ReadFileVersion(kFixtures + "/" + c.name + ".exe")), c.version) << c.name;
  }
}

TEST(PeVersionTest, DamagedFilesGiveNoVersion) {
  testing::TempDir dir;
  using Damage = std::function<void(std::string&, const Layout&)>;
  const struct {
    const char* what;
    Damage damage;
  } damages[] = {
      {"cut in the headers", [](std::string& b, const Layout&) { b.resize(0x100); }},
      {"cut in the version block", [](std::string& b, const Layout& l) { b.resize(l.signature + 20); }},
      {"no DOS signature", [](std::string& b, const Layout&) { b[0] = 'X'; }},
      {"PE header beyond the end", [](std::string& b, const Layout&) { Put32(b, 0x3C, 0xFFFFFFF0); }},
      {"unknown optional header", [](std::string& b, const Layout& l) { Put16(b, l.optionalHeader, 0x999); }},
      {"no resource data directory", [](std::string& b, const Layout& l) { Put32(b, l.directoryCount, 2); }},
      {"optional header beyond the end",
       [](std::string& b, const Layout& l) { Put16(b, l.coffHeader + 16, 0xFFFF); }},
      {"section table beyond the end",
       [](std::string& b, const Layout& l) { Put16(b, l.coffHeader + 2, 0xFFFF); }},
      {"resource directory outside every section",
       [](std::string& b, const Layout& l) { Put32(b, l.resourceDirectory, 0xFFFFFF00); }},
      {"resource section's data beyond the end",
       [](std::string& b, const Layout& l) { Put32(b, l.rsrcSection + 20, 0xFFFFFF00); }},
      {"resource section's data too short for the tree",
       [](std::string& b, const Layout& l) { Put32(b, l.rsrcSection + 16, 8); }},
      {"more root entries than bytes",
       [](std::string& b, const Layout& l) { Put16(b, l.resourceRoot + 14, 0xFFFF); }},
      {"version type leading back to the root",
       [](std::string& b, const Layout& l) { Put32(b, l.versionTypeEntry + 4, 0x80000000); }},
      {"version data outside every section",
       [](std::string& b, const Layout& l) { Put32(b, l.dataEntry, 0xFFFFFF00); }},
      {"version data larger than its section",
       [](std::string& b, const Layout& l) { Put32(b, l.dataEntry + 4, 0x00FFFFFF); }},
      {"another key", [](std::string& b, const Layout& l) { b[l.key + 28] = 'X'; }},
      {"no fixed info signature", [](std::string& b, const Layout& l) { b[l.signature] ^= 1; }},
  };
  for (const char* name : {"version_2_19_x64", "version_2_19_x86"}) {
    const std::string good = Fixture(name);
    const Layout layout = LayoutOf(good);
    testing::WriteFile("good.exe", good);
    ASSERT_EQ(Text(ReadFileVersion("good.exe")), "2.19.0.0") << name;
    for (const auto& d : damages) {
      std::string bad = good;
      d.damage(bad, layout);
      testing::WriteFile("bad.exe", bad);
      EXPECT_EQ(Text(ReadFileVersion("bad.exe")), "none") << name << ": " << d.what;
    }
  }
}

TEST(PeVersionTest, FilesThatAreNoExecutableGiveNoVersion) {
  testing::TempDir dir;
  std::mt19937 random(11);
  std::string garbage(1 << 16, '\0');
  for (char& c : garbage) c = static_cast<char>(random());
  std::string dosOnly = garbage;
  dosOnly.replace(0, 2, "MZ");

  const struct {
    const char* name;
    std::string bytes;
  } files[] = {{"empty.exe", ""},
               {"garbage.exe", garbage},
               {"dos_only.exe", dosOnly},
               {"text.exe", "MZ but just some text\r\n"}};
  for (const auto& f : files) {
    testing::WriteFile(f.name, f.bytes);
    EXPECT_EQ(Text(ReadFileVersion(f.name)), "none") << f.name;
  }
  EXPECT_EQ(Text(ReadFileVersion("missing.exe")), "none");
  std::filesystem::create_directory("folder.exe");
  EXPECT_EQ(Text(ReadFileVersion("folder.exe")), "none");
}

TEST(PeVersionTest, EveryCutGivesTheVersionOrNothing) {
  // Cut anywhere, a file never yields another version than its own, and
  // yields none while the fixed info is incomplete.
  for (const char* name : {"version_2_19_x64", "version_2_19_x86"}) {
    const std::string bytes = Fixture(name);
    const std::size_t fixedInfoEnd = LayoutOf(bytes).signature + 52;
    for (std::size_t size = 0; size < bytes.size(); ++size) {
      const std::string version = Text(VersionOfBytes(bytes, size));
      if (size < fixedInfoEnd) {
        ASSERT_EQ(version, "none") << name << " cut to " << size;
      } else {
        ASSERT_TRUE(version == "none" || version == "2.19.0.0") << name << " cut to " << size;
      }
    }
    EXPECT_EQ(Text(VersionOfBytes(bytes, bytes.size())), "2.19.0.0") << name;
  }
}

}  // namespace
}  // namespace sptdc
