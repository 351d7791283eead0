#pragma once

#include <string>

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

}  // namespace tolvane::html
