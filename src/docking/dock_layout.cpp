#include "docking/dock_layout.h"

#include <array>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>

namespace tolvane::docking {
namespace {

constexpr std::string_view kSection = "Layout";

constexpr std::array<std::pair<ToolPlace, std::string_view>, 4> kPlaceNames{{
    {ToolPlace::Floating, "Floating"},
    {ToolPlace::LeftPanel, "Left"},
    {ToolPlace::BottomPanel, "Bottom"},
    {ToolPlace::Host, "Host"},
}};

constexpr std::array<std::pair<DockSide, std::string_view>, 6> kSideNames{{
    {DockSide::None, "None"},
    {DockSide::Top, "Top"},
    {DockSide::Bottom, "Bottom"},
    {DockSide::Left, "Left"},
    {DockSide::Right, "Right"},
    {DockSide::Client, "Client"},
}};

template <typename Value, size_t N>
std::optional<Value> fromName(const std::array<std::pair<Value, std::string_view>, N>& names,
                              const std::optional<std::string>& text) {
  if (!text) return std::nullopt;
  for (const auto& [value, name] : names)
    if (*text == name) return value;
  return std::nullopt;
}

template <typename Value, size_t N>
std::string_view toName(const std::array<std::pair<Value, std::string_view>, N>& names, Value value) {
  for (const auto& [each, name] : names)
    if (each == value) return name;
  return names.front().second;
}

// "left,top,width,height"; nullopt unless it is exactly four integers.
std::optional<DockRect> rectFromText(const std::optional<std::string>& text) {
  if (!text) return std::nullopt;
  std::array<int, 4> numbers{};
  const char* at = text->data();
  const char* end = at + text->size();
  for (size_t i = 0; i < numbers.size(); ++i) {
    if (i > 0) {
      if (at == end || *at != ',') return std::nullopt;
      ++at;
    }
    auto [next, error] = std::from_chars(at, end, numbers[i]);
    if (error != std::errc()) return std::nullopt;
    at = next;
  }
  if (at != end) return std::nullopt;
  return DockRect{numbers[0], numbers[1], numbers[0] + numbers[2], numbers[1] + numbers[3]};
}

std::string rectToText(const DockRect& rect) {
  return std::to_string(rect.left) + ',' + std::to_string(rect.top) + ',' + std::to_string(rect.width()) +
         ',' + std::to_string(rect.height());
}

bool isUsable(const DockRect& rect) {
  return rect.width() > 0 && rect.height() > 0;
}

std::optional<ToolWindowLayout> readWindow(const settings::IniFile& file, const std::string& name) {
  const auto place = fromName(kPlaceNames, file.value(kSection, name));
  const auto bounds = rectFromText(file.value(kSection, name + "Bounds"));
  const auto visible = file.value(kSection, name + "Visible");
  if (!place || !bounds || !isUsable(*bounds) || !visible || (*visible != "0" && *visible != "1"))
    return std::nullopt;
  return ToolWindowLayout{*place, *bounds, *visible == "1"};
}

void writeWindow(settings::IniFile& file, const std::string& name, const ToolWindowLayout& window) {
  file.setValue(kSection, name, toName(kPlaceNames, window.place));
  file.setValue(kSection, name + "Bounds", rectToText(window.bounds));
  file.setValue(kSection, name + "Visible", window.visible ? "1" : "0");
}

}  // namespace

DockLayout ReadDockLayout(const settings::IniFile& file) {
  const auto tagsList = readWindow(file, "TagsList");
  const auto editor = readWindow(file, "Editor");
  const auto side = fromName(kSideNames, file.value(kSection, "EditorSide"));
  if (!tagsList || !editor || !side) return {};
  const bool inHost = tagsList->place == ToolPlace::Host;
  if (inHost != (editor->place == ToolPlace::Host)) return {};
  const bool together = tagsList->place != ToolPlace::Floating && tagsList->place == editor->place;
  DockLayout layout{*tagsList, *editor, together ? *side : DockSide::None, {}};
  if (inHost) {
    const auto host = rectFromText(file.value(kSection, "HostBounds"));
    if (!host || !isUsable(*host) || layout.editorSide == DockSide::None) return {};
    layout.hostBounds = *host;
  }
  return layout;
}

void WriteDockLayout(settings::IniFile& file, const DockLayout& layout) {
  writeWindow(file, "TagsList", layout.tagsList);
  writeWindow(file, "Editor", layout.editor);
  file.setValue(kSection, "EditorSide", toName(kSideNames, layout.editorSide));
  file.setValue(kSection, "HostBounds", rectToText(layout.hostBounds));
}

DockLayout LoadDockLayout(const std::string& iniPath) {
  std::string text;
  (void)html::loadTextFromFile(iniPath, text);  // an unreadable file gives the default layout
  return ReadDockLayout(settings::IniFile::parse(text));
}

html::FileStatus SaveDockLayout(const std::string& iniPath, const DockLayout& layout) {
  std::string text;
  // Writing over a file that could not be read would lose its other settings.
  if (html::FileStatus read = html::loadTextFromFile(iniPath, text); !read)
    return {"Unable to write to " + iniPath + " (" + read.error + ")"};
  settings::IniFile file = settings::IniFile::parse(text);
  WriteDockLayout(file, layout);
  html::FileStatus status = html::writeFileAtomically(iniPath, file.text());
  if (!status) return {"Unable to write to " + iniPath + " (" + status.error + ")"};
  return {};
}

}  // namespace tolvane::docking
