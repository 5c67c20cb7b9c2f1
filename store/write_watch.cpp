#include "store/write_watch.h"

#include <algorithm>
#include <vector>

#include "os/forwarding_registry.h"

namespace {

bool Absent(long result) { return result == os::error::kFileNotFound; }

}  // namespace

class WriteWatch::Registry : public os::ForwardingRegistry {
 public:
  Registry(os::Registry& inner, WriteWatch& watch)
      : ForwardingRegistry(inner), watch_(watch) {}

  long CreateKey(os::Root root, const std::string& path, os::KeyOption option,
                 os::KeyHandle& key) override {
    const long result = ForwardingRegistry::CreateKey(root, path, option, key);
    Opened(result, root, path, key, true);
    return result;
  }
  long OpenKey(os::Root root, const std::string& path, os::Access access,
               os::KeyHandle& key) override {
    const long result = ForwardingRegistry::OpenKey(root, path, access, key);
    const bool write = access == os::Access::Write;
    Opened(result, root, path, key, write && !Absent(result));
    return result;
  }
  long CloseKey(os::KeyHandle key) override {
    const auto found = Find(key);
    if (found != open_.end()) open_.erase(found);
    return ForwardingRegistry::CloseKey(key);
  }
  long QueryValue(os::KeyHandle key, const std::string& name,
                  os::ValueType* type, unsigned char* data,
                  std::uint32_t& size) override {
    const long result =
        ForwardingRegistry::QueryValue(key, name, type, data, size);
    if (!Absent(result)) Wrote(key, result);
    return result;
  }
  long SetValue(os::KeyHandle key, const std::string& name, os::ValueType type,
                const unsigned char* data, std::uint32_t size) override {
    return Wrote(key, ForwardingRegistry::SetValue(key, name, type, data, size),
                 true);
  }
  long DeleteValue(os::KeyHandle key, const std::string& name) override {
    const long result = ForwardingRegistry::DeleteValue(key, name);
    return Absent(result) ? result : Wrote(key, result, true);
  }
  long DeleteKey(os::KeyHandle key, const std::string& subkey) override {
    const long result = ForwardingRegistry::DeleteKey(key, subkey);
    return Absent(result) ? result : Wrote(key, result, true);
  }

 private:
  struct Key {
    os::KeyHandle handle;
    os::Root root;
    std::string path;
    bool writable;
  };

  // A handful of keys are open at a time: a list serves (and the release
  // carries no tree code of the C++ library, which is built for later CPUs).
  std::vector<Key>::iterator Find(os::KeyHandle key) {
    return std::find_if(open_.begin(), open_.end(),
                        [key](const Key& open) { return open.handle == key; });
  }

  void Opened(long result, os::Root root, const std::string& path,
              os::KeyHandle key, bool write) {
    if (result == os::error::kSuccess)
      open_.push_back({key, root, path, write});
    else if (write)
      watch_.Refuse({false, root, path});
  }
  // A call through a key opened for writing (any call, with `write`) that
  // failed is refused.
  long Wrote(os::KeyHandle key, long result, bool write = false) {
    const auto found = Find(key);
    if (result != os::error::kSuccess && found != open_.end() &&
        (write || found->writable))
      watch_.Refuse({false, found->root, found->path});
    return result;
  }

  WriteWatch& watch_;
  std::vector<Key> open_;
};

class WriteWatch::Files : public os::Files {
 public:
  Files(os::Files& inner, WriteWatch& watch) : inner_(inner), watch_(watch) {}

  bool Exists(const std::string& path) override { return inner_.Exists(path); }
  bool ReadFixedVersion(const std::string& path,
                        os::FixedVersion& version) override {
    return inner_.ReadFixedVersion(path, version);
  }
  bool CopyIfAbsent(const std::string& from, const std::string& to) override {
    return inner_.CopyIfAbsent(from, to);
  }
  bool ReadTextPieces(const std::string& path, std::size_t longest,
                      std::vector<std::string>& reads) override {
    return inner_.ReadTextPieces(path, longest, reads);
  }
  bool AppendText(const std::string& path, const std::string& text) override {
    return Wrote(path, inner_.AppendText(path, text));
  }
  bool RewriteText(const std::string& path, const std::string& text) override {
    return Wrote(path, inner_.RewriteText(path, text));
  }
  bool ReadBytes(const std::string& path, std::size_t longest,
                 std::string& bytes) override {
    return inner_.ReadBytes(path, longest, bytes);
  }
  bool WriteBytes(const std::string& path, const std::string& bytes,
                  bool replace) override {
    return Wrote(path, inner_.WriteBytes(path, bytes, replace));
  }
  bool MakeFolder(const std::string& path) override {
    return inner_.MakeFolder(path);
  }
  std::vector<std::string> FileNames(const std::string& folder,
                                     const std::string& extension) override {
    return inner_.FileNames(folder, extension);
  }
  bool Remove(const std::string& path) override { return inner_.Remove(path); }

 private:
  bool Wrote(const std::string& path, bool written) {
    if (!written) watch_.Refuse({true, os::kMachine, path});
    return written;
  }

  os::Files& inner_;
  WriteWatch& watch_;
};

WriteWatch::WriteWatch(os::Services& services)
    : registry_(std::make_unique<Registry>(services.registry, *this)),
      files_(std::make_unique<Files>(services.files, *this)),
      watched_{*registry_,      services.system, *files_,
               services.shell, services.power,  services.display} {}

WriteWatch::~WriteWatch() = default;

void WriteWatch::Refuse(const Refusal& refusal) {
  for (const Refusal& known : refused_)
    if (known.file == refusal.file && known.root == refusal.root &&
        known.path == refusal.path)
      return;
  refused_.push_back(refusal);
}
