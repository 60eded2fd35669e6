#include "platform/fake/fake_registry.h"

#include <cctype>
#include <functional>
#include <sstream>
#include <vector>

namespace platform::fake {
namespace {

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::vector<std::string> parts(const std::string& subKey) {
  std::vector<std::string> out;
  std::string cur;
  for (char c : subKey) {
    if (c == '\\') {
      if (!cur.empty()) out.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) out.push_back(cur);
  return out;
}

}  // namespace

struct FakeRegistry::Key {
  struct Value {
    std::uint32_t type;
    std::string data;
  };
  std::map<std::string, std::unique_ptr<Key>> children;  // lower-case names
  std::map<std::string, Value> values;                   // lower-case names
  bool writeDenied = false;
};

FakeRegistry::FakeRegistry() {
  for (HKey h = hkey::kClassesRoot; h <= hkey::kDynData; ++h) roots_[h] = std::make_unique<Key>();
}

FakeRegistry::~FakeRegistry() = default;

FakeRegistry::Key* FakeRegistry::keyOf(HKey handle) const {
  auto r = roots_.find(handle);
  if (r != roots_.end()) return r->second.get();
  auto h = handles_.find(handle);
  return h == handles_.end() ? nullptr : h->second;
}

FakeRegistry::Key* FakeRegistry::lookup(HKey root, const std::string& subKey) const {
  Key* k = keyOf(root);
  if (!k) return nullptr;
  for (const std::string& p : parts(subKey)) {
    auto it = k->children.find(lower(p));
    if (it == k->children.end()) return nullptr;
    k = it->second.get();
  }
  return k;
}

ErrorCode FakeRegistry::openKey(HKey root, const std::string& subKey, std::uint32_t accessMask,
                                HKey& key) {
  if (!keyOf(root)) return err::kInvalidHandle;
  Key* k = lookup(root, subKey);
  if (!k) return err::kFileNotFound;
  if (k->writeDenied && (accessMask & 0x6)) return err::kAccessDenied;
  key = nextHandle_++;
  handles_[key] = k;
  return err::kSuccess;
}

ErrorCode FakeRegistry::createKey(HKey root, const std::string& subKey, HKey& key) {
  Key* k = keyOf(root);
  if (!k) return err::kInvalidHandle;
  for (const std::string& p : parts(subKey)) {
    auto& slot = k->children[lower(p)];
    if (!slot) slot = std::make_unique<Key>();
    k = slot.get();
  }
  key = nextHandle_++;
  handles_[key] = k;
  return err::kSuccess;
}

ErrorCode FakeRegistry::queryValueInfo(HKey key, const std::string& name, std::uint32_t& type,
                                       std::uint32_t& size) {
  Key* k = keyOf(key);
  if (!k) return err::kInvalidHandle;
  auto it = k->values.find(lower(name));
  if (it == k->values.end()) return err::kFileNotFound;
  type = it->second.type;
  size = static_cast<std::uint32_t>(it->second.data.size());
  return err::kSuccess;
}

ErrorCode FakeRegistry::queryValue(HKey key, const std::string& name, std::uint32_t bufferSize,
                                   std::uint32_t& type, std::string& data) {
  std::uint32_t size = 0;
  if (ErrorCode e = queryValueInfo(key, name, type, size)) return e;
  if (bufferSize < size) return err::kMoreData;
  data = keyOf(key)->values[lower(name)].data;
  return err::kSuccess;
}

ErrorCode FakeRegistry::setValue(HKey key, const std::string& name, std::uint32_t type,
                                 const std::string& data) {
  Key* k = keyOf(key);
  if (!k) return err::kInvalidHandle;
  k->values[lower(name)] = {type, data};
  return err::kSuccess;
}

ErrorCode FakeRegistry::deleteValue(HKey key, const std::string& name) {
  Key* k = keyOf(key);
  if (!k) return err::kInvalidHandle;
  return k->values.erase(lower(name)) ? err::kSuccess : err::kFileNotFound;
}

ErrorCode FakeRegistry::deleteKey(HKey root, const std::string& subKey) {
  std::vector<std::string> p = parts(subKey);
  if (p.empty()) return err::kAccessDenied;
  std::string leaf = lower(p.back());
  p.pop_back();
  std::string parentPath;
  for (const std::string& s : p) parentPath += s + "\\";
  Key* parent = lookup(root, parentPath);
  if (!parent) return err::kFileNotFound;
  auto it = parent->children.find(leaf);
  if (it == parent->children.end()) return err::kFileNotFound;
  if (!it->second->children.empty()) return err::kAccessDenied;
  for (auto h = handles_.begin(); h != handles_.end();)
    h = h->second == it->second.get() ? handles_.erase(h) : std::next(h);
  parent->children.erase(it);
  return err::kSuccess;
}

ErrorCode FakeRegistry::closeKey(HKey key) {
  if (roots_.count(key)) return err::kSuccess;
  return handles_.erase(key) ? err::kSuccess : err::kInvalidHandle;
}

void FakeRegistry::setString(HKey root, const std::string& subKey, const std::string& name,
                             const std::string& value) {
  HKey k = 0;
  createKey(root, subKey, k);
  setValue(k, name, regtype::kString, value);
  closeKey(k);
}

bool FakeRegistry::hasKey(HKey root, const std::string& subKey) const {
  return lookup(root, subKey) != nullptr;
}

bool FakeRegistry::hasValue(HKey root, const std::string& subKey, const std::string& name) const {
  Key* k = lookup(root, subKey);
  return k && k->values.count(lower(name));
}

std::string FakeRegistry::value(HKey root, const std::string& subKey,
                                const std::string& name) const {
  Key* k = lookup(root, subKey);
  if (!k) return {};
  auto it = k->values.find(lower(name));
  return it == k->values.end() ? std::string() : it->second.data;
}

void FakeRegistry::denyWrite(HKey root, const std::string& subKey) {
  HKey k = 0;
  createKey(root, subKey, k);
  keyOf(k)->writeDenied = true;
  closeKey(k);
}

std::string FakeRegistry::snapshot() const {
  std::ostringstream out;
  std::function<void(const Key&, const std::string&)> walk = [&](const Key& k,
                                                                 const std::string& path) {
    out << path << (k.writeDenied ? " (write denied)" : "") << "\n";
    for (auto& [name, v] : k.values)
      out << "  " << name << " type=" << v.type << " " << v.data << "\n";
    for (auto& [name, child] : k.children) walk(*child, path + "\\" + name);
  };
  for (auto& [root, key] : roots_) walk(*key, std::to_string(root));
  return out.str();
}

}  // namespace platform::fake
