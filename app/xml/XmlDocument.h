#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

// Reads an XML document and walks it with a cursor. At each level the cursor remembers the element
// found last; FindElem searches forward from there among the siblings, so elements are found in
// document order and a missing one does not move the position. IntoElem makes the found element
// the current level; OutOfElem returns to its parent with that element found.
class XmlDocument {
 public:
  enum class LoadResult { Ok, Missing, Unreadable, Empty, Undecodable, Malformed };

  XmlDocument();
  ~XmlDocument();
  XmlDocument(const XmlDocument&) = delete;
  XmlDocument& operator=(const XmlDocument&) = delete;

  // `system_code_page` overrides the locale's legacy encoding for text that is not UTF-8.
  LoadResult Load(const std::filesystem::path& file, const std::string& system_code_page = "");
  LoadResult Parse(std::string_view bytes, const std::string& system_code_page = "");

  // The encoding the document was read as, and a one-line description of the last load failure.
  const std::string& Encoding() const { return encoding_; }
  const std::string& Error() const { return error_; }

  // Finds the next element at the current level named `name` (any element when empty).
  bool FindElem(std::wstring_view name = {});
  bool IntoElem();
  bool OutOfElem();
  // Back to the top level with nothing found.
  void ResetPos();
  // Searching at the current level starts again from its first element.
  void ResetMainPos();

  // Of the element found last: its name, an attribute (empty when absent), its text.
  std::wstring GetTagName() const;
  std::wstring GetAttrib(std::wstring_view name) const;
  bool HasAttrib(std::wstring_view name) const;
  std::wstring GetData() const;

 private:
  struct Tree;
  std::unique_ptr<Tree> tree_;
  std::string encoding_;
  std::string error_;
};

// A short English description of a load result, for command-line tools.
const char* DescribeLoadResult(XmlDocument::LoadResult result);
