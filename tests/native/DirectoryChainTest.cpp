#include "../../shared/portable/DirectoryChain.h"

#include <gtest/gtest.h>

using Chain = std::vector<std::wstring>;

TEST(DirectoryChain, ParentsFirstThenThePath) {
  const struct {
    const wchar_t* path;
    Chain expected;
  } cases[] = {
      {L"C:\\Users\\ann\\AppData\\Roaming\\Quennet\\Sorvane",
       {L"C:", L"C:\\Users", L"C:\\Users\\ann", L"C:\\Users\\ann\\AppData", L"C:\\Users\\ann\\AppData\\Roaming",
        L"C:\\Users\\ann\\AppData\\Roaming\\Quennet", L"C:\\Users\\ann\\AppData\\Roaming\\Quennet\\Sorvane"}},
      {L"C:\\a", {L"C:", L"C:\\a"}},
      {L"C:\\a\\", {L"C:", L"C:\\a", L"C:\\a\\"}},
      {L"relative", {L"relative"}},
      {L"\\\\server\\share\\x", {L"", L"\\", L"\\\\server", L"\\\\server\\share", L"\\\\server\\share\\x"}},
      {L"C:\\\u00e9t\u00e9\\\u4e2d\u6587", {L"C:", L"C:\\\u00e9t\u00e9", L"C:\\\u00e9t\u00e9\\\u4e2d\u6587"}},
  };
  for (const auto& c : cases) EXPECT_EQ(DirectoryChain(c.path), c.expected) << "path: " << testing::PrintToString(std::wstring(c.path));
}
