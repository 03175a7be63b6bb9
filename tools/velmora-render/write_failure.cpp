#include "write_failure.h"

#include <limits.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include "platform/path_names.h"
#include "quoted.h"

namespace {

// A file the user may not change: no write permission for this process, or, for root, whom
// permissions do not stop, no write bit at all (as Windows' read-only attribute).
bool ReadOnly(const std::string& path, const struct stat& info) {
  return ::access(path.c_str(), W_OK) != 0 || (info.st_mode & 0222) == 0;
}

}  // namespace

std::string DescribeWriteFailure(const std::string& path, off_t pictureBytes) {
  const std::string what = "cannot write " + Quoted(path) + ": ";
  const std::string folder = FolderOf(path);
  const std::string name = NameOf(path);
  if (path.size() >= PATH_MAX)
    return what + "the path is " + std::to_string(path.size()) + " bytes, longer than the " +
           std::to_string(PATH_MAX - 1) + " the system allows; use a shorter path";
  struct stat info {};
  if (::stat(folder.c_str(), &info) != 0)
    return what + "folder " + Quoted(folder) + " does not exist; create it first";
  if (!S_ISDIR(info.st_mode)) return what + Quoted(folder) + " is not a folder";
  const long nameMax = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  if (nameMax > 0 && static_cast<long>(name.size()) > nameMax)
    return what + "the file name is " + std::to_string(name.size()) + " bytes, longer than the " +
           std::to_string(nameMax) + " its file system allows; use a shorter name";
  struct statvfs volume {};
  const bool volumeKnown = ::statvfs(folder.c_str(), &volume) == 0;
  if (volumeKnown && (volume.f_flag & ST_RDONLY))
    return what + "its folder is on a read-only file system; write it somewhere else";
  struct stat target {};
  struct stat entry {};
  if (::lstat(path.c_str(), &entry) == 0 && S_ISLNK(entry.st_mode) &&
      ::stat(path.c_str(), &target) != 0)
    return what + "it is a link to a file that does not exist; the link was left as it was";
  if (::stat(path.c_str(), &target) == 0) {
    if (S_ISDIR(target.st_mode)) return what + "it is a folder; give a file name";
    if (!S_ISREG(target.st_mode))
      return what + "it is not a regular file (a device or a pipe); give a file name";
    if (ReadOnly(path, target))
      return what + "the file is read-only; it was left as it was (make it writable first)";
    // A save puts a new file in place, which would leave the file's other names on the old
    // picture; it refuses instead.
    if (target.st_nlink > 1)
      return what + "the file has " + std::to_string(target.st_nlink) +
             " names (hard links); it was left as it was (remove the other names first)";
  }
  if (::access(folder.c_str(), W_OK | X_OK) != 0)
    return what + "folder " + Quoted(folder) + " is not writable; nothing was written";
  if (volumeKnown && static_cast<unsigned long long>(volume.f_bavail) * volume.f_frsize <
                         static_cast<unsigned long long>(pictureBytes) * 2)
    return what + "the disk is full; free some space (nothing was written)";
  return what +
         "the file system refused the write (a file size limit, or a disk that filled "
         "meanwhile); nothing was written";
}
