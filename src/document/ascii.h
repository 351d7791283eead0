#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace tolvane {

// ASCII-only case handling, as HTML names, .ini keys and message keys need it: bytes outside
// A-Z / a-z (UTF-8 included) are left alone.
inline char asciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}
inline char asciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

inline bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

inline std::string asciiUpperCopy(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), asciiUpper);
  return out;
}

inline std::string asciiLowerCopy(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), asciiLower);
  return out;
}

}  // namespace tolvane
