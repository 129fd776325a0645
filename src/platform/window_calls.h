// The two window-system calls of the host type list: SendMessageA to the
// caller's list box or combo box and LoadStringA from its module. On Windows
// they are the real calls; elsewhere the handles are the caller's
// QORDA_ListControl and QORDA_StringTable stand-ins.
#pragma once

#include <cstdint>

#include "qordahosts.h"

namespace qorda {

// SendMessageA: the add and insert messages answer the item's position or
// -1, the count message the number of items. A null control answers 0.
intptr_t SendControlMessage(QORDA_ControlHandle control, uint32_t message, uintptr_t wparam,
                            intptr_t lparam);

// LoadStringA: copies string id into buffer (at most size - 1 characters and
// a terminator) and answers the number copied, 0 when there is none.
int32_t LoadModuleString(QORDA_ModuleHandle module, uint32_t id, char* buffer, int32_t size);

}  // namespace qorda
