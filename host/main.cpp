// sptdc-host: checks a Stew Perry log through the scoring plug-in, loaded and
// driven the way the logging program does it.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "cabrillo/cabrillo_log.h"
#include "host/cabrillo_export.h"
#include "host/call_check.h"
#include "host/contest_run.h"
#include "host/export_warnings.h"
#include "host/host_options.h"
#include "host/log_file.h"
#include "host/log_normaliser.h"
#include "host/log_warnings.h"
#include "host/messages.h"
#include "host/night_map.h"
#include "host/platform.h"
#include "host/qso_fields.h"
#include "host/qso_listing.h"
#include "host/scratch_folder.h"
#include "loader/loaded_plugin.h"

namespace sptdc::host {

namespace {

constexpr int kExitDone = 0;
constexpr int kExitNotValid = 1;
constexpr int kExitError = 2;
constexpr int kExitNoCabrillo = 4;

int Fail(const std::string& message) {
  Say(message);
  return kExitError;
}

// Changes into -C's folder, making it when missing.
bool EnterDirectory(const std::string& directory, std::string* error) {
  std::error_code ec;
  if (!std::filesystem::is_directory(directory, ec)) std::filesystem::create_directory(directory, ec);
  if (ec) {
    *error = "cannot create the directory " + directory + ": " + ec.message();
    return false;
  }
  if (!ChangeDirectory(directory)) {
    *error = "cannot change to the directory " + directory;
    return false;
  }
  return true;
}

// The summary of a score or export run on standard error: what was passed,
// where the report is, and what the plug-in decided.
void SaySummary(const RunCounts& counts, const std::vector<QsoVerdict>& verdicts, const std::string& report) {
  std::fprintf(stderr, "sptdc-host: %zu records read, %zu stored, %zu rejected; rejection report: %s\n",
               counts.read, counts.stored, counts.rejected, Printable(report).c_str());
  const VerdictCounts tally = CountVerdicts(verdicts);
  std::fprintf(stderr, "sptdc-host: %zu counted, %zu dupes, %zu rejected", tally.counted, tally.dupes,
               tally.rejected);
  if (tally.noCall) std::fprintf(stderr, ", %zu stored without a call (not counted)", tally.noCall);
  std::fputs("\n", stderr);
  for (const auto& reason : tally.reasons) {
    std::fprintf(stderr, "sptdc-host:   %zu %s\n", reason.second, Printable(reason.first).c_str());
  }
}

int WriteMap(const std::vector<QsoRow>& rows, const RunSettings& settings, const std::string& path) {
  std::string svg;
  std::string error;
  const std::string title =
      "SPTDC " + settings.stationCall + ", " + DateTimeOf(settings.runDate, 0).Format("%d.%m.%Y");
  if (!NightMapSvg(rows, title, &svg, &error)) return Fail("map: " + error);
  std::ofstream out(path, std::ios::binary);
  out << svg;
  out.close();
  if (!out) return Fail("cannot write the map " + path);
  return kExitDone;
}

int Run(const HostOptions& options) {
  if (options.command == Command::kHelp) {
    std::fputs(HostUsage(), stdout);
    return kExitDone;
  }
  const std::string pluginPath =
      options.pluginPath.empty() ? LoadedPlugin::DefaultPath() : options.pluginPath;
  if (options.command == Command::kVersion) {
    const std::string pluginVersion = LibraryVersion(pluginPath);
    std::printf("sptdc-host %s\nplug-in: %s, %s%s\n", SPTDC_HOST_VERSION, pluginPath.c_str(),
                pluginVersion.empty() ? "no version found" : "version ", pluginVersion.c_str());
    return kExitDone;
  }
  std::string error;
  const std::unique_ptr<LoadedPlugin> plugin = LoadedPlugin::Load(pluginPath, &error);
  if (!plugin) return Fail(error);
  const EntryPoints& api = plugin->api();

  if (options.command == Command::kGrid) {
    const bool valid = IsValidGrid(api, options.gridText);
    std::printf("%s: %s\n", Printable(options.gridText).c_str(), valid ? "valid" : "not valid");
    return valid ? kExitDone : kExitNotValid;
  }

  LogContents log;
  if (!ReadLogFile(options.logPath, &log, &error)) return Fail(error);
  for (const std::string& warning : log.warnings) Warn(warning);
  const std::string station = options.station.empty() ? NormalCall(log.ownCall) : NormalCall(options.station);
  std::vector<QsoFields> qsos;
  qsos.reserve(log.records.size());
  for (const AdifRecord& record : log.records) qsos.push_back(QsoFromAdif(record, station));
  const RunSettings settings = MakeRunSettings(station, options.hasDate ? &options.date : nullptr,
                                               log.records, options.command == Command::kExport);
  for (const std::string& warning : LogWarnings(qsos, settings.stationCall)) Warn(warning);

  std::vector<QsoVerdict> verdicts;
  if (options.command == Command::kScore || options.command == Command::kExport) {
    if (!options.directory.empty() && !EnterDirectory(options.directory, &error)) return Fail(error);
    const bool exporting = options.command == Command::kExport;
    const std::string cabrilloPath = CurrentDirectory() + CabrilloFileBase(settings.stationCall) + ".cbr";
    const FileState cabrilloBefore = StateOf(cabrilloPath);
    const FileState settingsBefore = StateOf(kSettingsFile);
    if (exporting && !MakeSettingsFolder(&error)) Warn(error);
    const RunCounts counts = PassLog(api, settings, qsos, &verdicts);
    if (exporting) {
      for (const std::string& warning : ExportWarnings(qsos, counts.kept, log.numbers)) Warn(warning);
    }
    std::string text = ScoreText(api);
    if (!text.empty() && text.back() != '\n') text += '\n';
    std::fputs(text.c_str(), stdout);
    // The summary follows the score text on a terminal too.
    std::fflush(stdout);
    SaySummary(counts, verdicts, CurrentDirectory() + RejectionReportOf(settings));
    if (!exporting) return kExitDone;
    const bool confirmed = HeaderConfirmed(text, counts.stored, settingsBefore, StateOf(kSettingsFile));
    const ExportOutcome outcome = JudgeExport(cabrilloPath, cabrilloBefore, StateOf(cabrilloPath), confirmed,
                                              HeaderFormReadsStandardInput());
    Say(outcome.line);
    return outcome.written ? kExitDone : kExitNoCabrillo;
  }

  std::vector<QsoRow> rows;
  {
    const ScratchFolder scratch;
    if (!scratch.ok()) return Fail(scratch.error());
    PassLog(api, settings, qsos, &verdicts);
    if (options.command == Command::kCheck) {
      const std::string call = NormalCall(options.call);
      const std::string band = NormalBand(options.band);
      const std::string mode = NormalCall(options.mode);
      const CallCheckAnswer answer = CheckCallAnswer(api, call, band, mode);
      if (answer.exitStatus == kExitError) return Fail("the plug-in gave " + answer.words);
      std::printf("%s on %s %s: %s\n", Printable(call).c_str(), Printable(band).c_str(),
                  Printable(mode).c_str(), answer.words.c_str());
      return answer.exitStatus;
    }
    rows = QsoRows(qsos, verdicts);
  }
  if (options.command == Command::kList) {
    if (options.csv) {
      SetBinaryMode(stdout);
      PrintQsoCsv(rows, stdout);
    } else {
      PrintQsoTable(rows, stdout);
    }
    return kExitDone;
  }
  return WriteMap(rows, settings, options.outputPath);
}

}  // namespace

}  // namespace sptdc::host

int main(int argc, char** argv) {
  using namespace sptdc::host;
  try {
    HostOptions options;
    std::string error;
    if (!ParseHostOptions(std::vector<std::string>(argv + 1, argv + argc), &options, &error)) {
      Say(error);
      std::fputs("Try 'sptdc-host --help'.\n", stderr);
      return kExitError;
    }
    return Run(options);
  } catch (const std::exception& e) {
    return Fail(std::string("stopped: ") + e.what());
  }
}
