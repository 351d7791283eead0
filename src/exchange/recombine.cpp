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

// A filled text and the places where inserted texts meet their surroundings.
struct Filled {
  std::string text;
  std::vector<size_t> borders;
};

// text with its placeholders (numbers above after) filled by the entries' filled texts.
std::optional<Filled> fill(std::string_view text, size_t after,
                           const std::vector<std::optional<Filled>>& entries) {
  std::optional<std::vector<Match>> matches = placeholders(text, after, entries.size() - 1);
  if (!matches) return std::nullopt;
  Filled out;
  size_t cursor = 0;
  for (const Match& m : *matches) {
    const Filled& entry = *entries[m.number];
    out.text.append(text, cursor, m.begin - cursor);
    out.borders.push_back(out.text.size());
    for (size_t border : entry.borders) out.borders.push_back(out.text.size() + border);
    out.text += entry.text;
    out.borders.push_back(out.text.size());
    cursor = m.end;
  }
  out.text.append(text, cursor);
  return out;
}

// Whether a placeholder of any number stands across one of the borders.
bool placeholderAcrossBorder(const Filled& filled) {
  constexpr size_t kReach = 24;  // longer than any placeholder of a number this can fill
  for (size_t border : filled.borders) {
    size_t from = border > kReach ? border - kReach : 0;
    for (size_t at = filled.text.find("%%_", from); at != std::string::npos && at < border;
         at = filled.text.find("%%_", at + 1)) {
      std::optional<Match> match = placeholderAt(filled.text, at);
      if (match && match->end > border) return true;
    }
  }
  return false;
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

std::vector<std::string_view> ExchangeLines(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::vector<std::string_view> lines;
  size_t i = 0;
  while (i < text.size()) {
    size_t end = text.find_first_of("\r\n", i);
    if (end == std::string_view::npos) end = text.size();
    lines.push_back(text.substr(i, end - i));
    i = end;
    if (i < text.size()) i += text.compare(i, 2, "\r\n") == 0 ? 2 : 1;
  }
  return lines;
}

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
  std::vector<std::optional<Filled>> filled(entries.size());
  bool direct = true;
  for (size_t k = entries.size(); direct && k-- > 1;) {
    if (!needed[k]) continue;
    filled[k] = fill(entries[k], k, filled);
    direct = filled[k] && !placeholderAcrossBorder(*filled[k]);
  }
  std::optional<Filled> result;
  if (direct) result = fill(templateText, 0, filled);
  if (!result || placeholderAcrossBorder(*result)) return stepByStep(std::string(templateText), entries);
  return std::move(result->text);
}

}  // namespace tolvane
