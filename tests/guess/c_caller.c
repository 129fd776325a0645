/* A C caller of the guess library through its public header: a Unix
   listing is guessed as Unix, and the result is filled as the header says. */
#include <string.h>

#include "qordahosts_guess.h"

int main(void) {
  static const char listing[] =
      "total 2\r\n"
      "-rw-r--r--   1 owner    group        1234 Jan 12  2019 notes.txt\r\n"
      "drwxr-xr-x   2 owner    group         512 Mar  3  2020 docs\r\n";
  QORDA_GuessResult result;
  const int32_t guess = QORDA_GuessHostType(listing, strlen(listing), HOST_AUTO, &result);
  return guess != HOST_UNIX_STANDARD || result.linesSampled != 3 ||
         result.candidates[0].hostTypeId != guess || result.current.hostTypeId != HOST_AUTO ||
         QORDA_GuessHostType(NULL, 5, HOST_AUTO, &result) != HOST_AUTO ||
         QORDA_GuessHostType(listing, 9, HOST_AUTO, NULL) != HOST_AUTO;
}
