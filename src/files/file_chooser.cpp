#include "files/file_chooser.h"

#include <cstring>
#include <vector>

// The literals end in one zero of their own, which makes the closing double zero.
const FileChooserUse kReadDataChooser = {"データファイル(*.DAT)\0*.DAT\0全ファイル(*.*)\0*.*\0",
                                         "*.DAT", "データのロード"};
const FileChooserUse kWriteDataChooser = {"データファイル(*.DAT)\0*.DAT\0全ファイル(*.*)\0*.*\0",
                                          "*.DAT", "データの保存"};
const FileChooserUse kSaveBitmapChooser = {"ＢＭＰファイル(*.BMP)\0*.BMP\0全ファイル(*.*)\0*.*\0",
                                           "*.BMP", "ＢＭＰファイルのセーブ"};

int RunFileChooser(HWND owner, ChooserMode mode, const FileChooserUse& use, char* path) {
  std::vector<char> fileTitle(kPathBufferBytes, '\0');  // filled by the chooser, not used
  std::memset(path, 0, kPathBufferBytes);
  std::strncpy(path, use.initialName, kPathBufferBytes - 1);

  OPENFILENAMEA ofn;
  std::memset(&ofn, 0, sizeof ofn);
  // The record without the members added in Windows 2000, which this program does not use.
  ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = use.filter;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = path;
  ofn.nMaxFile = kPathBufferBytes;
  ofn.lpstrFileTitle = fileTitle.data();
  ofn.nMaxFileTitle = kPathBufferBytes;
  ofn.lpstrTitle = use.title;
  // The folder must exist. Open: a typed name of a missing file is accepted here and fails when
  // it is read. Save: an existing file is replaced without a question.
  ofn.Flags = mode == ChooserMode::Open ? OFN_PATHMUSTEXIST : OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;

  const BOOL chosen = mode == ChooserMode::Open ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn);
  return chosen ? 1 : 0;
}

void AddExtensionIfNoDot(char* path, std::size_t capacity, const char* extension) {
  std::size_t length = 0;
  for (; path[length] != '\0'; ++length)
    if (path[length] == '.') return;
  const std::size_t extra = std::strlen(extension);
  if (length + extra + 1 > capacity) return;
  std::memcpy(path + length, extension, extra + 1);
}
