#include "settings/settings.h"

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "document/ascii.h"
#include "settings/ini_file.h"

namespace tolvane::settings {
namespace {

struct FlagKey {
  const char* section;
  const char* key;
  bool TGlobalVars::*field;
  bool defaultValue;
};

// In the order the file is written and read.
constexpr FlagKey kFlags[] = {
    {"MainOptions", "ItemsFilter", &TGlobalVars::ItemsFilter, false},
    {"MainOptions", "EmptyDelete", &TGlobalVars::EmptyDelete, false},
    {"MainOptions", "UseMSWord", &TGlobalVars::UseMSWord, false},
    {"MainOptions", "AutoSave", &TGlobalVars::AutoSave, true},
    {"MainOptions", "Deutsch", &TGlobalVars::Deutsch, true},
    {"HTMLOptions", "ViewText", &TGlobalVars::ViewText, true},
    {"HTMLOptions", "ViewMeta", &TGlobalVars::ViewMeta, true},
    {"HTMLOptions", "ViewImages", &TGlobalVars::ViewImages, true},
    {"HTMLOptions", "ViewValue", &TGlobalVars::ViewValue, false},
    {"HTMLOptions", "ViewScripts", &TGlobalVars::ViewScripts, false},
};
constexpr const char* kExportSection = "ImportExport";
constexpr const char* kExportKey = "ExportFolder";
constexpr size_t kMaximumFolderLength = 2047;

// A profile integer: optional sign and decimal digits, or "0x" and hex digits; what follows the
// number is ignored. nullopt when the value does not start with a number.
std::optional<long long> profileInteger(const std::string& value) {
  const char* text = value.c_str();
  bool hex = value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X');
  char* end = nullptr;
  long long number = hex ? std::strtoll(text + 2, &end, 16) : std::strtoll(text, &end, 10);
  if (end == (hex ? text + 2 : text)) return std::nullopt;
  return number;
}

}  // namespace

std::string settingsFilePath(const std::string& programPath) {
  std::filesystem::path program(programPath);
  std::string name = asciiLowerCopy(program.stem().string()) + ".ini";
  std::filesystem::path folder = program.parent_path();
  if (::access(folder.empty() ? "." : folder.c_str(), W_OK) == 0) return (folder / name).string();
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  std::filesystem::path config = xdg && *xdg ? std::filesystem::path(xdg)
                                 : home      ? std::filesystem::path(home) / ".config"
                                             : std::filesystem::path(".");
  return (config / "tolvane" / name).string();
}

void LoadSettings(TGlobalVars& vars, const std::string& iniPath, const std::string& programFolder) {
  std::string text;
  (void)html::loadTextFromFile(iniPath, text);  // an unreadable file gives the defaults
  IniFile file = IniFile::parse(text);
  for (const FlagKey& flag : kFlags) {
    std::optional<long long> number;
    if (auto value = file.value(flag.section, flag.key)) number = profileInteger(*value);
    vars.*flag.field = number ? *number != 0 : flag.defaultValue;
  }
  if (auto folder = file.value(kExportSection, kExportKey))
    vars.ExportFolder = folder->substr(0, kMaximumFolderLength);
  else
    vars.ExportFolder = programFolder.ends_with('/') ? programFolder : programFolder + "/";
}

html::FileStatus SaveSettings(const TGlobalVars& vars, const std::string& iniPath) {
  std::string text;
  (void)html::loadTextFromFile(iniPath, text);
  IniFile file = IniFile::parse(text);
  for (const FlagKey& flag : kFlags) file.setValue(flag.section, flag.key, vars.*flag.field ? "1" : "0");
  file.setValue(kExportSection, kExportKey, vars.ExportFolder);
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(iniPath).parent_path(), ignored);
  html::FileStatus status = html::writeFileAtomically(iniPath, file.text());
  if (!status) return {"Unable to write to " + iniPath + " (" + status.error + ")"};
  return {};
}

}  // namespace tolvane::settings
