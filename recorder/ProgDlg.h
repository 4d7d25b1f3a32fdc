// The progress window of a playback: a progress bar, the engine's status text and the
// stop and pause hotkeys. It stays on top, never takes the focus, and steps out of the
// pointer's way.
#pragma once

#include "../shared/win/Dialog.h"
#include "../shared/win/controls/ProgressBar.h"
#include "engine/MoveAway.h"
#include "engine/PlaybackHost.h"
#include "engine/PlaybackState.h"

class CProgDlg : public ModelessDialog, public ProgressView {
 public:
  explicit CProgDlg(PlaybackState& state);

  // Creates the window owned by owner, at the bottom right of the work area, and shows
  // it without activating it unless hidden is set; its hotkeys work either way.
  bool Open(HWND owner, bool hidden, uint64_t totalMs);

  void SetProgress(uint64_t positionMs) override;
  void SetStatus(const std::wstring& text) override;
  std::wstring Status() override;

 protected:
  bool OnInitDialog() override;
  bool OnHotKey(int id) override;
  bool OnTimer(UINT_PTR id) override;
  bool OnSysCommand(WPARAM) override { return true; }  // no moving, closing or minimising
  bool OnEraseBackground(HDC dc) override;
  void OnDestroy() override;

 private:
  PlaybackState& state_;
  ProgressBar progress_;
  MoveAway moveAway_;
  uint64_t scale_ = 1;  // the bar's range is an int: long records are shown in coarser steps
};
