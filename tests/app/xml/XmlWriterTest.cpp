#include "app/xml/XmlWriter.h"

#include <gtest/gtest.h>

#include "app/xml/XmlDocument.h"
#include "platform/Files.h"
#include "tests/support/ScratchFolder.h"

namespace {

TEST(XmlWriterTest, StartsWithTheDeclarationLine) {
  XmlWriter writer;
  writer.StartElement(L"profile");
  writer.EndElement();
  const std::string text = writer.ToUtf8();
  EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<profile", 0), 0u) << text;
}

TEST(XmlWriterTest, WhatIsWrittenReadsBackExactly) {
  const std::wstring tricky = L"<&>\"' 配置方案 \t tab";
  XmlWriter writer;
  writer.StartElement(L"profile");
  writer.StartElement(L"profileinfo");
  writer.SetAttribute(L"name", tricky);
  writer.EndElement();
  writer.StartElement(L"keyitems");
  for (int i = 0; i < 3; ++i) {
    writer.StartElement(L"item");
    writer.SetAttribute(L"key_code", i - 1);
    writer.EndElement();
  }
  writer.EndElement();
  writer.StartElement(L"note");
  writer.AddText(L"a < b & 宏");
  writer.EndElement();
  EXPECT_TRUE(writer.EndElement());
  EXPECT_FALSE(writer.EndElement());

  XmlDocument document;
  ASSERT_EQ(document.Parse(writer.ToUtf8()), XmlDocument::LoadResult::Ok);
  ASSERT_TRUE(document.FindElem(L"profile") && document.IntoElem());
  ASSERT_TRUE(document.FindElem(L"profileinfo"));
  EXPECT_EQ(document.GetAttrib(L"name"), tricky);
  ASSERT_TRUE(document.FindElem(L"keyitems") && document.IntoElem());
  std::wstring codes;
  while (document.FindElem(L"item"))
    codes += document.GetAttrib(L"key_code") + L",";
  EXPECT_EQ(codes, L"-1,0,1,");
  ASSERT_TRUE(document.OutOfElem());
  ASSERT_TRUE(document.FindElem(L"note"));
  EXPECT_EQ(document.GetData(), L"a < b & 宏");
}

TEST(XmlWriterTest, FailedSaveKeepsTheOldFile) {
  ScratchFolder folder;
  XmlWriter writer;
  writer.StartElement(L"profile");
  EXPECT_FALSE(writer.Save(folder / "no-such-folder" / "p.xml"));

  WriteTestFile(folder / "p.xml", "old");
  ASSERT_TRUE(writer.Save(folder / "p.xml"));
  std::string content;
  ASSERT_EQ(platform::ReadWholeFile(folder / "p.xml", content), platform::ReadFileResult::Ok);
  EXPECT_NE(content.find("<profile"), std::string::npos);
}

}  // namespace
