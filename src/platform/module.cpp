#include "platform/module.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct Module {
  const ModuleResources* resources;
};

std::vector<std::unique_ptr<Module>>& Modules() {
  static std::vector<std::unique_ptr<Module>> modules;
  return modules;
}

// Resource names are numbers here (MAKEINTRESOURCEA); a string name never matches.
bool NameIsId(LPCSTR name, WORD id) {
  return IS_INTRESOURCE(name) && static_cast<WORD>(reinterpret_cast<UINT_PTR>(name)) == id;
}

template <typename T>
const T* FindById(HINSTANCE instance, std::span<const T> ModuleResources::*table, LPCSTR name) {
  if (const ModuleResources* r = ModuleResourcesOf(instance))
    for (const T& entry : r->*table)
      if (NameIsId(name, entry.id)) return &entry;
  return nullptr;
}

}  // namespace

HINSTANCE CreateModuleInstance(const ModuleResources* resources) {
  auto module = std::make_unique<Module>();
  module->resources = resources;
  Modules().push_back(std::move(module));
  return reinterpret_cast<HINSTANCE>(Modules().back().get());
}

const ModuleResources* ModuleResourcesOf(HINSTANCE instance) {
  for (const auto& module : Modules())
    if (reinterpret_cast<HINSTANCE>(module.get()) == instance) return module->resources;
  return nullptr;
}

const MenuResource* FindMenuResource(HINSTANCE instance, LPCSTR name) {
  return FindById(instance, &ModuleResources::menus, name);
}

const AcceleratorTableResource* FindAcceleratorResource(HINSTANCE instance, LPCSTR name) {
  return FindById(instance, &ModuleResources::accelerators, name);
}

const DialogResource* FindDialogResource(HINSTANCE instance, LPCSTR name) {
  return FindById(instance, &ModuleResources::dialogs, name);
}

const IconResource* FindIconResource(HINSTANCE instance, LPCSTR name) {
  return FindById(instance, &ModuleResources::icons, name);
}

const char* FindStringResource(HINSTANCE instance, UINT id) {
  const ModuleResources* r = ModuleResourcesOf(instance);
  if (!r) return nullptr;
  for (const StringResource& s : r->strings)
    if (s.id == id) return s.text;
  return nullptr;
}

namespace {

template <typename T>
const T* ResourceAt(const void* handle, std::span<const T> ModuleResources::*table) {
  if (!handle) return nullptr;
  for (const auto& module : Modules())
    for (const T& entry : module->resources->*table)
      if (&entry == handle) return &entry;
  return nullptr;
}

}  // namespace

const AcceleratorTableResource* AcceleratorTableOfHandle(HACCEL accel) {
  return ResourceAt(accel, &ModuleResources::accelerators);
}

const IconResource* IconResourceOfHandle(HICON icon) {
  return ResourceAt(icon, &ModuleResources::icons);
}

// The resource loaders are the same for every backend: they only read the module's data.

HMODULE WINAPI GetModuleHandleA(LPCSTR) { return nullptr; }

int WINAPI LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int bufferMax) {
  if (!buffer || bufferMax <= 0) return 0;
  const char* text = FindStringResource(instance, id);
  if (!text) {
    buffer[0] = '\0';
    return 0;
  }
  const int n = std::min(static_cast<int>(std::strlen(text)), bufferMax - 1);
  std::memcpy(buffer, text, n);
  buffer[n] = '\0';
  return n;
}

HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name) {
  return reinterpret_cast<HICON>(const_cast<IconResource*>(FindIconResource(instance, name)));
}

// Only the system arrow exists; the handle is a token that nobody dereferences.
HCURSOR WINAPI LoadCursorA(HINSTANCE, LPCSTR name) {
  static int arrow;
  return name == IDC_ARROW ? reinterpret_cast<HCURSOR>(&arrow) : nullptr;
}
