// The recorder's main window: the record library, the repeat options and the commands.
#pragma once

#include "../shared/frame/MainDialog.h"
#include "../shared/win/controls/Button.h"
#include "../shared/win/controls/ComboBox.h"
#include "../shared/win/controls/Edit.h"
#include "../shared/win/controls/ListView.h"
#include "../shared/win/controls/Slider.h"

class CSorvaneDlg : public MainDialog {
 public:
  CSorvaneDlg();

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;

 private:
  void UpdateRepeatControls() const;
  void UpdateDelayControls() const;

  Button repeatOnce_, repeatCount_, repeatFor_, delay_, randomDelay_;
  Edit repeatTimes_, repeatTime_, delayHours_, delayMinutes_, delaySeconds_;
  ComboBox repeatTimeUnit_;
  Slider speed_;
  ListView records_;
};
