// What the kernel32 functions of this folder share: their handles (open files, folder searches,
// processes) in one handle table, the last-error value and the errno translation.
#pragma once

#include <dirent.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <string>

#include "platform/path_names.h"
#include "platform/win32.h"

namespace kernel {

// Win32 error codes that GetLastError reports.
constexpr DWORD kErrorFileNotFound = 2;
constexpr DWORD kErrorTooManyOpenFiles = 4;
constexpr DWORD kErrorAccessDenied = 5;
constexpr DWORD kErrorInvalidHandle = 6;
constexpr DWORD kErrorNoMoreFiles = 18;
constexpr DWORD kErrorGenFailure = 31;
constexpr DWORD kErrorSharingViolation = 32;
constexpr DWORD kErrorFileExists = 80;
constexpr DWORD kErrorInvalidParameter = 87;
constexpr DWORD kErrorDiskFull = 112;
constexpr DWORD kErrorInsufficientBuffer = 122;
constexpr DWORD kErrorAlreadyExists = 183;
constexpr DWORD kErrorUnableToMoveReplacement = 1176;

enum class ObjectKind { File, Search, Process };

struct Object {
  explicit Object(ObjectKind k) : kind(k) {}
  ObjectKind kind;
  int fd = -1;            // File
  DIR* folder = nullptr;  // Search: the open folder
  std::string pattern;    // Search: the name pattern, '*' and '?' as wildcards
  pid_t process = 0;      // Process
};

// A handle for a new object (the table owns it from now on), or null when the table is full.
HANDLE AddObject(Object* object);
// The live object of that kind behind a handle, or null.
Object* FindObject(HANDLE handle, ObjectKind kind);
// Takes the object out of the table; null when the handle is not live. The caller frees it.
Object* RemoveObject(HANDLE handle);

DWORD FromErrno(int error);
// A folder entry as FindFirstFileA and FindNextFileA report it, from its stat record.
void FillFindData(const struct stat& info, bool readOnlyFileSystem, WIN32_FIND_DATAA* out);
void SetError(DWORD error);
BOOL Fail(DWORD error);
BOOL FailErrno();

// Flushes a folder so that a name just added to it survives a crash. Returns 0, or the errno of
// the failed fsync. A folder that this process may not open for reading cannot be flushed by
// it; that is not counted as a failure.
int SyncFolder(const std::string& folder);

}  // namespace kernel
