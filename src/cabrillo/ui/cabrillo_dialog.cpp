#include "cabrillo/ui/cabrillo_dialog.h"

#include "cabrillo/ui/operator.h"

namespace sptdc {

bool Cabrillo::DoModal() { return operator_->RunHeaderDialog(*this); }

}  // namespace sptdc
