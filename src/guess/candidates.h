// The ways of reading a listing that a guess tries: one host type per row of
// the routes table, and besides it each host type whose parser reads the id
// to read lines in a way of its own (the AS/400 date orders, RSX-11M beside
// VMS MultiNet, MAC NCSA beside QVT/Net). Host types that share a parser
// and read alike are decoded once, under the row's candidate.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>

#include "decode/routes.h"
#include "qordahosts.h"

namespace qorda::guess {

// What a dialect's entries carry, which tells a reading that found its
// fields from one that fell back to taking a word as the name.
enum class Carries : uint8_t {
  kDates,      // a date, and mostly a size: nearly every dialect
  kSizes,      // a size but no date
  kNamesOnly,  // a name and at most a kind: the name lists and the name-only parsers
};

struct Candidate {
  int32_t hostTypeId;
  Carries carries = Carries::kDates;
  // Texts of the dialect's own headings, totals and summaries, which its
  // parser drops: "^Total of" begins such a line (after its blanks), any
  // other text stands anywhere in it. Texts in lower case match in any case,
  // as "total" does, the others exactly.
  std::span<const char* const> ownLines = {};
  // The dialect writes a directory's block count and does not read it.
  bool directorySizeUnread = false;
};

constexpr Carries kSizes = Carries::kSizes;
constexpr Carries kNamesOnly = Carries::kNamesOnly;

// What the parsers drop by their text, as the dialects write it.
inline constexpr const char* kUnixOwn[] = {"^total"};
inline constexpr const char* kMlsdOwn[] = {"type=cdir", "type=pdir"};
inline constexpr const char* kIisOwn[] = {"^total", "To Parent Directory"};
inline constexpr const char* kApacheOwn[] = {"Parent Directory", "Last modified"};
inline constexpr const char* kVmsUcxOwn[] = {"^Directory ", "^Total of ", "^Grand total of ",
                                             ", file not found"};
inline constexpr const char* kVmsTotalOwn[] = {"^Total of ", "^Grand total of "};
inline constexpr const char* kRsxOwn[] = {"^Directory ", "^Total of "};
inline constexpr const char* kMvsOwn[] = {"Lrecl"};
inline constexpr const char* kKnetOwn[] = {"Migrated"};
inline constexpr const char* kTandemOwn[] = {"^File "};
inline constexpr const char* kVosOwn[] = {"^Files:", "^Dirs:", "^Links:"};
inline constexpr const char* kNcsaOwn[] = {"^Files match", "^Directories match", "^total"};
inline constexpr const char* kNosOwn[] = {"Disk si"};
inline constexpr const char* kPcTcpOwn[] = {"^Dirs:", "^Directory of"};
inline constexpr const char* kDosDirOwn[] = {
    "volume label", "Volume Serial", "^Volume in", "^Directory of", " bytes", "File(s)", "file(s)"};
inline constexpr const char* kPcNfsOwn[] = {"File(s)"};
inline constexpr const char* kAmigaOwn[] = {"^Dirs:"};
inline constexpr const char* kOs9Own[] = {"Directory of", "Owner"};
inline constexpr const char* kAmosOwn[] = {"files in"};
inline constexpr const char* kColumnHeadingOwn[] = {"^size ", " entries"};
inline constexpr const char* kQnx2Own[] = {"^Total", "^Blocks"};
inline constexpr const char* kGcos6AixOwn[] = {"Directory:", "Entry Name"};
inline constexpr const char* kGcos6OsOwn[] = {"^Directory:", "^Time:", "^Record CI", "^Entry Nam",
                                              "^*"};
inline constexpr const char* kUnisysOwn[] = {"Report for", " Octets"};
inline constexpr const char* kHp3000Own[] = {"PATH=", "SIZE  TY", "^-------", " -------"};
inline constexpr const char* kCp6Own[] = {"t modified", "s listed"};
inline constexpr const char* kR1000Own[] = {"SESSION"};

// In the order a guess prefers them when their readings score alike: the
// host types most often met first, so that a tie goes to the common server.
// Unix before the servers that imitate its lines (NCSA, Hummingbird,
// HellSoft, the NT and SI NT servers' Unix style); Microsoft NT before ACI
// and Novell LWP, whose DOS lines differ from NT's only at 12 AM; VMS
// MultiNet before UCX, which differ only in the block count of a directory,
// which MultiNet does not read (the heading "Directory ..." tells UCX); MVS
// before the C-Server and KNET member lists; the AS/400's year-first order before
// the others; the name list before the servers that send only names.
inline constexpr Candidate kCandidates[] = {
    {.hostTypeId = HOST_UNIX_STANDARD, .ownLines = kUnixOwn},
    {.hostTypeId = HOST_MLSD, .ownLines = kMlsdOwn},
    {.hostTypeId = HOST_MICROSOFT_NT, .ownLines = kUnixOwn},
    {.hostTypeId = HOST_MICROSOFT_IIS, .ownLines = kIisOwn},
    {.hostTypeId = HOST_VMS_MULTINET, .ownLines = kVmsTotalOwn, .directorySizeUnread = true},
    {.hostTypeId = HOST_VMS_UCX, .ownLines = kVmsUcxOwn},
    {.hostTypeId = HOST_IBM_MVS, .ownLines = kMvsOwn},
    {.hostTypeId = HOST_IBM_AS_400},
    {.hostTypeId = HOST_IBM_AS_400_MM_DD_YY},
    {.hostTypeId = HOST_IBM_AS_400_DD_MM_YY},
    {.hostTypeId = HOST_IBM_VM},
    {.hostTypeId = HOST_NETWARE_V4, .ownLines = kUnixOwn},
    {.hostTypeId = HOST_IBM_OS2},
    {.hostTypeId = HOST_IBM_OS2_WARP},
    {.hostTypeId = HOST_TANDEM, .ownLines = kTandemOwn},
    {.hostTypeId = HOST_TANDEM_G, .ownLines = kTandemOwn},
    {.hostTypeId = HOST_NCSA_CUTCP, .ownLines = kNcsaOwn},
    {.hostTypeId = HOST_HUMMINGBIRD, .ownLines = kUnixOwn},
    {.hostTypeId = HOST_HELLSOFT, .ownLines = kUnixOwn},
    {.hostTypeId = HOST_ACI, .ownLines = kUnixOwn},
    {.hostTypeId = HOST_IBM_PC_TCP_IP, .ownLines = kDosDirOwn},
    {.hostTypeId = HOST_NOVELL_LWP, .ownLines = kDosDirOwn},
    {.hostTypeId = HOST_APACHE, .ownLines = kApacheOwn},
    {.hostTypeId = HOST_IBM_MVS_C_SERVER, .ownLines = kMvsOwn},
    {.hostTypeId = HOST_IBM_SPARTACUS_KNET, .ownLines = kKnetOwn},
    {.hostTypeId = HOST_STRATUS_VOS, .ownLines = kVosOwn},
    {.hostTypeId = HOST_MAC_MORVO_SERVER, .ownLines = kUnixOwn},
    {.hostTypeId = HOST_UNITREE, .ownLines = kUnixOwn},
    {.hostTypeId = HOST_PDP11_RSX11M, .ownLines = kRsxOwn, .directorySizeUnread = true},
    {.hostTypeId = HOST_CHAMELEON, .ownLines = kNcsaOwn},
    {.hostTypeId = HOST_FTP_PC_TCP, .ownLines = kPcTcpOwn},
    {.hostTypeId = HOST_QB7Q_NOS, .ownLines = kNosOwn},
    {.hostTypeId = HOST_QVT_NET_4_0},
    {.hostTypeId = HOST_PCNFS_PRO, .ownLines = kPcNfsOwn},
    {.hostTypeId = HOST_REFLECTION},
    {.hostTypeId = HOST_MAC_VERSATERM},
    {.hostTypeId = HOST_CONNECT_ENTERPRISE},
    {.hostTypeId = HOST_AOS_VS},
    {.hostTypeId = HOST_GCOS_6_HVS_OS, .carries = kSizes, .ownLines = kGcos6OsOwn},
    {.hostTypeId = HOST_UNISYS_A_SERIES, .ownLines = kUnisysOwn},
    {.hostTypeId = HOST_OS2200},
    {.hostTypeId = HOST_MUSIC},
    {.hostTypeId = HOST_CDC_CYBER},
    {.hostTypeId = HOST_BULL_GCOS},
    {.hostTypeId = HOST_AMOS_TCP_IP, .ownLines = kAmosOwn},
    {.hostTypeId = HOST_OS_9, .ownLines = kOs9Own},
    {.hostTypeId = HOST_OS_9000, .ownLines = kOs9Own},
    {.hostTypeId = HOST_PASSPORT_160, .ownLines = kColumnHeadingOwn},
    {.hostTypeId = HOST_QNX2, .ownLines = kQnx2Own},
    {.hostTypeId = HOST_VXWORKS, .ownLines = kColumnHeadingOwn},
    {.hostTypeId = HOST_NAME_LIST, .carries = kNamesOnly},
    {.hostTypeId = HOST_MAC_NCSA, .carries = kNamesOnly},
    {.hostTypeId = HOST_QVT_NET_2_3, .carries = kNamesOnly},
    {.hostTypeId = HOST_IBM_MVS_KNET, .carries = kNamesOnly, .ownLines = kKnetOwn},
    {.hostTypeId = HOST_SI_NT_FTPD, .carries = kNamesOnly},
    {.hostTypeId = HOST_AMIGA, .carries = kNamesOnly, .ownLines = kAmigaOwn},
    {.hostTypeId = HOST_GCOS_6_HVS_AIX, .carries = kNamesOnly, .ownLines = kGcos6AixOwn},
    {.hostTypeId = HOST_IBM_R1000, .carries = kNamesOnly, .ownLines = kR1000Own},
    {.hostTypeId = HOST_HP_3000, .carries = kNamesOnly, .ownLines = kHp3000Own},
    {.hostTypeId = HOST_BULL_CP6, .carries = kNamesOnly, .ownLines = kCp6Own},
    // Decodes no line: never the best reading.
    {.hostTypeId = HOST_PRIMOS, .carries = kNamesOnly},
};

inline constexpr std::size_t kCandidateCount = std::size(kCandidates);

namespace candidates_detail {

constexpr bool EveryRouteHasACandidate() {
  for (const Route& route : kRoutes) {
    bool found = false;
    for (const Candidate& candidate : kCandidates) {
      found = found || &RouteFor(candidate.hostTypeId) == &route;
    }
    if (!found) return false;
  }
  return true;
}

constexpr bool NoCandidateTwice() {
  for (std::size_t i = 0; i < kCandidateCount; ++i) {
    for (std::size_t j = i + 1; j < kCandidateCount; ++j) {
      if (kCandidates[i].hostTypeId == kCandidates[j].hostTypeId) return false;
    }
  }
  return true;
}

}  // namespace candidates_detail

static_assert(candidates_detail::EveryRouteHasACandidate(),
              "every row of kRoutes has a candidate, so that a guess tries every parser");
static_assert(candidates_detail::NoCandidateTwice(), "each host type is tried once");

// The candidate that reads lines as hostTypeId does: its own, or its row's
// when its parser reads every id of the row alike.
constexpr std::size_t CandidateFor(int32_t hostTypeId) {
  const Route* route = &RouteFor(hostTypeId);
  std::size_t rowCandidate = 0;
  bool rowFound = false;
  for (std::size_t i = 0; i < kCandidateCount; ++i) {
    if (kCandidates[i].hostTypeId == hostTypeId) return i;
    if (!rowFound && &RouteFor(kCandidates[i].hostTypeId) == route) {
      rowCandidate = i;
      rowFound = true;
    }
  }
  return rowCandidate;
}

}  // namespace qorda::guess
