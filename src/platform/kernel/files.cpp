// kernel32 files on POSIX, shared by both backends.
//
// Implements: CreateFileA (GENERIC_READ / GENERIC_WRITE with CREATE_NEW, CREATE_ALWAYS,
// OPEN_EXISTING, OPEN_ALWAYS, TRUNCATE_EXISTING), synchronous ReadFile and WriteFile,
// FlushFileBuffers, CloseHandle, DeleteFileA, MoveFileExA (MOVEFILE_REPLACE_EXISTING,
// MOVEFILE_WRITE_THROUGH), GetTempFileNameA, and GetLastError with the Win32 codes below.
// Does not implement: sharing modes (Linux has no mandatory locks, so share mode 0 does not keep
// other programs out), security attributes, templates, overlapped transfers. Only regular files
// can be opened: a directory fails as on Windows, and a FIFO or device, which could block the
// one thread or never end, fails too.
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/kernel/replaced_files.h"
#include "platform/win32.h"

namespace {

// Win32 error codes that GetLastError reports.
constexpr DWORD kErrorFileNotFound = 2;
constexpr DWORD kErrorPathNotFound = 3;
constexpr DWORD kErrorTooManyOpenFiles = 4;
constexpr DWORD kErrorAccessDenied = 5;
constexpr DWORD kErrorInvalidHandle = 6;
constexpr DWORD kErrorNotEnoughMemory = 8;
constexpr DWORD kErrorWriteProtect = 19;
constexpr DWORD kErrorGenFailure = 31;
constexpr DWORD kErrorFileExists = 80;
constexpr DWORD kErrorInvalidParameter = 87;
constexpr DWORD kErrorDiskFull = 112;
constexpr DWORD kErrorFilenameExcedRange = 206;

thread_local DWORD lastError = 0;

DWORD FromErrno(int error) {
  switch (error) {
    case ENOENT:
      return kErrorFileNotFound;
    case ENOTDIR:
      return kErrorPathNotFound;
    case EMFILE:
    case ENFILE:
      return kErrorTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EISDIR:
      return kErrorAccessDenied;
    case EBADF:
      return kErrorInvalidHandle;
    case ENOMEM:
      return kErrorNotEnoughMemory;
    case EROFS:
      return kErrorWriteProtect;
    case EEXIST:
      return kErrorFileExists;
    case EINVAL:
      return kErrorInvalidParameter;
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
      return kErrorDiskFull;
    case ENAMETOOLONG:
      return kErrorFilenameExcedRange;
    default:
      return kErrorGenFailure;
  }
}

BOOL Fail(DWORD error) {
  lastError = error;
  return FALSE;
}
BOOL FailErrno() { return Fail(FromErrno(errno)); }

// A file handle: the descriptor behind a magic number, so that a stray pointer or a handle of
// another kind is refused instead of being used.
struct FileHandle {
  static constexpr std::uint32_t kMagic = 0x46494C45;  // "FILE"
  std::uint32_t magic = kMagic;
  int fd = -1;
};

FileHandle* ToFile(HANDLE handle) {
  if (!handle || handle == INVALID_HANDLE_VALUE) return nullptr;
  auto* file = static_cast<FileHandle*>(handle);
  return file->magic == FileHandle::kMagic ? file : nullptr;
}

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
  else
    *ok = false;
  switch (creation) {
    case CREATE_NEW:
      return flags | O_CREAT | O_EXCL;
    case CREATE_ALWAYS:
      return flags | O_CREAT | O_TRUNC;
    case OPEN_EXISTING:
      return flags;
    case 4:  // OPEN_ALWAYS
      return flags | O_CREAT;
    case 5:  // TRUNCATE_EXISTING
      return flags | O_TRUNC;
    default:
      *ok = false;
      return flags;
  }
}

}  // namespace

HANDLE WINAPI CreateFileA(LPCSTR path, DWORD access, DWORD, SECURITY_ATTRIBUTES*, DWORD creation,
                          DWORD, HANDLE) {
  bool ok = false;
  const int flags = OpenFlags(access, creation, &ok);
  if (!path || !*path || !ok) {
    lastError = kErrorInvalidParameter;
    return INVALID_HANDLE_VALUE;
  }
  // O_TRUNC is applied by open() itself; it is held back until the file is known to be a
  // regular file, so that opening a FIFO or device for writing cannot truncate or block.
  const int fd = ::open(path, flags & ~O_TRUNC, 0666);
  if (fd < 0) {
    FailErrno();
    return INVALID_HANDLE_VALUE;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    lastError = kErrorAccessDenied;
    return INVALID_HANDLE_VALUE;
  }
  const int status = ::fcntl(fd, F_GETFL);
  if (((flags & O_TRUNC) && ::ftruncate(fd, 0) != 0) || status < 0 ||
      ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) {
    FailErrno();
    ::close(fd);
    return INVALID_HANDLE_VALUE;
  }
  auto* file = new FileHandle;
  file->fd = fd;
  lastError = 0;
  return file;
}

BOOL WINAPI ReadFile(HANDLE handle, LPVOID buffer, DWORD toRead, LPDWORD read, void*) {
  if (read) *read = 0;
  FileHandle* file = ToFile(handle);
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
  FileHandle* file = ToFile(handle);
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
  FileHandle* file = ToFile(handle);
  if (!file) return Fail(kErrorInvalidHandle);
  if (::fsync(file->fd) != 0) return FailErrno();
  return TRUE;
}

BOOL WINAPI CloseHandle(HANDLE handle) {
  FileHandle* file = ToFile(handle);
  if (!file) return Fail(kErrorInvalidHandle);
  // close() can report a write that failed late (a full disk on some file systems); the
  // descriptor is released either way.
  const int result = ::close(file->fd);
  const int error = errno;
  file->magic = 0;
  delete file;
  if (result != 0 && error != EINTR) return Fail(FromErrno(error));
  return TRUE;
}

BOOL WINAPI DeleteFileA(LPCSTR path) {
  if (!path) return Fail(kErrorInvalidParameter);
  struct stat info {};
  if (::lstat(path, &info) == 0 && S_ISDIR(info.st_mode)) return Fail(kErrorAccessDenied);
  if (::unlink(path) != 0) return FailErrno();
  return TRUE;
}

BOOL WINAPI MoveFileExA(LPCSTR existing, LPCSTR replacement, DWORD flags) {
  if (!existing || !replacement) return Fail(kErrorInvalidParameter);
  // rename() would replace an empty directory with a file; Windows refuses that.
  struct stat target {};
  if (::stat(replacement, &target) == 0 && S_ISDIR(target.st_mode)) return Fail(kErrorAccessDenied);
  const int result = (flags & MOVEFILE_REPLACE_EXISTING)
                         ? ::rename(existing, replacement)
                         : ::renameat2(AT_FDCWD, existing, AT_FDCWD, replacement, RENAME_NOREPLACE);
  if (result != 0) return Fail(errno == EEXIST ? 183 /* ERROR_ALREADY_EXISTS */ : FromErrno(errno));
  kernel::NoteFileReplaced();
  if (flags & MOVEFILE_WRITE_THROUGH) {
    // The new name is durable once the folder that holds it is on disk.
    const std::string path(replacement);
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string(".")
                               : slash == 0               ? std::string("/")
                                                          : path.substr(0, slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
      ::fsync(fd);
      ::close(fd);
    }
  }
  return TRUE;
}

// Makes "<folder>/<up to 3 bytes of prefix><4 hex digits>.TMP". With unique 0 the name is
// chosen so that no file of that name exists, and the file is created (empty) before it is
// returned, so that nobody else can take it. tempPath must hold the folder, a slash, 3 + 4
// bytes of name, ".TMP" and the zero: strlen(folder) + 13 bytes. There is no other length
// limit, as Linux paths have none of 260 bytes.
UINT WINAPI GetTempFileNameA(LPCSTR folder, LPCSTR prefix, UINT unique, LPSTR tempPath) {
  if (!folder || !tempPath) {
    lastError = kErrorInvalidParameter;
    return 0;
  }
  std::string base(*folder ? folder : ".");
  if (base.back() != '/') base.push_back('/');
  if (prefix) base.append(prefix, ::strnlen(prefix, 3));

  auto nameFor = [&](UINT number) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04X", number & 0xFFFF);
    std::string name = base;
    name.append(digits, 4);
    name.append(".TMP", 4);
    return name;
  };

  if (unique != 0) {
    const std::string name = nameFor(unique);
    std::memcpy(tempPath, name.c_str(), name.size() + 1);
    return unique & 0xFFFF;
  }

  // Start from a number that differs between processes and calls, then probe upwards.
  static UINT counter = 0;
  struct timespec now {};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  UINT start = static_cast<UINT>(::getpid()) * 2654435761u ^ static_cast<UINT>(now.tv_nsec) ^
               (++counter * 40503u);
  for (UINT i = 0; i < 0xFFFF; ++i) {
    const UINT number = ((start + i) % 0xFFFF) + 1;  // 1..0xFFFF; 0 means failure
    const std::string name = nameFor(number);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      ::close(fd);
      std::memcpy(tempPath, name.c_str(), name.size() + 1);
      lastError = 0;
      return number;
    }
    if (errno != EEXIST) {
      FailErrno();
      return 0;
    }
  }
  lastError = kErrorFileExists;
  return 0;
}

DWORD WINAPI GetLastError() { return lastError; }
