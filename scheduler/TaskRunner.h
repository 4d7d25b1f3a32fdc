// A due task's run on a thread of its own, so that the main window stays usable while
// the started programs are waited for. At most one run exists at a time.
#pragma once

#include <memory>
#include <optional>

#include "../shared/win/Handle.h"
#include "engine/TaskRun.h"

class TaskRunner {
 public:
  // Starts the repetitions on the runner thread. False when the thread cannot be made.
  bool Start(const RunCommand& command, int runCount);

  // True once the run has ended or was stopped (also before the first run).
  bool Finished() const;

  // Ends the run at once for the window: nothing more is started, and a program that
  // was started keeps running. The thread ends by itself as soon as it sees this.
  void Stop();

  // What the run did, once it has ended by itself; nothing after Stop().
  std::optional<RunResult> Result() const;

 private:
  struct State;
  static unsigned long __stdcall RunnerThread(void* parameter);

  std::shared_ptr<State> state_;
  OwnedHandle thread_;
};

// Makes room for the recorder, which allows one copy at a time: asks its main window to
// close and waits up to about ten seconds for its single-instance mutex to go.
void CloseRunningRecorder();
