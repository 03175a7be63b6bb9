// kernel32 files on POSIX, shared by both backends.
//
// Implements: CreateFileA (GENERIC_READ / GENERIC_WRITE, or no access at all to look at a file
// only, with CREATE_NEW, CREATE_ALWAYS, OPEN_EXISTING, and a
// template file for CREATE_NEW), synchronous ReadFile and WriteFile, FlushFileBuffers,
// CloseHandle (files and processes), DeleteFileA, and GetLastError with the Win32 codes of
// kernel_objects.h.
// Sharing: a file opened for writing with share mode 0 holds a lock (an open file description
// lock) until it is closed, and DeleteFileA refuses a file so held with a sharing violation, as
// Windows refuses to delete a file that is open without FILE_SHARE_DELETE. Nothing else of the
// sharing modes is enforced (Linux has no mandatory locks: other programs are not kept out).
// Does not implement: security attributes, overlapped transfers. Only regular files can be
// opened: a directory fails as on Windows, and a FIFO or device, which could block the one
// thread or never end, fails too.
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "platform/kernel/kernel_objects.h"

using namespace kernel;

namespace {

int OpenFlags(DWORD access, DWORD creation, bool* ok) {
  *ok = true;
  int flags = O_CLOEXEC | O_NONBLOCK;  // non-blocking only while the file type is checked
  const bool read = access & GENERIC_READ;
  const bool write = access & GENERIC_WRITE;
  if (read && write)
    flags |= O_RDWR;
  else if (write)
    flags |= O_WRONLY;
  else if (read)
    flags |= O_RDONLY;
  else if (creation == OPEN_EXISTING)
    flags = O_CLOEXEC | O_PATH;  // no access: the file's attributes and name only
  else
    *ok = false;
  switch (creation) {
    case CREATE_NEW:
      // O_EXCL already refuses any existing name, a symbolic link included; O_NOFOLLOW says so.
      return flags | O_CREAT | O_EXCL | O_NOFOLLOW;
    case CREATE_ALWAYS:
      return flags | O_CREAT | O_TRUNC;
    case OPEN_EXISTING:
      return flags;
    default:
      *ok = false;
      return flags;
  }
}

// A new file takes its template's owner, group and mode where this process may give them. It
// was created private (0600), so that its contents are never more visible than the
// template's, even for the moment before its mode is set.
void TakeTemplate(int fd, int templateFd) {
  struct stat model {};
  if (::fstat(templateFd, &model) != 0) return;
  // Not allowed to give the file away: keep at least the group, when it is one of ours; else
  // the file stays ours, in our group.
  if (::fchown(fd, model.st_uid, model.st_gid) != 0 &&
      ::fchown(fd, static_cast<uid_t>(-1), model.st_gid) != 0)
    SetError(0);
  // After the owner: changing it clears the set-user-ID and set-group-ID bits.
  ::fchmod(fd, model.st_mode & 07777);
}

// Share mode 0 with write access: an exclusive lock on the open file, released by close().
bool LockForWriting(int fd) {
  struct flock lock {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

bool HeldForWriting(int fd) {
  struct flock lock {};
  lock.l_type = F_RDLCK;
  lock.l_whence = SEEK_SET;
  return ::fcntl(fd, F_OFD_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
}

}  // namespace

HANDLE WINAPI CreateFileA(LPCSTR path, DWORD access, DWORD shareMode, SECURITY_ATTRIBUTES*,
                          DWORD creation, DWORD, HANDLE templateFile) {
  bool ok = false;
  const int flags = OpenFlags(access, creation, &ok);
  if (!path || !*path || !ok) {
    SetError(kErrorInvalidParameter);
    return INVALID_HANDLE_VALUE;
  }
  const Object* model =
      creation == CREATE_NEW && templateFile ? FindObject(templateFile, ObjectKind::File) : nullptr;
  // O_TRUNC is applied by open() itself; it is held back until the file is known to be a
  // regular file, so that opening a FIFO or device for writing cannot truncate or block.
  const int fd = ::open(path, flags & ~O_TRUNC, model ? 0600 : 0666);
  if (fd < 0) {
    FailErrno();
    return INVALID_HANDLE_VALUE;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    SetError(kErrorAccessDenied);
    return INVALID_HANDLE_VALUE;
  }
  if (!(flags & O_PATH)) {
    const int status = ::fcntl(fd, F_GETFL);
    if (((flags & O_TRUNC) && ::ftruncate(fd, 0) != 0) || status < 0 ||
        ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) {
      FailErrno();
      ::close(fd);
      return INVALID_HANDLE_VALUE;
    }
    if ((access & GENERIC_WRITE) && shareMode == 0 && !LockForWriting(fd)) {
      ::close(fd);
      SetError(kErrorSharingViolation);
      return INVALID_HANDLE_VALUE;
    }
  }
  if (model) TakeTemplate(fd, model->fd);
  auto* file = new Object(ObjectKind::File);
  file->fd = fd;
  HANDLE handle = AddObject(file);
  if (!handle) {
    ::close(fd);
    return INVALID_HANDLE_VALUE;
  }
  SetError(0);
  return handle;
}

BOOL WINAPI ReadFile(HANDLE handle, LPVOID buffer, DWORD toRead, LPDWORD read, void*) {
  if (read) *read = 0;
  Object* file = FindObject(handle, ObjectKind::File);
  if (!file) return Fail(kErrorInvalidHandle);
  if (!buffer && toRead) return Fail(kErrorInvalidParameter);
  // Like ReadFile on a disk file, keep reading until the count or the end of the file.
  DWORD done = 0;
  while (done < toRead) {
    const ssize_t n = ::read(file->fd, static_cast<char*>(buffer) + done, toRead - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      if (read) *read = done;
      return FailErrno();
    }
    if (n == 0) break;
    done += static_cast<DWORD>(n);
  }
  if (read) *read = done;
  return TRUE;
}

BOOL WINAPI WriteFile(HANDLE handle, LPCVOID buffer, DWORD toWrite, LPDWORD written, void*) {
  if (written) *written = 0;
  Object* file = FindObject(handle, ObjectKind::File);
  if (!file) return Fail(kErrorInvalidHandle);
  if (!buffer && toWrite) return Fail(kErrorInvalidParameter);
  DWORD done = 0;
  while (done < toWrite) {
    const ssize_t n = ::write(file->fd, static_cast<const char*>(buffer) + done, toWrite - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (written) *written = done;
      return n < 0 ? FailErrno() : Fail(kErrorDiskFull);
    }
    done += static_cast<DWORD>(n);
  }
  if (written) *written = done;
  return TRUE;
}

BOOL WINAPI FlushFileBuffers(HANDLE handle) {
  Object* file = FindObject(handle, ObjectKind::File);
  if (!file) return Fail(kErrorInvalidHandle);
  if (::fsync(file->fd) != 0) return FailErrno();
  return TRUE;
}

BOOL WINAPI CloseHandle(HANDLE handle) {
  if (!FindObject(handle, ObjectKind::File) && !FindObject(handle, ObjectKind::Process))
    return Fail(kErrorInvalidHandle);
  Object* object = RemoveObject(handle);
  int result = 0, error = 0;
  if (object->fd >= 0) {
    // close() can report a write that failed late (a full disk on some file systems); the
    // descriptor is released either way.
    result = ::close(object->fd);
    error = errno;
  }
  delete object;
  if (result != 0 && error != EINTR) return Fail(FromErrno(error));
  return TRUE;
}

BOOL WINAPI DeleteFileA(LPCSTR path) {
  if (!path) return Fail(kErrorInvalidParameter);
  struct stat named {};
  if (::lstat(path, &named) != 0) return FailErrno();
  if (S_ISDIR(named.st_mode)) return Fail(kErrorAccessDenied);
  // A file held open for writing with share mode 0 is in use. The check holds the file open
  // through the unlink and makes sure that the name still means the file that was checked.
  const int fd = ::open(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0) {
    struct stat opened {};
    const bool same =
        ::fstat(fd, &opened) == 0 && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
    if (!same || HeldForWriting(fd)) {
      ::close(fd);
      return Fail(kErrorSharingViolation);
    }
  }
  const int result = ::unlink(path);
  const int error = errno;
  if (fd >= 0) ::close(fd);
  if (result != 0) return Fail(FromErrno(error));
  return TRUE;
}
