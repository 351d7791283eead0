#pragma once

#include <string>

#include "document/page_file.h"

namespace tolvane::settings {

// The program's settings record. The field names are the .ini keys. Before LoadSettings every flag
// is false and both strings are empty.
struct TGlobalVars {
  bool ItemsFilter = false;  // list equal texts once, as one group
  bool EmptyDelete = false;  // the editor may write an empty text
  bool ViewText = false;     // list running text and the page title
  bool ViewMeta = false;     // list META contents
  bool ViewImages = false;   // list image captions
  bool ViewValue = false;    // list input values
  bool ViewScripts = false;  // list quoted strings of scripts and event attributes
  bool UseMSWord = false;    // edit blocks in the word processor
  bool AutoSave = false;     // save the page after every block edit
  bool Deutsch = false;      // German user interface
  std::string ExportFolder;  // folder for export files
  std::string ContentUndo;   // the page before the last block edit; never stored
};

// Where the settings file of the program at programPath lies: beside it, named after it in lower
// case with ".ini" (".../tolvane" → ".../tolvane.ini"); when that folder is not writable, the same
// name in $XDG_CONFIG_HOME/tolvane/ (default ~/.config/tolvane/).
std::string settingsFilePath(const std::string& programPath);

// Reads the settings from iniPath into vars. A missing file, key or a value that is no number gives
// the key's default; ExportFolder defaults to programFolder with a trailing "/". Never fails.
void LoadSettings(TGlobalVars& vars, const std::string& iniPath, const std::string& programFolder);

// Writes the ten flags and ExportFolder into iniPath, keeping the file's other lines. The file is
// replaced as a whole or not at all; on failure the message is "Unable to write to <path>" with the reason.
html::FileStatus SaveSettings(const TGlobalVars& vars, const std::string& iniPath);

}  // namespace tolvane::settings
