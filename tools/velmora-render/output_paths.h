// The outputs of a run, checked as a whole before anything is read or written.
#pragma once

#include <string>
#include <vector>

#include "options.h"

// Fills *outputs with the path each pair's picture goes to (".bmp" added to a name without any
// dot, as the program does). Returns false with a one-line *error when an output is empty, too
// long for the program, names a folder, is one of the run's inputs (also through a link), or
// is the output of two pairs.
bool ResolveOutputPaths(const RenderOptions& options, std::vector<std::string>* outputs,
                        std::string* error);
