#include "app/xml/XmlWriter.h"

#include <pugixml.hpp>
#include <sstream>

#include "platform/Files.h"
#include "platform/Text.h"

struct XmlWriter::Tree {
  pugi::xml_document document;
  pugi::xml_node open;  // the element new content goes into; the document before the root
};

XmlWriter::XmlWriter() : tree_(std::make_unique<Tree>()) {
  tree_->open = tree_->document;
}
XmlWriter::~XmlWriter() = default;

void XmlWriter::StartElement(std::wstring_view name) {
  tree_->open = tree_->open.append_child(platform::ToUtf8(name).c_str());
}

void XmlWriter::SetAttribute(std::wstring_view name, std::wstring_view value) {
  if (tree_->open.type() != pugi::node_element) return;
  tree_->open.append_attribute(platform::ToUtf8(name).c_str()) = platform::ToUtf8(value).c_str();
}

void XmlWriter::SetAttribute(std::wstring_view name, int value) {
  SetAttribute(name, std::to_wstring(value));
}

void XmlWriter::AddText(std::wstring_view text) {
  if (tree_->open.type() != pugi::node_element) return;
  tree_->open.append_child(pugi::node_pcdata).set_value(platform::ToUtf8(text).c_str());
}

bool XmlWriter::EndElement() {
  if (tree_->open.type() != pugi::node_element) return false;
  tree_->open = tree_->open.parent();
  return true;
}

std::string XmlWriter::ToUtf8() const {
  std::ostringstream out;
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
  tree_->document.save(out, "\t", pugi::format_indent | pugi::format_no_declaration,
                       pugi::encoding_utf8);
  return out.str();
}

bool XmlWriter::Save(const std::filesystem::path& file) const {
  return platform::WriteFileAtomically(file, ToUtf8());
}
