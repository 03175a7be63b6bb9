// Why a picture could not be written, for the message. The program itself reports nothing, so
// the cause is found by looking at the target, its folder and its file system afterwards.
#pragma once

#include <sys/types.h>
#include <string>

// One line naming the cause (missing folder, file name too long, read-only file, folder or
// file system, a full disk, ...) and what to do about it.
std::string DescribeWriteFailure(const std::string& path, off_t pictureBytes);
