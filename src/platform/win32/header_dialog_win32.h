// The Cabrillo header dialog as the Win32 dialog resource 101 of the DLL.
#pragma once

namespace sptdc {

class Cabrillo;

// Runs the dialog modally, owned by the active window; true on OK.
bool RunHeaderDialogWin32(Cabrillo& dialog);

}  // namespace sptdc
