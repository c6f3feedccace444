// Short ways to make the QSOs that the core tests feed to a Plugin.
#pragma once

#include <string>

#include "plugin/plugin.h"
#include "support/expected_texts.h"

namespace sptdc::testing {

// 27 December 2008, the night of a contest, at hh:mm:ss.
inline DateTime At(int hour, int minute, int second = 0) {
  DateTime t;
  t.days = ContestNight(hour, minute, second);
  return t;
}

// A QSO that counts: 160m, CW, JO21 sent, JO22 received, at 21:00.
inline QsoInput Qso(const std::string& call, const std::string& band = "160m", const std::string& mode = "CW",
                    const std::string& sent = "JO21", const std::string& received = "JO22",
                    DateTime time = At(21, 0)) {
  QsoInput qso;
  qso.myCall = "PA3ABC";
  qso.call = call;
  qso.time = time;
  qso.frequencyHz = 1830500;
  qso.mode = mode;
  qso.sentRst = "599";
  qso.receivedRst = "579";
  qso.sentExchange = sent;
  qso.receivedExchange = received;
  qso.band = band;
  return qso;
}

}  // namespace sptdc::testing
