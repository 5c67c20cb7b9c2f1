#include "machine/settings_command.h"

#include "machine/banshee.h"
#include "machine/card_clocks.h"
#include "machine/not_stored.h"
#include "machine/os_family.h"
#include "machine/present_cards.h"
#include "machine/restore_point.h"
#include "machine/settings_file.h"
#include "store/write_watch.h"
#include "ui/app_message.h"
#include "ui/restart_prompt.h"

namespace settings {
namespace {

// A settings file is a few ten thousand bytes; anything far longer is not
// one.
constexpr std::size_t kLongestFile = 1 << 20;

struct Job {
  os::Services& services;
  const std::string& family;
  const std::vector<managed::Card>& cards;
  bool quiet;

  bool Fail(const std::string& message) {
    if (!quiet) AppMessageBox(services, message);
    return false;
  }

  bool Refuse(const std::string& path, const regedit::Problem& problem,
              const char* nothingDone) {
    return Fail(path + ", line " + std::to_string(problem.line) + ": " +
                problem.what + nothingDone);
  }

  void AskRestart() {
    if (!quiet)
      ui::AskRestart(services, family == family::kWindows95
                                   ? ui::RestartForm::Windows95
                                   : ui::RestartForm::WindowsNT);
  }

  bool Export(const std::string& path) {
    std::vector<regedit::Entry> entries;
    if (!Snapshot(services.registry, managed::Values(family, cards), entries))
      return Fail(kCannotReadRegistry);
    if (!services.files.WriteBytes(path, regedit::Write(entries), true))
      return Fail(path + kCannotWrite);
    return true;
  }

  // Reads the whole file and checks every entry before anything is written.
  bool Load(const std::string& path, Check check, const char* nothingDone) {
    std::string text;
    if (!services.files.ReadBytes(path, kLongestFile, text))
      return Fail(path + kCannotRead);
    std::vector<regedit::Entry> entries;
    regedit::Problem problem;
    if (!regedit::Read(text, entries, problem))
      return Refuse(path, problem, nothingDone);
    const std::size_t read = entries.size();
    const std::vector<managed::Value> set = managed::Values(family, cards);
    if (!Admit(set, check, entries, problem))
      return Refuse(path, problem, nothingDone);
    // The values of a card no longer known are left as they are.
    const Outcome outcome = settings::Apply(services.registry, set, entries);
    const bool done = (outcome.complete && entries.size() == read) ||
                      Fail(std::string(kIncomplete) + "\n\n" +
                           (outcome.complete ? kCardsGone
                                             : NotStoredCause(family)));
    // A restart is asked for only when every value was stored.
    if (outcome.restart && outcome.complete) AskRestart();
    return done;
  }

  bool DefaultClocks() {
    if (cards.empty()) return Fail(kNotFoundMessage);
    WriteWatch watch(services);
    clocks::Defaults(watch.services().registry, family, cards);
    if (!watch.Refused().empty())
      return Fail(std::string(kIncomplete) + "\n\n" + NotStoredCause(family));
    AskRestart();
    return true;
  }
};

}  // namespace

bool Run(os::Services& services, const std::string& osFamily,
         const std::vector<managed::Card>& cards, Command command,
         const std::string& path, bool quiet) {
  // A restore and the driver's clocks also take the cards whose drivers do
  // not run.
  const std::vector<managed::Card> known =
      command == Command::Restore || command == Command::DefaultClocks
          ? KnownCards(services.registry, osFamily, cards)
          : cards;
  Job run{services, osFamily, known, quiet};
  switch (command) {
    case Command::Export:
      return run.Export(path);
    case Command::Import:
      return run.Load(path, Check::Import, kNothingImported);
    case Command::Restore:
      if (!quiet && AppMessageBox(services, kRestoreQuestion,
                                  os::Buttons::YesNo) != os::Answer::Yes)
        return false;
      return run.Load(RestorePointPath(services.system), Check::Restore,
                      kNothingRestored);
    case Command::DefaultClocks:
      return run.DefaultClocks();
  }
  return false;
}

}  // namespace settings
