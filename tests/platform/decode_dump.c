/* Decodes a fixed set of listing lines and prints every field of each
   record, one line per record. Built for Linux and for Windows from this one
   source, so that the two outputs can be compared byte for byte: the DLL
   must decode exactly as the Linux library does. */
#include <inttypes.h>
#include <stdio.h>
#include <string.h>

#include "qordahosts.h"

struct Sample {
  int32_t hostType;
  const char* line;
  const char* currentDirectory;
};

static const struct Sample kSamples[] = {
    {6010, "-rw-r--r--   1 owner    group    1234567890 Jan 12  2019 read me.txt", ""},
    {6010, "drwxr-xr-x   2 owner    group         512 Mar  3  2001 docs", ""},
    {6010, "lrwxrwxrwx   1 owner    group          10 Feb 29  2004 link -> target", ""},
    {6010, "total 42", ""},
    {6016, "01-05-23  12:07AM                12345 report.doc", ""},
    {6016, "12-31-99  11:59PM       <DIR>          Old Files", ""},
    {6059, "type=file;size=1234;modify=20230105123456;perm=r; readme.txt", ""},
    {6059, "type=dir;modify=19991231235959; sub dir", ""},
    {6012, "LOGIN.COM;3  2/3  12-MAR-1999 14:05:10  [SYSTEM]  (RWED,RWED,RE,)", ""},
    {6019, "SUBDIR.DIR;1  1/3  1-JAN-2000 00:00:00  [USER]  (RWE,RWE,RE,E)", ""},
    {6018, "WYOSPT 3390   2003/03/28  1    9  FB     100 27900  PS  BACKUP.PASSWORD",
     "'USER.DATA'"},
    {6004, "05/16/2001 12:34      F80       100             PROFILE.EXEC", ""},
    {6017, "MYUSER          4096 01/05/16 12:34:56 *FILE      MYFILE.FILE", ""},
    {6017, "MYUSER                                 *MEM       MYFILE.FILE/MYMEMBER.MBR", ""},
    {6001, "README.TXT        1,234  Jan 12 1999  9:05", ""},
    {6035, "d [RWCEAFMS] owner 512 Jan 12 1998 9:05 pm Public Files", ""},
    {6030, "FILEA                         1234  5-Jan-99 12:34:56", ""},
    {6068, "-SR--M---- FTP CT=1234 BID=B0001 1234-01136 rest", ""},
    {6044, "PROG            V2              SYM 03/16/95    11:46   4096", ""},
    {6057, "1234    Mar-16-1995  11:46:00  data.bin", ""},
    {5995, "my%20notes.txt", ""},
    {6010, "-rw-r--r--   1 owner    group    99 Jan 12  2019 \xe4\xf6\xfc-\xc3\xa9t\xc3\xa9", ""},
};

int main(void) {
  size_t i;
  for (i = 0; i < sizeof kSamples / sizeof kSamples[0]; ++i) {
    ListingEntry entry;
    int32_t result = QORDA_DecodeLine(&entry, kSamples[i].line, kSamples[i].hostType,
                                      kSamples[i].currentDirectory, "");
    printf("%" PRId32 " %" PRId32 " %04u-%02u-%02u %02u:%02u:%02u %" PRId64 " %03o %u %u [%s]\n",
           kSamples[i].hostType, result, entry.year, entry.month, entry.day, entry.hour,
           entry.minute, entry.second, entry.size, entry.mode, entry.flags, entry.kind, entry.name);
  }
  return 0;
}
