#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>

#include "qordahosts.h"

namespace qorda {
namespace {

struct Row {
  std::string text;
  int32_t expected;
  int32_t currentType = HOST_AUTO;
};

// Filler, then sought: a text of length characters whose last part is
// sought, followed by tail.
std::string EndingWith(std::size_t length, const std::string& sought,
                       const std::string& tail = "") {
  return std::string(length - sought.size() - tail.size(), '.') + sought + tail;
}

template <typename Detector>
void Expect(Detector detect, std::span<const Row> rows) {
  for (const Row& row : rows) {
    EXPECT_EQ(detect(row.text.c_str(), row.currentType), row.expected)
        << '"' << row.text.substr(0, 80) << "\" from " << row.currentType;
  }
}

TEST(QORDA_DetectFromSystString, FindsEachRowTheExactOnesFirst) {
  // Each row of the exact list, then of the lowered one.
  const Row rows[] = {
      {"215 MPE/iX: HP3000", HOST_HP_3000},         {"215 MUSIC/SP Version 6.2", HOST_MUSIC},
      {"215 WAR-FTPD 1.65", HOST_WARFTPD},          {"215 RSX-11M-PLUS", HOST_PDP11_RSX11M},
      {"215 NetWare v4.11", HOST_NETWARE_V4},       {"215 PRIMOS Rev 23.4", HOST_PRIMOS},
      {"215 VersaTerm FTP", HOST_MAC_VERSATERM},    {"215 HellSoft FTP", HOST_HELLSOFT},
      {"215 Carrox DMZ FTP", HOST_CARROX_DMZ},      {"215 UNIX Type: L8", HOST_UNIX_STANDARD},
      {"215 MacOS Morvo", HOST_MAC_MORVO_SERVER},   {"215 c-SERVER Mvs", HOST_IBM_MVS_C_SERVER},
      {"215 QVT/Net 3.1", HOST_QVT_NET_2_3},        {"215 NCSA Telnet", HOST_NCSA_CUTCP},
      {"215 Chameleon FTP", HOST_CHAMELEON},        {"215 NETMANAGE FTP", HOST_CHAMELEON},
      {"215 VMS MultiNet V4.3", HOST_VMS_MULTINET}, {"215 VMS V5.5 system", HOST_VMS_UCX},
      {"215 OS/400 is the", HOST_IBM_AS_400},       {"215 MTS SYSTEM", HOST_IBM_PC_TCP_IP},
      {"215 VM is the OS here", HOST_IBM_VM},       {"215 VM/ESA Version 2", HOST_IBM_VM},
      {"215 VM/CMS Level 12", HOST_IBM_VM},         {"215 BRAVOS FTP", HOST_STRATUS_VOS},
      {"215 Stratus M28", HOST_STRATUS_VOS},        {"215 UNKNOWN CYBERB", HOST_CDC_CYBER},
      {"215 FAMOSO FTP server", HOST_AMOS_TCP_IP},  {"215 HUMMINGBIRD", HOST_HUMMINGBIRD},
  };
  const Row more[] = {
      // Too long for the table above.
      {"215 Reflection FTP Server", HOST_REFLECTION},
      {"215 DOS FTP Server 3.0", HOST_FTP_PC_TCP_3_0},
      {"215 connect:ENTERPRISE", HOST_CONNECT_ENTERPRISE},
      // An earlier row decides; each stands for its own detection too.
      {"215 UNIX Type: L8 UniTree", HOST_UNITREE},  // the exact rows come first
      {"215 UNIX emulated by SecureTransport", HOST_SECURETRANSPORT},
      {"215 Windows_NT UNIX", HOST_MICROSOFT_NT},
      {"215 PC UNIX", HOST_LUMBRIX},
      {"215 OS/2 operating system, MTS SYS", HOST_IBM_PC_TCP_IP},
      {"215 ULTRIX MVS", HOST_UNIX_STANDARD},
      {"215 UNIX MVS", HOST_IBM_MVS},
      {"215 MVS QVT", HOST_IBM_MVS},  // the mvs row decides even without c-server
      {"215 NCSA QVT/Net 4", HOST_QVT_NET_4_0},
      {"215 Windows [MultiNet VMS]", HOST_TGV_MULTINET},
      {"215 AMOS on Tandem", HOST_TANDEM},
      // Near misses: the exact rows' case and blanks, a word alone.
      {"215 rsx-11m", HOST_AUTO},
      {"215 PRIMOS", HOST_AUTO},
      {"215 C-Server", HOST_AUTO},
      {"215 IBMPC FTP", HOST_AUTO},
      {"215 VM", HOST_AUTO},
      {"215 MultiNet", HOST_AUTO},
      // A fold that pushed 0xE0 and above past 0xFF would end the text early.
      {"215 \xE0\xFF UNIX", HOST_UNIX_STANDARD},
      {"215 \xD5NIX", HOST_AUTO},
  };
  Expect(QORDA_DetectFromSystString, rows);
  Expect(QORDA_DetectFromSystString, more);
}

TEST(QORDA_DetectFromSystString, RunsOnlyForAutoAndZeroOnTheFirst999Characters) {
  const Row rows[] = {
      {"215 UNIX Type: L8", HOST_UNIX_STANDARD, 0},
      {"215 UNIX Type: L8", HOST_MICROSOFT_NT, HOST_MICROSOFT_NT},
      {"215 UNIX Type: L8", -1, -1},
      {"215 something else", 0, 0},
      // A reply of up to 1000 characters is judged whole, a longer one by
      // its first 999.
      {EndingWith(1000, "UNIX"), HOST_UNIX_STANDARD},
      {EndingWith(1001, "UNIX", ".."), HOST_UNIX_STANDARD},
      {EndingWith(1001, "UNIX", "."), HOST_AUTO},
  };
  Expect(QORDA_DetectFromSystString, rows);
  EXPECT_EQ(QORDA_DetectFromSystString(nullptr, HOST_AUTO), HOST_AUTO);
}

TEST(QORDA_DoAutoCheck, FindsEachRowTheFirstOneDeciding) {
  const Row plain[] = {
      {"220 WAR-FTPD 1.65 Ready", HOST_WARFTPD},     {"220 (NEWT v7.0)", HOST_CHAMELEON},
      {"220 MUSIC/SP FTP server", HOST_MUSIC},       {"220 host - qnx - FTP", HOST_QNX2},
      {"220 (UniTree Version 2.1)", HOST_UNITREE},   {"220 WFTPD 2.0 service", HOST_WFTPD},
      {"220 HellSoft FTP server", HOST_HELLSOFT},    {"220 Novell LAN Workgroup", HOST_SUPER_TCP},
      {"220 (EXOS 3.0)", HOST_UNISYS_5000_EXOS},     {"220 (XElink FTP) ready", HOST_PRIMOS},
      {"220 VersaTerm FTP", HOST_MAC_VERSATERM},     {"220 AMOS TCP/IP V1.2", HOST_AMOS_TCP_IP},
      {"220 KNET/MVS FTP", HOST_IBM_MVS_KNET},       {"220 Q2XAV FTP server", HOST_QB7Q_NOS},
      {"220 IBM OS/2 TCP/IP", HOST_IBM_PC_TCP_IP},   {"220 host OS-9 FTP ready", HOST_OS_9},
      {"220 GCOS 8 FTP server", HOST_BULL_GCOS},     {"220 BULL FTP server", HOST_BULL_GCOS},
      {"220 Amiga FTP server", HOST_AMIGA},          {"220 JNOS FTP ready", HOST_QB7Q_NOS},
      {"220 Rational FTP server", HOST_IBM_R1000},   {"220 CP-6 FTP server", HOST_BULL_CP6},
      {"220 VxWorks (5.4) FTP", HOST_VXWORKS},       {"220 ACI FTP server ready", HOST_ACI},
      {"220 SecureTransport", HOST_SECURETRANSPORT},
  };
  const Row order[] = {
      // Too long for the table above.
      {"220 DOS FTP Server 3.0", HOST_FTP_PC_TCP_3_0},
      {"220 IBM TCP/IP for OS/2 - FTP Server", HOST_IBM_OS2},
      {"220 CONNECT:Enterprise UNIX", HOST_CONNECT_ENTERPRISE},
      // An earlier row decides; each stands for its own detection too.
      {"220 QORDA Server (WAR-FTPD)", HOST_QORDA_SERVER},
      {"220 Spartacus KNET/MVS", HOST_IBM_SPARTACUS_KNET},
      {"220 DPS6000 *GCOS 6 HVS* FTP", HOST_GCOS_6_HVS_OS},
      {"220 *GCOS 6 HVS* BULL", HOST_GCOS_6_HVS_AIX},
      {"220 Novell LAN WorkPlace Pro", HOST_NOVELL_LWP},
      {"220 NetWare v4 server, Novell LAN Workgroup", HOST_NETWARE_V4},
      {"220 Serv-U FTP on BULL", HOST_SERV_U},
      {"220 RSX JNOS", HOST_PDP11_RSX11M},
      {"220 host OS-9000 and OS-9 FTP", HOST_OS_9000},
      {"220 Hummingbird SecureTransport", HOST_HUMMINGBIRD},
      // Blanks, parentheses and case are taken literally.
      {"220-QORDA Server", HOST_AUTO},
      {"220 serv-u ftp", HOST_AUTO},
      {"220 host OS-9/68K", HOST_AUTO},
      {"220 UniTree ready", HOST_AUTO},
      {"220 WFTPD", HOST_AUTO},
      {"220 UNIX Type: L8", HOST_AUTO},  // the greeting list knows no Unix row
  };
  Expect(QORDA_DoAutoCheck, plain);
  Expect(QORDA_DoAutoCheck, order);
}

TEST(QORDA_DoAutoCheck, RunsOnlyForAutoOnTheFirst999Characters) {
  const Row rows[] = {
      {"220 Serv-U FTP Server v6.0 ready", 0, 0},  // 0 is not AUTO here
      {"220 Serv-U FTP Server v6.0 ready", HOST_UNIX_STANDARD, HOST_UNIX_STANDARD},
      {EndingWith(1000, "HellSoft"), HOST_HELLSOFT},
      {EndingWith(1001, "HellSoft", "."), HOST_AUTO},
  };
  Expect(QORDA_DoAutoCheck, rows);
  EXPECT_EQ(QORDA_DoAutoCheck(nullptr, HOST_AUTO), HOST_AUTO);
}

}  // namespace
}  // namespace qorda
