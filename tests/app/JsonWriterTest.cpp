#include "app/ctl/Json.h"

#include <gtest/gtest.h>

namespace {

TEST(JsonWriterTest, NestedDocumentWithEscapes) {
  JsonWriter json;
  json.BeginObject();
  json.Key("name");
  json.String(L"键盘 \"K\"\n");
  json.Key("vid");
  json.Number(0x1D57LL);
  json.Key("modes");
  json.BeginArray();
  json.BeginObject();
  json.Key("ok");
  json.Bool(true);
  json.EndObject();
  json.Null();
  json.EndArray();
  json.Key("empty");
  json.BeginArray();
  json.EndArray();
  json.Key("bad");
  json.String(std::string_view("a\xFF\x01"));
  json.EndObject();
  EXPECT_EQ(json.Text(),
            "{\n"
            "  \"name\": \"键盘 \\\"K\\\"\\n\",\n"
            "  \"vid\": 7511,\n"
            "  \"modes\": [\n"
            "    {\n"
            "      \"ok\": true\n"
            "    },\n"
            "    null\n"
            "  ],\n"
            "  \"empty\": [],\n"
            "  \"bad\": \"a\xEF\xBF\xBD\\u0001\"\n"
            "}\n");
}

}  // namespace
