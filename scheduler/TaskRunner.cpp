#include "TaskRunner.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

#include <atomic>

#include "../recorder/SorvaneNames.h"
#include "../shared/frame/AppStartup.h"

// Each run has its own state, shared with its thread: a stopped run's thread may still
// be waking up while the next run starts.
struct TaskRunner::State {
  RunCommand command;
  int runCount = 0;
  std::atomic<bool> stop = false;
  std::atomic<bool> finished = false;
  OwnedHandle stopEvent{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  RunResult result;  // written by the thread before it sets finished
};

namespace {

// Starts programs through the shell and waits for each until it ends or the run stops.
class ShellStarter : public ProgramStarter {
 public:
  explicit ShellStarter(HANDLE stopEvent) : stopEvent_(stopEvent) {}

  ProgramEnd StartAndWait(const RunCommand& command) override {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // Without the shell's own error box: nobody may be there to close it, and the run
    // would wait for it. A failed start ends the run and is logged instead.
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpFile = command.program.c_str();
    info.lpParameters = command.parameters ? command.parameters->c_str() : nullptr;
    info.nShow = SW_SHOW;
    if (!ShellExecuteExW(&info)) return {false, 0, GetLastError()};
    // A document handed to a program that was already running: nothing to wait for.
    if (!info.hProcess) return {true, 0, 0};
    const OwnedHandle process(info.hProcess);
    // Without its stop event (the system could not make one) the run waits for the
    // program alone rather than starting the next at once.
    const HANDLE waits[] = {process.Get(), stopEvent_};
    WaitForMultipleObjects(stopEvent_ ? 2 : 1, waits, FALSE, INFINITE);
    DWORD exitCode = 0;
    if (!GetExitCodeProcess(process.Get(), &exitCode) || exitCode == STILL_ACTIVE) exitCode = 0;
    return {true, exitCode, 0};
  }

 private:
  HANDLE stopEvent_;
};

}  // namespace

bool TaskRunner::Start(const RunCommand& command, int runCount) {
  auto state = std::make_shared<State>();
  state->command = command;
  state->runCount = runCount;
  auto* threadShare = new std::shared_ptr<State>(state);
  OwnedHandle thread(CreateThread(nullptr, 0, RunnerThread, threadShare, 0, nullptr));
  if (!thread) {
    delete threadShare;
    return false;
  }
  state_ = std::move(state);
  thread_ = std::move(thread);
  return true;
}

bool TaskRunner::Finished() const { return !state_ || state_->finished; }

void TaskRunner::Stop() {
  if (!state_) return;
  state_->stop = true;
  SetEvent(state_->stopEvent.Get());
  state_->finished = true;
  thread_.Reset();
}

std::optional<RunResult> TaskRunner::Result() const {
  if (!state_ || state_->stop || !state_->finished) return std::nullopt;
  return state_->result;
}

unsigned long __stdcall TaskRunner::RunnerThread(void* parameter) {
  const std::unique_ptr<std::shared_ptr<State>> share(static_cast<std::shared_ptr<State>*>(parameter));
  State& state = **share;
  // The shell may hand a start to COM objects, which want an apartment on this thread.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  ShellStarter starter(state.stopEvent.Get());
  state.result = RunRepetitions(starter, state.command, state.runCount, state.stop);
  if (SUCCEEDED(com)) CoUninitialize();
  state.finished = true;
  return 0;
}

void CloseRunningRecorder() {
  if (const HWND recorder = FindWindowW(kSorvaneWindowClass, nullptr)) PostMessageW(recorder, WM_CLOSE, 0, 0);
  for (int attempt = 0; attempt < 20; ++attempt) {
    OwnedHandle mutex(CreateMutexW(nullptr, FALSE, kSorvaneMutex));
    const bool existed = !mutex || GetLastError() == ERROR_ALREADY_EXISTS;
    mutex.Reset();
    if (!existed) return;
    for (int wait = 0; wait < 10; ++wait) {
      PumpMessages();
      Sleep(50);
    }
  }
}
