#include "contract/files_contract.h"
#include "fakes/fake_files.h"

namespace {

class InMemoryPlace : public FilePlace {
 public:
  os::Files& files() override { return files_; }
  std::string Path(const std::string& name) override {
    return "c:\\contract\\" + name;
  }
  void Put(const std::string& path, const std::string& bytes) override {
    files_.contents[path] = bytes;
  }
  std::optional<std::string> Bytes(const std::string& path) override {
    auto it = files_.contents.find(path);
    if (it == files_.contents.end()) return std::nullopt;
    return it->second;
  }
  void MakeReadOnly(const std::string& path) override {
    files_.readOnly.insert(path);
  }
  bool ReadOnlyHolds(const std::string&) override { return true; }

 private:
  fakes::FakeFiles files_;
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(
    InMemory, FilesContract,
    ::testing::Values(FilesUnderTest{
        "Fake", [] { return std::make_unique<InMemoryPlace>(); }}),
    FilesName);
