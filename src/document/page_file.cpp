#include "document/page_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

namespace tolvane::html {
namespace {

FileStatus failure(const char* what, const std::string& path, int error) {
  return {std::string(what) + " \"" + path + "\": " + std::strerror(error)};
}

mode_t currentUmask() {
  mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

// Calls line(text) for every line of text, without its end: CR LF, LF or a lone CR.
// The next CR and the next LF are each searched once and kept until passed, so that the text is
// read once whatever its line ends.
template <typename LineFn>
void forEachLine(std::string_view text, LineFn line) {
  const char* p = text.data();
  const char* const end = p + text.size();
  auto next = [end](const char* from, char c) {
    const void* found = std::memchr(from, c, static_cast<size_t>(end - from));
    return found ? static_cast<const char*>(found) : end;
  };
  const char* nextCr = next(p, '\r');
  const char* nextLf = next(p, '\n');
  while (p < end) {
    if (nextCr < p) nextCr = next(p, '\r');
    if (nextLf < p) nextLf = next(p, '\n');
    const char* stop = std::min(nextCr, nextLf);
    line(std::string_view(p, static_cast<size_t>(stop - p)));
    p = stop;
    if (p < end) p += (*p == '\r' && p + 1 < end && p[1] == '\n') ? 2 : 1;
  }
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
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0)
    content.append(chunk, static_cast<size_t>(in.gcount()));
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

std::vector<std::string_view> TextLines(std::string_view text) {
  std::vector<std::string_view> lines;
  forEachLine(text.substr(0, text.find('\0')), [&](std::string_view line) { lines.push_back(line); });
  return lines;
}

std::string WithCrLfLineEnds(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 32);
  forEachLine(text, [&](std::string_view line) { out.append(line).append("\r\n"); });
  return out;
}

FileStatus writeFileAtomically(const std::string& path, std::string_view bytes) {
  if (path.empty()) return {"Cannot create file \"\": no file name given"};
  std::string temporary = path + ".tmp-XXXXXX";
  int fd = ::mkstemp(temporary.data());
  if (fd < 0) return failure("Cannot create file", path, errno);
  struct stat existing {};
  // The new file keeps the old one's permissions; a new file gets the usual ones.
  ::fchmod(fd, ::stat(path.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0644 & ~currentUmask());
  const char* data = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    ssize_t written = ::write(fd, data, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      int error = written < 0 ? errno : EIO;
      ::close(fd);
      ::unlink(temporary.c_str());
      return failure("Cannot write file", path, error);
    }
    data += written;
    left -= static_cast<size_t>(written);
  }
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    int error = errno;
    ::unlink(temporary.c_str());
    return failure("Cannot write file", path, error);
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    int error = errno;
    ::unlink(temporary.c_str());
    return failure("Cannot create file", path, error);
  }
  return {};
}

}  // namespace tolvane::html
