#include <gtest/gtest.h>

#include "machine/vendor_settings.h"
#include "fakes/fake_registry.h"

namespace {

constexpr os::Root kMachine = os::Root::LocalMachine;
constexpr os::Root kUser = os::Root::CurrentUser;
const std::string kDriver =
    "System\\CurrentControlSet\\Services\\Class\\Display\\";

const std::vector<std::string> kDriverValues = {
    "SSTH3_RGAMMA", "SSTH3_GGAMMA", "SSTH3_BGAMMA", "SSTH3_LDELAY"};
const std::vector<std::string> kD3DValues = {
    "SSTH3_RGAMMA",       "SSTH3_GGAMMA",    "SSTH3_BGAMMA",
    "SSTH3_SWAPINTERVAL", "SSTH3_ANTIALIAS", "SSTH3_OVERLAYMODE",
    "SSTH3_AUTOMIPMAP"};
const std::vector<std::string> kGlideValues = {
    "SSTH3_RGAMMA",         "SSTH3_GGAMMA",          "SSTH3_BGAMMA",
    "FX_GLIDE_NO_SPLASH",   "FX_GLIDE_SHAMELESS_PLUG", "FX_GLIDE_SWAPINTERVAL",
    "FX_GLIDE_TMU_MEMSIZE", "FX_GLIDE_ALLOC_COLOR",  "FX_GLIDE_LOD_DITHER",
    "FX_GLIDE_EMUL_RUSH",   "SSTH3_GRXCLOCK",        "SSTH3_MEMCLOCK"};

// Every managed value, plus one the program does not manage, in each of the
// card's three keys under the given root.
void Seed(fakes::FakeRegistry& registry, os::Root root,
          const std::string& card) {
  const std::pair<std::string, const std::vector<std::string>*> keys[] = {
      {kDriver + card, &kDriverValues},
      {kDriver + card + "\\D3D", &kD3DValues},
      {kDriver + card + "\\Glide", &kGlideValues}};
  for (const auto& [path, values] : keys) {
    for (const std::string& name : *values)
      registry.PutText(root, path, name, "1");
    registry.PutText(root, path, "VendorOwn", "1");
  }
}

std::size_t Remaining(const fakes::FakeRegistry& registry, os::Root root,
                      const std::string& card) {
  return registry.ValueNames(root, kDriver + card).size() +
         registry.ValueNames(root, kDriver + card + "\\D3D").size() +
         registry.ValueNames(root, kDriver + card + "\\Glide").size();
}

TEST(CleanVendorSettings, EachCardFollowsItsOwnFlag) {
  fakes::FakeRegistry registry;
  for (const char* card : {"0000", "0001", "0002", "0003"}) {
    Seed(registry, kUser, card);
    Seed(registry, kMachine, card);
  }
  const std::string cards = "Software\\Quillfeld\\Kvartune\\Display\\";
  registry.PutText(kMachine, cards + "0000", "kvartune_override", "1");
  registry.PutText(kMachine, cards + "0001", "kvartune_override", "0");
  registry.PutText(kMachine, cards + "0002", "kvartune_override", "");
  registry.PutKey(kMachine, cards + "0003");  // never applied: no flag

  CleanVendorSettings(registry, {"0000", "0001", "0002", "0003"});

  for (const char* card : {"0000", "0002", "0003"}) {
    EXPECT_EQ(3u, Remaining(registry, kUser, card)) << card;
    EXPECT_EQ(std::vector<std::string>{"VendorOwn"},
              registry.ValueNames(kUser, kDriver + card + "\\Glide"));
  }
  EXPECT_EQ(3u + 4 + 7 + 12, Remaining(registry, kUser, "0001"));
  for (const char* card : {"0000", "0001", "0002", "0003"})
    EXPECT_EQ(3u + 4 + 7 + 12, Remaining(registry, kMachine, card)) << card;
}

TEST(CleanVendorSettings, AbsentPerUserKeysAreNotCreated) {
  fakes::FakeRegistry registry;
  CleanVendorSettings(registry, {"0000"});
  EXPECT_FALSE(registry.KeyExists(kUser, "System"));
  EXPECT_EQ(0u, registry.OpenHandles());
}

TEST(CleanVendorSettings, AKeyThatWillNotOpenIsSkipped) {
  fakes::FakeRegistry registry;
  Seed(registry, kUser, "0000");
  registry.Deny(kMachine, "Software\\Quillfeld\\Kvartune\\Display\\0000");
  registry.Deny(kUser, kDriver + "0000\\D3D");
  CleanVendorSettings(registry, {"0000"});
  EXPECT_EQ(1u, registry.ValueNames(kUser, kDriver + "0000").size());
  EXPECT_EQ(8u, registry.ValueNames(kUser, kDriver + "0000\\D3D").size());
  EXPECT_EQ(1u, registry.ValueNames(kUser, kDriver + "0000\\Glide").size());
}

}  // namespace
