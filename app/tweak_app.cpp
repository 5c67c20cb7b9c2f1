#include "app/tweak_app.h"

#include "app/card_detection.h"
#include "app/command_line.h"
#include "machine/os_family.h"
#include "machine/present_cards.h"
#include "machine/profile_run.h"
#include "machine/restore_point.h"
#include "res/resource.h"
#include "store/flags.h"
#include "store/names.h"
#include "ui/app_message.h"

CTweakApp::CTweakApp(os::Services& services, ui::SheetHost& host)
    : services_(services), host_(host) {}

bool CTweakApp::StartUp() {
  if (services_.shell.CreateNamedMutex(
          MutexName(services_.system.ModulePath())) ==
      os::MutexState::AlreadyExisted) {
    services_.shell.RestoreWindow(KVT_TITLE);
    return false;
  }

  family_ = OsFamily(services_.system);
  CCardDetection detection(services_);
  std::vector<managed::Card> cards;
  // A run with a profile that Windows cut short is put back before
  // detection, as a start without it would find the PC.
  std::string putBack;
  if (family_ != family::kNonWindows && FirstRead(cards))
    putBack = profile::PutBackAfterCut(services_, family_, cards);
  if (family_ == family::kWindows95) {
    if (!detection.Detect95()) return false;
  } else if (family_ == family::kWindowsNT) {
    if (!detection.DetectNT()) return false;
  } else {
    return false;
  }
  detection.AfterDetection(family_);
  if (!putBack.empty())
    AppMessageBox(services_, profile::PutBackText(putBack));

  const bool startHidden =
      flags::Read(services_.registry, names::kCommon, flags::kStartMin);
  mainWindow_ = std::make_unique<CTweakSheet>(services_);
  return host_.Create(*mainWindow_, !startHidden);
}

bool CTweakApp::FirstRead(std::vector<managed::Card>& cards) {
  bool complete = false;
  cards = PresentCards(services_.registry, family_, complete);
  if (complete) TakeRestorePoint(services_, family_, cards);
  return complete;
}

// The cards are read before any window exists: under Wine the first window
// call rebuilds the video device map that Windows NT's cards are found in.
int CTweakApp::RunCommand(const std::string& commandTail) {
  const CommandLine line = ParseCommandLine(commandTail);
  family_ = OsFamily(services_.system);
  if (family_ == family::kNonWindows) return 1;
  std::vector<managed::Card> cards;
  const bool read = FirstRead(cards);
  if (!line.valid || !read) {
    if (!line.quiet)
      AppMessageBox(services_,
                    line.valid ? settings::kCannotReadRegistry : kUsageMessage);
    return 1;
  }
  if (line.run)
    return profile::RunWithProfile(services_, family_, cards, line.path,
                                   line.program, line.arguments, line.quiet);
  const std::string putBack =
      profile::PutBackAfterCut(services_, family_, cards);
  if (!putBack.empty() && !line.quiet)
    AppMessageBox(services_, profile::PutBackText(putBack));
  return settings::Run(services_, family_, cards, line.action, line.path,
                       line.quiet)
             ? 0
             : 1;
}
