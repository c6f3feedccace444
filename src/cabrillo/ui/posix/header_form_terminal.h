// The Cabrillo header dialog as a form on the controlling terminal, for
// systems without the Windows dialog.
#pragma once

namespace sptdc {

class Cabrillo;

// Asks for the 22 fields in row order, then for OK or CANCEL. Each prompt
// shows the label and the current value in brackets and reads one line: an
// empty line keeps the value; for a drop-down list, whose entries are listed
// numbered first, a number from 1 to the count picks that entry (any other
// number is taken as typed text); anything else replaces the value as typed.
// SOAPBOX: an empty first line keeps it, otherwise the lines up to one
// holding only "." become the value, joined with CR LF.
//
// True only when the operator confirmed; then the dialog's texts hold the
// answers. End of input at any prompt, CANCEL, or a process without a
// controlling terminal give false and leave the texts as they were.
bool RunHeaderFormOnTerminal(Cabrillo& dialog);

}  // namespace sptdc
