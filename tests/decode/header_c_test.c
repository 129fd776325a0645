/* The public header compiles as C; the caller sees the record's fields at
   the documented offsets. */
#include <stddef.h>

#include "qordahosts.h"

int HeaderOffsetsAsSeenFromC(void) {
  return offsetof(ListingEntry, size) == 8 && offsetof(ListingEntry, name) == 21 &&
         sizeof(ListingEntry) == 536 && KIND_OBJECT == 16 && HOST_TYPE_BASE == 6000;
}
