// In-memory stand-ins for the caller's list box or combo box and string
// table: they answer the messages as the Windows controls do and log each.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "qordahosts.h"

namespace qorda::testing {

struct FakeItem {
  std::string text{};
  intptr_t data = 0;
  bool operator==(const FakeItem&) const = default;
};

struct FakeList {
  bool isComboBox = false;
  bool sorted = false;              // an add files the item in order
  std::set<std::string> refused{};  // texts an add or insert answers -1 for
  std::vector<FakeItem> items{};
  // Every message: "add Apache -> 2; data 2 6072; insert 0 AUTO -> 0; select 0; "
  // and "count -> 3; delete 0; ".
  std::string log{};

  QORDA_ListControl Control();
};

struct FakeStrings {
  std::map<uint32_t, std::string> strings{};
  std::vector<std::pair<uint32_t, int32_t>> requests{};  // (id, size) of every load

  QORDA_StringTable Table();
};

}  // namespace qorda::testing
