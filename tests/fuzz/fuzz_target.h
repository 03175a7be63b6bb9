// The entry point every fuzz target defines and libFuzzer calls, declared so that the definition
// has its prototype.
#pragma once

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
