// Resource ids of the clicker. Handlers, settings and hotkeys refer to these numbers.
#pragma once

#include "../shared/res/FrameIds.h"

#define IDD_TINDRAL_DIALOG 102
#define IDR_MAIN_MENU 128

#define IDC_START 1000
#define IDC_STOP 1001
#define IDC_INTERVAL 1002
#define IDC_MOUSE 1003
#define IDC_ACTION 1004
#define IDC_CLICK_HERE 1005
#define IDC_CLICK_FIXED 1006
#define IDC_MOVE_TO_FIXED 1007
#define IDC_CLICK_COUNT 1009
#define IDC_FOR_TIME 1010
#define IDC_X_LABEL 1011
#define IDC_FIXED_X 1012
#define IDC_Y_LABEL 1013
#define IDC_FIXED_Y 1014
#define IDC_START_CAPTURE 1015
#define IDC_COUNT_MODE 1016
#define IDC_TIME_MODE 1017
#define IDC_FOR_TIME_UNIT 1018
#define IDC_NO_ACTIVATE 1021
#define IDC_VIEW_POSITION 1023
#define IDC_CAPTURE_HINT 1027

#define ID_HOTKEY_START 32771
#define ID_HOTKEY_STOP 32772
#define ID_HELP_ABOUT 32773
#define ID_HELP_UPDATE 32775
#define ID_HELP_HELP 32776
#define ID_FILE_EXIT 32777
