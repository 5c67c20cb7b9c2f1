// Any bytes as a registry file: what the reader takes, the writer gives back
// and the reader takes again, to be written the same; an import of it and a
// profile of it on a Windows 98 PC with one card are done whole or change
// nothing, and a restore from it writes each text within its bytes.
#include <string>
#include <vector>

#include "app/tweak_app.h"
#include "fuzz/registry_input.h"
#include "store/regedit_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<regedit::Entry> entries, again;
  regedit::Problem problem;
  if (regedit::Read(text, entries, problem)) {
    const std::string written = regedit::Write(entries);
    fuzz::Require(regedit::Read(written, again, problem),
                  "a written file reads");
    fuzz::Require(regedit::Write(again) == written, "writing is stable");
  } else {
    fuzz::Require(problem.line >= 1 && !problem.what.empty(),
                  "a refusal names its line");
  }

  Machine pc;
  pc.AddBanshee95("0000");
  CTweakApp(pc.services, pc.sheet).StartUp();
  pc.files.contents["C:\\in.reg"] = text;
  const std::string before = pc.registry.Dump();
  const int exitCode =
      CTweakApp(pc.services, pc.sheet).RunCommand("/import C:\\in.reg /quiet");
  fuzz::Require(exitCode == 0 || pc.registry.Dump() == before,
                "a refused import changes nothing");
  pc.files.contents["C:\\Program Files\\Kvartune\\profiles\\P.reg"] = text;
  const std::string imported = pc.registry.Dump();
  fuzz::Require(
      CTweakApp(pc.services, pc.sheet).RunCommand("/quiet /profile P") == 0 ||
          pc.registry.Dump() == imported,
      "a refused profile changes nothing");
  pc.files.contents["C:\\WINDOWS\\KVARTUNE.REG"] = text;
  CTweakApp(pc.services, pc.sheet).RunCommand("/restore /quiet");
  fuzz::Require(pc.registry.OpenHandles() == 0, "every key is closed");
  return 0;
}
