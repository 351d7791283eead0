// Conversion between a page's encoding and UTF-8: UTF-8 itself is validated here (it is the common
// case and needs no conversion), every other encoding goes through glibc's iconv.
#include "document/encoding.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

namespace tolvane::html {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

// One step of the WHATWG UTF-8 decoder at a byte: a well-formed sequence and its code point, or
// the bytes that make up one error (the decoder writes a single U+FFFD for them).
struct Utf8Sequence {
  size_t length = 1;
  bool valid = false;
  char32_t codePoint = 0;
};

Utf8Sequence readUtf8Sequence(const unsigned char* bytes, size_t available) {
  const unsigned char lead = bytes[0];
  if (lead < 0x80) return {1, true, lead};

  size_t continuations = 0;
  unsigned char lower = 0x80;
  unsigned char upper = 0xBF;
  char32_t codePoint = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    continuations = 1;
    codePoint = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    if (lead == 0xE0) lower = 0xA0;  // overlong
    if (lead == 0xED) upper = 0x9F;  // surrogates
    continuations = 2;
    codePoint = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    if (lead == 0xF0) lower = 0x90;  // overlong
    if (lead == 0xF4) upper = 0x8F;  // above U+10FFFF
    continuations = 3;
    codePoint = lead & 0x07;
  } else {
    return {1, false, 0};
  }

  for (size_t i = 1; i <= continuations; ++i) {
    // A byte that does not continue the sequence is not part of the error: it is read again.
    if (i == available || bytes[i] < lower || bytes[i] > upper) return {i, false, 0};
    codePoint = (codePoint << 6) | (bytes[i] & 0x3F);
    lower = 0x80;
    upper = 0xBF;
  }
  return {continuations + 1, true, codePoint};
}

// The position of the first non-ASCII byte at or after pos; eight bytes at a time while it can.
size_t skipAscii(std::string_view bytes, size_t pos) {
  constexpr uint64_t kHighBits = 0x8080808080808080ULL;
  for (uint64_t word; pos + sizeof word <= bytes.size(); pos += sizeof word) {
    std::memcpy(&word, bytes.data() + pos, sizeof word);
    if (word & kHighBits) break;
  }
  while (pos < bytes.size() && static_cast<unsigned char>(bytes[pos]) < 0x80) ++pos;
  return pos;
}

const unsigned char* bytesAt(std::string_view bytes, size_t pos) {
  return reinterpret_cast<const unsigned char*>(bytes.data()) + pos;
}

void decodeUtf8(std::string_view raw, std::string& out) {
  out.reserve(out.size() + raw.size());
  size_t runStart = 0;
  size_t pos = 0;
  while ((pos = skipAscii(raw, pos)) < raw.size()) {
    const Utf8Sequence sequence = readUtf8Sequence(bytesAt(raw, pos), raw.size() - pos);
    if (!sequence.valid) {
      out.append(raw.substr(runStart, pos - runStart));
      out.append(kReplacementCharacter);
      runStart = pos + sequence.length;
    }
    pos += sequence.length;
  }
  out.append(raw.substr(runStart));
}

void appendScriptEscape(std::string& out, char32_t unit) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += "\\u";
  for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(unit >> shift) & 0xF];
}

void appendFallback(std::string& out, char32_t codePoint, Codec::Fallback fallback) {
  if (fallback == Codec::Fallback::CharacterReference) {
    out += "&#";
    out += std::to_string(codePoint);
    out += ';';
  } else if (codePoint > 0xFFFF) {
    const char32_t offset = codePoint - 0x10000;
    appendScriptEscape(out, 0xD800 + (offset >> 10));
    appendScriptEscape(out, 0xDC00 + (offset & 0x3FF));
  } else {
    appendScriptEscape(out, codePoint);
  }
}

enum class Kind : uint8_t {
  Utf8,               // converted here, without iconv
  AsciiCompatible,    // ASCII bytes are ASCII; no byte inside a multi-byte sequence is a markup
                      // delimiter (< > & = / quotes, white space), though some are letters or digits
  WindowsSingleByte,  // as AsciiCompatible; bytes 0x80-0x9F that iconv refuses are C1 controls
  Utf16,              // two-byte code units
  EscapeSequences,    // ISO-2022-JP: ASCII bytes inside shifted runs stand for other characters
};

struct EncodingInfo {
  std::string_view name;  // as encodingForLabel gives it
  const char* iconvName;
  Kind kind;
};

// The iconv names where they differ from ours pick the variant the WHATWG index describes:
// CP932 and CP949 are the Windows forms browsers decode as shift_jis and euc-kr (glibc's
// SHIFT_JIS would read 0x5C as a yen sign), KOI8-RU has the two Belarusian letters of koi8-u,
// and iso-8859-8-i differs from iso-8859-8 only in how the text is laid out.
constexpr EncodingInfo kEncodings[] = {
    {"utf-8", nullptr, Kind::Utf8},
    {"ibm866", "IBM866", Kind::AsciiCompatible},
    {"iso-8859-2", "ISO-8859-2", Kind::AsciiCompatible},
    {"iso-8859-3", "ISO-8859-3", Kind::AsciiCompatible},
    {"iso-8859-4", "ISO-8859-4", Kind::AsciiCompatible},
    {"iso-8859-5", "ISO-8859-5", Kind::AsciiCompatible},
    {"iso-8859-6", "ISO-8859-6", Kind::AsciiCompatible},
    {"iso-8859-7", "ISO-8859-7", Kind::AsciiCompatible},
    {"iso-8859-8", "ISO-8859-8", Kind::AsciiCompatible},
    {"iso-8859-8-i", "ISO-8859-8", Kind::AsciiCompatible},
    {"iso-8859-10", "ISO-8859-10", Kind::AsciiCompatible},
    {"iso-8859-13", "ISO-8859-13", Kind::AsciiCompatible},
    {"iso-8859-14", "ISO-8859-14", Kind::AsciiCompatible},
    {"iso-8859-15", "ISO-8859-15", Kind::AsciiCompatible},
    {"iso-8859-16", "ISO-8859-16", Kind::AsciiCompatible},
    {"koi8-r", "KOI8-R", Kind::AsciiCompatible},
    {"koi8-u", "KOI8-RU", Kind::AsciiCompatible},
    {"macintosh", "MACINTOSH", Kind::AsciiCompatible},
    {"windows-874", "CP874", Kind::WindowsSingleByte},
    {"windows-1250", "CP1250", Kind::WindowsSingleByte},
    {"windows-1251", "CP1251", Kind::WindowsSingleByte},
    {"windows-1252", "CP1252", Kind::WindowsSingleByte},
    {"windows-1253", "CP1253", Kind::WindowsSingleByte},
    {"windows-1254", "CP1254", Kind::WindowsSingleByte},
    {"windows-1255", "CP1255", Kind::WindowsSingleByte},
    {"windows-1256", "CP1256", Kind::WindowsSingleByte},
    {"windows-1257", "CP1257", Kind::WindowsSingleByte},
    {"windows-1258", "CP1258", Kind::WindowsSingleByte},
    {"x-mac-cyrillic", "MAC-CYRILLIC", Kind::AsciiCompatible},
    {"gbk", "GBK", Kind::AsciiCompatible},
    {"gb18030", "GB18030", Kind::AsciiCompatible},
    {"big5", "BIG5-HKSCS", Kind::AsciiCompatible},
    {"euc-jp", "EUC-JP", Kind::AsciiCompatible},
    {"iso-2022-jp", "ISO-2022-JP", Kind::EscapeSequences},
    {"shift_jis", "CP932", Kind::AsciiCompatible},
    {"euc-kr", "CP949", Kind::AsciiCompatible},
    {"utf-16be", "UTF-16BE", Kind::Utf16},
    {"utf-16le", "UTF-16LE", Kind::Utf16},
};

const iconv_t kNoHandle = reinterpret_cast<iconv_t>(-1);
constexpr size_t kIconvFailed = static_cast<size_t>(-1);
constexpr size_t kChunkSize = 16384;
constexpr size_t kLargestWindow = 1 << 16;
constexpr size_t kWindowAfterFailure = 32;  // holds whole UTF-8 sequences, so iconv always gets on

}  // namespace

struct Codec::Impl {
  std::string name;
  Kind kind = Kind::Utf8;
  iconv_t decoder = kNoHandle;  // to UTF-8
  iconv_t encoder = kNoHandle;  // from UTF-8
  uint32_t c1Gaps = 0;          // bit b - 0x80 set: iconv refuses byte b, which stands for U+00b

  Impl() = default;
  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;
  ~Impl() {
    if (decoder != kNoHandle) iconv_close(decoder);
    if (encoder != kNoHandle) iconv_close(encoder);
  }

  bool isC1Gap(char32_t value) const {
    return value >= 0x80 && value <= 0x9F && (c1Gaps >> (value - 0x80) & 1);
  }

  // The single bytes 0x80-0x9F that the decoder refuses.
  uint32_t findC1Gaps() const {
    uint32_t gaps = 0;
    for (unsigned byte = 0x80; byte <= 0x9F; ++byte) {
      char input = static_cast<char>(byte);
      char output[8];
      char* in = &input;
      char* outPos = output;
      size_t inLeft = 1;
      size_t outLeft = sizeof output;
      iconv(decoder, nullptr, nullptr, nullptr, nullptr);
      if (iconv(decoder, &in, &inLeft, &outPos, &outLeft) == kIconvFailed && errno == EILSEQ)
        gaps |= uint32_t{1} << (byte - 0x80);
    }
    return gaps;
  }

  void decode(std::string_view raw, std::string& out) const {
    iconv(decoder, nullptr, nullptr, nullptr, nullptr);
    const size_t unitSize = kind == Kind::Utf16 ? 2 : 1;
    char buffer[kChunkSize];
    char* in = const_cast<char*>(raw.data());  // iconv does not write to its input
    size_t inLeft = raw.size();
    while (inLeft > 0) {
      char* outPos = buffer;
      size_t outLeft = sizeof buffer;
      const size_t result = iconv(decoder, &in, &inLeft, &outPos, &outLeft);
      const int error = errno;
      out.append(buffer, outPos - buffer);
      if (result != kIconvFailed || error == E2BIG) continue;

      const auto byte = static_cast<unsigned char>(*in);
      size_t skipped = std::min(unitSize, inLeft);
      if (error == EILSEQ && isC1Gap(byte)) {
        out += '\xC2';
        out += static_cast<char>(byte);
      } else {
        // An incomplete sequence can only be at the end: all that is left is that one error.
        if (error == EINVAL) skipped = inLeft;
        out.append(kReplacementCharacter);
      }
      in += skipped;
      inLeft -= skipped;
    }
  }

  void encode(std::string_view utf8, std::string& out, Fallback fallback) const {
    iconv(encoder, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(utf8.data());  // iconv does not write to its input
    size_t inLeft = utf8.size();
    // When iconv fails it redoes its inner steps over all the input it was offered, so after a
    // failure it is offered little, and more again while it succeeds: text dense with characters
    // the encoding cannot hold would otherwise cost a whole chunk per character.
    size_t window = kLargestWindow;
    while (inLeft > 0) {
      const size_t offered = std::min(window, inLeft);
      const bool offeredAll = offered == inLeft;
      size_t offeredLeft = offered;
      const int error = convert(&in, &offeredLeft, out);
      inLeft -= offered - offeredLeft;
      // A sequence cut by the end of the window is no error: the next call starts with it.
      if (error == 0 || error == E2BIG || (error == EINVAL && !offeredAll)) {
        window = std::min(window * 2, kLargestWindow);
        continue;
      }
      window = kWindowAfterFailure;

      // At a character the encoding cannot hold, or at bytes that are not UTF-8 at all.
      const Utf8Sequence sequence = readUtf8Sequence(reinterpret_cast<unsigned char*>(in), inLeft);
      in += sequence.length;
      inLeft -= sequence.length;
      if (sequence.valid && isC1Gap(sequence.codePoint)) {
        out += static_cast<char>(sequence.codePoint);
        continue;
      }
      if (!sequence.valid && convertWhole(kReplacementCharacter, out)) continue;
      // A shifted encoding must be back in ASCII before the fallback's ASCII text.
      finishShiftState(out);
      appendFallback(out, sequence.valid ? sequence.codePoint : U'\uFFFD', fallback);
    }
    finishShiftState(out);
  }

 private:
  // One iconv call from *in into out; returns 0 or the errno of the failure.
  int convert(char** in, size_t* inLeft, std::string& out) const {
    char buffer[kChunkSize];
    char* outPos = buffer;
    size_t outLeft = sizeof buffer;
    const size_t result = iconv(encoder, in, inLeft, &outPos, &outLeft);
    const int error = result == kIconvFailed ? errno : 0;
    out.append(buffer, outPos - buffer);
    return error;
  }

  bool convertWhole(std::string_view utf8, std::string& out) const {
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    return convert(&in, &inLeft, out) == 0;
  }

  // Writes what returns the encoder to its initial state (ISO-2022-JP's escape to ASCII, a
  // character BIG5-HKSCS holds back to see whether a combining mark follows).
  void finishShiftState(std::string& out) const {
    char buffer[64];
    char* outPos = buffer;
    size_t outLeft = sizeof buffer;
    iconv(encoder, nullptr, nullptr, &outPos, &outLeft);
    out.append(buffer, outPos - buffer);
  }
};

std::unique_ptr<Codec> Codec::open(std::string_view encoding) {
  const std::optional<std::string> name = encodingForLabel(encoding);
  if (!name) return nullptr;
  const auto* info = std::ranges::find(kEncodings, std::string_view(*name), &EncodingInfo::name);
  if (info == std::end(kEncodings)) return nullptr;  // replacement, x-user-defined

  auto impl = std::make_unique<Impl>();
  impl->name = *name;
  impl->kind = info->kind;
  if (info->kind != Kind::Utf8) {
    impl->decoder = iconv_open("UTF-8", info->iconvName);
    impl->encoder = iconv_open(info->iconvName, "UTF-8");
    if (impl->decoder == kNoHandle || impl->encoder == kNoHandle) return nullptr;
    if (info->kind == Kind::WindowsSingleByte) impl->c1Gaps = impl->findC1Gaps();
  }
  return std::unique_ptr<Codec>(new Codec(std::move(impl)));
}

Codec::Codec(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}
Codec::~Codec() = default;
Codec::Codec(Codec&&) noexcept = default;
Codec& Codec::operator=(Codec&&) noexcept = default;

const std::string& Codec::name() const {
  return m_impl->name;
}

bool Codec::asciiCompatible() const {
  return m_impl->kind != Kind::Utf16 && m_impl->kind != Kind::EscapeSequences;
}

void Codec::decode(std::string_view raw, std::string& out) const {
  if (m_impl->kind == Kind::Utf8)
    decodeUtf8(raw, out);
  else
    m_impl->decode(raw, out);
}

void Codec::encode(std::string_view utf8, std::string& out, Fallback fallback) const {
  if (m_impl->kind == Kind::Utf8)
    out.append(utf8);
  else
    m_impl->encode(utf8, out, fallback);
}

bool isValidUtf8(std::string_view bytes) {
  size_t pos = 0;
  while ((pos = skipAscii(bytes, pos)) < bytes.size()) {
    const Utf8Sequence sequence = readUtf8Sequence(bytesAt(bytes, pos), bytes.size() - pos);
    if (!sequence.valid) return false;
    pos += sequence.length;
  }
  return true;
}

}  // namespace tolvane::html
