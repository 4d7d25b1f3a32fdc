// The low-level mouse and keyboard hooks of a recording. Their callbacks run on the
// thread that installed them while it waits for messages, and only append the event
// to the buffer: the system drops a hook whose callback is slow.
#pragma once

#include <windows.h>

#include "engine/RecordingBuffer.h"

class RecordingHooks {
 public:
  RecordingHooks() = default;
  ~RecordingHooks();
  RecordingHooks(const RecordingHooks&) = delete;
  RecordingHooks& operator=(const RecordingHooks&) = delete;

  // Installs the mouse hook, then the keyboard hook, for all threads; events go to
  // buffer. On failure removes what was installed and returns the system's error code;
  // 0 on success.
  DWORD Install(RecordingBuffer& buffer);
  void Remove();

  // Where the callbacks append; Install() sets it. Null stops the capture.
  static void CaptureInto(RecordingBuffer* buffer);
  // The callbacks: capture, then pass the call on.
  static LRESULT CALLBACK MouseProc(int code, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK KeyboardProc(int code, WPARAM wp, LPARAM lp);
  // What the mouse callback does before it passes the call on.
  static void CaptureMouse(WPARAM message, const MSLLHOOKSTRUCT& data);

 private:
  HHOOK mouse_ = nullptr;
  HHOOK keyboard_ = nullptr;
};
