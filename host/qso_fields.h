// qso_fields.h - an ADIF record as the values of the AddData0 roles.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/adif_reader.h"
#include "sptdc.h"

namespace sptdc::host {

// The values that one AddData0 call passes in its role positions.
struct QsoFields {
  std::string myCall;
  std::string call;
  SptdcDateTime time{0.0, SPTDC_TIME_NULL};
  std::uint32_t frequencyHz = 0;
  std::string mode;
  std::string sentRst;
  std::string receivedRst;
  std::string sentExchange;
  std::string receivedExchange;
  std::string band;
};

// The upper-case ADIF field names that QsoFromAdif reads; ReadAdif keeps
// only these.
const std::vector<std::string>& QsoAdifFieldNames();

// Maps one record; a field that is absent or empty counts as missing:
// - myCall: STATION_CALLSIGN, else OPERATOR, else stationOption;
// - time: QSO_DATE with TIME_ON, valid; the null state when either is
//   missing, the invalid state when either is malformed;
// - frequencyHz: FREQ converted exactly; 0 when missing, malformed or above
//   the 32 bits of the position;
// - sentExchange: STX_STRING, else the first four bytes of MY_GRIDSQUARE;
//   receivedExchange: SRX_STRING, else the first four bytes of GRIDSQUARE;
// - band: BAND as written, else the ADIF band of FREQ, else empty;
// - call, mode, sentRst, receivedRst: CALL, MODE, RST_SENT, RST_RCVD.
QsoFields QsoFromAdif(const AdifRecord& record, const std::string& stationOption);

// The record's own station: STATION_CALLSIGN, else OPERATOR, else empty.
std::string OwnCallOf(const AdifRecord& record);

}  // namespace sptdc::host
