// Decoding lines into Entry objects: one line at a time, a whole buffer in
// one pass, or a listing in chunks of lines.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <cstdint>

namespace qorda::python {

// decode_line(line, host_type, cwd, prefix, encoding) -> Entry | None
PyObject* DecodeLineFunction(PyObject* module, PyObject* args);

// Creates the Decoder type, which decodes one listing, and adds it to the module.
bool AddDecoderType(PyObject* module);

}  // namespace qorda::python
