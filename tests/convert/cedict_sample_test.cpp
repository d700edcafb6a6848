// A real sample: a few hundred CC-CEDICT entries converted to every encoding,
// each item the encoding can hold read back intact.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "cedict_words.h"
#include "convert_test_support.h"
#include "platform/utf8.h"

namespace morvane {
namespace {

using testing::ConvertRun;
using testing::readBytes;
using testing::runConvertIn;
using testing::ScratchFolder;

const char kSample[] = MORVANE_SOURCE_DIR "/tests/convert/fixtures/cedict-sample.u8";

struct SampleCase {
  const char* extension;
  const char* form;
  int written;  // entries whose Hanzi and reading the encoding holds
};

class CedictSample : public ::testing::TestWithParam<SampleCase> {};

// The (Hanzi, reading) pairs of the sample in the chosen form.
std::multimap<std::string, std::string> sampleWords(CedictForm form) {
  std::ifstream in(kSample, std::ios::binary);
  std::multimap<std::string, std::string> words;
  std::string line;
  WordEntry entry;
  while (std::getline(in, line)) {
    if (parseCedictLine(line, form, entry)) {
      words.emplace(utf8FromCodePoints(entry.hanzi), utf8FromCodePoints(entry.reading));
    }
  }
  return words;
}

TEST_P(CedictSample, EveryItemWrittenReadsBackIntact) {
  ScratchFolder folder;
  std::string lesson = std::string("{sample.") + GetParam().extension + "}";
  ConvertRun run = runConvertIn(folder, {"to-lesson", GetParam().form, kSample, lesson});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find(std::to_string(GetParam().written) + " items written"), std::string::npos)
      << run.err;

  // Back to text: every item is one of the sample's words, unchanged.
  ASSERT_EQ(runConvertIn(folder, {"to-tsv", lesson, "{back.tsv}"}).status, 0);
  auto words =
      sampleWords(std::string(GetParam().form) == "--simplified" ? CedictForm::Simplified
                                                                 : CedictForm::Traditional);
  std::istringstream back(readBytes(folder.path(L"back.tsv")));
  std::string line;
  int items = 0;
  while (std::getline(back, line)) {
    if (line[0] == '#') continue;
    ++items;
    size_t tab = line.find('\t');
    std::string hanzi = line.substr(0, tab);
    std::string reading = line.substr(tab + 1, line.find('\t', tab + 1) - tab - 1);
    bool found = false;
    auto range = words.equal_range(hanzi);
    for (auto it = range.first; it != range.second; ++it) found = found || it->second == reading;
    EXPECT_TRUE(found) << hanzi << " [" << reading << "]";
  }
  EXPECT_EQ(items, GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(EveryEncoding, CedictSample,
                         ::testing::Values(SampleCase{"gb", "--simplified", 296},
                                           SampleCase{"b5", "--traditional", 303},
                                           SampleCase{"euc", "--traditional", 257},
                                           SampleCase{"jis", "--traditional", 257},
                                           SampleCase{"euk", "--traditional", 234}),
                         [](const ::testing::TestParamInfo<SampleCase>& info) {
                           return std::string(info.param.extension);
                         });

}  // namespace
}  // namespace morvane
