// PLACEHOLDER until the dialog lands: not confirmed.
#include "platform/win32/header_dialog_win32.h"
namespace sptdc {
bool RunHeaderDialogWin32(Cabrillo&) { return false; }
}  // namespace sptdc
