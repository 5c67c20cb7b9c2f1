#include "ui/win32/common_controls.h"

namespace ui {

bool CommonControls::Load() {
  if (propertySheet_ != nullptr) return true;
  const HMODULE library = LoadLibraryA("comctl32.dll");
  if (library == nullptr) return false;
  using InitFunction = void(WINAPI*)();
  const auto init = reinterpret_cast<InitFunction>(
      reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControls")));
  createPage_ = reinterpret_cast<CreatePageFunction>(reinterpret_cast<void*>(
      GetProcAddress(library, "CreatePropertySheetPageA")));
  propertySheet_ = reinterpret_cast<PropertySheetFunction>(
      reinterpret_cast<void*>(GetProcAddress(library, "PropertySheetA")));
  if (init == nullptr || createPage_ == nullptr || propertySheet_ == nullptr) {
    propertySheet_ = nullptr;
    return false;
  }
  init();
  return true;
}

HPROPSHEETPAGE CommonControls::CreatePage(const PROPSHEETPAGEA& page) const {
  return createPage_(&page);
}

INT_PTR CommonControls::PropertySheet(const PROPSHEETHEADERA& header) const {
  return propertySheet_(&header);
}

}  // namespace ui
