#pragma once

#include <string>

#include "docking/dock_side.h"
#include "document/page_file.h"
#include "settings/ini_file.h"

namespace tolvane::docking {

enum class ToolPlace { Floating, LeftPanel, BottomPanel, Host };

struct ToolWindowLayout {
  ToolPlace place = ToolPlace::Floating;
  DockRect bounds;  // its floating bounds on the screen, kept while it is docked
  bool visible = false;
  bool operator==(const ToolWindowLayout&) const = default;
};

// Where the two tool windows are, kept in the settings file's [Layout] section between runs. The
// defaults are the start-up layout: both floating, the tags list shown and the editor hidden.
struct DockLayout {
  ToolWindowLayout tagsList{ToolPlace::Floating, {697, 105, 697 + 284, 105 + 364}, true};
  ToolWindowLayout editor{ToolPlace::Floating, {480, 375, 480 + 569, 375 + 143}, false};
  // Where the editor is beside the tags list while both are in one panel or one host (Client:
  // tabbed with it); None otherwise, and None in a panel puts the editor after the tags list.
  DockSide editorSide = DockSide::None;
  DockRect hostBounds;  // the host's bounds while both are in one
  bool operator==(const DockLayout&) const = default;
};

// The stored layout. A missing section, a missing or malformed value, an empty rectangle where one
// is used, or places that do not fit together (a window in a host without the other, a host
// without a side) give the default layout as a whole.
DockLayout ReadDockLayout(const settings::IniFile& file);
// Writes every key of the layout's section; the file's other lines stay as they are.
void WriteDockLayout(settings::IniFile& file, const DockLayout& layout);

// The layout stored in the settings file at iniPath; a missing or unreadable file gives the
// default layout.
DockLayout LoadDockLayout(const std::string& iniPath);
// Stores the layout in the settings file at iniPath, keeping its other lines. The file is replaced
// as a whole or not at all; on failure the message is "Unable to write to <path>" with the reason.
html::FileStatus SaveDockLayout(const std::string& iniPath, const DockLayout& layout);

}  // namespace tolvane::docking
