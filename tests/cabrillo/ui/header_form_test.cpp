#include "cabrillo/ui/header_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "support/header_field_lookup.h"

namespace sptdc {
namespace {

using testing::Field;

TEST(HeaderFormTest, SortedListsShowTheirEntriesAlphabetically) {
  using Entries = std::vector<std::string>;
  EXPECT_EQ(ShownEntries(Field("CATEGORY-STATION")),
            (Entries{"EXPEDITION", "FIXED", "HQ", "MOBILE", "PORTABLE", "ROVER", "SCHOOL"}));
  EXPECT_EQ(ShownEntries(Field("CATEGORY-OVERLAY")), (Entries{"6-HOURS", "UNLIMITED"}));
  EXPECT_EQ(ShownEntries(Field("CATEGORY-POWER")), (Entries{"HIGH", "LOW", "QRP"}));
  EXPECT_EQ(ShownEntries(Field("CATEGORY-TRANSMITTER")), (Entries{"ONE", "TWO", "UNLIMITED"}));
  // The unsorted ones keep their resource order.
  for (const char* label : {"CATEGORY-OPERATOR", "LOCATION", "CATEGORY-ASSISTED"}) {
    EXPECT_EQ(ShownEntries(Field(label)), Field(label).entries) << label;
  }
}

TEST(HeaderFormTest, AListOpensWithTheFirstShownEntryThatBeginsWithItsText) {
  const struct {
    const char* label;
    const char* text;
    int selected;  // index in shown order, -1 for none
    const char* shows;
  } cases[] = {
      {"LOCATION", "M", 19, "ME"},  // not MA, MI, MN, ...: ME comes first in list order
      {"LOCATION", "m", 19, "ME"},
      {"LOCATION", "NW", 58, "NWT"},
      {"LOCATION", "--", 1, "--/--"},
      {"LOCATION", "MD", -1, "MD"},
      {"LOCATION", "", -1, ""},
      {"CATEGORY-OVERLAY", "NONE", -1, "NONE"},
      {"CATEGORY-OVERLAY", "6", 0, "6-HOURS"},
      {"CATEGORY-OPERATOR", "multi", 1, "MULTI-MULTI"},
      {"CATEGORY-OPERATOR", "SINGLE-OP ", -1, "SINGLE-OP "},  // longer than the entry
      {"CATEGORY-POWER", "low", 1, "LOW"},
      {"CATEGORY-STATION", "FIXED", 1, "FIXED"},  // position in shown, not resource, order
      {"CATEGORY-STATION", "E", 0, "EXPEDITION"},
      {"CATEGORY-ASSISTED", "NON-ASSISTED", 1, "NON-ASSISTED"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.label) + " '" + c.text + "'");
    const HeaderField& field = Field(c.label);
    EXPECT_EQ(InitialSelection(ShownEntries(field), c.text), c.selected);
    EXPECT_EQ(InitialText(field, c.text), c.shows);
  }
}

TEST(HeaderFormTest, EditFieldsOpenWithTheirTextUnchanged) {
  EXPECT_EQ(InitialText(Field("CATEGORY-MODE"), "c"), "c");
  EXPECT_EQ(InitialText(Field("SOAPBOX"), "a\r\nb"), "a\r\nb");
}

}  // namespace
}  // namespace sptdc
