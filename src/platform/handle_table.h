// Handles as table entries. A handle is a number, not an address: it names a slot of a table
// and carries the slot's serial number, which changes whenever the slot is emptied. Looking a
// handle up is a few integer operations and one read of the table itself, so a stale handle
// (its object deleted, the slot perhaps reused since) or a foreign one (another kind's handle,
// a stray pointer, a small number) is refused without reading the memory it might point to.
#pragma once

#include <cstdint>
#include <vector>

namespace platform {

// Tag: 1..14 in the low four bits, different for each table, so that a handle of one table is
// never found in another. Pointers to heap memory are 16-byte aligned and carry tag 0; -1
// (INVALID_HANDLE_VALUE) carries 15.
template <typename T, unsigned Tag>
class HandleTable {
  static_assert(Tag >= 1 && Tag <= 14);
  static constexpr unsigned kIndexBits = 20;
  static constexpr unsigned kSerialShift = 4 + kIndexBits;

 public:
  // Holds object and returns its handle; the caller keeps ownership of the object.
  std::uintptr_t Add(T* object) {
    std::uint32_t index;
    if (!free_.empty()) {
      index = free_.back();
      free_.pop_back();
    } else {
      index = static_cast<std::uint32_t>(slots_.size());
      if (index >= (1u << kIndexBits)) return 0;  // a million live objects: refuse more
      slots_.push_back(Slot{});
    }
    slots_[index].object = object;
    return Encode(index, slots_[index].serial);
  }

  // The object of a live handle, or null.
  T* Find(std::uintptr_t handle) const {
    if ((handle & 0xF) != Tag) return nullptr;
    const std::uintptr_t index = (handle >> 4) & ((1u << kIndexBits) - 1);
    if (index >= slots_.size()) return nullptr;
    const Slot& slot = slots_[index];
    return Encode(static_cast<std::uint32_t>(index), slot.serial) == handle ? slot.object : nullptr;
  }

  // Empties the handle's slot and returns its object (still the caller's to free), or null
  // when the handle is not live. From then on the handle is refused.
  T* Remove(std::uintptr_t handle) {
    T* object = Find(handle);
    if (!object) return nullptr;
    const std::uint32_t index =
        static_cast<std::uint32_t>((handle >> 4) & ((1u << kIndexBits) - 1));
    Slot& slot = slots_[index];
    slot.object = nullptr;
    // Serial 0 is skipped so that no handle is ever 0 apart from the tag (handles stay far
    // above the small numbers that stand for system colours and resources).
    slot.serial = slot.serial + 1 == kSerialLimit ? 1 : slot.serial + 1;
    free_.push_back(index);
    return object;
  }

 private:
  // As many serial bits as the handle has room for above the index.
  static constexpr std::uint32_t kSerialLimit =
      sizeof(std::uintptr_t) >= 8 ? 0xFFFFFFFFu : (1u << (32 - kSerialShift));

  struct Slot {
    T* object = nullptr;
    std::uint32_t serial = 1;
  };

  static std::uintptr_t Encode(std::uint32_t index, std::uint32_t serial) {
    return (static_cast<std::uintptr_t>(serial) << kSerialShift) |
           (static_cast<std::uintptr_t>(index) << 4) | Tag;
  }

  std::vector<Slot> slots_;
  std::vector<std::uint32_t> free_;
};

// Storage that is never destroyed, for the handle tables: objects still alive when the process
// ends (the clipboard's bitmap, a font the program keeps) stay reachable through their table,
// and a lookup made while the process ends never meets a destroyed table. Constant-initialised,
// so it exists before any other initialiser can create an object.
template <typename T>
union Lasting {
  constexpr Lasting() : value() {}
  ~Lasting() {}
  T value;
};

}  // namespace platform
