// The judgement of one logged QSO: the rule tests in their fixed order, the
// dupe count, and the rejection report lines.
#include "env/output_file.h"
#include "geo/world_pos.h"
#include "plugin/plugin.h"
#include "util/format.h"

namespace sptdc {

namespace {

void WriteRejection(OutputFile& report, const QsoInput& qso, const std::string& time, const char* message) {
  report.Write(Format("QSO:  %u  %s  %s  %s  %s  %s  %s  %s  %s%s\r\n",
                      static_cast<unsigned>(qso.frequencyHz / 1000u), qso.mode.c_str(), time.c_str(),
                      qso.myCall.c_str(), qso.sentRst.c_str(), qso.sentExchange.c_str(), qso.call.c_str(),
                      qso.receivedRst.c_str(), qso.receivedExchange.c_str(), message));
}

}  // namespace

int Plugin::AddData(const QsoInput& qso) {
  SeenBands.AddIfAbsent(qso.band);

  CInfo record;
  OutputFile report(run_.ReportFileName, OutputFile::kAppend);
  record.m_call = qso.call;
  record.m_mode = qso.mode;
  record.m_band = qso.band;
  record.m_receivedRst = qso.receivedRst;
  record.m_sentRst = qso.sentRst;
  record.m_receivedExchange = qso.receivedExchange;
  record.m_sentExchange = qso.sentExchange;
  record.m_time = qso.time;
  record.m_frequencyKHz = static_cast<std::int32_t>(qso.frequencyHz / 1000u);
  const std::string time = record.m_time.Format("%Y-%m-%d %H%M");

  CWorldPos received;
  received.Parse(qso.receivedExchange);
  const char* rejection = nullptr;
  if (!received.IsValid()) {
    rejection = "   INCORRECT RECIEVED LOCATOR !!!";
  } else if (!BandRules.Contains(qso.band)) {
    rejection = "   NO CONTEST BAND !!!";
  } else if (!ModeRules.Contains(qso.mode)) {
    rejection = "   NO CONTEST MODE !!!";
  } else if (qso.receivedExchange.empty() || qso.sentExchange.empty()) {
    rejection = "   Not full control number recieved !!!";
  }
  if (rejection) {
    WriteRejection(report, qso, time, rejection);
    return 0;
  }

  // Every earlier match writes its own line, dupes of dupes included; the
  // lines are alike, so only their number matters.
  const std::size_t earlier = QsoList.CountMatches(record.m_call, record.m_band, record.m_mode);
  record.m_dupe = earlier > 0 ? 1 : 0;
  for (std::size_t match = 0; match < earlier; ++match) {
    WriteRejection(report, qso, time, "   DUPE !!!");
  }
  QsoList.Append(std::move(record));
  return 1;
}

}  // namespace sptdc
