// The command line of velmora-render.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct RenderOptions {
  bool large = false;                 // --large: 600 x 466 instead of 480 x 376
  bool bright = false;                // --bright: the brighter dot ramp
  bool markersInside = false;         // --markers-inside
  int dotColor = 5;                   // --dot-color N, 0..7; 5 (cyan) is the program's first choice
  std::optional<std::uint32_t> seed;  // --seed S; without it, the current time
  // The file names in the order given: input, output, input, output, ... (at least one pair).
  std::vector<std::string> files;
  bool help = false;

  std::size_t PairCount() const { return files.size() / 2; }
  const std::string& Input(std::size_t pair) const { return files[2 * pair]; }
  const std::string& Output(std::size_t pair) const { return files[2 * pair + 1]; }
};

// Parses argv[1..argc-1]. Returns true with *options filled, or false with *error holding one
// line that says what is wrong and how to put it right.
bool ParseRenderOptions(int argc, const char* const* argv, RenderOptions* options,
                        std::string* error);

extern const char* const kRenderUsage;
