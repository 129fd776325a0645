/* A caller written in C against the shared library: it answers the list
   messages and the string load through the stand-in structs of the public
   header, as a toolkit without Windows would. Exits non-zero on a fault. */
#include <stdio.h>
#include <string.h>

#include "qordahosts.h"

enum { kCapacity = 80 };

typedef struct Items {
  char text[kCapacity][32];
  intptr_t data[kCapacity];
  int count;
  intptr_t selection;
} Items;

static intptr_t SendMessageToItems(void* context, uint32_t message, uintptr_t wparam,
                                   intptr_t lparam) {
  Items* items = (Items*)context;
  const char* text = (const char*)lparam;
  int position;
  switch (message) {
    case QORDA_CB_ADDSTRING:
    case QORDA_CB_INSERTSTRING:
      if (items->count == kCapacity) return -1;
      position = message == QORDA_CB_ADDSTRING ? items->count : (int)wparam;
      memmove(items->text[position + 1], items->text[position],
              (size_t)(items->count - position) * sizeof items->text[0]);
      memmove(&items->data[position + 1], &items->data[position],
              (size_t)(items->count - position) * sizeof items->data[0]);
      snprintf(items->text[position], sizeof items->text[0], "%s", text);
      items->data[position] = 0;
      items->count++;
      return position;
    case QORDA_CB_SETITEMDATA:
      items->data[wparam] = lparam;
      return 0;
    case QORDA_CB_SETCURSEL:
      items->selection = (intptr_t)wparam;
      return 0;
    case QORDA_CB_GETCOUNT:
      return items->count;
    case QORDA_CB_DELETESTRING:
      memmove(items->text[0], items->text[1], (size_t)(items->count - 1) * sizeof items->text[0]);
      memmove(&items->data[0], &items->data[1], (size_t)(items->count - 1) * sizeof items->data[0]);
      return --items->count;
    default:
      return -1; /* only combo box messages are expected here */
  }
}

/* String 188 is 40 characters long; the label keeps the first 31. */
static int32_t LoadFromResources(void* context, uint32_t id, char* buffer, int32_t size) {
  const char* label = (const char*)context;
  size_t copied = strlen(label);
  if (id != 188 || size < 1) return 0;
  if (copied > (size_t)size - 1) copied = (size_t)size - 1;
  memcpy(buffer, label, copied);
  buffer[copied] = '\0';
  return (int32_t)copied;
}

static int failures = 0;
static void Check(int passed, const char* what) {
  if (!passed) {
    fprintf(stderr, "failed: %s\n", what);
    failures++;
  }
}

int main(void) {
  static Items items;
  QORDA_ListControl control = {SendMessageToItems, &items};
  char label[] = "Automatische Erkennung des Servertyps!!!";
  QORDA_StringTable strings = {LoadFromResources, label};
  char other[] = "Automatic";
  QORDA_StringTable otherStrings = {LoadFromResources, other};

  items.selection = -1;
  Check(QORDA_AddHostTypesToListBox(&strings, &control, 1, 0x4) == 4, "filter 0x4 adds 4");
  Check(items.count == 4 && items.selection == 0, "4 items, AUTO selected");
  Check(strcmp(items.text[0], "Automatische Erkennung des Serv") == 0, "label cut to 31");
  Check(items.data[0] == 6000 && items.data[1] == 6069 && items.data[2] == 6071 &&
            items.data[3] == 6072,
        "item data 6000, 6069, 6071, 6072");
  Check(strcmp(items.text[3], "Apache") == 0, "Apache last");

  Check(QORDA_DeleteHostTypes(NULL, &control, 1) == 0 && items.count == 0, "delete empties");

  Check(QORDA_SetHostProtocol(NULL, 6071, 0x1, 1) == 0, "set returns 0");
  Check(QORDA_SetHostProtocol(NULL, 10, 0x1, 0) == 0, "clear returns 0");
  Check(QORDA_SetHostProtocol(NULL, 6073, 0x1, 0) == 0, "outside returns 0");
  Check(QORDA_AddHostTypesToListBox(&otherStrings, &control, 1, 0x1) == 71, "filter 0x1 adds 71");
  Check(strcmp(items.text[0], "Automatische Erkennung des Serv") == 0, "label loaded once");
  Check(strcmp(items.text[10], "VMS MultiNet") == 0, "Unix (Standard) left out");
  Check(strcmp(items.text[70], "Microsoft IIS") == 0, "Microsoft IIS added");
  QORDA_DeleteHostTypes(NULL, &control, 1);

  Check(QORDA_ReturnMaxHostTypes() == 73, "73 host types");
  Check(strcmp(QORDA_ReturnHostTypeName(NULL, 6005), "QB7Q/NOS") == 0, "name of 6005");
  Check(strcmp(QORDA_ReturnHostTypeName(NULL, 0), "AUTO") == 0, "name of 0 is not the label");
  Check(QORDA_ReturnHostTypeName(NULL, 5999) == NULL, "no name for 5999");

  Check(QORDA_DetectFromSystString("215 UNIX Type: L8", 6000) == 6010, "SYST Unix");
  Check(QORDA_DetectFromSystString("215 UNIX MVS", 0) == 6018, "SYST MVS before Unix");
  Check(QORDA_DoAutoCheck("220 Serv-U FTP Server v6.0 ready", 6000) == 6033, "greeting Serv-U");
  Check(QORDA_DoAutoCheck("220 Serv-U FTP Server v6.0 ready", 0) == 0, "greeting keeps 0");
  return failures == 0 ? 0 : 1;
}
