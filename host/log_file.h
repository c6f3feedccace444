// log_file.h - a log file as the QSO records that reach the plug-in.
//
// Reads an ADIF (ADI) or Cabrillo log, told apart by its content, from a
// file or from standard input ("-"); then normalises every record and puts
// them in date-time order (log_normaliser.h). A damaged log is refused whole,
// except that a last record cut short by the end of the file is left out
// with a warning.
#pragma once

#include <string>
#include <vector>

#include "host/adif_reader.h"

namespace sptdc::host {

struct LogContents {
  std::vector<AdifRecord> records;    // normalised, in date-time order
  std::vector<std::size_t> numbers;   // each record's number in the log, counted from 1
  std::string ownCall;                // the Cabrillo log's CALLSIGN:, else empty
  std::vector<std::string> warnings;  // what was left out or moved
};

// False with *error naming the file and what is wrong with it (for a file
// that cannot be read, in the operating system's words).
bool ReadLogFile(const std::string& path, LogContents* log, std::string* error);

}  // namespace sptdc::host
