// The driver of a fuzz target where libFuzzer is not available (builds with GCC): it runs every
// seed file given on the command line, then a bounded number of variants of them made by a
// fixed pseudo-random sequence (bytes changed, inserted, removed; files cut short or extended),
// so that each build runs the same inputs. Usage: TARGET [-runs=N] SEED_FILE_OR_FOLDER...
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "fuzz/fuzz_target.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Run(const Bytes& input) {
  // A copy of exactly the input's size, so that a read past its end is a sanitizer error.
  std::unique_ptr<std::uint8_t[]> copy(new std::uint8_t[input.size()]);
  if (!input.empty()) std::memcpy(copy.get(), input.data(), input.size());
  LLVMFuzzerTestOneInput(copy.get(), input.size());
}

Bytes Mutate(Bytes input, std::mt19937& random) {
  const int changes = 1 + random() % 8;
  for (int i = 0; i < changes; ++i) {
    const std::size_t at = input.empty() ? 0 : random() % input.size();
    switch (random() % 6) {
      case 0:
      case 1:
        if (!input.empty()) input[at] = static_cast<std::uint8_t>(random());
        break;
      case 2:
        if (!input.empty()) input[at] ^= static_cast<std::uint8_t>(1u << random() % 8);
        break;
      case 3:
        input.insert(input.begin() + static_cast<long>(at), static_cast<std::uint8_t>(random()));
        break;
      case 4:
        if (!input.empty()) input.erase(input.begin() + static_cast<long>(at));
        break;
      case 5:
        input.resize(random() % (input.size() + 64), static_cast<std::uint8_t>(random()));
        break;
    }
  }
  return input;
}

}  // namespace

int main(int argc, char** argv) {
  long runs = 1000;
  std::vector<Bytes> seeds;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "-runs=", 6) == 0) {
      runs = std::strtol(argv[i] + 6, nullptr, 10);
      continue;
    }
    std::vector<std::filesystem::path> files;
    if (std::filesystem::is_directory(argv[i])) {
      for (const auto& entry : std::filesystem::directory_iterator(argv[i])) files.push_back(entry);
      std::sort(files.begin(), files.end());
    } else {
      files.push_back(argv[i]);
    }
    for (const auto& file : files) {
      std::ifstream in(file, std::ios::binary);
      seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
  }
  if (seeds.empty()) seeds.emplace_back();
  for (const Bytes& seed : seeds) Run(seed);
  std::mt19937 random(20261207);
  for (long run = 0; run < runs; ++run) Run(Mutate(seeds[run % seeds.size()], random));
  std::printf("%zu seeds and %ld variants ran\n", seeds.size(), runs);
  return 0;
}
