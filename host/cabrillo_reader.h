// cabrillo_reader.h - reads a Cabrillo 3.0 log as the records of an ADIF
// log, so that a Cabrillo log takes the same road to the plug-in.
//
// Each QSO line "QSO: freq mode date time sentcall [rst] sentgrid call [rst]
// grid [transmitter]" becomes a record of FREQ (the kilohertz as megahertz),
// MODE, QSO_DATE, TIME_ON, STATION_CALLSIGN, RST_SENT, STX_STRING, CALL,
// RST_RCVD and SRX_STRING; the RST columns are there when the line has ten
// or eleven fields, absent with eight or nine. Other tags are read past, but
// for CALLSIGN:, the log's own call.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/adif_reader.h"

namespace sptdc::host {

struct CabrilloLog {
  std::string ownCall;  // CALLSIGN:, empty when absent
  std::vector<AdifRecord> records;
};

struct CabrilloError {
  std::uint64_t line = 0;  // counted from 1
  std::string message;
};

// Reads the whole text (line ends LF or CR LF). False with *error for the
// first QSO line that does not read, or a log without START-OF-LOG:.
bool ReadCabrillo(const std::string& text, CabrilloLog* log, CabrilloError* error);

// True when the text's first line that is not blank is START-OF-LOG:.
bool LooksLikeCabrillo(const std::string& text);

}  // namespace sptdc::host
