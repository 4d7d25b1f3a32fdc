// Files on disk through Win32.
#pragma once

#include "../portable/FileStore.h"

class Win32FileStore : public FileStore {
 public:
  std::optional<std::vector<uint8_t>> ReadAll(const std::wstring& path) override;
  bool ReplaceAtomically(const std::wstring& path, std::span<const uint8_t> bytes) override;
  bool Append(const std::wstring& path, std::span<const uint8_t> bytes) override;
  std::wstring FromAnsi(std::string_view text) override;
};
