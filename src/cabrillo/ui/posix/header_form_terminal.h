// The Cabrillo header dialog as a form on the controlling terminal (or, when
// standard input is not a terminal, answered from standard input), for
// systems without the Windows dialog.
#pragma once

namespace sptdc {

class Cabrillo;

// Says in its opening lines how to answer, then asks for the 22 fields in
// row order. Each prompt shows the label and the current value in brackets
// and reads one line: an empty line keeps the value, a line holding only
// "." empties it; for a drop-down list, whose entries are listed numbered
// first (a long list in columns, so that it fits a 24-line terminal), a
// number from 1 to the count picks that entry (any other number is taken as
// typed text); anything else replaces the value as typed. SOAPBOX: an empty
// first line keeps it, otherwise the lines up to one holding only "."
// become the value, joined with CR LF (so "." alone empties it).
// Then it shows every answer for review and asks for OK or CANCEL, saying
// what is expected when the answer is neither. At the terminal an empty
// answer is OK; from standard input only OK confirms.
//
// True only when the operator confirmed; then the dialog's texts hold the
// answers. End of input at any prompt (answers from standard input that end
// before OK, or none at all) or CANCEL give false and leave the texts as
// they were.
bool RunHeaderFormOnTerminal(Cabrillo& dialog);

}  // namespace sptdc
