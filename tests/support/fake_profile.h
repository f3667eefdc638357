// A map-backed private profile with the platform's rules, for native tests of the settings logic:
// names match regardless of case, values come back cut at 2047 UTF-16 units with surrounding blanks and
// one pair of quotation marks removed, new keys go to the end of their section and new sections to
// the end of the file. A test can make writes fail from a given one on.
#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/utf.h"

#include "core/profile.h"

namespace kakipo::test {

class FakeProfile : public Profile {
 public:
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> keys;
  };
  using File = std::vector<Section>;

  std::string readString(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& defaultValue) const override {
    ++reads;
    auto f = files.find(file);
    if (f == files.end()) return defaultValue;
    const Section* s = findSection(f->second, section);
    if (!s) return defaultValue;
    for (const auto& [k, v] : s->keys) {
      if (sameName(k, key)) return asRead(v);
    }
    return defaultValue;
  }

  bool writeString(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value) override {
    ++writes;
    if (failFromWrite > 0 && writes >= failFromWrite) return false;
    File& f = files[file];
    Section* s = findSection(f, section);
    if (!s) {
      f.push_back({section, {}});
      s = &f.back();
    }
    for (auto& [k, v] : s->keys) {
      if (sameName(k, key)) {
        v = value;
        return true;
      }
    }
    s->keys.emplace_back(key, value);
    return true;
  }

  // Test helpers.
  void set(const std::string& file, const std::string& section, const std::string& key,
           const std::string& value) {
    const int saved = failFromWrite;
    failFromWrite = 0;
    writeString(file, section, key, value);
    --writes;
    failFromWrite = saved;
  }
  // The file as the platform would have written it.
  std::string text(const std::string& file) const {
    std::string out;
    auto f = files.find(file);
    if (f == files.end()) return out;
    for (const auto& s : f->second) {
      out += "[" + s.name + "]\r\n";
      for (const auto& [k, v] : s.keys) out += k + "=" + v + "\r\n";
    }
    return out;
  }
  std::vector<std::string> sectionNames(const std::string& file) const {
    std::vector<std::string> names;
    auto f = files.find(file);
    if (f != files.end()) {
      for (const auto& s : f->second) names.push_back(s.name);
    }
    return names;
  }
  std::vector<std::string> keyNames(const std::string& file, const std::string& section) const {
    std::vector<std::string> names;
    auto f = files.find(file);
    if (f == files.end()) return names;
    for (const auto& s : f->second) {
      if (sameName(s.name, section)) {
        for (const auto& kv : s.keys) names.push_back(kv.first);
      }
    }
    return names;
  }

  std::map<std::string, File> files;
  int failFromWrite = 0;  // 0: never; n: the n-th write and every later one fail
  int writes = 0;
  mutable int reads = 0;

 private:
  static bool sameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
      auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
      if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
  }
  static Section* findSection(File& f, const std::string& name) {
    for (auto& s : f) {
      if (sameName(s.name, name)) return &s;
    }
    return nullptr;
  }
  static const Section* findSection(const File& f, const std::string& name) {
    return findSection(const_cast<File&>(f), name);
  }
  static std::string asRead(std::string v) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!v.empty() && blank(v.front())) v.erase(v.begin());
    while (!v.empty() && blank(v.back())) v.pop_back();
    if (v.size() >= 2 && ((v.front() == '"' && v.back() == '"') || (v.front() == '\'' && v.back() == '\''))) {
      v = v.substr(1, v.size() - 2);
    }
    return utf::fromUtf16(utf::toUtf16(v).substr(0, maxValueBytes));
  }
};

}  // namespace kakipo::test
