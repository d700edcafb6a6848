// The trainer's eight settings, their defaults and how registry values turn
// into them. Platform-neutral: the registry calls are in settings_registry.
#pragma once

#include <cstddef>
#include <cstdint>

namespace morvane {

struct Settings {
  int32_t lessonMode = 120;  // LessonMode code: Normal
  bool showMeaning = true;
  bool showReading = true;
  bool showHanzi = false;
  bool trackWrong = true;
  bool largeStrokes = true;
  bool strokeFeedback = true;
  bool showCanvas = true;
};

// The mode names in the order of their codes 120 to 123 (and of the
// Preferences list).
constexpr int32_t kFirstModeCode = 120;
constexpr int kModeCount = 4;
extern const wchar_t* const kModeNames[kModeCount];

// The name of a mode code, or none for a code that is not one of the four.
const wchar_t* modeName(int32_t code);

// The code of a "mode" value of byteCount bytes: its text up to the first
// zero must be one of the names exactly. A value without a zero inside its
// bytes, or with other text, gives none (-1), and the caller keeps its mode.
int32_t modeFromValue(const wchar_t* value, size_t byteCount);

// A switch value: on only when it is exactly 1.
inline bool switchFromValue(uint32_t value) { return value == 1; }

}  // namespace morvane
