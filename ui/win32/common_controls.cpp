#include "ui/win32/common_controls.h"

#include "os/win32/system_function.h"

namespace ui {
namespace {
constexpr char kLibrary[] = "comctl32.dll";
}  // namespace

bool CommonControls::Load() {
  if (propertySheet_ != nullptr) return true;
  using InitFunction = void(WINAPI*)();
  const auto init =
      os::SystemFunction<InitFunction>(kLibrary, "InitCommonControls");
  createPage_ = os::SystemFunction<CreatePageFunction>(
      kLibrary, "CreatePropertySheetPageA");
  propertySheet_ =
      os::SystemFunction<PropertySheetFunction>(kLibrary, "PropertySheetA");
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
