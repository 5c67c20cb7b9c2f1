#include "machine/settings_command.h"

#include "machine/banshee.h"
#include "machine/card_clocks.h"
#include "machine/not_stored.h"
#include "machine/os_family.h"
#include "machine/present_cards.h"
#include "machine/profile_file.h"
#include "machine/restore_point.h"
#include "store/write_watch.h"
#include "ui/app_message.h"
#include "ui/restart_prompt.h"

namespace settings {
namespace {

// A settings file is a few ten thousand bytes; anything far longer is not
// one.
constexpr std::size_t kLongestFile = 1 << 20;

bool Fail(os::Services& services, bool quiet, const std::string& message) {
  if (!quiet) AppMessageBox(services, message);
  return false;
}

struct Job {
  os::Services& services;
  const std::string& family;
  const std::vector<managed::Card>& cards;
  std::vector<managed::Value> set;
  bool quiet;

  bool Fail(const std::string& message) {
    return settings::Fail(services, quiet, message);
  }

  void AskRestart() {
    if (!quiet)
      ui::AskRestart(services, family == family::kWindows95
                                   ? ui::RestartForm::Windows95
                                   : ui::RestartForm::WindowsNT);
  }

  bool Export(const std::string& path, bool replace) {
    std::vector<regedit::Entry> entries;
    if (!Snapshot(services.registry, set, entries))
      return Fail(kCannotReadRegistry);
    if (!services.files.WriteBytes(path, regedit::Write(entries), replace))
      return Fail(path + kCannotWrite);
    return true;
  }

  bool Import(const std::string& path, Check check, const char* nothingDone) {
    std::vector<regedit::Entry> entries;
    std::size_t read = 0;
    if (!Load(services, set, path, check, nothingDone, quiet, entries, read))
      return false;
    Outcome outcome;
    // The values of a card no longer found are left as they are.
    const bool done = Store(services, family, set, entries, quiet,
                            entries.size() != read, &outcome);
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

  // A profile holds the first target card's values.
  bool SaveProfile(const std::string& name) {
    const std::string problem = profile::NameProblem(name);
    if (!problem.empty()) return Fail(problem);
    const std::vector<managed::Card> targets =
        profile::TargetCards(services.registry, cards);
    std::vector<managed::Card> source;
    if (!targets.empty()) source.push_back(targets.front());
    set = managed::ProfileValues(family, source);
    const std::string path = profile::Path(services.system, name);
    services.files.MakeFolder(profile::Folder(services.system));
    if (!quiet && services.files.Exists(path) &&
        AppMessageBox(services,
                      std::string(profile::kReplaceQuestion) + name + "?",
                      os::Buttons::YesNo) != os::Answer::Yes)
      return false;
    return Export(path, true);
  }

  bool Profile(const std::string& name) {
    const std::string problem = profile::NameProblem(name);
    if (!problem.empty()) return Fail(problem);
    std::vector<regedit::Entry> entries;
    std::size_t read = 0;
    if (!Load(services, set, profile::Path(services.system, name),
              Check::Profile, kNothingChanged, quiet, entries, read))
      return false;
    return profile::Store(services, family, set,
                          profile::ForTargets(
                     entries, cards,
                     profile::TargetCards(services.registry, cards)),
                 quiet);
  }
};

}  // namespace

bool Store(os::Services& services, const std::string& osFamily,
           const std::vector<managed::Value>& set,
           const std::vector<regedit::Entry>& entries, bool quiet,
           bool passedOver, Outcome* outcome) {
  const Outcome stored = Apply(services.registry, set, entries);
  if (outcome != nullptr) *outcome = stored;
  return (stored.complete && !passedOver) ||
         Fail(services, quiet,
              std::string(kIncomplete) + "\n\n" +
                  (stored.complete ? kCardsGone : NotStoredCause(osFamily)));
}

bool Load(os::Services& services, const std::vector<managed::Value>& set,
          const std::string& path, Check check, const char* nothingDone,
          bool quiet, std::vector<regedit::Entry>& entries,
          std::size_t& read) {
  std::string text;
  if (!services.files.ReadBytes(path, kLongestFile, text))
    return Fail(services, quiet, path + kCannotRead);
  regedit::Problem problem;
  if (regedit::Read(text, entries, problem)) {
    read = entries.size();
    if (Admit(set, check, entries, problem)) return true;
  }
  return Fail(services, quiet,
              path + ", line " + std::to_string(problem.line) + ": " +
                  problem.what + nothingDone);
}

bool Run(os::Services& services, const std::string& osFamily,
         const std::vector<managed::Card>& cards, Command command,
         const std::string& path, bool quiet) {
  // A restore and the driver's clocks also take the cards whose drivers do
  // not run.
  const std::vector<managed::Card> known =
      command == Command::Restore || command == Command::DefaultClocks
          ? KnownCards(services.registry, osFamily, cards)
          : cards;
  Job run{services, osFamily, known, managed::Values(osFamily, known), quiet};
  switch (command) {
    case Command::Export:
      return run.Export(path, true);
    case Command::Import:
      return run.Import(path, Check::Import, kNothingImported);
    case Command::Restore:
      if (!quiet && AppMessageBox(services, kRestoreQuestion,
                                  os::Buttons::YesNo) != os::Answer::Yes)
        return false;
      return run.Import(RestorePointPath(services.system), Check::Restore,
                        kNothingRestored);
    case Command::SaveProfile:
      return run.SaveProfile(path);
    case Command::Profile:
      run.set = managed::ProfileValues(osFamily, cards);
      return run.Profile(path);
    case Command::DefaultClocks:
      return run.DefaultClocks();
  }
  return false;
}

}  // namespace settings
