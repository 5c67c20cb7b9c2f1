// Start-up on any registry, for the Windows family the build names
// (KVT_FUZZ_PLATFORM: 1 Windows 95/98, 2 Windows NT).
#include <cstdio>

#include "app/card_detection.h"
#include "app/tweak_app.h"
#include "fuzz/registry_input.h"
#include "machine/cards.h"
#include "machine/os_family.h"
#include "store/names.h"
#include "store/single_value.h"

namespace {

// A start on a registry that a start has just left changes nothing more.
std::string Start(Machine& machine, bool& started) {
  CTweakApp app(machine.services, machine.sheet);
  started = app.StartUp();
  fuzz::Require(machine.registry.OpenHandles() == 0, "every key is closed");
  return machine.registry.Dump();
}

void RequireSettled(Machine& machine) {
  const std::string family = OsFamily(machine.system);
  const std::vector<std::string> cards =
      ListCards(machine.registry, family);
  for (const std::string& card : cards) {
    std::string detected;
    ReadText(machine.registry, CardKey(family, card), names::kDetected,
             detected);
    fuzz::Require(detected != "1", "no card key stays marked as detected");
  }
  std::string selected;
  ReadText(machine.registry, names::kCommon, names::kSelectedDisplay,
           selected);
  bool listed = false;
  for (const std::string& card : cards) listed = listed || card == selected;
  fuzz::Require(listed || cards.empty(), "the selected card is a listed one");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  FuzzedDataProvider input(data, size);
  Machine machine;
  if (KVT_FUZZ_PLATFORM == os::kPlatformNT) machine.UseNT();
  fuzz::Decode(input, machine);

  bool started = false;
  const std::string first = Start(machine, started);
  fuzz::Require(machine.shell.messages.size() <= 1 &&
                    (machine.shell.messages.empty() ||
                     machine.shell.messages.front().text == kNotFoundMessage ||
                     machine.shell.messages.front().text == kNoDriverQuestion),
                "start-up shows no message but the not-found one or the "
                "question about the driver's clocks, answered No");
  if (started) RequireSettled(machine);
  bool again = false;
  const std::string second = Start(machine, again);
  if (second != first)
    std::fprintf(stderr, "first start:\n%s\nsecond start:\n%s", first.c_str(),
                 second.c_str());
  fuzz::Require(second == first && again == started,
                "a second start changes nothing");
  return 0;
}
