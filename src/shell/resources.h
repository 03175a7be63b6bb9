// Everything the program carries besides its code: the menu, the accelerator table, the About
// dialog template, the string table and the icons. The start-up code hands this record to
// CreateModuleInstance, through which both backends find each resource by its number.
#pragma once

#include "platform/module.h"

extern const ModuleResources ProgramResources;
