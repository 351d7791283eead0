#include "word/libreoffice/libreoffice_processor.h"

// The plugin's one entry, resolved by name after dlopen.
extern "C" __attribute__((visibility("default"))) tolvane::word::WordProcessor* tolvane_create_word_processor(
    const tolvane::word::WordProcessorOptions* options) {
  try {
    return new tolvane::word::libreoffice::LibreOfficeProcessor(
        options ? *options : tolvane::word::WordProcessorOptions{});
  } catch (...) {
    return nullptr;
  }
}
