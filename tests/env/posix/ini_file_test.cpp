#include "env/posix/ini_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <random>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace sptdc {
namespace {

using namespace std::string_literals;

const char kIni[] = "SPTDC.ini";
const char kDefault[] = "<default>";

std::set<std::string> FilesIn(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

class IniFileTest : public ::testing::Test {
 protected:
  testing::TempDir dir_;  // the current directory while the test runs
};

struct ReadCase {
  const char* what;
  std::string file;
  const char* section;
  const char* key;
  std::string expected;
};

TEST_F(IniFileTest, ReadsValuesAsWindowsDoes) {
  const std::string longValue(5000, 'x');
  const std::string twoSections = "[S]\r\nName=1\r\n[T]\r\n[s]\r\nName=2\r\nClub=3\r\n";
  const ReadCase cases[] = {
      {"CR LF lines", "[Settings]\r\nName=Joe\r\nClub=YCCC\r\n", "Settings", "Club", "YCCC"},
      {"LF lines, no final line end", "[Settings]\nName=Joe\nClub=YCCC", "Settings", "Club", "YCCC"},
      {"names ignore case", "[sEtTiNgS]\r\nnAmE=Joe\r\n", "Settings", "Name", "Joe"},
      {"blanks around names and value", "  [ Settings ] \r\n\t Name \t=  Joe  Bloggs \t\r\n", "Settings",
       "Name", "Joe  Bloggs"},
      {"double quotes", "[S]\r\nName= \"  Joe  \" \r\n", "S", "Name", "  Joe  "},
      {"single quotes", "[S]\r\nName='x'\r\n", "S", "Name", "x"},
      {"only one pair of quotes", "[S]\r\nName=\"\"x\"\"\r\n", "S", "Name", "\"x\""},
      {"quotes that do not pair stay", "[S]\r\nName=\"x'\r\n", "S", "Name", "\"x'"},
      {"a lone quote stays", "[S]\r\nName=\"\r\n", "S", "Name", "\""},
      {"value after the first =", "[S]\r\nUrl = a=b==c\r\n", "S", "Url", "a=b==c"},
      {"an empty value is not the default", "[S]\r\nName=\r\n", "S", "Name", ""},
      {"a CR inside a line is part of it", "[S]\r\nName=x\ry\r\n", "S", "Name", "x\ry"},
      {"so is a CR that ends the file", "[S]\r\nName=x\r", "S", "Name", "x\r"},
      {"missing key", "[S]\r\nName=Joe\r\n", "S", "Club", kDefault},
      {"missing section", "[Other]\r\nName=Joe\r\n", "S", "Name", kDefault},
      {"key of a later section", "[S]\r\nA=1\r\n[Other]\r\nName=Joe\r\n", "S", "Name", kDefault},
      {"keys before any section", "Name=Joe\r\n[S]\r\nA=1\r\n", "S", "Name", kDefault},
      {"first of two sections", twoSections, "S", "Name", "1"},
      {"second section of a name not read", twoSections, "S", "Club", kDefault},
      {"first of two keys", "[S]\r\nName=1\r\nNAME=2\r\n", "S", "Name", "1"},
      {"comments, blanks and other lines skipped",
       "[S]\r\n;Name=1\r\n  ; Name=2\r\n\r\nName\r\n[T\r\n=3\r\nName=4\r\n", "S", "Name", "4"},
      {"a long value whole", "[S]\r\nSoapBox=" + longValue + "\r\n", "S", "SoapBox", longValue},
      {"garbage around", "\0\xff\xfe[\x01]\r\n[S]\r\n\0\0=\xff\r\n\x80\nName=Joe\r\n\xfe"s, "S", "Name",
       "Joe"},
      {"empty file", "", "S", "Name", kDefault},
      {"empty names never match", "[]\r\n=x\r\n", "", "", kDefault},
  };
  for (const ReadCase& c : cases) {
    testing::WriteFile(kIni, c.file);
    EXPECT_EQ(ReadIniValue(kIni, c.section, c.key, kDefault), c.expected) << c.what;
  }
}

TEST_F(IniFileTest, UnreadableFileGivesTheDefault) {
  EXPECT_EQ(ReadIniValue("missing.ini", "S", "Name", kDefault), kDefault);
  EXPECT_EQ(ReadIniValue("Plugins/SPTDC.ini", "S", "Name", kDefault), kDefault);
  std::filesystem::create_directory("folder.ini");
  EXPECT_EQ(ReadIniValue("folder.ini", "S", "Name", kDefault), kDefault);
}

struct WriteCase {
  const char* what;
  std::optional<std::string> before;  // none: no file
  const char* section;
  const char* key;
  const char* value;
  std::string after;
};

TEST_F(IniFileTest, WritesOnlyTheLinesItMust) {
  const WriteCase cases[] = {
      {"new file", std::nullopt, "Settings", "Name", "Joe", "[Settings]\r\nName=Joe\r\n"},
      {"empty file", "", "Settings", "Name", "Joe", "[Settings]\r\nName=Joe\r\n"},
      {"replace keeps the name, the blanks, the line end and the other lines",
       "; saved\n[settings]\n  name = Old  \nClub=X\n", "Settings", "Name", "New",
       "; saved\n[settings]\n  name = New\nClub=X\n"},
      {"replace on a last line without line end", "[S]\r\nName=Old", "S", "Name", "New", "[S]\r\nName=New"},
      {"replace an empty value", "[S]\r\nName=\r\nA=1\r\n", "S", "Name", "New", "[S]\r\nName=New\r\nA=1\r\n"},
      {"new key after the section's last key", "[S]\r\nA=1\r\n; of T\r\n\r\n[T]\r\nB=2\r\n", "S", "Name",
       "Joe", "[S]\r\nA=1\r\nName=Joe\r\n; of T\r\n\r\n[T]\r\nB=2\r\n"},
      {"new key in an empty section", "[T]\nB=2\n[S]\n[U]\n", "S", "Name", "Joe",
       "[T]\nB=2\n[S]\nName=Joe\r\n[U]\n"},
      {"new key after a header without line end", "[S]", "S", "Name", "Joe", "[S]\r\nName=Joe\r\n"},
      {"new key after a last key without line end", "[S]\r\nA=1", "S", "Name", "Joe",
       "[S]\r\nA=1\r\nName=Joe\r\n"},
      {"new key after a last key ending in a CR", "[S]\r\nA=1\r", "S", "Name", "Joe",
       "[S]\r\nA=1\r\r\nName=Joe\r\n"},
      {"new section after keys before any section", "A=1", "S", "Name", "Joe", "A=1\r\n[S]\r\nName=Joe\r\n"},
      {"first of two sections", "[S]\r\nA=1\r\n[s]\r\nName=Old\r\n", "S", "Name", "Joe",
       "[S]\r\nA=1\r\nName=Joe\r\n[s]\r\nName=Old\r\n"},
      {"first of two keys", "[S]\r\nName=1\r\nName=2\r\n", "S", "Name", "Joe",
       "[S]\r\nName=Joe\r\nName=2\r\n"},
      {"value written as it is", std::nullopt, "S", "Url", " \"a=b\" ", "[S]\r\nUrl= \"a=b\" \r\n"},
      {"garbage kept", "\0\xff\r\n[S]\r\n\x01\x02\n\r\n Name=Old\r\r\n\xfe\x80"s, "S", "Name", "New",
       "\0\xff\r\n[S]\r\n\x01\x02\n\r\n Name=New\r\n\xfe\x80"s},
  };
  for (const WriteCase& c : cases) {
    std::filesystem::remove(kIni);
    if (c.before) testing::WriteFile(kIni, *c.before);
    EXPECT_TRUE(WriteIniValue(kIni, c.section, c.key, c.value)) << c.what;
    EXPECT_EQ(testing::ReadFile(kIni), c.after) << c.what;
  }
}

TEST_F(IniFileTest, WrittenValuesReadBack) {
  // Blanks around a value and one pair of enclosing quotes are lost, as with
  // the Windows profile functions.
  const struct {
    const char* key;
    std::string value;
    std::string readBack;
  } values[] = {
      {"Name", "Joe Bloggs", "Joe Bloggs"},
      {"Url", "a=b", "a=b"},
      {"SoapBox", "line<CR><LF>" + std::string(3000, 'x'), "line<CR><LF>" + std::string(3000, 'x')},
      {"Empty", "", ""},
      {"Spaced", "  x  ", "x"},
      {"Quoted", "'x'", "x"},
  };
  for (const auto& v : values) ASSERT_TRUE(WriteIniValue(kIni, "Settings", v.key, v.value));
  for (const auto& v : values)
    EXPECT_EQ(ReadIniValue(kIni, "settings", v.key, kDefault), v.readBack) << v.key;
}

TEST_F(IniFileTest, RefusesEntriesThatWouldNotReadBack) {
  const struct {
    const char* section;
    const char* key;
    const char* value;
  } refused[] = {
      {"S", "Name", "two\r\nlines"}, {"S", "Name", "a\nb"}, {"S", "Name", "a\rb"}, {"S", "A=B", "x"},
      {"S]", "Name", "x"},           {"", "Name", "x"},     {"S", "", "x"},        {"S", " Name", "x"},
      {"S ", "Name", "x"},           {"S", ";Name", "x"},   {"S", "[Name", "x"},   {"S\n", "Name", "x"},
  };
  const std::string before = "[S]\r\nName=Old\r\n";
  for (const auto& r : refused) {
    std::filesystem::remove(kIni);
    EXPECT_FALSE(WriteIniValue(kIni, r.section, r.key, r.value)) << r.section << "/" << r.key;
    EXPECT_FALSE(std::filesystem::exists(kIni)) << r.section << "/" << r.key;
    testing::WriteFile(kIni, before);
    EXPECT_FALSE(WriteIniValue(kIni, r.section, r.key, r.value)) << r.section << "/" << r.key;
    EXPECT_EQ(testing::ReadFile(kIni), before) << r.section << "/" << r.key;
  }
}

TEST_F(IniFileTest, FailedWriteLeavesEverythingAsItWas) {
  EXPECT_FALSE(WriteIniValue("Plugins/SPTDC.ini", "Settings", "Name", "Joe"));
  EXPECT_TRUE(FilesIn(".").empty());

  std::filesystem::create_directory("folder.ini");
  EXPECT_FALSE(WriteIniValue("folder.ini", "Settings", "Name", "Joe"));

  // A write-protected file stays as it is, also for root.
  testing::WriteFile(kIni, "[Settings]\r\nName=Old\r\n");
  ASSERT_EQ(::chmod(kIni, 0444), 0);
  EXPECT_FALSE(WriteIniValue(kIni, "Settings", "Name", "Joe"));
  EXPECT_EQ(testing::ReadFile(kIni), "[Settings]\r\nName=Old\r\n");
  EXPECT_EQ(FilesIn("."), (std::set<std::string>{kIni, "folder.ini"}));
}

TEST_F(IniFileTest, ReplacesTheFileByRenameAndKeepsItsPermissions) {
  testing::WriteFile(kIni, "[Settings]\r\nName=Old\r\n");
  ASSERT_EQ(::chmod(kIni, 0640), 0);
  // A second name of the old file still shows the old content afterwards:
  // the new content went to a new file, not into the old one.
  ASSERT_EQ(::link(kIni, "old.ini"), 0);
  ASSERT_TRUE(WriteIniValue(kIni, "Settings", "Name", "New"));
  EXPECT_EQ(testing::ReadFile(kIni), "[Settings]\r\nName=New\r\n");
  EXPECT_EQ(testing::ReadFile("old.ini"), "[Settings]\r\nName=Old\r\n");
  EXPECT_EQ(FilesIn("."), (std::set<std::string>{kIni, "old.ini"}));
  // A file of the old temporary name is the operator's: it stays as it was.
  testing::WriteFile(kIni + ".tmp"s, "mine");
  ASSERT_TRUE(WriteIniValue(kIni, "Settings", "Name", "Newer"));
  EXPECT_EQ(testing::ReadFile(kIni + ".tmp"s), "mine");
  struct stat status;
  ASSERT_EQ(::stat(kIni, &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST_F(IniFileTest, HugeAndGarbageFilesAreReadAndKept) {
  // One line of 32 MiB; and many lines that an unbounded search for "]" or
  // "=" would scan to the end of the file, one after the other.
  const std::string hugeValue(32u << 20, 'v');
  testing::WriteFile(kIni, "[S]\nA=" + hugeValue);
  EXPECT_EQ(ReadIniValue(kIni, "S", "A", kDefault), hugeValue);
  std::string manyLines;
  for (int i = 0; i < 500000; ++i) manyLines += "[\nx\n";
  testing::WriteFile(kIni, manyLines + "[S]\nName=Joe");
  EXPECT_EQ(ReadIniValue(kIni, "S", "Name", kDefault), "Joe");

  std::mt19937 random(7);
  std::string garbage(1u << 20, '\0');
  for (char& c : garbage) c = static_cast<char>(random());
  testing::WriteFile(kIni, garbage);
  EXPECT_EQ(ReadIniValue(kIni, "Settings", "Name", kDefault), kDefault);
  ASSERT_TRUE(WriteIniValue(kIni, "Settings", "Name", "Joe"));
  const std::string lineEnd = garbage.back() == '\n' ? "" : "\r\n";
  EXPECT_EQ(testing::ReadFile(kIni), garbage + lineEnd + "[Settings]\r\nName=Joe\r\n");
}

}  // namespace
}  // namespace sptdc
