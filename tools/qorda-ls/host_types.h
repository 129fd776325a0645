// Host types as a user names them on the command line, and the list the
// library's list export fills.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qorda::ls {

// The id that text names: a display name (case-insensitive) or a number from
// 5995 to 6072. Empty when it names none.
std::optional<int32_t> HostTypeFromArgument(std::string_view text);

// The display names closest to text, best first, for a usage message.
std::vector<std::string> ClosestHostTypeNames(std::string_view text, size_t count);

// "6012 \"VMS MultiNet\"", or the bare id for the ids below the table.
std::string DescribeHostType(int32_t hostTypeId);

struct ListedHostType {
  int32_t position;    // in the control, after the library's insertions
  int32_t hostTypeId;  // the item data the library attached
  std::string name;
  uint32_t mask;
};

// The items that the list export puts into an unsorted list box for the
// filter, in the control's order, with their protocol masks.
std::vector<ListedHostType> ListHostTypes(uint32_t protocolFilter);

}  // namespace qorda::ls
