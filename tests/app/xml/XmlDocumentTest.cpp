#include "app/xml/XmlDocument.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include "tests/support/ScratchFolder.h"

namespace {

// Encodes UTF-8 text in another encoding, as an editor on another system would have saved it.
std::string Encode(const std::string& utf8, const char* encoding) {
  iconv_t cd = iconv_open(encoding, "UTF-8");
  EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1)) << encoding;
  std::string input = utf8;
  std::string output(input.size() * 4 + 16, '\0');
  char* in = input.data();
  char* out = output.data();
  size_t in_left = input.size(), out_left = output.size();
  EXPECT_NE(iconv(cd, &in, &in_left, &out, &out_left), static_cast<size_t>(-1)) << encoding;
  iconv_close(cd);
  output.resize(output.size() - out_left);
  return output;
}

const std::string kBody =
    "<config>\r\n"
    "  <device.info><keyboard name=\"K1\"/></device.info>\r\n"
    "  <software name=\"键盘 Keyvane &amp; &lt;x&gt; &quot;q&quot; &apos;a&apos; "
    "&#x4E2D;&#25991;\">"
    "文本 text &#65;</software>\r\n"
    "</config>\r\n";

std::string Prolog(const std::string& encoding) {
  return "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>\r\n";
}

struct EncodingCase {
  const char* label;
  std::string bytes;
  std::string system_code_page;
  std::string expected_encoding;
  friend void PrintTo(const EncodingCase& c, std::ostream* os) { *os << c.label; }
};

class XmlEncodingTest : public testing::TestWithParam<EncodingCase> {};

TEST_P(XmlEncodingTest, ReadsNamesTextsAndEntities) {
  const auto& param = GetParam();
  XmlDocument document;
  ASSERT_EQ(document.Parse(param.bytes, param.system_code_page), XmlDocument::LoadResult::Ok)
      << document.Error();
  EXPECT_EQ(document.Encoding(), param.expected_encoding);
  ASSERT_TRUE(document.FindElem(L"config"));
  ASSERT_TRUE(document.IntoElem());
  ASSERT_TRUE(document.FindElem(L"software"));
  EXPECT_EQ(document.GetAttrib(L"name"), L"键盘 Keyvane & <x> \"q\" 'a' 中文");
  EXPECT_EQ(document.GetData(), L"文本 text A");
}

const std::string kUtf8 = Prolog("UTF-8") + kBody;
const std::string kBare = "<?xml version=\"1.0\"?>\r\n" + kBody;

INSTANTIATE_TEST_SUITE_P(
    Encodings, XmlEncodingTest,
    testing::Values(EncodingCase{"Utf8WithMark", "\xEF\xBB\xBF" + kUtf8, "CP1252", "UTF-8"},
                    EncodingCase{"Utf8WithoutMark", kUtf8, "CP1252", "UTF-8"},
                    EncodingCase{"Utf8WithoutProlog", kBody, "GBK", "UTF-8"},
                    EncodingCase{"Utf16LeWithMark",
                                 "\xFF\xFE" + Encode(Prolog("UTF-16") + kBody, "UTF-16LE"),
                                 "CP1252", "UTF-16LE"},
                    EncodingCase{"Utf16BeWithMark",
                                 "\xFE\xFF" + Encode(Prolog("UTF-16") + kBody, "UTF-16BE"),
                                 "CP1252", "UTF-16BE"},
                    EncodingCase{"Utf16LeWithoutMark", Encode(Prolog("UTF-16") + kBody, "UTF-16LE"),
                                 "CP1252", "UTF-16LE"},
                    EncodingCase{"Utf16BeWithoutMark", Encode(Prolog("UTF-16") + kBody, "UTF-16BE"),
                                 "CP1252", "UTF-16BE"},
                    EncodingCase{"SystemCodePageGbk", Encode(kBare, "GBK"), "GBK", "GBK"},
                    EncodingCase{"DeclaredGbkOnWesternSystem", Encode(Prolog("GBK") + kBody, "GBK"),
                                 "CP1252", "GBK"},
                    EncodingCase{"DeclaredGb2312ReadAsGbk", Encode(Prolog("gb2312") + kBody, "GBK"),
                                 "CP1252", "GBK"}),
    [](const testing::TestParamInfo<EncodingCase>& info) { return std::string(info.param.label); });

TEST(XmlDocumentTest, WesternCodePageTextThatIsNotUtf8) {
  XmlDocument document;
  ASSERT_EQ(document.Parse("<a name=\"caf\xE9\"/>", "CP1252"), XmlDocument::LoadResult::Ok);
  EXPECT_EQ(document.Encoding(), "CP1252");
  ASSERT_TRUE(document.FindElem(L"a"));
  EXPECT_EQ(document.GetAttrib(L"name"), L"café");
}

// The configuration loader relies on this order: searching goes forward from the element found
// last, so an element placed before one already found is not seen.
TEST(XmlDocumentTest, FindsForwardFromTheLastFoundElement) {
  XmlDocument document;
  ASSERT_EQ(document.Parse("<config><software name=\"early\"/><device.info/><software "
                           "name=\"late\"/><x/></config>"),
            XmlDocument::LoadResult::Ok);
  ASSERT_TRUE(document.FindElem(L"config"));
  ASSERT_TRUE(document.IntoElem());
  ASSERT_TRUE(document.FindElem(L"device.info"));
  ASSERT_TRUE(document.FindElem(L"software"));
  EXPECT_EQ(document.GetAttrib(L"name"), L"late");
  // A missing element does not move the position.
  EXPECT_FALSE(document.FindElem(L"missing"));
  EXPECT_EQ(document.GetAttrib(L"name"), L"late");
  EXPECT_TRUE(document.FindElem(L"x"));
  EXPECT_FALSE(document.FindElem(L"software"));
  document.ResetMainPos();
  ASSERT_TRUE(document.FindElem(L"software"));
  EXPECT_EQ(document.GetAttrib(L"name"), L"early");
}

TEST(XmlDocumentTest, EntersAndLeavesElements) {
  XmlDocument document;
  ASSERT_EQ(document.Parse("<r><a><b v=\"1\"/><b v=\"2\"/></a><c/></r>"),
            XmlDocument::LoadResult::Ok);
  EXPECT_FALSE(document.IntoElem());   // nothing found yet
  EXPECT_FALSE(document.OutOfElem());  // already at the top
  ASSERT_TRUE(document.FindElem());
  EXPECT_EQ(document.GetTagName(), L"r");
  ASSERT_TRUE(document.IntoElem());
  ASSERT_TRUE(document.FindElem(L"a"));
  ASSERT_TRUE(document.IntoElem());
  std::wstring values;
  while (document.FindElem(L"b"))
    values += document.GetAttrib(L"v");
  EXPECT_EQ(values, L"12");
  EXPECT_EQ(document.GetAttrib(L"missing"), L"");
  EXPECT_FALSE(document.HasAttrib(L"missing"));
  ASSERT_TRUE(document.OutOfElem());
  EXPECT_EQ(document.GetTagName(), L"a");
  EXPECT_TRUE(document.FindElem(L"c"));
  document.ResetPos();
  EXPECT_TRUE(document.FindElem(L"r"));
}

struct BadInputCase {
  const char* label;
  std::string bytes;
  XmlDocument::LoadResult expected;
  friend void PrintTo(const BadInputCase& c, std::ostream* os) { *os << c.label; }
};

class XmlBadInputTest : public testing::TestWithParam<BadInputCase> {};

TEST_P(XmlBadInputTest, FailsClearlyAndFindsNothing) {
  XmlDocument document;
  EXPECT_EQ(document.Parse(GetParam().bytes, "CP1252"), GetParam().expected);
  EXPECT_FALSE(document.Error().empty());
  EXPECT_FALSE(document.FindElem());
  EXPECT_FALSE(document.IntoElem());
  EXPECT_EQ(document.GetAttrib(L"name"), L"");
  EXPECT_EQ(document.GetData(), L"");
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, XmlBadInputTest,
    testing::Values(
        BadInputCase{"Empty", "", XmlDocument::LoadResult::Empty},
        BadInputCase{"Truncated", "<config><software name=\"K", XmlDocument::LoadResult::Malformed},
        BadInputCase{"MismatchedTags", "<a></b>", XmlDocument::LoadResult::Malformed},
        BadInputCase{"OnlyProlog", "<?xml version=\"1.0\"?>", XmlDocument::LoadResult::Malformed},
        BadInputCase{"PlainText", "just some words", XmlDocument::LoadResult::Malformed},
        BadInputCase{"OddUtf16", std::string("\xFF\xFE<\0a\0/\0>\0x", 11),
                     XmlDocument::LoadResult::Undecodable},
        BadInputCase{"BadUtf8AfterMark", "\xEF\xBB\xBF<a n=\"\xC3\"/>",
                     XmlDocument::LoadResult::Undecodable},
        BadInputCase{"UnknownDeclaredEncoding", "<?xml version=\"1.0\" encoding=\"x-nope\"?><a/>",
                     XmlDocument::LoadResult::Undecodable},
        BadInputCase{"InvalidGbk", "<?xml version=\"1.0\" encoding=\"GBK\"?><a n=\"\x81\"/>",
                     XmlDocument::LoadResult::Undecodable}),
    [](const testing::TestParamInfo<BadInputCase>& info) { return std::string(info.param.label); });

TEST(XmlDocumentTest, FileFailures) {
  ScratchFolder folder;
  XmlDocument document;
  EXPECT_EQ(document.Load(folder / "missing.xml"), XmlDocument::LoadResult::Missing);
  EXPECT_EQ(document.Load(folder.Path()), XmlDocument::LoadResult::Unreadable);
  WriteTestFile(folder / "ok.xml", "<a x=\"1\"/>");
  ASSERT_EQ(document.Load(folder / "ok.xml"), XmlDocument::LoadResult::Ok);
  ASSERT_TRUE(document.FindElem(L"a"));
  // A failed load forgets the document read before it.
  EXPECT_EQ(document.Load(folder / "missing.xml"), XmlDocument::LoadResult::Missing);
  EXPECT_FALSE(document.FindElem(L"a"));
}

}  // namespace
