// Resource ids of the scheduler. Handlers and other programs refer to these numbers.
#pragma once

#include "../shared/res/FrameIds.h"

#define IDD_HESTORN_DIALOG 102
#define IDR_MAIN_MENU 129

#define IDC_TASK_LIST 1000
#define IDC_ADD 1001
#define IDC_DELETE 1002
#define IDC_EDIT 1003
#define IDC_HIDE 1004
#define IDC_EXIT 1005
#define IDC_SETTINGS 1006

#define ID_OPEN_MAIN_WINDOW 32776
#define ID_FILE_EXIT 32777
#define ID_HELP_HELP 32778
#define ID_HELP_ABOUT 32780
