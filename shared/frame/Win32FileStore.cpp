#include "Win32FileStore.h"

#include <windows.h>

#include <algorithm>

#include "../win/Handle.h"

namespace {

// ReadFile and WriteFile move at most a DWORD's worth at a time.
constexpr size_t kMaxPiece = 1u << 30;

OwnedHandle OpenFile(const std::wstring& path, DWORD access, DWORD share, DWORD creation) {
  const HANDLE file = CreateFileW(path.c_str(), access, share, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
  return OwnedHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

bool WriteAll(HANDLE file, std::span<const uint8_t> bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD piece = static_cast<DWORD>(std::min(bytes.size(), kMaxPiece));
    if (!WriteFile(file, bytes.data(), piece, &written, nullptr) || written == 0) return false;
    bytes = bytes.subspan(written);
  }
  return true;
}

bool WriteDurably(const std::wstring& path, std::span<const uint8_t> bytes) {
  OwnedHandle file = OpenFile(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
  if (!file) return false;
  const bool written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
  return CloseHandle(file.Release()) && written;
}

}  // namespace

std::optional<std::vector<uint8_t>> Win32FileStore::ReadAll(const std::wstring& path) {
  const OwnedHandle file = OpenFile(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.Get(), &size)) return std::nullopt;
  std::vector<uint8_t> bytes(static_cast<size_t>(size.QuadPart));
  for (size_t done = 0; done < bytes.size();) {
    DWORD read = 0;
    const DWORD piece = static_cast<DWORD>(std::min(bytes.size() - done, kMaxPiece));
    if (!ReadFile(file.Get(), bytes.data() + done, piece, &read, nullptr) || read == 0) return std::nullopt;
    done += read;
  }
  return bytes;
}

bool Win32FileStore::ReplaceAtomically(const std::wstring& path, std::span<const uint8_t> bytes) {
  // Beside the target, so that the rename stays on one volume and cannot copy.
  const std::wstring temporary = path + L".tmp-" + std::to_wstring(GetCurrentProcessId());
  if (WriteDurably(temporary, bytes) &&
      MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileW(temporary.c_str());
  return false;
}

bool Win32FileStore::Append(const std::wstring& path, std::span<const uint8_t> bytes) {
  // Others may read or append too: with FILE_APPEND_DATA every write goes to the end.
  const OwnedHandle file = OpenFile(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_ALWAYS);
  return file && WriteAll(file.Get(), bytes);
}

std::wstring Win32FileStore::FromAnsi(std::string_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  std::wstring wide(MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), static_cast<int>(wide.size()));
  return wide;
}
