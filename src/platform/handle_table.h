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
      slots_.push_back(Slot{nullptr, Encode(index, 1)});
    }
    slots_[index].object = object;
    return slots_[index].handle;
  }

  // Whether handle carries this table's tag, so that no other table can hold it; whether it
  // is live, Find says.
  static bool IsOwnTag(std::uintptr_t handle) { return (handle & 0xF) == Tag; }

  // The object of a live handle, or null. A slot holds only handles with this table's tag, so
  // comparing the whole handle checks the tag too, and a handle whose index lies past the table
  // reads a slot that holds none. The slot is chosen, not branched to, and both of its fields
  // are read whatever the handle: in a loop of lookups of one handle the compiler can then make
  // them once, before the loop.
  T* Find(std::uintptr_t handle) const {
    const std::uintptr_t index = (handle >> 4) & ((1u << kIndexBits) - 1);
    const Slot& slot = index < slots_.size() ? slots_[index] : noSlot_;
    T* const object = slot.object;
    return slot.handle == handle ? object : nullptr;
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
    const auto serial = static_cast<std::uint32_t>(handle >> kSerialShift);
    slot.handle = Encode(index, serial + 1 == kSerialLimit ? 1 : serial + 1);
    free_.push_back(index);
    return object;
  }

 private:
  // As many serial bits as the handle has room for above the index.
  static constexpr std::uint32_t kSerialLimit =
      sizeof(std::uintptr_t) >= 8 ? 0xFFFFFFFFu : (1u << (32 - kSerialShift));

  // A slot keeps the handle it gives (or gave last) whole, serial included: a lookup is one
  // comparison, and the slot is two words, so finding it is a shift.
  struct Slot {
    T* object;  // null while the slot is empty
    std::uintptr_t handle;
  };

  static std::uintptr_t Encode(std::uint32_t index, std::uint32_t serial) {
    return (static_cast<std::uintptr_t>(serial) << kSerialShift) |
           (static_cast<std::uintptr_t>(index) << 4) | Tag;
  }

  // Never written; not const, so that the compiler does not answer its reads beforehand and
  // turn the choice back into a branch.
  static inline Slot noSlot_{nullptr, 0};
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
