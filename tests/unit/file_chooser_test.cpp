// The chooser record handed to the platform for each use, and the default-extension rule.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "files/depth_data_file.h"
#include "files/file_chooser.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_file_dialogs.h"

namespace {

using namespace std::string_literals;

std::string Extended(std::string path, std::size_t capacity = kPathBufferBytes) {
  std::vector<char> buffer(std::max(capacity, path.size() + 1));
  std::memcpy(buffer.data(), path.c_str(), path.size() + 1);
  AddExtensionIfNoDot(buffer.data(), capacity, ".dat");
  return buffer.data();
}

TEST(AddExtensionIfNoDot, LooksAtEveryByteOfThePath) {
  EXPECT_EQ(Extended("/home/ann/work/grid"), "/home/ann/work/grid.dat");
  EXPECT_EQ(Extended("grid.txt"), "grid.txt");
  EXPECT_EQ(Extended("/home/ann/my.work/grid"), "/home/ann/my.work/grid");
  EXPECT_EQ(Extended("/home/ann/grid."), "/home/ann/grid.");
  EXPECT_EQ(Extended("/tmp/データ"), "/tmp/データ.dat");
  EXPECT_EQ(Extended(""), ".dat");
}

TEST(AddExtensionIfNoDot, APathThatWouldNotFitStaysAsItIs) {
  EXPECT_EQ(Extended("abcd", 9), "abcd.dat");
  EXPECT_EQ(Extended("abcde", 9), "abcde");
  const std::string longPath = "/" + std::string(4094, 'a');
  EXPECT_EQ(Extended(longPath), longPath + ".dat") << "any Linux path has room for it";
}

class ChooserRecordTest : public ::testing::Test {
 protected:
  void SetUp() override { headless::Reset(); }
  HWND owner = reinterpret_cast<HWND>(0x1234);
};

void ExpectRecord(const headless::FileChooserCall& call, HWND owner, bool save,
                  const std::string& filter, const std::string& title,
                  const std::string& initialName) {
  const OPENFILENAMEA& r = call.record;
  EXPECT_EQ(call.save, save);
  EXPECT_EQ(r.lStructSize, OPENFILENAME_SIZE_VERSION_400A);
  EXPECT_EQ(r.hwndOwner, owner);
  EXPECT_EQ(call.filter, filter);
  EXPECT_EQ(r.nFilterIndex, 1u);
  EXPECT_EQ(call.initialName, initialName);
  EXPECT_NE(r.lpstrFile, nullptr);
  EXPECT_GE(r.nMaxFile, 4096u + 5);
  EXPECT_NE(r.lpstrFileTitle, nullptr);
  EXPECT_GT(r.nMaxFileTitle, 255u);
  EXPECT_EQ(call.title, title);
  EXPECT_EQ(r.Flags, save ? 0x804u : 0x800u);
  // Everything else stays zero.
  EXPECT_EQ(r.hInstance, nullptr);
  EXPECT_EQ(r.lpstrCustomFilter, nullptr);
  EXPECT_EQ(r.nMaxCustFilter, 0u);
  EXPECT_EQ(r.lpstrInitialDir, nullptr);
  EXPECT_EQ(r.lpstrDefExt, nullptr);
  EXPECT_EQ(r.lCustData, 0);
  EXPECT_EQ(r.lpfnHook, nullptr);
  EXPECT_EQ(r.lpTemplateName, nullptr);
  EXPECT_EQ(r.nFileOffset, 0);
  EXPECT_EQ(r.nFileExtension, 0);
}

TEST_F(ChooserRecordTest, DataFileChoosers) {
  const std::string filter = "データファイル(*.DAT)\0*.DAT\0全ファイル(*.*)\0*.*\0\0"s;
  unsigned char buffer[kDepthDataBytes] = {};
  ChooseAndReadData(owner, buffer, kDepthDataBytes);
  ChooseAndWriteData(owner, buffer, kDepthDataBytes);
  const auto& calls = headless::FileChooserCalls();
  ASSERT_EQ(calls.size(), 2u);
  ExpectRecord(calls[0], owner, false, filter, "データのロード", "*.DAT");
  ExpectRecord(calls[1], owner, true, filter, "データの保存", "*.DAT");
}

TEST_F(ChooserRecordTest, BitmapChooser) {
  char path[kPathBufferBytes];
  headless::ScriptFileChoice("/tmp/some.folder/art");
  ASSERT_EQ(RunFileChooser(owner, ChooserMode::Save, kSaveBitmapChooser, path), 1);
  EXPECT_STREQ(path, "/tmp/some.folder/art");
  ExpectRecord(headless::FileChooserCalls().at(0), owner, true,
               "ＢＭＰファイル(*.BMP)\0*.BMP\0全ファイル(*.*)\0*.*\0\0"s, "ＢＭＰファイルのセーブ",
               "*.BMP");
}

}  // namespace
