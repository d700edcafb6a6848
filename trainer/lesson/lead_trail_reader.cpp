// The item loop of the GB, Big5 and EUC-KR readers.
#include "lesson/item_scan.h"
#include "lesson/token_readers.h"

namespace morvane {

bool LeadTrailReader::readItemInto(ItemBuilder& builder) { return scanItem(*this, builder); }

}  // namespace morvane
