/* Times QORDA_DecodeLine over listings held in memory:
     qorda-decode-timer <hostType> <listing> [<hostType> <listing>...]
   For each listing it prints the lines that gave an entry and the ns per
   line of the median and of the fastest of 15 rounds, each round decoding
   every line 100 times. Plain C over the public header, so that one source
   builds for Linux and for both Windows DLLs: the 32-bit DLL, which lacks
   the scanners' SSE2 paths, is timed under Wine beside the 64-bit builds. */
#if !defined(_WIN32)
#define _POSIX_C_SOURCE 199309L
#endif
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "qordahosts.h"

#if defined(_WIN32)
#include <windows.h>
static double Seconds(void) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return (double)now.QuadPart / (double)frequency.QuadPart;
}
#else
#include <time.h>
static double Seconds(void) {
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return (double)now.tv_sec + (double)now.tv_nsec * 1e-9;
}
#endif

enum { kRounds = 15, kPasses = 100, kMaxLines = 100000 };

static const char* lines[kMaxLines];

/* The listing's lines without their CR LF, as the decode benchmark holds
   them; the text stays allocated for the run. */
static int ReadLines(const char* path) {
  FILE* file = fopen(path, "rb");
  if (file == NULL) return -1;
  fseek(file, 0, SEEK_END);
  long size = ftell(file);
  rewind(file);
  char* text = malloc((size_t)size + 1);
  if (text == NULL || fread(text, 1, (size_t)size, file) != (size_t)size) return -1;
  fclose(file);
  text[size] = '\0';
  int count = 0;
  for (char* line = strtok(text, "\r\n"); line != NULL && count < kMaxLines;
       line = strtok(NULL, "\r\n")) {
    lines[count++] = line;
  }
  return count;
}

static int CompareDoubles(const void* a, const void* b) {
  double x = *(const double*)a, y = *(const double*)b;
  return (x > y) - (x < y);
}

int main(int argc, char** argv) {
  if (argc < 3 || argc % 2 == 0) {
    fprintf(stderr, "usage: qorda-decode-timer <hostType> <listing> [<hostType> <listing>...]\n");
    return 2;
  }
  for (int arg = 1; arg + 1 < argc; arg += 2) {
    int32_t hostType = (int32_t)atoi(argv[arg]);
    int count = ReadLines(argv[arg + 1]);
    if (count <= 0) {
      fprintf(stderr, "qorda-decode-timer: cannot read %s\n", argv[arg + 1]);
      return 1;
    }
    ListingEntry entry;
    int entries = 0;
    for (int i = 0; i < count; ++i)
      entries += QORDA_DecodeLine(&entry, lines[i], hostType, "", "") > 0;

    double nsPerLine[kRounds];
    for (int round = 0; round < kRounds; ++round) {
      double start = Seconds();
      for (int pass = 0; pass < kPasses; ++pass) {
        for (int i = 0; i < count; ++i) QORDA_DecodeLine(&entry, lines[i], hostType, "", "");
      }
      nsPerLine[round] = (Seconds() - start) * 1e9 / ((double)kPasses * count);
    }
    qsort(nsPerLine, kRounds, sizeof nsPerLine[0], CompareDoubles);
    printf("%s %d/%d %.1f %.1f\n", argv[arg + 1], entries, count, nsPerLine[kRounds / 2],
           nsPerLine[0]);
  }
  return 0;
}
