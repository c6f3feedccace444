// The Cabrillo export: the header values that the operator confirms in the
// header dialog and that persist in the settings file, the QSO lines
// collected for the file, and the writer of the Cabrillo 3.0 log.
#pragma once

#include <string>
#include <vector>

#include "cabrillo/header_fields.h"
#include "log/qso_record.h"
#include "util/date_time.h"

namespace sptdc {

class Env;
class Operator;

class CCabrilloLog : public HeaderTexts {
 public:
  CCabrilloLog(Env& env, Operator& op) : env_(env), operator_(op) {}

  // Loads the header values, shows the header dialog and, on OK, saves the
  // answers and prepares them for the writer: returns 1. Otherwise returns 0
  // and clears cabrilloRequested, so the run does not export.
  int EditHeader(const std::string& stationCall, int& cabrilloRequested);

  // Formats one QSO line of the log and appends it to QsoLines.
  void AddQsoLine(const std::string& call, int frequencyKHz, const char* mode, const DateTime& time,
                  const std::string& sentExchange, const std::string& receivedExchange);

  // Writes FileBase + ".cbr" whole, or leaves an existing file as it was;
  // returns "File produced: " or "File not produced: " with the file name.
  std::string WriteCabrillo(int claimedScore, bool& produced);

  // The export step of a score request: a QSO line for every stored record,
  // the file, and the message box that names it.
  void Export(const std::vector<CInfo>& qsos, int claimedScore);

  std::string FileBase;
  std::vector<std::string> QsoLines;

 private:
  std::string HostVersion() const;

  Env& env_;
  Operator& operator_;
};

// The file base for a station callsign: every character that cannot stand in
// a Windows file name becomes "_", blanks around it go, and an empty result
// is "ZUTA".
std::string CabrilloFileBase(const std::string& stationCall);

}  // namespace sptdc
