#pragma once

#include <string>
#include <string_view>

namespace tolvane::settings {

// The user interface languages, numbered as the language switch numbers them.
enum class Language { German = 1, English = 2 };

// The text of the message-table entry whose key equals key without regard to case, in the given
// language; empty for a key that is not in the table.
std::string MessageText(std::string_view key, Language language);

}  // namespace tolvane::settings
