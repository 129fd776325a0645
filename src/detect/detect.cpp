// Host type detection from server text: the SYST reply ('215 UNIX Type: L8')
// and the greeting ('220 Serv-U FTP Server v6.0 ready'). Each is an ordered
// list of substring tests; the first row whose text occurs decides, so an
// earlier row shadows a later one ("mvs" before "unix": '215 UNIX MVS' is MVS).
#include <array>
#include <cstring>
#include <span>

#include "qordahosts.h"
#include "scan/text.h"

namespace qorda {
namespace {

struct DetectionRow {
  // The row matches when any of these texts occurs (null ends the list).
  std::array<const char*, 3> anyOf;
  int32_t result;
  // When set and found in the same text, it chooses resultIfAlso instead;
  // either way the row decides and no later row is tried.
  const char* alsoFound = nullptr;
  int32_t resultIfAlso = HOST_AUTO;
};

// SYST, tested on the reply as received, case-sensitively.
constexpr DetectionRow kSystExactRows[] = {
    {{"215 MPE/iX"}, HOST_HP_3000},        {{" MUSIC/SP"}, HOST_MUSIC},
    {{"WAR-FTPD"}, HOST_WARFTPD},          {{"RSX"}, HOST_PDP11_RSX11M},
    {{"UniTree"}, HOST_UNITREE},           {{"NetWare v4"}, HOST_NETWARE_V4},
    {{" PRIMOS "}, HOST_PRIMOS},           {{"VersaTerm "}, HOST_MAC_VERSATERM},
    {{"HellSoft"}, HOST_HELLSOFT},         {{"Reflection FTP Server"}, HOST_REFLECTION},
    {{"Carrox DMZ FTP"}, HOST_CARROX_DMZ}, {{"SecureTransport"}, HOST_SECURETRANSPORT},
};

// SYST, tested on the reply folded to lower case.
constexpr DetectionRow kSystFoldedRows[] = {
    {{"windows_nt"}, HOST_MICROSOFT_NT},
    {{" pc "}, HOST_LUMBRIX},
    {{"macos morvo"}, HOST_MAC_MORVO_SERVER},
    {{"os/2 operating"}, HOST_IBM_PC_TCP_IP},
    {{"ultrix"}, HOST_UNIX_STANDARD},
    {{"mvs"}, HOST_IBM_MVS, "c-server", HOST_IBM_MVS_C_SERVER},
    {{"unix"}, HOST_UNIX_STANDARD},
    {{"qvt/net 4"}, HOST_QVT_NET_4_0},
    {{"qvt"}, HOST_QVT_NET_2_3},
    {{"ncsa"}, HOST_NCSA_CUTCP},
    {{"chameleon", "netmanage"}, HOST_CHAMELEON},
    {{"windows [multinet"}, HOST_TGV_MULTINET},
    {{"vms"}, HOST_VMS_UCX, "multinet", HOST_VMS_MULTINET},
    {{"os/400"}, HOST_IBM_AS_400},
    {{" mts sys"}, HOST_IBM_PC_TCP_IP},
    {{" vm ", " vm/esa", " vm/cms"}, HOST_IBM_VM},
    {{"vos", "m28"}, HOST_STRATUS_VOS},
    {{"tandem"}, HOST_TANDEM},
    {{"cyberb"}, HOST_CDC_CYBER},
    {{"dos ftp server 3."}, HOST_FTP_PC_TCP_3_0},
    {{"amos"}, HOST_AMOS_TCP_IP},
    {{"hummingbird"}, HOST_HUMMINGBIRD},
    {{"connect:enterprise"}, HOST_CONNECT_ENTERPRISE},
};

// Greetings and other server text, case-sensitively.
constexpr DetectionRow kGreetingRows[] = {
    {{" QORDA Server"}, HOST_QORDA_SERVER},
    {{"WAR-FTPD"}, HOST_WARFTPD},
    {{"(NEWT v7.0)"}, HOST_CHAMELEON},
    {{" MUSIC/SP"}, HOST_MUSIC},
    {{"Spartacus KNET"}, HOST_IBM_SPARTACUS_KNET},
    {{"- qnx -"}, HOST_QNX2},
    {{"DPS6000 "}, HOST_GCOS_6_HVS_OS},
    {{"*GCOS 6 HVS*"}, HOST_GCOS_6_HVS_AIX},
    {{"(UniTree"}, HOST_UNITREE},
    {{"Novell LAN WorkPlace Pro"}, HOST_NOVELL_LWP},
    {{"NetWare v4"}, HOST_NETWARE_V4},
    {{"Serv-U FTP"}, HOST_SERV_U},
    {{" WFTPD "}, HOST_WFTPD},
    {{"HellSoft"}, HOST_HELLSOFT},
    {{"Novell LAN W"}, HOST_SUPER_TCP},
    {{"(EXOS"}, HOST_UNISYS_5000_EXOS},
    {{"(XElink"}, HOST_PRIMOS},
    {{"VersaTerm "}, HOST_MAC_VERSATERM},
    {{"AMOS TCP/IP V"}, HOST_AMOS_TCP_IP},
    {{"KNET/MVS"}, HOST_IBM_MVS_KNET},
    {{"RSX"}, HOST_PDP11_RSX11M},
    {{"Q2XAV"}, HOST_QB7Q_NOS},
    {{"IBM OS/2 TCP/IP"}, HOST_IBM_PC_TCP_IP},
    {{" OS-9000 "}, HOST_OS_9000},
    {{" OS-9 "}, HOST_OS_9},
    {{"GCOS", "BULL"}, HOST_BULL_GCOS},
    {{"Amiga "}, HOST_AMIGA},
    {{"JNOS"}, HOST_QB7Q_NOS},
    {{"Rational FTP"}, HOST_IBM_R1000},
    {{"CP-6 FTP"}, HOST_BULL_CP6},
    {{"DOS FTP Server 3."}, HOST_FTP_PC_TCP_3_0},
    {{"IBM TCP/IP for OS/2 - FTP"}, HOST_IBM_OS2},
    {{"VxWorks ("}, HOST_VXWORKS},
    {{"ACI FTP server"}, HOST_ACI},
    {{"Hummingbird"}, HOST_HUMMINGBIRD},
    {{"CONNECT:Enterprise"}, HOST_CONNECT_ENTERPRISE},
    {{"SecureTransport"}, HOST_SECURETRANSPORT},
};

// The detectors judge a private copy: the whole text up to 1000
// characters, only the first 999 of a longer one.
struct TextCopy {
  char text[1024];
};
constexpr std::size_t kWholeCopyLimit = 1000;
constexpr std::size_t kCutCopyLength = 999;

TextCopy CopyText(const char* text) {
  TextCopy copy = {};
  if (text == nullptr) return copy;
  std::size_t length = strnlen(text, kWholeCopyLimit + 1);
  if (length > kWholeCopyLimit) length = kCutCopyLength;
  std::memcpy(copy.text, text, length);
  return copy;
}

// The result of the first row that matches, or fallback.
int32_t FirstMatch(const char* text, std::span<const DetectionRow> rows, int32_t fallback) {
  for (const DetectionRow& row : rows) {
    for (const char* sought : row.anyOf) {
      if (sought == nullptr) break;
      if (FindText(text, sought) == nullptr) continue;
      if (row.alsoFound != nullptr && FindText(text, row.alsoFound) != nullptr) {
        return row.resultIfAlso;
      }
      return row.result;
    }
  }
  return fallback;
}

constexpr int32_t kNoMatch = -1;

}  // namespace
}  // namespace qorda

extern "C" int32_t QORDA_CALL QORDA_DetectFromSystString(const char* reply, int32_t currentType) {
  // A type the caller chose is kept; 0 counts as AUTO here.
  if (currentType != HOST_AUTO && currentType != 0) return currentType;
  qorda::TextCopy copy = qorda::CopyText(reply);
  int32_t found = qorda::FirstMatch(copy.text, qorda::kSystExactRows, qorda::kNoMatch);
  if (found != qorda::kNoMatch) return found;
  // Only A to Z fold; bytes above 127 stay as they are.
  for (char& c : copy.text) c = qorda::ToLower(c);
  return qorda::FirstMatch(copy.text, qorda::kSystFoldedRows, currentType);
}

extern "C" int32_t QORDA_CALL QORDA_DoAutoCheck(const char* text, int32_t currentType) {
  // Unlike the SYST detector, 0 is a type of its own here and is kept.
  if (currentType != HOST_AUTO) return currentType;
  qorda::TextCopy copy = qorda::CopyText(text);
  return qorda::FirstMatch(copy.text, qorda::kGreetingRows, currentType);
}
