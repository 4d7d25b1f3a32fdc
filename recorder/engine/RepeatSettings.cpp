#include "RepeatSettings.h"

#include "../../shared/portable/TextScan.h"

namespace {

const wchar_t* YesNo(bool value) { return value ? L"1" : L"0"; }

// "%d" of a field; what does not read as a number is written as fallback.
std::wstring FieldNumber(const std::wstring& text, int fallback) {
  return std::to_wstring(ScanInt(text).value_or(fallback));
}

// The repeat counts: 0 or unreadable are written, and read, as 1.
std::wstring AtLeastOne(const std::wstring& text) {
  const int value = ScanInt(text).value_or(1);
  return std::to_wstring(value == 0 ? 1 : value);
}

}  // namespace

void SaveRepeatSettings(const RepeatControls& c, const std::wstring& selectedRecord, const WriteSetting& write) {
  write(L"RepeatType", c.once ? L"Once" : c.times ? L"Times" : c.forTime ? L"Time" : L"");
  write(L"RepeatTimes", AtLeastOne(c.timesText));
  write(L"RepeatTime", AtLeastOne(c.timeText));
  write(L"RepeatTimeType", std::to_wstring(c.timeUnit));
  write(L"Shutdown", YesNo(c.shutdown));
  write(L"Delay", YesNo(c.delay));
  write(L"DelayHour", FieldNumber(c.delayHours, 0));
  write(L"DelayMin", FieldNumber(c.delayMinutes, 0));
  write(L"DelaySec", FieldNumber(c.delaySeconds, 0));
  write(L"RandDelay", YesNo(c.randomDelay));
  write(L"Speed", std::to_wstring(c.speedPosition));
  if (!selectedRecord.empty()) write(L"Record", selectedRecord);
}

std::wstring LoadRepeatSettings(const ReadSetting& read, RepeatControls& c) {
  const std::wstring type = read(L"RepeatType", L"Once");
  c.once = type == L"Once";
  c.times = type == L"Times";
  c.forTime = type == L"Time";

  const auto number = [&](const wchar_t* key, const wchar_t* fallback) { return ScanInt(read(key, fallback)); };
  if (const auto times = number(L"RepeatTimes", L"1")) c.timesText = std::to_wstring(*times == 0 ? 1 : *times);
  if (const auto time = number(L"RepeatTime", L"1")) c.timeText = std::to_wstring(*time == 0 ? 1 : *time);
  if (const auto unit = number(L"RepeatTimeType", L"2")) c.timeUnit = *unit;
  c.shutdown = read(L"Shutdown", L"0") == L"1";
  c.delay = read(L"Delay", L"0") == L"1";
  if (const auto hours = number(L"DelayHour", L"0")) c.delayHours = std::to_wstring(*hours);
  if (const auto minutes = number(L"DelayMin", L"0")) c.delayMinutes = std::to_wstring(*minutes);
  if (const auto seconds = number(L"DelaySec", L"0")) c.delaySeconds = std::to_wstring(*seconds);
  c.randomDelay = read(L"RandDelay", L"0") == L"1";
  if (const auto speed = number(L"Speed", L"5")) c.speedPosition = *speed;
  return read(L"Record", L"");
}
