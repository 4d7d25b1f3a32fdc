#include "AppValues.h"

AppValues g_app;
