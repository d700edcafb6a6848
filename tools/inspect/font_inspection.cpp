// The inspector's font report as text or JSON.
#include "font_inspection.h"

#include <cstdio>
#include <memory>

#include "json_text.h"
#include "platform/utf8.h"
#include "ui/hbf_font.h"

namespace morvane {

namespace {

class FirstMessage : public MessageReporter {
 public:
  void show(const std::wstring& text, const std::wstring&) override {
    if (!shown) message = toUtf8(text);
    shown = true;
  }
  void reset() {
    shown = false;
    message.clear();
  }
  bool shown = false;
  std::string message;
};

struct FontCloser {
  void operator()(HbfFont* f) const { f->Close(); }
};

std::string hex(uint32_t value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*x", digits, value);
  return text;
}

// The delivered glyph (0 bits ink) as rows of '#' and '.'.
std::vector<std::string> glyphRows(const uint8_t* glyph, int width, int height) {
  std::vector<std::string> rows;
  const int stride = (width + 7) / 8;
  for (int r = 0; r < height; ++r) {
    std::string row;
    for (int c = 0; c < width; ++c) {
      bool ink = !((glyph[r * stride + c / 8] >> (7 - c % 8)) & 1);
      row += ink ? '#' : '.';
    }
    rows.push_back(row);
  }
  return rows;
}

struct GlyphOutcome {
  uint16_t code;
  bool ok;
  std::vector<std::string> rows;
  bool hasMessage;
  std::string message;
};

std::string boxText(const HbfBox& box) {
  return std::to_string(box.width) + "x" + std::to_string(box.height) + " offset " +
         std::to_string(box.xOffset) + "," + std::to_string(box.yOffset);
}

std::string describeFont(const std::string& path, const HbfFont& font) {
  std::string out = path + "\n";
  out += "glyph box: " + boxText(font.bitmapBox) + "\n";
  out += "font box: " + boxText(font.fontBox) + "\n";
  out += "second bytes (" + std::to_string(font.byte2Count) + "):";
  for (const HbfByte2Range& r : font.byte2Ranges) out += " 0x" + hex(r.first, 2) + "-0x" + hex(r.last, 2);
  out += "\ncode ranges:\n";
  for (const HbfCodeRange& r : font.codeRanges) {
    out += "  0x" + hex(r.first, 4) + "-0x" + hex(r.last, 4) + " " + toUtf8(r.file->name) +
           " offset 0x" + hex(r.offset, 4);
    if (r.transposed) out += " transposed";
    if (r.inverted) out += " inverted";
    out += "\n";
  }
  return out;
}

std::string glyphsText(const std::vector<GlyphOutcome>& glyphs) {
  std::string out;
  for (const GlyphOutcome& g : glyphs) {
    out += hex(g.code, 4) + ":";
    if (!g.ok) {
      out += " " + (g.hasMessage ? g.message : std::string("no glyph (second byte not in the font)"));
    }
    out += "\n";
    for (const std::string& row : g.rows) out += row + "\n";
  }
  return out;
}

std::string glyphsJson(const HbfFont& font, const std::vector<GlyphOutcome>& glyphs) {
  std::string out = "{\"ok\": true, \"width\": " + std::to_string(font.bitmapBox.width) +
                    ", \"height\": " + std::to_string(font.bitmapBox.height) + ", \"glyphs\": {";
  std::string messages;
  for (size_t i = 0; i < glyphs.size(); ++i) {
    const GlyphOutcome& g = glyphs[i];
    if (i > 0) out += ", ";
    out += "\"" + hex(g.code, 4) + "\": ";
    if (g.ok) {
      out += "[";
      for (size_t r = 0; r < g.rows.size(); ++r) out += (r ? ", " : "") + jsonString(g.rows[r]);
      out += "]";
    } else {
      out += "null";
      if (!messages.empty()) messages += ", ";
      messages += "\"" + hex(g.code, 4) + "\": " + (g.hasMessage ? jsonString(g.message) : "null");
    }
  }
  out += "}";
  if (!messages.empty()) out += ", \"messages\": {" + messages + "}";
  return out + "}\n";
}

}  // namespace

bool parseGlyphCode(const std::string& text, uint16_t& code) {
  if (text.size() != 4) return false;
  unsigned value = 0;
  for (char c : text) {
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return false;
    value = value * 16 + static_cast<unsigned>(digit);
  }
  code = static_cast<uint16_t>(value);
  return true;
}

FontInspectionResult inspectFontFile(const std::string& path, const std::vector<uint16_t>& codes,
                                     bool json) {
  FontInspectionResult result;
  FirstMessage reporter;
  std::unique_ptr<HbfFont, FontCloser> font(HbfFont::Open(fromUtf8(path), reporter));
  if (!font) {
    result.status = 1;
    if (!reporter.shown) {
      // The trainer says nothing here and tries its next folder.
      result.output = json ? "{\"ok\": false, \"message\": null}\n" : "";
      return result;
    }
    result.output = json ? "{\"ok\": false, \"message\": " + jsonString(reporter.message) + "}\n"
                         : reporter.message + "\n";
    return result;
  }
  std::vector<GlyphOutcome> glyphs;
  std::vector<uint8_t> buffer(font->GlyphBytes());
  for (uint16_t code : codes) {
    reporter.reset();
    GlyphOutcome g{code, font->GetBitmap(code, buffer.data()) != nullptr, {}, false, ""};
    if (g.ok) {
      g.rows = glyphRows(buffer.data(), font->bitmapBox.width, font->bitmapBox.height);
    } else {
      result.status = 1;
      g.hasMessage = reporter.shown;
      g.message = reporter.message;
    }
    glyphs.push_back(g);
  }
  result.output = json ? glyphsJson(*font, glyphs) : describeFont(path, *font) + glyphsText(glyphs);
  return result;
}

}  // namespace morvane
