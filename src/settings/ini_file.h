#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::settings {

// An .ini file in the private-profile format: "[Section]" lines and "Key=Value" lines. Section and
// key names are compared without regard to ASCII case; lines this class does not understand
// (comments, blank lines) are kept as they are, so that writing a key changes only its line.
class IniFile {
 public:
  // Parses text; any text is accepted. Lines may end in CR LF or LF.
  static IniFile parse(std::string_view text);

  // The value of the key, white space around it removed; nullopt when the section or key is absent.
  std::optional<std::string> value(std::string_view section, std::string_view key) const;
  // Sets the key's value, adding the key at the end of its section, or the section at the end of the file.
  void setValue(std::string_view section, std::string_view key, std::string_view value);

  // The file's text, every line ended by CR LF.
  std::string text() const;

 private:
  struct Line {
    std::string text;     // the line as read, for lines that are not keys
    std::string section;  // the section the line belongs to ("" before the first section)
    std::string key;      // empty for lines that are not keys
    std::string value;
    bool isSectionHeader = false;
  };
  std::vector<Line> m_lines;
};

}  // namespace tolvane::settings
