#include "cabrillo/ui/cabrillo_dialog.h"

#include "platform/platform.h"

namespace sptdc {

bool Cabrillo::DoModal() { return platform_.RunHeaderDialog(*this); }

}  // namespace sptdc
