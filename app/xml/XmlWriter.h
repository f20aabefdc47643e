#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

// Builds a document of elements with attributes and text, and writes it as UTF-8 with the
// declaration <?xml version="1.0" encoding="UTF-8"?> on a line of its own. Special characters in
// names' values and texts are escaped.
class XmlWriter {
 public:
  XmlWriter();
  ~XmlWriter();
  XmlWriter(const XmlWriter&) = delete;
  XmlWriter& operator=(const XmlWriter&) = delete;

  // Opens an element inside the one open now (or as the root).
  void StartElement(std::wstring_view name);
  // Attributes and text go to the element open now; attributes keep the order they were added in.
  void SetAttribute(std::wstring_view name, std::wstring_view value);
  void SetAttribute(std::wstring_view name, int value);
  void AddText(std::wstring_view text);
  // Closes the element open now; false when none is open.
  bool EndElement();

  std::string ToUtf8() const;
  // Writes the document atomically: a failed save leaves an existing file as it was.
  bool Save(const std::filesystem::path& file) const;

 private:
  struct Tree;
  std::unique_ptr<Tree> tree_;
};
