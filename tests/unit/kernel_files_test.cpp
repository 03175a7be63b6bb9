// The kernel32 file functions on POSIX: what counts as a file, and temporary names.
#include <gtest/gtest.h>

#include <set>

#include "platform/win32.h"
#include "support/temp_folder.h"

using namespace testing_support;

namespace {

HANDLE Open(const std::string& path, DWORD access, DWORD creation) {
  return CreateFileA(path.c_str(), access, 0, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
}

TEST(KernelFiles, OnlyRegularFilesOpenAndTemporaryNamesNeverRepeat) {
  TempFolder folder;
  EXPECT_EQ(Open(folder.Path().string(), GENERIC_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
  EXPECT_EQ(Open(folder.Path().string(), GENERIC_WRITE, CREATE_ALWAYS), INVALID_HANDLE_VALUE);
  EXPECT_EQ(Open("/dev/null", GENERIC_WRITE, CREATE_ALWAYS), INVALID_HANDLE_VALUE);
  EXPECT_EQ(Open(folder / "missing", GENERIC_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);

  std::set<std::string> names;
  for (int i = 0; i < 50; ++i) {
    std::string name(folder.Path().string().size() + 16, '\0');
    ASSERT_NE(GetTempFileNameA(folder.Path().c_str(), ".vm", 0, name.data()), 0u);
    names.insert(name.c_str());
  }
  EXPECT_EQ(names.size(), 50u);
  EXPECT_EQ(folder.Entries().size(), 50u);
  std::string name(64, '\0');
  EXPECT_EQ(GetTempFileNameA("/nonexistent-folder", "x", 0, name.data()), 0u);
}

}  // namespace
