#include "files/whole_file.h"

#include <string>

#include "files/save_target.h"
#include "files/temporary_file.h"
#include "platform/path_names.h"

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

// Writes and flushes; 1 only when every byte is on disk.
int Fill(HANDLE file, const void* buffer, DWORD count) {
  DWORD written = 0;
  const BOOL wrote = WriteFile(file, buffer, count, &written, nullptr);
  return wrote && written == count && FlushFileBuffers(file) ? 1 : 0;
}

}  // namespace

int WriteWholeFile(const char* path, const void* buffer, DWORD count) {
  if (!path || !*path) return 0;
  SaveTarget target;
  if (!FindSaveTarget(path, &target)) return 0;
  // The temporary file lies beside the file it replaces, so that the rename stays within one
  // file system and the folder's own permissions apply to both.
  const std::string folder = FolderOf(target.path);
  RemoveAbandonedTemporaryFiles(folder);
  std::string temp;
  HANDLE file = CreateTemporaryFile(folder, target.model, &temp);
  if (target.model != INVALID_HANDLE_VALUE) CloseHandle(target.model);
  if (file == INVALID_HANDLE_VALUE) return 0;

  const int filled = Fill(file, buffer, count);
  const BOOL closed = CloseHandle(file);
  // An existing file is replaced keeping its owner, group and mode; a new name is taken only
  // while it is still free, so that a file made there meanwhile is not lost.
  if (filled && closed &&
      (target.exists ? ReplaceFileA(target.path.c_str(), temp.c_str(), nullptr, 0, nullptr, nullptr)
                     : MoveFileExA(temp.c_str(), target.path.c_str(), MOVEFILE_WRITE_THROUGH)))
    return 1;
  DeleteFileA(temp.c_str());
  return 0;
}
