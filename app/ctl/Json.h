#pragma once

#include <string>
#include <string_view>
#include <vector>

// A small JSON writer for keyvanectl's --json output. Values are added in document order; commas,
// indentation and string escaping are taken care of.
class JsonWriter {
 public:
  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  // Inside an object, a member's name comes before its value.
  void Key(std::string_view name);
  void String(std::string_view utf8);
  void String(std::wstring_view text);
  void Number(long long value);
  void Number(double value);
  void Bool(bool value);
  void Null();

  const std::string& Text() const { return text_; }

 private:
  void BeforeValue();
  void Newline();

  std::string text_;
  std::vector<bool> has_members_;  // per open object or array: whether it holds anything yet
  bool after_key_ = false;
};

std::string JsonEscape(std::string_view utf8);
