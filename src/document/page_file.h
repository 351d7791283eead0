#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvane::html {

// The outcome of a file operation: success, or a message that names the file and the reason.
struct FileStatus {
  std::string error;
  explicit operator bool() const { return error.empty(); }
};

// Reads the whole file into bytes.
FileStatus readFileBytes(const std::string& path, std::string& bytes);

// Reads the file as program text, up to its first NUL byte. A file that does not exist leaves
// text as it was and is no error; a file that exists but cannot be read is.
FileStatus loadTextFromFile(const std::string& path, std::string& text);

// The lines of a text: CR LF, CR and LF end a line (an LF followed by a CR ends two); the text ends
// at its first NUL; a line end at the very end opens no further line. Lines are not trimmed.
std::vector<std::string_view> TextLines(std::string_view text);

// The text as lines that each end in CR LF (CR LF, CR and LF end a line; a line end at the very
// end opens no further line). The form of the program's own files. NUL bytes stay: a page may hold
// them, and what follows them is page too.
std::string WithCrLfLineEnds(std::string_view text);

// Writes bytes to path through a temporary file beside it that is then renamed over it, so that
// the file is replaced as a whole or stays as it was.
FileStatus writeFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace tolvane::html
