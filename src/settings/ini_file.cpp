#include "settings/ini_file.h"

#include "document/ascii.h"

namespace tolvane::settings {
namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

}  // namespace

IniFile IniFile::parse(std::string_view text) {
  IniFile file;
  std::string section;
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view raw = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    std::string_view line = trim(raw);
    Line parsed;
    parsed.text = std::string(raw);
    if (line.size() >= 2 && line.front() == '[' && line.find(']') != std::string_view::npos) {
      section = std::string(trim(line.substr(1, line.find(']') - 1)));
      parsed.isSectionHeader = true;
    } else if (size_t equals = line.find('=');
               equals != std::string_view::npos && equals > 0 && line[0] != ';') {
      parsed.key = std::string(trim(line.substr(0, equals)));
      parsed.value = std::string(trim(line.substr(equals + 1)));
    }
    parsed.section = section;
    file.m_lines.push_back(std::move(parsed));
  }
  return file;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
  for (const Line& line : m_lines)
    if (!line.key.empty() && equalsIgnoringAsciiCase(line.section, section) &&
        equalsIgnoringAsciiCase(line.key, key))
      return line.value;
  return std::nullopt;
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value) {
  std::optional<size_t> insertAt;  // after the section's header or its last key
  for (size_t i = 0; i < m_lines.size(); ++i) {
    Line& line = m_lines[i];
    if (!equalsIgnoringAsciiCase(line.section, section)) continue;
    if (!line.key.empty() && equalsIgnoringAsciiCase(line.key, key)) {
      line.value = std::string(value);
      line.text.clear();
      return;
    }
    if (line.isSectionHeader || !line.key.empty()) insertAt = i + 1;
  }
  Line line;
  line.section = std::string(section);
  line.key = std::string(key);
  line.value = std::string(value);
  if (!insertAt) {
    Line header;
    header.section = line.section;
    header.isSectionHeader = true;
    header.text = "[" + line.section + "]";
    m_lines.push_back(std::move(header));
    m_lines.push_back(std::move(line));
    return;
  }
  m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(*insertAt), std::move(line));
}

std::string IniFile::text() const {
  std::string out;
  for (const Line& line : m_lines) {
    if (!line.key.empty() && line.text.empty())
      out += line.key + "=" + line.value;
    else
      out += line.text;
    out += "\r\n";
  }
  return out;
}

}  // namespace tolvane::settings
