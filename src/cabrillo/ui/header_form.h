// How the header dialog's drop-down lists behave, independent of the
// toolkit, so that the Windows dialog and the terminal form show the same
// entries and pick the same one.
#pragma once

#include <string>
#include <vector>

#include "cabrillo/header_fields.h"

namespace sptdc {

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
