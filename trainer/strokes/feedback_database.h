// The feedback database ("feedbkchs"): per character a stroke count and one
// FeedbackRecord per stroke, which judgeStroke compares drawn strokes with.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "base/ptr_array.h"
#include "lesson/char_token.h"
#include "strokes/stroke_database.h"
#include "strokes/stroke_scoring.h"

namespace morvane {

// The stroke count K at offset of an open feedback data file, or none.
std::optional<uint8_t> readFeedbackCount(File& data, uint32_t offset);

// All K records of the character at offset, or none when the file ends inside them.
std::optional<std::vector<FeedbackRecord>> readFeedbackRecords(File& data, uint32_t offset);

// Writes one character's record (count, then four bytes per stroke); false
// for more than 255 strokes or a refused write.
bool writeFeedbackRecords(File& data, const std::vector<FeedbackRecord>& records);

// Judges stroke n (counted over the whole item) of the item's characters
// (CharToken cells): 0 also when a character before it has no feedback data or
// its record cannot be read; 2 when n lies beyond the item's strokes.
int judgeStroke(const PointList& stroke, int32_t n, const PtrArray& characters,
                const FolderList& folders, const wchar_t* feedbackBase);

}  // namespace morvane
