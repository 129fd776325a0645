/* The public header compiles as C, and C sees the record's fields at their
   documented offsets. */
#include <stddef.h>

#include "qordahosts.h"

int HeaderOffsetsAsSeenFromC(void) {
  return offsetof(ListingEntry, year) == 0 && offsetof(ListingEntry, second) == 6 &&
         offsetof(ListingEntry, size) == 8 && offsetof(ListingEntry, mode) == 16 &&
         offsetof(ListingEntry, flags) == 18 && offsetof(ListingEntry, kind) == 20 &&
         offsetof(ListingEntry, name) == 21 && sizeof(ListingEntry) == 536 && KIND_OBJECT == 16 &&
         HOST_TYPE_BASE == 6000;
}
