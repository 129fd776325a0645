/* qordahosts_guess: which host type wrote a listing, guessed from its first
   lines when neither the caller nor the server's greeting and SYST reply
   says so. A library of its own beside qordahosts, which it leaves as it
   is: link with qordahosts_guess, decode with qordahosts. The header is
   valid C (C99 or later) and C++.

     QORDA_GuessResult guess;
     QORDA_GuessHostType(listing, length, HOST_AUTO, &guess);
     then decode every line with QORDA_DecodeLine(..., guess.hostTypeId, ...)

   The guess decodes the sampled lines with a listing state of its own: the
   decoding that follows gets the same records as if no guess had been
   made. Nothing is allocated and nothing is kept between calls; calls from
   several threads at once are safe. */
#ifndef QORDAHOSTS_GUESS_H
#define QORDAHOSTS_GUESS_H

#include <stddef.h>
#include <stdint.h>

#include "qordahosts.h" /* QORDA_CALL and the HOST_ ids */

#if defined(_WIN32)
#if defined(QORDA_BUILDING_GUESS_LIBRARY)
#define QORDA_GUESS_API
#else
#define QORDA_GUESS_API __declspec(dllimport)
#endif
#elif defined(__GNUC__)
#define QORDA_GUESS_API __attribute__((visibility("default")))
#else
#define QORDA_GUESS_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

enum {
  /* The guess reads at most this many lines, within this many bytes, from
     the start of the listing; the rest is never looked at. */
  QORDA_GUESS_MAX_LINES = 64,
  QORDA_GUESS_MAX_BYTES = 16384,
  /* Room for every way of reading a listing: one candidate per parser, and
     one per host type whose parser reads its lines in a way of its own. */
  QORDA_GUESS_MAX_CANDIDATES = 64
};

/* How sure the guess is. */
enum {
  /* No candidate reads the lines well: hostTypeId is HOST_AUTO. Also for an
     empty sample. */
  QORDA_GUESS_NONE = 0,
  /* The lines hold names and nothing more (no dates, sizes or times): a
     plain name list, or text that is no listing. hostTypeId is the reading
     that fits best, usually HOST_NAME_LIST. */
  QORDA_GUESS_NAMES_ONLY = 1,
  /* The best reading is ahead of the next different one, but not by much. */
  QORDA_GUESS_CLOSE = 2,
  /* The best reading is clearly ahead of every different one. */
  QORDA_GUESS_CLEAR = 3
};

/* One way of reading the sampled lines: how a host type decodes them. */
typedef struct QORDA_GuessCandidate {
  int32_t hostTypeId;
  /* 0 to 1000: how much of the sampled lines its records explain (fields
     and names that match the text, the dialect's headings and totals
     dropped), less what they get wrong (column debris in names, dates that
     are not in the line, lines of entries dropped). */
  int32_t score;
  /* Sampled lines it reads well: entries with their fields, and headings,
     totals and continuation lines it drops. */
  int32_t linesRead;
  /* Sampled lines that give an entry, read well or not. */
  int32_t entries;
  /* Sampled lines it was tried on: all of them, unless it fell far behind
     the best and was dropped on the way. The counts above are of these. */
  int32_t linesTried;
  /* 0, or the host type id of a candidate ranked before this one that
     decodes every sampled line to the same records: the two cannot be told
     apart from these lines. */
  int32_t sameRecordsAs;
} QORDA_GuessCandidate;

typedef struct QORDA_GuessResult {
  /* The guess: the best candidate's host type, or HOST_AUTO when verdict
     is QORDA_GUESS_NONE. */
  int32_t hostTypeId;
  int32_t verdict;      /* a QORDA_GUESS_ value */
  int32_t linesSampled; /* non-blank lines looked at */
  int32_t bytesSampled; /* bytes looked at, line ends included */
  /* Candidates right behind the best with the same records (their
     sameRecordsAs is the best's id): host types tied with the guess. */
  int32_t tiedCount;
  /* Index in candidates of the best reading whose records differ from the
     guess's, or -1 when there is none. */
  int32_t runnerUp;
  int32_t candidateCount;
  /* Every candidate, best first; readings of equal records follow the one
     they equal, the most common host type first. */
  QORDA_GuessCandidate candidates[QORDA_GUESS_MAX_CANDIDATES];
  /* How the host type passed as currentType reads the same lines, for a
     caller that wants to know whether the type it has is wrong. */
  QORDA_GuessCandidate current;
} QORDA_GuessResult;

/* The layouts are part of the interface: every field is a 32-bit integer,
   with no padding, so that bindings (ctypes and the like) mirror them. */
#ifdef __cplusplus
#define QORDA_GUESS_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#else
#define QORDA_GUESS_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif
QORDA_GUESS_STATIC_ASSERT(sizeof(QORDA_GuessCandidate) == 24, "QORDA_GuessCandidate is 24 bytes");
QORDA_GUESS_STATIC_ASSERT(offsetof(QORDA_GuessResult, candidates) == 28, "candidates at 28");
QORDA_GUESS_STATIC_ASSERT(sizeof(QORDA_GuessResult) == 1588, "QORDA_GuessResult is 1588 bytes");
#undef QORDA_GUESS_STATIC_ASSERT

/* Guesses the host type of a listing from its first bytes: the reply to
   LIST as received, or any leading part of it (a whole listing is fine;
   only its first QORDA_GUESS_MAX_LINES lines within QORDA_GUESS_MAX_BYTES
   bytes are read). Lines end at LF; a CR before it is dropped, and a NUL
   byte ends a line's text as it does for QORDA_DecodeLine. bytes may be
   null when length is 0. currentType is the host type the caller would
   decode with otherwise (HOST_AUTO when it has none): result->current tells
   how it reads the lines. Fills *result and returns result->hostTypeId;
   returns HOST_AUTO and fills nothing when result is null. */
QORDA_GUESS_API int32_t QORDA_CALL QORDA_GuessHostType(const char* bytes, size_t length,
                                                       int32_t currentType,
                                                       QORDA_GuessResult* result);

#ifdef __cplusplus
}
#endif

#endif
