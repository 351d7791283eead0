#include "exchange/import_document.h"

#include <filesystem>

#include "document/encoding.h"
#include "exchange/recombine.h"

namespace tolvane {

ImportResult ImportDocument(const std::string& textFile, const std::string& templateFile,
                            const std::string& outputFile, const ProgressCallback& progress) {
  std::error_code ignored;
  if (!std::filesystem::is_regular_file(textFile, ignored) ||
      !std::filesystem::is_regular_file(templateFile, ignored))
    return {ImportResult::Outcome::MissingInput, {}};
  // The template is taken whole: it keeps the page's own NUL bytes, and what follows them.
  std::string text, templateText;
  if (html::FileStatus status = html::loadTextFromFile(textFile, text); !status)
    return {ImportResult::Outcome::Failed, status.error};
  if (html::FileStatus status = html::readFileBytes(templateFile, templateText); !status)
    return {ImportResult::Outcome::Failed, status.error};

  std::vector<std::string_view> lines = html::TextLines(text);
  if (progress) progress(0, lines.size());
  std::string page = html::WithCrLfLineEnds(Recombine(templateText, lines));
  if (progress) progress(lines.size(), lines.size());

  std::string bytes;
  std::unique_ptr<html::Codec> codec = html::Codec::open(html::prescanMetaCharset(page).value_or("utf-8"));
  if (codec && codec->asciiCompatible())
    codec->encode(page, bytes, html::Codec::Fallback::CharacterReference);
  else
    bytes = std::move(page);
  if (html::FileStatus status = html::writeFileAtomically(outputFile, bytes); !status)
    return {ImportResult::Outcome::Failed, status.error};
  return {};
}

}  // namespace tolvane
