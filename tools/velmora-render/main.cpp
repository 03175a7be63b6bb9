// velmora-render: depth data files in, the stereograms as bitmap files out, no display needed.
// It runs the program itself on the headless backend, so each file is byte for byte the one the
// desktop program saves for the same grid, options and second.
#include <malloc.h>
#include <signal.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "files/bmp_file.h"
#include "input_check.h"
#include "options.h"
#include "output_paths.h"
#include "quoted.h"
#include "render/stereogram.h"
#include "session.h"
#include "write_failure.h"

namespace {

constexpr int kWritten = 0;
constexpr int kNotWritten = 1;
constexpr int kBadRequest = 2;

void Report(const std::string& message) {
  std::fprintf(stderr, "velmora-render: %s\n", message.c_str());
}

int Fail(int status, const std::string& message) {
  Report(message);
  return status;
}

// The help text is the output the user asked for: a failed write of it is an error.
int PrintHelp() {
  errno = 0;
  const bool written =
      std::fputs(kRenderUsage, stdout) >= 0 && std::fflush(stdout) == 0 && !std::ferror(stdout);
  if (written) return kWritten;
  const int error = errno;
  return Fail(kNotWritten, std::string("cannot write the help text to standard output") +
                               (error ? std::string(": ") + std::strerror(error) : ""));
}

}  // namespace

int main(int argc, char** argv) {
  // A file-size limit must fail the write, not kill the process halfway.
  ::signal(SIGXFSZ, SIG_IGN);
  // Each picture's export allocates and frees the same blocks of 0.7 to 1.1 MB. Kept in the
  // heap rather than handed back to the system after every file, they are not faulted in
  // afresh for the next one (a third of the CPU time of a run of many files).
  ::mallopt(M_MMAP_THRESHOLD, 16 << 20);
  ::mallopt(M_TRIM_THRESHOLD, 64 << 20);

  RenderOptions options;
  std::string error;
  if (!ParseRenderOptions(argc, argv, &options, &error)) return Fail(kBadRequest, error);
  if (options.help) return PrintHelp();

  // The whole path list is checked before any file is read or written.
  std::vector<std::string> outputs;
  if (!ResolveOutputPaths(options, &outputs, &error)) return Fail(kBadRequest, error);

  int status = kWritten;
  std::vector<RenderJob> jobs;
  for (std::size_t pair = 0; pair < options.PairCount(); ++pair) {
    RenderJob job{options.Input(pair), {}, outputs[pair]};
    if (!CheckDepthDataInput(job.input, &job.levels, &error)) {
      Report(error);
      status = kBadRequest;
      continue;
    }
    jobs.push_back(std::move(job));
  }
  if (jobs.empty()) return status;

  const std::vector<JobResult> results = RunRenderSession(options, jobs);
  for (std::size_t i = 0; i < jobs.size(); ++i) {
    switch (results[i]) {
      case JobResult::Written:
        continue;
      case JobResult::NotLoaded:
        Report("the program did not load " + Quoted(jobs[i].input) +
               " as checked (did it change meanwhile?); its picture was not written, run again");
        break;
      case JobResult::NotRendered:
        Report("the program did not render " + Quoted(jobs[i].input) +
               "; this is a fault in velmora-render");
        break;
      case JobResult::NameTaken:
        Report("cannot write " + Quoted(jobs[i].output) +
               ": another program made a file of that name while the picture was being saved; "
               "that file was left as it is");
        break;
      case JobResult::NotWritten: {
        const PictureSize size = ShownPictureSize(options.large);
        Report(DescribeWriteFailure(
            jobs[i].output, static_cast<off_t>(TrueColourBmpFileBytes(size.width, size.height))));
        break;
      }
    }
    if (status < kNotWritten) status = kNotWritten;
  }
  return status;
}
