#include "../../scheduler/engine/TaskLog.h"

#include <gtest/gtest.h>

#include "MemoryFileStore.h"
#include "SchedulerTestClock.h"

namespace {

const std::wstring kLogPath = TaskLogPath(L"C:\\Data");

std::vector<uint8_t> Utf16Le(std::u16string_view text) {
  std::vector<uint8_t> bytes;
  for (const char16_t unit : text) {
    bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<uint8_t>(unit >> 8));
  }
  return bytes;
}

}  // namespace

TEST(TaskLog, AppendsStampedUtf16LinesWithoutByteOrderMark) {
  TimeZone zone("Europe/Berlin");
  MemoryFileStore files;
  FakeClock clock;
  TaskLog log(files, kLogPath, clock);
  clock.now = LocalSeconds(2014, 1, 11, 8, 3, 9);
  log.Write(TaskLogText(L"Task start", L"Daily", L"C:\\r\\a.rec"));
  clock.now = LocalSeconds(2014, 12, 31, 23, 59, 59);
  log.Write(L"Hestorn exit\r\n");
  clock.now = LocalSeconds(2015, 3, 1, 0, 0, 0);
  log.Write(TaskLogText(L"Task stop", L"Zoë's ✓ task", L"C:\\Записи\\a.rec"));

  EXPECT_EQ(kLogPath, L"C:\\Data\\TaskLog.txt");
  EXPECT_EQ(files.files[kLogPath], Utf16Le(u"2014-1-11 08:03:09\tTask start: Daily,C:\\r\\a.rec\r\n"
                                           u"2014-12-31 23:59:59\tHestorn exit\r\n\r\n"
                                           u"2015-3-1 00:00:00\tTask stop: Zoë's ✓ task,C:\\Записи\\a.rec\r\n"));
}

TEST(TaskLog, WritesNothingWhileOffAndDropsWhatCannotBeWritten) {
  MemoryFileStore files;
  FakeClock clock;
  TaskLog log(files, kLogPath, clock);
  log.SetEnabled(false);
  log.Write(L"Hestorn start");
  EXPECT_FALSE(files.files.contains(kLogPath));

  log.SetEnabled(true);
  files.failWrites = true;
  log.Write(L"Hestorn start");
  EXPECT_FALSE(files.files.contains(kLogPath));
  files.failWrites = false;
  log.Write(L"Hestorn start");
  EXPECT_TRUE(files.files.contains(kLogPath));
}
