#pragma once

#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "os/files.h"

namespace fakes {

// Files by exact path: `files` for those with (or without, nullopt) a
// version record, `contents` for the bytes of text files. Text streams
// behave as the C runtime's text mode does: a read turns carriage return
// and line feed into a line feed and hands each piece back as a C string, a
// write turns each line feed into both.
// A read-only file opens for reading alone, which no text stream here asks.
class FakeFiles : public os::Files {
 public:
  bool Exists(const std::string& path) override {
    return files.count(path) == 1 || contents.count(path) == 1;
  }
  bool ReadFixedVersion(const std::string& path,
                        os::FixedVersion& version) override {
    auto it = files.find(path);
    if (it == files.end() || !it->second) return false;
    version = *it->second;
    return true;
  }
  bool CopyIfAbsent(const std::string& from, const std::string& to) override {
    auto source = contents.find(from);
    if (source == contents.end() || Exists(to)) return false;
    contents[to] = source->second;
    if (readOnly.count(from) == 1) readOnly.insert(to);
    return true;
  }
  bool ReadTextPieces(const std::string& path, std::size_t longest,
                      std::vector<std::string>& reads) override {
    auto file = contents.find(path);
    if (file == contents.end()) return false;
    std::string read;
    const std::string& bytes = file->second;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
        continue;
      read += bytes[i];
      if (bytes[i] == '\n' || read.size() == longest) {
        reads.push_back(AsCString(read));
        read.clear();
      }
    }
    if (!read.empty()) reads.push_back(AsCString(read));
    return true;
  }
  bool AppendText(const std::string& path, const std::string& text) override {
    if (readOnly.count(path) == 1) return false;
    std::string& bytes = contents[path];
    if (!bytes.empty() && bytes.back() == '\x1a') bytes.pop_back();
    bytes += WithCarriageReturns(text);
    return true;
  }
  bool RewriteText(const std::string& path, const std::string& text) override {
    if (readOnly.count(path) == 1) return false;
    contents[path] = WithCarriageReturns(text);
    return true;
  }

  bool ReadBytes(const std::string& path, std::size_t longest,
                 std::string& bytes) override {
    auto file = contents.find(path);
    if (file == contents.end() || file->second.size() > longest) return false;
    bytes = file->second;
    return true;
  }
  bool WriteBytes(const std::string& path, const std::string& bytes,
                  bool replace) override {
    if (readOnly.count(path) == 1 || (!replace && Exists(path))) return false;
    contents[path] = bytes;
    return true;
  }

  bool MakeFolder(const std::string& path) override {
    folders.insert(path);
    return true;
  }
  // The files of `contents` directly in the folder.
  std::vector<std::string> FileNames(const std::string& folder,
                                     const std::string& extension) override {
    std::vector<std::string> names;
    const std::string prefix = folder + "\\";
    for (const auto& [path, bytes] : contents) {
      if (path.compare(0, prefix.size(), prefix) != 0) continue;
      const std::string name = path.substr(prefix.size());
      if (name.find('\\') == std::string::npos &&
          name.size() > extension.size() &&
          Lower(name.substr(name.size() - extension.size())) ==
              Lower(extension))
        names.push_back(name);
    }
    return names;
  }
  bool Remove(const std::string& path) override {
    return readOnly.count(path) == 0 && contents.erase(path) == 1;
  }

  std::map<std::string, std::optional<os::FixedVersion>> files;
  std::set<std::string> folders;
  std::map<std::string, std::string> contents;
  std::set<std::string> readOnly;

 private:
  // What a read's buffer holds as a C string: up to its first zero byte.
  static std::string AsCString(const std::string& read) {
    return read.substr(0, read.find('\0'));
  }
  static std::string Lower(std::string text) {
    for (char& c : text)
      c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
  }
  static std::string WithCarriageReturns(const std::string& text) {
    std::string bytes;
    for (char c : text) {
      if (c == '\n') bytes += '\r';
      bytes += c;
    }
    return bytes;
  }
};

}  // namespace fakes
