// The host's date-time value: an OLE Automation date (days since
// 30 December 1899 00:00, the time of day as the fraction; a negative value
// is the day part plus the absolute fraction as time of day) and a validity
// status. The layout matches the host's record: the day count at offset 0,
// the 32-bit status at offset 8.
#pragma once

#include <cstdint>
#include <string>

namespace sptdc {

struct DateTime {
  enum Status : std::int32_t { kValid = 0, kInvalid = 1, kNull = 2 };

  double m_dt = 0.0;
  std::int32_t m_status = kValid;

  // Formats with the strftime-style directives %Y %m %d %H %M %S and %%;
  // other characters are copied. A null value gives "", an invalid one, or
  // one outside 1 January 100 to 31 December 9999, gives "Invalid DateTime".
  std::string Format(const char* pattern) const;

  // The difference of the two instants in days, whatever their statuses.
  double operator-(const DateTime& other) const;
};

}  // namespace sptdc
