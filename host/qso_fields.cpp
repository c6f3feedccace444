#include "host/qso_fields.h"

#include <initializer_list>

#include "host/date_time.h"
#include "host/frequency.h"

namespace sptdc::host {

namespace {

// The value of the first of the names that the record holds with a non-empty
// value, or empty.
std::string FirstGiven(const AdifRecord& record, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    const std::string* value = record.Find(name);
    if (value && !value->empty()) return *value;
  }
  return "";
}

SptdcDateTime QsoTime(const AdifRecord& record) {
  const std::string date = FirstGiven(record, {"QSO_DATE"});
  const std::string time = FirstGiven(record, {"TIME_ON"});
  if (date.empty() || time.empty()) return SptdcDateTime{0.0, SPTDC_TIME_NULL};
  CivilDate day;
  int second = 0;
  if (!ParseAdifDate(date, &day) || !ParseAdifTime(time, &second)) {
    return SptdcDateTime{0.0, SPTDC_TIME_INVALID};
  }
  return OleDateTime(day, second);
}

}  // namespace

const std::vector<std::string>& QsoAdifFieldNames() {
  static const std::vector<std::string> kNames = {
      "CALL",     "STATION_CALLSIGN", "OPERATOR",   "QSO_DATE",      "TIME_ON",    "FREQ",       "MODE",
      "RST_SENT", "RST_RCVD",         "STX_STRING", "MY_GRIDSQUARE", "SRX_STRING", "GRIDSQUARE", "BAND"};
  return kNames;
}

std::string OwnCallOf(const AdifRecord& record) {
  return FirstGiven(record, {"STATION_CALLSIGN", "OPERATOR"});
}

QsoFields QsoFromAdif(const AdifRecord& record, const std::string& stationOption) {
  QsoFields qso;
  qso.myCall = OwnCallOf(record);
  if (qso.myCall.empty()) qso.myCall = stationOption;
  qso.call = FirstGiven(record, {"CALL"});
  qso.time = QsoTime(record);

  std::uint64_t hertz = 0;
  const bool haveFrequency = MegahertzToHertz(FirstGiven(record, {"FREQ"}), &hertz);
  if (haveFrequency && hertz <= UINT32_MAX) qso.frequencyHz = std::uint32_t(hertz);

  qso.mode = FirstGiven(record, {"MODE"});
  qso.sentRst = FirstGiven(record, {"RST_SENT"});
  qso.receivedRst = FirstGiven(record, {"RST_RCVD"});
  qso.sentExchange = FirstGiven(record, {"STX_STRING"});
  if (qso.sentExchange.empty()) qso.sentExchange = FirstGiven(record, {"MY_GRIDSQUARE"}).substr(0, 4);
  qso.receivedExchange = FirstGiven(record, {"SRX_STRING"});
  if (qso.receivedExchange.empty()) {
    qso.receivedExchange = FirstGiven(record, {"GRIDSQUARE"}).substr(0, 4);
  }
  qso.band = FirstGiven(record, {"BAND"});
  if (qso.band.empty() && haveFrequency) qso.band = AdifBandOf(hertz);
  return qso;
}

}  // namespace sptdc::host
