#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "os/registry.h"

// Every registry value the program may write or delete outside its own
// settings tree: the drivers' values of each card, the DirectX switches, the
// vendor's per-user values that the clean-up deletes, the Windows NT user
// environment and the Windows start-up entry. The pages, the clean-up and
// the restore point take their names from here.
namespace managed {

// A group of values in one key: the key is a card's base key (the driver key
// on Windows 95/98, the device key on Windows NT) with this suffix.
struct Group {
  const char* suffix;
  std::vector<const char*> names;
};

extern const std::vector<const char*> kGammaValues;
// The Direct3D switches, which detection also deletes from the driver key.
extern const std::vector<const char*> kD3DSwitchValues;
// The Glide switches, the splash one last.
extern const std::vector<const char*> kGlideSwitchValues;
// The per-user keys of a Windows 95/98 card that the clean-up empties, in
// its order.
extern const std::vector<Group> kVendorGroups;

// The refresh-rate keys of a Windows 95/98 driver: "\MODES\" + depth + "\" +
// "width,height", for each depth and each of the fourteen sizes.
struct ModeSize {
  int width;
  int height;
};
inline constexpr int kModeSizeCount = 14;
inline constexpr ModeSize kModeSizes[kModeSizeCount] = {
    {320, 200},   {320, 240},   {400, 300},   {512, 384},  {640, 400},
    {640, 480},   {800, 600},   {1024, 768},  {1152, 864}, {1280, 1024},
    {1600, 1200}, {1792, 1344}, {1856, 1392}, {1920, 1440}};
inline constexpr const char* kModeDepths[] = {"8", "16", "24", "32"};
// "1024,768".
std::string ModeKeyText(int width, int height);
std::string ModeKey(const std::string& driverKey, const std::string& depth,
                    const std::string& keyText);

// How the program writes a value: a text, a four-byte number or one byte.
enum class Form { Text, Dword, Byte };

// When a change of a value takes effect.
enum class Effect {
  // At the next start of a game (or of a display mode): a profile holds it.
  Game,
  // At the next start of Windows, which an Apply that changed it asks for:
  // the clocks, the memory size and, on Windows 95/98, the splash switch,
  // which Windows learns from a batch file at its start.
  Restart,
  // The start-up entry, read at the next start of Windows, which nothing
  // asks for.
  Startup,
};

struct Value {
  os::Root root;
  std::string key;
  std::string name;
  Form form;
  Effect effect;
};

// A present card: its name and its base key below HKEY_LOCAL_MACHINE.
struct Card {
  std::string name;
  std::string baseKey;
};

// The managed set of a PC of the family with these cards.
std::vector<Value> Values(const std::string& osFamily,
                          const std::vector<Card>& cards);

// The values of the set that a profile holds (Effect::Game).
std::vector<Value> ProfileValues(const std::string& osFamily,
                                 const std::vector<Card>& cards);

// Whether the program would write a value of this type and these bytes in
// the form.
bool Writable(Form form, os::ValueType type,
              const std::vector<unsigned char>& bytes);

}  // namespace managed
