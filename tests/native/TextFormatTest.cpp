#include "../../shared/portable/TextFormat.h"

#include <gtest/gtest.h>

TEST(FormatText, FormatsWideTextAndNumbers) {
  EXPECT_EQ(FormatText(L"%ls\\conf.ini", L"C:\\data"), L"C:\\data\\conf.ini");
  EXPECT_EQ(FormatText(L"%d-%d-%d %02d:%02d:%02d", 2026, 3, 9, 7, 5, 0), L"2026-3-9 07:05:00");
  EXPECT_EQ(FormatText(L"%X,%X", 0x74, 2), L"74,2");
  EXPECT_EQ(FormatText(L"Invalid arguments: %ls", L"\u00e9\u4e2d"), L"Invalid arguments: \u00e9\u4e2d");
}

TEST(FormatText, GrowsPastItsFirstBuffer) {
  const std::wstring longText(5000, L'x');
  EXPECT_EQ(FormatText(L"[%ls]", longText.c_str()), L"[" + longText + L"]");
}
