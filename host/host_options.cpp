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
    {"score", Command::kScore, 1}, {"export", Command::kExport, 1}, {"check", Command::kCheck, 2},
    {"list", Command::kList, 1},   {"map", Command::kMap, 1},       {"grid", Command::kGrid, 1},
    {"help", Command::kHelp, 0},
};

}  // namespace

const char kContestBand[] = "160m";
const char kContestMode[] = "CW";

const char* HostUsage() {
  return "Usage: sptdc-host [options] COMMAND ARGUMENTS\n"
         "Scores a Stew Perry log through the SPTDC scoring plug-in. LOG is an ADIF\n"
         "(ADI) or Cabrillo file, told apart by its content, or - for standard input.\n"
         "Calls, bands and modes are passed in one form, the QSOs in time order.\n"
         "\n"
         "Commands:\n"
         "  score LOG            score the log; the score text goes to standard output,\n"
         "                       a summary with the plug-in's verdicts to standard error\n"
         "  export LOG           an export run: the Cabrillo header dialog, then the\n"
         "                       Cabrillo file and its message; creates the folder\n"
         "                       Plugins for the header settings, and warns of QSO\n"
         "                       lines a log-checking robot would refuse\n"
         "  check LOG CALL       after loading the log: would CALL be new (exit 0), a\n"
         "                       dupe (exit 1), or refused for its band or mode (exit 3)\n"
         "  list LOG             one row per QSO: time, call, locators, km, points and\n"
         "                       the plug-in's verdict; then the longest QSO\n"
         "  map LOG -o FILE.svg  a map of the night around the own locator, with the\n"
         "                       QSOs and points of each hour\n"
         "  grid TEXT            is TEXT a valid exchange (exit 0 valid, 1 not)\n"
         "  help                 this text\n"
         "\n"
         "Options:\n"
         "  --plugin PATH        the plug-in to load (default: the one beside sptdc-host,\n"
         "                       else the installed one)\n"
         "  --station CALL       the contestant's call (default: STATION_CALLSIGN or\n"
         "                       OPERATOR of the first QSO, or CALLSIGN: of a Cabrillo log)\n"
         "  --date YYYY-MM-DD    the run date (default: QSO_DATE of the first QSO)\n"
         "  --band B, --mode M   band and mode for check (default: 160m, CW)\n"
         "  --csv                list as CSV, for a spreadsheet\n"
         "  -o FILE              the file map writes\n"
         "  -C DIR               run score or export in DIR (created when missing), where\n"
         "                       the plug-in writes its files; the other commands leave\n"
         "                       no file behind\n"
         "  -h, --help           this text\n"
         "  --version            the versions of sptdc-host and of its plug-in\n"
         "\n"
         "Export without sitting at the header form (Linux): when standard input is\n"
         "not a terminal, the form reads its answers from there, one line per prompt,\n"
         "and only an answer OK at the last prompt confirms the header. To confirm the\n"
         "saved header unchanged: 22 empty lines, then OK.\n"
         "\n"
         "Exit status: 0 done, 1 grid not valid or check dupe, 2 error, 3 check refused,\n"
         "4 export that wrote no Cabrillo file (the header cancelled or not confirmed,\n"
         "or the file could not be written).\n";
}

bool ParseHostOptions(const std::vector<std::string>& args, HostOptions* options, std::string* error) {
  *options = HostOptions();
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h" || arg == "--version") {
      options->command = arg == "--version" ? Command::kVersion : Command::kHelp;
      // --version names the plug-in that --plugin would load.
      const auto plugin = std::find(args.begin(), args.end(), "--plugin");
      if (plugin != args.end() && plugin + 1 != args.end()) options->pluginPath = plugin[1];
      return true;
    }
  }
  std::vector<std::string> words;
  bool bandOrMode = false;
  bool output = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::string* target = nullptr;
    if (arg == "--plugin") target = &options->pluginPath;
    if (arg == "--station") target = &options->station;
    if (arg == "--band") target = &options->band;
    if (arg == "--mode") target = &options->mode;
    if (arg == "-C") target = &options->directory;
    if (arg == "-o") target = &options->outputPath;
    if (arg == "--csv") {
      options->csv = true;
      continue;
    }
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
    output = output || arg == "-o";
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
    const char* const kTakes[] = {" takes no argument", " takes one argument", " takes two arguments"};
    *error = words[0] + kTakes[found->operands];
    return false;
  }
  options->command = found->command;
  if (bandOrMode && options->command != Command::kCheck) {
    *error = "--band and --mode belong to check";
    return false;
  }
  if (options->csv && options->command != Command::kList) {
    *error = "--csv belongs to list";
    return false;
  }
  if (output != (options->command == Command::kMap)) {
    *error = output ? "-o belongs to map" : "map needs -o FILE.svg";
    return false;
  }
  if (options->command == Command::kGrid) {
    options->gridText = words[1];
  } else if (found->operands > 0) {
    options->logPath = words[1];
  }
  if (options->command == Command::kCheck) options->call = words[2];
  return true;
}

}  // namespace sptdc::host
