#include "files/whole_file.h"

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
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
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
  // A temporary file beside the target, so that the rename stays within one file system.
  const std::string folder = FolderOf(path);
  std::string temp(folder.size() + 16, '\0');
  if (GetTempFileNameA(folder.c_str(), ".vm", 0, temp.data()) == 0) return 0;

  if (FillFile(temp.c_str(), buffer, count) &&
      MoveFileExA(temp.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return 1;
  DeleteFileA(temp.c_str());
  return 0;
}
