// Argument handling of morvane-convert.
#include "convert_command.h"

#include <filesystem>
#include <fstream>

#include "platform/utf8.h"
#include "to_lesson.h"
#include "to_tsv.h"

namespace morvane {

namespace {

const char kUsage[] =
    "usage: morvane-convert to-lesson [--simplified | --traditional] [--columns H,R,M] IN OUT\n"
    "       morvane-convert to-tsv LESSON... OUT.tsv\n";

int usage(std::ostream& err, const std::string& problem) {
  if (!problem.empty()) err << "morvane-convert: " << problem << "\n";
  err << kUsage;
  return 2;
}

int toLesson(const std::vector<std::string>& args, std::ostream& err) {
  ToLessonOptions options;
  std::vector<std::string> files;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--simplified" || arg == "--traditional") {
      options.form = InputForm::Cedict;
      options.cedictForm = arg == "--simplified" ? CedictForm::Simplified : CedictForm::Traditional;
    } else if (arg == "--columns") {
      if (i + 1 == args.size() || !parseWordColumns(args[++i], options.columns)) {
        return usage(err, "--columns needs three column numbers such as 1,2,3");
      }
    } else if (arg.size() > 1 && arg[0] == '-') {
      return usage(err, "unknown option " + arg);
    } else {
      files.push_back(arg);
    }
  }
  if (files.size() != 2) return usage(err, "to-lesson needs IN and OUT");
  std::ifstream in(std::filesystem::u8path(files[0]), std::ios::binary);
  if (!in) {
    err << "morvane-convert: cannot open \"" << files[0] << "\"\n";
    return 1;
  }
  return convertToLesson(in, fromUtf8(files[1]), options, err);
}

int toTsv(const std::vector<std::string>& args, std::ostream& err) {
  std::vector<std::wstring> files;
  for (const std::string& arg : args) {
    if (arg.size() > 1 && arg[0] == '-') return usage(err, "unknown option " + arg);
    files.push_back(fromUtf8(arg));
  }
  if (files.size() < 2) return usage(err, "to-tsv needs at least one LESSON and OUT.tsv");
  std::wstring out = files.back();
  files.pop_back();
  return convertToTsv(files, out, err);
}

}  // namespace

int runConvert(const std::vector<std::string>& args, std::ostream& err) {
  if (args.empty()) return usage(err, "");
  std::vector<std::string> rest(args.begin() + 1, args.end());
  if (args[0] == "to-lesson") return toLesson(rest, err);
  if (args[0] == "to-tsv") return toTsv(rest, err);
  return usage(err, "unknown command " + args[0]);
}

}  // namespace morvane
