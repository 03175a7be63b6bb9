// One run of the real program on the headless backend, played as a user would play it.
#pragma once

#include <string>
#include <vector>

#include "options.h"

// One picture to make: the input, the 1200 levels it was checked to hold, and the output.
struct RenderJob {
  std::string input;
  std::vector<unsigned char> levels;
  std::string output;
};

enum class JobResult {
  Written,      // the save renamed this job's complete picture over its output
  NotLoaded,    // the program did not end up holding the checked grid (the input changed)
  NotRendered,  // the render command did not take effect; a fault
  NotWritten,   // the save command ran but put no file in place
  NameTaken,    // the output did not exist when the save began, and another program made a
                // file of that name before this one could take it; that file was left alone
};

// Starts the program once, sets the options, then for each job opens its input through the
// open command, checks the program holds exactly that grid with the options and dot colour
// asked for, renders at the seed's second and saves the picture through the save command; and
// closes the window. The Canvas and the window are made once and serve every job. A job whose
// check fails is skipped; the others go on. Returns one result per job.
std::vector<JobResult> RunRenderSession(const RenderOptions& options,
                                        const std::vector<RenderJob>& jobs);
