#include "Harness.h"

#include <shellapi.h>
#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

std::wstring DistFolder() {
  // The tests run from build\tests\win; the programs lie in build\dist.
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  for (int i = 0; i < 3; ++i) folder.resize(folder.rfind(L'\\'));
  return folder + L"\\dist";
}

std::wstring AppDataFolder() {
  wchar_t folder[MAX_PATH] = L"";
  SHGetSpecialFolderPathW(nullptr, folder, CSIDL_APPDATA, FALSE);
  return folder;
}

RunningProgram StartProcess(const std::wstring& path, const std::wstring& arguments, const wchar_t* folder) {
  std::wstring commandLine = L"\"" + path + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  RunningProgram program;
  if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder, &startup, &info)) {
    CloseHandle(info.hThread);
    program.process.Reset(info.hProcess);
    program.id = info.dwProcessId;
  }
  return program;
}

RunningProgram StartProgram(const std::wstring& exe, const std::wstring& arguments) {
  const std::wstring folder = DistFolder();
  return StartProcess(folder + L"\\" + exe, arguments, folder.c_str());
}

bool WaitForExit(const RunningProgram& program, DWORD timeoutMs, DWORD* exitCode) {
  if (!program.process || WaitForSingleObject(program.process.Get(), timeoutMs) != WAIT_OBJECT_0) return false;
  if (exitCode) GetExitCodeProcess(program.process.Get(), exitCode);
  return true;
}

void EnsureEnded(RunningProgram& program) {
  if (program.process && WaitForSingleObject(program.process.Get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(program.process.Get(), 1);
    WaitForSingleObject(program.process.Get(), 5000);
  }
  program.process.Reset();
}

namespace {

struct WindowQuery {
  const wchar_t* className;
  const wchar_t* title;
  DWORD processId;
  bool visibleOnly;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM data) {
  auto& query = *reinterpret_cast<WindowQuery*>(data);
  if (query.visibleOnly && !IsWindowVisible(window)) return TRUE;
  if (query.processId) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != query.processId) return TRUE;
  }
  wchar_t text[256];
  if (query.className) {
    GetClassNameW(window, text, 256);
    if (wcscmp(text, query.className) != 0) return TRUE;
  }
  if (query.title) {
    GetWindowTextW(window, text, 256);
    if (wcscmp(text, query.title) != 0) return TRUE;
  }
  query.found.push_back(window);
  return TRUE;
}

std::vector<HWND> FindWindows(const wchar_t* className, const wchar_t* title, DWORD processId, bool visibleOnly) {
  WindowQuery query{className, title, processId, visibleOnly, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

}  // namespace

HWND WaitForWindow(const wchar_t* className, const wchar_t* title, DWORD processId, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  do {
    const std::vector<HWND> found = FindWindows(className, title, processId, true);
    if (!found.empty()) return found.front();
    Sleep(20);
  } while (GetTickCount64() < deadline);
  return nullptr;
}

int CountWindows(const wchar_t* className, const wchar_t* title) {
  return static_cast<int>(FindWindows(className, title, 0, false).size());
}

std::wstring WindowText(HWND window) {
  // WM_GETTEXT rather than GetWindowText, which does not ask controls of other processes.
  wchar_t text[512] = L"";
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, &ignored);
  return text;
}

void InjectKey(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

void ReleaseModifiers() {
  for (WORD modifier : {VK_SHIFT, VK_CONTROL, VK_MENU}) InjectKey(modifier, true);
}

bool FolderExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadFileBytes(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream(std::filesystem::path(path), std::ios::binary | std::ios::trunc) << bytes;
}

bool RemoveTree(const std::wstring& path) {
  if (!FolderExists(path)) return true;
  std::wstring from = path + L'\0';  // the shell wants a double-terminated list
  SHFILEOPSTRUCTW op{};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NO_UI;
  SHFileOperationW(&op);
  return !FolderExists(path);
}
