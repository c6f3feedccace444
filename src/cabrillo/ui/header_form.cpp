#include "cabrillo/ui/header_form.h"

#include <algorithm>

#include "platform/text.h"

namespace sptdc {

namespace {

std::vector<HeaderField> MakeFields() {
  using K = ControlKind;
  return {
      {"CONTEST", IDC_CONTEST, K::kEdit, &Cabrillo::Contest, {}},
      {"CALLSIGN", IDC_CALLSIGN, K::kEdit, &Cabrillo::Callsign, {}},
      {"CLAIMED", IDC_CLAIMED, K::kEdit, &Cabrillo::Claimed, {}},
      {"CATEGORY-OPERATOR", IDC_CATEGORY, K::kList, &Cabrillo::Category,
       {"SINGLE-OP", "MULTI-MULTI", "MULTI-OP", "CHECKLOG"}},
      {"LOCATION", IDC_LOCATION, K::kList, &Cabrillo::Location,
       {"DX", "--/--",
        // the 48 states
        "AL", "AK", "AZ", "AR", "CA", "CO", "CT", "DE", "FL", "GA", "ID", "IL",
        "IN", "IA", "KS", "KY", "LA", "ME", "MA", "MI", "MN", "MS", "MO", "MT",
        "NE", "NV", "NH", "NJ", "NM", "NY", "NC", "ND", "OH", "OK", "OR", "PA",
        "RI", "SC", "SD", "TN", "TX", "UT", "VT", "VA", "WA", "WV", "WI", "WY",
        // the provinces and territories
        "NB", "NS", "QC", "ON", "MB", "SK", "AB", "BC", "NWT", "NF", "LB", "NU", "YT", "PEI"}},
      {"CATEGORY-BAND", IDC_CATEGORY_BAND, K::kList, &Cabrillo::Category_Band, {"160M"}},
      {"CATEGORY-ASSISTED", IDC_CATEGORY_ASSISTED, K::kList, &Cabrillo::Category_Assisted,
       {"ASSISTED", "NON-ASSISTED"}},
      {"CATEGORY-MODE", IDC_CATEGORY_MODE, K::kEdit, &Cabrillo::Category_Mode, {}},
      {"CATEGORY-OVERLAY", IDC_CATEGORY_OVERLAY, K::kSortedList, &Cabrillo::Category_Overlay,
       {"6-HOURS", "UNLIMITED"}},
      {"CATEGORY-POWER", IDC_CATEGORY_POWER, K::kSortedList, &Cabrillo::Category_Power,
       {"HIGH", "LOW", "QRP"}},
      {"CATEGORY-STATION", IDC_CATEGORY_STATION, K::kSortedList, &Cabrillo::Category_Station,
       {"FIXED", "MOBILE", "PORTABLE", "ROVER", "EXPEDITION", "HQ", "SCHOOL"}},
      {"CATEGORY-TRANSMITTER", IDC_CATEGORY_TRANSMITTER, K::kSortedList,
       &Cabrillo::Category_Transmitter, {"ONE", "TWO", "UNLIMITED"}},
      {"NAME", IDC_NAME, K::kEdit, &Cabrillo::Name, {}},
      {"ADDRESS", IDC_ADDRESS, K::kAddressEdit, &Cabrillo::Address, {}},
      {"ADDRESS-CITY", IDC_ADDRESS_CITY, K::kAddressEdit, &Cabrillo::Address_City, {}},
      {"ADDRESS-STATE-PROVINCE", IDC_ADDRESS_ST_PROV, K::kAddressEdit, &Cabrillo::Address_St_Prov, {}},
      {"ADDRESS-POSTALCODE", IDC_ADDRESS_POSTALCODE, K::kAddressEdit, &Cabrillo::Address_PostalCode, {}},
      {"ADDRESS-COUNTRY", IDC_ADDRESS_COUNTRY, K::kAddressEdit, &Cabrillo::Address_Country, {}},
      {"OPERATORS", IDC_OPERATORS, K::kEdit, &Cabrillo::Operators, {}},
      {"CLUB", IDC_CLUB, K::kEdit, &Cabrillo::Club, {}},
      {"SOAPBOX", IDC_SOAPBOX, K::kSoapBox, &Cabrillo::SoapBox, {}},
      {"E-MAIL", IDC_EMAIL, K::kEdit, &Cabrillo::Email, {}},
  };
}

bool BeginsWithNoCase(const std::string& entry, const std::string& start) {
  return entry.size() >= start.size() && text::EqualNoCase(entry.substr(0, start.size()), start);
}

}  // namespace

const std::vector<HeaderField>& HeaderFields() {
  static const std::vector<HeaderField> fields = MakeFields();
  return fields;
}

bool IsList(ControlKind kind) { return kind == ControlKind::kList || kind == ControlKind::kSortedList; }

std::vector<std::string> ShownEntries(const HeaderField& field) {
  std::vector<std::string> shown = field.entries;
  if (field.kind == ControlKind::kSortedList) {
    std::stable_sort(shown.begin(), shown.end(), [](const std::string& a, const std::string& b) {
      return text::Compare(a, b) < 0;
    });
  }
  return shown;
}

int InitialSelection(const std::vector<std::string>& shown, const std::string& text) {
  if (text.empty()) return -1;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (BeginsWithNoCase(shown[i], text)) return static_cast<int>(i);
  }
  return -1;
}

std::string InitialText(const HeaderField& field, const std::string& text) {
  if (!IsList(field.kind)) return text;
  const std::vector<std::string> shown = ShownEntries(field);
  const int selected = InitialSelection(shown, text);
  return selected < 0 ? text : shown[static_cast<std::size_t>(selected)];
}

}  // namespace sptdc
