#include "sellertools/ProfitInfo.h"

namespace bw {

ProfitInfoRecord ProfitInfo;

void InitializeProfitInfo() { ProfitInfo = ProfitInfoRecord{}; }

}  // namespace bw
