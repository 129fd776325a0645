/* The public header compiles as C; the caller sees the record's fields at
   the documented offsets. */
#include <stddef.h>

#include "qordahosts.h"

int HeaderOffsetsAsSeenFromC(void) {
  return offsetof(ListingEntry, size) == 8 && offsetof(ListingEntry, name) == 21 &&
         sizeof(ListingEntry) == 536 && KIND_OBJECT == 16 && HOST_TYPE_BASE == 6000;
}

/* The host type list and detection exports and the list control stand-in
   are declared as C: their prototypes take these function pointer types. */
int HeaderHostTypeExportsAsSeenFromC(void) {
  int32_t(QORDA_CALL * add)(QORDA_ModuleHandle, QORDA_ControlHandle, int32_t, uint32_t) =
      QORDA_AddHostTypesToListBox;
  int32_t(QORDA_CALL * remove)(QORDA_ModuleHandle, QORDA_ControlHandle, int32_t) =
      QORDA_DeleteHostTypes;
  const char*(QORDA_CALL * name)(QORDA_ModuleHandle, int32_t) = QORDA_ReturnHostTypeName;
  int32_t(QORDA_CALL * count)(void) = QORDA_ReturnMaxHostTypes;
  int32_t(QORDA_CALL * setProtocol)(QORDA_ModuleHandle, int32_t, uint32_t, int32_t) =
      QORDA_SetHostProtocol;
  int32_t(QORDA_CALL * syst)(const char*, int32_t) = QORDA_DetectFromSystString;
  int32_t(QORDA_CALL * greeting)(const char*, int32_t) = QORDA_DoAutoCheck;
  int messagesMatch = QORDA_LB_ADDSTRING == 0x0180 && QORDA_LB_INSERTSTRING == 0x0181 &&
                      QORDA_LB_DELETESTRING == 0x0182 && QORDA_LB_SETCURSEL == 0x0186 &&
                      QORDA_LB_GETCOUNT == 0x018B && QORDA_LB_SETITEMDATA == 0x019A &&
                      QORDA_CB_ADDSTRING == 0x0143 && QORDA_CB_DELETESTRING == 0x0144 &&
                      QORDA_CB_GETCOUNT == 0x0146 && QORDA_CB_INSERTSTRING == 0x014A &&
                      QORDA_CB_SETCURSEL == 0x014E && QORDA_CB_SETITEMDATA == 0x0151;
#if !defined(_WIN32)
  QORDA_ListControl control = {NULL, NULL};
  QORDA_StringTable strings = {NULL, NULL};
  QORDA_ControlHandle controlHandle = &control;
  QORDA_ModuleHandle moduleHandle = &strings;
  if (controlHandle->send_message != NULL || moduleHandle->load_string != NULL) return 0;
#endif
  return messagesMatch && add != NULL && remove != NULL && name != NULL && count != NULL &&
         setProtocol != NULL && syst != NULL && greeting != NULL;
}
