// sptdc-host: scores an ADIF log through the scoring plug-in, loaded and
// driven the way the logging program does it.
#include <cstdio>
#include <exception>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "cabrillo/cabrillo_log.h"
#include "host/adif_reader.h"
#include "host/cabrillo_export.h"
#include "host/contest_run.h"
#include "host/export_warnings.h"
#include "host/host_options.h"
#include "host/platform.h"
#include "host/qso_fields.h"
#include "loader/loaded_plugin.h"
#include "plugin/rejection_report.h"

namespace sptdc::host {

namespace {

constexpr int kExitDone = 0;
constexpr int kExitNotValid = 1;
constexpr int kExitError = 2;
constexpr int kExitNoCabrillo = 4;

int Fail(const std::string& message) {
  std::fprintf(stderr, "sptdc-host: %s\n", message.c_str());
  return kExitError;
}

// Reads and checks the whole log before anything of it reaches the plug-in.
bool ReadLog(const std::string& path, std::vector<AdifRecord>* records, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *error = "cannot open " + path;
    return false;
  }
  AdifError fault;
  if (ReadAdif(in, QsoAdifFieldNames(), records, &fault)) return true;
  char where[96];
  if (fault.record == 0) {
    std::snprintf(where, sizeof where, "header, byte %llu", static_cast<unsigned long long>(fault.offset));
  } else {
    std::snprintf(where, sizeof where, "record %llu, byte %llu",
                  static_cast<unsigned long long>(fault.record),
                  static_cast<unsigned long long>(fault.offset));
  }
  *error = path + ": " + where + ": " + fault.message;
  return false;
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
    std::printf("%s: %s\n", options.gridText.c_str(), valid ? "valid" : "not valid");
    return valid ? kExitDone : kExitNotValid;
  }

  std::vector<AdifRecord> records;
  if (!ReadLog(options.logPath, &records, &error)) return Fail(error);
  std::vector<QsoFields> qsos;
  qsos.reserve(records.size());
  for (const AdifRecord& record : records) qsos.push_back(QsoFromAdif(record, options.station));
  const RunSettings settings = MakeRunSettings(options.station, options.hasDate ? &options.date : nullptr,
                                               records, options.command == Command::kExport);

  if (!options.directory.empty() && !ChangeDirectory(options.directory)) {
    return Fail("cannot change to the directory " + options.directory);
  }
  const bool exporting = options.command == Command::kExport;
  const std::string cabrilloPath = CurrentDirectory() + CabrilloFileBase(settings.stationCall) + ".cbr";
  const FileState cabrilloBefore = StateOf(cabrilloPath);
  const FileState settingsBefore = StateOf(kSettingsFile);
  if (exporting && !MakeSettingsFolder(&error))
    std::fprintf(stderr, "sptdc-host: warning: %s\n", error.c_str());
  const RunCounts counts = PassLog(api, settings, qsos);
  std::fprintf(stderr, "sptdc-host: %zu records read, %zu stored, %zu rejected; rejection report: %s\n",
               counts.read, counts.stored, counts.rejected,
               (CurrentDirectory() + RejectionReportName(DateTimeOf(settings.runDate, 0))).c_str());

  if (options.command == Command::kCheck) {
    const int verdict = CheckCall(api, options.call, options.band, options.mode);
    const char* words = CheckVerdictWords(verdict);
    if (!words) return Fail("the plug-in gave the unknown verdict " + std::to_string(verdict));
    std::printf("%s on %s %s: %s\n", options.call.c_str(), options.band.c_str(), options.mode.c_str(), words);
    return kExitDone;
  }
  if (exporting) {
    for (const std::string& warning : ExportWarnings(qsos, counts.kept, settings.stationCall)) {
      std::fprintf(stderr, "sptdc-host: warning: %s\n", warning.c_str());
    }
  }
  std::string text = ScoreText(api);
  if (!text.empty() && text.back() != '\n') text += '\n';
  std::fputs(text.c_str(), stdout);
  if (!exporting) return kExitDone;
  const bool confirmed = HeaderConfirmed(text, counts.stored, settingsBefore, StateOf(kSettingsFile));
  const ExportOutcome outcome = JudgeExport(cabrilloPath, cabrilloBefore, StateOf(cabrilloPath), confirmed,
                                            HeaderFormReadsStandardInput());
  std::fprintf(stderr, "sptdc-host: %s\n", outcome.line.c_str());
  return outcome.written ? kExitDone : kExitNoCabrillo;
}

}  // namespace

}  // namespace sptdc::host

int main(int argc, char** argv) {
  using namespace sptdc::host;
  try {
    HostOptions options;
    std::string error;
    if (!ParseHostOptions(std::vector<std::string>(argv + 1, argv + argc), &options, &error)) {
      std::fprintf(stderr, "sptdc-host: %s\n%s", error.c_str(), "Try 'sptdc-host --help'.\n");
      return kExitError;
    }
    return Run(options);
  } catch (const std::exception& e) {
    return Fail(std::string("stopped: ") + e.what());
  }
}
