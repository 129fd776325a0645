/* Decodes a set of listing lines under every host type and prints every
   field of each record, one line per record:  decode_dump [listing...]
   Built for Linux and for Windows from this one source, so that the two
   outputs can be compared byte for byte: the DLL must decode exactly as the
   Linux library does. The 32-bit DLL has no SSE2, so this also sets the
   scanners' portable paths against their vector twins: hence every line
   under every parser, and lines longer than a vector with wide blank runs.
   The lines of the listing files given are decoded too. */
#include <inttypes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "qordahosts.h"

/* A line of each dialect that the examples' listings lack, and a few more. */
static const char* const kLines[] = {
    "-rw-r--r--   1 owner    group    1234567890 Jan 12  2019 read me.txt",
    "drwxr-xr-x   2 owner    group         512 Mar  3  2001 docs",
    "lrwxrwxrwx   1 owner    group          10 Feb 29  2004 link -> target",
    "-rw-r--r--   1 owner    group    99 Jan 12  2019 \xe4\xf6\xfc-\xc3\xa9t\xc3\xa9",
    "total 42",
    "01-05-23  12:07AM                12345 report.doc",
    "type=file;size=1234;modify=20230105123456;perm=r; readme.txt",
    "LOGIN.COM;3  2/3  12-MAR-1999 14:05:10  [SYSTEM]  (RWED,RWED,RE,)",
    "DKA0:[USER.WORK]NOTES.TXT;12  4  5-MAY-2001 09:30",
    "WYOSPT 3390   2003/03/28  1    9  FB     100 27900  PS  BACKUP.PASSWORD",
    "SMS001 3390   2007/06/20                     27920  PO  ISPF.PROFILE",
    "USER.TEST.DATA",
    "USER   TEST   DATA         10    6160                    05/16/01  12:34:56",
    "MYUSER          4096 01/05/16 12:34:56 *FILE      MYFILE.FILE",
    "MYUSER                                 *MEM       MYFILE.FILE/MYMEMBER.MBR",
    "  1234    README.TXT                 Jan 12 09:05    95",
    "12-05-99  01:05p1234                    README.TXT",
    "AUTOEXEC.BAT  1,234  12:05  3/04/95",
    "bin\\ old",
    "drwxr-xr-x folder 512 Jan 12 12:30 Stuff",
    "read.me.........",
    "Drwxr-xr-x 1 owner group 512 Jan 12 2019 docs",
    "  1 A 12-18-96",
    "12-18-96  2:10p  1234  read me.txt",
    "            12-18-96  14:10 1234             read me",
    "-rw-r--r-- 1 owner group extra 1234 Jan 12 2019 read me",
    "FILEA                           1234  5-Jan-99 12:34:56",
    "Files: 3  Blocks: 12",
    "w        4  seq      01-05-16 12:34:56  foo.txt",
    "  0001     PAYROLL       DAT       1024      03/16/95",
    "PAYROLL      SEQ        120      80",
    "PAYROLL/DATA SEQ                                   123456 03/16/95 11:46",
    "PROG.S                        12             16Mar95 11:46  X",
    " FILEA     1,234",
    "Users  DIRECTORY",
    "x                                          NAME   Y",
    "AB     TXT 3    Mar-16-95 11:46",
    "Drwxr-xr-x  1234 Jan 12 12:30 upper",
    "   0.0    95/03/16 1146 d-ewrewr       A8    160      CMDS",
    "   12345    MAR 16 95    11:46      MY REPORT.TXT",
    "my%20notes.txt",
};

enum { kMaxLines = 4096, kLongLine = 700 };
static const char* lines[kMaxLines];
static int lineCount;

static void AddLine(const char* line) {
  if (lineCount < kMaxLines) lines[lineCount++] = line;
}

/* A link whose arrow lies past the first 64 bytes and whose line is cut at
   511, facts longer than a vector, and columns padded by 60 blanks. */
static void AddLongLines(void) {
  static char name[400], word[100], link[kLongLine], facts[kLongLine], padded[kLongLine];
  for (int i = 0; i < (int)sizeof name - 1; ++i)
    name[i] = "abcdefghij klmnopq.rstuvwxyz0123"[i % 32];
  for (int i = 0; i < (int)sizeof word - 1; ++i) word[i] = "0123456789abcdef"[i % 16];
  snprintf(link, sizeof link, "lrwxrwxrwx   1 owner    group%40s10 Jan 12  2019 %.90s -> %s", "",
           name, name);
  snprintf(facts, sizeof facts,
           "type=file;size=123456789012;modify=20230105123456;unique=%s;perm=r; %.200s", word,
           name);
  snprintf(padded, sizeof padded, "01-05-23  12:07AM%60s12345 %.300s", "", name);
  AddLine(link);
  AddLine(facts);
  AddLine(padded);
}

/* The file's lines as they are, CR LF included: read as bytes, as text mode
   would drop the CR on Windows only. */
static void AddFileLines(const char* path) {
  char buffer[kLongLine];
  FILE* file = fopen(path, "rb");
  if (file == NULL) {
    fprintf(stderr, "decode_dump: cannot read %s\n", path);
    exit(1);
  }
  while (fgets(buffer, sizeof buffer, file) != NULL) {
    char* line = malloc(strlen(buffer) + 1);
    AddLine(strcpy(line, buffer));
  }
  fclose(file);
}

int main(int argc, char** argv) {
  for (size_t i = 0; i < sizeof kLines / sizeof kLines[0]; ++i) AddLine(kLines[i]);
  AddLongLines();
  for (int i = 1; i < argc; ++i) AddFileLines(argv[i]);

  /* Every host type in turn reads all the lines in order, as one listing. */
  for (int32_t hostType = HOST_NAME_LIST; hostType <= HOST_TYPE_LAST; ++hostType) {
    for (int i = 0; i < lineCount; ++i) {
      ListingEntry entry;
      int32_t result = QORDA_DecodeLine(&entry, lines[i], hostType, "'USER.DATA'", "USER");
      printf("%" PRId32 " %d %" PRId32 " %04u-%02u-%02u %02u:%02u:%02u %" PRId64
             " %03o %u %u [%s]\n",
             hostType, i, result, entry.year, entry.month, entry.day, entry.hour, entry.minute,
             entry.second, entry.size, entry.mode, entry.flags, entry.kind, entry.name);
    }
  }
  return 0;
}
