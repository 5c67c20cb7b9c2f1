#include "machine/profile_run.h"

#include "machine/profile_file.h"
#include "machine/settings_command.h"
#include "machine/settings_file.h"
#include "store/names.h"
#include "ui/app_message.h"

namespace profile {
namespace {

std::string ProgramFolder(os::System& system) {
  const std::string module = system.ModulePath();
  return module.substr(0, module.find_last_of('\\'));
}

std::string StatePath(os::System& system, const std::string& name) {
  return ProgramFolder(system) + "\\" + name + kStateExtension;
}

bool Same(const regedit::Entry& a, const regedit::Entry& b) {
  return a.present == b.present &&
         (!a.present ||
          (a.value.type == b.value.type && a.value.bytes == b.value.bytes));
}

// A program started by this one inherits its environment, not the one the
// registry holds: on Windows NT the profile's environment values go there.
void PassEnvironment(os::Shell& shell,
                     const std::vector<regedit::Entry>& entries) {
  for (const regedit::Entry& entry : entries) {
    if (entry.root != os::Root::CurrentUser || entry.key != names::kEnvironment)
      continue;
    const auto& bytes = entry.value.bytes;
    const std::string text =
        bytes.empty() ? "" : std::string(bytes.begin(), bytes.end() - 1);
    shell.SetVariable(entry.name, entry.present ? &text : nullptr);
  }
}

std::string Quoted(const std::string& program) {
  return program.find(' ') == std::string::npos ? program
                                                : "\"" + program + "\"";
}

struct Run {
  os::Services& services;
  const std::string& family;
  std::vector<managed::Value> set;
  bool quiet;

  int Fail(const std::string& message) {
    if (!quiet) AppMessageBox(services, message);
    return 1;
  }

  // Every value that still holds what the profile set goes back; one the
  // user changed since stays. Without a reading of now, everything goes.
  bool PutBack(const std::vector<regedit::Entry>& before,
               const std::vector<regedit::Entry>& after) {
    std::vector<regedit::Entry> now, back;
    const bool read = settings::Snapshot(services.registry, set, now) &&
                      now.size() == before.size() &&
                      after.size() == before.size();
    for (std::size_t i = 0; i < before.size(); ++i)
      if (!read || (Same(now[i], after[i]) && !Same(now[i], before[i])))
        back.push_back(before[i]);
    return Store(services, family, set, back, quiet);
  }
};

}  // namespace

std::string PutBackText(const std::string& name) {
  return kPutBackFirst + name + kPutBackAfterCut;
}

std::string RunMutexName(os::System& system) {
  return MutexName(system.ModulePath()) + "-run";
}

std::string SavedRun(os::Services& services) {
  const std::size_t extension = std::string(kStateExtension).size();
  for (const std::string& file : services.files.FileNames(
           ProgramFolder(services.system), kStateExtension)) {
    const std::string name = file.substr(0, file.size() - extension);
    if (NameProblem(name).empty()) return name;
  }
  return "";
}

bool RunActive(os::Services& services) {
  return services.shell.MutexExists(RunMutexName(services.system));
}

bool PutBackSaved(os::Services& services, const std::string& osFamily,
                  const std::vector<managed::Card>& cards, bool quiet) {
  const std::string name = SavedRun(services);
  if (name.empty()) return true;
  const std::string path = StatePath(services.system, name);
  const std::vector<managed::Value> set =
      managed::ProfileValues(osFamily, cards);
  std::vector<regedit::Entry> entries;
  std::size_t read = 0;
  const bool done =
      settings::Load(services, set, path, settings::Check::Restore,
                     settings::kNothingRestored, quiet, entries, read) &&
      Store(services, osFamily, set, entries, quiet, entries.size() != read);
  // What could not be put back stays saved for the next try.
  if (done) services.files.Remove(path);
  return done;
}

std::string PutBackAfterCut(os::Services& services, const std::string& osFamily,
                            const std::vector<managed::Card>& cards) {
  const std::string name = SavedRun(services);
  if (name.empty() || RunActive(services)) return "";
  return PutBackSaved(services, osFamily, cards, true) ? name : "";
}

int RunWithProfile(os::Services& services, const std::string& osFamily,
                   const std::vector<managed::Card>& cards,
                   const std::string& name, const std::string& program,
                   const std::string& arguments, bool quiet) {
  Run run{services, osFamily, managed::ProfileValues(osFamily, cards), quiet};
  if (services.shell.CreateNamedMutex(RunMutexName(services.system)) ==
      os::MutexState::AlreadyExisted)
    return run.Fail(kRunActive);
  const std::string cut = SavedRun(services);
  if (!cut.empty()) {
    if (!PutBackSaved(services, osFamily, cards, quiet)) return 1;
    if (!quiet) AppMessageBox(services, PutBackText(cut));
  }
  const std::string problem = NameProblem(name);
  if (!problem.empty()) return run.Fail(problem);
  std::vector<regedit::Entry> entries, before, after;
  std::size_t read = 0;
  if (!settings::Load(services, run.set, Path(services.system, name),
                      settings::Check::Profile, settings::kNothingChanged,
                      quiet, entries, read))
    return 1;
  entries = ForTargets(entries, cards, TargetCards(services.registry, cards));
  if (!settings::Snapshot(services.registry, run.set, before))
    return run.Fail(settings::kCannotReadRegistry);
  const std::string state = StatePath(services.system, name);
  if (!services.files.WriteBytes(state, regedit::Write(before), true))
    return run.Fail(state + settings::kCannotWrite + settings::kNothingChanged);
  if (!Store(services, osFamily, run.set, entries, quiet)) {
    if (run.PutBack(before, {})) services.files.Remove(state);
    return 1;
  }
  settings::Snapshot(services.registry, run.set, after);
  PassEnvironment(services.shell, entries);

  const std::size_t slash = program.find_last_of('\\');
  const std::string folder =
      slash == std::string::npos ? "" : program.substr(0, slash + 1);
  std::uint32_t exitCode = 0;
  std::string why;
  const long error = services.shell.RunProgram(
      Quoted(program) + (arguments.empty() ? "" : " " + arguments), folder,
      exitCode, why);
  // The tray's "Put back" has done it already when the file is gone.
  const bool whole =
      !services.files.Exists(state) || run.PutBack(before, after);
  if (whole) services.files.Remove(state);
  if (error != 0) return run.Fail(program + kCannotStart + why);
  return whole ? static_cast<int>(exitCode) : 1;
}

}  // namespace profile
