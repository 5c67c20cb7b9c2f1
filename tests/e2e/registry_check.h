#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

// Reads the registry through the Win32 API, as a run of the program left
// it: HKEY_LOCAL_MACHINE unless a root is given. Keys are opened for reading
// only, so that looking never creates.
namespace e2e {

// A REG_SZ value holding exactly this text and its terminating zero.
testing::AssertionResult HasText(const std::string& key,
                                 const std::string& name,
                                 const std::string& text,
                                 HKEY root = HKEY_LOCAL_MACHINE);
// A REG_DWORD value holding this number.
testing::AssertionResult HasDword(const std::string& key,
                                  const std::string& name,
                                  std::uint32_t number);
// A REG_BINARY value holding exactly these bytes.
testing::AssertionResult HasBinary(const std::string& key,
                                   const std::string& name,
                                   const std::vector<unsigned char>& bytes);
// The key holds exactly these values, each a REG_SZ of its text.
void ExpectTexts(const std::string& key,
                 const std::map<std::string, std::string>& texts);
// The same, but the key may hold other values too.
void ExpectTextsAmong(const std::string& key,
                      const std::map<std::string, std::string>& texts);
testing::AssertionResult HasNoValue(const std::string& key,
                                    const std::string& name,
                                    HKEY root = HKEY_LOCAL_MACHINE);
testing::AssertionResult HasKey(const std::string& key);
testing::AssertionResult HasNoKey(const std::string& key);

// The names of a key's values or of its subkeys; empty when it is missing.
std::set<std::string> ValueNames(const std::string& key,
                                 HKEY root = HKEY_LOCAL_MACHINE);
std::set<std::string> SubkeyNames(const std::string& key);

// Every key and value below a key, by path relative to it: a key as
// "path\" with an empty description, a value as "path\name" with its type
// and bytes. Two snapshots compare equal when nothing below was touched.
std::map<std::string, std::string> TreeSnapshot(const std::string& key,
                                                HKEY root = HKEY_LOCAL_MACHINE);

}  // namespace e2e
