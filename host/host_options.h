// host_options.h - the command line of sptdc-host.
#pragma once

#include <string>
#include <vector>

#include "host/date_time.h"

namespace sptdc::host {

enum class Command { kScore, kExport, kCheck, kList, kMap, kGrid, kHelp, kVersion };

// The band and mode that check asks about unless told otherwise: the
// contest's.
extern const char kContestBand[];
extern const char kContestMode[];

struct HostOptions {
  Command command = Command::kHelp;
  std::string logPath;              // score, export, check, list, map; "-" for standard input
  std::string call;                 // check
  std::string gridText;             // grid
  std::string band = kContestBand;  // check
  std::string mode = kContestMode;  // check
  bool csv = false;                 // list
  std::string outputPath;           // map
  std::string pluginPath;           // empty: the plug-in beside the executable
  std::string station;              // empty: taken from the log
  bool hasDate = false;
  CivilDate date;
  std::string directory;  // empty: stay where started
};

// Reads the arguments after the program name. Options may stand before or
// after the command; --help (-h) or --version anywhere wins over
// everything else (--version keeps --plugin). Returns false with *error for
// a usage fault.
bool ParseHostOptions(const std::vector<std::string>& args, HostOptions* options, std::string* error);

// The --help text.
const char* HostUsage();

}  // namespace sptdc::host
