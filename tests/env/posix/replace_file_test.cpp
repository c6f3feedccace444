#include "env/posix/replace_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace sptdc {
namespace {

namespace fs = std::filesystem;

std::set<std::string> FilesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

unsigned ModeOf(const char* path) {
  struct stat status;
  return ::stat(path, &status) == 0 ? status.st_mode & 07777 : 0u;
}

class ReplaceFileTest : public ::testing::Test {
 protected:
  testing::TempDir dir_;
};

TEST_F(ReplaceFileTest, NewAndReplacedFilesAndTheirPermissions) {
  const mode_t mask = ::umask(022);
  ASSERT_TRUE(ReplaceFileContent("log.cbr", "one"));
  EXPECT_EQ(testing::ReadFile("log.cbr"), "one");
  EXPECT_EQ(ModeOf("log.cbr"), 0644u);

  // The old file is replaced, not written into: a second name of it keeps
  // the old content. Its permission bits pass to the new file.
  ASSERT_EQ(::chmod("log.cbr", 0604), 0);
  ASSERT_EQ(::link("log.cbr", "second-name"), 0);
  // Files that carry temporary names of earlier versions are the operator's.
  testing::WriteFile("log.cbr.tmp", "mine");
  testing::WriteFile("log.cbr." + std::to_string(::getpid()) + "-0.tmp", "mine too");
  ASSERT_TRUE(ReplaceFileContent("log.cbr", "two"));
  ::umask(mask);
  EXPECT_EQ(testing::ReadFile("log.cbr"), "two");
  EXPECT_EQ(ModeOf("log.cbr"), 0604u);
  EXPECT_EQ(testing::ReadFile("second-name"), "one");
  EXPECT_EQ(testing::ReadFile("log.cbr.tmp"), "mine");
  EXPECT_EQ(testing::ReadFile("log.cbr." + std::to_string(::getpid()) + "-0.tmp"), "mine too");
  EXPECT_EQ(FilesIn(".").size(), 4u);
}

// Each refusal leaves the folder as it was. The test may run as root: a
// file without the owner's write permission is refused all the same.
TEST_F(ReplaceFileTest, RefusedReplacementsChangeNothing) {
  testing::WriteFile("protected.cbr", "old");
  ASSERT_EQ(::chmod("protected.cbr", 0444), 0);
  testing::WriteFile("group-writable.cbr", "old");
  ASSERT_EQ(::chmod("group-writable.cbr", 0464), 0);
  fs::create_directory("folder.cbr");
  const std::set<std::string> before = FilesIn(".");
  for (const char* path : {"protected.cbr", "group-writable.cbr", "folder.cbr", "missing/log.cbr"}) {
    EXPECT_FALSE(ReplaceFileContent(path, "new")) << path;
    EXPECT_EQ(FilesIn("."), before) << path;
  }
  EXPECT_EQ(testing::ReadFile("protected.cbr"), "old");
  EXPECT_EQ(ModeOf("protected.cbr"), 0444u);
  EXPECT_EQ(testing::ReadFile("group-writable.cbr"), "old");
}

}  // namespace
}  // namespace sptdc
