#pragma once

#include <cstdint>

namespace tolvane::html {

// How an element's texts are read, written and selected. The numbers are the ones the block
// logic branches on and stores; every element of our document model has a defined kind.
enum class ElementKind : int8_t {
  Undefined = -1,
  General = 0,    // every other element, comments included
  LineBreak = 1,  // BR
  Input = 2,      // INPUT
  Script = 3,     // SCRIPT
};

}  // namespace tolvane::html
