// Host types as a user names them on the command line, and the list the
// library's list export fills.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "qordahosts_guess.h"

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
  uint32_t mask;  // the bits whose one-bit filter lists the type
};

// The items that the list export puts into an unsorted list box for the
// filter, in the control's order. The masks are learned from the export
// itself, a fill per bit; AUTO, listed under every filter, shows every bit.
std::vector<ListedHostType> ListHostTypes(uint32_t protocolFilter);

// What is known of an input's server when its host type is chosen.
struct HostTypeEvidence {
  std::optional<int32_t> given;  // --host-type
  bool mlsd = false;             // listed with MLSD, whose format is one whatever the server
  std::string greeting;          // the server's greeting, or --greeting
  std::string systReply;         // its reply to SYST, or --syst
  bool guess = true;             // guess from the listing itself; --no-guess clears it
};

struct HostTypeChoice {
  int32_t hostTypeId;
  std::string reason;   // "detected from the SYST reply"
  std::string warning;  // the lines read far better as another host type; empty when not
};

// The one choice of a host type, for files and live listings alike: what
// was given, else MLSD, else AUTO refined by the greeting and then the SYST
// reply, as a client refines it (each detector keeps a type other than
// AUTO, so the greeting, read first, wins), else the guess from the
// listing's first lines, made with the type chosen so far as its current
// type. A type given or detected is kept; the guess only warns when it
// reads the lines far better.
HostTypeChoice ChooseHostType(const HostTypeEvidence& evidence,
                              const QORDA_GuessResult* guess = nullptr);

// "6011 \"VMS MultiNet\" (clear): 38 of 40 lines; runner-up 6012 \"VMS UCX\", 31 lines"
std::string DescribeGuess(const QORDA_GuessResult& guess);

// "host type 6011 \"VMS MultiNet\" (detected from the SYST reply)"
std::string DescribeChoice(const HostTypeChoice& choice);

}  // namespace qorda::ls
