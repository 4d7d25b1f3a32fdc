#include "Dialog.h"

#include "Control.h"

bool Dialog::OnCommand(int id, int, HWND) {
  switch (id) {
    case IDOK:
      OnOK();
      return true;
    case IDCANCEL:
      OnCancel();
      return true;
    default:
      return false;
  }
}

bool Dialog::OnEraseBackground(HDC dc) {
  if (!background_) return false;
  background_->Erase(hwnd_, dc);
  return true;
}

HBRUSH Dialog::OnCtlColor(HDC dc, HWND, UINT msg) {
  return background_ && msg == WM_CTLCOLORSTATIC ? background_->ControlColour(dc) : nullptr;
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    auto* dialog = reinterpret_cast<Dialog*>(lp);
    dialog->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, DWLP_USER, lp);
  }
  auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (!dialog) return FALSE;
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    dialog->hwnd_ = nullptr;
    return FALSE;
  }
  return dialog->Dispatch(msg, wp, lp);
}

INT_PTR Dialog::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  bool handled = ReflectToControl(hwnd_, msg, wp, lp, result);
  if (!handled) {
    switch (msg) {
      case WM_INITDIALOG:
        return OnInitDialog();
      case WM_COMMAND:
        handled = OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
        break;
      case WM_NOTIFY:
        handled = OnNotify(*reinterpret_cast<const NMHDR*>(lp), result);
        break;
      case WM_TIMER:
        handled = OnTimer(wp);
        break;
      case WM_HOTKEY:
        handled = OnHotKey(static_cast<int>(wp));
        break;
      case WM_SYSCOMMAND:
        handled = OnSysCommand(wp);
        break;
      case WM_CLOSE:
        handled = OnClose();
        break;
      case WM_ERASEBKGND:
        handled = OnEraseBackground(reinterpret_cast<HDC>(wp));
        result = TRUE;
        break;
      case WM_CTLCOLORBTN:
      case WM_CTLCOLOREDIT:
      case WM_CTLCOLORLISTBOX:
      case WM_CTLCOLORSCROLLBAR:
      case WM_CTLCOLORSTATIC:
      case WM_CTLCOLORDLG:
        result = reinterpret_cast<LRESULT>(OnCtlColor(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp), msg));
        handled = result != 0;
        break;
      case WM_DESTROY:
        OnDestroy();
        break;
      default:
        handled = OnMessage(msg, wp, lp, result);
        break;
    }
  }
  if (!handled) return FALSE;
  // These messages return their answer directly instead of through DWLP_MSGRESULT.
  if ((msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) || msg == WM_QUERYDRAGICON) {
    return static_cast<INT_PTR>(result);
  }
  SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
  return TRUE;
}

INT_PTR ModalDialog::DoModal(HWND parent) {
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(TemplateId()), parent, DialogProc,
                         reinterpret_cast<LPARAM>(this));
}

bool ModelessDialog::Create(HWND parent) {
  return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(TemplateId()), parent, DialogProc,
                            reinterpret_cast<LPARAM>(this)) != nullptr;
}

void ModelessDialog::Destroy() {
  if (hwnd_) DestroyWindow(hwnd_);
}
