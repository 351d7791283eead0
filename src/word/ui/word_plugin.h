#pragma once

#include <functional>
#include <memory>

#include "word/word_processor.h"

namespace tolvane::ui {

// The word processor the desktop program edits blocks in: the LibreOffice plugin, looked for in
// $TOLVANE_WORD_PLUGIN (a file path) when set, else beside the program, else in the build tree.
// When it is missing or does not load (LibreOffice's libraries are not installed), a stand-in that
// reports the word processor as not installed. Tests replace it with setWordProcessorFactory.
std::unique_ptr<word::WordProcessor> createWordProcessor();

// Replaces the plugin (an empty function restores it).
using WordProcessorFactory = std::function<std::unique_ptr<word::WordProcessor>()>;
void setWordProcessorFactory(WordProcessorFactory factory);

}  // namespace tolvane::ui
