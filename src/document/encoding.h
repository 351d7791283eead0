#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tolvane::html {

// The encoding name the HTML standard gives for a label ("latin1" → "windows-1252",
// "utf8" → "utf-8"), or nullopt for an unknown label. Case and surrounding white space are ignored.
std::optional<std::string> encodingForLabel(std::string_view label);

// What the byte order mark at the start of bytes says: "utf-8", "utf-16le", "utf-16be", or nullopt.
// bomLength receives the length of the mark (0 when none).
std::optional<std::string> sniffByteOrderMark(std::string_view bytes, size_t* bomLength = nullptr);

// The HTML standard's prescan of the first 1024 bytes for a META charset declaration.
// Returns the encoding name, or nullopt when the prescan finds none. A declared UTF-16 gives "utf-8",
// x-user-defined gives "windows-1252", as the standard says. As the standard also says, bytes that
// start with "<?x" in UTF-16 give "utf-16le"/"utf-16be", and without a META declaration the
// encoding of an XML declaration at the very start counts.
std::optional<std::string> prescanMetaCharset(std::string_view bytes);

// True when bytes are well-formed UTF-8.
bool isValidUtf8(std::string_view bytes);

// The encoding of a page: byte order mark, else the prescan, else "utf-8" when the bytes are valid
// UTF-8, else "windows-1252".
struct SniffResult {
  std::string encoding;
  size_t bomLength = 0;
};
SniffResult sniffEncoding(std::string_view bytes);

// Conversion between one encoding and UTF-8 (glibc iconv inside). Movable, not copyable.
// The conversions share the codec's iconv state: one codec serves one thread at a time.
class Codec {
 public:
  // A codec for an encoding name as encodingForLabel gives it (any of its labels works too);
  // nullptr for an unknown name or when iconv cannot convert it ("replacement", "x-user-defined").
  static std::unique_ptr<Codec> open(std::string_view encoding);

  const std::string& name() const;
  // True when every ASCII byte stands for itself and no other byte sequence holds an ASCII byte,
  // so that the markup can be tokenized on the raw bytes (false for UTF-16).
  bool asciiCompatible() const;

  // Appends the UTF-8 form of raw to out; bytes that are invalid in the encoding become U+FFFD.
  void decode(std::string_view raw, std::string& out) const;

  // How to write a character the encoding cannot hold.
  enum class Fallback {
    CharacterReference,  // "&#NNN;", for text and attribute values
    ScriptEscape,        // "\uXXXX" (a surrogate pair above U+FFFF), for script code
  };
  // Appends utf8 converted into the encoding to out.
  void encode(std::string_view utf8, std::string& out, Fallback fallback) const;

  ~Codec();
  Codec(Codec&&) noexcept;
  Codec& operator=(Codec&&) noexcept;
  Codec(const Codec&) = delete;
  Codec& operator=(const Codec&) = delete;

 private:
  struct Impl;
  explicit Codec(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> m_impl;
};

}  // namespace tolvane::html
