#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "decode/host_ids.h"
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

void ExpectSyst(const Row* begin, const Row* end) {
  for (const Row* row = begin; row != end; ++row) {
    EXPECT_EQ(QORDA_DetectFromSystString(row->text.c_str(), row->currentType), row->expected)
        << '"' << row->text.substr(0, 80) << "\" from " << row->currentType;
  }
}

void ExpectGreeting(const Row* begin, const Row* end) {
  for (const Row* row = begin; row != end; ++row) {
    EXPECT_EQ(QORDA_DoAutoCheck(row->text.c_str(), row->currentType), row->expected)
        << '"' << row->text.substr(0, 80) << "\" from " << row->currentType;
  }
}

TEST(QORDA_DetectFromSystString, FindsEveryRowOfTheReplyAsReceived) {
  const Row rows[] = {
      {"215 MPE/iX: HP3000 Release: C.55.00", HOST_HP_3000},
      {"215 MUSIC/SP Version 6.2", HOST_MUSIC},
      {"215 WAR-FTPD 1.65", HOST_WARFTPD},
      {"215 RSX-11M-PLUS", HOST_PDP11_RSX11M},
      {"215 UniTree Central File Manager", HOST_UNITREE},
      {"215 NetWare v4.11", HOST_NETWARE_V4},
      {"215 PRIMOS Rev 23.4", HOST_PRIMOS},
      {"215 VersaTerm FTP Server", HOST_MAC_VERSATERM},
      {"215 HellSoft FTP", HOST_HELLSOFT},
      {"215 Reflection FTP Server", HOST_REFLECTION},
      {"215 Carrox DMZ FTP Server", HOST_CARROX_DMZ},
      {"215 SecureTransport 4.5", HOST_SECURETRANSPORT},
      // These rows ask for their exact case.
      {"215 mpe/ix", HOST_AUTO},
      {"215 rsx-11m", HOST_AUTO},
      {"215 carrox dmz ftp", HOST_AUTO},
      {"215 securetransport", HOST_AUTO},
      {"215 PRIMOS", HOST_AUTO},  // needs the blank behind it
      {"215 VersaTerm", HOST_AUTO},
  };
  ExpectSyst(std::begin(rows), std::end(rows));
}

TEST(QORDA_DetectFromSystString, FindsEveryRowOfTheLoweredReply) {
  const Row rows[] = {
      {"215 Windows_NT", HOST_MICROSOFT_NT},
      {"215 WINDOWS_NT version 5.0", HOST_MICROSOFT_NT},
      {"215 PC FTP server", HOST_LUMBRIX},
      {"215 MacOS Morvo Server", HOST_MAC_MORVO_SERVER},
      {"215 OS/2 operating system", HOST_IBM_PC_TCP_IP},
      {"215 ULTRIX Type: L8", HOST_UNIX_STANDARD},
      {"215 MVS is the operating system of this server", HOST_IBM_MVS},
      {"215 MVS C-Server", HOST_IBM_MVS_C_SERVER},
      {"215 c-SERVER for Mvs", HOST_IBM_MVS_C_SERVER},
      {"215 UNIX Type: L8", HOST_UNIX_STANDARD},
      {"215 unix", HOST_UNIX_STANDARD},
      {"215 QVT/Net 4.0", HOST_QVT_NET_4_0},
      {"215 QVT/Net 3.1", HOST_QVT_NET_2_3},
      {"215 NCSA Telnet", HOST_NCSA_CUTCP},
      {"215 Chameleon FTP", HOST_CHAMELEON},
      {"215 NETMANAGE FTP", HOST_CHAMELEON},
      {"215 Windows [MultiNet]", HOST_TGV_MULTINET},
      {"215 VMS MultiNet V4.3", HOST_VMS_MULTINET},
      {"215 VMS", HOST_VMS_UCX},
      {"215 OS/400 is the remote operating system", HOST_IBM_AS_400},
      {"215 MTS SYSTEM", HOST_IBM_PC_TCP_IP},
      {"215 VM is the operating system of this server", HOST_IBM_VM},
      {"215 VM/ESA Version 2", HOST_IBM_VM},
      {"215 VM/CMS Level 12", HOST_IBM_VM},
      {"215 VOS Release 14.4", HOST_STRATUS_VOS},
      {"215 BRAVOS FTP", HOST_STRATUS_VOS},  // no word boundaries
      {"215 Stratus M28", HOST_STRATUS_VOS},
      {"215 Tandem NonStop Kernel", HOST_TANDEM},
      {"215 UNKNOWN CYBERB", HOST_CDC_CYBER},
      {"215 unknown cyberb", HOST_CDC_CYBER},
      {"215 DOS FTP Server 3.0", HOST_FTP_PC_TCP_3_0},
      {"215 AMOS", HOST_AMOS_TCP_IP},
      {"215 FAMOSO", HOST_AMOS_TCP_IP},
      {"215 Hummingbird Ltd.", HOST_HUMMINGBIRD},
      {"215 HUMMINGBIRD", HOST_HUMMINGBIRD},
      {"215 CONNECT:Enterprise Gateway", HOST_CONNECT_ENTERPRISE},
      {"215 connect:ENTERPRISE", HOST_CONNECT_ENTERPRISE},
      // Near misses.
      {"215 C-Server", HOST_AUTO},
      {"215 IBMPC FTP", HOST_AUTO},
      {"215 VM", HOST_AUTO},
      {"215 MultiNet", HOST_AUTO},
      {"215 Windows", HOST_AUTO},
  };
  ExpectSyst(std::begin(rows), std::end(rows));
}

TEST(QORDA_DetectFromSystString, EarlierRowsShadowLaterOnes) {
  const Row rows[] = {
      {"215 UNIX MVS", HOST_IBM_MVS},
      {"215 ULTRIX MVS", HOST_UNIX_STANDARD},
      {"215 MVS QVT", HOST_IBM_MVS},     // the mvs row decides even without c-server
      {"215 VMS OS/400", HOST_VMS_UCX},  // and so does the vms row
      {"215 Windows [MultiNet VMS]", HOST_TGV_MULTINET},
      {"215 UNIX Type: L8 UniTree", HOST_UNITREE},  // the exact rows come first
      {"215 UNIX emulated by SecureTransport", HOST_SECURETRANSPORT},
      {"215 Windows_NT UNIX", HOST_MICROSOFT_NT},
      {"215 PC UNIX", HOST_LUMBRIX},
      {"215 OS/2 operating system, MTS SYS", HOST_IBM_PC_TCP_IP},
      {"215 AMOS on Tandem", HOST_TANDEM},
      {"215 NCSA QVT/Net 4", HOST_QVT_NET_4_0},
  };
  ExpectSyst(std::begin(rows), std::end(rows));
}

TEST(QORDA_DetectFromSystString, RunsOnlyForAutoAndZero) {
  const Row rows[] = {
      {"215 UNIX Type: L8", HOST_UNIX_STANDARD, HOST_AUTO},
      {"215 UNIX Type: L8", HOST_UNIX_STANDARD, 0},
      {"215 UNIX Type: L8", HOST_MICROSOFT_NT, HOST_MICROSOFT_NT},
      {"215 UNIX Type: L8", 1, 1},
      {"215 UNIX Type: L8", -1, -1},
      {"215 something else", 0, 0},
      {"", HOST_AUTO, HOST_AUTO},
      {"", 0, 0},
  };
  ExpectSyst(std::begin(rows), std::end(rows));
  EXPECT_EQ(QORDA_DetectFromSystString(nullptr, HOST_AUTO), HOST_AUTO);
}

TEST(QORDA_DetectFromSystString, FoldsOnlyAToZ) {
  const Row rows[] = {
      // A fold that pushed 0xE0 and above past 0xFF would end the text early.
      {"215 \xE0\xFF UNIX", HOST_UNIX_STANDARD},
      {"215 \xC4\xD6\xDC"
       "UNIX",
       HOST_UNIX_STANDARD},
      {"215 \xD5NIX", HOST_AUTO},
      {"215 WINDOWS[MULTINET", HOST_AUTO},  // '[' is no letter
  };
  ExpectSyst(std::begin(rows), std::end(rows));
}

TEST(QORDA_DetectFromSystString, JudgesTheFirst999CharactersOfALongerReply) {
  const Row rows[] = {
      {EndingWith(999, "UNIX"), HOST_UNIX_STANDARD},
      {EndingWith(1000, "UNIX"), HOST_UNIX_STANDARD},
      {EndingWith(1000, "SecureTransport"), HOST_SECURETRANSPORT},
      {EndingWith(1001, "UNIX"), HOST_AUTO},
      {EndingWith(1001, "UNIX", ".."), HOST_UNIX_STANDARD},  // ends at the 999th
      {EndingWith(1001, "UNIX", "."), HOST_AUTO},            // ends at the 1000th
      {EndingWith(1001, "SecureTransport", "."), HOST_AUTO},
      {EndingWith(1200, "UNIX"), HOST_AUTO},
      {EndingWith(1200, "UNIX"), 0, 0},
      {EndingWith(100000, "UNIX"), HOST_AUTO},
  };
  ExpectSyst(std::begin(rows), std::end(rows));
}

TEST(QORDA_DoAutoCheck, FindsEveryRow) {
  const Row rows[] = {
      {"220 QORDA Server 7.5(12345)", HOST_QORDA_SERVER},
      {"220 WAR-FTPD 1.65 Ready", HOST_WARFTPD},
      {"220 NetManage Chameleon FTP server (NEWT v7.0) ready", HOST_CHAMELEON},
      {"220 MUSIC/SP FTP server", HOST_MUSIC},
      {"220 Spartacus KNET FTP server", HOST_IBM_SPARTACUS_KNET},
      {"220 host - qnx - FTP server ready", HOST_QNX2},
      {"220 DPS6000 FTP server", HOST_GCOS_6_HVS_OS},
      {"220 *GCOS 6 HVS* FTP server", HOST_GCOS_6_HVS_AIX},
      {"220 host FTP server (UniTree Version 2.1) ready", HOST_UNITREE},
      {"220 Novell LAN WorkPlace Pro FTP", HOST_NOVELL_LWP},
      {"220 NetWare v4.11 FTP", HOST_NETWARE_V4},
      {"220 Serv-U FTP Server v6.0 ready", HOST_SERV_U},
      {"220 WFTPD 2.0 service", HOST_WFTPD},
      {"220 HellSoft FTP server", HOST_HELLSOFT},
      {"220 Novell LAN Workgroup FTP", HOST_SUPER_TCP},
      {"220 host FTP server (EXOS version 3.0) ready", HOST_UNISYS_5000_EXOS},
      {"220 host FTP server (XElink FTP) ready", HOST_PRIMOS},
      {"220 VersaTerm FTP Server", HOST_MAC_VERSATERM},
      {"220 AMOS TCP/IP V1.2 FTP", HOST_AMOS_TCP_IP},
      {"220 KNET/MVS FTP server", HOST_IBM_MVS_KNET},
      {"220 RSX-11M FTP", HOST_PDP11_RSX11M},
      {"220 Q2XAV FTP server", HOST_QB7Q_NOS},
      {"220 IBM OS/2 TCP/IP FTP", HOST_IBM_PC_TCP_IP},
      {"220 host OS-9000 FTP", HOST_OS_9000},
      {"220 host OS-9 FTP", HOST_OS_9},
      {"220 GCOS 8 FTP", HOST_BULL_GCOS},
      {"220 BULL FTP server", HOST_BULL_GCOS},
      {"220 Amiga FTP", HOST_AMIGA},
      {"220 JNOS FTP ready", HOST_QB7Q_NOS},
      {"220 Rational FTP server", HOST_IBM_R1000},
      {"220 CP-6 FTP server", HOST_BULL_CP6},
      {"220 DOS FTP Server 3.0", HOST_FTP_PC_TCP_3_0},
      {"220 IBM TCP/IP for OS/2 - FTP Server ver 11:05:23", HOST_IBM_OS2},
      {"220 VxWorks (5.4) FTP server ready", HOST_VXWORKS},
      {"220 ACI FTP server ready", HOST_ACI},
      {"220 Hummingbird Ltd. FTP", HOST_HUMMINGBIRD},
      {"220 CONNECT:Enterprise UNIX", HOST_CONNECT_ENTERPRISE},
      {"220 SecureTransport FTP", HOST_SECURETRANSPORT},
  };
  ExpectGreeting(std::begin(rows), std::end(rows));
}

TEST(QORDA_DoAutoCheck, TakesBlanksParenthesesAndCaseLiterally) {
  const Row rows[] = {
      {"220-QORDA Server", HOST_AUTO},  // a hyphen, not a blank, before the name
      {"220 serv-u ftp", HOST_AUTO},
      {"220 hummingbird", HOST_AUTO},
      {"220 OS-9000", HOST_AUTO},
      {"220 OS-9000FTP", HOST_AUTO},
      {"220 host OS-9/68K", HOST_AUTO},
      {"220 VersaTerm", HOST_AUTO},
      {"220 AmigaOS", HOST_AUTO},
      {"220 UniTree ready", HOST_AUTO},
      {"220 EXOS ready", HOST_AUTO},
      {"220 XElink ready", HOST_AUTO},
      {"220 WFTPD", HOST_AUTO},
      {"220 UNIX Type: L8", HOST_AUTO},  // the greeting list knows no Unix row
  };
  ExpectGreeting(std::begin(rows), std::end(rows));
}

TEST(QORDA_DoAutoCheck, EarlierRowsShadowLaterOnes) {
  const Row rows[] = {
      {"220 *GCOS 6 HVS* BULL", HOST_GCOS_6_HVS_AIX},
      {"220 DPS6000 *GCOS 6 HVS* FTP", HOST_GCOS_6_HVS_OS},
      {"220 Novell LAN WorkPlace Pro", HOST_NOVELL_LWP},
      {"220 NetWare v4 server, Novell LAN Workgroup", HOST_NETWARE_V4},
      {"220 Spartacus KNET/MVS", HOST_IBM_SPARTACUS_KNET},
      {"220 host OS-9000 and OS-9 FTP", HOST_OS_9000},
      {"220 RSX JNOS", HOST_PDP11_RSX11M},
      {"220 QORDA Server (WAR-FTPD)", HOST_QORDA_SERVER},
      {"220 Serv-U FTP on BULL", HOST_SERV_U},
      {"220 Hummingbird SecureTransport", HOST_HUMMINGBIRD},
  };
  ExpectGreeting(std::begin(rows), std::end(rows));
}

TEST(QORDA_DoAutoCheck, RunsOnlyForAuto) {
  const Row rows[] = {
      {"220 Serv-U FTP Server v6.0 ready", HOST_SERV_U, HOST_AUTO},
      {"220 Serv-U FTP Server v6.0 ready", 0, 0},  // 0 is not AUTO here
      {"220 Serv-U FTP Server v6.0 ready", HOST_UNIX_STANDARD, HOST_UNIX_STANDARD},
      {"", HOST_AUTO, HOST_AUTO},
  };
  ExpectGreeting(std::begin(rows), std::end(rows));
  EXPECT_EQ(QORDA_DoAutoCheck(nullptr, HOST_AUTO), HOST_AUTO);
}

TEST(QORDA_DoAutoCheck, JudgesTheFirst999CharactersOfALongerText) {
  const Row rows[] = {
      {EndingWith(999, "HellSoft"), HOST_HELLSOFT},
      {EndingWith(1000, "HellSoft"), HOST_HELLSOFT},
      {EndingWith(1001, "HellSoft"), HOST_AUTO},
      {EndingWith(1001, "HellSoft", ".."), HOST_HELLSOFT},
      {EndingWith(1001, "HellSoft", "."), HOST_AUTO},
      {EndingWith(1200, "HellSoft"), HOST_AUTO},
      {EndingWith(100000, "HellSoft"), HOST_AUTO},
  };
  ExpectGreeting(std::begin(rows), std::end(rows));
}

}  // namespace
}  // namespace qorda
