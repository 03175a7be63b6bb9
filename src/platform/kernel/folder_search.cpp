// kernel32 folder searches on POSIX: FindFirstFileA, FindNextFileA and FindClose.
//
// The pattern is the last part of the path; '*' and '?' are its wildcards, matched without
// regard to case as on Windows. Names of MAX_PATH bytes or more do not fit the search record
// and are skipped; there is no short (8.3) name.
#include <errno.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

#include <cstring>
#include <string>

#include "platform/kernel/kernel_objects.h"

using namespace kernel;

namespace {

// The next entry of the search that matches, or false at the end.
bool NextMatch(Object* search, WIN32_FIND_DATAA* out) {
  struct statvfs volume {};
  const bool readOnly =
      ::fstatvfs(::dirfd(search->folder), &volume) == 0 && (volume.f_flag & ST_RDONLY);
  errno = 0;
  while (const dirent* entry = ::readdir(search->folder)) {
    const std::size_t length = std::strlen(entry->d_name);
    if (length >= MAX_PATH) continue;
    if (::fnmatch(search->pattern.c_str(), entry->d_name, FNM_CASEFOLD) != 0) continue;
    struct stat info {};
    if (::fstatat(::dirfd(search->folder), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
      continue;  // gone meanwhile
    *out = {};
    FillFindData(info, readOnly, out);
    std::memcpy(out->cFileName, entry->d_name, length + 1);
    return true;
  }
  return false;
}

}  // namespace

HANDLE WINAPI FindFirstFileA(LPCSTR path, WIN32_FIND_DATAA* out) {
  if (!path || !out) {
    SetError(kErrorInvalidParameter);
    return INVALID_HANDLE_VALUE;
  }
  const std::string full(path);
  const std::string pattern = NameOf(full);
  DIR* folder = ::opendir(FolderOf(full).c_str());
  if (!folder) {
    FailErrno();
    return INVALID_HANDLE_VALUE;
  }
  auto* search = new Object(ObjectKind::Search);
  search->folder = folder;
  search->pattern = pattern;
  if (!NextMatch(search, out)) {
    ::closedir(folder);
    delete search;
    SetError(kErrorFileNotFound);
    return INVALID_HANDLE_VALUE;
  }
  HANDLE handle = AddObject(search);
  if (!handle) {
    ::closedir(folder);
    return INVALID_HANDLE_VALUE;
  }
  return handle;
}

BOOL WINAPI FindNextFileA(HANDLE handle, WIN32_FIND_DATAA* out) {
  Object* search = FindObject(handle, ObjectKind::Search);
  if (!search) return Fail(kErrorInvalidHandle);
  if (!out) return Fail(kErrorInvalidParameter);
  if (!NextMatch(search, out)) return Fail(kErrorNoMoreFiles);
  return TRUE;
}

BOOL WINAPI FindClose(HANDLE handle) {
  if (!FindObject(handle, ObjectKind::Search)) return Fail(kErrorInvalidHandle);
  Object* search = RemoveObject(handle);
  ::closedir(search->folder);
  delete search;
  return TRUE;
}
