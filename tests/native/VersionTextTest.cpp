#include "../../shared/portable/VersionText.h"

#include <gtest/gtest.h>

TEST(VersionText, FullAndCompactForms) {
  const struct {
    ProductVersion version;
    const wchar_t* full;
    const wchar_t* compact;
    double number;
  } cases[] = {
      {{3, 1, 0, 4}, L"3.1.0.4", L"3.104", 3.104},
      {{2, 1, 1, 8}, L"2.1.1.8", L"2.118", 2.118},
      {{1, 0, 0, 0}, L"1.0.0.0", L"1.000", 1.0},
      {{10, 12, 3, 45}, L"10.12.3.45", L"10.12345", 10.12345},
      {{65535, 0, 0, 1}, L"65535.0.0.1", L"65535.001", 65535.001},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatVersionText(c.version, false), c.full);
    EXPECT_EQ(FormatVersionText(c.version, true), c.compact);
    EXPECT_DOUBLE_EQ(VersionNumberFromText(FormatVersionText(c.version, true)), c.number);
  }
}

TEST(VersionText, NoVersionReadsAsZero) {
  EXPECT_EQ(VersionNumberFromText(L""), 0.0);
  EXPECT_EQ(VersionNumberFromText(L"n/a"), 0.0);
}
