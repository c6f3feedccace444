#include "host/host_options.h"

#include <algorithm>

namespace sptdc::host {

namespace {

struct CommandWord {
  const char* word;
  Command command;
  std::size_t operands;  // the arguments that follow the command word
};

const CommandWord kCommands[] = {
    {"score", Command::kScore, 1},
    {"export", Command::kExport, 1},
    {"check", Command::kCheck, 2},
    {"grid", Command::kGrid, 1},
};

}  // namespace

const char* HostUsage() {
  return "Usage: sptdc-host [options] COMMAND ARGUMENTS\n"
         "Scores an ADIF log (ADI form) through the SPTDC scoring plug-in.\n"
         "\n"
         "Commands:\n"
         "  score LOG.adi        score the log; the score text goes to standard output,\n"
         "                       a summary to standard error\n"
         "  export LOG.adi       an export run: the Cabrillo header dialog, then the\n"
         "                       Cabrillo file and its message; creates the folder\n"
         "                       Plugins for the header settings, and warns of QSO\n"
         "                       lines a log-checking robot would refuse\n"
         "  check LOG.adi CALL   after loading the log: would CALL be new, a dupe, or\n"
         "                       refused for its band or mode\n"
         "  grid TEXT            is TEXT a valid exchange (exit 0 valid, 1 not)\n"
         "\n"
         "Options:\n"
         "  --plugin PATH        the plug-in to load (default: the one beside sptdc-host,\n"
         "                       else the installed one)\n"
         "  --station CALL       the contestant's call (default: STATION_CALLSIGN or\n"
         "                       OPERATOR of the first record)\n"
         "  --date YYYY-MM-DD    the run date (default: QSO_DATE of the first record)\n"
         "  --band B, --mode M   band and mode for check (default: 160m, CW)\n"
         "  -C DIR               run in DIR, where the plug-in writes its files\n"
         "  --help               this text\n"
         "  --version            the versions of sptdc-host and of its plug-in\n"
         "\n"
         "Export without sitting at the header form (Linux): when standard input is\n"
         "not a terminal, the form reads its answers from there, one line per prompt,\n"
         "and only an answer OK at the last prompt confirms the header. To confirm the\n"
         "saved header unchanged: 22 empty lines, then OK.\n"
         "\n"
         "Exit status: 0 done, 1 grid not valid, 2 error, 4 export that wrote no\n"
         "Cabrillo file (the header cancelled or not confirmed, or the file could not\n"
         "be written).\n";
}

bool ParseHostOptions(const std::vector<std::string>& args, HostOptions* options, std::string* error) {
  *options = HostOptions();
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "--version") {
      options->command = arg == "--help" ? Command::kHelp : Command::kVersion;
      // --version names the plug-in that --plugin would load.
      const auto plugin = std::find(args.begin(), args.end(), "--plugin");
      if (plugin != args.end() && plugin + 1 != args.end()) options->pluginPath = plugin[1];
      return true;
    }
  }
  std::vector<std::string> words;
  bool bandOrMode = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::string* target = nullptr;
    if (arg == "--plugin") target = &options->pluginPath;
    if (arg == "--station") target = &options->station;
    if (arg == "--band") target = &options->band;
    if (arg == "--mode") target = &options->mode;
    if (arg == "-C") target = &options->directory;
    std::string dateText;
    if (arg == "--date") target = &dateText;
    if (!target) {
      if (arg.size() > 1 && arg[0] == '-') {
        *error = "unknown option " + arg;
        return false;
      }
      words.push_back(arg);
      continue;
    }
    if (i + 1 == args.size()) {
      *error = "option " + arg + " needs a value";
      return false;
    }
    *target = args[++i];
    bandOrMode = bandOrMode || arg == "--band" || arg == "--mode";
    if (arg == "--date") {
      if (!ParseIsoDate(dateText, &options->date)) {
        *error = "--date needs a date YYYY-MM-DD, not " + dateText;
        return false;
      }
      options->hasDate = true;
    }
  }
  if (words.empty()) {
    *error = "no command given";
    return false;
  }
  const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                  [&](const CommandWord& c) { return words[0] == c.word; });
  if (found == std::end(kCommands)) {
    *error = "unknown command " + words[0];
    return false;
  }
  if (words.size() != found->operands + 1) {
    *error = words[0] + (found->operands == 1 ? " takes one argument" : " takes two arguments");
    return false;
  }
  options->command = found->command;
  if (bandOrMode && options->command != Command::kCheck) {
    *error = "--band and --mode belong to check";
    return false;
  }
  if (options->command == Command::kGrid) {
    options->gridText = words[1];
  } else {
    options->logPath = words[1];
  }
  if (options->command == Command::kCheck) options->call = words[2];
  return true;
}

}  // namespace sptdc::host
