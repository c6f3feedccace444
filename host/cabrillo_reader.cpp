#include "host/cabrillo_reader.h"

#include <algorithm>
#include <sstream>

#include "host/log_normaliser.h"
#include "util/ascii.h"

namespace sptdc::host {

namespace {

const char kStartTag[] = "START-OF-LOG:";

// The text's blank-separated words.
std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

bool AllDigits(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), IsAsciiDigit);
}

// The tag of a line ("QSO:", "CALLSIGN:") in upper case and the rest of it;
// false for a line without a tag.
bool SplitTag(const std::string& line, std::string* tag, std::string* rest) {
  const std::size_t colon = line.find(':');
  if (colon == std::string::npos) return false;
  *tag = UpperAscii(TrimBlanks(line.substr(0, colon + 1)));
  *rest = TrimBlanks(line.substr(colon + 1));
  return true;
}

// "2024-12-28" as ADIF's "20241228"; other texts are kept, and read as an
// unreadable date later.
std::string AdifDate(const std::string& date) {
  if (date.size() == 10 && date[4] == '-' && date[7] == '-') {
    return date.substr(0, 4) + date.substr(5, 2) + date.substr(8, 2);
  }
  return date;
}

bool ReadQsoLine(const std::string& rest, AdifRecord* record, std::string* fault) {
  const std::vector<std::string> w = Words(rest);
  if (w.size() < 8 || w.size() > 11) {
    *fault = "a QSO line needs 8 to 11 fields, this one has " + std::to_string(w.size());
    return false;
  }
  if (!AllDigits(w[0])) {
    *fault = "the frequency " + w[0] + " is not a number of kilohertz";
    return false;
  }
  const bool rst = w.size() >= 10;
  const std::string kilohertz = w[0];
  const std::string megahertz =
      kilohertz.size() > 3
          ? kilohertz.substr(0, kilohertz.size() - 3) + "." + kilohertz.substr(kilohertz.size() - 3)
          : "0." + std::string(3 - kilohertz.size(), '0') + kilohertz;
  std::size_t at = 4;
  record->fields = {{"FREQ", megahertz},
                    {"MODE", w[1]},
                    {"QSO_DATE", AdifDate(w[2])},
                    {"TIME_ON", w[3]},
                    {"STATION_CALLSIGN", w[at++]}};
  if (rst) record->fields.push_back({"RST_SENT", w[at++]});
  record->fields.push_back({"STX_STRING", w[at++]});
  record->fields.push_back({"CALL", w[at++]});
  if (rst) record->fields.push_back({"RST_RCVD", w[at++]});
  record->fields.push_back({"SRX_STRING", w[at++]});
  return true;
}

}  // namespace

bool LooksLikeCabrillo(const std::string& text) {
  static const char kByteOrderMark[] = "\xEF\xBB\xBF";
  std::size_t at = text.compare(0, 3, kByteOrderMark) == 0 ? 3 : 0;
  while (at < text.size() && IsAsciiWhiteSpace(text[at])) ++at;
  return UpperAscii(text.substr(at, sizeof kStartTag - 1)) == kStartTag;
}

bool ReadCabrillo(const std::string& text, CabrilloLog* log, CabrilloError* error) {
  *log = CabrilloLog();
  if (!LooksLikeCabrillo(text)) {
    *error = {1, "the log does not begin with START-OF-LOG:"};
    return false;
  }
  std::istringstream in(text);
  std::uint64_t number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string tag;
    std::string rest;
    if (!SplitTag(line, &tag, &rest)) continue;
    if (tag == "CALLSIGN:") log->ownCall = rest;
    if (tag == "END-OF-LOG:") break;
    if (tag != "QSO:") continue;
    AdifRecord record;
    std::string fault;
    if (!ReadQsoLine(rest, &record, &fault)) {
      *error = {number, fault};
      log->records.clear();
      return false;
    }
    log->records.push_back(std::move(record));
  }
  return true;
}

}  // namespace sptdc::host
