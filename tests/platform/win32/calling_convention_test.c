/* A 32-bit client written against the DLL's binary interface, as one in
   another language is: no header of ours, the DLL loaded by name, each
   export found with GetProcAddress and declared here as the interface
   promises it, WINAPI (__stdcall: the callee removes its arguments) with 4
   bytes for every argument (int32, uint32, pointer). Tests that include
   the header would still pass if __stdcall went from both sides.
   Built a second time with MISDECLARE_DETECT, one export declared __cdecl as
   a careless client would: that build must report the moved stack. */
#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <windows.h>

#ifdef MISDECLARE_DETECT
#define DETECT_CALL __cdecl
#else
#define DETECT_CALL __stdcall
#endif

struct Client {
  int32_t(__stdcall* decodeLine)(void* entry, const char* line, int32_t hostType,
                                 const char* currentDirectory, const char* datasetPrefix);
  int32_t(__stdcall* strip)(char* text);
  int32_t(__stdcall* addHostTypes)(HINSTANCE module, HWND control, int32_t isComboBox,
                                   uint32_t protocolFilter);
  int32_t(__stdcall* deleteHostTypes)(void* reserved, HWND control, int32_t isComboBox);
  const char*(__stdcall* hostTypeName)(void* module, int32_t hostType);
  int32_t(__stdcall* maxHostTypes)(void);
  int32_t(__stdcall* setHostProtocol)(void* reserved, int32_t hostType, uint32_t bits, int32_t set);
  int32_t(DETECT_CALL* detectFromSyst)(const char* reply, int32_t currentType);
  int32_t(__stdcall* autoCheck)(const char* text, int32_t currentType);
};

/* What one round of calls saw; the record is read at the interface's offsets. */
struct Results {
  unsigned char entry[536];
  char text[16];
  int32_t decoded, stripped, added, listed, itemData, deleted, emptied, count, syst, greeting;
  const char* name;
};

static const char kUnixLine[] = "-rw-r--r--   1 owner  group  1234 Jan 12  2019 read me.txt\r\n";
static int failures;

static void Check(int ok, const char* what) {
  if (ok) return;
  ++failures;
  printf("FAILED: %s\n", what);
}

static inline uintptr_t StackPointer(void) {
  uintptr_t pointer;
  __asm__ volatile("movl %%esp, %0" : "=r"(pointer) : : "memory");
  return pointer;
}

/* Makes the call and returns the export's name from the caller if the stack
   pointer moved; the caller's frame pointer puts it back on return, so that
   a wrong declaration is reported rather than crashed on. */
#define MEASURED(name, call)                   \
  do {                                         \
    uintptr_t before = StackPointer();         \
    call;                                      \
    if (StackPointer() != before) return name; \
  } while (0)

/* One call of each export through its declared type, on real inputs. */
static const char* __attribute__((noinline))
CallEach(const struct Client* c, HINSTANCE module, HWND listBox, struct Results* r) {
  strcpy(r->text, "name \t\r\n");
  MEASURED("QORDA_DecodeLine", r->decoded = c->decodeLine(r->entry, kUnixLine, 6010, "", ""));
  MEASURED("Strip", r->stripped = c->strip(r->text));
  /* No type has bit 0x8 but the one given it, so the box gets AUTO and Unix. */
  MEASURED("QORDA_SetHostProtocol", c->setHostProtocol(NULL, 6010, 0x8, 1));
  MEASURED("QORDA_AddHostTypesToListBox", r->added = c->addHostTypes(module, listBox, 0, 0x8));
  r->listed = (int32_t)SendMessageA(listBox, LB_GETCOUNT, 0, 0);
  r->itemData = (int32_t)SendMessageA(listBox, LB_GETITEMDATA, 1, 0);
  MEASURED("QORDA_DeleteHostTypes", r->deleted = c->deleteHostTypes(NULL, listBox, 0));
  r->emptied = (int32_t)SendMessageA(listBox, LB_GETCOUNT, 0, 0);
  MEASURED("QORDA_SetHostProtocol", c->setHostProtocol(NULL, 6010, 0x8, 0));
  MEASURED("QORDA_ReturnHostTypeName", r->name = c->hostTypeName(NULL, 6010));
  MEASURED("QORDA_ReturnMaxHostTypes", r->count = c->maxHostTypes());
  MEASURED("QORDA_DetectFromSystString", r->syst = c->detectFromSyst("215 UNIX Type: L8", 6000));
  MEASURED("QORDA_DoAutoCheck", r->greeting = c->autoCheck("220 Serv-U FTP Server ready", 6000));
  return NULL;
}

static void CheckResults(const struct Results* r) {
  int64_t size;
  uint16_t year;
  memcpy(&size, r->entry + 8, sizeof size);
  memcpy(&year, r->entry, sizeof year);
  Check(r->decoded == 11 && strcmp((const char*)r->entry + 21, "read me.txt") == 0, "Unix name");
  Check(size == 1234 && year == 2019 && r->entry[2] == 1 && r->entry[3] == 12, "Unix fields");
  Check(r->stripped == 4 && strcmp(r->text, "name") == 0, "Strip");
  Check(r->added == 2 && r->listed == 2 && r->itemData == 6010, "list box filled");
  Check(r->deleted == 0 && r->emptied == 0, "list box emptied");
  Check(r->count == 73 && r->name != NULL && strcmp(r->name, "Unix (Standard)") == 0,
        "host type count and name");
  Check(r->syst == 6010 && r->greeting == 6033, "detection");
}

/* Pushes count 4-byte arguments, the last first, calls function and returns
   how many bytes of them it removed. The stack pointer is put back from the
   frame pointer whatever the callee did. */
uint32_t CallCountingPops(FARPROC function, const uint32_t* arguments, uint32_t count);
__asm__(
    ".text\n"
    ".globl _CallCountingPops\n"
    "_CallCountingPops:\n"
    "  pushl %ebp; movl %esp, %ebp; pushl %esi; pushl %edi\n"
    "  movl 12(%ebp), %esi; movl 16(%ebp), %ecx\n"
    "1: jecxz 2f; pushl -4(%esi,%ecx,4); decl %ecx; jmp 1b\n"
    "2: movl %esp, %edi; call *8(%ebp)\n"
    "  movl %esp, %eax; subl %edi, %eax\n"
    "  leal -8(%ebp), %esp; popl %edi; popl %esi; popl %ebp; ret\n");

int main(void) {
  HINSTANCE module = GetModuleHandleA(NULL);
  HMODULE dll = LoadLibraryA("qordahosts.dll");
  HWND listBox =
      CreateWindowExA(0, "LISTBOX", "", WS_POPUP, 0, 0, 100, 100, NULL, NULL, module, NULL);
  if (dll == NULL || listBox == NULL) {
    printf("FAILED: no DLL or no list box\n");
    return 1;
  }
  static struct Results r;
  struct {
    const char* name;
    uint32_t arguments[5];
    uint32_t count;
  } exports[] = {
      {"QORDA_DecodeLine",
       {(uintptr_t)r.entry, (uintptr_t)kUnixLine, 6010, (uintptr_t) "", (uintptr_t) ""},
       5},
      {"Strip", {(uintptr_t)r.text}, 1},
      {"QORDA_AddHostTypesToListBox", {(uintptr_t)module, (uintptr_t)listBox, 0, 0x1}, 4},
      {"QORDA_DeleteHostTypes", {0, (uintptr_t)listBox, 0}, 3},
      {"QORDA_ReturnHostTypeName", {0, 6010}, 2},
      {"QORDA_ReturnMaxHostTypes", {0}, 0},
      {"QORDA_SetHostProtocol", {0, 6010, 0, 1}, 4},
      {"QORDA_DetectFromSystString", {(uintptr_t) "215 UNIX Type: L8", 6000}, 2},
      {"QORDA_DoAutoCheck", {(uintptr_t) "220 Serv-U FTP Server ready", 6000}, 2},
  };
  FARPROC found[9];
  for (int i = 0; i < 9; ++i) {
    found[i] = GetProcAddress(dll, exports[i].name);
    Check(found[i] != NULL, exports[i].name);
  }
  if (failures > 0) return 1;

  struct Client client = {(void*)found[0], (void*)found[1], (void*)found[2],
                          (void*)found[3], (void*)found[4], (void*)found[5],
                          (void*)found[6], (void*)found[7], (void*)found[8]};
  const char* moved = NULL;
  for (int round = 0; round < 1000 && moved == NULL; ++round) {
    moved = CallEach(&client, module, listBox, &r);
  }
  if (moved != NULL) {
    printf("FAILED: the stack pointer moved over a call of %s\n", moved);
    ++failures;
  }
  CheckResults(&r);

  for (int i = 0; i < 9; ++i) {
    uint32_t removed = CallCountingPops(found[i], exports[i].arguments, exports[i].count);
    if (removed == 4 * exports[i].count) continue;
    printf("FAILED: %s removed %u bytes, not %u\n", exports[i].name, removed, 4 * exports[i].count);
    ++failures;
  }
  printf("%s: %d failed checks\n", failures == 0 ? "PASSED" : "FAILED", failures);
  return failures == 0 ? 0 : 1;
}
