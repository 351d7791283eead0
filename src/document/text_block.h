#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

class BrowserView;
class BlockList;

// What sort of text a block is; the number is the row's icon.
enum class BlockClass : uint8_t {
  RunningText = 0,   // text after a start or end tag, the page title
  ImageCaption = 1,  // alt text of an image or image input
  HeaderEntry = 2,   // META content
  FieldValue = 3,    // value of an input
  ScriptString = 4,  // quoted string in script code or an event attribute
};

// Where a block's quoted string lies.
enum class ScriptStringKind : uint8_t { None = 0, ScriptCode = 1, EventAttribute = 2 };

// The address of one translatable text in the live document; it does not hold the text. All fields
// are set by the scan and never change.
struct TTag {
  std::string ElementID;  // the element's uniqueID
  bool Inner = false;     // the element's own text (or property) rather than the text after its end tag
  std::string TagName;    // as the element reported it at scan time
  ScriptStringKind ScriptKind = ScriptStringKind::None;
  int32_t Occurrence = 0;          // number of the quoted string, from 1; 0 when no script string
  std::string AttrName;            // the event attribute's name in upper case, for event attribute strings
  BrowserView* Browser = nullptr;  // the view whose document holds the element; not owned
};

// The blocks of one row of the block list and the row's current text. Owns its blocks.
class TDuplTags {
 public:
  // Appends the block; the group takes ownership.
  void AddTag(std::unique_ptr<TTag> tag) { m_tags.push_back(std::move(tag)); }
  // The block at a 0-based index (which must be below Count()).
  TTag& GetTag(size_t index) const { return *m_tags[index]; }
  size_t Count() const { return m_tags.size(); }

  std::string Text;               // the normalised text of the blocks, or the text last applied
  BlockList* ListView = nullptr;  // the list that shows the group's row; not owned

 private:
  std::vector<std::unique_ptr<TTag>> m_tags;
};

// True when the tag name, in any case, is one of the text containers whose leading and trailing
// running text are blocks.
bool IsTextTag(std::string_view tagName);

}  // namespace tolvane
