#include "app/xml/XmlDocument.h"

#include <pugixml.hpp>

#include "app/xml/TextDecoding.h"
#include "platform/Backend.h"
#include "platform/Files.h"
#include "platform/Locale.h"
#include "platform/Text.h"

struct XmlDocument::Tree {
  pugi::xml_document document;
  pugi::xml_node level;  // the element whose children are searched; the document at the top
  pugi::xml_node found;  // the element found last at that level, or null
};

XmlDocument::XmlDocument() : tree_(std::make_unique<Tree>()) {}
XmlDocument::~XmlDocument() = default;

XmlDocument::LoadResult XmlDocument::Load(const std::filesystem::path& file,
                                          const std::string& system_code_page) {
  std::string bytes;
  switch (platform::ReadWholeFile(file, bytes)) {
    case platform::ReadFileResult::Ok:
      return Parse(bytes, system_code_page);
    case platform::ReadFileResult::Missing:
      tree_ = std::make_unique<Tree>();
      error_ = "file not found";
      return LoadResult::Missing;
    case platform::ReadFileResult::Unreadable:
      break;
  }
  tree_ = std::make_unique<Tree>();
  error_ = "file cannot be read";
  return LoadResult::Unreadable;
}

XmlDocument::LoadResult XmlDocument::Parse(std::string_view bytes,
                                           const std::string& system_code_page) {
  tree_ = std::make_unique<Tree>();
  encoding_.clear();
  error_.clear();
  if (bytes.empty()) {
    error_ = "file is empty";
    return LoadResult::Empty;
  }
  const std::string code_page = system_code_page.empty()
                                    ? platform::Get<platform::Locale>().SystemCodePage()
                                    : system_code_page;
  auto text = DecodeText(bytes, code_page);
  if (!text) {
    error_ = "text encoding cannot be decoded";
    return LoadResult::Undecodable;
  }
  encoding_ = text->encoding;
  // The text is UTF-8 now whatever the prolog says, so pugixml is told so.
  const auto parsed = tree_->document.load_buffer(text->utf8.data(), text->utf8.size(),
                                                  pugi::parse_default, pugi::encoding_utf8);
  if (!parsed) {
    tree_ = std::make_unique<Tree>();
    error_ = std::string("not well formed: ") + parsed.description() + " at byte " +
             std::to_string(parsed.offset);
    return LoadResult::Malformed;
  }
  if (!tree_->document.document_element()) {
    tree_ = std::make_unique<Tree>();
    error_ = "no root element";
    return LoadResult::Malformed;
  }
  tree_->level = tree_->document;
  return LoadResult::Ok;
}

bool XmlDocument::FindElem(std::wstring_view name) {
  if (!tree_->level) return false;
  const std::string wanted = platform::ToUtf8(name);
  pugi::xml_node node = tree_->found ? tree_->found.next_sibling() : tree_->level.first_child();
  for (; node; node = node.next_sibling()) {
    if (node.type() == pugi::node_element && (wanted.empty() || wanted == node.name())) {
      tree_->found = node;
      return true;
    }
  }
  return false;
}

bool XmlDocument::IntoElem() {
  if (!tree_->found) return false;
  tree_->level = tree_->found;
  tree_->found = pugi::xml_node();
  return true;
}

bool XmlDocument::OutOfElem() {
  if (!tree_->level || tree_->level.type() == pugi::node_document) return false;
  tree_->found = tree_->level;
  tree_->level = tree_->level.parent();
  return true;
}

void XmlDocument::ResetPos() {
  tree_->found = pugi::xml_node();
  tree_->level =
      tree_->document.document_element() ? pugi::xml_node(tree_->document) : pugi::xml_node();
}

void XmlDocument::ResetMainPos() {
  tree_->found = pugi::xml_node();
}

std::wstring XmlDocument::GetTagName() const {
  return platform::FromUtf8(tree_->found.name());
}

std::wstring XmlDocument::GetAttrib(std::wstring_view name) const {
  return platform::FromUtf8(tree_->found.attribute(platform::ToUtf8(name).c_str()).value());
}

bool XmlDocument::HasAttrib(std::wstring_view name) const {
  return static_cast<bool>(tree_->found.attribute(platform::ToUtf8(name).c_str()));
}

std::wstring XmlDocument::GetData() const {
  std::string text;
  for (pugi::xml_node child : tree_->found.children()) {
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
      text += child.value();
  }
  return platform::FromUtf8(text);
}

const char* DescribeLoadResult(XmlDocument::LoadResult result) {
  switch (result) {
    case XmlDocument::LoadResult::Ok:
      return "ok";
    case XmlDocument::LoadResult::Missing:
      return "file not found";
    case XmlDocument::LoadResult::Unreadable:
      return "file cannot be read";
    case XmlDocument::LoadResult::Empty:
      return "file is empty";
    case XmlDocument::LoadResult::Undecodable:
      return "text encoding cannot be decoded";
    case XmlDocument::LoadResult::Malformed:
      return "not well-formed XML";
  }
  return "unknown";
}
