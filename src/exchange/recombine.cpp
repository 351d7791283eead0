#include "exchange/recombine.h"

#include <optional>

#include "exchange/exchange_format.h"

namespace tolvane {
namespace {

// A placeholder found in a text: where it stands and whose entry it takes.
struct Match {
  size_t begin, end;
  size_t number;
};

// The placeholder that starts at position at, if one does: "%%_", digits without a leading zero, "_%%".
std::optional<Match> placeholderAt(std::string_view text, size_t at) {
  if (text.compare(at, 3, "%%_") != 0) return std::nullopt;
  size_t i = at + 3;
  size_t number = 0;
  const size_t digits = i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9' && i - digits < 18)
    number = number * 10 + (text[i++] - '0');
  if (i == digits || text[digits] == '0' || text.compare(i, 3, "_%%") != 0) return std::nullopt;
  return Match{at, i + 3, number};
}

// The placeholders of text whose numbers lie in (after, last]; nullopt when two of any numbers overlap.
std::optional<std::vector<Match>> placeholders(std::string_view text, size_t after, size_t last) {
  std::vector<Match> found;
  size_t previousEnd = 0;
  for (size_t at = text.find("%%_"); at != std::string_view::npos; at = text.find("%%_", at + 1)) {
    std::optional<Match> match = placeholderAt(text, at);
    if (!match) continue;
    if (match->begin < previousEnd) return std::nullopt;
    previousEnd = match->end;
    if (match->number > after && match->number <= last) found.push_back(*match);
  }
  return found;
}

// Characters that can belong to a placeholder.
bool placeholderCharacter(char c) {
  return c == '%' || c == '_' || (c >= '0' && c <= '9');
}

// Whether putting entry in place of match in text could let a placeholder arise across the border
// of the inserted text. Only a run of placeholder characters can cross a border, and a character
// that belongs to no placeholder is never replaced, so a border with such a character on one side
// is safe for good.
bool borderMayFormPlaceholder(std::string_view text, const Match& match, std::string_view entry) {
  const bool left = match.begin > 0 && placeholderCharacter(text[match.begin - 1]);
  const bool right = match.end < text.size() && placeholderCharacter(text[match.end]);
  if (entry.empty()) return left && right;
  return (left && placeholderCharacter(entry.front())) || (right && placeholderCharacter(entry.back()));
}

// text with its placeholders (numbers above after) filled by the entries' filled texts; nullopt
// where the direct way cannot be sure to give what the steps give.
std::optional<std::string> fill(std::string_view text, size_t after,
                                const std::vector<std::string_view>& entries,
                                const std::vector<std::optional<std::string>>& filled) {
  std::optional<std::vector<Match>> matches = placeholders(text, after, entries.size() - 1);
  if (!matches) return std::nullopt;
  std::string out;
  size_t cursor = 0;
  for (const Match& m : *matches) {
    if (borderMayFormPlaceholder(text, m, entries[m.number])) return std::nullopt;
    out.append(text, cursor, m.begin - cursor);
    out += *filled[m.number];
    cursor = m.end;
  }
  out.append(text, cursor);
  return out;
}

// The steps one by one, as they read: the answer wherever the direct way cannot be sure.
std::string stepByStep(std::string text, const std::vector<std::string_view>& entries) {
  for (size_t k = 1; k < entries.size(); ++k) {
    const std::string placeholder = Placeholder(k);
    std::string next;
    size_t cursor = 0;
    for (size_t at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, cursor)) {
      next.append(text, cursor, at - cursor);
      next += entries[k];
      cursor = at + placeholder.size();
    }
    if (cursor == 0) continue;
    next.append(text, cursor);
    text = std::move(next);
  }
  return text;
}

}  // namespace

std::string Recombine(std::string_view templateText, const std::vector<std::string_view>& lines) {
  // entries[k] is the text of line k; index 0 stays unused.
  std::vector<std::string_view> entries(lines.size() + 1);
  for (size_t k = 1; k <= lines.size(); ++k) entries[k] = EntryText(lines[k - 1], k);

  // Which entries end up in the result: those whose placeholders the template holds, and those that
  // the texts of earlier needed entries hold.
  const size_t last = entries.size() - 1;
  std::vector<bool> needed(entries.size(), false);
  auto markNeeded = [&](std::string_view text, size_t after) {
    for (size_t at = text.find("%%_"); at != std::string_view::npos; at = text.find("%%_", at + 1))
      if (auto match = placeholderAt(text, at); match && match->number > after && match->number <= last)
        needed[match->number] = true;
  };
  markNeeded(templateText, 0);
  for (size_t k = 1; k <= last; ++k)
    if (needed[k]) markNeeded(entries[k], k);

  // An entry's text is filled by the steps after its own, so the last entries are filled first.
  std::vector<std::optional<std::string>> filled(entries.size());
  for (size_t k = last; k >= 1; --k) {
    if (!needed[k]) continue;
    filled[k] = fill(entries[k], k, entries, filled);
    if (!filled[k]) return stepByStep(std::string(templateText), entries);
  }
  std::optional<std::string> result = fill(templateText, 0, entries, filled);
  return result ? std::move(*result) : stepByStep(std::string(templateText), entries);
}

}  // namespace tolvane
