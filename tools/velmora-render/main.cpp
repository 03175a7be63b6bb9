// velmora-render: a depth data file in, the stereogram as a bitmap file out, no display needed.
// It runs the program itself on the headless backend, so the file is byte for byte the one the
// desktop program saves for the same grid, options and second.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "files/file_chooser.h"
#include "input_check.h"
#include "options.h"
#include "session.h"

namespace {

constexpr int kWritten = 0;
constexpr int kNotWritten = 1;
constexpr int kBadRequest = 2;

int Fail(int status, const std::string& message) {
  std::fprintf(stderr, "velmora-render: %s\n", message.c_str());
  return status;
}

struct FileIdentity {
  bool exists = false;
  bool regular = false;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
};

FileIdentity Identify(const std::string& path) {
  FileIdentity id;
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) {
    id = {true, S_ISREG(info.st_mode) != 0, info.st_dev, info.st_ino, info.st_size};
  }
  return id;
}

// Why a write most likely failed, for the message; the program itself reports nothing.
std::string WriteFailure(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "."
                             : slash == 0               ? "/"
                                                        : path.substr(0, slash);
  struct stat info {};
  if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
    return "cannot write '" + path + "': folder '" + folder + "' does not exist; create it first";
  if (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
    return "cannot write '" + path + "': it is a folder; give a file name";
  return "cannot write '" + path +
         "': check that its folder is writable and the disk has room; nothing was written";
}

}  // namespace

int main(int argc, char** argv) {
  // A file-size limit must fail the write, not kill the process halfway.
  ::signal(SIGXFSZ, SIG_IGN);

  RenderOptions options;
  std::string error;
  if (!ParseRenderOptions(argc, argv, &options, &error)) return Fail(kBadRequest, error);
  if (options.help) {
    std::fputs(kRenderUsage, stdout);
    return kWritten;
  }
  std::vector<unsigned char> levels;
  if (!CheckDepthDataInput(options.input, &levels, &error)) return Fail(kBadRequest, error);

  // Where the program will write: it adds ".bmp" to a name without any dot.
  std::vector<char> target(kPathBufferBytes, '\0');
  if (options.output.empty() || options.output.size() + 5 > target.size())
    return Fail(kBadRequest, "the output path is empty or too long; give a shorter OUTPUT.bmp");
  std::memcpy(target.data(), options.output.c_str(), options.output.size());
  AddExtensionIfNoDot(target.data(), target.size(), ".bmp");
  const std::string outputPath = target.data();

  const FileIdentity before = Identify(outputPath);
  if (!RunRenderSession(options, levels, &error)) return Fail(kNotWritten, error);

  // The program replaces files by renaming a complete new file over them, so a write that
  // happened shows as a new file of the picture's size; anything else means it failed.
  const FileIdentity after = Identify(outputPath);
  const off_t expected = options.large ? 1118454 : 721974;
  const bool replaced =
      after.exists && after.regular &&
      (!before.exists || before.device != after.device || before.inode != after.inode);
  if (!replaced) return Fail(kNotWritten, WriteFailure(outputPath));
  if (after.size != expected) {
    ::unlink(outputPath.c_str());
    return Fail(kNotWritten, "the picture written to '" + outputPath +
                                 "' has the wrong size and was removed; this is a fault");
  }
  return kWritten;
}
