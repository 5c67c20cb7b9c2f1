#include <gtest/gtest.h>

#include "fakes/fake_registry.h"
#include "store/delete.h"
#include "store/registry_key.h"

namespace {

constexpr os::Root kMachine = os::Root::LocalMachine;
constexpr os::Root kUser = os::Root::CurrentUser;

TEST(RegistryKey, HoldsAtMostOneKeyAndClosesItWhenDone) {
  fakes::FakeRegistry registry;
  {
    CRegistryKey key(registry);
    key.Close();  // never opened: nothing happens
    ASSERT_EQ(0, key.Open(kMachine, "Software\\A"));
    ASSERT_EQ(0, key.Open(kMachine, "Software\\B"));
    EXPECT_EQ(1u, registry.OpenHandles());
    key.Close();
    key.Close();
    EXPECT_EQ(0u, registry.OpenHandles());
    ASSERT_EQ(0, key.Open(kMachine, "Software\\C"));
  }
  EXPECT_EQ(0u, registry.OpenHandles());
  EXPECT_TRUE(registry.KeyExists(kMachine, "Software\\A\\"));
}

TEST(RegistryKey, FailedOpenSkipsEveryUseOfTheKey) {
  fakes::FakeRegistry registry;
  registry.PutText(kMachine, "Software\\Locked", "value", "stored");
  registry.Deny(kMachine, "Software\\Locked");
  CRegistryKey key(registry);
  EXPECT_EQ(5, key.Open(kMachine, "Software\\Locked"));
  std::string text = "kept";
  EXPECT_NE(0, key.QueryText("value", text));
  EXPECT_EQ("kept", text);
  EXPECT_NE(0, key.SetText("value", "new"));
  EXPECT_EQ("stored", registry.Text(kMachine, "Software\\Locked", "value"));

  std::vector<std::string> names = {"kept"};
  EXPECT_EQ(5, key.ListSubkeys(kMachine, "Software\\Locked", names));
  EXPECT_EQ(std::vector<std::string>{"kept"}, names);
  EXPECT_EQ(0u, registry.OpenHandles());
}

TEST(RegistryKey, TextStopsAtTheFirstZeroByte) {
  fakes::FakeRegistry registry;
  registry.Put(kMachine, "K", "two", os::ValueType::Text,
               {'a', 'b', 0, 'c', 'd', 0});
  registry.Put(kMachine, "K", "bytes", os::ValueType::Binary, {'x', 'y'});
  CRegistryKey key(registry);
  ASSERT_EQ(0, key.Open(kMachine, "K"));
  std::string text;
  EXPECT_EQ(0, key.QueryText("two", text));
  EXPECT_EQ("ab", text);
  EXPECT_EQ(0, key.QueryText("bytes", text));
  EXPECT_EQ("xy", text);
}

TEST(RegistryKey, ShortNumbersHaveZeroHighBytes) {
  fakes::FakeRegistry registry;
  registry.Put(kMachine, "K", "one", os::ValueType::Binary, {0x7F});
  registry.Put(kMachine, "K", "none", os::ValueType::Binary, {});
  CRegistryKey key(registry);
  ASSERT_EQ(0, key.Open(kMachine, "K"));
  std::uint32_t number = 0xFFFFFFFF;
  EXPECT_EQ(0, key.QueryDword("one", number));
  EXPECT_EQ(0x7Fu, number);
  EXPECT_EQ(0, key.QueryDword("none", number));
  EXPECT_EQ(0u, number);
}

TEST(Deletion, CreatesNothingAndIgnoresWhatIsMissing) {
  fakes::FakeRegistry registry;
  registry.PutText(kMachine, "Drv", "keep", "1");
  registry.PutText(kMachine, "Drv", "gone", "1");
  DeleteValues(registry, kMachine, "Drv", {"missing", "gone"});
  EXPECT_EQ(std::vector<std::string>{"keep"},
            registry.ValueNames(kMachine, "Drv"));
  EXPECT_FALSE(registry.IsVolatile(kMachine, "Drv"));

  DeleteValues(registry, kUser, "Absent\\Key", {"a"});
  DeleteSubkey(registry, kUser, "Absent", "Key");
  EXPECT_FALSE(registry.KeyExists(kUser, "Absent"));
  EXPECT_EQ(0u, registry.OpenHandles());
}

TEST(Deletion, ValuesWrittenAfterItSurviveARestart) {
  fakes::FakeRegistry registry;
  DeleteValues(registry, kMachine, "Device\\D3D", {"gamma"});
  CRegistryKey key(registry);
  ASSERT_EQ(0, key.Open(kMachine, "Device\\D3D"));
  ASSERT_EQ(0, key.SetText("gamma", "1.000000"));
  key.Close();
  registry.Restart();
  EXPECT_EQ(std::vector<std::string>{"gamma"},
            registry.ValueNames(kMachine, "Device\\D3D"));
}

TEST(Deletion, RemovesASubkeyWithItsValues) {
  fakes::FakeRegistry registry;
  registry.PutText(kMachine, "Tree\\0000", "kvartune_override", "0");
  registry.PutText(kMachine, "Tree\\0001", "a", "1");
  DeleteSubkey(registry, kMachine, "Tree", "0000");
  DeleteSubkey(registry, kMachine, "Tree", "0009");
  EXPECT_EQ(std::vector<std::string>{"0001"},
            registry.SubkeyNames(kMachine, "Tree"));
  registry.Deny(kMachine, "Tree");
  DeleteSubkey(registry, kMachine, "Tree", "0001");
  EXPECT_TRUE(registry.KeyExists(kMachine, "Tree\\0001"));
}

}  // namespace
