// The switcher's messages are defined with the tool's other private messages.
#pragma once

#include "framework/ToolMessages.h"
