/* qordahosts: host types, host detection and listing-line decoding for FTP
   clients. The header is valid C (C99 or later) and C++. */
#ifndef QORDAHOSTS_H
#define QORDAHOSTS_H

#include <stddef.h>
#include <stdint.h>

/* Calling convention of the exports: WINAPI on 32-bit Windows, empty elsewhere. */
#if defined(_WIN32) && !defined(_WIN64)
#define QORDA_CALL __stdcall
#else
#define QORDA_CALL
#endif

#if defined(_WIN32)
#if defined(QORDA_BUILDING_LIBRARY)
#define QORDA_API __declspec(dllexport)
#else
#define QORDA_API
#endif
#elif defined(__GNUC__)
#define QORDA_API __attribute__((visibility("default")))
#else
#define QORDA_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* One decoded listing line: 536 bytes, byte-packed; the offsets are part of
   the interface. */
#pragma pack(push, 1)
typedef struct ListingEntry {
  uint16_t year; /* 0 (unknown) or 1900 to 2038 */
  uint8_t month; /* 1 to 12, 0 when unknown */
  uint8_t day;   /* 1 to 31, 0 when unknown */
  uint8_t hour;
  uint8_t minute;
  uint8_t second;
  uint8_t reserved; /* always 0 */
  int64_t size;     /* bytes, 0 when unknown */
  uint16_t mode;    /* Unix permission bits, valid with FLAG_MODE_VALID */
  uint16_t flags;   /* FLAG_ bits */
  uint8_t kind;     /* one KIND_ value */
  char name[515];   /* zero-terminated, in the listing's code page */
} ListingEntry;
#pragma pack(pop)

enum {
  FLAG_MODE_VALID = 0x0001,   /* mode holds bits read from the line */
  FLAG_NO_TIME = 0x0002,      /* the listing gives no time of day */
  FLAG_YEAR_INFERRED = 0x0004 /* the year was taken from the clock */
};

enum { KIND_UNSTATED = 0, KIND_FILE = 1, KIND_LINK = 2, KIND_DIRECTORY = 4, KIND_OBJECT = 16 };

/* A host type id is HOST_TYPE_BASE plus the index in the host type table;
   HOST_TYPE_BASE itself is AUTO. */
enum { HOST_TYPE_BASE = 6000 };

#ifdef __cplusplus
#define QORDA_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#else
#define QORDA_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif
QORDA_STATIC_ASSERT(sizeof(ListingEntry) == 536, "ListingEntry is 536 bytes");
QORDA_STATIC_ASSERT(offsetof(ListingEntry, year) == 0, "year at 0");
QORDA_STATIC_ASSERT(offsetof(ListingEntry, month) == 2, "month at 2");
QORDA_STATIC_ASSERT(offsetof(ListingEntry, day) == 3, "day at 3");
QORDA_STATIC_ASSERT(offsetof(ListingEntry, hour) == 4, "hour at 4");
QORDA_STATIC_ASSERT(offsetof(ListingEntry, minute) == 5, "minute at 5");
QORDA_STATIC_ASSERT(offsetof(ListingEntry, second) == 6, "second at 6");
QORDA_STATIC_ASSERT(offsetof(ListingEntry, reserved) == 7, "reserved at 7");
QORDA_STATIC_ASSERT(offsetof(ListingEntry, size) == 8, "size at 8");
QORDA_STATIC_ASSERT(offsetof(ListingEntry, mode) == 16, "mode at 16");
QORDA_STATIC_ASSERT(offsetof(ListingEntry, flags) == 18, "flags at 18");
QORDA_STATIC_ASSERT(offsetof(ListingEntry, kind) == 20, "kind at 20");
QORDA_STATIC_ASSERT(offsetof(ListingEntry, name) == 21, "name at 21");
#undef QORDA_STATIC_ASSERT

/* Decodes one listing line for the given host type into *entry and returns
   the length of the decoded name; 0 means the line is no entry (a header, a
   total, a blank line). currentDirectory and datasetPrefix serve the IBM
   mainframe dialects only and may be empty. */
QORDA_API int32_t QORDA_CALL QORDA_DecodeLine(ListingEntry* entry, const char* line,
                                              int32_t hostTypeId, const char* currentDirectory,
                                              const char* datasetPrefix);

/* Removes trailing CR, LF, blanks and tabs in place; returns the new length.
   The decoder trims every line the same way. */
QORDA_API int32_t QORDA_CALL Strip(char* text);

#ifdef __cplusplus
}
#endif

#endif
