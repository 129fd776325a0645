#include "corpus.h"

#include <cstdio>
#include <string_view>

#include "qordahosts.h"

namespace qorda::bench {
namespace {

// splitmix64: small, fast and the same everywhere, unlike the standard
// library's distributions.
struct Random {
  uint64_t state;
  uint64_t Next() {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Below(int bound) { return static_cast<int>(Next() % static_cast<uint64_t>(bound)); }
  bool Chance(int percent) { return Below(100) < percent; }
  template <std::size_t N>
  const char* Pick(const char* const (&items)[N]) {
    return items[Below(static_cast<int>(N))];
  }
};

constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kUpperMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                        "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
constexpr const char* kOwners[] = {"root", "ftp", "www-data", "alice", "bob", "backup", "1001"};
constexpr const char* kExtensions[] = {".txt", ".tar.gz", ".c",   ".html", ".pdf",
                                       ".iso", "",        ".jpg", ".log",  ".zip"};
constexpr const char* kWords[] = {"report", "data",  "backup", "final", "photo", "src",
                                  "notes",  "draft", "v2",     "old",   "index", "readme"};

std::string Format(const char* format, auto... values) {
  char buffer[600];
  int length = std::snprintf(buffer, sizeof buffer, format, values...);
  return std::string(buffer, length < 0 ? 0 : static_cast<std::size_t>(length));
}

// A name of 5 to 60 characters; some carry blanks, as desktop users name files.
std::string MakeName(Random& random, bool withExtension) {
  int length = 5 + random.Below(56);
  bool withBlanks = random.Chance(15);
  std::string name;
  while (static_cast<int>(name.size()) < length) {
    if (!name.empty()) name += withBlanks ? ' ' : (random.Chance(50) ? '_' : '-');
    name += random.Pick(kWords);
  }
  std::string extension = withExtension ? random.Pick(kExtensions) : "";
  name.resize(static_cast<std::size_t>(length) > extension.size() ? length - extension.size() : 1);
  if (name.back() == ' ') name.back() = 'x';
  return name + extension;
}

std::string UpperName(Random& random, int maxLength) {
  std::string name;
  int length = 1 + random.Below(maxLength);
  for (int i = 0; i < length; ++i) name += static_cast<char>('A' + random.Below(26));
  return name;
}

// Sizes spread evenly over their number of digits, up to 10^12.
int64_t MakeSize(Random& random) {
  int64_t limit = 1;
  for (int digits = random.Below(13); digits > 0; --digits) limit *= 10;
  return static_cast<int64_t>(random.Next() % static_cast<uint64_t>(limit));
}

std::string UnixLine(Random& random, UnixDates dates) {
  int type = random.Below(10);  // 7 files, 2 directories, 1 link
  bool isDirectory = type >= 7 && type < 9, isLink = type == 9;
  const char* permissions = isLink        ? "lrwxrwxrwx"
                            : isDirectory ? "drwxr-xr-x"
                                          : (random.Chance(20) ? "-rwxr-xr-x" : "-rw-r--r--");
  int64_t size = isDirectory ? 4096 : isLink ? 5 + random.Below(60) : MakeSize(random);
  bool timeOfDay =
      dates == UnixDates::TimeOfDay || (dates == UnixDates::Mixed && random.Chance(60));
  std::string dateColumn = timeOfDay ? Format("%02d:%02d", random.Below(24), random.Below(60))
                                     : Format("%5d", 1995 + random.Below(31));
  std::string name = MakeName(random, !isDirectory);
  if (isLink) name += " -> " + MakeName(random, true);
  return Format("%s %3d %-8s %-8s %12lld %s %2d %s %s", permissions, 1 + random.Below(30),
                random.Pick(kOwners), random.Pick(kOwners), static_cast<long long>(size),
                random.Pick(kMonths), 1 + random.Below(28), dateColumn.c_str(), name.c_str());
}

// "02-15-21  03:04PM       <DIR>          aspnet_client"
std::string DosLine(Random& random) {
  bool isDirectory = random.Chance(25);
  std::string sizeColumn = isDirectory ? "      <DIR>         "
                                       : Format("%20lld", static_cast<long long>(MakeSize(random)));
  return Format("%02d-%02d-%02d  %02d:%02d%s %s %s", 1 + random.Below(12), 1 + random.Below(28),
                random.Below(100), 1 + random.Below(12), random.Below(60),
                random.Chance(50) ? "AM" : "PM", sizeColumn.c_str(),
                MakeName(random, !isDirectory).c_str());
}

// "type=file;size=1234;modify=20230105123456;perm=adfr;unique=802U1; name"
std::string MlsdLine(Random& random) {
  bool isDirectory = random.Chance(20);
  std::string modify =
      Format("%04d%02d%02d%02d%02d%02d", 1995 + random.Below(31), 1 + random.Below(12),
             1 + random.Below(28), random.Below(24), random.Below(60), random.Below(60));
  std::string unique = Format("%XU%X", random.Below(0xFFFF), random.Below(0xFFFFF));
  if (isDirectory) {
    return Format("type=dir;modify=%s;perm=flcdmpe;unique=%s; %s", modify.c_str(), unique.c_str(),
                  MakeName(random, false).c_str());
  }
  return Format("type=file;size=%lld;modify=%s;perm=adfrw;unique=%s; %s",
                static_cast<long long>(MakeSize(random)), modify.c_str(), unique.c_str(),
                MakeName(random, true).c_str());
}

// "REPORT.TXT;3              12/18      12-MAR-1999 09:05:12  [GROUP,OWNER]  (RWED,RWED,RE,)"
std::string VmsLine(Random& random) {
  bool isDirectory = random.Chance(15);
  std::string name = UpperName(random, 20) + (isDirectory ? ".DIR" : ".DAT");
  int blocks = random.Below(100000);
  return Format("%-30s %7d/%-7d %2d-%s-%04d %02d:%02d:%02d  [%s,%s]  (RWED,RWED,RE,)",
                Format("%s;%d", name.c_str(), 1 + random.Below(9)).c_str(), blocks,
                blocks + random.Below(16), 1 + random.Below(28), random.Pick(kUpperMonths),
                1995 + random.Below(31), random.Below(24), random.Below(60), random.Below(60),
                UpperName(random, 8).c_str(), UpperName(random, 8).c_str());
}

// "VOL001 3390   2023/05/12  1   15  FB      80 27920  PS  USER.JCL.CNTL"
std::string MvsLine(Random& random) {
  std::string dataset = "USER." + UpperName(random, 8) + "." + UpperName(random, 8);
  if (random.Chance(5)) return Format("Migrated%49s%s", "", dataset.c_str());
  bool isPartitioned = random.Chance(30);
  return Format("VOL%03d 3390   %04d/%02d/%02d %2d %4d  %-2s %7d %5d  %s  %s", random.Below(1000),
                1995 + random.Below(31), 1 + random.Below(12), 1 + random.Below(28),
                1 + random.Below(16), 1 + random.Below(3000), random.Chance(50) ? "FB" : "VB",
                random.Chance(50) ? 80 : 255, 27920, isPartitioned ? "PO" : "PS", dataset.c_str());
}

// "QPGMR         4096 11/30/22 10:12:01 *FILE      QGPL/QCLSRC"
std::string As400Line(Random& random, std::string& lastFile) {
  if (!lastFile.empty() && random.Chance(40)) {
    return Format("%-10s%29s*MEM       %s/%s.MBR", random.Pick(kOwners), "", lastFile.c_str(),
                  UpperName(random, 10).c_str());
  }
  bool isDirectory = random.Chance(20);
  std::string name = UpperName(random, 10) + "/" + UpperName(random, 10);
  if (!isDirectory) lastFile = name + ".FILE";
  // The IBM AS/400 host type reads its dates year first.
  return Format("%-10s %12lld %02d/%02d/%02d %02d:%02d:%02d %-10s %s%s", random.Pick(kOwners),
                static_cast<long long>(MakeSize(random)), random.Below(100), 1 + random.Below(12),
                1 + random.Below(28), random.Below(24), random.Below(60), random.Below(60),
                isDirectory ? "*DIR" : "*FILE", name.c_str(), isDirectory ? "/" : "");
}

// "PROFILE  EXEC     V         80         25          1 2023-01-12 12:30:00 USR191"
std::string VmCmsLine(Random& random) {
  return Format("%-8s %-8s %s %10d %10d %10d %04d-%02d-%02d %02d:%02d:%02d USR191",
                UpperName(random, 8).c_str(), UpperName(random, 8).c_str(),
                random.Chance(50) ? "V" : "F", random.Chance(50) ? 80 : 1 + random.Below(255),
                random.Below(100000), 1 + random.Below(500), 1995 + random.Below(31),
                1 + random.Below(12), 1 + random.Below(28), random.Below(24), random.Below(60),
                random.Below(60));
}

// "ALARMS       101            2048 27-Jul-98 10:21:01  201,20 \"nunu\"": the
// name in columns 0 to 9, the size ending at column 33, the date from 35.
std::string TandemLine(Random& random) {
  return Format("%-10s%6d%18lld %2d-%s-%02d %02d:%02d:%02d %4d,%-3d \"nunu\"",
                UpperName(random, 8).c_str(), random.Chance(50) ? 101 : 0,
                static_cast<long long>(MakeSize(random)), 1 + random.Below(28),
                random.Pick(kMonths), random.Below(100), random.Below(24), random.Below(60),
                random.Below(60), 1 + random.Below(255), random.Below(255));
}

// "              1234  A              12-18-96   14:10  readme.txt"
std::string Os2Line(Random& random) {
  // The size ends at column 17, the date starts at 35, the time at 46 and the
  // name at 53.
  bool isDirectory = random.Chance(20);
  return Format("%18lld  %-8s  %-5s%02d-%02d-%02d   %02d:%02d  %s",
                static_cast<long long>(isDirectory ? 0 : MakeSize(random)),
                random.Chance(30) ? "A" : "", isDirectory ? "DIR" : "", 1 + random.Below(12),
                1 + random.Below(28), random.Below(100), random.Below(24), random.Below(60),
                MakeName(random, !isDirectory).c_str());
}

}  // namespace

const std::vector<DialectInfo>& Dialects() {
  static const std::vector<DialectInfo> dialects = {
      {Dialect::Unix, "unix", HOST_UNIX_STANDARD}, {Dialect::DosIis, "dos_iis", HOST_MICROSOFT_NT},
      {Dialect::Mlsd, "mlsd", HOST_MLSD},          {Dialect::Vms, "vms", HOST_VMS_MULTINET},
      {Dialect::Mvs, "mvs", HOST_IBM_MVS},         {Dialect::As400, "as400", HOST_IBM_AS_400},
      {Dialect::VmCms, "vm_cms", HOST_IBM_VM},     {Dialect::Tandem, "tandem", HOST_TANDEM},
      {Dialect::Os2, "os2", HOST_IBM_OS2},
  };
  return dialects;
}

std::vector<std::string> MakeListing(Dialect dialect, int lineCount, uint64_t seed,
                                     UnixDates dates) {
  Random random{seed};
  std::vector<std::string> lines;
  std::string lastAs400File;
  if (dialect == Dialect::Unix) lines.push_back(Format("total %d", lineCount * 8));
  if (dialect == Dialect::Mvs) {
    lines.push_back("Volume Unit    Referred Ext Used Recfm Lrecl BlkSz Dsorg Dsname");
  }
  while (static_cast<int>(lines.size()) < lineCount) {
    switch (dialect) {
      case Dialect::Unix:
        lines.push_back(UnixLine(random, dates));
        break;
      case Dialect::DosIis:
        lines.push_back(DosLine(random));
        break;
      case Dialect::Mlsd:
        lines.push_back(MlsdLine(random));
        break;
      case Dialect::Vms:
        lines.push_back(VmsLine(random));
        break;
      case Dialect::Mvs:
        lines.push_back(MvsLine(random));
        break;
      case Dialect::As400:
        lines.push_back(As400Line(random, lastAs400File));
        break;
      case Dialect::VmCms:
        lines.push_back(VmCmsLine(random));
        break;
      case Dialect::Tandem:
        lines.push_back(TandemLine(random));
        break;
      case Dialect::Os2:
        lines.push_back(Os2Line(random));
        break;
    }
  }
  return lines;
}

std::string MakeUnixLineOfLength(int length, uint64_t seed) {
  Random random{seed};
  // 39 characters before the name, so that even 40 leaves one for it.
  std::string line =
      Format("-rw-r--r-- 1 ftp ftp %d %s %2d %02d:%02d ", 1000 + random.Below(9000),
             random.Pick(kMonths), 1 + random.Below(28), random.Below(24), random.Below(60));
  while (static_cast<int>(line.size()) < length) line += static_cast<char>('a' + random.Below(26));
  line.resize(static_cast<std::size_t>(length));
  return line;
}

}  // namespace qorda::bench
