// The inspector's view of the stroke and feedback databases as the trainer
// reads them, and of the judgement a drawn stroke gets.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "strokes/stroke_database.h"
#include "strokes/stroke_lists.h"

namespace morvane {

// Each code's small, large and feedback records in the databases: as grids
// numbered in painting order and a list of codes, or as one JSON object
// keyed by code (null for a record that cannot be read).
std::string inspectStrokeRecords(const FolderList& folders, const StrokeDatabases& databases,
                                 const std::vector<uint16_t>& codes, bool json);

// The drawn stroke's three direction codes, judgeStroke's result for stroke
// n of the item's characters, and the colour that result gives.
std::string inspectJudgement(const FolderList& folders, const StrokeDatabases& databases,
                             const std::vector<uint16_t>& characters, int32_t n,
                             const PointList& stroke, bool json);

}  // namespace morvane
