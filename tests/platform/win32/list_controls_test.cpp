// The host type list exports against real Win32 controls: a list box and a
// combo box, each unsorted and sorted. What the library's own tests check
// against stand-in controls must hold for the real ones too: the items and
// their data, the AUTO label cut from the caller's string table, the
// selection, the counts and the emptying. Prints each failed check and
// exits non-zero if there was one.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "qordahosts.h"
#include "strings.h"

namespace {

int failures = 0;

void Check(bool ok, const char* what, const std::string& detail = "") {
  if (ok) return;
  ++failures;
  std::printf("FAILED: %s %s\n", what, detail.c_str());
}

struct ControlKind {
  const char* className;
  DWORD style;
  int32_t isComboBox;
  UINT getCount, getText, getTextLength, getItemData, getCurSel;
  const char* description;
};

const ControlKind kControls[] = {
    {"LISTBOX", 0, 0, LB_GETCOUNT, LB_GETTEXT, LB_GETTEXTLEN, LB_GETITEMDATA, LB_GETCURSEL,
     "list box"},
    {"LISTBOX", LBS_SORT, 0, LB_GETCOUNT, LB_GETTEXT, LB_GETTEXTLEN, LB_GETITEMDATA, LB_GETCURSEL,
     "sorted list box"},
    {"COMBOBOX", CBS_DROPDOWNLIST, 1, CB_GETCOUNT, CB_GETLBTEXT, CB_GETLBTEXTLEN, CB_GETITEMDATA,
     CB_GETCURSEL, "combo box"},
    {"COMBOBOX", CBS_DROPDOWNLIST | CBS_SORT, 1, CB_GETCOUNT, CB_GETLBTEXT, CB_GETLBTEXTLEN,
     CB_GETITEMDATA, CB_GETCURSEL, "sorted combo box"},
};

std::string ItemText(HWND control, const ControlKind& kind, int index) {
  LRESULT length = SendMessageA(control, kind.getTextLength, index, 0);
  if (length < 0) return "<none>";
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(control, kind.getText, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

// Checks a control filled with the given filter: AUTO under its label, on
// top and selected, then every type of the filter once with its id as data,
// in table order unless the control sorts.
void CheckFilled(HWND control, const ControlKind& kind, HINSTANCE module,
                 const std::set<intptr_t>& expectedIds, const std::string& label) {
  std::string where = std::string(kind.description);
  LRESULT count = SendMessageA(control, kind.getCount, 0, 0);
  Check(count == static_cast<LRESULT>(expectedIds.size()) + 1, "count", where);
  Check(ItemText(control, kind, 0) == label, "AUTO label",
        where + ": " + ItemText(control, kind, 0));
  Check(SendMessageA(control, kind.getItemData, 0, 0) == 6000, "AUTO data", where);
  Check(SendMessageA(control, kind.getCurSel, 0, 0) == 0, "selection", where);

  std::set<intptr_t> seen;
  intptr_t previous = 6000;
  for (int index = 1; index < count; ++index) {
    intptr_t id = static_cast<intptr_t>(SendMessageA(control, kind.getItemData, index, 0));
    const char* name = QORDA_ReturnHostTypeName(module, static_cast<int32_t>(id));
    std::string text = ItemText(control, kind, index);
    Check(name != nullptr && text == name, "item data matches text", where + ": " + text);
    Check(seen.insert(id).second, "item listed once", where + ": " + text);
    bool sorted = (kind.style & (LBS_SORT | CBS_SORT)) != 0;
    if (!sorted) Check(id > previous, "table order", where + ": " + text);
    previous = id;
  }
  Check(seen == expectedIds, "the filter's types", where);
}

void CheckControl(const ControlKind& kind, HINSTANCE module, const std::string& label) {
  HWND control = CreateWindowExA(0, kind.className, "", WS_POPUP | WS_VSCROLL | kind.style, 0, 0,
                                 200, 300, nullptr, nullptr, module, nullptr);
  Check(control != nullptr, "control created", kind.description);
  if (control == nullptr) return;

  std::set<intptr_t> everyFtpType;
  for (intptr_t id = 6001; id <= 6070; ++id) everyFtpType.insert(id);
  Check(QORDA_AddHostTypesToListBox(module, control, kind.isComboBox, 0x1) == 71, "fill 0x1",
        kind.description);
  CheckFilled(control, kind, module, everyFtpType, label);

  QORDA_DeleteHostTypes(nullptr, control, kind.isComboBox);
  Check(SendMessageA(control, kind.getCount, 0, 0) == 0, "emptied", kind.description);

  Check(QORDA_AddHostTypesToListBox(module, control, kind.isComboBox, 0x4) == 4, "fill 0x4",
        kind.description);
  CheckFilled(control, kind, module, {6069, 6071, 6072}, label);
  QORDA_DeleteHostTypes(nullptr, control, kind.isComboBox);
  Check(SendMessageA(control, kind.getCount, 0, 0) == 0, "emptied", kind.description);

  DestroyWindow(control);
}

void CheckDecoding() {
  ListingEntry entry;
  int32_t length = QORDA_DecodeLine(
      &entry, "-rw-r--r--   1 owner    group        1234 Jan 12  2019 read me.txt", 6010, "", "");
  Check(length == 11 && std::strcmp(entry.name, "read me.txt") == 0, "Unix line", entry.name);
  Check(entry.size == 1234 && entry.year == 2019 && entry.month == 1 && entry.day == 12,
        "Unix fields");
  Check((entry.flags & FLAG_MODE_VALID) != 0 && entry.mode == 0644, "Unix mode");

  length =
      QORDA_DecodeLine(&entry, "01-05-23  12:07AM       <DIR>          Old Files", 6016, "", "");
  Check(length == 9 && entry.kind == KIND_DIRECTORY && entry.hour == 0, "NT directory", entry.name);

  Check(QORDA_DetectFromSystString("215 UNIX Type: L8", 6000) == 6010, "SYST detection");
  Check(QORDA_ReturnMaxHostTypes() == 73, "host type count");
}

}  // namespace

int main() {
  HINSTANCE module = GetModuleHandleA(nullptr);
  char expected[64] = {};
  LoadStringA(module, IDS_AUTO_LABEL, expected, sizeof expected);
  // The label keeps the first 31 characters of string 188.
  std::string label(expected, 31);

  for (const ControlKind& kind : kControls) CheckControl(kind, module, label);
  CheckDecoding();

  std::printf("%s: %d failed checks\n", failures == 0 ? "PASSED" : "FAILED", failures);
  return failures == 0 ? 0 : 1;
}
