// The converter's guarantee: the lesson it wrote, read back through the
// trainer's own lesson core, holds exactly the items it meant to write.
#pragma once

#include <string>
#include <vector>

#include "item_plan.h"

namespace morvane {

// Reads the lesson at path as the trainer does and compares it item by item
// with items (item i is on line i + 1). "" when they agree; otherwise what
// the first difference is, naming its line.
std::string checkReadBack(const std::wstring& path, const std::vector<PlannedItem>& items);

}  // namespace morvane
