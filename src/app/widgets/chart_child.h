#pragma once

// The interface of the main window's chart children lives with what the windows share.
#include "app/widgets/chart_child.h"
