#include "word/libreoffice/uno_text.h"

#include <rtl/textenc.h>
#include <rtl/strbuf.hxx>
#include <rtl/string.hxx>
#include <rtl/ustrbuf.hxx>

namespace tolvane::word::libreoffice {

rtl::OUString toOffice(std::string_view utf8Text) {
  std::string paragraphs;
  paragraphs.reserve(utf8Text.size());
  for (size_t i = 0; i < utf8Text.size(); ++i) {
    const char c = utf8Text[i];
    if (c == '\r' && i + 1 < utf8Text.size() && utf8Text[i + 1] == '\n') continue;  // CR LF: one break
    paragraphs += c == '\n' ? '\r' : c;
  }
  return rtl::OStringToOUString(rtl::OString(paragraphs.data(), static_cast<sal_Int32>(paragraphs.size())),
                                RTL_TEXTENCODING_UTF8);
}

std::string fromOffice(const rtl::OUString& text) {
  std::string out = utf8(text);
  for (char& c : out)
    if (c == '\n') c = '\r';
  return out;
}

std::string utf8(const rtl::OUString& text) {
  const rtl::OString bytes = rtl::OUStringToOString(text, RTL_TEXTENCODING_UTF8);
  return std::string(bytes.getStr(), static_cast<size_t>(bytes.getLength()));
}

}  // namespace tolvane::word::libreoffice
