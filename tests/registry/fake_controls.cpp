#include "registry/fake_controls.h"

#include <algorithm>
#include <cstring>

#include "scan/text.h"

namespace qorda::testing {
namespace {

struct Family {
  uint32_t add, insert, setData, select, count, remove;
};
constexpr Family kListBox = {QORDA_LB_ADDSTRING, QORDA_LB_INSERTSTRING, QORDA_LB_SETITEMDATA,
                             QORDA_LB_SETCURSEL, QORDA_LB_GETCOUNT,     QORDA_LB_DELETESTRING};
constexpr Family kComboBox = {QORDA_CB_ADDSTRING, QORDA_CB_INSERTSTRING, QORDA_CB_SETITEMDATA,
                              QORDA_CB_SETCURSEL, QORDA_CB_GETCOUNT,     QORDA_CB_DELETESTRING};

// The sorted controls compare without regard to case.
bool SortsBefore(const std::string& left, const std::string& right) {
  return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(),
                                      [](char a, char b) { return ToLower(a) < ToLower(b); });
}

intptr_t Place(FakeList& list, std::size_t position, const char* text) {
  if (list.refused.count(text) != 0) return -1;
  list.items.insert(list.items.begin() + static_cast<std::ptrdiff_t>(position), FakeItem{text});
  return static_cast<intptr_t>(position);
}

intptr_t Answer(FakeList& list, uint32_t message, uintptr_t wparam, intptr_t lparam) {
  const Family& family = list.isComboBox ? kComboBox : kListBox;
  const char* text = reinterpret_cast<const char*>(lparam);
  std::size_t count = list.items.size();
  std::string line;
  intptr_t result = 0;
  if (message == family.add) {
    std::size_t position = count;
    if (list.sorted) {
      auto after = std::upper_bound(
          list.items.begin(), list.items.end(), std::string(text),
          [](const std::string& t, const FakeItem& item) { return SortsBefore(t, item.text); });
      position = static_cast<std::size_t>(after - list.items.begin());
    }
    result = Place(list, position, text);
    line = "add " + std::string(text) + " -> " + std::to_string(result);
  } else if (message == family.insert) {
    std::size_t position = static_cast<intptr_t>(wparam) == -1 ? count : wparam;
    result = position > count ? -1 : Place(list, position, text);
    line = "insert " + std::to_string(static_cast<intptr_t>(wparam)) + " " + text + " -> " +
           std::to_string(result);
  } else if (message == family.setData) {
    if (wparam < count) {
      list.items[wparam].data = lparam;
    } else {
      result = -1;
    }
    line = "data " + std::to_string(wparam) + " " + std::to_string(lparam);
  } else if (message == family.select) {
    list.selection = static_cast<intptr_t>(wparam);
    result = list.selection;
    line = "select " + std::to_string(wparam);
  } else if (message == family.count) {
    result = static_cast<intptr_t>(count);
    line = "count -> " + std::to_string(result);
  } else if (message == family.remove) {
    if (wparam < count) {
      list.items.erase(list.items.begin() + static_cast<std::ptrdiff_t>(wparam));
      result = static_cast<intptr_t>(list.items.size());
    } else {
      result = -1;
    }
    line = "delete " + std::to_string(wparam);
  } else {
    // A message of the other kind of control, or none of these.
    result = -1;
    line = "unexpected " + std::to_string(message);
  }
  list.log.push_back(line);
  return result;
}

}  // namespace

QORDA_ListControl FakeList::Control() {
  return {[](void* context, uint32_t message, uintptr_t wparam, intptr_t lparam) {
            return Answer(*static_cast<FakeList*>(context), message, wparam, lparam);
          },
          this};
}

QORDA_StringTable FakeStrings::Table() {
  return {[](void* context, uint32_t id, char* buffer, int32_t size) -> int32_t {
            FakeStrings& self = *static_cast<FakeStrings*>(context);
            self.requests.emplace_back(id, size);
            auto found = self.strings.find(id);
            if (found == self.strings.end() || size < 1) return 0;
            std::size_t copied = std::min(found->second.size(), static_cast<std::size_t>(size - 1));
            std::memcpy(buffer, found->second.data(), copied);
            buffer[copied] = '\0';
            return static_cast<int32_t>(copied);
          },
          this};
}

}  // namespace qorda::testing
