// One run of the real program on the headless backend, played as a user would play it.
#pragma once

#include <string>
#include <vector>

#include "options.h"

// Starts the program, opens the input through its open command, sets the options and the dot
// colour, renders at the seed's second, saves the picture through its save command under
// options.output, and closes the window. Returns true when every step took effect; false with
// *error when the program did not end up in the state the options ask for (the input changed
// after it was checked, for instance).
bool RunRenderSession(const RenderOptions& options, const std::vector<unsigned char>& levels,
                      std::string* error);
