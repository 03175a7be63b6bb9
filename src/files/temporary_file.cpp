#include "files/temporary_file.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr char kPrefix[] = ".~vm";
// The folder may come from GetFinalPathNameByHandleA, which gives a "\\?\" path on Windows;
// such a path takes no forward slashes.
#ifdef _WIN32
constexpr char kSeparator[] = "\\";
#else
constexpr char kSeparator[] = "/";
#endif
constexpr char kSuffix[] = ".tmp";
constexpr int kAttempts = 100;

// The process that wrote a temporary file, read from its name.
bool OwnerOf(const char* name, DWORD* process) {
  const std::size_t prefix = sizeof kPrefix - 1;
  if (std::strncmp(name, kPrefix, prefix) != 0 || std::strlen(name) < prefix + 9 ||
      name[prefix + 8] != '-')
    return false;
  char digits[9];
  std::memcpy(digits, name + prefix, 8);
  digits[8] = '\0';
  char* end = nullptr;
  const unsigned long value = std::strtoul(digits, &end, 16);
  if (end != digits + 8) return false;
  *process = static_cast<DWORD>(value);
  return true;
}

bool StillRuns(DWORD process) {
  HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
  // A process that we may not query (another user's) exists all the same.
  if (!handle) return GetLastError() != ERROR_INVALID_PARAMETER;
  DWORD code = 0;
  const bool runs = !GetExitCodeProcess(handle, &code) || code == STILL_ACTIVE;
  CloseHandle(handle);
  return runs;
}

// The folder's path with a separator at its end (a root such as "/" has one already).
std::string WithSeparator(const std::string& folder) {
  if (!folder.empty() && (folder.back() == '/' || folder.back() == kSeparator[0])) return folder;
  return folder + kSeparator;
}

}  // namespace

std::string TemporaryPath(const std::string& folder, DWORD process, unsigned serial) {
  char name[64];
  std::snprintf(name, sizeof name, "%s%08lX-%u%s", kPrefix, static_cast<unsigned long>(process),
                serial, kSuffix);
  return WithSeparator(folder) + name;
}

HANDLE CreateTemporaryFile(const std::string& folder, HANDLE model, std::string* path) {
  static unsigned serial = 0;
  const HANDLE templateFile = model == INVALID_HANDLE_VALUE ? nullptr : model;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    *path = TemporaryPath(folder, GetCurrentProcessId(), serial++);
    // Share mode 0 marks the file as in use until it is closed.
    HANDLE file = CreateFileA(path->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, templateFile);
    if (file != INVALID_HANDLE_VALUE) return file;
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
  }
  path->clear();
  return INVALID_HANDLE_VALUE;
}

void RemoveAbandonedTemporaryFiles(const std::string& folder) {
  WIN32_FIND_DATAA found{};
  const std::string pattern = WithSeparator(folder) + kPrefix + "*" + kSuffix;
  HANDLE search = FindFirstFileA(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    DWORD process = 0;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    if (!OwnerOf(found.cFileName, &process)) continue;
    // Our own process runs one save at a time, so a file with our number is a leftover of an
    // earlier process that had the same number.
    if (process != GetCurrentProcessId() && StillRuns(process)) continue;
    DeleteFileA((WithSeparator(folder) + found.cFileName).c_str());
  } while (FindNextFileA(search, &found));
  FindClose(search);
}
