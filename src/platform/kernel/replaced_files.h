// How many files this process has put in place by renaming a finished temporary file over its
// target. The file layer counts each such rename the moment it succeeds; the batch renderer
// compares the count before and after one save to say truthfully whether its own picture
// landed, since looking at the target afterwards may find a concurrent writer's file there.
#pragma once

#include <atomic>
#include <cstdint>

namespace kernel {

inline std::atomic<std::uint64_t> replacedFileCount{0};

// Called by the file layer right after a rename put a complete new file at its target.
inline void NoteFileReplaced() { replacedFileCount.fetch_add(1, std::memory_order_relaxed); }
inline std::uint64_t ReplacedFileCount() {
  return replacedFileCount.load(std::memory_order_relaxed);
}

}  // namespace kernel
