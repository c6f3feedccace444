#include "host/log_normaliser.h"

#include <algorithm>
#include <cstdint>

#include "host/date_time.h"
#include "host/frequency.h"
#include "util/ascii.h"

namespace sptdc::host {

namespace {

// The fields a logging program keeps in upper case.
bool IsUpperCaseField(const std::string& name) {
  return name == "CALL" || name == "STATION_CALLSIGN" || name == "OPERATOR" || name == "MODE";
}

// Seconds since 1 January of year 1, or -1 when the record has no readable
// date and time.
std::int64_t SortSecond(const AdifRecord& record) {
  const std::string* date = record.Find("QSO_DATE");
  const std::string* time = record.Find("TIME_ON");
  CivilDate day;
  int second = 0;
  if (!date || !time || !ParseAdifDate(*date, &day) || !ParseAdifTime(*time, &second)) return -1;
  return (DayNumber(day) - DayNumber(CivilDate{1, 1, 1})) * 86400 + second;
}

}  // namespace

std::string TrimBlanks(const std::string& text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::string NormalCall(const std::string& text) { return UpperAscii(TrimBlanks(text)); }

std::string NormalBand(const std::string& text) {
  const std::string trimmed = TrimBlanks(text);
  const std::string named = AdifBandNamed(trimmed);
  return named.empty() ? trimmed : named;
}

void NormaliseRecord(AdifRecord* record) {
  for (AdifField& field : record->fields) {
    if (IsUpperCaseField(field.name)) {
      field.value = NormalCall(field.value);
    } else if (field.name == "BAND") {
      field.value = NormalBand(field.value);
    } else {
      field.value = TrimBlanks(field.value);
    }
  }
}

std::vector<std::size_t> SortByDateTime(std::vector<AdifRecord>* records,
                                        std::vector<std::size_t>* logNumbers) {
  struct Keyed {
    std::int64_t second;
    std::size_t number;
  };
  std::vector<Keyed> keys;
  keys.reserve(records->size());
  for (std::size_t i = 0; i < records->size(); ++i) keys.push_back({SortSecond((*records)[i]), i + 1});
  // Undated records sort after every dated one, in log order.
  std::stable_sort(keys.begin(), keys.end(), [](const Keyed& a, const Keyed& b) {
    if ((a.second < 0) != (b.second < 0)) return b.second < 0;
    return a.second < b.second;
  });
  std::vector<AdifRecord> sorted;
  sorted.reserve(records->size());
  std::vector<std::size_t> undated;
  if (logNumbers) logNumbers->clear();
  for (const Keyed& key : keys) {
    sorted.push_back(std::move((*records)[key.number - 1]));
    if (logNumbers) logNumbers->push_back(key.number);
    if (key.second < 0) undated.push_back(key.number);
  }
  *records = std::move(sorted);
  return undated;
}

}  // namespace sptdc::host
