// The window table and the window being created.
#include "ui/window_table.h"

namespace morvane {

WindowTable windowTable;
Window* windowBeingCreated = nullptr;

void WindowTable::Add(WindowTableEntry* entry) {
  entries.Append(entry);
  ++windowCount;
}

bool WindowTable::Remove(const WindowTableEntry* entry) {
  for (int32_t i = 0; i < windowCount && i < entries.count; ++i) {
    if (entries.At(i) == entry) {
      entries.RemoveAt(i);
      --windowCount;
      return true;
    }
  }
  return false;
}

bool WindowTable::Contains(const WindowTableEntry* entry) const {
  for (int32_t i = 0; i < windowCount && i < entries.count; ++i) {
    if (entries.At(i) == entry) return true;
  }
  return false;
}

Window* WindowTable::Find(HWND hwnd) const {
  for (int32_t i = 0; i < windowCount && i < entries.count; ++i) {
    const auto* entry = static_cast<const WindowTableEntry*>(entries.At(i));
    if (entry->hwnd == hwnd) return entry->owner;
  }
  return nullptr;
}

Window* FindWindowObject(HWND hwnd) { return windowTable.Find(hwnd); }

}  // namespace morvane
