/* The public header compiles as C: C sees the record's fields at their
   documented offsets, and fills a list box through the stand-in structs. */
#include <stddef.h>

#include "qordahosts.h"

int HeaderOffsetsAsSeenFromC(void) {
  return offsetof(ListingEntry, year) == 0 && offsetof(ListingEntry, second) == 6 &&
         offsetof(ListingEntry, size) == 8 && offsetof(ListingEntry, mode) == 16 &&
         offsetof(ListingEntry, flags) == 18 && offsetof(ListingEntry, kind) == 20 &&
         offsetof(ListingEntry, name) == 21 && sizeof(ListingEntry) == 536 && KIND_OBJECT == 16 &&
         HOST_TYPE_BASE == 6000;
}

static intptr_t CountAdds(void* context, uint32_t message, uintptr_t wparam, intptr_t lparam) {
  (void)wparam, (void)lparam;
  if (message == QORDA_LB_ADDSTRING || message == QORDA_LB_INSERTSTRING) ++*(int*)context;
  return 0;
}

/* The number of items a fill with filter 0x4 adds to a C caller's list box. */
int ItemsAddedFromC(void) {
  int added = 0;
  QORDA_ListControl control = {CountAdds, &added};
  QORDA_AddHostTypesToListBox(NULL, &control, 0, 0x4);
  return added;
}
