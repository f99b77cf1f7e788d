#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kelvad {

// Where the first entry of each name sits in a list, so that finding a name
// costs O(1) instead of a walk of the list: projects of tens of thousands of
// commands look every one of them up several times.
//
// The list stays the plain vector that defines the order and that anyone may
// read; the index only remembers positions in it, and each look-up brings it
// up to date first. Entries appended since the last look-up are indexed then.
// The whole list is indexed afresh when it got shorter, moved to other
// storage, or its first or last indexed entry no longer has the name it had
// (a list emptied and refilled, or replaced); and a hit is checked against the
// entry it names, which notices a reordered list. What can still go unseen is
// a name written over in place in the middle of the list: the functions of
// src/resources never do that, and code that does must call Forget().
//
// A look-up through a const list still writes the index, so one index is not
// for two threads at once.
class NameIndex {
 public:
  static constexpr std::size_t npos = static_cast<std::size_t>(-1);

  // The position of the first entry whose name is `name` (of one such entry
  // when the list was reordered outside src/resources), or npos. `name_of`
  // gives an entry's name as a pointer, or null for an entry the index
  // leaves out; one index must always be used with the same `name_of`.
  template <typename Entry, typename NameOf>
  std::size_t Find(const std::vector<Entry>& list, NameOf name_of, std::string_view name) const {
    CatchUp(list, name_of);
    auto it = first_.find(name);
    if (it == first_.end()) return npos;
    if (Names(list, name_of, it->second, name)) return it->second;
    // The list changed under the index; a fresh one is right.
    Forget();
    CatchUp(list, name_of);
    it = first_.find(name);
    return it == first_.end() ? npos : it->second;
  }

  void Forget() const {
    first_.clear();
    indexed_ = 0;
    storage_ = nullptr;
  }

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };

  template <typename Entry, typename NameOf>
  static bool Names(const std::vector<Entry>& list, NameOf name_of, std::size_t position, std::string_view name) {
    if (position >= list.size()) return false;
    const std::string* entry_name = name_of(list[position]);
    return entry_name && *entry_name == name;
  }

  // An entry's name as the index sees it: entries left out have none.
  struct Seen {
    bool named = false;
    std::string name;
    template <typename Entry, typename NameOf>
    bool Is(const Entry& entry, NameOf name_of) const {
      const std::string* entry_name = name_of(entry);
      return entry_name ? named && *entry_name == name : !named;
    }
    template <typename Entry, typename NameOf>
    void Remember(const Entry& entry, NameOf name_of) {
      const std::string* entry_name = name_of(entry);
      named = entry_name != nullptr;
      name = named ? *entry_name : std::string();
    }
  };

  template <typename Entry, typename NameOf>
  void CatchUp(const std::vector<Entry>& list, NameOf name_of) const {
    const void* storage = list.data();
    bool same = list.size() >= indexed_ && storage == storage_ &&
                (indexed_ == 0 || (head_.Is(list.front(), name_of) && tail_.Is(list[indexed_ - 1], name_of)));
    if (!same) {
      first_.clear();
      indexed_ = 0;
    }
    storage_ = storage;
    if (indexed_ == list.size()) return;
    for (; indexed_ < list.size(); ++indexed_) {
      if (const std::string* entry_name = name_of(list[indexed_])) first_.try_emplace(*entry_name, indexed_);
    }
    head_.Remember(list.front(), name_of);
    tail_.Remember(list.back(), name_of);
  }

  mutable std::unordered_map<std::string, std::size_t, Hash, std::equal_to<>> first_;
  mutable std::size_t indexed_ = 0;
  mutable const void* storage_ = nullptr;
  mutable Seen head_;  // the first and the last entry indexed
  mutable Seen tail_;
};

}  // namespace kelvad
