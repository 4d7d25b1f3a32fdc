// The suite's version texts: the four parts of a product version as "1.2.3.4", or in
// the compact form "1.234" that is also read as a number to compare versions.
#pragma once

#include <cstdint>
#include <string>

struct ProductVersion {
  uint16_t major = 0;
  uint16_t minor = 0;
  uint16_t build = 0;
  uint16_t revision = 0;
};

std::wstring FormatVersionText(const ProductVersion& version, bool compact);

// The compact text read as "%lf"; 0.0 when it holds no number (an empty text).
double VersionNumberFromText(const std::wstring& compactText);
