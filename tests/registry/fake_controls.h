// In-memory stand-ins for the caller's list box or combo box and string
// table, answering the messages the way the Windows controls do and
// recording every message they get.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
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
  bool sorted = false;              // the add message files the item in order
  std::set<std::string> refused{};  // texts the add and insert messages answer -1 for
  std::vector<FakeItem> items{};
  intptr_t selection = -1;
  // One readable line per message: "add Apache -> 2", "data 2 6072",
  // "insert 0 AUTO -> 0", "select 0", "count -> 3", "delete 0".
  std::vector<std::string> log{};

  QORDA_ListControl Control();
};

struct FakeStrings {
  std::map<uint32_t, std::string> strings{};
  std::vector<std::pair<uint32_t, int32_t>> requests{};  // (id, size) of every load

  QORDA_StringTable Table();
};

}  // namespace qorda::testing
