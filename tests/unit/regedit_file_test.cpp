// The REGEDIT4 form: each kind of value as the registry editor writes it,
// read back to the same type and bytes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/regedit_file.h"

namespace {

using Bytes = std::vector<unsigned char>;
using os::ValueType;

Bytes Text(const std::string& text) {
  Bytes bytes(text.begin(), text.end());
  bytes.push_back(0);
  return bytes;
}

Bytes Counting(std::size_t count) {
  Bytes bytes;
  for (std::size_t i = 0; i < count; ++i)
    bytes.push_back(static_cast<unsigned char>(i * 7));
  return bytes;
}

struct Row {
  const char* what;
  std::string name;
  bool present;
  ValueType type;
  Bytes bytes;
  std::string line;  // as the file holds it, without its line end
};

const Row kRows[] = {
    {"text", "SSTH3_LDELAY", true, ValueType::Text, Text("1"),
     "\"SSTH3_LDELAY\"=\"1\""},
    {"escapes", "a\\\"b", true, ValueType::Text, Text("C:\\x \"y\""),
     "\"a\\\\\\\"b\"=\"C:\\\\x \\\"y\\\"\""},
    {"empty text, default value", "", true, ValueType::Text, Text(""),
     "@=\"\""},
    {"dword", "memSize", true, ValueType::Dword, {0x0a, 0x01, 0x00, 0xff},
     "\"memSize\"=dword:ff00010a"},
    {"one byte", "SoftwareOnly", true, ValueType::Binary, {0x01},
     "\"SoftwareOnly\"=hex:01"},
    {"long binary", "l", true, ValueType::Binary, Counting(30),
     "\"l\"=hex:00,07,0e,15,1c,23,2a,31,38,3f,46,4d,54,5b,62,69,70,77,7e,85,"
     "8c,93,9a,\\\r\n  a1,a8,af,b6,bd,c4,cb"},
    {"expandable text", "x", true, ValueType::ExpandText, Text("%a%"),
     "\"x\"=hex(2):25,61,25,00"},
    {"a type without a name", "n", true, ValueType::None, {}, "\"n\"=hex(0):"},
    {"a type above nine", "q", true, static_cast<ValueType>(11),
     {1, 0, 0, 0, 0, 0, 0, 0}, "\"q\"=hex(b):01,00,00,00,00,00,00,00"},
    {"text without its zero", "t", true, ValueType::Text, {'a', 'b'},
     "\"t\"=hex(1):61,62"},
    {"text with a line break", "t", true, ValueType::Text, Text("a\nb"),
     "\"t\"=hex(1):61,0a,62,00"},
    {"dword of three bytes", "d", true, ValueType::Dword, {1, 2, 3},
     "\"d\"=hex(4):01,02,03"},
    {"absent", "SSTH3_RGAMMA", false, ValueType::None, {},
     ";\"SSTH3_RGAMMA\"=-"},
};

TEST(RegeditFile, EachKindWrittenAndReadBack) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.what);
    regedit::Entry entry;
    entry.root = os::Root::CurrentUser;
    entry.key = "Software\\K";
    entry.name = row.name;
    entry.present = row.present;
    entry.value = {row.type, row.bytes};
    const std::string text = regedit::Write({entry});
    EXPECT_EQ("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\K]\r\n" +
                  row.line + "\r\n\r\n",
              text);
    std::vector<regedit::Entry> read;
    regedit::Problem problem;
    ASSERT_TRUE(regedit::Read(text, read, problem)) << problem.what;
    ASSERT_EQ(1u, read.size());
    EXPECT_EQ(row.name, read[0].name);
    EXPECT_EQ(row.present, read[0].present);
    if (row.present) {
      EXPECT_EQ(row.type, read[0].value.type);
      EXPECT_EQ(row.bytes, read[0].value.bytes);
    }
  }
}

}  // namespace
