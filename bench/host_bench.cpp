// The host program end to end and its limit. HostScore/N runs
// `sptdc-host score` on a generated ADI log of N QSOs (with dupes and
// rejects): process start, reading and checking the log, every AddData0, the
// score text. Its unavoidable parts, measured beside it: reading the file's
// bytes (LimitReadLog/N) and one open-append-close of the report per QSO
// (LimitReportAppends/N), since the plug-in opens the report in every
// AddData0.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "env/output_file.h"
#include "support/temp_dir.h"
#include "synthetic_log.h"

namespace sptdc::bench {
namespace {

// The generated logs, written once each into a folder of their own.
struct LogFiles {
  testing::TempDir dir;
  std::map<int, std::string> paths;
};

const std::string& LogFile(int count) {
  static LogFiles files;
  std::string& path = files.paths[count];
  if (path.empty()) {
    path = (files.dir.path() / ("log" + std::to_string(count) + ".adi")).string();
    testing::WriteFile(path, SyntheticLog(count, SyntheticLog::kWithDupesAndRejects).Adif());
  }
  return path;
}

void HostScore(benchmark::State& state) {
  const std::string& log = LogFile(static_cast<int>(state.range(0)));
  const std::string folder = log + ".run";
  std::filesystem::create_directory(folder);
  const std::string command =
      "'" SPTDC_HOST_PROGRAM "' -C '" + folder + "' score '" + log + "' >/dev/null 2>&1";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("sptdc-host failed");
  }
}
BENCHMARK(HostScore)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

void LimitReadLog(benchmark::State& state) {
  const std::string& log = LogFile(static_cast<int>(state.range(0)));
  std::vector<char> bytes(std::filesystem::file_size(log));
  for (auto _ : state) {
    std::FILE* file = std::fopen(log.c_str(), "rb");
    benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), file));
    std::fclose(file);
  }
}
BENCHMARK(LimitReadLog)->Arg(100000)->Unit(benchmark::kMillisecond);

void LimitReportAppends(benchmark::State& state) {
  const std::string report = LogFile(static_cast<int>(state.range(0))) + ".report";
  const std::string line =
      "QSO:  1830  CW  2008-12-27 2100  PA3ABC  599  JO21  DL1ABC  579  JO22   DUPE !!!\r\n";
  for (auto _ : state) {
    { OutputFile truncate(report, OutputFile::kTruncate); }
    for (int64_t i = 0; i < state.range(0); ++i) {
      OutputFile file(report, OutputFile::kAppend);
      file.Write(line);
      benchmark::DoNotOptimize(file.Close());
    }
  }
}
BENCHMARK(LimitReportAppends)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sptdc::bench
