#pragma once
#include <cstdint>
#include <map>

namespace qbx {

// A set of half-open address ranges [from, to), merged as they are added.
// Requests of a data phase come in ascending order almost always, so adding
// one mostly extends the last range.
class CAddressRanges {
  public:
    void Clear() { ranges.clear(); }

    void Add(std::uint64_t from, std::uint64_t to) {
        if (from >= to) return;
        auto next = ranges.upper_bound(from);
        if (next != ranges.begin()) {
            auto before = std::prev(next);
            if (before->second >= from) {
                from = before->first;
                if (before->second > to) to = before->second;
                next = ranges.erase(before);
            }
        }
        while (next != ranges.end() && next->first <= to) {
            if (next->second > to) to = next->second;
            next = ranges.erase(next);
        }
        ranges.emplace(from, to);
    }

    // True when some address of [from, to) lies in the set.
    bool Overlaps(std::uint64_t from, std::uint64_t to) const {
        if (from >= to) return false;
        auto next = ranges.lower_bound(to);
        if (next == ranges.begin()) return false;
        return std::prev(next)->second > from;
    }

  private:
    std::map<std::uint64_t, std::uint64_t> ranges; // from -> to
};

} // namespace qbx
