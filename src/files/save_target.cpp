#include "files/save_target.h"

#include <vector>

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

HANDLE OpenExisting(const char* path, DWORD access) {
  return CreateFileA(path, access, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

// The path of the file behind the handle, every link resolved; empty on failure.
std::string FinalPathOf(HANDLE file) {
  std::vector<char> path(MAX_PATH);
  for (int attempt = 0; attempt < 2; ++attempt) {
    const DWORD n = GetFinalPathNameByHandleA(file, path.data(), static_cast<DWORD>(path.size()),
                                              FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (n == 0) return {};
    if (n < path.size()) return std::string(path.data(), n);
    path.resize(n);  // n is the size needed
  }
  return {};
}

}  // namespace

int FindSaveTarget(const char* path, SaveTarget* target) {
  *target = SaveTarget();
  HANDLE file = OpenExisting(path, GENERIC_READ);
  const bool readable = file != INVALID_HANDLE_VALUE;
  // A file that we may write but not read still has attributes and a name to look at.
  if (!readable && GetLastError() == ERROR_ACCESS_DENIED) file = OpenExisting(path, 0);
  if (file == INVALID_HANDLE_VALUE) {
    // Nothing of that name, not even a link to a missing file: the save makes a new file.
    if (GetLastError() != ERROR_FILE_NOT_FOUND ||
        GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES)
      return 0;
    target->path = path;
    return 1;
  }
  BY_HANDLE_FILE_INFORMATION info{};
  const bool writable =
      GetFileInformationByHandle(file, &info) &&
      !(info.dwFileAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) &&
      info.nNumberOfLinks == 1;
  std::string final = writable ? FinalPathOf(file) : std::string();
  if (final.empty()) {
    CloseHandle(file);
    return 0;
  }
  target->path = std::move(final);
  target->exists = true;
  if (readable) {
    target->model = file;
  } else {
    CloseHandle(file);
  }
  return 1;
}
