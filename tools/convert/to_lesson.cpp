// The to-lesson conversion: parse, plan, write, read back, summarise.
#include "to_lesson.h"

#include <memory>
#include <vector>

#include "conversion_report.h"
#include "item_plan.h"
#include "lesson/lesson.h"
#include "platform/file.h"
#include "platform/utf8.h"
#include "read_back.h"

namespace morvane {

namespace {

// The form of the first line that is not blank or a "#" header.
InputForm detectForm(std::istream& in) {
  std::string line;
  InputForm form = InputForm::Tsv;
  while (std::getline(in, line)) {
    if (line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
    if (line.empty() || line == "\r" || line[0] == '#') continue;
    if (looksLikeCedictLine(line)) form = InputForm::Cedict;
    break;
  }
  in.clear();
  in.seekg(0);
  return form;
}

std::unique_ptr<WordSource> makeSource(std::istream& in, const ToLessonOptions& options,
                                       InputProblems& problems) {
  InputForm form = options.form == InputForm::Detect ? detectForm(in) : options.form;
  if (form == InputForm::Cedict) {
    return std::make_unique<CedictWordSource>(in, options.cedictForm, problems);
  }
  return std::make_unique<TsvWordSource>(in, options.columns, problems);
}

}  // namespace

int convertToLesson(std::istream& in, const std::wstring& outPath, const ToLessonOptions& options,
                    std::ostream& err, ItemLineWriter writer) {
  LessonCharset charset(encodingForPath(outPath));
  if (!charset.valid()) {
    err << "morvane-convert: the trainer reads no lesson in the encoding of \"" << toUtf8(outPath)
        << "\"; use .gb, .b5, .euc, .jis or .euk\n";
    return 1;
  }
  ConversionReport report;
  std::unique_ptr<WordSource> source = makeSource(in, options, report);
  std::vector<PlannedItem> items;
  std::string bytes;
  WordEntry entry;
  PlannedItem item;
  while (source->next(entry)) {
    if (!planItem(entry, charset, report, item)) continue;
    if (items.size() >= static_cast<size_t>(kMaxLessonItems)) {
      report.leftOut(entry, "beyond the most items a lesson holds");
      continue;
    }
    writer(item, charset.code(), bytes);
    items.push_back(std::move(item));
    report.written();
  }
  if (!replaceFileContents(outPath, bytes.data(), bytes.size(), false)) {
    err << "morvane-convert: cannot write \"" << toUtf8(outPath) << "\"\n";
    return 1;
  }
  err << toUtf8(outPath) << " (" << charset.name() << "): ";
  report.writeSummary(err);
  if (pathExists(outPath + L".st")) {
    // The trainer keeps old weights whenever the item count is unchanged,
    // and would give them to whichever items now stand in those places.
    err << "note: " << toUtf8(outPath)
        << ".st holds the progress of the lesson that was replaced; delete it unless the items "
           "are the same and in the same order\n";
  }
  std::string difference = checkReadBack(outPath, items);
  if (!difference.empty()) {
    err << "morvane-convert: error: " << toUtf8(outPath)
        << " does not read back as written: " << difference << "\n";
    return 1;
  }
  return 0;
}

}  // namespace morvane
