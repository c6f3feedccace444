#include "synthetic_log.h"

#include <cstdio>

#include "util/date_time.h"

namespace sptdc::bench {

namespace {

const char* const kPrefixes[] = {"DL", "K", "W", "G", "PA", "OK", "VE", "JA"};

// A valid locator for QSO number n: field and square from n, a subsquare
// for every fourth.
std::string Locator(int n) {
  std::string locator;
  locator += static_cast<char>('A' + (n * 7) % 18);
  locator += static_cast<char>('A' + (n * 5 + 3) % 18);
  locator += static_cast<char>('0' + (n * 3) % 10);
  locator += static_cast<char>('0' + (n / 10) % 10);
  if (n % 4 == 0) {
    locator += static_cast<char>('A' + (n * 11) % 24);
    locator += static_cast<char>('A' + (n * 13) % 24);
  }
  return locator;
}

// One ADIF field, "<NAME:length>value" and a space.
std::string AdifField(const char* name, const std::string& value) {
  return "<" + std::string(name) + ":" + std::to_string(value.size()) + ">" + value + " ";
}

}  // namespace

SyntheticLog::SyntheticLog(int count, Mix mix, int first) {
  qsos_.reserve(static_cast<std::size_t>(count));
  for (int n = first; n < first + count; ++n) {
    testing::HostQso qso;
    int callNumber = n;
    if (mix == kWithDupesAndRejects && n % 50 == 49) callNumber = n - 25;
    qso.call = Keep(kPrefixes[callNumber % 8] + std::to_string(callNumber) + "X");
    qso.receivedExchange = Keep(Locator(n));
    if (mix == kWithDupesAndRejects && n % 100 == 98) qso.receivedExchange = "JS21";
    qso.time = testing::Night(21, 0);
    qso.time.date += n * 20.0 / 86400.0;
    qsos_.push_back(qso);
  }
}

std::string SyntheticLog::Adif() const {
  std::string adif = "Synthetic log\n<ADIF_VER:5>3.1.4 <EOH>\n";
  for (const testing::HostQso& qso : qsos_) {
    DateTime time;
    time.days = qso.time.date;
    char megahertz[32];
    std::snprintf(megahertz, sizeof megahertz, "%u.%06u", qso.frequencyHz / 1000000u,
                  qso.frequencyHz % 1000000u);
    adif += AdifField("CALL", qso.call) + AdifField("QSO_DATE", time.Format("%Y%m%d")) +
            AdifField("TIME_ON", time.Format("%H%M%S")) + AdifField("BAND", qso.band) +
            AdifField("FREQ", megahertz) + AdifField("MODE", qso.mode) + AdifField("RST_SENT", qso.sentRst) +
            AdifField("RST_RCVD", qso.receivedRst) + AdifField("STX_STRING", qso.sentExchange) +
            AdifField("SRX_STRING", qso.receivedExchange) + AdifField("STATION_CALLSIGN", qso.myCall) +
            "<EOR>\n";
  }
  return adif;
}

const char* SyntheticLog::Keep(std::string text) {
  texts_.push_back(std::move(text));
  return texts_.back().c_str();
}

}  // namespace sptdc::bench
