// The header procedure of an export run: the values of the last export from
// the settings file, the fixed categories of this contest, the header dialog,
// and on OK the saved answers and the soapbox prepared for the file. Which
// field does what is the table of header_fields.cpp.
#include <algorithm>

#include "cabrillo/cabrillo_log.h"
#include "cabrillo/ui/cabrillo_dialog.h"
#include "env/env.h"
#include "util/ascii.h"
#include "util/replace_all.h"

namespace sptdc {

namespace {

// Windows separators: the POSIX environment reads them as "/".
const char kSettingsFile[] = "Plugins\\SPTDC.ini";
const char kSettingsSection[] = "Settings";

// Characters that Windows does not allow in a file name, besides the slashes.
bool IsForbiddenInFileName(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return u < 0x20 || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' || c == '|';
}

// The saved fields in the order they are written to the settings file.
std::vector<const HeaderField*> SavedFields() {
  std::vector<const HeaderField*> saved;
  for (const HeaderField& field : HeaderFields()) {
    if (field.saveOrder > 0) saved.push_back(&field);
  }
  std::sort(saved.begin(), saved.end(),
            [](const HeaderField* a, const HeaderField* b) { return a->saveOrder < b->saveOrder; });
  return saved;
}

const HeaderField& SoapBoxField() {
  const std::vector<HeaderField>& fields = HeaderFields();
  return *std::find_if(fields.begin(), fields.end(),
                       [](const HeaderField& field) { return field.kind == ControlKind::kSoapBox; });
}

}  // namespace

std::string CabrilloFileBase(const std::string& stationCall) {
  std::string base = ReplaceAll(ReplaceAll(stationCall, "/", "_"), "\\", "_");
  std::size_t first = 0;
  std::size_t end = base.size();
  while (first < end && IsAsciiWhiteSpace(base[first])) ++first;
  while (end > first && IsAsciiWhiteSpace(base[end - 1])) --end;
  base = base.substr(first, end - first);
  for (char& c : base) {
    if (IsForbiddenInFileName(c)) c = '_';
  }
  return base.empty() ? "ZUTA" : base;
}

int CCabrilloLog::EditHeader(const std::string& stationCall, int& cabrilloRequested) {
  FileBase = CabrilloFileBase(stationCall);
  for (const HeaderField& field : HeaderFields()) {
    std::string& text = this->*field.text;
    switch (field.opening) {
      case Opening::kStationCall:
        text = stationCall;
        break;
      case Opening::kSetting:
        text = env_.ReadSetting(kSettingsFile, kSettingsSection, field.key, "");
        break;
      case Opening::kSettingElseStationCall:
        text = env_.ReadSetting(kSettingsFile, kSettingsSection, field.key, stationCall);
        break;
      case Opening::kFixed:
        text = field.fixed;
        break;
      case Opening::kKept:
        break;
    }
  }
  // The settings file holds the soapbox on one line.
  SoapBox = ReplaceAll(ReplaceAll(SoapBox, "<CR>", "\r"), "<LF>", "\n");

  Cabrillo dialog(operator_);
  static_cast<HeaderTexts&>(dialog) = *this;
  if (!dialog.DoModal()) {
    cabrilloRequested = 0;
    return 0;
  }
  for (const HeaderField& field : HeaderFields()) {
    if (field.takesAnswer) this->*field.text = dialog.*field.text;
  }

  SoapBox = ReplaceAll(ReplaceAll(SoapBox, "\r", "<CR>"), "\n", "<LF>");
  for (const HeaderField* field : SavedFields()) {
    env_.WriteSetting(kSettingsFile, kSettingsSection, field->key, this->*field->text);
  }

  // In the file each soapbox line is a line of its own after the tag.
  SoapBox = ReplaceAll(ReplaceAll(SoapBox, "<CR>", "\r\n" + FileTagPrefix(SoapBoxField())), "<LF>", "");
  QsoLines.clear();
  return 1;
}

}  // namespace sptdc
