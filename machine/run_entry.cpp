#include "machine/run_entry.h"

#include "store/delete.h"
#include "store/names.h"
#include "store/single_value.h"

namespace {

std::string RunEntryText(const std::string& modulePath) {
  if (modulePath.find(' ') == std::string::npos) return modulePath;
  return "\"" + modulePath + "\"";
}

}  // namespace

void WriteRunEntry(os::Services& services) {
  const std::string path = services.system.ModulePath();
  if (path.empty()) return;
  WriteText(services.registry, names::kRun, names::kRunEntry,
            RunEntryText(path));
}

void DeleteRunEntry(os::Registry& registry) {
  DeleteValues(registry, os::kMachine, names::kRun, {names::kRunEntry});
}
