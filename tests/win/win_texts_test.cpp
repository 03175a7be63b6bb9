// The program's own texts as real Windows shows them: its strings are UTF-8 passed to the "A"
// functions, which the manifest's code page turns into the right characters. Each case runs a
// program operation that opens a modal box, reads what the box shows (caption, texts, list
// entries) as UTF-16 from inside its modal loop, and closes it with a chosen answer.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "canvas/app_state.h"
#include "files/file_chooser.h"
#include "shell/commands.h"
#include "support/program_window.h"

namespace {

struct Shown {
  std::wstring caption;
  std::vector<std::wstring> texts;  // every child's text and every list entry
  bool HasStartingWith(const std::wstring& text) const {
    for (const std::wstring& t : texts)
      if (t.rfind(text, 0) == 0) return true;
    return false;
  }
  bool Has(const std::wstring& text) const {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }
};

Shown shown;
int answer = IDCANCEL;
bool seen = false;

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM) {
  shown.texts.push_back(TextOf(child));
  wchar_t className[32] = {};
  GetClassNameW(child, className, 32);
  if (std::wstring(className) == L"ComboBox") {
    const LRESULT count = SendMessageW(child, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      std::wstring entry(static_cast<std::size_t>(SendMessageW(child, CB_GETLBTEXTLEN, i, 0)) + 1,
                         L'\0');
      entry.resize(static_cast<std::size_t>(
          SendMessageW(child, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()))));
      shown.texts.push_back(entry);
    }
  }
  return TRUE;
}

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  if (IsWindowVisible(window) && std::wstring(className) == L"#32770") {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

// Runs inside the box's modal loop: reads the visible dialog of this thread and answers it.
void CALLBACK Inspect(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog) return;  // not shown yet
  KillTimer(nullptr, timer);
  seen = true;
  shown = Shown{TextOf(dialog), {}};
  EnumChildWindows(dialog, CollectChild, 0);
  PostMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(answer), 0);
}

class ProgramTextsTest : public ::testing::Test {
 protected:
  void SetUp() override { window = testing_support::MakeProgramWindow(); }
  void TearDown() override { testing_support::DestroyProgramWindow(window); }
  // The next modal box will be read and then answered with answerId.
  void Expect(int answerId) {
    answer = answerId;
    seen = false;
    SetTimer(nullptr, 0, 20, Inspect);
  }
  HWND window = nullptr;
};

TEST_F(ProgramTextsTest, HelpNoticeAndUnsavedDataQuestionShowTheirJapaneseTexts) {
  Expect(IDOK);
  ShowHelpNotice(window);
  ASSERT_TRUE(seen);
  EXPECT_EQ(shown.caption, L"Velmora");
  EXPECT_TRUE(
      shown.HasStartingWith(L"ヘルプファイルを必要とするほどの\n難しいプログラムではないので"));

  AppState.DataSaved = 0;
  Expect(IDNO);
  EXPECT_FALSE(ConfirmDiscard(window));
  ASSERT_TRUE(seen);
  EXPECT_EQ(shown.caption, L"Velmora");
  EXPECT_TRUE(shown.HasStartingWith(L"編集中の元データが保存されていません。"));
  Expect(IDYES);
  EXPECT_TRUE(ConfirmDiscard(window));
  ASSERT_TRUE(seen);
}

// The old-size chooser record (without the Windows 2000 members) is taken by the real
// comdlg32; its title, name and filter list arrive intact, and a cancel is a cancel.
TEST_F(ProgramTextsTest, ChoosersShowTitleInitialNameAndFiltersAndCancelLeavesNoPath) {
  struct Case {
    ChooserMode mode;
    const FileChooserUse* use;
    const wchar_t *title, *name, *filter;
  } cases[] = {
      {ChooserMode::Save, &kSaveBitmapChooser, L"ＢＭＰファイルのセーブ", L"*.BMP",
       L"ＢＭＰファイル(*.BMP)"},
      {ChooserMode::Save, &kWriteDataChooser, L"データの保存", L"*.DAT", L"データファイル(*.DAT)"},
      {ChooserMode::Open, &kReadDataChooser, L"データのロード", L"*.DAT", L"データファイル(*.DAT)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.use->title);
    std::vector<char> path(kPathBufferBytes);
    Expect(IDCANCEL);
    EXPECT_EQ(RunFileChooser(window, c.mode, *c.use, path.data()), 0);
    ASSERT_TRUE(seen);
    EXPECT_EQ(shown.caption, c.title);
    EXPECT_TRUE(shown.Has(c.name));
    EXPECT_TRUE(shown.Has(c.filter));
    EXPECT_TRUE(shown.Has(L"全ファイル(*.*)"));
  }
}

}  // namespace
