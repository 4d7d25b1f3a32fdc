#include "Control.h"

#include <commctrl.h>

namespace {
constexpr UINT_PTR kSubclassId = 1;
// The window property that leads from a subclassed control's handle to its object.
constexpr wchar_t kControlProperty[] = L"SorvaneSuite.Control";
}

Control::~Control() { Unsubclass(); }

bool Control::Subclass(HWND dialog, int id) {
  Unsubclass();
  Attach(dialog, id);
  if (!hwnd_ || !SetWindowSubclass(hwnd_, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
    return false;
  }
  SetPropW(hwnd_, kControlProperty, this);
  subclassed_ = true;
  OnSubclassed();
  return true;
}

void Control::Unsubclass() {
  if (subclassed_ && IsWindow(hwnd_)) {
    RemovePropW(hwnd_, kControlProperty);
    RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
  }
  subclassed_ = false;
}

Control* Control::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<Control*>(GetPropW(hwnd, kControlProperty)) : nullptr;
}

bool Control::OnReflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT Control::WindowProc(UINT msg, WPARAM wp, LPARAM lp) { return Default(msg, wp, lp); }

LRESULT Control::Default(UINT msg, WPARAM wp, LPARAM lp) { return DefSubclassProc(hwnd_, msg, wp, lp); }

LRESULT CALLBACK Control::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  auto* control = reinterpret_cast<Control*>(data);
  if (msg == WM_NCDESTROY) {
    // The window goes before its wrapper: forget it so the wrapper does not touch it.
    RemovePropW(hwnd, kControlProperty);
    RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
    control->subclassed_ = false;
    const LRESULT result = DefSubclassProc(hwnd, msg, wp, lp);
    control->hwnd_ = nullptr;
    return result;
  }
  return control->WindowProc(msg, wp, lp);
}

namespace {

HWND NotifyingChild(HWND parent, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      return reinterpret_cast<HWND>(lp);
    case WM_NOTIFY:
      return reinterpret_cast<const NMHDR*>(lp)->hwndFrom;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<HWND>(lp);
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    }
    case WM_MEASUREITEM: {
      const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lp);
      return item->CtlType == ODT_MENU ? nullptr : GetDlgItem(parent, static_cast<int>(wp));
    }
    default:
      return nullptr;
  }
}

}  // namespace

bool ReflectToControl(HWND parent, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  Control* control = Control::FromHandle(NotifyingChild(parent, msg, wp, lp));
  return control && control->OnReflected(msg, wp, lp, result);
}
