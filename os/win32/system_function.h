#pragma once

#include <windows.h>

namespace os {

// A function of a system DLL looked up when it is first needed instead of
// imported, so that the DLL is loaded only then. Loaded once, the DLL stays
// for the life of the process. Null when the DLL or the function is missing.
template <typename Function>
Function SystemFunction(const char* library, const char* name) {
  HMODULE module = GetModuleHandleA(library);
  if (module == nullptr) module = LoadLibraryA(library);
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace os
