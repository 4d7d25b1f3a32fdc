#include "../../shared/portable/Utf16.h"

#include <gtest/gtest.h>

TEST(Utf16, ConvertsBothWays) {
  const struct {
    std::wstring wide;
    std::u16string utf16;
  } cases[] = {
      {L"", u""},
      {L"plain text", u"plain text"},
      {L"Zo\u00EB \u6587\u6863", u"Zo\u00EB \u6587\u6863"},
      {L"\uFFFF", {0xFFFF}},
      {L"\U00010000", {0xD800, 0xDC00}},
      {L"\U0001F600", {0xD83D, 0xDE00}},
      {L"\U0010FFFF", {0xDBFF, 0xDFFF}},
      {L"a\U0001F600b\U0001F600", {u'a', 0xD83D, 0xDE00, u'b', 0xD83D, 0xDE00}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToUtf16(c.wide), c.utf16);
    EXPECT_EQ(FromUtf16(c.utf16), c.wide);
  }
}

TEST(Utf16, LoneSurrogatesSurviveTheRoundTrip) {
  const std::u16string cases[] = {
      {0xD800}, {0xDC00}, {0xDE00, 0xD83D}, {0xD83D, u'a'}, {u'a', 0xD83D}, {0xD83D, 0xD83D, 0xDE00},
  };
  for (const std::u16string& units : cases) EXPECT_EQ(ToUtf16(FromUtf16(units)), units);
}

TEST(Utf16, NoCodePointBecomesTheReplacementCharacter) {
  for (const wchar_t c : {static_cast<wchar_t>(0x110000), static_cast<wchar_t>(-1)}) {
    EXPECT_EQ(ToUtf16(std::wstring(1, c)), u"\uFFFD");
  }
}
