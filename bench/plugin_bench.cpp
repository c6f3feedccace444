// The entry points as the host drives them, through the loaded plug-in in a
// temporary working folder, and the limit of AddData0: the open, append,
// write and close of the day's report that it does on every call.
//
// AddData0/N: one new QSO (no dupe, so no line is written) added to a run
//   that holds N; the time is that of one call, from a timed batch of them.
// RemoveData0/N: the removal of the last of N + 1 QSOs, which walks them
//   all; the QSO is added again untimed.
// GetResult0/N: the score text of a run of N counted QSOs.
// FullReread/N: ResetStats0, N AddData0 of a log with dupes and rejects,
//   GetResult0, as a host does when it re-reads its log.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "env/output_file.h"
#include "support/host_calls.h"
#include "support/plugin_library.h"
#include "support/temp_dir.h"
#include "synthetic_log.h"

namespace sptdc::bench {
namespace {

using testing::HostQso;
using testing::Night;
using testing::PluginLibrary;

const char kReport[] = "StatsSPTDC_27_12_2008.txt";

// One loaded plug-in in one working folder for the whole run, so every
// benchmark writes its report in the same place.
struct Host {
  testing::TempDir dir;
  PluginLibrary lib;
  // The run that RunHolding last filled, kept because filling a run of
  // 100,000 costs as much as that many report appends; -1 when another
  // benchmark has started a run of its own since.
  int holding = -1;
  std::unique_ptr<SyntheticLog> log;
};

Host& TheHost() {
  static Host host;
  return host;
}

PluginLibrary& RunHolding(int count) {
  Host& host = TheHost();
  if (host.holding != count) {
    host.log = std::make_unique<SyntheticLog>(count);
    testing::Reset(host.lib, 0, "PA3ABC", Night(20, 0));
    for (const HostQso& qso : host.log->qsos()) testing::Add(host.lib, qso);
    host.holding = count;
  }
  return host.lib;
}

void LimitReportAppend(benchmark::State& state) {
  TheHost();
  const std::string line =
      "QSO:  1830  CW  2008-12-27 2100  PA3ABC  599  JO21  DL1ABC  579  JO22   DUPE !!!\r\n";
  { OutputFile truncate(kReport, OutputFile::kTruncate); }
  for (auto _ : state) {
    OutputFile report(kReport, OutputFile::kAppend);
    report.Write(line);
    benchmark::DoNotOptimize(report.Close());
  }
}
BENCHMARK(LimitReportAppend);

void AddData0(benchmark::State& state) {
  PluginLibrary& lib = RunHolding(static_cast<int>(state.range(0)));
  // A batch of new QSOs per iteration, timed together and removed again
  // untimed: each removal walks the whole run, and a batch keeps the caches
  // it sweeps out from weighing on a single timed call.
  constexpr int kBatch = 32;
  const SyntheticLog fresh(kBatch, SyntheticLog::kAllCount, 5000000);
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    for (const HostQso& qso : fresh.qsos()) benchmark::DoNotOptimize(testing::Add(lib, qso));
    const auto end = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(end - start).count() / kBatch);
    for (const HostQso& qso : fresh.qsos()) testing::Remove(lib, qso.call, qso.band);
  }
}
BENCHMARK(AddData0)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->Iterations(100)->UseManualTime();

void RemoveData0(benchmark::State& state) {
  PluginLibrary& lib = RunHolding(static_cast<int>(state.range(0)));
  const SyntheticLog fresh(1, SyntheticLog::kAllCount, 5000000);
  const HostQso& qso = fresh.qsos().front();
  for (auto _ : state) {
    testing::Add(lib, qso);
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(testing::Remove(lib, qso.call, qso.band));
    const auto end = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
  }
}
BENCHMARK(RemoveData0)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime();

void GetResult0(benchmark::State& state) {
  PluginLibrary& lib = RunHolding(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(testing::Result(lib));
}
BENCHMARK(GetResult0)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void FullReread(benchmark::State& state) {
  Host& host = TheHost();
  PluginLibrary& lib = host.lib;
  host.holding = -1;
  const SyntheticLog log(static_cast<int>(state.range(0)), SyntheticLog::kWithDupesAndRejects);
  for (auto _ : state) {
    testing::Reset(lib, 0, "PA3ABC", Night(20, 0));
    for (const HostQso& qso : log.qsos()) testing::Add(lib, qso);
    benchmark::DoNotOptimize(testing::Result(lib));
  }
}
BENCHMARK(FullReread)->Arg(2000)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sptdc::bench
