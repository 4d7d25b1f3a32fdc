// Start-up time of each program until its main window is visible and answers
// messages (its message loop runs: the user can use it), against the floor of a
// minimal dialog program. Programs are started in rounds, one of each per
// round, so that drift of the machine's speed hits all of them alike.
// Usage: startup_bench [ROUNDS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "../../tests/win/Harness.h"

namespace {

struct Subject {
  const wchar_t* exe;  // in dist, or beside this benchmark for the floor
  const wchar_t* windowClass;
  const wchar_t* title;
  UINT exitCommand;  // 0: WM_CLOSE
  std::vector<double> ms;
};

std::wstring OwnFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.rfind(L'\\'));
}

// Milliseconds from CreateProcess to a visible, responsive main window; negative on
// failure.
double TimeOneStart(const Subject& subject) {
  const bool inDist = wcscmp(subject.exe, L"floor_dialog.exe") != 0;
  const std::wstring path = (inDist ? DistFolder() : OwnFolder()) + L"\\" + subject.exe;
  std::wstring commandLine = L"\"" + path + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  LARGE_INTEGER frequency, begin, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&begin);
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    return -1;
  }
  RunningProgram program;
  program.process.Reset(info.hProcess);
  program.id = info.dwProcessId;
  CloseHandle(info.hThread);

  HWND window = nullptr;
  while (!window && WaitForSingleObject(info.hProcess, 1) == WAIT_TIMEOUT) {
    window = WaitForWindow(subject.windowClass, subject.title, program.id, 0);
  }
  DWORD_PTR ignored = 0;
  if (window && !SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored)) window = nullptr;
  QueryPerformanceCounter(&end);
  if (window) PostMessageW(window, subject.exitCommand ? WM_COMMAND : WM_CLOSE, subject.exitCommand, 0);
  if (!WaitForExit(program, 10000)) EnsureEnded(program);
  return window ? (end.QuadPart - begin.QuadPart) * 1000.0 / frequency.QuadPart : -1;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 15;
  std::vector<Subject> subjects = {
      {L"floor_dialog.exe", L"#32770", L"Floor", 0, {}},
      {L"Sorvane.exe", L"Sorvane_IDK290SE5", L"Sorvane", 0, {}},
      {L"Hestorn.exe", L"#32770", L"Hestorn", 32777, {}},
      {L"Tindral.exe", L"Quennet_Tindral_KIOP39D", L"Tindral", 0, {}},
      {L"Gallivet.exe", L"QuennetGallivet_IE3JD", L"Gallivet", 0, {}},
  };
  for (Subject& subject : subjects) TimeOneStart(subject);  // warm-up, not counted
  for (int round = 0; round < rounds; ++round) {
    for (Subject& subject : subjects) {
      const double ms = TimeOneStart(subject);
      if (ms < 0) {
        std::fwprintf(stderr, L"%ls did not show its window\n", subject.exe);
        return 1;
      }
      subject.ms.push_back(ms);
    }
  }

  const double floor = Median(subjects[0].ms);
  std::wprintf(L"start-up to a visible, responsive main window, %d rounds\n", rounds);
  std::wprintf(L"%-18ls %10ls %10ls %10ls %8ls\n", L"program", L"min ms", L"median ms", L"max ms", L"/floor");
  for (const Subject& subject : subjects) {
    const auto [low, high] = std::minmax_element(subject.ms.begin(), subject.ms.end());
    std::wprintf(L"%-18ls %10.1f %10.1f %10.1f %8.2f\n", subject.exe, *low, Median(subject.ms), *high,
                 Median(subject.ms) / floor);
  }
  return 0;
}
