/* A caller built against the installed library, in C. */
#include <qordahosts.h>
#include <stdio.h>
#include <string.h>

int main(void) {
  ListingEntry entry;
  const int32_t length =
      QORDA_DecodeLine(&entry, "-rw-r--r--   1 owner  group  1234 Jan 12  2019 notes.txt",
                       HOST_TYPE_BASE + 10, "", "");
  const char* name = QORDA_ReturnHostTypeName(NULL, HOST_TYPE_BASE + 10);
  if (length != 9 || strcmp(entry.name, "notes.txt") != 0 || entry.size != 1234 ||
      QORDA_ReturnMaxHostTypes() != 73 || name == NULL) {
    fprintf(stderr, "consumer: unexpected result %d '%s'\n", (int)length, entry.name);
    return 1;
  }
  printf("%s %s %lld\n", name, entry.name, (long long)entry.size);
  return 0;
}
