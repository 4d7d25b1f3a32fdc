// Resource ids of the key presser. Handlers, settings and hotkeys refer to these numbers.
#pragma once

#include "../shared/res/FrameIds.h"

#define IDD_GALLIVET_DIALOG 102
#define IDR_MAIN_MENU 128

#define IDC_START 1000
#define IDC_STOP 1001
#define IDC_DELAY_TIME 1002
#define IDC_ALT 1007
#define IDC_CTRL 1008
#define IDC_SHIFT 1009
#define IDC_HOLD 1022
#define IDC_REPEAT_PRESS 1023
#define IDC_KEY 1024
#define IDC_DELAY_UNIT 1025

#define ID_HOTKEY_START 32771
#define ID_HOTKEY_STOP 32772
#define ID_HELP_ABOUT 32773
#define ID_HELP_UPDATE 32775
#define ID_HELP_HELP 32776
#define ID_FILE_EXIT 32777
