// kernel32 renames on POSIX: MoveFileExA (never over an existing name; MOVEFILE_WRITE_THROUGH)
// and ReplaceFileA (no backup file).
//
// ReplaceFileA gives the replacement what the replaced file had and renames it over it in one
// step: the permission bits (set-ID and sticky bits included), and the owner and group where
// this process may set them (root may set any; others keep the group when they belong to it).
// Access control lists, extended attributes and times are not carried over. The folder is
// always flushed after the rename, as REPLACEFILE_WRITE_THROUGH would ask, and a failed flush
// is reported: the new name is then in place but not known to be on disk.
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "platform/kernel/kernel_objects.h"
#include "platform/kernel/replaced_files.h"

using namespace kernel;

namespace {

// Renames from over to, durably when sync is set. The only place where a saved file takes its
// final name.
BOOL RenameIntoPlace(const char* from, const char* to, bool replace, bool sync) {
  const int result =
      replace ? ::rename(from, to) : ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE);
  if (result != 0) return Fail(errno == EEXIST ? kErrorAlreadyExists : FromErrno(errno));
  kernel::NoteFileReplaced();
  if (sync) {
    const int error = SyncFolder(FolderOf(to));
    if (error != 0) return Fail(FromErrno(error));
  }
  return TRUE;
}

}  // namespace

BOOL WINAPI MoveFileExA(LPCSTR existing, LPCSTR replacement, DWORD flags) {
  if (!existing || !replacement) return Fail(kErrorInvalidParameter);
  // rename() would replace an empty directory with a file; Windows refuses that.
  struct stat target {};
  if (::stat(replacement, &target) == 0 && S_ISDIR(target.st_mode)) return Fail(kErrorAccessDenied);
  return RenameIntoPlace(existing, replacement, false, flags & MOVEFILE_WRITE_THROUGH);
}

BOOL WINAPI ReplaceFileA(LPCSTR replaced, LPCSTR replacement, LPCSTR backup, DWORD, LPVOID,
                         LPVOID) {
  if (!replaced || !replacement || backup) return Fail(kErrorInvalidParameter);
  // The replaced name must be the file itself: a symbolic link would be replaced, not the file
  // it points to, so callers resolve links first.
  struct stat old {};
  if (::lstat(replaced, &old) != 0) return FailErrno();
  if (!S_ISREG(old.st_mode)) return Fail(kErrorAccessDenied);

  const int fd = ::open(replacement, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return FailErrno();
  struct stat fresh {};
  if (::fstat(fd, &fresh) != 0 || !S_ISREG(fresh.st_mode) || fresh.st_dev != old.st_dev) {
    ::close(fd);
    return Fail(kErrorUnableToMoveReplacement);
  }
  if ((fresh.st_uid != old.st_uid || fresh.st_gid != old.st_gid) &&
      ::fchown(fd, old.st_uid, old.st_gid) != 0 && fresh.st_gid != old.st_gid &&
      ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0)
    SetError(0);  // not ours to give away: the file stays ours, in our group
  // After the owner: changing it clears the set-user-ID and set-group-ID bits.
  const bool moded = ::fchmod(fd, old.st_mode & 07777) == 0;
  const int error = errno;
  ::close(fd);
  if (!moded) return Fail(FromErrno(error));
  return RenameIntoPlace(replacement, replaced, true, true);
}
