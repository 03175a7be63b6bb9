// The two icon groups of the program, IDI_MAIN_LARGE and IDI_MAIN_SMALL.
#pragma once

#include "platform/module.h"
#include "shell/resource_ids.h"

extern const IconResource ProgramIcons[2];
