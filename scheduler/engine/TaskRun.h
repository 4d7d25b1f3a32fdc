// One run of a due task: what is started, and the repetitions, each waited for, until
// the count is reached, the started program reports that the user stopped it, or the
// run is stopped.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Exit code of a playback the user stopped (-2).
inline constexpr std::uint32_t kStoppedByUserExitCode = 0xFFFFFFFE;

struct RunCommand {
  std::wstring program;
  std::optional<std::wstring> parameters;
  bool isRecord = false;  // the recorder plays the script; it allows only one copy at a time

  bool operator==(const RunCommand&) const = default;
};

// A ".rec" script (any letter case) is played by "<ownFolder>\Sorvane.exe", which reads
// its whole command line as the record's path, so the script goes unquoted. Anything
// else is opened through the shell, without parameters.
RunCommand ChooseRunCommand(std::wstring_view script, std::wstring_view ownFolder);

struct ProgramEnd {
  bool started = false;
  std::uint32_t exitCode = 0;  // 0 when it cannot be read
  std::uint32_t startError = 0;  // the system's reason when it did not start
};

// Starts the program and waits until it ends or the run is stopped, whichever is first.
class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  virtual ProgramEnd StartAndWait(const RunCommand& command) = 0;
};

struct RunResult {
  std::uint32_t starts = 0;
  bool stoppedByUser = false;  // a start ended with -2
  std::optional<std::uint32_t> startError;  // a start failed, which ends the run
};

// Starts the command runCount times in a row (-1: without limit; other negative counts
// are read as unsigned, so very large). Nothing more is started once stop is set.
RunResult RunRepetitions(ProgramStarter& starter, const RunCommand& command, int runCount,
                         const std::atomic<bool>& stop);
