// The Cabrillo header dialog as a form on the controlling terminal.
#pragma once

namespace sptdc {

class Cabrillo;

// Runs the form; true when the operator confirmed with OK.
bool RunHeaderFormOnTerminal(Cabrillo& dialog);

}  // namespace sptdc
