#include "contract/registry_contract.h"

#include <cstring>
#include <vector>

#include "store/delete.h"
#include "store/registry_key.h"

namespace {

constexpr os::Root kMachine = os::Root::LocalMachine;
constexpr char kContractRoot[] = "Software\\KvartuneContract";

// Removes a key and everything below it, through the interface itself.
void DeleteTree(os::Registry& registry, os::Root root,
                const std::string& path) {
  os::KeyHandle key = 0;
  if (registry.CreateKey(root, path, os::KeyOption::NonVolatile, key) != 0)
    return;
  char name[260];
  while (registry.EnumKey(key, 0, name, sizeof name) == 0) {
    DeleteTree(registry, root, path + "\\" + name);
  }
  registry.CloseKey(key);
  const std::size_t slash = path.rfind('\\');
  DeleteSubkey(registry, root, path.substr(0, slash), path.substr(slash + 1));
}

std::vector<unsigned char> Bytes(const std::string& text) {
  return std::vector<unsigned char>(text.begin(), text.end());
}

}  // namespace

void RegistryContract::SetUp() {
  registry_ = GetParam().make();
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  scratch_ = std::string(kContractRoot) + "\\" + info->name();
  DeleteTree(*registry_, kMachine, scratch_);
  os::KeyHandle key = 0;
  ASSERT_EQ(0, registry_->CreateKey(kMachine, scratch_,
                                    os::KeyOption::NonVolatile, key));
  registry_->CloseKey(key);
}

void RegistryContract::TearDown() {
  DeleteTree(*registry_, kMachine, scratch_);
}

std::string RegistryContract::Scratch(const std::string& below) const {
  return below.empty() ? scratch_ : scratch_ + "\\" + below;
}

void PrintTo(const RegistryUnderTest& registry, std::ostream* out) {
  *out << registry.name;
}

std::string RegistryName(
    const ::testing::TestParamInfo<RegistryUnderTest>& info) {
  return info.param.name;
}

TEST_P(RegistryContract, TextReadsKeepTheOutTextOnFailure) {
  CRegistryKey key(*registry_);
  ASSERT_EQ(0, key.Open(kMachine, Scratch()));
  std::string text = "before";
  EXPECT_EQ(2, key.QueryText("missing", text));
  EXPECT_EQ("before", text);

  ASSERT_EQ(0, key.SetText("long", std::string(249, 'x')));  // 250 bytes
  EXPECT_EQ(234, key.QueryText("long", text));
  EXPECT_EQ("before", text);

  ASSERT_EQ(0, key.SetText("fits", std::string(199, 'y')));  // 200 bytes
  EXPECT_EQ(0, key.QueryText("fits", text));
  EXPECT_EQ(std::string(199, 'y'), text);
}

TEST_P(RegistryContract, TextOfTwoHundredBytesWithoutZeroStopsAtTheBuffer) {
  CRegistryKey key(*registry_);
  ASSERT_EQ(0, key.Open(kMachine, Scratch()));
  const std::vector<unsigned char> bytes = Bytes(std::string(200, 'z'));
  ASSERT_EQ(0, key.SetBinary("raw", bytes.data(), 200));
  std::string text;
  EXPECT_EQ(0, key.QueryText("raw", text));
  EXPECT_EQ(std::string(200, 'z'), text);
}

TEST_P(RegistryContract, WritesStoreExactTypesAndBytes) {
  CRegistryKey key(*registry_);
  ASSERT_EQ(0, key.Open(kMachine, Scratch()));
  ASSERT_EQ(0, key.SetText("empty", ""));
  ASSERT_EQ(0, key.SetText("text", "2.30"));
  ASSERT_EQ(0, key.SetDword("number", 0x01020304u));
  const unsigned char binary[3] = {0, 0xFF, 7};
  ASSERT_EQ(0, key.SetBinary("binary", binary, 3));
  key.Close();

  struct Expected {
    const char* name;
    os::ValueType type;
    std::vector<unsigned char> bytes;
  };
  const Expected expected[] = {
      {"empty", os::ValueType::Text, {0}},
      {"text", os::ValueType::Text, {'2', '.', '3', '0', 0}},
      {"number", os::ValueType::Dword, {4, 3, 2, 1}},
      {"binary", os::ValueType::Binary, {0, 0xFF, 7}},
  };
  os::KeyHandle handle = 0;
  ASSERT_EQ(0, registry_->CreateKey(kMachine, Scratch(),
                                    os::KeyOption::NonVolatile, handle));
  for (const Expected& value : expected) {
    unsigned char buffer[16];
    std::uint32_t size = sizeof buffer;
    os::ValueType type = os::ValueType::None;
    ASSERT_EQ(0, registry_->QueryValue(handle, value.name, &type, buffer, size))
        << value.name;
    EXPECT_EQ(value.type, type) << value.name;
    EXPECT_EQ(value.bytes, std::vector<unsigned char>(buffer, buffer + size))
        << value.name;
  }
  registry_->CloseKey(handle);
}

// RegSetValueExA reads a text past the count it is given. Windows 95/98
// stores a REG_SZ up to its first zero and that zero, whatever the count
// (Wine's advapi32 keeps that rule for a program set to Windows 98); NT
// counts the zero that follows a text whose last counted byte is not zero.
// Known difference: the Wine tier runs this program as NT, so the Windows
// 95/98 column is compared with the fake alone.
TEST_P(RegistryContract, TextsAreSizedByTheFamilysRule) {
  using Type = os::ValueType;
  const struct {
    const char* name;
    Type type;
    std::string buffer;  // with the zero after the counted bytes
    std::uint32_t count;
    std::string windows95, nt;
  } rows[] = {
      {"uncounted", Type::Text, {"ab\0", 3}, 2, {"ab\0", 3}, {"ab\0", 3}},
      {"cut", Type::Text, {"abc\0", 4}, 1, {"abc\0", 4}, "a"},
      {"inner", Type::Text, {"a\0b\0", 4}, 3, {"a\0", 2}, {"a\0b\0", 4}},
      {"empty", Type::Text, {"\0", 1}, 0, {"\0", 1}, ""},
      {"expand", Type::ExpandText, {"%a%\0", 4}, 3, "%a%", {"%a%\0", 4}},
  };
  os::KeyHandle key = 0;
  ASSERT_EQ(0, registry_->CreateKey(kMachine, Scratch(),
                                    os::KeyOption::NonVolatile, key));
  for (const auto& row : rows) {
    const std::vector<unsigned char> buffer = Bytes(row.buffer);
    ASSERT_EQ(0, registry_->SetValue(key, row.name, row.type, buffer.data(),
                                     row.count))
        << row.name;
    unsigned char stored[16];
    std::uint32_t size = sizeof stored;
    ASSERT_EQ(0, registry_->QueryValue(key, row.name, nullptr, stored, size));
    EXPECT_EQ(Bytes(GetParam().windows95 ? row.windows95 : row.nt),
              std::vector<unsigned char>(stored, stored + size))
        << row.name;
  }
  registry_->CloseKey(key);
}

TEST_P(RegistryContract, NumbersReadWhateverTheType) {
  CRegistryKey key(*registry_);
  ASSERT_EQ(0, key.Open(kMachine, Scratch()));
  ASSERT_EQ(0, key.SetText("short", "ab"));  // three bytes: 'a' 'b' 0
  std::uint32_t number = 0xDEADBEEF;
  EXPECT_EQ(0, key.QueryDword("short", number));
  EXPECT_EQ(0x00006261u, number);

  ASSERT_EQ(0, key.SetText("long", "abcdefg"));
  number = 7;
  EXPECT_EQ(234, key.QueryDword("long", number));
  EXPECT_EQ(7u, number);
  EXPECT_EQ(2, key.QueryDword("missing", number));
  EXPECT_EQ(7u, number);
}

TEST_P(RegistryContract, ShortRawBufferReportsTheSizeNeeded) {
  CRegistryKey key(*registry_);
  ASSERT_EQ(0, key.Open(kMachine, Scratch()));
  ASSERT_EQ(0, key.SetText("value", "abcdefgh"));
  unsigned char buffer[4] = {9, 9, 9, 9};
  std::uint32_t size = sizeof buffer;
  EXPECT_EQ(234, key.QueryRaw("value", buffer, size));
  EXPECT_EQ(9u, size);
}

TEST_P(RegistryContract, ListingAMissingKeyCreatesNothing) {
  CRegistryKey key(*registry_);
  std::vector<std::string> names = {"kept"};
  EXPECT_EQ(2, key.ListSubkeys(kMachine, Scratch("missing"), names));
  EXPECT_EQ(std::vector<std::string>{"kept"}, names);
  std::vector<std::string> parent;
  ASSERT_EQ(0, key.ListSubkeys(kMachine, Scratch(), parent));
  EXPECT_TRUE(parent.empty());
}

// Wine orders names as if in lower case, so "B_x" comes before "beta".
TEST_P(RegistryContract, EnumerationIsInCaseInsensitiveNameOrder) {
  CRegistryKey key(*registry_);
  for (const char* name : {"zeta", "Alpha", "0002", "beta", "0000", "B_x"}) {
    ASSERT_EQ(0, key.Open(kMachine, Scratch(name)));
    ASSERT_EQ(0, key.Open(kMachine, Scratch()));
    ASSERT_EQ(0, key.SetText(name, "1"));
  }
  key.Close();
  const std::vector<std::string> expected = {"0000", "0002", "Alpha",
                                             "B_x",  "beta", "zeta"};
  std::vector<std::string> subkeys, values;
  ASSERT_EQ(0, key.ListSubkeys(kMachine, Scratch(), subkeys));
  ASSERT_EQ(0, key.ListValues(kMachine, Scratch(), values));
  EXPECT_EQ(expected, subkeys);
  EXPECT_EQ(expected, values);
}

TEST_P(RegistryContract, NamesCompareWithoutRegardToCase) {
  CRegistryKey key(*registry_);
  ASSERT_EQ(0, key.Open(kMachine, Scratch("Card")));
  ASSERT_EQ(0, key.SetText("Value", "one"));
  ASSERT_EQ(0, key.Open(kMachine, Scratch("CARD")));
  std::string text;
  EXPECT_EQ(0, key.QueryText("VALUE", text));
  EXPECT_EQ("one", text);
}

TEST_P(RegistryContract, VolatileKeysTakeOnlyVolatileChildren) {
  os::KeyHandle handle = 0;
  ASSERT_EQ(0, registry_->CreateKey(kMachine, Scratch("volatile"),
                                    os::KeyOption::Volatile, handle));
  registry_->CloseKey(handle);
  EXPECT_EQ(1021, registry_->CreateKey(kMachine, Scratch("volatile\\child"),
                                       os::KeyOption::NonVolatile, handle));
  // An existing non-volatile key opens with the volatile option as it is.
  ASSERT_EQ(0, registry_->CreateKey(kMachine, Scratch("plain"),
                                    os::KeyOption::NonVolatile, handle));
  registry_->CloseKey(handle);
  ASSERT_EQ(0, registry_->CreateKey(kMachine, Scratch("plain"),
                                    os::KeyOption::Volatile, handle));
  registry_->CloseKey(handle);
  EXPECT_EQ(0, registry_->CreateKey(kMachine, Scratch("plain\\child"),
                                    os::KeyOption::NonVolatile, handle));
  registry_->CloseKey(handle);
}

// A key opened for reading only takes no write or deletion.
TEST_P(RegistryContract, OpeningOnlyOpensWhatExists) {
  os::KeyHandle handle = 0;
  EXPECT_EQ(2, registry_->OpenKey(kMachine, Scratch("absent\\deeper"),
                                  os::Access::Read, handle));
  CRegistryKey key(*registry_);
  std::vector<std::string> names;
  ASSERT_EQ(0, key.ListSubkeys(kMachine, Scratch(), names));
  EXPECT_TRUE(names.empty());

  ASSERT_EQ(0, registry_->OpenKey(kMachine, Scratch(), os::Access::Write,
                                  handle));
  const unsigned char one[] = {'1', 0};
  EXPECT_EQ(0, registry_->SetValue(handle, "a", os::ValueType::Text, one, 2));
  registry_->CloseKey(handle);
  ASSERT_EQ(0, registry_->OpenKey(kMachine, Scratch(), os::Access::Read,
                                  handle));
  EXPECT_EQ(5, registry_->SetValue(handle, "b", os::ValueType::Text, one, 2));
  EXPECT_EQ(5, registry_->DeleteValue(handle, "a"));
  registry_->CloseKey(handle);
  std::string text;
  ASSERT_EQ(0, key.OpenToRead(kMachine, Scratch()));
  EXPECT_EQ(0, key.QueryText("a", text));
  EXPECT_EQ("1", text);
}

TEST_P(RegistryContract, DeletingKeysAndValues) {
  CRegistryKey key(*registry_);
  ASSERT_EQ(0, key.Open(kMachine, Scratch("withValues")));
  ASSERT_EQ(0, key.SetText("a", "1"));
  ASSERT_EQ(0, key.Open(kMachine, Scratch("withSubkey\\child")));
  key.Close();

  os::KeyHandle handle = 0;
  ASSERT_EQ(0, registry_->CreateKey(kMachine, Scratch(),
                                    os::KeyOption::Volatile, handle));
  EXPECT_EQ(0, registry_->DeleteKey(handle, "withValues"));
  EXPECT_EQ(5, registry_->DeleteKey(handle, "withSubkey"));
  EXPECT_EQ(2, registry_->DeleteKey(handle, "nothere"));
  EXPECT_EQ(2, registry_->DeleteValue(handle, "nothere"));
  registry_->CloseKey(handle);

  std::vector<std::string> names;
  ASSERT_EQ(0, key.ListSubkeys(kMachine, Scratch(), names));
  EXPECT_EQ(std::vector<std::string>{"withSubkey"}, names);
}

TEST_P(RegistryContract, LongNamesStopTheListing) {
  CRegistryKey key(*registry_);
  ASSERT_EQ(0, key.Open(kMachine, Scratch()));
  const std::string longName(300, 'v');
  ASSERT_EQ(0, key.SetText("a", "1"));
  ASSERT_EQ(0, key.SetText(longName, "1"));
  ASSERT_EQ(0, key.SetText("z", "1"));
  key.Close();
  std::vector<std::string> names;
  ASSERT_EQ(0, key.ListValues(kMachine, Scratch(), names));
  EXPECT_EQ(std::vector<std::string>{"a"}, names);
}
