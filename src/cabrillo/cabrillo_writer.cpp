// The Cabrillo 3.0 file: header lines from the confirmed header values, one
// line per stored QSO, and the end line. The file is written beside its
// final name and renamed over it, so a failed export never leaves a broken
// log where a good one was.
#include "cabrillo/cabrillo_log.h"
#include "platform/format.h"
#include "platform/output_file.h"
#include "platform/platform.h"
#include "platform/text.h"

#include <cstdio>

namespace sptdc {

void CCabrilloLog::AddQsoLine(const std::string& call, int frequencyKHz, const char* mode,
                              const DateTime& time, const std::string& sentExchange,
                              const std::string& receivedExchange) {
  QsoLines.push_back(Format("QSO: %5i %2s %s %-13s 599 %-5s  %-12s  599 %s\r\n", frequencyKHz,
                            mode, time.Format("%Y-%m-%d %H%M").c_str(), Callsign.c_str(),
                            sentExchange.c_str(), call.c_str(), receivedExchange.c_str()));
}

std::string CCabrilloLog::HostVersion() const {
  for (const std::string& file : platform_.ExecutablesInCurrentDirectory()) {
    if (text::Find(file, "Vexa", 0) == std::string::npos) continue;
    FileVersion v;
    if (!platform_.ReadFileVersion(file, v)) return "";
    if (v.major == 2) return Format("%d.%d", v.major, v.minor);
    return Format("%d.%d.%d", v.major, v.minor, v.build);
  }
  return "";
}

std::string CCabrilloLog::WriteCabrillo(int claimedScore, bool& produced) {
  const std::string version = HostVersion();
  const std::string name = FileBase + ".cbr";
  const std::string temporary = name + ".tmp";

  std::string log = "START-OF-LOG: 3.0\r\n";
  log += "LOCATION: " + Location + "\r\n";
  log += "CALLSIGN: " + Callsign + "\r\n";
  log += "CLUB: " + Club + "\r\n";
  log += "CONTEST: SPTDC\r\n";
  log += "CATEGORY-OPERATOR: " + Category + "\r\n";
  log += "CATEGORY-ASSISTED: " + Category_Assisted + "\r\n";
  log += "CATEGORY-BAND: " + Category_Band + "\r\n";
  log += "CATEGORY-MODE: " + Category_Mode + "\r\n";
  log += "CATEGORY-POWER: " + Category_Power + "\r\n";
  log += "CATEGORY-STATION: " + Category_Station + "\r\n";
  log += "CATEGORY-TRANSMITTER: " + Category_Transmitter + "\r\n";
  log += Format("CLAIMED-SCORE: %d\r\n", claimedScore);
  log += "OPERATORS: " + Operators + "\r\n";
  log += "NAME: " + Name + "\r\n";
  log += "ADDRESS: " + Address + "\r\n";
  log += "ADDRESS-CITY: " + Address_City + "\r\n";
  log += "ADDRESS-STATE-PROVINCE: " + Address_St_Prov + "\r\n";
  log += "ADDRESS-POSTALCODE: " + Address_PostalCode + "\r\n";
  log += "ADDRESS-COUNTRY: " + Address_Country + "\r\n";
  log += "EMAIL: " + Email + "\r\n";
  log += "CREATED-BY: Vexa " + version + "\r\n";
  log += "SOAPBOX: " + SoapBox + "\r\n";
  for (const std::string& line : QsoLines) log += line;
  log += "END-OF-LOG:\r\n";

  OutputFile file(temporary, OutputFile::kTruncate);
  const bool created = file.IsOpen();
  file.Write(log);
  produced = file.Close() && platform_.ReplaceFile(temporary, name);
  if (!produced) {
    if (created) std::remove(temporary.c_str());
    return "File not produced: " + name;
  }
  return "File produced: " + name;
}

void CCabrilloLog::Export(const std::vector<CInfo>& qsos, int claimedScore) {
  // Each export starts afresh, so the file holds every record once however
  // often the host asks for the score in one export run.
  QsoLines.clear();
  for (const CInfo& qso : qsos) {
    const char* mode = text::Equal(qso.m_mode, "CW") ? "CW" : "??";
    AddQsoLine(qso.m_call, qso.m_frequencyKHz, mode, qso.m_time, qso.m_sentExchange,
               qso.m_receivedExchange);
  }
  bool produced = false;
  const std::string message = WriteCabrillo(claimedScore, produced);
  platform_.ShowMessage(message, "Output",
                        produced ? MessageIcon::kInformation : MessageIcon::kWarning);
}

}  // namespace sptdc
