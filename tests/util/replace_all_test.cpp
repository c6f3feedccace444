#include "util/replace_all.h"

#include <gtest/gtest.h>

namespace sptdc {
namespace {

TEST(ReplaceAllTest, ReplacesLeftToRightWithoutRescanning) {
  const struct {
    const char* text;
    const char* search;
    const char* replacement;
    const char* result;
  } cases[] = {
      {"A\r\nB", "\r", "<CR>", "A<CR>\nB"},
      {"A<CR><LF>B", "<CR>", "\r\nSOAPBOX: ", "A\r\nSOAPBOX: <LF>B"},
      {"A<CR><LF>B", "<LF>", "", "A<CR>B"},
      {"K1/ABC/P", "/", "_", "K1_ABC_P"},
      {"aaa", "aa", "b", "ba"},      // occurrences do not overlap
      {"aa", "a", "aa", "aaaa"},     // replacements are not searched again
      {"<CR", "<CR>", "\r", "<CR"},  // a cut-off tag stays text
      {"", "x", "y", ""},
      {"xyz", "xyz", "", ""},
      {"same", "a", "a", "same"},
      {"no match", "<CR>", "\r", "no match"},
  };
  for (const auto& c : cases) EXPECT_EQ(ReplaceAll(c.text, c.search, c.replacement), c.result) << c.text;
}

}  // namespace
}  // namespace sptdc
