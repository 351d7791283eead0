#pragma once

#include <string>

#include "document/node.h"

namespace tolvane::html {

class Document;

// The one writer of markup. Untouched source is copied; an edited text node is written as escaped
// text, an edited attribute as name="value" in place of the old one, an added attribute at the end
// of its start tag.
class Serializer {
 public:
  enum class Target {
    PageBytes,  // in the page's own encoding, as the file is written
    Utf8Text,   // as program text
  };

  // The markup of node (the document node gives the whole page, byte order mark included).
  static std::string write(const Document& document, NodeId node, Target target);
};

}  // namespace tolvane::html
