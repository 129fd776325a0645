// The dispatch table: which parser reads the lines of which host type, and
// what each is handed besides the record and the line. Every id not listed
// here, known or not, goes to the Unix parser.
#include "decode/dispatch.h"

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
#include "scan/text.h"
#include "scan/unix.h"

namespace qorda {

int DispatchLine(ListingEntry& entry, char* line, int length, int32_t hostTypeId,
                 const char* currentDirectory, const char* datasetPrefix) {
  switch (hostTypeId) {
    // Windows and DOS-style servers.
    case HOST_MICROSOFT_NT:
    case HOST_CARROX_DMZ:
      return ParseWindowsNt(entry, line, length, hostTypeId);
    case HOST_ACI:
      return ParseAci(entry, line, length, hostTypeId);
    case HOST_MICROSOFT_IIS:
      ParseIis(entry, line, hostTypeId);
      break;
    case HOST_APACHE:
      ParseApache(entry, line, hostTypeId);
      break;
    case HOST_SI_NT_FTPD:
      ParseSiNt(entry, line, hostTypeId);
      break;

    // VMS and RSX-11M.
    case HOST_VMS_UCX:
      return ParseVmsUcx(entry, line, length, hostTypeId);
    case HOST_VMS_MULTINET:
    case HOST_PDP11_RSX11M:
      return ParseVmsMultiNet(entry, line, length, hostTypeId);

    // IBM mainframes and midrange.
    case HOST_IBM_MVS:
      ParseMvs(entry, line, length, currentDirectory);
      break;
    case HOST_IBM_MVS_C_SERVER:
      ParseMvsCServer(entry, line, length, currentDirectory);
      break;
    case HOST_IBM_MVS_KNET:
      ParseMvsKnet(entry, line, datasetPrefix);
      break;
    case HOST_IBM_SPARTACUS_KNET:
      ParseSpartacusKnet(entry, line);
      break;
    case HOST_IBM_VM:
      ParseVmCms(entry, line, length, currentDirectory);
      break;
    case HOST_IBM_AS_400:
    case HOST_IBM_AS_400_MM_DD_YY:
    case HOST_IBM_AS_400_DD_MM_YY:
      ParseAs400(entry, line, length, hostTypeId);
      break;

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
      return ParseOs2(entry, line, length);
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
    case HOST_TANDEM:
      return ParseTandem(entry, line, length);
    case HOST_TANDEM_G:
      return ParseTandemG(entry, line, length);
    case HOST_STRATUS_VOS:
      ParseStratusVos(entry, line);
      break;
    case HOST_CONNECT_ENTERPRISE:
      ParseConnectEnterprise(entry, line);
      break;
    case HOST_UNITREE:
      ParseUniTree(entry, line, hostTypeId);
      break;

    // Other minicomputers and mainframes.
    case HOST_AOS_VS:
      ParseAosVs(entry, line);
      break;
    case HOST_GCOS_6_HVS_AIX:
      ParseGcos6Aix(entry, line);
      break;
    case HOST_GCOS_6_HVS_OS:
      ParseGcos6Os(entry, line);
      break;
    case HOST_UNISYS_A_SERIES:
      ParseUnisysA(entry, line);
      break;
    case HOST_OS2200:
      ParseOs2200(entry, line);
      break;
    case HOST_HP_3000:
      ParseHp3000(entry, line);
      break;
    case HOST_MUSIC:
      ParseMusic(entry, line);
      break;
    case HOST_CDC_CYBER:
      ParseCdcCyber(entry, line);
      break;
    case HOST_IBM_R1000:
      ParseR1000(entry, line);
      break;

    // BULL, PRIMOS and the name list.
    case HOST_BULL_GCOS:
      ParseBullGcos(entry, line);
      break;
    case HOST_BULL_CP6:
      ParseBullCp6(entry, line);
      break;
    case HOST_PRIMOS:
      ParsePrimos(entry, line);
      break;
    case HOST_NAME_LIST:
      ParseNameList(entry, line);
      break;

    // Small systems and embedded hosts.
    case HOST_AMOS_TCP_IP:
      ParseAmos(entry, line);
      break;
    case HOST_AMIGA:
      ParseAmiga(entry, line);
      break;
    case HOST_OS_9:
      ParseOs9(entry, line);
      break;
    case HOST_OS_9000:
      ParseOs9000(entry, line);
      break;
    case HOST_PASSPORT_160:
      ParsePassport(entry, line);
      break;
    case HOST_QNX2:
      ParseQnx2(entry, line);
      break;
    case HOST_VXWORKS:
      ParseVxWorks(entry, line);
      break;

    // AUTO, Unix, Solaris, Serv-U, WFTPD, SecureTransport, Unisys 5000,
    // 5996 to 5999 and every id the table does not know.
    default:
      return ParseUnixLine(entry, line, static_cast<std::size_t>(length), hostTypeId);
  }
  return NameLength(entry);
}

}  // namespace qorda
