#include "settings/message_table.h"

#include "document/ascii.h"

namespace tolvane::settings {
namespace {

struct Message {
  std::string_view key;
  std::string_view german;
  std::string_view english;
};

constexpr Message kMessages[] = {
    {"ResBlockCount", "Textblöcke", "Text blocks"},
    {"ResWords", "Wörter", "Words"},
    {"ResSaveDoc", "Das Dokument wurde verändert. Änderungen speichern?",
     "The document has been changed. Save the changes?"},
    {"InstallWordError", "Word ist wahrscheinlich nicht installiert!",
     "The word processor is probably not installed!"},
    {"Res001", "Exportieren", "Export"},
    {"Res002", "Export ist erfolgreich beendet.", "The export has been completed successfully."},
    {"Res003", "Importieren", "Import"},
    {"Res004", "Import ist erfolgreich beendet. Erstellte Dateien laden?",
     "The import has been completed successfully. Load the files created?"},
    {"Res005", "Falscher Dateiname. Import wurde abgebrochen!",
     "Wrong file name. The import has been cancelled!"},
    {"Res006", " Dokumentenname: ", " Document name: "},
    {"Res007", "Ausgangsordner anzeigen", "Show the output folder"},
    {"Res008", "Weiter >", "Next >"},
    {"Res009", "Doppelter Eintrag. Nächsten anzeigen?", "Duplicate entry. Show the next one?"},
    {"Res010", "Doppelte Einträge gefiltert: ", "Duplicate entries filtered: "},
    {"Res011", "Tags-Liste", "Tags list"},
};

}  // namespace

std::string MessageText(std::string_view key, Language language) {
  for (const Message& message : kMessages)
    if (equalsIgnoringAsciiCase(message.key, key))
      return std::string(language == Language::German ? message.german : message.english);
  return {};
}

}  // namespace tolvane::settings
