// One QSO as the plug-in keeps it: a plain value; copies share nothing.
#pragma once

#include <cstdint>
#include <string>

#include "util/date_time.h"

namespace sptdc {

struct CInfo {
  std::string m_call;  // the worked station's callsign
  std::string m_band;  // band text as the host wrote it
  std::string m_mode;  // mode text as the host wrote it
  std::string m_receivedRst;
  std::string m_sentRst;
  std::string m_receivedExchange;   // the worked station's locator
  std::string m_sentExchange;       // the operator's own locator as sent
  std::int32_t m_frequencyKHz = 0;  // whole kilohertz, remainder dropped
  std::int32_t m_dupe = 0;          // 1 when an equal call, band and mode was stored before
  DateTime m_time;                  // day 0, valid, until filled
};

}  // namespace sptdc
