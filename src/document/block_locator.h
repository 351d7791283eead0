#pragma once

#include "document/text_block.h"

namespace tolvane {

// Makes the block's text the selection of its browser's document, so that the view highlights it:
// the adjacent text of running text, an image or input as a whole. Changes nothing else. Does
// nothing for the title, META contents, script code strings, empty texts, or a block whose element
// no longer exists.
void SelectBlock(const TTag& block);

}  // namespace tolvane
