// The chooser record handed to the platform for each use, and the default-extension rule.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "files/bitmap_export.h"
#include "files/depth_data_file.h"
#include "files/file_chooser.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_file_dialogs.h"

namespace {

using namespace std::string_literals;

std::string Extended(std::string path, std::size_t capacity = kPathBufferBytes) {
  path.resize(std::max(capacity, path.size() + 1));
  AddExtensionIfNoDot(path.data(), capacity, ".dat");
  return path.c_str();
}

TEST(AddExtensionIfNoDot, ADotAnywhereInThePathKeepsItAsTyped) {
  EXPECT_EQ(Extended("/home/ann/grid"), "/home/ann/grid.dat");
  EXPECT_EQ(Extended("grid.txt"), "grid.txt");
  EXPECT_EQ(Extended("/home/my.work/grid"), "/home/my.work/grid");
  EXPECT_EQ(Extended("/home/ann/grid."), "/home/ann/grid.");
  EXPECT_EQ(Extended("abcd", 9), "abcd.dat");
  EXPECT_EQ(Extended("abcde", 9), "abcde") << "no room: left as it is";
}

TEST(FileChooser, EachUseHandsOverItsOwnRecord) {
  headless::Reset();
  const HWND owner = reinterpret_cast<HWND>(0x1234);
  unsigned char buffer[kDepthDataBytes] = {};
  ChooseAndReadData(owner, buffer, kDepthDataBytes);
  ChooseAndWriteData(owner, buffer, kDepthDataBytes);
  SaveArtBitmap(owner, nullptr, 0, 0, 1, 1);
  const std::string data = "データファイル(*.DAT)\0*.DAT\0全ファイル(*.*)\0*.*\0\0"s;
  const std::string bmp = "ＢＭＰファイル(*.BMP)\0*.BMP\0全ファイル(*.*)\0*.*\0\0"s;
  const std::tuple<bool, std::string, std::string, std::string, DWORD> expected[] = {
      {false, data, "データのロード", "*.DAT", 0x800},
      {true, data, "データの保存", "*.DAT", 0x804},
      {true, bmp, "ＢＭＰファイルのセーブ", "*.BMP", 0x804}};
  const auto& calls = headless::FileChooserCalls();
  ASSERT_EQ(calls.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    const OPENFILENAMEA& r = calls[i].record;
    EXPECT_EQ(
        std::tie(calls[i].save, calls[i].filter, calls[i].title, calls[i].initialName, r.Flags),
        expected[i]);
    EXPECT_EQ(std::tie(r.lStructSize, r.hwndOwner, r.nFilterIndex),
              std::tuple(OPENFILENAME_SIZE_VERSION_400A, owner, 1u));
    // Buffers for a long path and a file title; everything else stays zero.
    EXPECT_TRUE(r.lpstrFile && r.nMaxFile >= 4096u + 5 && r.lpstrFileTitle &&
                r.nMaxFileTitle > 255 && !r.hInstance && !r.lpstrCustomFilter &&
                !r.nMaxCustFilter && !r.lpstrInitialDir && !r.lpstrDefExt && !r.lCustData &&
                !r.lpfnHook && !r.lpTemplateName && !r.nFileOffset && !r.nFileExtension)
        << i;
  }
}

}  // namespace
