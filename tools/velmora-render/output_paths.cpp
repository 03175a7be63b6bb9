#include "output_paths.h"

#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <cstring>

#include "files/file_chooser.h"
#include "platform/path_names.h"
#include "quoted.h"

namespace {

// What a path names, as far as it can be told before the run: the file (device and inode)
// when it exists, and the path with its folder resolved (links and "..") when that exists.
struct FileKey {
  bool exists = false;
  dev_t device = 0;
  ino_t inode = 0;
  std::string resolved;
};

FileKey KeyOf(const std::string& path) {
  FileKey key;
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) {
    key.exists = true;
    key.device = info.st_dev;
    key.inode = info.st_ino;
  }
  char resolved[PATH_MAX];
  if (::realpath(FolderOf(path).c_str(), resolved))
    key.resolved = std::string(resolved) + "/" + NameOf(path);
  return key;
}

bool SameFile(const FileKey& a, const FileKey& b) {
  if (a.exists && b.exists) return a.device == b.device && a.inode == b.inode;
  return !a.resolved.empty() && a.resolved == b.resolved;
}

}  // namespace

bool ResolveOutputPaths(const RenderOptions& options, std::vector<std::string>* outputs,
                        std::string* error) {
  outputs->clear();
  std::vector<FileKey> inputKeys, outputKeys;
  for (std::size_t pair = 0; pair < options.PairCount(); ++pair) {
    const std::string& given = options.Output(pair);
    const std::string last = NameOf(given);
    if (given.empty()) {
      *error = "an output path is empty; give a file name such as picture.bmp";
      return false;
    }
    if (last.empty() || last == "." || last == "..") {
      *error = "output " + Quoted(given) + " names a folder; give a file name in it, such as " +
               Quoted(given + (given.back() == '/' ? "" : "/") + "picture.bmp");
      return false;
    }
    std::vector<char> target(kPathBufferBytes, '\0');
    if (given.size() + 5 > target.size()) {
      *error = "output " + Quoted(given) + " is " + std::to_string(given.size()) +
               " bytes long; the program takes paths of up to " +
               std::to_string(target.size() - 5) + " bytes";
      return false;
    }
    std::memcpy(target.data(), given.data(), given.size());
    AddExtensionIfNoDot(target.data(), target.size(), ".bmp");
    outputs->push_back(target.data());
    inputKeys.push_back(KeyOf(options.Input(pair)));
    outputKeys.push_back(KeyOf(outputs->back()));
  }
  for (std::size_t i = 0; i < outputKeys.size(); ++i) {
    for (std::size_t j = 0; j < inputKeys.size(); ++j) {
      if (!SameFile(outputKeys[i], inputKeys[j])) continue;
      *error = "output " + Quoted((*outputs)[i]) + " is the input " + Quoted(options.Input(j)) +
               (i == j ? "" : " of another pair") +
               "; writing it would destroy the grid, give another output name";
      return false;
    }
    for (std::size_t j = 0; j < i; ++j) {
      if (!SameFile(outputKeys[i], outputKeys[j])) continue;
      *error = "output " + Quoted((*outputs)[i]) + " is given for two pairs (" +
               std::to_string(j + 1) + " and " + std::to_string(i + 1) +
               "); give each picture a file of its own";
      return false;
    }
  }
  return true;
}
