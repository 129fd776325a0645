// Rows whose answer depends on the order of the lists, on case, blanks or length.
#include <gtest/gtest.h>

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

// A text of length characters that ends with sought and then tail.
std::string EndingWith(std::size_t length, const std::string& sought, const std::string& tail) {
  return std::string(length - sought.size() - tail.size(), '.') + sought + tail;
}

template <typename Detector>
void Expect(Detector detect, std::span<const Row> rows) {
  for (const Row& row : rows) {
    EXPECT_EQ(detect(row.text.c_str(), row.currentType), row.expected)
        << '"' << row.text.substr(0, 80) << "\" from " << row.currentType;
  }
}

TEST(QORDA_DetectFromSystString, TriesTheExactRowsThenTheFoldedOnesInOrder) {
  const Row rows[] = {
      {"215 UNIX Type: L8 UniTree", HOST_UNITREE},  // the exact rows come first
      {"215 UNIX Type: L8", HOST_UNIX_STANDARD, 0},
      {"215 UNIX MVS", HOST_IBM_MVS},
      {"215 VMS MultiNet V4.3", HOST_VMS_MULTINET},
      {"215 rsx-11m", HOST_AUTO},                 // the exact rows' case
      {"215 PRIMOS", HOST_AUTO},                  // and blanks
      {"215 \xE0\xFF UNIX", HOST_UNIX_STANDARD},  // a fold past 0xFF would end the text
      {"215 UNIX Type: L8", HOST_MICROSOFT_NT, HOST_MICROSOFT_NT},
      {EndingWith(1000, "UNIX", ""), HOST_UNIX_STANDARD},  // 1000 characters are judged whole
      {EndingWith(1001, "UNIX", "."), HOST_AUTO},          // a longer text by its first 999
  };
  Expect(QORDA_DetectFromSystString, rows);
  EXPECT_EQ(QORDA_DetectFromSystString(nullptr, HOST_AUTO), HOST_AUTO);
}

TEST(QORDA_DoAutoCheck, TakesTheFirstRowThatMatches) {
  const Row rows[] = {
      {"220 QORDA Server (WAR-FTPD)", HOST_QORDA_SERVER},
      {"220 Spartacus KNET/MVS", HOST_IBM_SPARTACUS_KNET},
      {"220 Novell LAN WorkPlace Pro", HOST_NOVELL_LWP},
      {"220-QORDA Server", HOST_AUTO},             // blanks, parentheses and case are literal
      {"220 UNIX Type: L8", HOST_AUTO},            // no Unix row
      {"220 Serv-U FTP Server v6.0 ready", 0, 0},  // 0 is not AUTO here
      {EndingWith(1000, "HellSoft", ""), HOST_HELLSOFT},
      {EndingWith(1001, "HellSoft", "."), HOST_AUTO},
  };
  Expect(QORDA_DoAutoCheck, rows);
  EXPECT_EQ(QORDA_DoAutoCheck(nullptr, HOST_AUTO), HOST_AUTO);
}

}  // namespace
}  // namespace qorda
