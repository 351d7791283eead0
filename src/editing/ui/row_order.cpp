#include "editing/ui/row_order.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <string_view>

#include "document/ascii.h"
#include "document/block_list.h"

namespace tolvane::ui {
namespace {

int compareFoldingAsciiLetters(std::string_view a, std::string_view b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const int x = static_cast<unsigned char>(asciiUpper(a[i]));
    const int y = static_cast<unsigned char>(asciiUpper(b[i]));
    if (x != y) return x - y;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

}  // namespace

int CompareRows(const BlockRow& a, const BlockRow& b, int column) {
  if (column == 0)
    return compareFoldingAsciiLetters(std::to_string(static_cast<int>(a.icon)),
                                      std::to_string(static_cast<int>(b.icon)));
  return compareFoldingAsciiLetters(a.text, b.text);
}

std::vector<size_t> sortedRowOrder(const BlockList& list, int column) {
  std::vector<size_t> order(list.rowCount());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return CompareRows(list.row(a), list.row(b), column) < 0; });
  return order;
}

}  // namespace tolvane::ui
