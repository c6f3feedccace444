#include "host/contest_run.h"

#include <fstream>

#include "plugin/rejection_report.h"

namespace sptdc::host {

namespace {

// What the positions without a role receive: an empty text, zero, and a
// date-time of day 0.
const char kEmpty[] = "";
const SptdcDateTime kNoTime{0.0, SPTDC_TIME_VALID};

// The bytes a file has gained past *size, which moves to its new end.
std::string GrowthOf(const std::string& path, std::uint64_t* size) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "";
  in.seekg(0, std::ios::end);
  const std::uint64_t end = std::uint64_t(in.tellg());
  if (end <= *size) return "";
  std::string added(std::size_t(end - *size), '\0');
  in.seekg(std::streamoff(*size));
  in.read(&added[0], std::streamsize(added.size()));
  *size = end;
  return added;
}

}  // namespace

RunSettings MakeRunSettings(const std::string& stationOption, const CivilDate* dateOption,
                            const std::vector<AdifRecord>& records, bool cabrilloExport) {
  RunSettings settings;
  settings.cabrilloExport = cabrilloExport;
  settings.stationCall = stationOption;
  if (settings.stationCall.empty() && !records.empty()) settings.stationCall = OwnCallOf(records[0]);
  const std::string* firstDate = records.empty() ? nullptr : records[0].Find("QSO_DATE");
  if (dateOption) {
    settings.runDate = *dateOption;
  } else if (!firstDate || !ParseAdifDate(*firstDate, &settings.runDate)) {
    settings.runDate = LocalToday();
  }
  return settings;
}

std::string RejectionReportOf(const RunSettings& settings) {
  return RejectionReportName(DateTimeOf(settings.runDate, 0));
}

RunCounts PassLog(const EntryPoints& api, const RunSettings& settings, const std::vector<QsoFields>& qsos,
                  std::vector<QsoVerdict>* verdicts) {
  const SptdcDateTime runTime = OleDateTime(settings.runDate, 0);
  api.ResetStats0(kEmpty, settings.cabrilloExport ? 1 : 0, settings.stationCall.c_str(), &runTime, &kNoTime,
                  kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, 0, 0, 0,
                  0.0, 0.0, kEmpty, kEmpty, kEmpty);
  const std::string report = RejectionReportOf(settings);
  std::uint64_t reportSize = 0;
  GrowthOf(report, &reportSize);
  verdicts->clear();
  RunCounts counts;
  for (const QsoFields& q : qsos) {
    const int stored = api.AddData0(
        q.myCall.c_str(), q.call.c_str(), &q.time, &kNoTime, &kNoTime, &kNoTime, 0, q.frequencyHz,
        q.mode.c_str(), q.sentRst.c_str(), q.receivedRst.c_str(), q.sentExchange.c_str(),
        q.receivedExchange.c_str(), kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty,
        kEmpty, 0, 0, 0, 0.0, 0.0, kEmpty, kEmpty, kEmpty, q.band.c_str(), kEmpty);
    verdicts->push_back(VerdictOf(stored != 0, q.call, GrowthOf(report, &reportSize)));
    ++counts.read;
    counts.kept.push_back(stored != 0);
    if (stored) {
      ++counts.stored;
    } else {
      ++counts.rejected;
    }
  }
  return counts;
}

std::string ScoreText(const EntryPoints& api) {
  std::int32_t resultCode = 0;
  const char* result = api.GetResult0(&resultCode);
  std::string text;
  for (const char* c = result ? result : kEmpty; *c; ++c) {
    if (c[0] == '\r' && c[1] == '\n') continue;
    text += *c;
  }
  return text;
}

int CheckCall(const EntryPoints& api, const std::string& call, const std::string& band,
              const std::string& mode) {
  // The host's two answer buffers, which the plug-in leaves alone.
  char answer1[64] = "";
  char answer2[64] = "";
  return api.CheckCall0(call.c_str(), 0, 0, mode.c_str(), kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty,
                        kEmpty, kEmpty, kEmpty, kEmpty, 0, 0, 0, 0.0, 0.0, kEmpty, kEmpty, kEmpty, kEmpty,
                        kEmpty, band.c_str(), nullptr, answer1, answer2);
}

bool IsValidGrid(const EntryPoints& api, const std::string& text) {
  return api.IsValidExchg0(text.c_str(), kEmpty, kEmpty, kEmpty, 0, 0, 0) == 1;
}

}  // namespace sptdc::host
