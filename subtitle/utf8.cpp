#include "subtitle/utf8.h"

namespace lumora {

namespace {
bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }
}  // namespace

std::size_t CountChars(std::string_view text) {
  std::size_t count = 0;
  for (unsigned char c : text) {
    if (!IsContinuation(c)) ++count;
  }
  return count;
}

std::size_t ByteOffsetOfChar(std::string_view text, std::size_t charIndex) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsContinuation(static_cast<unsigned char>(text[i]))) {
      if (seen == charIndex) return i;
      ++seen;
    }
  }
  return text.size();
}

std::string_view LeadingChars(std::string_view text, std::size_t maxChars) {
  // Fast path: a text no longer in bytes than the width cannot be too long in characters.
  if (text.size() <= maxChars) return text;
  return text.substr(0, ByteOffsetOfChar(text, maxChars));
}

std::string CutToChars(std::string_view text, std::size_t maxChars) { return std::string(LeadingChars(text, maxChars)); }

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

char32_t DecodeUtf8At(std::string_view text, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  int extra = 0;
  char32_t cp = 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    cp = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    cp = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    cp = lead & 0x07;
  } else {
    ++pos;
    return U'\uFFFD';
  }
  if (pos + extra >= text.size()) {
    ++pos;
    return U'\uFFFD';
  }
  for (int k = 1; k <= extra; ++k) {
    if (!IsContinuation(byte(pos + k))) {
      ++pos;
      return U'\uFFFD';
    }
    cp = (cp << 6) | (byte(pos + k) & 0x3F);
  }
  pos += extra + 1;
  return cp;
}

}  // namespace lumora
