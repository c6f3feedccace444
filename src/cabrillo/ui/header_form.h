// What the Cabrillo header dialog shows, independent of the toolkit: its
// title, its 22 fields in row order with label, control id and kind, the
// text of `Cabrillo` each control holds, and the entries of the drop-down
// lists. The Windows dialog and the terminal form both work from this one
// table, so the two cannot drift apart.
#pragma once

#include <string>
#include <vector>

#include "cabrillo/ui/cabrillo_dialog.h"
#include "cabrillo/ui/header_dialog_ids.h"

namespace sptdc {

enum class ControlKind {
  kEdit,         // one line that scrolls sideways as the operator types
  kAddressEdit,  // one line that takes only as much as its width shows
  kSoapBox,      // several lines; Enter starts a new line
  kList,         // editable drop-down list, entries in table order
  kSortedList,   // editable drop-down list, entries in alphabetical order
};

struct HeaderField {
  const char* label;
  int id;
  ControlKind kind;
  std::string Cabrillo::*text;
  std::vector<std::string> entries;  // in resource order; empty for edit fields
};

constexpr const char* kHeaderDialogTitle = HEADER_DIALOG_TITLE;

// The 22 fields top to bottom; of a row with two fields the left one first.
const std::vector<HeaderField>& HeaderFields();

bool IsList(ControlKind kind);

// A list's entries in the order the list shows them: sorted lists
// alphabetically (as text::Compare orders them), the others as in the table.
std::vector<std::string> ShownEntries(const HeaderField& field);

// The index into shown of the entry a list selects when it opens with this
// text: the first that begins with the text, ignoring letter case. -1 when
// none does, and for the empty text, which leaves the list without a
// selection rather than picking a value the operator never chose.
int InitialSelection(const std::vector<std::string>& shown, const std::string& text);

// What a field's control holds when the dialog opens with this text: for a
// list the selected entry, or the text itself when nothing is selected.
std::string InitialText(const HeaderField& field, const std::string& text);

}  // namespace sptdc
