// The command line of velmora-render.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct RenderOptions {
  bool large = false;                 // --large: 600 x 466 instead of 480 x 376
  bool bright = false;                // --bright: the brighter dot ramp
  bool markersInside = false;         // --markers-inside
  int dotColor = 5;                   // --dot-color N, 0..7; 5 (cyan) is the program's first choice
  std::optional<std::uint32_t> seed;  // --seed S; without it, the current time
  std::string input;
  std::string output;
  bool help = false;
};

// Parses argv[1..argc-1]. Returns true with *options filled, or false with *error holding one
// line that says what is wrong and how to put it right.
bool ParseRenderOptions(int argc, const char* const* argv, RenderOptions* options,
                        std::string* error);

extern const char* const kRenderUsage;
