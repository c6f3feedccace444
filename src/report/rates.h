// QSO and point rates of the last 60 and 10 minutes of the log, reckoned back
// from the date-time of the last record stored, never from the clock.
#pragma once

#include <string>
#include <vector>

#include "log/qso_record.h"
#include "util/date_time.h"

namespace sptdc {

class RateTally {
 public:
  // The reference is the last record's time when the log holds two or more
  // records, else day 0 (30 December 1899 00:00).
  explicit RateTally(const std::vector<CInfo>& qsos);

  // Counts one scored record into the windows its time falls in.
  void Account(const DateTime& time, int points);

  // The block that follows the Total row.
  std::string Block(int lastQsoPoints) const;

 private:
  DateTime reference_;
  int hourQsos_ = 0;
  int hourPoints_ = 0;
  int tenMinuteQsos_ = 0;
  int tenMinutePoints_ = 0;
};

}  // namespace sptdc
