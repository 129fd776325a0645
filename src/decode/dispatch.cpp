// The dispatch table: which parser reads the lines of which host type, and
// what each is handed besides the record and the line. Every id not listed
// here, known or not, goes to the Unix parser.
#include "decode/dispatch.h"

#include "decode/host_ids.h"
#include "hosts/pc_servers.h"
#include "hosts/pc_stacks.h"
#include "scan/unix.h"

namespace qorda {

void DispatchLine(ListingEntry& entry, char* line, int32_t hostTypeId, const char* currentDirectory,
                  const char* datasetPrefix) {
  (void)currentDirectory;
  (void)datasetPrefix;
  switch (hostTypeId) {
    // Windows and DOS-style servers.

    // MLSD facts.

    // VMS and RSX-11M.

    // IBM mainframes and midrange.

    // PC TCP/IP stacks.
    case HOST_CHAMELEON:
    case HOST_SUPER_TCP:
      ParseChameleon(entry, line);
      break;
    case HOST_FTP_PC_TCP:
      ParsePcTcp(entry, line);
      break;
    case HOST_IBM_PC_TCP_IP:
      ParseIbmPcTcpIp(entry, line);
      break;
    case HOST_QB7Q_NOS:
      ParseNos(entry, line);
      break;
    case HOST_NCSA_CUTCP:
    case HOST_TGV_MULTINET:
    case HOST_FTP_PC_TCP_3_0:
    case HOST_WARFTPD:
      ParseNcsa(entry, line, hostTypeId);
      break;
    case HOST_QVT_NET_2_3:
    case HOST_MAC_NCSA:
      ParseQvtNet(entry, line, hostTypeId);
      break;
    case HOST_QVT_NET_4_0:
      ParseQvtNet4(entry, line);
      break;

    // Mac, NetWare, OS/2 and PC-NFS servers.
    case HOST_MAC_MORVO_SERVER:
      ParseMacServer(entry, line, hostTypeId);
      break;
    case HOST_LUMBRIX:
    case HOST_PCNFS_PRO:
      ParsePcNfs(entry, line);
      break;
    case HOST_NETWARE_V4:
      ParseNetWare4(entry, line, hostTypeId);
      break;
    case HOST_MAC_VERSATERM:
      ParseVersaTerm(entry, line);
      break;
    case HOST_HELLSOFT:
      ParseHellSoft(entry, line, hostTypeId);
      break;
    case HOST_IBM_OS2_WARP:
      ParseOs2Warp(entry, line);
      break;
    case HOST_IBM_OS2:
      ParseOs2(entry, line);
      break;
    case HOST_NOVELL_LWP:
      ParseNovellLwp(entry, line);
      break;
    case HOST_REFLECTION:
      ParseReflection(entry, line);
      break;
    case HOST_HUMMINGBIRD:
      ParseHummingbird(entry, line, hostTypeId);
      break;

    // Tandem, Stratus VOS, CONNECT:Enterprise, UniTree.

    // Other minicomputers and mainframes.

    // BULL, PRIMOS and the name list.

    // Small systems and embedded hosts.

    // AUTO, Unix, Solaris, Serv-U, WFTPD, SecureTransport, Unisys 5000,
    // 5996 to 5999 and every id the table does not know.
    default:
      ParseUnixLine(entry, line, hostTypeId);
      break;
  }
}

}  // namespace qorda
