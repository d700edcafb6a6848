// Meanings the trainer reads back exactly as written: a lesson meaning holds
// printable ASCII only, because any other byte either ends the lesson (TAB,
// control bytes) or starts a new item (the double-byte form of "é", "π", a
// full-width slash, any Hanzi).
#pragma once

#include <cstdint>
#include <string>

#include "conversion_report.h"

namespace morvane {

// The meaning as printable ASCII senses joined by "/", none empty and none
// with spaces at its ends; "-" when nothing is left. Characters outside ASCII
// get their close ASCII form or are dropped; spaces of other kinds (TAB, line
// breaks, no-break space) become " ". Each kind of change is reported to
// report at the entry's input line.
std::string cleanMeaning(const std::u32string& meaning, int64_t line, ConversionReport& report);

// What the trainer holds for a meaning written as "/" + senses + "/": each
// "/" between senses becomes "; ".
std::wstring trainerMeaning(const std::string& senses);

}  // namespace morvane
