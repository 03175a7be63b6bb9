#include "files/whole_file.h"

#include <algorithm>
#include <string>

int ReadWholeFile(const char* path, void* buffer, DWORD count) {
  HANDLE file =
      CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 0;
  DWORD read = 0;
  // The success flag is not needed: only the number of bytes delivered counts.
  ReadFile(file, buffer, count, &read, nullptr);
  CloseHandle(file);
  return read == count ? 1 : 0;
}

namespace {

// The folder that will hold path: everything before its last slash ("/" for a file in the
// root, "." for a bare name).
std::string FolderOf(const std::string& path) {
#ifdef _WIN32
  // Windows separates with "\" as well, and a root keeps its separator ("C:\" is the root,
  // "C:" the current folder of drive C). Byte 0x5C never occurs inside a multi-byte UTF-8
  // character, so no name is cut in the middle.
  const std::size_t separator = path.find_last_of("\\/");
  if (separator == std::string::npos)
    return path.size() >= 2 && path[1] == ':' ? path.substr(0, 2) : ".";
  return path.substr(0, separator + 1);
#else
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
#endif
}

// Writes, flushes and closes; 1 only when all of it worked.
int FillFile(const char* path, const void* buffer, DWORD count) {
  HANDLE file =
      CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 0;
  DWORD written = 0;
  const BOOL wrote = WriteFile(file, buffer, count, &written, nullptr);
  const BOOL flushed = FlushFileBuffers(file);
  const BOOL closed = CloseHandle(file);
  return wrote && written == count && flushed && closed ? 1 : 0;
}

}  // namespace

int WriteWholeFile(const char* path, const void* buffer, DWORD count) {
  if (!path || !*path) return 0;
#ifdef _WIN32
  // A read-only file is refused before anything is written. Windows's MoveFileEx would refuse
  // to replace it anyway, but not every implementation does (Wine's replaces it).
  const DWORD attributes = GetFileAttributesA(path);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return 0;
#endif
  // A temporary file beside the target, so that the rename stays within one file system.
  const std::string folder = FolderOf(path);
  // Windows wants room for MAX_PATH bytes whatever the name's length.
  std::string temp(std::max<std::size_t>(folder.size() + 16, MAX_PATH), '\0');
  if (GetTempFileNameA(folder.c_str(), ".vm", 0, temp.data()) == 0) return 0;

  if (FillFile(temp.c_str(), buffer, count) &&
      MoveFileExA(temp.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return 1;
  DeleteFileA(temp.c_str());
  return 0;
}
