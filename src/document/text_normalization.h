#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// Removes leading and trailing characters whose code is 32 or less.
std::string_view trimControlAndSpace(std::string_view text);

// A block's text as the list shows it: every no-break space written as the five characters
// "&nbsp" (no semicolon), then trimmed.
std::string normalizeBlockText(std::string_view text);

}  // namespace tolvane
