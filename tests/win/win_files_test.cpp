// Saving on Windows: the atomic replace in the target's own folder with "\" paths and UTF-8
// names, and a read-only, held or unreachable target refused with its bytes kept. (The picture
// exported from the 32-bit Canvas is compared with Linux's in the desktop session under Wine.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/whole_file.h"

namespace {

using Bytes = std::vector<unsigned char>;

// A fresh folder in parent (named name, or a name of its own), removed with its files at the
// end.
class Folder {
 public:
  explicit Folder(const std::string& parent, const std::string& name = "") {
    path_ = parent + "\\" +
            (name.empty()
                 ? std::to_string(GetCurrentProcessId()) + "-" +
                       std::to_string(GetTickCount64() % 1000000) + "-" + std::to_string(counter_++)
                 : name);
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~Folder() {
    for (const std::string& name : Entries()) {
      const std::string file = path_ + "\\" + name;
      SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(file.c_str());
    }
    RemoveDirectoryA(path_.c_str());
  }
  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      const std::string name = found.cFileName;
      if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
  }

 private:
  std::string path_;
  static inline int counter_ = 0;
};

std::string TempRoot() {
  char buffer[MAX_PATH + 1];
  const DWORD n = GetTempPathA(sizeof buffer, buffer);  // ends in a backslash
  return std::string(buffer, n > 0 ? n - 1 : 0);
}

// Every file here holds 1200 bytes when whole.
Bytes Read(const std::string& path) {
  Bytes bytes(1200);
  return ReadWholeFile(path.c_str(), bytes.data(), 1200) ? bytes : Bytes{};
}

class WindowsSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The working folder is a folder of its own, so that a stray temporary file would show.
    GetCurrentDirectoryA(sizeof previous, previous);
    SetCurrentDirectoryA(work.Path().c_str());
  }
  void TearDown() override { SetCurrentDirectoryA(previous); }
  Folder root{TempRoot()};
  Folder work{root.Path()};
  char previous[MAX_PATH + 1] = {};
};

// "ソ" and "表" end in byte 0x5C in code page 932; in UTF-8 no byte of a character is 0x5C.
TEST_F(WindowsSaveTest, ReplacesInTheTargetsFolderWithBackslashesAndUtf8Names) {
  Folder target(root.Path(), "ソ表");
  const std::string path = target / "グリッド.dat";
  const Bytes first(1200, 3), second(1200, 5);
  ASSERT_EQ(WriteWholeFile(path.c_str(), first.data(), 1200), 1);
  ASSERT_EQ(WriteWholeFile(path.c_str(), second.data(), 1200), 1);
  EXPECT_EQ(Read(path), second);
  EXPECT_EQ(target.Entries(), std::vector<std::string>{"グリッド.dat"});
  EXPECT_TRUE(work.Entries().empty());
}

TEST_F(WindowsSaveTest, ReadOnlyHeldOrUnreachableTargetsAreRefusedLeavingNothing) {
  Folder target(root.Path());
  const std::string path = target / "kept.dat";
  const Bytes old(1200, 1), fresh(1200, 2);
  ASSERT_EQ(WriteWholeFile(path.c_str(), old.data(), 1200), 1);
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(WriteWholeFile(path.c_str(), fresh.data(), 1200), 0);
  EXPECT_EQ(Read(path), old);
  EXPECT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(target.Entries(), std::vector<std::string>{"kept.dat"});

  // A target that another program holds open without sharing it is not replaced either.
  const std::string held = target / "held.dat";
  ASSERT_EQ(WriteWholeFile(held.c_str(), old.data(), 1200), 1);
  HANDLE holder = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_EQ(WriteWholeFile(held.c_str(), fresh.data(), 1200), 0);
  CloseHandle(holder);
  EXPECT_EQ(Read(held), old);
  EXPECT_EQ(target.Entries(), (std::vector<std::string>{"held.dat", "kept.dat"}));
  DeleteFileA(held.c_str());

  const std::string nowhere = target / "missing\\grid.dat";
  EXPECT_EQ(WriteWholeFile(nowhere.c_str(), fresh.data(), 1200), 0);
  EXPECT_EQ(target.Entries(), std::vector<std::string>{"kept.dat"});
  EXPECT_TRUE(work.Entries().empty());
}

}  // namespace
