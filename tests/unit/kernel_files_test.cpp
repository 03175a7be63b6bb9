// The kernel32 file functions on POSIX: what counts as a file, moves and folder searches. (File
// handles come from the same handle table as GDI's, whose stale and foreign handles
// gdi_handles_test checks.)
#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/win32.h"
#include "support/temp_folder.h"

using namespace testing_support;

namespace {

HANDLE Open(const std::string& path, DWORD access, DWORD creation) {
  return CreateFileA(path.c_str(), access, 0, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
}

TEST(KernelFiles, OnlyRegularFilesOpen) {
  TempFolder folder;
  EXPECT_EQ(Open(folder.Path().string(), GENERIC_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
  EXPECT_EQ(Open(folder.Path().string(), GENERIC_WRITE, CREATE_ALWAYS), INVALID_HANDLE_VALUE);
  EXPECT_EQ(Open("/dev/null", GENERIC_WRITE, CREATE_ALWAYS), INVALID_HANDLE_VALUE);
  EXPECT_EQ(Open(folder / "missing", GENERIC_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
}

// The saves' own tests cover links, hard links, read-only files and leftover cleanup through
// these functions; what they cannot reach is an exact-size buffer, a name taken late and the
// search's case rule.
TEST(KernelFiles, FinalPathsFitTheirSizeMovesNeverReplaceUnaskedAndSearchesIgnoreCase) {
  TempFolder folder;
  const std::string real = folder / "Real.DAT", link = folder / "link", other = folder / "b.bmp";
  testing_support::WriteBytes(real, {1, 2, 3});
  testing_support::WriteBytes(other, {1});
  ASSERT_EQ(::symlink("Real.DAT", link.c_str()), 0);
  // Asked through the link with a buffer one byte short (no room for the terminator), the final
  // path tells the size it needs; a buffer of exactly that size takes it.
  HANDLE file = Open(link, 0, OPEN_EXISTING);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  std::string path(real.size() + 1, 'x');
  EXPECT_EQ(GetFinalPathNameByHandleA(file, path.data(), real.size(), 0), real.size() + 1);
  EXPECT_EQ(path, std::string(real.size() + 1, 'x'));
  EXPECT_EQ(GetFinalPathNameByHandleA(file, path.data(), real.size() + 1, 0), real.size());
  EXPECT_EQ(path, real + '\0');
  CloseHandle(file);
  // ReplaceFileA does not replace a link: callers resolve it first. A move that may not
  // replace leaves a name that is taken as it is, however late it was taken.
  EXPECT_FALSE(ReplaceFileA(link.c_str(), other.c_str(), nullptr, 0, nullptr, nullptr));
  EXPECT_FALSE(MoveFileExA(other.c_str(), real.c_str(), MOVEFILE_WRITE_THROUGH));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  EXPECT_EQ(ReadBytes(real), (std::vector<unsigned char>{1, 2, 3}));

  // "*.dat" finds the file whatever the case of its name, and nothing else.
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((folder / "*.dat").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  EXPECT_STREQ(found.cFileName, "Real.DAT");
  EXPECT_FALSE(FindNextFileA(search, &found));
  EXPECT_TRUE(FindClose(search));
  EXPECT_EQ(FindFirstFileA((folder / "*.gif").c_str(), &found), INVALID_HANDLE_VALUE);
}

}  // namespace
