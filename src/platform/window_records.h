// The live windows of a backend, in the order they were made. A window's handle is the
// address of its record, so a handle is checked by looking it up, never by dereferencing it.
#pragma once

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/win32.h"

namespace platform {

template <typename Record>
class WindowRecords {
 public:
  static HWND HandleOf(Record* record) { return reinterpret_cast<HWND>(record); }

  // The record of a live window, or null.
  Record* Find(HWND hwnd) const {
    if (!hwnd) return nullptr;
    for (const auto& r : records_)
      if (HandleOf(r.get()) == hwnd) return r.get();
    return nullptr;
  }

  HWND Add(std::unique_ptr<Record> record) {
    records_.push_back(std::move(record));
    return HandleOf(records_.back().get());
  }

  void Remove(Record* record) {
    std::erase_if(records_, [&](const std::unique_ptr<Record>& r) { return r.get() == record; });
  }

  // Handles, not records: the caller may destroy windows while it walks the list.
  std::vector<HWND> All() const {
    return Handles([](const Record&) { return true; });
  }
  std::vector<HWND> ChildrenOf(HWND parent) const {
    return Handles([&](const Record& r) { return r.parent == parent; });
  }

  auto begin() const { return records_.begin(); }
  auto end() const { return records_.end(); }

 private:
  template <typename Keep>
  std::vector<HWND> Handles(Keep keep) const {
    std::vector<HWND> out;
    for (const auto& r : records_)
      if (keep(*r)) out.push_back(HandleOf(r.get()));
    return out;
  }

  std::vector<std::unique_ptr<Record>> records_;
};

}  // namespace platform
