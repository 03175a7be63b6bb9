// Checking the input before the program runs: the same acceptance rule as the program's open
// command (at least 1200 bytes, the first 1200 all depth levels 0..7), with a message that says
// which rule the file breaks.
#pragma once

#include <string>
#include <vector>

// Returns true with the 1200 levels in *levels, or false with a one-line *error.
bool CheckDepthDataInput(const std::string& path, std::vector<unsigned char>* levels,
                         std::string* error);
