// Fonts found through the search folders and cards, stroke data marks, and
// the stroke feedback's pens and colours on the real canvas.
#include <thread>

#include "app/status_area.h"
#include "app/study_view.h"
#include "device/device_storage.h"
#include "display_test_support.h"
#include "resources/resource.h"
#include "strokes/clearable_draw_area.h"
#include "strokes/search_folders.h"
#include "trainer_fixture.h"
#include "ui/hbf_char_font.h"
#include "win32_test_support.h"

namespace morvane::test {
namespace {

const std::string kOneItem = std::string(kNi) + kHao + " [ni3 hao3] /hello/\n";

class FontsAndFeedback : public TrainerTest {
 protected:
  void TearDown() override {
    TrainerTest::TearDown();
    device::setStorageCards(L"");
    for (const wchar_t* f :
         {L"\\Windows\\kanji24.hbf", L"\\Windows\\jis16.hbf",
          L"\\Program Files\\Kelvaro\\dxi24.hbf", L"\\Card\\Kelvaro\\kanji24.hbf",
          L"\\Card\\kanji24.hbf", L"\\Windows\\dxib5p.hbf", L"\\Windows\\feedbkchs.ind",
          L"\\Windows\\feedbkchs.dat", L"\\Windows\\strokeschs.ind", L"\\Windows\\strokeschs.dat",
          L"\\Windows\\lgstrokeschs.ind", L"\\Windows\\lgstrokeschs.dat",
          L"\\Windows\\feedbkcht.ind", L"\\Windows\\feedbkcht.dat", L"\\Windows\\lgstrokescht.ind",
          L"\\Windows\\lgstrokescht.dat"}) {
      removeDeviceFile(f);
    }
  }
  std::wstring fontPath(HbfCharFont* font) { return font->font->fileName; }
  DrawArea& area() { return *main()->canvas->DrawingArea(); }
  // One stroke through the drawing area's messages; returns the pen it was
  // drawn with.
  HPEN stroke(int x0, int y0, int x1, int y1) {
    HWND w = area().hwnd;
    SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x0, y0));
    SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM((x0 + x1) / 2, (y0 + y1) / 2));
    SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x1, y1));
    HPEN pen = area().currentPen;
    SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(x1, y1));
    return pen;
  }
  COLORREF lastColour() { return area().StrokeColor(area().StrokeCount() - 1); }
  static COLORREF penColour(HPEN pen) {
    LOGPEN info = {};
    GetObjectW(pen, sizeof info, &info);
    return info.lopnColor;
  }
};

TEST_F(FontsAndFeedback, FirstFolderHoldingTheFontWins) {
  writeGbFont(L"\\Program Files\\Kelvaro\\dxi24.hbf", 16);
  start(writeLesson("a.gb", kOneItem).c_str());
  ASSERT_NE(main()->largeFont, nullptr);
  EXPECT_EQ(main()->largeFont->CharWidth(), 24);
  EXPECT_EQ(fontPath(main()->largeFont), L"\\Windows\\dxi24.hbf");
  EXPECT_NE(main()->largeFont, main()->smallFont);  // the same file twice: two fonts
  EXPECT_EQ(main()->hanziView->font, main()->largeFont);
  EXPECT_EQ(main()->readingView->font, main()->smallFont);
}

TEST_F(FontsAndFeedback, CardFoldersComeAfterTheMainStore) {
  device::setStorageCards(L"Card");
  writeGbFont(L"\\Card\\Kelvaro\\kanji24.hbf", 24);
  start(writeLesson("j.jis", "").c_str());
  EXPECT_EQ(searchFolders.size(), 6u);
  EXPECT_EQ(searchFolders[3], L"\\Card");
  ASSERT_NE(main()->largeFont, nullptr);
  EXPECT_EQ(fontPath(main()->largeFont), L"\\Card\\Kelvaro\\kanji24.hbf");
  close();
  writeGbFont(L"\\Card\\kanji24.hbf", 24);
  start(writeLesson("j.jis", "").c_str());
  EXPECT_EQ(fontPath(main()->largeFont), L"\\Card\\kanji24.hbf");
}

TEST_F(FontsAndFeedback, MissingSmallFontIsReplacedByTheLargeOne) {
  writeGbFont(L"\\Windows\\kanji24.hbf", 24);
  start(writeLesson("j.euc", "").c_str());
  ASSERT_NE(main()->smallFont, nullptr);
  EXPECT_EQ(main()->smallFont, main()->largeFont);
  EXPECT_EQ(main()->readingView->font, main()->largeFont);
  // A new encoding replaces both fonts at once.
  main()->openLesson(writeLesson("g.gb", kOneItem));
  EXPECT_EQ(fontPath(main()->largeFont), L"\\Windows\\dxi24.hbf");
  EXPECT_EQ(main()->readingView->font, main()->smallFont);
}

// A damaged font's message box runs a modal loop that repaints the views:
// they must still hold fonts that live, the ones the main window owns.
TEST_F(FontsAndFeedback, ViewsHoldLiveFontsWhileAFontMessageIsUp) {
  start(writeLesson("a.gb", kOneItem).c_str());
  writeDeviceFile(L"\\Windows\\kanji24.hbf", "HBF_START_FONT 1.1\n");
  writeGbFont(L"\\Windows\\jis16.hbf", 16);
  bool live = false;
  MainWindow* window = main();
  std::thread box = quillmark::fakes::answerDialog(L"HBF Message", IDOK, [&](HWND) {
    live = window->hanziView->font == static_cast<CharFont*>(window->largeFont) &&
           window->readingView->font == static_cast<CharFont*>(window->smallFont) &&
           window->largeFont != nullptr;
  });
  main()->openLesson(writeLesson("j.euc", ""));
  box.join();
  EXPECT_TRUE(live);
  EXPECT_EQ(fontPath(main()->largeFont), L"\\Windows\\jis16.hbf");
  EXPECT_EQ(main()->hanziView->font, static_cast<CharFont*>(main()->largeFont));
}

// Multi-Open under "All Files": the set is in its first file's encoding,
// Big5 here; the GB file is left out and named.
TEST_F(FontsAndFeedback, ALessonSetTakesItsFirstFilesEncodingAndLeavesTheOthersOut) {
  writeGbFont(L"\\Windows\\dxib5p.hbf", 24);
  writeDeviceFile(L"\\My Documents\\mix-1.b5", kOneItem);
  writeDeviceFile(L"\\My Documents\\mix-2.gb", kOneItem + kOneItem);
  writeDeviceFile(L"\\My Documents\\mix-3.b5", kOneItem);
  start();
  std::wstring message;
  std::thread chooser =
      quillmark::fakes::answerDialog(L"Open Multiple Files", IDOK, [](HWND dialog) {
        HWND types = GetDlgItem(dialog, IDC_CHOOSER_TYPE);
        const LRESULT all =
            SendMessageW(types, CB_FINDSTRING, -1, reinterpret_cast<LPARAM>(L"All Files"));
        SendMessageW(types, CB_SETCURSEL, all, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_CHOOSER_TYPE, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(types));
        HWND list = GetDlgItem(dialog, IDC_CHOOSER_FILES);
        const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
          wchar_t label[256] = L"";
          SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(label));
          if (wcsstr(label, L"mix-") != nullptr) SendMessageW(list, LB_SETSEL, TRUE, i);
        }
      });
  std::thread box = quillmark::fakes::answerDialog(L"Morvane CHS", IDOK, [&message](HWND b) {
    wchar_t text[512] = L"";
    GetDlgItemTextW(b, 0xFFFF, text, 512);
    message = text;
  });
  SendMessageW(frame, WM_COMMAND, IDM_MULTI_OPEN, 0);
  chooser.join();
  box.join();
  for (const wchar_t* name : {L"mix-1.b5", L"mix-2.gb", L"mix-3.b5"}) {
    removeDeviceFile(std::wstring(L"\\My Documents\\") + name);
  }
  ASSERT_NE(main()->lesson, nullptr);
  EXPECT_EQ(main()->lesson->itemCount(), 2);
  EXPECT_EQ(main()->statusArea->label, L"Multi");
  EXPECT_EQ(fontPath(main()->largeFont), L"\\Windows\\dxib5p.hbf");
  EXPECT_NE(message.find(L"Big5 like mix-1.b5"), std::wstring::npos)
      << std::string(message.begin(), message.end());
  EXPECT_NE(message.find(L"mix-2.gb (GB 2312)"), std::wstring::npos);
  EXPECT_EQ(message.find(L"mix-3"), std::wstring::npos);
}

// 你 has 4 strokes, all to the right; 好 has 6, the first one down.
void writeTwoCharacterFeedback() {
  FeedbackChar ni{0xc4e3, std::vector<std::vector<uint8_t>>(4, {4, 4, 4})};
  FeedbackChar hao{0xbac3, std::vector<std::vector<uint8_t>>(6, {4, 4, 4})};
  hao.strokes[0] = {8, 8, 8};
  writeFeedbackData({hao, ni});  // sorted by code
}

TEST_F(FontsAndFeedback, MarksSayWhichCharactersHaveFeedbackData) {
  writeFeedbackData({{0xc4e3, {{4, 4, 4}}}});
  start(writeLesson("a.gb", kOneItem).c_str());
  ASSERT_NE(main()->currentItem, nullptr);
  ASSERT_EQ(hanziMarks().size(), 2u);
  EXPECT_EQ(hanziMarks()[0], 2);  // 你: feedback, no strokes
  EXPECT_EQ(hanziMarks()[1], 0);
  EXPECT_TRUE(main()->hanziView->strokeDataApplies);
  close();
  // The same codes in a EUC-KR lesson are other characters: no data.
  writeGbFont(L"\\Windows\\uwksc-16.hbf", 24);
  start(writeLesson("a.euk", kOneItem).c_str());
  removeDeviceFile(L"\\Windows\\uwksc-16.hbf");
  ASSERT_NE(main()->currentItem, nullptr);
  EXPECT_EQ(hanziMarks()[0], 0);
  // Nor does a tap look up its strokes: the press simply ends.
  EXPECT_FALSE(main()->hanziView->strokeDataApplies);
  EXPECT_FALSE(main()->readingView->strokeDataApplies);
  click(main()->showButton);
  HWND view = main()->hanziView->hwnd;
  SendMessageW(view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  SendMessageW(view, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(main()->hanziView->pressed, 0);
  EXPECT_EQ(main()->hanziView->lastX, -1);
}

// A Big5 lesson's codes key the traditional databases: the simplified ones,
// whose same codes are other characters, count for nothing; marks, pens,
// judgements and taps come from the "cht" files.
TEST_F(FontsAndFeedback, Big5LessonsStudyWithTheTraditionalDatabases) {
  writeGbFont(L"\\Windows\\dxib5p.hbf", 24);
  writeFeedbackData({{0xbac3, {{4, 4, 4}}}});                // simplified: 好
  writeFeedbackData({{0xc4e3, {{4, 4, 4}}}}, L"feedbkcht");  // traditional: c4e3
  writeStrokeIndex(L"lgstrokescht", {0xbac3});
  start(writeLesson("a.b5", kOneItem).c_str());
  ASSERT_NE(main()->currentItem, nullptr);
  EXPECT_EQ(hanziMarks(), (std::vector<uint8_t>{2, 1}));
  EXPECT_TRUE(main()->hanziView->strokeDataApplies);
  EXPECT_EQ(penColour(stroke(60, 50, 10, 50)), RGB(255, 102, 0));
  EXPECT_EQ(lastColour(), RGB(255, 0, 0));               // backwards against c4e3's record
  EXPECT_EQ(stroke(10, 50, 60, 50), area().defaultPen);  // bac3: no traditional feedback
  close();
  // A GB lesson of the same bytes still reads the simplified files.
  start(writeLesson("a.gb", kOneItem).c_str());
  EXPECT_EQ(hanziMarks(), (std::vector<uint8_t>{0, 2}));
  close();

  writeSwitch(L"lgStrokes", 1);
  start(writeLesson("b.b5", std::string(kNi) + " [x] /y/\n").c_str());
  click(main()->showButton);
  FakeClock clock;
  {
    StrokeData simplified;
    simplified.addLarge(0xC4E3, {{{0, 0}, {1, 0}}});
    simplified.save();
    tapFirstCharacter(*main()->hanziView, clock);
  }
  EXPECT_TRUE(clock.sleeps.empty()) << "the simplified record of the same code animated";
  StrokeData traditional;
  traditional.addLarge(0xC4E3, {{{0, 0}, {1, 0}}});
  traditional.save(kTraditionalDatabases);
  tapFirstCharacter(*main()->hanziView, clock);
  EXPECT_FALSE(clock.sleeps.empty());
}

// Either stroke database sets bit 0, the feedback database bit 1.
TEST_F(FontsAndFeedback, MarksCombineStrokeAndFeedbackData) {
  const char kMen[] = "\xC3\xC7";  // 们 c3c7: no data at all
  writeStrokeIndex(L"strokeschs", {0xc4e3});
  writeStrokeIndex(L"lgstrokeschs", {0xbac3});
  writeFeedbackData({{0xc4e3, {{4, 4, 4}}}, {0xd0bb, {{4, 4, 4}}}});
  start(writeLesson("a.gb", std::string(kNi) + kHao + kXie + kMen + " [x] /y/\n").c_str());
  ASSERT_NE(main()->currentItem, nullptr);
  EXPECT_EQ(hanziMarks(), (std::vector<uint8_t>{3, 1, 2, 0}));
}

TEST_F(FontsAndFeedback, StrokesOfATwoCharacterItemAreJudgedInTurn) {
  writeTwoCharacterFeedback();
  start(writeLesson("a.gb", kOneItem).c_str());
  const COLORREF orange = RGB(255, 102, 0), black = RGB(0, 0, 0), blue = RGB(0, 0, 255),
                 red = RGB(255, 0, 0);
  EXPECT_EQ(penColour(stroke(10, 50, 60, 50)), orange);
  EXPECT_EQ(lastColour(), black);  // right, as stored
  stroke(60, 50, 10, 50);
  EXPECT_EQ(lastColour(), red);  // backwards
  stroke(10, 10, 60, 60);
  EXPECT_EQ(lastColour(), blue);  // 45 degrees off
  stroke(10, 50, 60, 50);
  EXPECT_EQ(lastColour(), black);
  EXPECT_EQ(penColour(stroke(30, 10, 30, 70)), orange);
  EXPECT_EQ(lastColour(), black);  // 5th: the first of 好, down
  for (int i = 0; i < 5; ++i) stroke(10, 50, 60, 50);
  EXPECT_EQ(lastColour(), black);
  EXPECT_EQ(penColour(stroke(10, 50, 60, 50)), orange);
  EXPECT_EQ(lastColour(), red);  // 11th: beyond the item
}

TEST_F(FontsAndFeedback, CharacterWithoutFeedbackDataGetsTheDefaultPen) {
  writeFeedbackData({{0xbac3, {{4, 4, 4}}}});  // only the second character
  start(writeLesson("a.gb", kOneItem).c_str());
  EXPECT_EQ(stroke(10, 50, 60, 50), area().defaultPen);
  EXPECT_EQ(lastColour(), RGB(0, 0, 0));
}

// Judging stops at the first character without data: its strokes and all
// after it are neither orange nor judged.
TEST_F(FontsAndFeedback, StrokesAfterACharacterWithDataIntoOneWithoutStayUnjudged) {
  writeFeedbackData({{0xc4e3, {{4, 4, 4}}}});  // only the first character, one stroke
  start(writeLesson("a.gb", kOneItem).c_str());
  EXPECT_EQ(penColour(stroke(60, 50, 10, 50)), RGB(255, 102, 0));
  EXPECT_EQ(lastColour(), RGB(255, 0, 0));  // backwards
  EXPECT_EQ(stroke(60, 50, 10, 50), area().defaultPen);
  EXPECT_EQ(lastColour(), RGB(0, 0, 0));
  EXPECT_EQ(stroke(60, 50, 10, 50), area().defaultPen);
  EXPECT_EQ(lastColour(), RGB(0, 0, 0));
}

TEST_F(FontsAndFeedback, FeedbackOffDrawsWithTheDefaultPenAndKeepsBlack) {
  writeTwoCharacterFeedback();
  writeSwitch(L"feedback", 0);
  start(writeLesson("a.gb", kOneItem).c_str());
  EXPECT_EQ(stroke(60, 50, 10, 50), area().defaultPen);
  EXPECT_EQ(lastColour(), RGB(0, 0, 0));
}

TEST_F(FontsAndFeedback, WithoutAnItemThePenIsOrangeAndNothingIsJudged) {
  writeTwoCharacterFeedback();
  start();
  EXPECT_EQ(penColour(stroke(60, 50, 10, 50)), RGB(255, 102, 0));
  EXPECT_EQ(lastColour(), RGB(0, 0, 0));
}

}  // namespace
}  // namespace morvane::test
