#include "report/rates.h"

#include <cmath>

#include "util/date_time.h"
#include "util/format.h"

namespace sptdc {

namespace {

constexpr double kMinutesPerDay = 1440.0;
constexpr double kShortWindowMinutes = 10.0;
constexpr double kLongWindowMinutes = 60.0;

}  // namespace

RateTally::RateTally(const std::vector<CInfo>& qsos) {
  if (qsos.size() >= 2) reference_ = qsos.back().m_time;
}

void RateTally::Account(const DateTime& time, int points) {
  const double days = reference_ - time;
  // To the nearest second, halves away from zero, then to whole minutes
  // towards zero. The minutes stay a double: a huge or NaN difference must
  // not be cast to an integer, and trunc(x) < limit is the same test.
  const double minutes = std::trunc(WithHalfSecondAwayFromZero(days) * kMinutesPerDay);
  if (minutes < kLongWindowMinutes) {
    ++hourQsos_;
    hourPoints_ += points;
  }
  if (minutes < kShortWindowMinutes) {
    ++tenMinuteQsos_;
    tenMinutePoints_ += points;
  }
}

std::string RateTally::Block(int lastQsoPoints) const {
  return Format(
      "\r\nHourly (10min) QSO rate: %5i (%i) QSOs/hour\r\nHourly (10min) pts rate: %5i (%i) "
      "points/hour\r\n\r\nLast QSO: %i points",
      hourQsos_, tenMinuteQsos_ * 6, hourPoints_, tenMinutePoints_ * 6, lastQsoPoints);
}

}  // namespace sptdc
