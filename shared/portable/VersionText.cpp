#include "VersionText.h"

#include "TextFormat.h"
#include "TextScan.h"

std::wstring FormatVersionText(const ProductVersion& v, bool compact) {
  return FormatText(compact ? L"%d.%d%d%d" : L"%d.%d.%d.%d", v.major, v.minor, v.build, v.revision);
}

double VersionNumberFromText(const std::wstring& compactText) {
  return ScanDouble(compactText).value_or(0.0);
}
