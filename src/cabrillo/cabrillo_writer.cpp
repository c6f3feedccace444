// The Cabrillo 3.0 file: header lines from the confirmed header values, one
// line per stored QSO, and the end line. The file's content is replaced in
// one step (Env::ReplaceFileContent), so a failed export never leaves a
// broken log where a good one was, and a write-protected log stays as it is.
#include <map>

#include "cabrillo/cabrillo_log.h"
#include "cabrillo/ui/operator.h"
#include "env/env.h"
#include "util/format.h"
#include "util/text.h"

namespace sptdc {

namespace {

// The header lines that no field fills, by line number; the fields' lines
// (HeaderFields) fall between them.
constexpr int kClaimedScoreLine = 13;
constexpr int kCreatedByLine = 22;

}  // namespace

void CCabrilloLog::AddQsoLine(const std::string& call, int frequencyKHz, const char* mode,
                              const DateTime& time, const std::string& sentExchange,
                              const std::string& receivedExchange) {
  QsoLines.push_back(Format("QSO: %5i %2s %s %-13s 599 %-5s  %-12s  599 %s\r\n", frequencyKHz, mode,
                            time.Format("%Y-%m-%d %H%M").c_str(), Callsign.c_str(), sentExchange.c_str(),
                            call.c_str(), receivedExchange.c_str()));
}

std::string CCabrilloLog::HostVersion() const {
  for (const std::string& file : env_.ExecutablesInCurrentDirectory()) {
    if (text::Find(file, "Vexa", 0) == std::string::npos) continue;
    FileVersion v;
    if (!env_.ReadFileVersion(file, v)) return "";
    if (v.major == 2) return Format("%d.%d", v.major, v.minor);
    return Format("%d.%d.%d", v.major, v.minor, v.build);
  }
  return "";
}

std::string CCabrilloLog::WriteCabrillo(int claimedScore, bool& produced) {
  std::map<int, std::string> header;
  for (const HeaderField& field : HeaderFields()) {
    if (field.fileLine == 0) continue;
    header[field.fileLine] =
        FileTagPrefix(field) + (field.fileValue ? field.fileValue : this->*field.text) + "\r\n";
  }
  header[kClaimedScoreLine] = Format("CLAIMED-SCORE: %d\r\n", claimedScore);
  header[kCreatedByLine] = "CREATED-BY: Vexa " + HostVersion() + "\r\n";

  std::string log = "START-OF-LOG: 3.0\r\n";
  for (const auto& line : header) log += line.second;
  for (const std::string& line : QsoLines) log += line;
  log += "END-OF-LOG:\r\n";

  const std::string name = FileBase + ".cbr";
  produced = env_.ReplaceFileContent(name, log);
  return (produced ? "File produced: " : "File not produced: ") + name;
}

void CCabrilloLog::Export(const std::vector<CInfo>& qsos, int claimedScore) {
  // Each export starts afresh, so the file holds every record once however
  // often the host asks for the score in one export run.
  QsoLines.clear();
  for (const CInfo& qso : qsos) {
    const char* mode = text::Equal(qso.m_mode, "CW") ? "CW" : "??";
    AddQsoLine(qso.m_call, qso.m_frequencyKHz, mode, qso.m_time, qso.m_sentExchange, qso.m_receivedExchange);
  }
  bool produced = false;
  const std::string message = WriteCabrillo(claimedScore, produced);
  operator_.ShowMessage(message, "Output", produced ? MessageIcon::kInformation : MessageIcon::kWarning);
}

}  // namespace sptdc
