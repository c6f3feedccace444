// The Cabrillo header dialog: 22 texts that the operator reviews and changes
// before the log is written. The dialog stores and checks nothing: it shows
// the texts, lets the operator type or pick, and says whether it ended with
// OK. The window itself is the platform's (a dialog resource on Windows, a
// form on the terminal elsewhere).
#pragma once

#include <string>

namespace sptdc {

class Platform;

class Cabrillo {
 public:
  explicit Cabrillo(Platform& platform) : platform_(platform) {}

  // Shows the dialog modally; true when the operator pressed OK, and then
  // every text holds its control's final content. Anything else (CANCEL,
  // Escape, the close box, a dialog that cannot be shown) is false and
  // leaves the texts as they were.
  bool DoModal();

  std::string Contest;
  std::string Callsign;
  std::string Claimed;  // shown only; the caller does not take it back
  std::string Category;
  std::string Location;
  std::string Category_Band;
  std::string Category_Assisted;
  std::string Category_Mode;
  std::string Category_Overlay;
  std::string Category_Power;
  std::string Category_Station;
  std::string Category_Transmitter;
  std::string Name;
  std::string Address;
  std::string Address_City;
  std::string Address_St_Prov;
  std::string Address_PostalCode;
  std::string Address_Country;
  std::string Operators;
  std::string Club;
  std::string SoapBox;  // lines separated by CR LF
  std::string Email;

 private:
  Platform& platform_;
};

}  // namespace sptdc
