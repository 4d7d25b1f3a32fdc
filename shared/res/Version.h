// The one product version of the suite.
#pragma once

#define SUITE_VERSION 1,0,0,0
#define SUITE_VERSION_TEXT "1.0.0.0"
