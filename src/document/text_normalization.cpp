#include "document/text_normalization.h"

namespace tolvane {

std::string_view trimControlAndSpace(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string normalizeBlockText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\xC2' && i + 1 < text.size() && text[i + 1] == '\xA0') {
      out += "&nbsp";
      ++i;
    } else {
      out += text[i];
    }
  }
  return std::string(trimControlAndSpace(out));
}

}  // namespace tolvane
