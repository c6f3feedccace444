#include "host/log_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "host/cabrillo_reader.h"
#include "host/log_format.h"
#include "host/log_normaliser.h"
#include "host/platform.h"
#include "host/qso_fields.h"

namespace sptdc::host {

namespace {

// Enough of a log's beginning to tell its format.
constexpr std::size_t kHeadBytes = 64 * 1024;

const char kStandardInput[] = "-";

std::string Where(const AdifError& fault) {
  if (fault.record == 0) return "header, byte " + std::to_string(fault.offset);
  return "record " + std::to_string(fault.record) + ", byte " + std::to_string(fault.offset);
}

bool ReadAdifLog(std::istream& in, const std::string& name, LogContents* log, std::string* error) {
  AdifError fault;
  if (ReadAdif(in, QsoAdifFieldNames(), &log->records, &fault)) return true;
  const std::string message = name + ": " + Where(fault) + ": " + fault.message;
  if (!fault.lastRecordCutShort) {
    *error = message;
    return false;
  }
  log->warnings.push_back(message + "; the record is left out");
  return true;
}

bool ReadCabrilloLog(const std::string& text, const std::string& name, LogContents* log, std::string* error) {
  CabrilloLog cabrillo;
  CabrilloError fault;
  if (!ReadCabrillo(text, &cabrillo, &fault)) {
    *error = name + ": line " + std::to_string(fault.line) + ": " + fault.message;
    return false;
  }
  log->records = std::move(cabrillo.records);
  log->ownCall = std::move(cabrillo.ownCall);
  return true;
}

// Reads the log from a stream that can go back to its start.
bool ReadLogStream(std::istream& in, const std::string& name, LogContents* log, std::string* error) {
  std::string head(kHeadBytes, '\0');
  in.read(&head[0], std::streamsize(head.size()));
  head.resize(std::size_t(in.gcount()));
  if (in.bad()) {
    *error = "cannot read " + name;
    return false;
  }
  in.clear();
  in.seekg(0);
  std::string lookalike;
  switch (DetectLogFormat(head, &lookalike)) {
    case LogFormat::kAdif:
      return ReadAdifLog(in, name, log, error);
    case LogFormat::kCabrillo: {
      std::ostringstream text;
      text << in.rdbuf();
      return ReadCabrilloLog(text.str(), name, log, error);
    }
    case LogFormat::kUnknown:
      break;
  }
  *error = name + ": neither an ADIF (ADI) nor a Cabrillo log";
  if (!lookalike.empty()) *error += "; this looks like " + lookalike;
  return false;
}

}  // namespace

bool ReadLogFile(const std::string& path, LogContents* log, std::string* error) {
  *log = LogContents();
  bool read = false;
  if (path == kStandardInput) {
    SetBinaryMode(stdin);
    std::ostringstream text;
    text << std::cin.rdbuf();
    std::istringstream in(text.str());
    read = ReadLogStream(in, "standard input", log, error);
  } else {
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
      *error = "cannot read " + path + ": " + std::strerror(EISDIR);
      return false;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
      *error = "cannot open " + path + ": " + std::strerror(errno ? errno : ENOENT);
      return false;
    }
    read = ReadLogStream(in, path, log, error);
  }
  if (!read) return false;
  for (AdifRecord& record : log->records) NormaliseRecord(&record);
  const std::vector<std::size_t> undated = SortByDateTime(&log->records, &log->numbers);
  if (!undated.empty()) {
    std::string numbers;
    for (std::size_t number : undated) numbers += (numbers.empty() ? "" : ", ") + std::to_string(number);
    log->warnings.push_back((undated.size() == 1 ? "record " : "records ") + numbers +
                            " without a readable QSO_DATE and TIME_ON: passed last, in log order");
  }
  return true;
}

}  // namespace sptdc::host
