// Start-up of the clicker and the key presser, which differ only in their names and
// their main dialog.
#pragma once

#include <memory>

#include "../win/Dialog.h"

struct TindralAppNames {
  const wchar_t* name;           // "Tindral"
  const wchar_t* mutex;          // single-instance mutex
  const wchar_t* windowClass;    // the main dialog's private class
  const wchar_t* dataSubfolder;  // below the application-data folder
  const wchar_t* helpPage;
};

class CTindralApp {
 public:
  using MainDialogFactory = std::unique_ptr<ModalDialog> (*)();
  CTindralApp(const TindralAppNames& names, MainDialogFactory makeMainDialog)
      : names_(names), makeMainDialog_(makeMainDialog) {}

  // Always false: the process ends when the main dialog has ended.
  bool InitInstance();

 private:
  TindralAppNames names_;
  MainDialogFactory makeMainDialog_;
};
