#pragma once

#include <rtl/ustring.hxx>
#include <string>
#include <string_view>

namespace tolvane::word::libreoffice {

// Text for a Writer document: every line break of the UTF-8 text (CR LF, LF or CR) becomes the
// CR that Writer reads as a paragraph break; bytes that are not UTF-8 become U+FFFD.
rtl::OUString toOffice(std::string_view utf8);
// A Writer document's text as UTF-8, its paragraphs (joined by LF) ended with CR as Word's are.
std::string fromOffice(const rtl::OUString& text);
// UTF-8 of a UNO string, unchanged.
std::string utf8(const rtl::OUString& text);

}  // namespace tolvane::word::libreoffice
