#include "app/ctl/Json.h"

#include <cmath>
#include <cstdio>

#include "platform/Text.h"

std::string JsonEscape(std::string_view utf8) {
  std::string out = "\"";
  for (char c : utf8) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned char>(c));
          out += buffer;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

void JsonWriter::Newline() {
  text_ += '\n';
  text_.append(has_members_.size() * 2, ' ');
}

void JsonWriter::BeforeValue() {
  if (after_key_) {
    after_key_ = false;
    return;
  }
  if (has_members_.empty()) return;
  if (has_members_.back()) text_ += ',';
  has_members_.back() = true;
  Newline();
}

void JsonWriter::BeginObject() {
  BeforeValue();
  text_ += '{';
  has_members_.push_back(false);
}

void JsonWriter::EndObject() {
  const bool had_members = has_members_.back();
  has_members_.pop_back();
  if (had_members) Newline();
  text_ += '}';
  if (has_members_.empty()) text_ += '\n';
}

void JsonWriter::BeginArray() {
  BeforeValue();
  text_ += '[';
  has_members_.push_back(false);
}

void JsonWriter::EndArray() {
  const bool had_members = has_members_.back();
  has_members_.pop_back();
  if (had_members) Newline();
  text_ += ']';
  if (has_members_.empty()) text_ += '\n';
}

void JsonWriter::Key(std::string_view name) {
  BeforeValue();
  text_ += JsonEscape(name) + ": ";
  after_key_ = true;
}

void JsonWriter::String(std::string_view utf8) {
  BeforeValue();
  text_ += JsonEscape(platform::ToUtf8(platform::FromUtf8(utf8)));  // invalid bytes become U+FFFD
}

void JsonWriter::String(std::wstring_view text) {
  BeforeValue();
  text_ += JsonEscape(platform::ToUtf8(text));
}

void JsonWriter::Number(long long value) {
  BeforeValue();
  text_ += std::to_string(value);
}

void JsonWriter::Number(double value) {
  BeforeValue();
  if (!std::isfinite(value)) {
    text_ += "null";
    return;
  }
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.17g", value);
  text_ += buffer;
}

void JsonWriter::Bool(bool value) {
  BeforeValue();
  text_ += value ? "true" : "false";
}

void JsonWriter::Null() {
  BeforeValue();
  text_ += "null";
}
