#include "log/band_list.h"

#include <gtest/gtest.h>

namespace sptdc {
namespace {

TEST(BandListTest, KeepsEachCaseSensitiveTextOnceInArrivalOrder) {
  BandList bands;
  for (const char* band : {"160m", "80m", "160m", "160M", "", "80m", ""}) bands.AddIfAbsent(band);
  ASSERT_EQ(bands.size(), 4u);
  EXPECT_EQ(bands[0], "160m");
  EXPECT_EQ(bands[1], "80m");
  EXPECT_EQ(bands[2], "160M");
  EXPECT_EQ(bands[3], "");
  bands.Clear();
  EXPECT_EQ(bands.size(), 0u);
  bands.AddIfAbsent("40m");
  EXPECT_EQ(bands[0], "40m");
}

}  // namespace
}  // namespace sptdc
