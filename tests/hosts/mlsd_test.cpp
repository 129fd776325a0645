#include "hosts/mlsd.h"

#include <gtest/gtest.h>

#include "qordahosts.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

TEST(ParseMlsd, ReadsModifySizeAndType) {
  ExpectRows(
      {
          {"type=file;size=1234;modify=20230105123456;perm=adfr; readme.txt",
           {"readme.txt", 1234, 2023, 1, 5, 12, 34, kFile}},
          {"Type=FILE;Size=99;Modify=19991231235959.123; My File.txt",
           {"My File.txt", 99, 1999, 12, 31, 23, 59, kFile}},
          {"type=dir;modify=20200101000000; src", {"src", 0, 2020, 1, 1, 0, 0, kDir}},
          {"type=OS.unix=slink:/tmp/x;size=5; lnk", {"lnk", 5, 0, 0, 0, 0, 0, kLink}},
          {"type=OS.unix=symlink; lnk2", {"lnk2"}},
          {"type=fileX; fx", {"fx"}},
          {"type=DIR ; d", {"; d", 0, 0, 0, 0, 0, 0, kDir}},  // the blank ends the facts
          {"type=dir;type=file;size=1;size=2; x",
           {"x", 2, 0, 0, 0, 0, 0, kFile}},  // the last counts
          {"size=12 x y", {"x y", 12}},
          // Exactly one blank separates the facts from the name.
          {" onlyname", {"onlyname"}},
          {"type=file;  two", {" two", 0, 0, 0, 0, 0, 0, kFile}},
          {"type=file; a;b=c d", {"a;b=c d", 0, 0, 0, 0, 0, 0, kFile}},
          // A short modify value runs on into the next fact and stops at the
          // line's end, which counts as "0".
          {"size=5;modify=2023", {"", 5, 2023}},
          {"modify=202301; x", {"x", 0, 2023, 1, 31, 208, 0}},  // "; x" read as digits
          {"modify=; x", {"x", 0, 2038}},
          // Values and fact names that run past 32 bytes of the line.
          {"x.unique=0123456789abcdef0123456789;size=7; n", {"n", 7}},
          {"averyveryverylongfactnamewithnoequals;size=8; m", {"m"}},
      },
      {HOST_MLSD, HOST_QORDA_SERVER});
}

TEST(ParseMlsd, LooksFactNamesUpByLengthAndCase) {
  ExpectRows(
      {
          {"sizes=1; n", {"n"}},                // longer than "size"
          {"siz=1; n", {"n"}},                  // a prefix of it
          {"sIzE=1; n", {"n", 1}},              // any case
          {"modi=20230105123456; n", {"n"}},    // first four match, length does not
          {"modifx=20230105123456; n", {"n"}},  // the last letter differs
          {"MODIFY=20230105123456; n", {"n", 0, 2023, 1, 5, 12, 34}},
          {"s\x09ze=1; n", {"n"}},  // 0x20 or-ed into a tab is not an 'i'
          {"SIZE=12", {"", 12}},    // fewer than eight bytes left: read one by one
          {"type=DIR", {""}},       // a type that ends the line is none
      },
      {HOST_MLSD, HOST_QORDA_SERVER});
}

TEST(ParseMlsd, DropsTheDirectoryItselfAndLinesWithoutAName) {
  ExpectRows(
      {
          {"type=cdir; .", {""}},
          {"type=pdir; ..", {""}},
          {"Type=cdir;Modify=19981107085215;Perm=el; /tmp", {""}},  // facts behind it are not read
          {"modify=20230105123456;type=cdir; .", {"", 0, 2023, 1, 5, 12, 34}},  // those before stay
          {"type=file;size=3;", {"", 3, 0, 0, 0, 0, 0, kFile}},
          {"no facts at all", {""}},
      },
      {HOST_MLSD, HOST_QORDA_SERVER});
}

}  // namespace
}  // namespace qorda::testing
