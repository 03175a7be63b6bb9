// The desktop program's entry: the module handle carries the resources, the rest is WinMain's.
#include "platform/module.h"
#include "shell/resources.h"
#include "shell/win_main.h"

int main() {
  char commandLine[] = "";
  return WinMain(CreateModuleInstance(&ProgramResources), nullptr, commandLine, SW_SHOWDEFAULT);
}
