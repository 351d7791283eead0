#include "document/page_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sys/stat.h>

namespace tolvane::html {
namespace {

FileStatus failure(const char* what, const std::string& path, int error) {
  return {std::string(what) + " \"" + path + "\": " + std::strerror(error)};
}

}  // namespace

FileStatus readFileBytes(const std::string& path, std::string& bytes) {
  struct stat info {};
  if (path.empty()) return {"Cannot open file \"\": no file name given"};
  if (::stat(path.c_str(), &info) != 0) return failure("Cannot open file", path, errno);
  if (S_ISDIR(info.st_mode)) return failure("Cannot open file", path, EISDIR);
  std::ifstream in(path, std::ios::binary);
  if (!in) return failure("Cannot open file", path, errno ? errno : EACCES);
  std::string content(static_cast<size_t>(info.st_size), '\0');
  in.read(content.data(), static_cast<std::streamsize>(content.size()));
  content.resize(static_cast<size_t>(in.gcount()));
  // A file that grew while it was read (or a special file without a size) is read to its end.
  char chunk[65536];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) content.append(chunk, static_cast<size_t>(in.gcount()));
  if (in.bad()) return failure("Cannot read file", path, errno ? errno : EIO);
  bytes = std::move(content);
  return {};
}

FileStatus loadTextFromFile(const std::string& path, std::string& text) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 && errno == ENOENT) return {};
  std::string bytes;
  FileStatus status = readFileBytes(path, bytes);
  if (!status) return status;
  if (size_t nul = bytes.find('\0'); nul != std::string::npos) bytes.resize(nul);
  text = std::move(bytes);
  return {};
}

}  // namespace tolvane::html
