// The host type list: fills and empties the caller's list box or combo box,
// names the host types and edits their protocol masks.
#include "registry/registry.h"

#include <cstring>

#include "platform/window_calls.h"
#include "registry/host_type_table.h"

namespace qorda {
namespace {

constexpr std::array<uint32_t, kHostTypeCount> LoadTimeMasks() {
  std::array<uint32_t, kHostTypeCount> masks{};
  for (int index = 0; index < kHostTypeCount; ++index) {
    masks[index] = HostTypeTable[index].protocolMask;
  }
  return masks;
}

// The protocol masks, indexed like HostTypeTable. Fed only by
// QORDA_SetHostProtocol; process-wide and not locked.
constinit std::array<uint32_t, kHostTypeCount> ProtocolMasks = LoadTimeMasks();

// The label under which AUTO is listed: string 188 of the first module a
// list fill or name lookup is given, loaded once and never again; "AUTO"
// when that module has no such string. Process-wide and not locked.
struct AutoLabelState {
  char text[32];
  bool labelPending;
};
constinit AutoLabelState AutoLabel = {"AUTO", true};

void LoadAutoLabel(QORDA_ModuleHandle module) {
  if (!AutoLabel.labelPending) return;
  AutoLabel.labelPending = false;
  char loaded[sizeof AutoLabel.text] = {};
  int32_t length = LoadModuleString(module, kAutoLabelStringId, loaded, sizeof loaded);
  if (length <= 0) return;
  // A string table that reports more than it may copy still gets a label
  // of at most 31 characters.
  if (length > static_cast<int32_t>(sizeof loaded) - 1) length = sizeof loaded - 1;
  loaded[length] = '\0';
  std::memcpy(AutoLabel.text, loaded, sizeof loaded);
}

// The messages of one kind of control.
struct ControlMessages {
  uint32_t addString, insertString, setItemData, setCurSel, getCount, deleteString;
};
constexpr ControlMessages kListBoxMessages = {QORDA_LB_ADDSTRING,   QORDA_LB_INSERTSTRING,
                                              QORDA_LB_SETITEMDATA, QORDA_LB_SETCURSEL,
                                              QORDA_LB_GETCOUNT,    QORDA_LB_DELETESTRING};
constexpr ControlMessages kComboBoxMessages = {QORDA_CB_ADDSTRING,   QORDA_CB_INSERTSTRING,
                                               QORDA_CB_SETITEMDATA, QORDA_CB_SETCURSEL,
                                               QORDA_CB_GETCOUNT,    QORDA_CB_DELETESTRING};

const ControlMessages& MessagesFor(int32_t isComboBox) {
  return isComboBox != 0 ? kComboBoxMessages : kListBoxMessages;
}

// LB_ERR and CB_ERR: the control did not take the item.
constexpr intptr_t kControlError = -1;

intptr_t TextParam(const char* text) {
  return reinterpret_cast<intptr_t>(text);
}

}  // namespace

void ResetHostTypesForTesting() {
  ProtocolMasks = LoadTimeMasks();
  AutoLabel = {"AUTO", true};
}

}  // namespace qorda

using qorda::HostTypeTable;
using qorda::kHostTypeCount;

extern "C" int32_t QORDA_CALL QORDA_AddHostTypesToListBox(QORDA_ModuleHandle module,
                                                          QORDA_ControlHandle control,
                                                          int32_t isComboBox,
                                                          uint32_t protocolFilter) {
  qorda::LoadAutoLabel(module);
  const qorda::ControlMessages& messages = qorda::MessagesFor(isComboBox);
  int32_t added = 0;
  // AUTO (index 0) is not filtered: it is inserted on top afterwards.
  for (int index = 1; index < kHostTypeCount; ++index) {
    if ((qorda::ProtocolMasks[index] & protocolFilter) == 0) continue;
    intptr_t position = qorda::SendControlMessage(control, messages.addString, 0,
                                                  qorda::TextParam(HostTypeTable[index].name));
    if (position == qorda::kControlError) continue;
    ++added;
    // A sorted control places the item where it belongs, so the data goes
    // to the position it answered.
    qorda::SendControlMessage(control, messages.setItemData, static_cast<uintptr_t>(position),
                              HostTypeTable[index].id);
  }
  intptr_t autoPosition = qorda::SendControlMessage(control, messages.insertString, 0,
                                                    qorda::TextParam(qorda::AutoLabel.text));
  if (autoPosition == qorda::kControlError) return added;
  qorda::SendControlMessage(control, messages.setItemData, static_cast<uintptr_t>(autoPosition),
                            HOST_AUTO);
  qorda::SendControlMessage(control, messages.setCurSel, static_cast<uintptr_t>(autoPosition), 0);
  return added + 1;
}

extern "C" int32_t QORDA_CALL QORDA_DeleteHostTypes(QORDA_ModuleHandle reserved,
                                                    QORDA_ControlHandle control,
                                                    int32_t isComboBox) {
  (void)reserved;
  const qorda::ControlMessages& messages = qorda::MessagesFor(isComboBox);
  intptr_t count = qorda::SendControlMessage(control, messages.getCount, 0, 0);
  // Every item goes, whoever added it.
  while (count > 0) {
    qorda::SendControlMessage(control, messages.deleteString, 0, 0);
    count = qorda::SendControlMessage(control, messages.getCount, 0, 0);
  }
  return 0;
}

extern "C" const char* QORDA_CALL QORDA_ReturnHostTypeName(QORDA_ModuleHandle module,
                                                           int32_t hostType) {
  qorda::LoadAutoLabel(module);
  int index = qorda::HostTypeIndex(hostType);
  return index < 0 ? nullptr : HostTypeTable[index].name;
}

extern "C" int32_t QORDA_CALL QORDA_ReturnMaxHostTypes(void) {
  return kHostTypeCount;
}

extern "C" int32_t QORDA_CALL QORDA_SetHostProtocol(QORDA_ModuleHandle reserved, int32_t hostType,
                                                    uint32_t bits, int32_t set) {
  (void)reserved;
  int index = qorda::HostTypeIndex(hostType);
  if (index < 0) return 0;
  if (set != 0) {
    qorda::ProtocolMasks[index] |= bits;
  } else {
    qorda::ProtocolMasks[index] &= ~bits;
  }
  return 0;
}
