// The folders to create, parent first, so that a whole path exists afterwards:
// each prefix of the path that ends just before a backslash, then the path itself.
// "C:\a\b" gives "C:", "C:\a", "C:\a\b". Creating an existing folder fails harmlessly.
#pragma once

#include <string>
#include <string_view>
#include <vector>

std::vector<std::wstring> DirectoryChain(std::wstring_view path);
