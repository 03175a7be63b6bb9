#include "options.h"

#include <utility>
#include <vector>

#include "quoted.h"

const char* const kRenderUsage =
    "usage: velmora-render [--large] [--bright] [--markers-inside] [--dot-color N] [--seed S]\n"
    "                      INPUT.dat OUTPUT.bmp [INPUT2.dat OUTPUT2.bmp ...]\n"
    "\n"
    "Renders each depth data file INPUT.dat as a random-dot stereogram and saves it as the\n"
    "bitmap file OUTPUT.bmp that follows it, exactly as the Velmora program does. The options\n"
    "and the seed apply to every pair; one program session renders them all.\n"
    "\n"
    "  --large           600 x 466 picture with 15-pixel cells (default 480 x 376)\n"
    "  --bright          brighter dots\n"
    "  --markers-inside  focus markers inside the picture instead of below it\n"
    "  --dot-color N     dot colour 0..7: black, blue, red, magenta, green, cyan, yellow,\n"
    "                    white (default 5, cyan)\n"
    "  --seed S          seed of the random dots, 0..4294967295 (default: the current time\n"
    "                    in seconds since 1970, as the program uses, taken once per run)\n"
    "  --help            show this text\n"
    "\n"
    "As in the program, \".bmp\" is added to OUTPUT when no byte of it is a dot.\n"
    "Exit status: 0 every picture written; 1 a picture could not be written (an existing\n"
    "file keeps its old contents, nothing partial is left); 2 bad arguments (nothing is\n"
    "written) or an input that is not a depth data file (its pair is skipped, the other\n"
    "pairs are written). With several failures the higher status is reported.\n";

namespace {

// A decimal number with digits only, no sign, no spaces, at most max.
bool ParseDecimal(const std::string& text, std::uint64_t max, std::uint64_t* value) {
  if (text.empty() || text.size() > 20) return false;
  std::uint64_t result = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    result = result * 10 + static_cast<std::uint64_t>(c - '0');
    if (result > max) return false;
  }
  *value = result;
  return true;
}

}  // namespace

bool ParseRenderOptions(int argc, const char* const* argv, RenderOptions* options,
                        std::string* error) {
  *options = RenderOptions{};
  std::vector<std::string> files;
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
      files.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--help" || arg == "-h") {
      options->help = true;
      return true;
    } else if (arg == "--large") {
      options->large = true;
    } else if (arg == "--bright") {
      options->bright = true;
    } else if (arg == "--markers-inside") {
      options->markersInside = true;
    } else if (arg == "--dot-color" || arg == "--seed") {
      if (i + 1 >= argc) {
        *error = arg + " needs a value: " +
                 (arg == "--seed" ? "--seed 12345" : "--dot-color 0..7 (5 is cyan)");
        return false;
      }
      const std::string value = argv[++i];
      std::uint64_t number = 0;
      if (arg == "--dot-color") {
        if (!ParseDecimal(value, 7, &number)) {
          *error = "--dot-color " + Quoted(value) + " is not a colour number; use 0..7 (5 is cyan)";
          return false;
        }
        options->dotColor = static_cast<int>(number);
      } else {
        if (!ParseDecimal(value, 0xFFFFFFFFu, &number)) {
          *error = "--seed " + Quoted(value) + " is not a seed; use a whole number 0..4294967295";
          return false;
        }
        options->seed = static_cast<std::uint32_t>(number);
      }
    } else {
      *error = "unknown option " + Quoted(arg) + "; see velmora-render --help";
      return false;
    }
  }
  if (files.empty() || files.size() % 2 != 0) {
    *error = files.empty() ? "give an input depth data file and an output bitmap file: "
                             "velmora-render INPUT.dat OUTPUT.bmp"
                           : std::to_string(files.size()) +
                                 " file names; give them in pairs, each INPUT.dat followed by "
                                 "its OUTPUT.bmp";
    return false;
  }
  options->files = std::move(files);
  return true;
}
