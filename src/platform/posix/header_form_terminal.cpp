// PLACEHOLDER until the terminal form lands: not confirmed.
#include "platform/posix/header_form_terminal.h"
namespace sptdc {
bool RunHeaderFormOnTerminal(Cabrillo&) { return false; }
}  // namespace sptdc
