#include "ShutdownCountdown.h"

#include "../../shared/portable/TextFormat.h"

std::wstring ShutdownCountdown::Text() const {
  return secondsLeft_ > 0 ? FormatText(L"%d seconds", secondsLeft_) : L"Shutting down...";
}

bool ShutdownCountdown::Tick() {
  if (secondsLeft_ == 0) return false;
  return --secondsLeft_ == 0;
}
