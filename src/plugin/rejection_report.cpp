#include "plugin/rejection_report.h"

#include "util/format.h"

namespace sptdc {

const char kRejectionReportHeader[] = "Stew Perry Topband Distance Challenge TEST UBN file \r\n";

std::string RejectionReportName(const DateTime& runTime) {
  return Format("StatsSPTDC_%s.txt", runTime.Format("%d_%m_%Y").c_str());
}

}  // namespace sptdc
