// The dispatch table: which parser reads the lines of which host type, and
// what each is handed besides the record and the line. Every id not listed
// here, known or not, goes to the Unix parser.
#include "decode/dispatch.h"

#include "decode/host_ids.h"
#include "hosts/mlsd.h"
#include "hosts/vms.h"
#include "hosts/windows.h"
#include "scan/unix.h"

namespace qorda {

void DispatchLine(ListingEntry& entry, char* line, int32_t hostTypeId, const char* currentDirectory,
                  const char* datasetPrefix) {
  (void)currentDirectory;
  (void)datasetPrefix;
  switch (hostTypeId) {
    // Windows and DOS-style servers.
    case HOST_MICROSOFT_NT:
    case HOST_CARROX_DMZ:
      ParseWindowsNt(entry, line, hostTypeId);
      break;
    case HOST_ACI:
      ParseAci(entry, line, hostTypeId);
      break;
    case HOST_MICROSOFT_IIS:
      ParseIis(entry, line, hostTypeId);
      break;
    case HOST_APACHE:
      ParseApache(entry, line, hostTypeId);
      break;
    case HOST_SI_NT_FTPD:
      ParseSiNt(entry, line, hostTypeId);
      break;

    // MLSD facts.
    case HOST_MLSD:
    case HOST_QORDA_SERVER:
      ParseMlsd(entry, line, hostTypeId);
      break;

    // VMS and RSX-11M.
    case HOST_VMS_UCX:
      ParseVmsUcx(entry, line, hostTypeId);
      break;
    case HOST_VMS_MULTINET:
    case HOST_PDP11_RSX11M:
      ParseVmsMultiNet(entry, line, hostTypeId);
      break;

    // IBM mainframes and midrange.

    // PC TCP/IP stacks.

    // Mac, NetWare, OS/2 and PC-NFS servers.

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
