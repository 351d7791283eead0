#pragma once

#include <string>

#include "exchange/export_document.h"

namespace tolvane {

// How an import ended.
struct ImportResult {
  enum class Outcome { Written, MissingInput, Failed };
  Outcome outcome = Outcome::Written;
  std::string error;  // Failed: the file and the reason (an input that cannot be read, an output that cannot
                      // be written)
};

// Puts the text file's entries into the template and writes the page to outputFile, with CR LF line
// ends, in the encoding its own META declaration names (UTF-8 when it names none); a character that
// encoding cannot hold is written as a numeric character reference. Nothing is written when either
// input file does not exist.
ImportResult ImportDocument(const std::string& textFile, const std::string& templateFile,
                            const std::string& outputFile, const ProgressCallback& progress = {});

}  // namespace tolvane
