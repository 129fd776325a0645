#include "platform/window_calls.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace qorda {

#if defined(_WIN32)

intptr_t SendControlMessage(QORDA_ControlHandle control, uint32_t message, uintptr_t wparam,
                            intptr_t lparam) {
  return static_cast<intptr_t>(SendMessageA(static_cast<HWND>(control), message,
                                            static_cast<WPARAM>(wparam),
                                            static_cast<LPARAM>(lparam)));
}

int32_t LoadModuleString(QORDA_ModuleHandle module, uint32_t id, char* buffer, int32_t size) {
  return LoadStringA(static_cast<HINSTANCE>(module), id, buffer, size);
}

#else

intptr_t SendControlMessage(QORDA_ControlHandle control, uint32_t message, uintptr_t wparam,
                            intptr_t lparam) {
  if (control == nullptr || control->send_message == nullptr) return 0;
  return control->send_message(control->context, message, wparam, lparam);
}

int32_t LoadModuleString(QORDA_ModuleHandle module, uint32_t id, char* buffer, int32_t size) {
  if (module == nullptr || module->load_string == nullptr) return 0;
  return module->load_string(module->context, id, buffer, size);
}

#endif

}  // namespace qorda
