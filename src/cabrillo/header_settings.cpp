// The header procedure of an export run: the values of the last export from
// the settings file, the fixed categories of this contest, the header dialog,
// and on OK the saved answers and the soapbox prepared for the file.
#include "cabrillo/cabrillo_log.h"
#include "cabrillo/replace_all.h"
#include "cabrillo/ui/cabrillo_dialog.h"
#include "platform/platform.h"

namespace sptdc {

namespace {

// Windows separators: the POSIX platform reads them as "/".
const char kSettingsFile[] = "Plugins\\SPTDC.ini";
const char kSettingsSection[] = "Settings";

bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// Characters that Windows does not allow in a file name, besides the slashes.
bool IsForbiddenInFileName(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return u < 0x20 || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' ||
         c == '|';
}

}  // namespace

std::string CabrilloFileBase(const std::string& stationCall) {
  std::string base = ReplaceAll(ReplaceAll(stationCall, "/", "_"), "\\", "_");
  std::size_t first = 0;
  std::size_t end = base.size();
  while (first < end && IsWhiteSpace(base[first])) ++first;
  while (end > first && IsWhiteSpace(base[end - 1])) --end;
  base = base.substr(first, end - first);
  for (char& c : base) {
    if (IsForbiddenInFileName(c)) c = '_';
  }
  return base.empty() ? "ZUTA" : base;
}

std::string CCabrilloLog::Setting(const char* key, const std::string& fallback) const {
  return platform_.ReadSetting(kSettingsFile, kSettingsSection, key, fallback);
}

void CCabrilloLog::SaveSetting(const char* key, const std::string& value) const {
  platform_.WriteSetting(kSettingsFile, kSettingsSection, key, value);
}

int CCabrilloLog::EditHeader(const std::string& stationCall, int& cabrilloRequested) {
  Callsign = stationCall;
  FileBase = CabrilloFileBase(stationCall);

  Operators = Setting("Operators", Callsign);
  Name = Setting("Name", "");
  Address = Setting("Address", "");
  Address_City = Setting("Address_City", "");
  Address_St_Prov = Setting("Address_St_Prov", "");
  Address_PostalCode = Setting("Address_PostalCode", "");
  Address_Country = Setting("Address_Country", "");
  Claimed = Setting("Claimed", "");

  Contest = "SPTC";
  Category = "SINGLE-OP";
  Category_Overlay = "NONE";
  Category_Mode = "CW";
  Category_Band = "160M";
  Category_Power = "HIGH";
  Category_Transmitter = "ONE";
  Category_Station = "FIXED";
  Category_Assisted = "NON-ASSISTED";

  Email = Setting("Email", "");
  Club = Setting("Club", "");
  SoapBox = ReplaceAll(ReplaceAll(Setting("SoapBox", ""), "<CR>", "\r"), "<LF>", "\n");

  Cabrillo dialog(platform_);
  dialog.Contest = Contest;
  dialog.Callsign = Callsign;
  dialog.Claimed = Claimed;
  dialog.Category = Category;
  dialog.Location = Location;
  dialog.Category_Band = Category_Band;
  dialog.Category_Assisted = Category_Assisted;
  dialog.Category_Mode = Category_Mode;
  dialog.Category_Overlay = Category_Overlay;
  dialog.Category_Power = Category_Power;
  dialog.Category_Station = Category_Station;
  dialog.Category_Transmitter = Category_Transmitter;
  dialog.Name = Name;
  dialog.Address = Address;
  dialog.Address_City = Address_City;
  dialog.Address_St_Prov = Address_St_Prov;
  dialog.Address_PostalCode = Address_PostalCode;
  dialog.Address_Country = Address_Country;
  dialog.Operators = Operators;
  dialog.Club = Club;
  dialog.SoapBox = SoapBox;
  dialog.Email = Email;
  if (!dialog.DoModal()) {
    cabrilloRequested = 0;
    return 0;
  }

  // Everything but CLAIMED, which the dialog only shows.
  Contest = dialog.Contest;
  Callsign = dialog.Callsign;
  Category = dialog.Category;
  Location = dialog.Location;
  Category_Band = dialog.Category_Band;
  Category_Assisted = dialog.Category_Assisted;
  Category_Mode = dialog.Category_Mode;
  Category_Overlay = dialog.Category_Overlay;
  Category_Power = dialog.Category_Power;
  Category_Station = dialog.Category_Station;
  Category_Transmitter = dialog.Category_Transmitter;
  Name = dialog.Name;
  Address = dialog.Address;
  Address_City = dialog.Address_City;
  Address_St_Prov = dialog.Address_St_Prov;
  Address_PostalCode = dialog.Address_PostalCode;
  Address_Country = dialog.Address_Country;
  Operators = dialog.Operators;
  Club = dialog.Club;
  SoapBox = dialog.SoapBox;
  Email = dialog.Email;

  // The settings file holds the soapbox on one line.
  SoapBox = ReplaceAll(ReplaceAll(SoapBox, "\r", "<CR>"), "\n", "<LF>");
  SaveSetting("Operators", Operators);
  SaveSetting("Name", Name);
  SaveSetting("Address", Address);
  SaveSetting("Address_City", Address_City);
  SaveSetting("Address_St_Prov", Address_St_Prov);
  SaveSetting("Address_PostalCode", Address_PostalCode);
  SaveSetting("Address_Country", Address_Country);
  SaveSetting("Category", Category);
  SaveSetting("Category_Overlay", Category_Overlay);
  SaveSetting("Contest", Contest);
  SaveSetting("Email", Email);
  SaveSetting("Club", Club);
  SaveSetting("SoapBox", SoapBox);

  // In the file each soapbox line is a line of its own after "SOAPBOX: ".
  SoapBox = ReplaceAll(ReplaceAll(SoapBox, "<CR>", "\r\nSOAPBOX: "), "<LF>", "");
  QsoLines.clear();
  return 1;
}

}  // namespace sptdc
