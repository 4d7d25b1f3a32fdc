// The scheduler's log TaskLog.txt: one UTF-16 little-endian line per entry, "<local
// time>\t<text>\r\n", only ever appended to.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "../../shared/portable/FileStore.h"
#include "DueTime.h"

// "<dataFolder>\TaskLog.txt".
std::wstring TaskLogPath(const std::wstring& dataFolder);

// The bytes of one entry written at the time now (seconds since 1970), e.g.
// "2014-1-11 08:03:09\tTask start: Daily,C:\r\a.rec\r\n".
std::vector<uint8_t> EncodeLogEntry(std::int64_t now, std::wstring_view text);

// An entry about a task: "<what>: <task name>,<script>".
std::wstring TaskLogText(std::wstring_view what, std::wstring_view taskName, std::wstring_view script);

class TaskLog {
 public:
  TaskLog(FileStore& files, std::wstring path, const SchedulerClock& clock)
      : files_(files), path_(std::move(path)), clock_(clock) {}

  // Logging is on exactly when the setting "CreateLog" is "1".
  void SetEnabled(bool enabled) { enabled_ = enabled; }

  // An entry that cannot be written is dropped: the log never stops the scheduler.
  void Write(std::wstring_view text);

 private:
  FileStore& files_;
  std::wstring path_;
  const SchedulerClock& clock_;
  bool enabled_ = true;
};
