// The default-extension rule of the choosers' answers.
#include <gtest/gtest.h>

#include <string>

#include "files/depth_data_file.h"
#include "files/file_chooser.h"

namespace {

std::string Extended(std::string path, std::size_t capacity = kPathBufferBytes) {
  path.resize(std::max(capacity, path.size() + 1));
  AddExtensionIfNoDot(path.data(), capacity, ".dat");
  return path.c_str();
}

TEST(AddExtensionIfNoDot, ADotAnywhereInThePathKeepsItAsTyped) {
  EXPECT_EQ(Extended("/home/ann/grid"), "/home/ann/grid.dat");
  EXPECT_EQ(Extended("grid.txt"), "grid.txt");
  EXPECT_EQ(Extended("/home/my.work/grid"), "/home/my.work/grid");
  EXPECT_EQ(Extended("/home/ann/grid."), "/home/ann/grid.");
  EXPECT_EQ(Extended("abcd", 9), "abcd.dat");
  EXPECT_EQ(Extended("abcde", 9), "abcde") << "no room: left as it is";
}

}  // namespace
