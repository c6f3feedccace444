#include "cabrillo/ui/header_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace sptdc {
namespace {

const HeaderField& Field(const std::string& label) {
  for (const HeaderField& field : HeaderFields()) {
    if (label == field.label) return field;
  }
  ADD_FAILURE() << "no field " << label;
  return HeaderFields().front();
}

TEST(HeaderFormTest, TheFieldsInRowOrderWithIdsKindsAndTexts) {
  using K = ControlKind;
  const struct {
    const char* label;
    int id;
    ControlKind kind;
    std::string Cabrillo::*text;
  } expected[] = {
      {"CONTEST", 1012, K::kEdit, &Cabrillo::Contest},
      {"CALLSIGN", 1013, K::kEdit, &Cabrillo::Callsign},
      {"CLAIMED", 1011, K::kEdit, &Cabrillo::Claimed},
      {"CATEGORY-OPERATOR", 1017, K::kList, &Cabrillo::Category},
      {"LOCATION", 1036, K::kList, &Cabrillo::Location},
      {"CATEGORY-BAND", 1018, K::kList, &Cabrillo::Category_Band},
      {"CATEGORY-ASSISTED", 1024, K::kList, &Cabrillo::Category_Assisted},
      {"CATEGORY-MODE", 1028, K::kEdit, &Cabrillo::Category_Mode},
      {"CATEGORY-OVERLAY", 1034, K::kSortedList, &Cabrillo::Category_Overlay},
      {"CATEGORY-POWER", 1030, K::kSortedList, &Cabrillo::Category_Power},
      {"CATEGORY-STATION", 1038, K::kSortedList, &Cabrillo::Category_Station},
      {"CATEGORY-TRANSMITTER", 1032, K::kSortedList, &Cabrillo::Category_Transmitter},
      {"NAME", 1010, K::kEdit, &Cabrillo::Name},
      {"ADDRESS", 1003, K::kAddressEdit, &Cabrillo::Address},
      {"ADDRESS-CITY", 1006, K::kAddressEdit, &Cabrillo::Address_City},
      {"ADDRESS-STATE-PROVINCE", 1015, K::kAddressEdit, &Cabrillo::Address_St_Prov},
      {"ADDRESS-POSTALCODE", 1016, K::kAddressEdit, &Cabrillo::Address_PostalCode},
      {"ADDRESS-COUNTRY", 1020, K::kAddressEdit, &Cabrillo::Address_Country},
      {"OPERATORS", 1009, K::kEdit, &Cabrillo::Operators},
      {"CLUB", 1008, K::kEdit, &Cabrillo::Club},
      {"SOAPBOX", 1001, K::kSoapBox, &Cabrillo::SoapBox},
      {"E-MAIL", 1007, K::kEdit, &Cabrillo::Email},
  };
  EXPECT_STREQ(kHeaderDialogTitle, "Stew Perry Topband Challenge");
  const std::vector<HeaderField>& fields = HeaderFields();
  ASSERT_EQ(fields.size(), std::size(expected));
  for (std::size_t i = 0; i < fields.size(); ++i) {
    SCOPED_TRACE(expected[i].label);
    EXPECT_STREQ(fields[i].label, expected[i].label);
    EXPECT_EQ(fields[i].id, expected[i].id);
    EXPECT_EQ(fields[i].kind, expected[i].kind);
    EXPECT_TRUE(fields[i].text == expected[i].text);
    EXPECT_EQ(fields[i].entries.empty(), !IsList(fields[i].kind));
  }
}

TEST(HeaderFormTest, ListEntriesInResourceOrder) {
  using Entries = std::vector<std::string>;
  EXPECT_EQ(Field("CATEGORY-OPERATOR").entries, (Entries{"SINGLE-OP", "MULTI-MULTI", "MULTI-OP", "CHECKLOG"}));
  EXPECT_EQ(Field("CATEGORY-BAND").entries, (Entries{"160M"}));
  EXPECT_EQ(Field("CATEGORY-ASSISTED").entries, (Entries{"ASSISTED", "NON-ASSISTED"}));
  EXPECT_EQ(Field("CATEGORY-OVERLAY").entries, (Entries{"6-HOURS", "UNLIMITED"}));
  EXPECT_EQ(Field("CATEGORY-POWER").entries, (Entries{"HIGH", "LOW", "QRP"}));
  EXPECT_EQ(Field("CATEGORY-STATION").entries,
            (Entries{"FIXED", "MOBILE", "PORTABLE", "ROVER", "EXPEDITION", "HQ", "SCHOOL"}));
  EXPECT_EQ(Field("CATEGORY-TRANSMITTER").entries, (Entries{"ONE", "TWO", "UNLIMITED"}));

  const Entries& location = Field("LOCATION").entries;
  ASSERT_EQ(location.size(), 64u);
  EXPECT_EQ(Entries(location.begin(), location.begin() + 3), (Entries{"DX", "--/--", "AL"}));
  EXPECT_EQ(location[49], "WY");  // the last of the 48 states
  EXPECT_EQ(Entries(location.end() - 14, location.end()),
            (Entries{"NB", "NS", "QC", "ON", "MB", "SK", "AB", "BC", "NWT", "NF", "LB", "NU", "YT", "PEI"}));
  for (const char* absent : {"HI", "MD"}) {
    EXPECT_EQ(std::count(location.begin(), location.end(), absent), 0) << absent;
  }
}

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
