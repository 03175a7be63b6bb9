// The resources as Windows finds them in the built velmora.exe, used through the loaders and
// the dialog manager the program uses, against the table that the Linux backends serve: the
// resource script and that table cannot drift apart.
#include <gtest/gtest.h>

#include <string>

#include "shell/resource_ids.h"
#include "shell/resources.h"

namespace {

class ExeResourcesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::string exe = std::string(VELMORA_BUILD_DIR) + "/velmora.exe";
    module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  }
  void SetUp() override { ASSERT_NE(module, nullptr) << "velmora.exe not found"; }
  static HMODULE module;
};
HMODULE ExeResourcesTest::module = nullptr;

std::string TextOf(HWND window) {
  wchar_t wide[128] = {};
  const int length = GetWindowTextW(window, wide, 128);
  char text[384] = {};
  WideCharToMultiByte(CP_UTF8, 0, wide, length, text, sizeof text, nullptr, nullptr);
  return text;
}

TEST_F(ExeResourcesTest, StringsAreTheTables) {
  for (const StringResource& s : ProgramResources.strings) {
    char buffer[100] = {};
    LoadStringA(module, s.id, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, s.text);
  }
}

// Entry by entry: kind, text and command, popups recursively, nothing checked or greyed.
void ExpectMenuIsTable(HMENU menu, std::span<const MenuEntryResource> table) {
  ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(table.size()));
  for (UINT i = 0; i < table.size(); ++i) {
    char text[128] = {};
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING | MIIM_STATE;
    item.dwTypeData = text;
    item.cch = sizeof text;
    ASSERT_TRUE(GetMenuItemInfoA(menu, i, TRUE, &item));
    const MenuEntryResource& e = table[i];
    EXPECT_EQ((item.fType & MFT_SEPARATOR) != 0, e.kind == MenuEntryKind::Separator) << i;
    if (e.kind == MenuEntryKind::Separator) continue;
    EXPECT_STREQ(text, e.text);
    EXPECT_EQ(item.fState, 0u) << text;
    EXPECT_EQ(item.hSubMenu != nullptr, e.kind == MenuEntryKind::Popup) << text;
    if (item.hSubMenu) ExpectMenuIsTable(item.hSubMenu, e.children);
    if (e.kind == MenuEntryKind::Item) {
      EXPECT_EQ(item.wID, e.command) << text;
    }
  }
}

TEST_F(ExeResourcesTest, MenuAndAcceleratorsAreTheTables) {
  HMENU menu = LoadMenuA(module, MAKEINTRESOURCEA(IDR_MAIN));
  ASSERT_NE(menu, nullptr);
  ExpectMenuIsTable(menu, ProgramResources.menus[0].bar);
  DestroyMenu(menu);

  ACCEL entries[4] = {};
  const auto& expected = ProgramResources.accelerators[0].entries;
  ASSERT_EQ(
      CopyAcceleratorTableA(LoadAcceleratorsA(module, MAKEINTRESOURCEA(IDR_MAIN)), entries, 4),
      static_cast<int>(expected.size()));
  for (std::size_t i = 0; i < expected.size(); ++i)  // flags without the end-of-table bit
    EXPECT_EQ(std::tuple(entries[i].fVirt & ~0x80, entries[i].key, entries[i].cmd),
              std::tuple(expected[i].fVirt, expected[i].key, expected[i].cmd))
        << i;
}

INT_PTR CALLBACK AboutProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// Windows builds the About dialog from the exe's template: the table's caption, and its
// controls in order, each with the table's class, identifier and text.
TEST_F(ExeResourcesTest, AboutDialogIsBuiltWithTheTablesControlsAndTexts) {
  HWND dialog = CreateDialogParamA(module, MAKEINTRESOURCEA(IDD_ABOUT), nullptr, AboutProc, 0);
  ASSERT_NE(dialog, nullptr);
  const DialogResource& d = ProgramResources.dialogs[0];
  EXPECT_EQ(TextOf(dialog), d.title);
  HWND child = GetWindow(dialog, GW_CHILD);
  for (const DialogControlResource& c : d.controls) {
    SCOPED_TRACE(c.text ? c.text : "icon");
    ASSERT_NE(child, nullptr);
    char className[16] = {};
    GetClassNameA(child, className, sizeof className);
    EXPECT_EQ(lstrcmpiA(className, c.className), 0) << className;
    EXPECT_EQ(static_cast<WORD>(GetDlgCtrlID(child)), static_cast<WORD>(c.id));
    if (c.text) {
      EXPECT_EQ(TextOf(child), c.text);
    }
    child = GetWindow(child, GW_HWNDNEXT);
  }
  EXPECT_EQ(child, nullptr);
  DestroyWindow(dialog);
}

}  // namespace
