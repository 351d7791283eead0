#pragma once

#include <cstdint>
#include <string_view>

namespace tolvane::html {

// A half-open byte range [begin, end) in a page's source.
struct SourceRange {
  uint32_t begin = 0;
  uint32_t end = 0;

  uint32_t size() const { return end - begin; }
  bool empty() const { return begin == end; }
  std::string_view in(std::string_view source) const { return source.substr(begin, end - begin); }
  friend bool operator==(const SourceRange&, const SourceRange&) = default;
};

}  // namespace tolvane::html
