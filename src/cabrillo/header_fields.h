// The Cabrillo header: its 22 texts, and the one table that says for each
// text how the dialog shows it, what it holds when the dialog opens,
// whether and under which key the settings file keeps it, and which line of
// the Cabrillo file it fills. Loading, showing, saving and writing all walk
// this table, so a field is described in one place.
#pragma once

#include <string>
#include <vector>

#include "cabrillo/header_dialog_ids.h"

namespace sptdc {

// The 22 texts, in the dialog's row order. Both the dialog (`Cabrillo`) and
// the export object (`CCabrilloLog`) hold them.
struct HeaderTexts {
  std::string Contest;
  std::string Callsign;
  std::string Claimed;
  std::string Category;
  std::string Location;
  std::string Category_Band;
  std::string Category_Assisted;
  std::string Category_Mode;
  std::string Category_Overlay;
  std::string Category_Power;
  std::string Category_Station;
  std::string Category_Transmitter;
  std::string Name;
  std::string Address;
  std::string Address_City;
  std::string Address_St_Prov;
  std::string Address_PostalCode;
  std::string Address_Country;
  std::string Operators;
  std::string Club;
  std::string SoapBox;  // lines separated by CR LF while the dialog shows it
  std::string Email;
};

enum class ControlKind {
  kEdit,         // one line that scrolls sideways as the operator types
  kAddressEdit,  // one line that takes only as much as its width shows
  kSoapBox,      // several lines that scroll sideways; Enter starts a new line
  kList,         // editable drop-down list, entries in table order
  kSortedList,   // editable drop-down list, entries in alphabetical order
};

bool IsList(ControlKind kind);

// Where a text comes from when the header is edited.
enum class Opening {
  kStationCall,             // the run's station callsign
  kSetting,                 // the settings key, empty when missing
  kSettingElseStationCall,  // the settings key, the station callsign when missing
  kFixed,                   // the fixed value, whatever was saved
  kKept,                    // what the last confirmed dialog left
};

struct HeaderField {
  // The dialog.
  const char* label;  // also the tag of its Cabrillo line, unless fileTag says otherwise
  int id;
  ControlKind kind;
  std::string HeaderTexts::*text;
  std::vector<std::string> entries;  // in resource order; empty for edit fields

  // Opening and saving.
  Opening opening;
  const char* fixed;  // kFixed: the opening value
  const char* key;    // in the settings file; null when it has none
  int saveOrder;      // position among the saved keys from 1; 0 when never saved
  bool takesAnswer;   // false: the dialog only shows the text, the answer is dropped

  // The Cabrillo file.
  int fileLine;           // the header line the field fills; 0 when it is not written
  const char* fileTag;    // null: the label
  const char* fileValue;  // written in place of the text; null: the text
};

// The 22 fields top to bottom; of a row with two fields the left one first.
const std::vector<HeaderField>& HeaderFields();

// The start of the field's Cabrillo line: its tag, a colon and a space.
std::string FileTagPrefix(const HeaderField& field);

constexpr const char* kHeaderDialogTitle = HEADER_DIALOG_TITLE;

}  // namespace sptdc
