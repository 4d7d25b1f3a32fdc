// The scheduler's settings in TaskConf.ini, section "Option".
#pragma once

// "CreateLog": the task log is written exactly when the value is "1" (the default).
bool ReadCreateLog();
