#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// Puts entries into a template: for k = 1, 2, ... in turn, every placeholder of k ("%%_k_%%") is
// replaced by the text of line k, left to right; the text put in is searched by the later steps,
// not by its own. Linear in the size of template and result: each placeholder is filled once with
// the already filled text of its entry. Where placeholders overlap or arise across the borders of
// inserted text, the steps are carried out one by one, as they read.
std::string Recombine(std::string_view templateText, const std::vector<std::string_view>& lines);

}  // namespace tolvane
