// What a save keeps of the file it replaces, what it refuses, and its temporary file: the same
// for the grid's data file and the picture's bitmap file, through the program's own commands.
#include <dlfcn.h>
#include <errno.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "canvas/app_state.h"
#include "files/bitmap_export.h"
#include "files/depth_data_file.h"
#include "files/temporary_file.h"
#include "files/whole_file.h"
#include "platform/headless/headless_file_dialogs.h"
#include "support/program_window_test.h"
#include "support/temp_folder.h"

using namespace testing_support;
namespace fs = std::filesystem;

// Folder flushes fail while this is set; every other fsync is the real one.
static bool failFolderFlush = false;

extern "C" int fsync(int fd) {
  struct stat info {};
  if (failFolderFlush && ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    errno = EIO;
    return -1;
  }
  static auto real = reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, "fsync"));
  return real(fd);
}

namespace {

struct Kind {
  const char* name;
  std::size_t size;  // of a saved file
  std::function<void(HWND)> save;
};

const Kind kKinds[] = {
    {"grid.dat", kDepthDataBytes, SaveDepthData},
    {"art.bmp", 721974,
     [](HWND window) { SaveArtBitmap(window, AppState.Canvas, 0, 360, 480, 376); }},
};

const std::vector<unsigned char> kOld = {'o', 'l', 'd'};

struct stat StatOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
  return info;
}

class SaveTargetTest : public ProgramWindowTest {
 protected:
  // Saves through the command with path as the chooser's answer; true when the program counts
  // the save as done (for the data file; the picture's save reports nothing).
  bool Save(const Kind& kind, const std::string& path) {
    AppState.DataSaved = 0;
    headless::ScriptFileChoice(path);
    kind.save(window);
    return AppState.DataSaved == 1;
  }
  TempFolder folder;
};

TEST_F(SaveTargetTest, ReplacedFileKeepsModeOwnerAndGroupAndALinkStaysALinkToTheNewFile) {
  // Root may give the file to anyone; another user keeps its own owner and group.
  const bool root = ::geteuid() == 0;
  const uid_t owner = root ? 1234 : ::geteuid();
  const gid_t group = root ? 2345 : ::getegid();
  fs::create_directory(folder.Path() / "real");
  for (const Kind& kind : kKinds) {
    SCOPED_TRACE(kind.name);
    const std::string plain = folder / kind.name;
    WriteBytes(plain, kOld);
    ASSERT_EQ(::chown(plain.c_str(), owner, group), 0);
    ASSERT_EQ(::chmod(plain.c_str(), 0600), 0);
    const ino_t oldInode = StatOf(plain).st_ino;
    EXPECT_EQ(Save(kind, plain), kind.size == kDepthDataBytes);
    const struct stat saved = StatOf(plain);
    EXPECT_EQ(std::tuple(saved.st_mode & 07777, saved.st_uid, saved.st_gid, saved.st_size),
              std::tuple(0600u, owner, group, static_cast<off_t>(kind.size)));
    EXPECT_NE(saved.st_ino, oldInode) << "written in place, not replaced";

    // A link to a link to the file, relative, from another folder.
    const std::string real = (folder.Path() / "real" / kind.name).string();
    const std::string link = folder / (std::string("link-") + kind.name);
    const std::string link2 = folder / (std::string("link2-") + kind.name);
    WriteBytes(real, kOld);
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    fs::create_symlink(fs::path("real") / kind.name, link2);
    fs::create_symlink(fs::path(link2).filename(), link);
    EXPECT_EQ(Save(kind, link), kind.size == kDepthDataBytes);
    EXPECT_EQ(fs::read_symlink(link), fs::path(link2).filename());
    EXPECT_EQ(fs::read_symlink(link2), fs::path("real") / kind.name);
    EXPECT_EQ(ReadBytes(real), ReadBytes(plain));
    EXPECT_EQ(StatOf(real).st_mode & 07777, 0640u);
  }
  // Nothing else was left in either folder.
  std::vector<std::string> all;
  for (const auto& entry : fs::recursive_directory_iterator(folder.Path()))
    all.push_back(entry.path().lexically_relative(folder.Path()).string());
  std::sort(all.begin(), all.end());
  EXPECT_EQ(all, (std::vector<std::string>{"art.bmp", "grid.dat", "link-art.bmp", "link-grid.dat",
                                           "link2-art.bmp", "link2-grid.dat", "real",
                                           "real/art.bmp", "real/grid.dat"}));
}

TEST_F(SaveTargetTest, ReadOnlyHardLinkedAndBrokenLinkTargetsAreRefusedWithNothingWritten) {
  for (const Kind& kind : kKinds) {
    SCOPED_TRACE(kind.name);
    TempFolder place;
    // Read-only: no write bit at all, which stops root too, as the read-only attribute does.
    // (Every name has a dot, so that the command adds no extension.)
    const std::string readOnly = place / "read-only.x";
    WriteBytes(readOnly, kOld);
    ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
    // Two names of one file: replacing it would leave the other name with the old contents.
    const std::string first = place / "first.x", second = place / "second.x";
    WriteBytes(first, kOld);
    ASSERT_EQ(::link(first.c_str(), second.c_str()), 0);
    // A link to a file that does not exist.
    const std::string broken = place / "broken.x";
    fs::create_symlink("missing", broken);

    for (const std::string& target : {readOnly, first, broken}) {
      EXPECT_FALSE(Save(kind, target)) << target;
    }
    EXPECT_EQ(std::tuple(ReadBytes(readOnly), ReadBytes(first), ReadBytes(second)),
              std::tuple(kOld, kOld, kOld));
    EXPECT_EQ(StatOf(readOnly).st_mode & 07777, 0444u);
    EXPECT_EQ(StatOf(first).st_nlink, 2u);
    EXPECT_EQ(fs::read_symlink(broken), "missing");
    EXPECT_EQ(place.Entries(),
              (std::vector<std::string>{"broken.x", "first.x", "read-only.x", "second.x"}));
  }
}

// A user who may rename files in a folder still may not replace a file there that they cannot
// write, and what they may replace keeps its mode. Needs root to act as another user.
TEST_F(SaveTargetTest, AnotherUserReplacesOnlyFilesTheyMayWrite) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to save as another user";
  constexpr uid_t kNobody = 65534;
  ASSERT_EQ(::chmod(folder.Path().c_str(), 0777), 0);
  const std::string roots = folder / "roots.dat", locked = folder / "locked.dat",
                    theirs = folder / "theirs.dat";
  for (const std::string& path : {roots, locked, theirs}) WriteBytes(path, kOld);
  ASSERT_EQ(::chmod(roots.c_str(), 0644), 0);
  ASSERT_EQ(::chown(locked.c_str(), kNobody, kNobody), 0);
  ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
  ASSERT_EQ(::chown(theirs.c_str(), kNobody, kNobody), 0);
  ASSERT_EQ(::chmod(theirs.c_str(), 0604), 0);

  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
      ::_exit(100);
    // One bit per save that worked.
    int saved = 0;
    for (int i = 0; const std::string& path : {roots, locked, theirs})
      saved |= WriteWholeFile(path.c_str(), "new", 3) << i++;
    ::_exit(saved);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0b100);
  EXPECT_EQ(std::pair(ReadBytes(roots), ReadBytes(locked)), std::pair(kOld, kOld));
  const struct stat replaced = StatOf(theirs);
  EXPECT_EQ(std::tuple(replaced.st_mode & 07777, replaced.st_uid, replaced.st_size),
            std::tuple(0604u, kNobody, off_t{3}));
}

TEST_F(SaveTargetTest, TemporaryFileIsNeverOpenedThroughAPlantedNameAndLeftoversOfEndedSavesGo) {
  // Links planted at the names this process will try first lead to a file of someone else's.
  TempFolder victimFolder;
  const std::string victim = victimFolder / "victim";
  WriteBytes(victim, kOld);
  for (unsigned serial = 0; serial < 5; ++serial)
    fs::create_symlink(victim,
                       TemporaryPath(folder.Path().string(), GetCurrentProcessId(), serial));
  std::string temp;
  HANDLE file = CreateTemporaryFile(folder.Path().string(), INVALID_HANDLE_VALUE, &temp);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  EXPECT_TRUE(WriteFile(file, "new", 3, &written, nullptr));
  CloseHandle(file);
  EXPECT_EQ(ReadBytes(victim), kOld);
  EXPECT_FALSE(fs::is_symlink(temp));
  fs::remove(temp);

  // Leftovers: one of a process that has ended, one of a process that runs (ctest, our
  // parent), and one of an ended process that someone holds open for writing.
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ASSERT_EQ(::waitpid(child, nullptr, 0), child);
  const std::string ended = TemporaryPath(folder.Path().string(), child, 7);
  const std::string running = TemporaryPath(folder.Path().string(), ::getppid(), 7);
  const std::string held = TemporaryPath(folder.Path().string(), child, 8);
  WriteBytes(ended, kOld);
  WriteBytes(running, kOld);
  HANDLE holder = CreateFileA(held.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(Save(kKinds[0], folder / "grid.dat"));
  EXPECT_FALSE(fs::exists(ended));
  EXPECT_TRUE(fs::exists(running));
  EXPECT_TRUE(fs::exists(held));
  CloseHandle(holder);
  // The planted links of our own number are gone too; the file they led to is untouched.
  std::vector<std::string> kept = {fs::path(held).filename().string(),
                                   fs::path(running).filename().string(), "grid.dat"};
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ(folder.Entries(), kept);
  EXPECT_EQ(ReadBytes(victim), kOld);
}

TEST_F(SaveTargetTest, FailedFolderFlushCountsAsAFailedSave) {
  const std::string path = folder / "grid.dat";
  failFolderFlush = true;
  const bool saved = Save(kKinds[0], path);
  const int written = WriteWholeFile((folder / "other.dat").c_str(), "x", 1);
  failFolderFlush = false;
  EXPECT_FALSE(saved);
  EXPECT_EQ(written, 0);
  // The same save with a working disk.
  EXPECT_TRUE(Save(kKinds[0], path));
}

}  // namespace
