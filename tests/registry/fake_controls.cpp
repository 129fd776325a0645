#include "registry/fake_controls.h"

#include <algorithm>
#include <cstring>

#include "scan/text.h"

namespace qorda::testing {
namespace {

struct Messages {
  uint32_t add, insert, setData, select, count, remove;
};
constexpr Messages kListBox = {QORDA_LB_ADDSTRING, QORDA_LB_INSERTSTRING, QORDA_LB_SETITEMDATA,
                               QORDA_LB_SETCURSEL, QORDA_LB_GETCOUNT,     QORDA_LB_DELETESTRING};
constexpr Messages kComboBox = {QORDA_CB_ADDSTRING, QORDA_CB_INSERTSTRING, QORDA_CB_SETITEMDATA,
                                QORDA_CB_SETCURSEL, QORDA_CB_GETCOUNT,     QORDA_CB_DELETESTRING};

// Where a sorted control files text: in order, without regard to case.
std::size_t SortedPlace(const FakeList& list, const std::string& text) {
  auto before = [](const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return ToLower(x) < ToLower(y); });
  };
  std::size_t place = 0;
  while (place < list.items.size() && !before(text, list.items[place].text)) ++place;
  return place;
}

intptr_t Place(FakeList& list, std::size_t position, const char* text) {
  if (list.refused.count(text) != 0 || position > list.items.size()) return -1;
  list.items.insert(list.items.begin() + static_cast<std::ptrdiff_t>(position), FakeItem{text});
  return static_cast<intptr_t>(position);
}

intptr_t Answer(FakeList& list, uint32_t message, uintptr_t wparam, intptr_t lparam) {
  const Messages& m = list.isComboBox ? kComboBox : kListBox;
  const char* text = reinterpret_cast<const char*>(lparam);
  const std::size_t count = list.items.size();
  const std::string at = std::to_string(wparam);
  intptr_t result = -1;  // also for a message of the other kind of control
  std::string line = "unexpected " + std::to_string(message);
  if (message == m.add) {
    result = Place(list, list.sorted ? SortedPlace(list, text) : count, text);
    line = "add " + std::string(text) + " -> " + std::to_string(result);
  } else if (message == m.insert) {
    const intptr_t position = static_cast<intptr_t>(wparam);
    result = Place(list, position == -1 ? count : wparam, text);
    line = "insert " + std::to_string(position) + " " + text + " -> " + std::to_string(result);
  } else if (message == m.setData) {
    if (wparam < count) list.items[wparam].data = lparam, result = 0;
    line = "data " + at + " " + std::to_string(lparam);
  } else if (message == m.select) {
    result = static_cast<intptr_t>(wparam);
    line = "select " + at;
  } else if (message == m.count) {
    result = static_cast<intptr_t>(count);
    line = "count -> " + std::to_string(result);
  } else if (message == m.remove) {
    if (wparam < count) list.items.erase(list.items.begin() + static_cast<std::ptrdiff_t>(wparam));
    result = wparam < count ? static_cast<intptr_t>(list.items.size()) : -1;
    line = "delete " + at;
  }
  list.log += line + "; ";
  return result;
}

}  // namespace

QORDA_ListControl FakeList::Control() {
  return {[](void* self, uint32_t message, uintptr_t wparam, intptr_t lparam) {
            return Answer(*static_cast<FakeList*>(self), message, wparam, lparam);
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
