// The header texts that the terminal form and the Windows dialog tests open
// with: what EditHeader opens the dialog with, plus a few of an operator.
#pragma once

#include "cabrillo/ui/cabrillo_dialog.h"
#include "cabrillo/ui/operator.h"

namespace sptdc::testing {

inline Cabrillo OpeningHeader() {
  Cabrillo d(Operator::Default());
  d.Contest = "SPTC";
  d.Callsign = "PA3ABC";
  d.Category = "SINGLE-OP";
  d.Location = "M";
  d.Category_Band = "160M";
  d.Category_Assisted = "NON-ASSISTED";
  d.Category_Mode = "CW";
  d.Category_Overlay = "NONE";
  d.Category_Power = "HIGH";
  d.Category_Station = "FIXED";
  d.Category_Transmitter = "ONE";
  d.Name = "Jan";
  d.Address_City = "Utrecht";
  d.Operators = "PA3ABC";
  d.SoapBox = "line one\r\nline two";
  return d;
}

}  // namespace sptdc::testing
