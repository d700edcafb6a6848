// The process-wide map from window handles to framework window objects, and
// the object whose window is being created (its creation messages arrive
// before it can be found in the table).
#pragma once

#include <windows.h>

#include <cstdint>

#include "base/ptr_array.h"
#include "ui/window.h"

namespace morvane {

// Entries in the order their windows were created. A window leaves the table
// when it is destroyed, so a handle the platform reuses never reaches a dead
// object.
class WindowTable {
 public:
  WindowTable() : entries(64) {}
  // Windows whose objects outlive the table at exit find it empty.
  ~WindowTable() { windowCount = 0; }
  WindowTable(const WindowTable&) = delete;
  WindowTable& operator=(const WindowTable&) = delete;

  // Appends the entry and counts it.
  void Add(WindowTableEntry* entry);
  // Removes the entry (the first copy of it), keeping the order of the rest;
  // returns false when it was not in the table.
  bool Remove(const WindowTableEntry* entry);
  // True when the entry is in the table.
  bool Contains(const WindowTableEntry* entry) const;
  // The owner of the first entry for the handle, or none.
  Window* Find(HWND hwnd) const;

  // Pointers to WindowTableEntry, capacity and growth step 64.
  PtrArray entries;
  // The bound that lookups use.
  int32_t windowCount = 0;
};

// The one table of the process.
extern WindowTable windowTable;

// The window whose CreateWindowExW call is in progress (it stays set after
// the call; it is cleared only when that object is deleted).
extern Window* windowBeingCreated;

// The object that owns a handle, or none.
Window* FindWindowObject(HWND hwnd);

}  // namespace morvane
