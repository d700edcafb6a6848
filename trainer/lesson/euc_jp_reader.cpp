// The item loop of the EUC-JP reader.
#include "lesson/item_scan.h"
#include "lesson/token_readers.h"

namespace morvane {

bool EucJpReader::readItemInto(ItemBuilder& builder) { return scanItem(*this, builder); }

}  // namespace morvane
