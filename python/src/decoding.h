// Decoding lines into Entry objects: one line at a time, a whole buffer in
// one pass, or a listing in chunks of lines.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <cstdint>

namespace qorda::python {

// Where an argument came from, for error messages that name it:
// "decode_line() argument 'cwd'", "decode_listing(): line 12 of data".
struct ArgumentName {
  const char* function;
  const char* argument;
  int64_t lineNumber = 0;  // 0 for a whole argument
};

// A new reference to the bytes of a text argument: bytes as they are, str
// encoded in `encoding` with "surrogateescape". Null with a TypeError or
// ValueError naming the argument when it is neither, cannot be encoded or
// holds a NUL, which would end it early for the library.
PyObject* BytesOfText(PyObject* value, const char* encoding, const ArgumentName& name);

// decode_line(line, host_type, cwd, prefix, encoding) -> Entry | None
PyObject* DecodeLineFunction(PyObject* module, PyObject* args);

// Creates the Decoder type, which decodes one listing, and adds it to the module.
bool AddDecoderType(PyObject* module);

}  // namespace qorda::python
