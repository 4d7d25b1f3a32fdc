#include "RecordName.h"

std::wstring ProposeRecordName(int recordsInList, const std::function<bool(const std::wstring& name)>& exists) {
  for (int number = recordsInList + 1;; ++number) {
    std::wstring name = L"NewRecord" + std::to_wstring(number);
    if (!exists(name)) return name;
  }
}
