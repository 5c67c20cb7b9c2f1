#include "app/tweak_app.h"

#include "app/card_detection.h"
#include "machine/os_family.h"
#include "res/resource.h"
#include "store/flags.h"
#include "store/names.h"
#include "ui/app_message.h"

CTweakApp::CTweakApp(os::Services& services, ui::SheetHost& host)
    : services_(services), host_(host) {}

bool CTweakApp::StartUp() {
  const std::string mutexName =
      ExecutableBaseName(services_.system.ModulePath());
  if (services_.shell.CreateNamedMutex(mutexName) ==
      os::MutexState::AlreadyExisted) {
    services_.shell.RestoreWindow(KVT_TITLE);
    return false;
  }

  family_ = OsFamily(services_.system);
  CCardDetection detection(services_);
  if (family_ == family::kWindows95) {
    if (!detection.Detect95()) return false;
  } else if (family_ == family::kWindowsNT) {
    if (!detection.DetectNT()) return false;
  } else {
    return false;
  }
  detection.AfterDetection(family_);

  const bool startHidden =
      flags::Read(services_.registry, names::kCommon, flags::kStartMin);
  mainWindow_ = std::make_unique<CTweakSheet>(services_);
  return host_.Create(*mainWindow_, !startHidden);
}
