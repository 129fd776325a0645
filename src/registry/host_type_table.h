// The 73 host types in id order: a host type's id is HOST_TYPE_BASE plus its
// index here. The masks are the load-time values; the writable copies live
// in registry.cpp.
#pragma once

#include <array>
#include <cstdint>

#include "qordahosts.h"

namespace qorda {

struct HostType {
  int32_t id;
  const char* name;       // display name, never localised
  uint32_t protocolMask;  // bits 0x1, 0x2, 0x4; the caller gives them their meaning
};

inline constexpr int kHostTypeCount = 73;

inline constexpr std::array<HostType, kHostTypeCount> HostTypeTable = {{
    {HOST_AUTO, "AUTO", 0x7},
    {HOST_CHAMELEON, "Chameleon", 0x1},
    {HOST_FTP_PC_TCP, "FTP PC/TCP", 0x1},
    {HOST_IBM_PC_TCP_IP, "IBM PC TCP/IP", 0x1},
    {HOST_IBM_VM, "IBM VM", 0x1},
    {HOST_QB7Q_NOS, "QB7Q/NOS", 0x1},
    {HOST_NCSA_CUTCP, "NCSA/CUTCP", 0x1},
    {HOST_SI_NT_FTPD, "SI NT FTPD", 0x1},
    {HOST_SUPER_TCP, "Super TCP", 0x1},
    {HOST_UNISYS_5000_EXOS, "Unisys 5000 (EXOS)", 0x1},
    {HOST_UNIX_STANDARD, "Unix (Standard)", 0x1},
    {HOST_VMS_MULTINET, "VMS MultiNet", 0x1},
    {HOST_VMS_UCX, "VMS UCX", 0x1},
    {HOST_QVT_NET_2_3, "QVT/Net 2/3", 0x1},
    {HOST_MAC_NCSA, "MAC NCSA", 0x1},
    {HOST_MAC_MORVO_SERVER, "MAC Morvo Server", 0x1},
    {HOST_MICROSOFT_NT, "Microsoft NT", 0x1},
    {HOST_IBM_AS_400, "IBM AS/400", 0x1},
    {HOST_IBM_MVS, "IBM MVS", 0x1},
    {HOST_PDP11_RSX11M, "PDP11 RSX11M", 0x1},
    {HOST_SUN_SOLARIS, "Sun Solaris", 0x1},
    {HOST_OS_9, "OS/9", 0x1},
    {HOST_LUMBRIX, "Lumbrix", 0x1},
    {HOST_BULL_GCOS, "BULL GCOS", 0x1},
    {HOST_IBM_MVS_KNET, "IBM MVS/KNET", 0x1},
    {HOST_AMIGA, "Amiga", 0x1},
    {HOST_CDC_CYBER, "CDC Cyber", 0x1},
    {HOST_IBM_R1000, "IBM R1000", 0x1},
    {HOST_BULL_CP6, "BULL CP6", 0x1},
    {HOST_IBM_SPARTACUS_KNET, "IBM Spartacus KNET", 0x1},
    {HOST_TANDEM, "Tandem", 0x1},
    {HOST_STRATUS_VOS, "Stratus VOS", 0x1},
    {HOST_HP_3000, "HP/3000", 0x1},
    {HOST_SERV_U, "Serv-U", 0x1},
    {HOST_WFTPD, "WFTPD", 0x1},
    {HOST_NETWARE_V4, "NetWare v4", 0x1},
    {HOST_PCNFS_PRO, "PCNFS-Pro", 0x1},
    {HOST_TGV_MULTINET, "TGV MultiNet", 0x1},
    {HOST_FTP_PC_TCP_3_0, "FTP PC/TCP 3.0", 0x1},
    {HOST_QVT_NET_4_0, "QVT/Net 4.0", 0x1},
    {HOST_MAC_VERSATERM, "MAC VersaTerm", 0x1},
    {HOST_HELLSOFT, "HellSoft", 0x1},
    {HOST_IBM_OS2_WARP, "IBM OS2 WARP", 0x1},
    {HOST_PRIMOS, "PRIMOS", 0x1},
    {HOST_OS2200, "OS2200", 0x1},
    {HOST_UNITREE, "UniTree", 0x1},
    {HOST_QNX2, "QNX2", 0x1},
    {HOST_WARFTPD, "WarFTPD", 0x1},
    {HOST_IBM_OS2, "IBM OS2", 0x1},
    {HOST_MUSIC, "Music", 0x1},
    {HOST_AOS_VS, "AOS/VS", 0x1},
    {HOST_PASSPORT_160, "Passport 160", 0x1},
    {HOST_GCOS_6_HVS_OS, "GCOS 6 HVS OS", 0x1},
    {HOST_NOVELL_LWP, "Novell LWP", 0x1},
    {HOST_REFLECTION, "Reflection", 0x1},
    {HOST_AMOS_TCP_IP, "AMOS TCP/IP", 0x1},
    {HOST_UNISYS_A_SERIES, "Unisys A-Series", 0x1},
    {HOST_VXWORKS, "VxWorks", 0x1},
    {HOST_GCOS_6_HVS_AIX, "GCOS 6 HVS AIX", 0x1},
    {HOST_MLSD, "MLSD", 0x1},
    {HOST_OS_9000, "OS 9000", 0x1},
    {HOST_IBM_AS_400_MM_DD_YY, "IBM AS/400 (mm/dd/yy)", 0x1},
    {HOST_IBM_MVS_C_SERVER, "IBM MVS/C-Server", 0x1},
    {HOST_ACI, "ACI", 0x1},
    {HOST_TANDEM_G, "Tandem-G", 0x1},
    {HOST_HUMMINGBIRD, "Hummingbird", 0x1},
    {HOST_QORDA_SERVER, "QORDA Server", 0x1},
    {HOST_IBM_AS_400_DD_MM_YY, "IBM AS/400 (dd/mm/yy)", 0x1},
    {HOST_CONNECT_ENTERPRISE, "CONNECT:Enterprise", 0x1},
    {HOST_CARROX_DMZ, "Carrox DMZ", 0x5},
    {HOST_SECURETRANSPORT, "SecureTransport", 0x1},
    {HOST_MICROSOFT_IIS, "Microsoft IIS", 0x4},
    {HOST_APACHE, "Apache", 0x4},
}};

// The ids of qordahosts.h and the table's order are one numbering.
constexpr bool IdsFollowTableOrder() {
  for (int index = 0; index < kHostTypeCount; ++index) {
    if (HostTypeTable[index].id != HOST_TYPE_BASE + index) return false;
  }
  return true;
}
static_assert(IdsFollowTableOrder(), "HostTypeTable row i must hold id HOST_TYPE_BASE + i");

// The table index of a host type given as an id (6000 or more) or as an
// index, or -1 outside the table.
constexpr int HostTypeIndex(int32_t hostType) {
  int64_t index = hostType >= HOST_TYPE_BASE ? int64_t{hostType} - HOST_TYPE_BASE : hostType;
  return index >= 0 && index < kHostTypeCount ? static_cast<int>(index) : -1;
}

}  // namespace qorda
