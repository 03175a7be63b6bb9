#include "input_check.h"

#include <errno.h>
#include <sys/stat.h>

#include <cstring>

#include "editor/cell_grid.h"
#include "files/depth_data_file.h"
#include "files/whole_file.h"
#include "quoted.h"

bool CheckDepthDataInput(const std::string& path, std::vector<unsigned char>* levels,
                         std::string* error) {
  const std::string name = "input " + Quoted(path);
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    *error = errno == ENOENT ? name + " does not exist; give the path of a depth data file (.dat)"
                             : name + " cannot be reached (" + std::strerror(errno) +
                                   "); check the path and its folders' permissions";
    return false;
  }
  if (!S_ISREG(info.st_mode)) {
    *error = name + " is not a regular file; give the path of a depth data file (.dat)";
    return false;
  }
  if (info.st_size < kDepthDataBytes) {
    *error = name + " has " + std::to_string(info.st_size) + " bytes; a depth data file has " +
             std::to_string(kDepthDataBytes) +
             " (one per cell); it is incomplete or not a depth data file";
    return false;
  }
  // The program's own reader decides, so that both accept exactly the same files.
  levels->assign(kDepthDataBytes, 0);
  if (!ReadWholeFile(path.c_str(), levels->data(), kDepthDataBytes)) {
    *error = name + " cannot be read; check its permissions";
    return false;
  }
  if (!IsDepthData(levels->data(), levels->size())) {
    std::size_t at = 0;
    while ((*levels)[at] < 8) ++at;
    *error = name + " is not a depth data file: byte " + std::to_string(at) + " (cell column " +
             std::to_string(at % kGridColumns) + ", row " + std::to_string(at / kGridColumns) +
             ") is " + std::to_string((*levels)[at]) + ", but levels are 0..7";
    return false;
  }
  return true;
}
