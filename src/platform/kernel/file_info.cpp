// kernel32 file attributes and names on POSIX: GetFileAttributesA, GetFileInformationByHandle
// and GetFinalPathNameByHandleA (FILE_NAME_NORMALIZED | VOLUME_NAME_DOS: the path as the
// kernel knows it, all symbolic links resolved).
//
// FILE_ATTRIBUTE_READONLY stands for "this process may not write to the file": its write
// permission for our user (owner, group or others, by the permission bits), or for root, which
// may write anything, a file with no write bit at all, as Windows' read-only attribute stops
// every user. A read-only file system makes every file read-only too. A symbolic link, which
// GetFileAttributesA does not follow, is a reparse point. Of the rest of a file's record only
// the size and the number of links are filled in; the times, the volume and the file index stay
// 0, as nothing here reads them.
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/kernel/kernel_objects.h"

using namespace kernel;

namespace {

bool InOurGroups(gid_t group) {
  if (group == ::getegid()) return true;
  const int count = ::getgroups(0, nullptr);
  if (count <= 0) return false;
  std::vector<gid_t> groups(static_cast<std::size_t>(count));
  const int n = ::getgroups(count, groups.data());
  for (int i = 0; i < n; ++i)
    if (groups[static_cast<std::size_t>(i)] == group) return true;
  return false;
}

bool NotWritableByUs(const struct stat& info) {
  if (::geteuid() == 0) return (info.st_mode & 0222) == 0;
  if (info.st_uid == ::geteuid()) return !(info.st_mode & S_IWUSR);
  if (InOurGroups(info.st_gid)) return !(info.st_mode & S_IWGRP);
  return !(info.st_mode & S_IWOTH);
}

DWORD AttributesOf(const struct stat& info, bool readOnlyFileSystem) {
  DWORD attributes = 0;
  if (S_ISDIR(info.st_mode)) attributes |= FILE_ATTRIBUTE_DIRECTORY;
  if (S_ISLNK(info.st_mode)) attributes |= FILE_ATTRIBUTE_REPARSE_POINT;
  if (!S_ISLNK(info.st_mode) && (readOnlyFileSystem || NotWritableByUs(info)))
    attributes |= FILE_ATTRIBUTE_READONLY;
  return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

}  // namespace

namespace kernel {

void FillFindData(const struct stat& info, bool readOnlyFileSystem, WIN32_FIND_DATAA* out) {
  out->dwFileAttributes = AttributesOf(info, readOnlyFileSystem);
  out->nFileSizeHigh = static_cast<DWORD>(static_cast<std::uint64_t>(info.st_size) >> 32);
  out->nFileSizeLow = static_cast<DWORD>(info.st_size);
}

}  // namespace kernel

DWORD WINAPI GetFileAttributesA(LPCSTR path) {
  struct stat info {};
  if (!path || ::lstat(path, &info) != 0) {
    if (path)
      FailErrno();
    else
      SetError(kErrorInvalidParameter);
    return INVALID_FILE_ATTRIBUTES;
  }
  struct statvfs volume {};
  const bool readOnly = ::statvfs(path, &volume) == 0 && (volume.f_flag & ST_RDONLY);
  SetError(0);
  return AttributesOf(info, readOnly);
}

BOOL WINAPI GetFileInformationByHandle(HANDLE handle, BY_HANDLE_FILE_INFORMATION* out) {
  Object* file = FindObject(handle, ObjectKind::File);
  if (!file) return Fail(kErrorInvalidHandle);
  if (!out) return Fail(kErrorInvalidParameter);
  struct stat info {};
  if (::fstat(file->fd, &info) != 0) return FailErrno();
  struct statvfs volume {};
  const bool readOnly = ::fstatvfs(file->fd, &volume) == 0 && (volume.f_flag & ST_RDONLY);
  *out = {};
  out->dwFileAttributes = AttributesOf(info, readOnly);
  out->nFileSizeHigh = static_cast<DWORD>(static_cast<std::uint64_t>(info.st_size) >> 32);
  out->nFileSizeLow = static_cast<DWORD>(info.st_size);
  out->nNumberOfLinks = static_cast<DWORD>(info.st_nlink);
  return TRUE;
}

// Returns the length without the zero, or the size needed (zero included) when the buffer is
// too small, or 0 on failure, as on Windows.
DWORD WINAPI GetFinalPathNameByHandleA(HANDLE handle, LPSTR path, DWORD size, DWORD flags) {
  Object* file = FindObject(handle, ObjectKind::File);
  if (!file) return Fail(kErrorInvalidHandle);
  if (flags != (FILE_NAME_NORMALIZED | VOLUME_NAME_DOS)) return Fail(kErrorInvalidParameter);
  const std::string link = "/proc/self/fd/" + std::to_string(file->fd);
  std::vector<char> name(4096);
  const ssize_t n = ::readlink(link.c_str(), name.data(), name.size());
  // A name that does not start at the root is no path (a deleted file's " (deleted)" still
  // starts with '/', but an unlinked file has no name to go back to).
  if (n <= 0 || static_cast<std::size_t>(n) >= name.size() || name[0] != '/') {
    if (n < 0) return FailErrno();
    return Fail(kErrorFileNotFound);
  }
  struct stat byName {
  }, byHandle{};
  name[static_cast<std::size_t>(n)] = '\0';
  if (::stat(name.data(), &byName) != 0 || ::fstat(file->fd, &byHandle) != 0 ||
      byName.st_dev != byHandle.st_dev || byName.st_ino != byHandle.st_ino)
    return Fail(kErrorFileNotFound);
  const DWORD length = static_cast<DWORD>(n);
  if (!path || size <= length) {
    SetError(kErrorInsufficientBuffer);
    return length + 1;
  }
  std::memcpy(path, name.data(), length + 1);
  SetError(0);
  return length;
}
