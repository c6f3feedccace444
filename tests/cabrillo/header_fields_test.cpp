#include "cabrillo/header_fields.h"

#include <gtest/gtest.h>

#include <iterator>

#include "support/header_field_lookup.h"

namespace sptdc {
namespace {

using testing::Field;

TEST(HeaderFieldsTest, TheFieldsInRowOrderWithIdsKindsAndTexts) {
  using K = ControlKind;
  const struct {
    const char* label;
    int id;
    ControlKind kind;
    std::string HeaderTexts::*text;
  } expected[] = {
      {"CONTEST", 1012, K::kEdit, &HeaderTexts::Contest},
      {"CALLSIGN", 1013, K::kEdit, &HeaderTexts::Callsign},
      {"CLAIMED", 1011, K::kEdit, &HeaderTexts::Claimed},
      {"CATEGORY-OPERATOR", 1017, K::kList, &HeaderTexts::Category},
      {"LOCATION", 1036, K::kList, &HeaderTexts::Location},
      {"CATEGORY-BAND", 1018, K::kList, &HeaderTexts::Category_Band},
      {"CATEGORY-ASSISTED", 1024, K::kList, &HeaderTexts::Category_Assisted},
      {"CATEGORY-MODE", 1028, K::kEdit, &HeaderTexts::Category_Mode},
      {"CATEGORY-OVERLAY", 1034, K::kSortedList, &HeaderTexts::Category_Overlay},
      {"CATEGORY-POWER", 1030, K::kSortedList, &HeaderTexts::Category_Power},
      {"CATEGORY-STATION", 1038, K::kSortedList, &HeaderTexts::Category_Station},
      {"CATEGORY-TRANSMITTER", 1032, K::kSortedList, &HeaderTexts::Category_Transmitter},
      {"NAME", 1010, K::kEdit, &HeaderTexts::Name},
      {"ADDRESS", 1003, K::kAddressEdit, &HeaderTexts::Address},
      {"ADDRESS-CITY", 1006, K::kAddressEdit, &HeaderTexts::Address_City},
      {"ADDRESS-STATE-PROVINCE", 1015, K::kAddressEdit, &HeaderTexts::Address_St_Prov},
      {"ADDRESS-POSTALCODE", 1016, K::kAddressEdit, &HeaderTexts::Address_PostalCode},
      {"ADDRESS-COUNTRY", 1020, K::kAddressEdit, &HeaderTexts::Address_Country},
      {"OPERATORS", 1009, K::kEdit, &HeaderTexts::Operators},
      {"CLUB", 1008, K::kEdit, &HeaderTexts::Club},
      {"SOAPBOX", 1001, K::kSoapBox, &HeaderTexts::SoapBox},
      {"E-MAIL", 1007, K::kEdit, &HeaderTexts::Email},
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

TEST(HeaderFieldsTest, ListEntriesInResourceOrder) {
  using Entries = std::vector<std::string>;
  EXPECT_EQ(Field("CATEGORY-OPERATOR").entries,
            (Entries{"SINGLE-OP", "MULTI-MULTI", "MULTI-OP", "CHECKLOG"}));
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

}  // namespace
}  // namespace sptdc
