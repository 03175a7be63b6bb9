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

// A file that another save renamed a new file over while we looked at it has no name left; its
// successor under the same name is the one to look at.
constexpr int kLookups = 8;

int LookAtSaveTarget(const char* path, SaveTarget* target, bool* replacedMeanwhile) {
  *target = SaveTarget();
  *replacedMeanwhile = false;
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
  // The name first, then the count of names: a file that still had a name after we took it
  // was the file under that name.
  std::string final = FinalPathOf(file);
  BY_HANDLE_FILE_INFORMATION info{};
  const bool known = GetFileInformationByHandle(file, &info);
  if (known && info.nNumberOfLinks == 0) {
    CloseHandle(file);
    *replacedMeanwhile = true;
    return 0;
  }
  const bool writable =
      known && !(info.dwFileAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) &&
      info.nNumberOfLinks == 1;
  if (!writable || final.empty()) {
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

}  // namespace

int FindSaveTarget(const char* path, SaveTarget* target) {
  bool replacedMeanwhile = true;
  for (int lookup = 0; lookup < kLookups && replacedMeanwhile; ++lookup)
    if (LookAtSaveTarget(path, target, &replacedMeanwhile)) return 1;
  return 0;
}
