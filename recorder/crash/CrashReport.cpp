#include "CrashReport.h"

#include <atomic>
#include <cstdint>

#include "../../shared/frame/VersionInfo.h"
#include "../engine/CrashReportText.h"
#include "ErrorDlg.h"

// Why a vectored handler and not the unhandled-exception filter: play runs in a
// window procedure, called by the system through a kernel callback. On 64-bit
// Windows an exception cannot be passed back through that callback, and depending on
// the Windows version and the process's callback policy the system there swallows
// it, ends the process, or calls the filters and then swallows it (WindowProc's
// remarks). The vectored handlers are asked before the search for a handler starts,
// so this one sees the fault wherever play runs. It is asked first about every
// exception, so it takes only processor faults, and only on the guarded thread.

namespace {

std::atomic<DWORD> g_guardedThread{0};

// The used part of the faulting thread's stack, from its stack pointer at the fault to
// its base: the walk reads nothing outside it.
struct StackBounds {
  DWORD64 low = 0;
  DWORD64 high = 0;
} g_faultingStack;

bool IsProcessorFault(DWORD code) {
  switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_DATATYPE_MISALIGNMENT:
    case EXCEPTION_FLT_DENORMAL_OPERAND:
    case EXCEPTION_FLT_DIVIDE_BY_ZERO:
    case EXCEPTION_FLT_INEXACT_RESULT:
    case EXCEPTION_FLT_INVALID_OPERATION:
    case EXCEPTION_FLT_OVERFLOW:
    case EXCEPTION_FLT_STACK_CHECK:
    case EXCEPTION_FLT_UNDERFLOW:
    case STATUS_FLOAT_MULTIPLE_FAULTS:
    case STATUS_FLOAT_MULTIPLE_TRAPS:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_IN_PAGE_ERROR:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_INT_OVERFLOW:
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_STACK_OVERFLOW:
      return true;
    default:
      return false;
  }
}

DWORD WINAPI ReportThread(void* exception) {
  BuildCrashReport(static_cast<EXCEPTION_POINTERS*>(exception));
  return 0;
}

LONG CALLBACK OnException(EXCEPTION_POINTERS* exception) {
  if (GetCurrentThreadId() != g_guardedThread || !IsProcessorFault(exception->ExceptionRecord->ExceptionCode)) {
    return EXCEPTION_CONTINUE_SEARCH;
  }
  ULONG_PTR reservedLow = 0, base = 0;
  GetCurrentThreadStackLimits(&reservedLow, &base);
  g_faultingStack = {exception->ContextRecord->Rsp, base};
  // The report gets a thread of its own: after a stack overflow this thread has no
  // stack left for a dialog, and none of the crashed thread's windows runs again.
  if (HANDLE reporter = CreateThread(nullptr, 0, ReportThread, exception, 0, nullptr)) {
    WaitForSingleObject(reporter, INFINITE);
  }
  g_guardedThread = 0;  // a fault while the process ends is not reported again
  ExitProcess(0);
}

// The guard on this thread, restored as it was when play returns or throws.
class GuardScope {
 public:
  GuardScope()
      : previousThread_(g_guardedThread.exchange(GetCurrentThreadId())),
        handler_(AddVectoredExceptionHandler(1, OnException)) {}
  ~GuardScope() {
    RemoveVectoredExceptionHandler(handler_);
    g_guardedThread = previousThread_;
  }
  GuardScope(const GuardScope&) = delete;
  GuardScope& operator=(const GuardScope&) = delete;

 private:
  DWORD previousThread_;
  void* handler_;
};

// Steps from frame to frame with the system's unwind data. GCC's 64-bit frames keep
// the frame pointer in the middle of the frame rather than on the caller's saved one,
// so following RBP would give one frame of garbage.
class Unwinder {
 public:
  explicit Unwinder(const CONTEXT& context) : context_(context) {}

  bool Next(StackEntry& entry) {
    if (!OnStack(context_.Rsp, 8)) return false;
    DWORD64 imageBase = 0;
    if (PRUNTIME_FUNCTION function = RtlLookupFunctionEntry(context_.Rip, &imageBase, nullptr)) {
      void* handlerData = nullptr;
      DWORD64 establisherFrame = 0;
      RtlVirtualUnwind(UNW_FLAG_NHANDLER, imageBase, context_.Rip, function, &context_, &handlerData,
                       &establisherFrame, nullptr);
    } else {
      // A function without unwind data keeps its return address on top of the stack.
      context_.Rip = *reinterpret_cast<const DWORD64*>(context_.Rsp);
      context_.Rsp += 8;
    }
    if (context_.Rip == 0 || !OnStack(context_.Rsp, 0)) return false;
    entry = {context_.Rsp, context_.Rip};
    return true;
  }

 private:
  static bool OnStack(DWORD64 address, DWORD64 size) {
    return address >= g_faultingStack.low && address + size <= g_faultingStack.high;
  }
  CONTEXT context_;
};

}  // namespace

void PlaybackGuard(const std::function<void()>& play) {
  GuardScope guard;
  play();
}

void BuildCrashReport(EXCEPTION_POINTERS* exception) {
  OSVERSIONINFOW os{};
  os.dwOSVersionInfoSize = sizeof os;
  GetVersionExW(&os);
  CrashFacts facts;
  facts.osMajor = os.dwMajorVersion;
  facts.osMinor = os.dwMinorVersion;
  facts.version = GetVersionText(false);
  facts.code = exception->ExceptionRecord->ExceptionCode;
  facts.address = reinterpret_cast<uintptr_t>(exception->ExceptionRecord->ExceptionAddress);
  Unwinder unwinder(*exception->ContextRecord);
  facts.stack = WalkFrames([&](StackEntry& entry) { return unwinder.Next(entry); });
  CErrorDlg(FormatCrashReport(facts)).DoModal(nullptr);
}
