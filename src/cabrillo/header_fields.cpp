#include "cabrillo/header_fields.h"

namespace sptdc {

namespace {

using K = ControlKind;
using O = Opening;
using T = HeaderTexts;

std::vector<HeaderField> MakeFields() {
  const std::vector<std::string> locations = {
      "DX", "--/--",
      // the 48 states
      "AL", "AK", "AZ", "AR", "CA", "CO", "CT", "DE", "FL", "GA", "ID", "IL", "IN", "IA", "KS", "KY", "LA",
      "ME", "MA", "MI", "MN", "MS", "MO", "MT", "NE", "NV", "NH", "NJ", "NM", "NY", "NC", "ND", "OH", "OK",
      "OR", "PA", "RI", "SC", "SD", "TN", "TX", "UT", "VT", "VA", "WA", "WV", "WI", "WY",
      // the provinces and territories
      "NB", "NS", "QC", "ON", "MB", "SK", "AB", "BC", "NWT", "NF", "LB", "NU", "YT", "PEI"};
  // One field per row, laid out by hand so that the columns read as a table:
  // label, id, kind, text, entries,
  //   opening, fixed, key, saveOrder, takesAnswer, fileLine, fileTag, fileValue
  // clang-format off
  return {
      // The contest's name is shown and saved, but the file always names this contest.
      {"CONTEST", IDC_CONTEST, K::kEdit, &T::Contest, {},
       O::kFixed, "SPTC", "Contest", 10, true, 5, nullptr, "SPTDC"},
      {"CALLSIGN", IDC_CALLSIGN, K::kEdit, &T::Callsign, {},
       O::kStationCall, nullptr, nullptr, 0, true, 3, nullptr, nullptr},
      // Loaded and shown, never saved, never written.
      {"CLAIMED", IDC_CLAIMED, K::kEdit, &T::Claimed, {},
       O::kSetting, nullptr, "Claimed", 0, false, 0, nullptr, nullptr},
      {"CATEGORY-OPERATOR", IDC_CATEGORY, K::kList, &T::Category,
       {"SINGLE-OP", "MULTI-MULTI", "MULTI-OP", "CHECKLOG"},
       O::kFixed, "SINGLE-OP", "Category", 8, true, 6, nullptr, nullptr},
      // Neither loaded nor saved: it lasts as long as the library is loaded.
      {"LOCATION", IDC_LOCATION, K::kList, &T::Location, locations,
       O::kKept, nullptr, nullptr, 0, true, 2, nullptr, nullptr},
      {"CATEGORY-BAND", IDC_CATEGORY_BAND, K::kList, &T::Category_Band, {"160M"},
       O::kFixed, "160M", nullptr, 0, true, 8, nullptr, nullptr},
      {"CATEGORY-ASSISTED", IDC_CATEGORY_ASSISTED, K::kList, &T::Category_Assisted,
       {"ASSISTED", "NON-ASSISTED"},
       O::kFixed, "NON-ASSISTED", nullptr, 0, true, 7, nullptr, nullptr},
      {"CATEGORY-MODE", IDC_CATEGORY_MODE, K::kEdit, &T::Category_Mode, {},
       O::kFixed, "CW", nullptr, 0, true, 9, nullptr, nullptr},
      // Saved, but opened fixed and never written.
      {"CATEGORY-OVERLAY", IDC_CATEGORY_OVERLAY, K::kSortedList, &T::Category_Overlay,
       {"6-HOURS", "UNLIMITED"},
       O::kFixed, "NONE", "Category_Overlay", 9, true, 0, nullptr, nullptr},
      {"CATEGORY-POWER", IDC_CATEGORY_POWER, K::kSortedList, &T::Category_Power,
       {"HIGH", "LOW", "QRP"},
       O::kFixed, "HIGH", nullptr, 0, true, 10, nullptr, nullptr},
      {"CATEGORY-STATION", IDC_CATEGORY_STATION, K::kSortedList, &T::Category_Station,
       {"FIXED", "MOBILE", "PORTABLE", "ROVER", "EXPEDITION", "HQ", "SCHOOL"},
       O::kFixed, "FIXED", nullptr, 0, true, 11, nullptr, nullptr},
      {"CATEGORY-TRANSMITTER", IDC_CATEGORY_TRANSMITTER, K::kSortedList, &T::Category_Transmitter,
       {"ONE", "TWO", "UNLIMITED"},
       O::kFixed, "ONE", nullptr, 0, true, 12, nullptr, nullptr},
      {"NAME", IDC_NAME, K::kEdit, &T::Name, {},
       O::kSetting, nullptr, "Name", 2, true, 15, nullptr, nullptr},
      {"ADDRESS", IDC_ADDRESS, K::kAddressEdit, &T::Address, {},
       O::kSetting, nullptr, "Address", 3, true, 16, nullptr, nullptr},
      {"ADDRESS-CITY", IDC_ADDRESS_CITY, K::kAddressEdit, &T::Address_City, {},
       O::kSetting, nullptr, "Address_City", 4, true, 17, nullptr, nullptr},
      {"ADDRESS-STATE-PROVINCE", IDC_ADDRESS_ST_PROV, K::kAddressEdit, &T::Address_St_Prov, {},
       O::kSetting, nullptr, "Address_St_Prov", 5, true, 18, nullptr, nullptr},
      {"ADDRESS-POSTALCODE", IDC_ADDRESS_POSTALCODE, K::kAddressEdit, &T::Address_PostalCode, {},
       O::kSetting, nullptr, "Address_PostalCode", 6, true, 19, nullptr, nullptr},
      {"ADDRESS-COUNTRY", IDC_ADDRESS_COUNTRY, K::kAddressEdit, &T::Address_Country, {},
       O::kSetting, nullptr, "Address_Country", 7, true, 20, nullptr, nullptr},
      {"OPERATORS", IDC_OPERATORS, K::kEdit, &T::Operators, {},
       O::kSettingElseStationCall, nullptr, "Operators", 1, true, 14, nullptr, nullptr},
      {"CLUB", IDC_CLUB, K::kEdit, &T::Club, {},
       O::kSetting, nullptr, "Club", 12, true, 4, nullptr, nullptr},
      {"SOAPBOX", IDC_SOAPBOX, K::kSoapBox, &T::SoapBox, {},
       O::kSetting, nullptr, "SoapBox", 13, true, 23, nullptr, nullptr},
      {"E-MAIL", IDC_EMAIL, K::kEdit, &T::Email, {},
       O::kSetting, nullptr, "Email", 11, true, 21, "EMAIL", nullptr},
  };
  // clang-format on
}

}  // namespace

bool IsList(ControlKind kind) { return kind == ControlKind::kList || kind == ControlKind::kSortedList; }

const std::vector<HeaderField>& HeaderFields() {
  static const std::vector<HeaderField> fields = MakeFields();
  return fields;
}

std::string FileTagPrefix(const HeaderField& field) {
  return std::string(field.fileTag ? field.fileTag : field.label) + ": ";
}

}  // namespace sptdc
