#pragma once

#include "../Control.h"

class Static : public Control {};
