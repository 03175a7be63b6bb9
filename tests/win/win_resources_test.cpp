// The About dialog as Windows builds it from the template in the built velmora.exe, against the
// table that the Linux backends serve: the resource script and that table cannot drift apart.
#include <gtest/gtest.h>

#include <string>

#include "shell/resource_ids.h"
#include "shell/resources.h"

namespace {

std::string TextOf(HWND window) {
  wchar_t wide[128] = {};
  const int length = GetWindowTextW(window, wide, 128);
  char text[384] = {};
  WideCharToMultiByte(CP_UTF8, 0, wide, length, text, sizeof text, nullptr, nullptr);
  return text;
}

INT_PTR CALLBACK AboutProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// Windows builds the About dialog from the exe's template: the table's caption, and its
// controls in order, each with the table's class, identifier and text.
TEST(ExeResourcesTest, AboutDialogIsBuiltWithTheTablesControlsAndTexts) {
  const std::string exe = std::string(VELMORA_BUILD_DIR) + "/velmora.exe";
  HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr) << "velmora.exe not found";
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
