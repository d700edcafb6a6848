// morvane-convert to-lesson: a UTF-8 word list into a lesson file that the
// trainer reads back exactly as meant.
#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "cedict_words.h"
#include "lesson_writer.h"
#include "tsv_words.h"

namespace morvane {

enum class InputForm {
  Detect,  // CC-CEDICT if the first entry line looks like one, else TSV
  Tsv,
  Cedict,
};

struct ToLessonOptions {
  InputForm form = InputForm::Detect;
  CedictForm cedictForm = CedictForm::Simplified;
  WordColumns columns;
};

using ItemLineWriter = void (*)(const PlannedItem& item, EncodingCode code, std::string& out);

// Converts the word list in (read from its start) into the lesson at outPath,
// in the encoding its extension names, then reads it back through the lesson
// core. The summary and any error go to err. Returns the exit status: 0, or 1
// when the lesson cannot be written or does not read back as meant. writer
// makes each line (tests pass a broken one).
int convertToLesson(std::istream& in, const std::wstring& outPath, const ToLessonOptions& options,
                    std::ostream& err, ItemLineWriter writer = appendItemLine);

}  // namespace morvane
