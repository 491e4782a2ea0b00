#pragma once

#include "base/AsciiCase.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A table of upper-case names kept sorted for binary search. Queries are matched
// case-insensitively (letters a-z), so a lookup never has to build an upper-case copy.
template <typename Value>
class NameTable {
 public:
  struct Entry {
    std::string name;
    Value value;
  };

  // Returns nullptr when the name is absent.
  const Value* find(std::string_view name) const {
    const auto it = lowerBound(name);
    if (it == m_entries.end() || compare(it->name, name) != 0) return nullptr;
    return &it->value;
  }

  // Adds an entry unless the name is present; returns whether it was added.
  bool insert(std::string upperName, Value value) {
    const auto it = lowerBound(upperName);
    if (it != m_entries.end() && compare(it->name, upperName) == 0) return false;
    m_entries.insert(it, Entry{std::move(upperName), std::move(value)});
    return true;
  }

  const std::vector<Entry>& entries() const { return m_entries; }

 private:
  static int compare(std::string_view stored, std::string_view query) {
    const std::size_t n = std::min(stored.size(), query.size());
    for (std::size_t i = 0; i < n; ++i) {
      const auto s = static_cast<unsigned char>(stored[i]);
      const auto q = static_cast<unsigned char>(upperAscii(query[i]));
      if (s != q) return s < q ? -1 : 1;
    }
    if (stored.size() == query.size()) return 0;
    return stored.size() < query.size() ? -1 : 1;
  }

  typename std::vector<Entry>::const_iterator lowerBound(std::string_view name) const {
    return std::lower_bound(m_entries.begin(), m_entries.end(), name,
                            [](const Entry& e, std::string_view q) { return compare(e.name, q) < 0; });
  }

  std::vector<Entry> m_entries;
};
