#pragma once

#include "os/files.h"

namespace os {

class Win32Files : public Files {
 public:
  bool Exists(const std::string& path) override;
  bool ReadFixedVersion(const std::string& path,
                        FixedVersion& version) override;
  bool CopyIfAbsent(const std::string& from, const std::string& to) override;
  bool ReadTextPieces(const std::string& path, std::size_t longest,
                      std::vector<std::string>& reads) override;
  bool AppendText(const std::string& path, const std::string& text) override;
  bool RewriteText(const std::string& path, const std::string& text) override;
  bool ReadBytes(const std::string& path, std::size_t longest,
                 std::string& bytes) override;
  bool WriteBytes(const std::string& path, const std::string& bytes,
                  bool replace) override;
  bool MakeFolder(const std::string& path) override;
  std::vector<std::string> FileNames(const std::string& folder,
                                     const std::string& extension) override;
  bool Remove(const std::string& path) override;
};

}  // namespace os
