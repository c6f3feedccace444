#include "plugin/plugin.h"

#include "cabrillo/ui/operator.h"
#include "env/output_file.h"
#include "plugin/checks.h"
#include "plugin/rejection_report.h"
#include "report/result_text.h"

namespace sptdc {

namespace {

const char* const kModes[] = {"CW"};
const char* const kBands[] = {"160m"};

}  // namespace

Plugin::Plugin(Env& env, Operator& op)
    : operator_(op), ModeRules(kModes, 1), BandRules(kBands, 1), CabrilloLog(env, op) {}

int Plugin::ResetStats(int cabrilloExport, const std::string& stationCall, const DateTime& runTime) {
  run_.RunDate = runTime.Format("%d.%m.%Y");
  QsoList.Clear();
  SeenBands.Clear();
  run_.StationCall = stationCall;
  run_.CabrilloRequested = cabrilloExport;
  // A cancelled header dialog clears the flag itself; the report comes anyway.
  if (cabrilloExport != 0) CabrilloLog.EditHeader(stationCall, run_.CabrilloRequested);
  run_.ReportFileName = RejectionReportName(runTime);
  OutputFile report(run_.ReportFileName, OutputFile::kTruncate);
  report.Write(kRejectionReportHeader);
  return 1;
}

int Plugin::RemoveData(const std::string& call, const std::string& band) {
  RemoveQso(QsoList, call, band);
  return 1;
}

int Plugin::CheckCall(const std::string& call, const std::string& mode, const char* band,
                      const char* otherBand) const {
  return sptdc::CheckCall(QsoList, BandRules, ModeRules, call, mode, band, otherBand);
}

int Plugin::IsValidExchange(const std::string& exchange, int exchangeIndex) const {
  return sptdc::IsValidExchange(exchange, exchangeIndex);
}

const char* Plugin::GetResult() {
  ScoreText score = BuildScoreText(QsoList.Records(), SeenBands, run_.RunDate, run_.StationCall,
                                   run_.CabrilloRequested == 0);
  ResultText = std::move(score.text);
  ClaimedScore = score.totalPoints;
  if (run_.CabrilloRequested != 0) CabrilloLog.Export(QsoList.Records(), ClaimedScore);
  return ResultText.c_str();
}

void Plugin::SetupSet() {
  operator_.ShowMessage("No additional setup for this plugin", nullptr, MessageIcon::kNone);
}

const char* Plugin::SetName(int setIndex) { return setIndex == 0 ? "SPDTC (C)" : ""; }

}  // namespace sptdc
