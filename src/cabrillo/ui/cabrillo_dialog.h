// The Cabrillo header dialog: the 22 header texts that the operator reviews
// and changes before the log is written. The dialog stores and checks
// nothing: it shows the texts, lets the operator type or pick, and says
// whether it ended with OK. The window itself is the operator's (a dialog
// resource on Windows, a form on the terminal elsewhere).
#pragma once

#include "cabrillo/header_fields.h"

namespace sptdc {

class Operator;

class Cabrillo : public HeaderTexts {
 public:
  explicit Cabrillo(Operator& op) : operator_(&op) {}

  // Shows the dialog modally; true when the operator pressed OK, and then
  // every text holds its control's final content. Anything else (CANCEL,
  // Escape, the close box, a dialog that cannot be shown) is false and
  // leaves the texts as they were.
  bool DoModal();

 private:
  Operator* operator_;
};

}  // namespace sptdc
