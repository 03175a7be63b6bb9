// The kernel32 file functions on POSIX: what counts as a file, short reads, temporary names.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

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
  EXPECT_EQ(Open(folder / "missing", GENERIC_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), 2u);  // ERROR_FILE_NOT_FOUND
  EXPECT_EQ(Open("/dev/null", GENERIC_WRITE, CREATE_ALWAYS), INVALID_HANDLE_VALUE);
  EXPECT_EQ(Open(folder.Path().string(), GENERIC_WRITE, CREATE_ALWAYS), INVALID_HANDLE_VALUE);
  EXPECT_EQ(ReadFile(nullptr, nullptr, 0, nullptr, nullptr), FALSE);
}

TEST(KernelFiles, ReadStopsAtTheEndAndCreateAlwaysEmpties) {
  TempFolder folder;
  WriteBytes(folder / "f", {1, 2, 3});
  char buffer[8] = {};
  DWORD read = 99;
  HANDLE file = Open(folder / "f", GENERIC_READ, OPEN_EXISTING);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  EXPECT_EQ(ReadFile(file, buffer, sizeof buffer, &read, nullptr), TRUE);
  EXPECT_EQ(read, 3u);
  EXPECT_EQ(CloseHandle(file), TRUE);

  file = Open(folder / "f", GENERIC_WRITE, CREATE_ALWAYS);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  EXPECT_EQ(std::filesystem::file_size(folder / "f"), 0u);
  CloseHandle(file);
  EXPECT_EQ(Open(folder / "f", GENERIC_WRITE, CREATE_NEW), INVALID_HANDLE_VALUE);
}

TEST(KernelFiles, TemporaryNamesAreCreatedAndNeverRepeat) {
  TempFolder folder;
  std::set<std::string> names;
  for (int i = 0; i < 50; ++i) {
    std::string name(folder.Path().string().size() + 16, '\0');
    ASSERT_NE(GetTempFileNameA(folder.Path().c_str(), ".vmx", 0, name.data()), 0u);
    name.resize(std::strlen(name.c_str()));
    EXPECT_TRUE(std::filesystem::exists(name)) << name;
    EXPECT_EQ(std::filesystem::path(name).filename().string().rfind(".vm", 0), 0u) << name;
    names.insert(name);
  }
  EXPECT_EQ(names.size(), 50u);
  std::string name(64, '\0');
  EXPECT_EQ(GetTempFileNameA("/nonexistent-folder", "x", 0, name.data()), 0u);
}

}  // namespace
