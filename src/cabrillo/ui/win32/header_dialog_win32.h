// The Cabrillo header dialog as the Win32 dialog resource 101. The resource
// script header_dialog.rc must be linked into the module that holds this
// code (SPTDC.dll, or a test program), which is where the dialog loads from.
#pragma once

namespace sptdc {

class Cabrillo;

// Runs the dialog modally, owned by the calling thread's active window.
// True only for OK, and then every text of the dialog holds its control's
// whole text. CANCEL, Escape, the close box or a dialog that cannot be
// created give false and leave the texts as they were.
bool RunHeaderDialogWin32(Cabrillo& dialog);

}  // namespace sptdc
