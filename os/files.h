#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace os {

// The fixed version record (VS_FIXEDFILEINFO) of a file.
struct FixedVersion {
  std::uint32_t fileVersionMS = 0;
  std::uint32_t fileVersionLS = 0;
  std::uint32_t strucVersion = 0;
};

class Files {
 public:
  virtual ~Files() = default;

  // The existence test: FindFirstFileA finds the path.
  virtual bool Exists(const std::string& path) = 0;
  // False when the file has no readable fixed version record.
  virtual bool ReadFixedVersion(const std::string& path,
                                FixedVersion& version) = 0;

  // CopyFileA that fails when `to` exists already; false when nothing was
  // copied.
  virtual bool CopyIfAbsent(const std::string& from, const std::string& to) = 0;
  // The C runtime's text streams, in which a line ends with a line feed
  // (carriage return and line feed in the file). Opens with mode "rt", for
  // reading only, so a read-only file reads too, and reads to the end, each
  // read taking at most `longest` characters up to and including a line
  // feed.
  // False when the file will not open.
  virtual bool ReadTextPieces(const std::string& path, std::size_t longest,
                              std::vector<std::string>& reads) = 0;
  // Opens with mode "a+t" (creating a missing file) and writes the text at
  // its end, after dropping a Ctrl-Z that ends the file, as Windows' C
  // runtime does (Wine's does not); false when the file will not open.
  virtual bool AppendText(const std::string& path, const std::string& text) = 0;
  // Opens with mode "w+t" (creating or emptying the file) and writes the
  // text; false when the file will not open.
  virtual bool RewriteText(const std::string& path,
                           const std::string& text) = 0;

  // The whole file byte for byte; false when it will not open for reading
  // or holds more than `longest` bytes.
  virtual bool ReadBytes(const std::string& path, std::size_t longest,
                         std::string& bytes) = 0;
  // Makes the file hold exactly these bytes: only a new file, unless
  // `replace` allows an existing one to be overwritten. A file that could not
  // be written whole is removed again. False when nothing was written.
  virtual bool WriteBytes(const std::string& path, const std::string& bytes,
                          bool replace) = 0;

  // CreateDirectoryA; true when the folder is there afterwards, made now or
  // before.
  virtual bool MakeFolder(const std::string& path) = 0;
  // The names of the files of a folder (not its folders) that end in the
  // extension, without regard to case, as FindFirstFileA and FindNextFileA
  // list them: none when the folder is missing.
  virtual std::vector<std::string> FileNames(const std::string& folder,
                                             const std::string& extension) = 0;
  // DeleteFileA; false when it failed.
  virtual bool Remove(const std::string& path) = 0;
};

}  // namespace os
