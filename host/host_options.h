// host_options.h - the command line of sptdc-host.
#pragma once

#include <string>
#include <vector>

#include "host/date_time.h"

namespace sptdc::host {

enum class Command { kScore, kExport, kCheck, kGrid, kHelp, kVersion };

struct HostOptions {
  Command command = Command::kHelp;
  std::string logPath;        // score, export, check
  std::string call;           // check
  std::string gridText;       // grid
  std::string band = "160m";  // check
  std::string mode = "CW";    // check
  std::string pluginPath;     // empty: the plug-in beside the executable
  std::string station;        // empty: taken from the log
  bool hasDate = false;
  CivilDate date;
  std::string directory;  // empty: stay where started
};

// Reads the arguments after the program name. Options may stand before or
// after the command; --help or --version anywhere wins over everything
// else (--version keeps --plugin). Returns false with *error for a usage
// fault.
bool ParseHostOptions(const std::vector<std::string>& args, HostOptions* options, std::string* error);

// The --help text.
const char* HostUsage();

}  // namespace sptdc::host
