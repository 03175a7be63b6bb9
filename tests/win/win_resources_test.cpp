// The resources as Windows finds them in the built velmora.exe, read back with the loaders the
// program uses, and compared with the table that the Linux backends serve (whose texts and
// numbers shell_resources_test pins): the resource script and that table cannot drift apart.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "shell/icons.h"
#include "shell/resource_ids.h"
#include "shell/resources.h"

namespace {

constexpr WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

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

std::string Utf8(const wchar_t* text, int length) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), n, nullptr, nullptr);
  return out;
}

TEST_F(ExeResourcesTest, EveryResourceIsJapanese) {
  const std::pair<LPCSTR, int> resources[] = {{RT_MENU, IDR_MAIN},
                                              {RT_ACCELERATOR, IDR_MAIN},
                                              {RT_DIALOG, IDD_ABOUT},
                                              {RT_STRING, IDR_MAIN / 16 + 1},
                                              {RT_GROUP_ICON, IDI_MAIN_LARGE},
                                              {RT_GROUP_ICON, IDI_MAIN_SMALL}};
  for (auto [type, id] : resources)
    EXPECT_NE(FindResourceExA(module, type, MAKEINTRESOURCEA(id), kJapanese), nullptr) << id;
}

TEST_F(ExeResourcesTest, StringTableHoldsTheClassNameAndTheTwoUnusedEntries) {
  ASSERT_EQ(ProgramResources.strings.size(), 3u);
  for (const StringResource& s : ProgramResources.strings) {
    char buffer[100];
    EXPECT_EQ(LoadStringA(module, s.id, buffer, sizeof buffer),
              static_cast<int>(std::strlen(s.text)));
    EXPECT_STREQ(buffer, s.text);
  }
}

// One line per entry (depth, kind, text, command), the format of shell_resources_test.
void DescribeTable(std::span<const MenuEntryResource> entries, int depth, std::string& out) {
  for (const MenuEntryResource& e : entries) {
    out += std::to_string(depth);
    if (e.kind == MenuEntryKind::Separator) out += " separator\n";
    if (e.kind == MenuEntryKind::Item)
      out += std::string(" item ") + e.text + " " + std::to_string(e.command) + "\n";
    if (e.kind == MenuEntryKind::Popup) {
      out += std::string(" popup ") + e.text + "\n";
      DescribeTable(e.children, depth + 1, out);
    }
  }
}

void DescribeMenu(HMENU menu, int depth, std::string& out) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[128] = {};
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING | MIIM_STATE;
    item.dwTypeData = text;
    item.cch = sizeof text;
    ASSERT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &item));
    out += std::to_string(depth);
    // Nothing checked, greyed or disabled (a separator is inert by nature).
    if (!(item.fType & MFT_SEPARATOR)) {
      EXPECT_EQ(item.fState, 0u) << text;
    }
    if (item.fType & MFT_SEPARATOR) {
      out += " separator\n";
    } else if (item.hSubMenu) {
      out += std::string(" popup ") + text + "\n";
      DescribeMenu(item.hSubMenu, depth + 1, out);
    } else {
      out += std::string(" item ") + text + " " + std::to_string(item.wID) + "\n";
    }
  }
}

TEST_F(ExeResourcesTest, MenuHasTheTablesItemsTextsNestingAndCommands) {
  HMENU menu = LoadMenuA(module, MAKEINTRESOURCEA(IDR_MAIN));
  ASSERT_NE(menu, nullptr);
  std::string real, table;
  DescribeMenu(menu, 1, real);
  DestroyMenu(menu);
  ASSERT_EQ(ProgramResources.menus.size(), 1u);
  DescribeTable(ProgramResources.menus[0].bar, 1, table);
  EXPECT_EQ(real, table);
}

TEST_F(ExeResourcesTest, AcceleratorsAreTheTablesKeysFlagsAndCommands) {
  HACCEL table = LoadAcceleratorsA(module, MAKEINTRESOURCEA(IDR_MAIN));
  ASSERT_NE(table, nullptr);
  ACCEL entries[4] = {};
  ASSERT_EQ(CopyAcceleratorTableA(table, entries, 4), 2);
  const auto& expected = ProgramResources.accelerators[0].entries;
  ASSERT_EQ(expected.size(), 2u);
  for (int i = 0; i < 2; ++i) {
    // The flags without the end-of-table bit.
    EXPECT_EQ(entries[i].fVirt & ~0x80, expected[i].fVirt) << i;
    EXPECT_EQ(entries[i].key, expected[i].key) << i;
    EXPECT_EQ(entries[i].cmd, expected[i].cmd) << i;
  }
}

// "#n", how the reader below shows a number in a name-or-number field. (Appended rather than
// concatenated: GCC 12 warns falsely about "#" + std::to_string.)
std::string Ordinal(int n) {
  std::string out(1, '#');
  out += std::to_string(n);
  return out;
}

// Reads a DLGTEMPLATE as Windows stores it: words, UTF-16 strings, items on 4-byte bounds.
struct TemplateReader {
  const BYTE* base;
  std::size_t at = 0;
  WORD Word() {
    WORD w;
    std::memcpy(&w, base + at, 2);
    at += 2;
    return w;
  }
  DWORD Dword() {
    DWORD d;
    std::memcpy(&d, base + at, 4);
    at += 4;
    return d;
  }
  short Short() { return static_cast<short>(Word()); }
  std::string Text() {
    std::wstring w;
    for (WORD c = Word(); c; c = Word()) w.push_back(static_cast<wchar_t>(c));
    return Utf8(w.c_str(), static_cast<int>(w.size()));
  }
  // A name or ordinal field: 0 (none), 0xFFFF followed by a number ("#n"), or a string.
  std::string NameOrOrdinal() {
    WORD first;
    std::memcpy(&first, base + at, 2);
    if (first == 0xFFFF) {
      at += 2;
      return Ordinal(Word());
    }
    return Text();
  }
  void Align() { at = (at + 3) & ~std::size_t{3}; }
};

TEST_F(ExeResourcesTest, AboutDialogTemplateMatchesTheTableStyleForStyle) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDD_ABOUT), RT_DIALOG);
  ASSERT_NE(found, nullptr);
  TemplateReader r{static_cast<const BYTE*>(LockResource(LoadResource(module, found)))};
  ASSERT_NE(r.base, nullptr);
  const DialogResource& d = ProgramResources.dialogs[0];

  EXPECT_EQ(r.Dword(), d.style);
  EXPECT_EQ(r.Dword(), d.exStyle);
  const WORD count = r.Word();
  ASSERT_EQ(count, d.controls.size());
  EXPECT_EQ(r.Short(), d.x);
  EXPECT_EQ(r.Short(), d.y);
  EXPECT_EQ(r.Short(), d.width);
  EXPECT_EQ(r.Short(), d.height);
  EXPECT_EQ(r.NameOrOrdinal(), "");  // no menu
  EXPECT_EQ(r.NameOrOrdinal(), "");  // the platform's dialog class
  EXPECT_EQ(r.Text(), d.title);
  EXPECT_EQ(r.Word(), d.fontPoints);
  EXPECT_EQ(r.Text(), d.fontFace);

  for (const DialogControlResource& c : d.controls) {
    SCOPED_TRACE(c.text ? c.text : "icon");
    r.Align();
    EXPECT_EQ(r.Dword(), c.style);
    EXPECT_EQ(r.Dword(), 0u);  // no extended style
    EXPECT_EQ(r.Short(), c.x);
    EXPECT_EQ(r.Short(), c.y);
    EXPECT_EQ(r.Short(), c.width);
    EXPECT_EQ(r.Short(), c.height);
    EXPECT_EQ(r.Word(), static_cast<WORD>(c.id));
    // A predefined class by its name or by its atom (0x80 button, 0x82 static): the resource
    // compiler may write either, and Windows reads both.
    const std::string className = r.NameOrOrdinal();
    const std::string atom = std::string(c.className) == "BUTTON" ? "#128" : "#130";
    EXPECT_TRUE(className == c.className || className == atom) << className;
    EXPECT_EQ(r.NameOrOrdinal(), c.text ? std::string(c.text) : Ordinal(c.iconId));
    EXPECT_EQ(r.Word(), 0u);  // no creation data
  }
}

TEST_F(ExeResourcesTest, IconsShowTheProgramsOwnPixelsAtBothSizes) {
  for (const IconResource& group : ProgramIcons) {
    for (const IconImageResource& image : group.images) {
      SCOPED_TRACE(testing::Message() << group.id << " at " << image.size);
      HICON icon = static_cast<HICON>(
          LoadImageA(module, MAKEINTRESOURCEA(group.id), IMAGE_ICON, image.size, image.size, 0));
      ASSERT_NE(icon, nullptr);
      // Drawn on white and on black: a transparent pixel takes the background, any other
      // its palette colour.
      for (COLORREF background : {RGB(255, 255, 255), RGB(0, 0, 0)}) {
        HDC dc = CreateCompatibleDC(nullptr);
        BITMAPINFO info{};
        info.bmiHeader = {
            sizeof(BITMAPINFOHEADER), image.size, -image.size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP target = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ kept = SelectObject(dc, target);
        for (int y = 0; y < image.size; ++y)
          for (int x = 0; x < image.size; ++x) SetPixel(dc, x, y, background);
        DrawIconEx(dc, 0, 0, icon, image.size, image.size, 0, nullptr, DI_NORMAL);
        for (int y = 0; y < image.size; ++y)
          for (int x = 0; x < image.size; ++x) {
            const int index = IconPixelIndex(image, x, y);
            ASSERT_EQ(GetPixel(dc, x, y), index < 0 ? background : image.palette[index])
                << x << "," << y;
          }
        SelectObject(dc, kept);
        DeleteObject(target);
        DeleteDC(dc);
      }
      DestroyIcon(icon);
    }
  }
}

}  // namespace
