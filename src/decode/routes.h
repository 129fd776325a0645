// The routes table: which parser reads the lines of which host type, and
// whether it reads the caller's text in place. The one place to find the
// parser of a host type, and the one place to add a dialect: a row here and
// a parser of the shape in decode/parser.h. Every id of 5995 to 6072 stands
// in exactly one row; every other id, known or not, goes to the last row,
// the Unix parser.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "decode/parser.h"
#include "hosts/as400.h"
#include "hosts/bull_primos.h"
#include "hosts/minicomputers.h"
#include "hosts/mlsd.h"
#include "hosts/mvs.h"
#include "hosts/pc_servers.h"
#include "hosts/pc_stacks.h"
#include "hosts/small_systems.h"
#include "hosts/tandem_vos.h"
#include "hosts/vm_cms.h"
#include "hosts/vms.h"
#include "hosts/windows.h"
#include "qordahosts.h"
#include "scan/unix.h"

namespace qorda {

// The host type ids of one row, zero after the last; iterates over the ids.
struct HostTypeIds {
  static constexpr int kMax = 11;  // the Unix row's count
  int32_t ids[kMax];

  constexpr const int32_t* begin() const { return ids; }
  constexpr const int32_t* end() const {
    int count = 0;
    while (count < kMax && ids[count] != 0) ++count;
    return ids + count;
  }
};

struct Route {
  HostTypeIds hostTypes;
  Parser parse;
  // Reads the caller's text within its length, needing neither a copy nor a
  // terminator: the decoder hands it the caller's line, trimmed.
  bool readsInPlace = false;
};

constexpr bool kReadsInPlace = true;

// {host type ids}, parser, and kReadsInPlace for a parser that reads in place.
inline constexpr Route kRoutes[] = {
    // Windows and DOS-style servers.
    {{HOST_MICROSOFT_NT, HOST_CARROX_DMZ}, ParseWindowsNt},
    {{HOST_ACI}, ParseAci},
    {{HOST_MICROSOFT_IIS}, ParseIis},
    {{HOST_APACHE}, ParseApache},
    {{HOST_SI_NT_FTPD}, ParseSiNt},

    // MLSD facts.
    {{HOST_MLSD, HOST_QORDA_SERVER}, ParseMlsd, kReadsInPlace},

    // VMS and RSX-11M.
    {{HOST_VMS_UCX}, ParseVmsUcx},
    {{HOST_VMS_MULTINET, HOST_PDP11_RSX11M}, ParseVmsMultiNet},

    // IBM mainframes and midrange.
    {{HOST_IBM_MVS}, ParseMvs},
    {{HOST_IBM_MVS_C_SERVER}, ParseMvsCServer},
    {{HOST_IBM_MVS_KNET}, ParseMvsKnet},
    {{HOST_IBM_SPARTACUS_KNET}, ParseSpartacusKnet},
    {{HOST_IBM_VM}, ParseVmCms},
    {{HOST_IBM_AS_400, HOST_IBM_AS_400_MM_DD_YY, HOST_IBM_AS_400_DD_MM_YY}, ParseAs400},

    // PC TCP/IP stacks.
    {{HOST_CHAMELEON, HOST_SUPER_TCP}, ParseChameleon},
    {{HOST_FTP_PC_TCP}, ParsePcTcp},
    {{HOST_IBM_PC_TCP_IP}, ParseIbmPcTcpIp},
    {{HOST_QB7Q_NOS}, ParseNos},
    {{HOST_NCSA_CUTCP, HOST_TGV_MULTINET, HOST_FTP_PC_TCP_3_0, HOST_WARFTPD}, ParseNcsa},
    {{HOST_QVT_NET_2_3, HOST_MAC_NCSA}, ParseQvtNet},
    {{HOST_QVT_NET_4_0}, ParseQvtNet4},

    // Mac, NetWare, OS/2 and PC-NFS servers.
    {{HOST_MAC_MORVO_SERVER}, ParseMacServer},
    {{HOST_LUMBRIX, HOST_PCNFS_PRO}, ParsePcNfs},
    {{HOST_NETWARE_V4}, ParseNetWare4},
    {{HOST_MAC_VERSATERM}, ParseVersaTerm},
    {{HOST_HELLSOFT}, ParseHellSoft},
    {{HOST_IBM_OS2_WARP}, ParseOs2Warp},
    {{HOST_IBM_OS2}, ParseOs2},
    {{HOST_NOVELL_LWP}, ParseNovellLwp},
    {{HOST_REFLECTION}, ParseReflection},
    {{HOST_HUMMINGBIRD}, ParseHummingbird},

    // Tandem, Stratus VOS, CONNECT:Enterprise, UniTree.
    {{HOST_TANDEM}, ParseTandem},
    {{HOST_TANDEM_G}, ParseTandemG},
    {{HOST_STRATUS_VOS}, ParseStratusVos},
    {{HOST_CONNECT_ENTERPRISE}, ParseConnectEnterprise},
    {{HOST_UNITREE}, ParseUniTree},

    // Other minicomputers and mainframes.
    {{HOST_AOS_VS}, ParseAosVs},
    {{HOST_GCOS_6_HVS_AIX}, ParseGcos6Aix},
    {{HOST_GCOS_6_HVS_OS}, ParseGcos6Os},
    {{HOST_UNISYS_A_SERIES}, ParseUnisysA},
    {{HOST_OS2200}, ParseOs2200},
    {{HOST_HP_3000}, ParseHp3000},
    {{HOST_MUSIC}, ParseMusic},
    {{HOST_CDC_CYBER}, ParseCdcCyber},
    {{HOST_IBM_R1000}, ParseR1000},

    // BULL, PRIMOS and the name list.
    {{HOST_BULL_GCOS}, ParseBullGcos},
    {{HOST_BULL_CP6}, ParseBullCp6},
    {{HOST_PRIMOS}, ParsePrimos},
    {{HOST_NAME_LIST}, ParseNameList},

    // Small systems and embedded hosts.
    {{HOST_AMOS_TCP_IP}, ParseAmos},
    {{HOST_AMIGA}, ParseAmiga},
    {{HOST_OS_9}, ParseOs9},
    {{HOST_OS_9000}, ParseOs9000},
    {{HOST_PASSPORT_160}, ParsePassport},
    {{HOST_QNX2}, ParseQnx2},
    {{HOST_VXWORKS}, ParseVxWorks},

    // AUTO, Unix, Solaris, Serv-U, WFTPD, SecureTransport, Unisys 5000 and
    // the ids below AUTO that the host type table does not list. Last: it is
    // also the route of every id outside 5995 to 6072.
    {{5996, 5997, 5998, 5999, HOST_AUTO, HOST_UNISYS_5000_EXOS, HOST_UNIX_STANDARD,
      HOST_SUN_SOLARIS, HOST_SERV_U, HOST_WFTPD, HOST_SECURETRANSPORT},
     ParseUnixLine},
};

// The ids the rows cover, without a gap.
constexpr int32_t kFirstRoutedId = HOST_NAME_LIST;
constexpr int32_t kLastRoutedId = HOST_TYPE_LAST;
constexpr std::size_t kRoutedIdCount = kLastRoutedId - kFirstRoutedId + 1;
constexpr std::size_t kDefaultRoute = std::size(kRoutes) - 1;
static_assert(kRoutes[kDefaultRoute].parse == ParseUnixLine, "the last row is the Unix default");

namespace routes_detail {

constexpr int RowsHolding(int32_t id) {
  int rows = 0;
  for (const Route& route : kRoutes) {
    for (int32_t listed : route.hostTypes) rows += listed == id ? 1 : 0;
  }
  return rows;
}

constexpr bool EveryRoutedIdHasOneRow() {
  for (int32_t id = kFirstRoutedId; id <= kLastRoutedId; ++id) {
    if (RowsHolding(id) != 1) return false;
  }
  return true;
}

constexpr bool NoRowListsAnIdOutsideTheRange() {
  for (const Route& route : kRoutes) {
    for (int32_t id : route.hostTypes) {
      if (id < kFirstRoutedId || id > kLastRoutedId) return false;
    }
  }
  return true;
}

}  // namespace routes_detail

static_assert(routes_detail::EveryRoutedIdHasOneRow(),
              "every id of 5995 to 6072 stands in exactly one row of kRoutes");
static_assert(routes_detail::NoRowListsAnIdOutsideTheRange(),
              "ids outside 5995 to 6072 go to the default route and are listed nowhere");

// The row of each id from kFirstRoutedId on, derived from the rows, so that
// the decoder finds a route with one load instead of a search.
struct RouteIndex {
  const Route* row[kRoutedIdCount];
};

inline constexpr RouteIndex kRouteIndex = [] {
  RouteIndex index{};
  for (const Route& route : kRoutes) {
    for (int32_t id : route.hostTypes) index.row[id - kFirstRoutedId] = &route;
  }
  return index;
}();

// The route of any id: the row that lists it, or the Unix default.
constexpr const Route& RouteFor(int32_t hostTypeId) {
  // Unsigned, so that ids below the range wrap above it.
  const uint32_t offset = static_cast<uint32_t>(hostTypeId) - static_cast<uint32_t>(kFirstRoutedId);
  if (offset < kRoutedIdCount) [[likely]]
    return *kRouteIndex.row[offset];
  return kRoutes[kDefaultRoute];
}

}  // namespace qorda
