// The suite's web site: help pages and the update check live there.
#pragma once

inline constexpr wchar_t kSiteAddress[] = L"https://sorvane.example";
