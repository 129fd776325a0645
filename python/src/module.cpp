// qordahosts._core: the library's decoder, detectors and host type table,
// compiled in, as the Python package calls them.
#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <cstring>

#include "decoding.h"
#include "entry.h"
#include "qordahosts.h"
#include "qordahosts_guess.h"

namespace qorda::python {
namespace {

// A detector of the library over the text the package hands over as bytes
// without a NUL.
template <auto Detect>
PyObject* DetectFunction(PyObject*, PyObject* args) {
  const char* text;
  int32_t currentType;
  if (!PyArg_ParseTuple(args, "yi", &text, &currentType)) return nullptr;
  return PyLong_FromLong(Detect(text, currentType));
}

PyObject* HostTypeNamesFunction(PyObject*, PyObject*) {
  const int32_t count = QORDA_ReturnMaxHostTypes();
  PyObject* names = PyList_New(count);
  if (names == nullptr) return nullptr;
  for (int32_t index = 0; index < count; ++index) {
    const char* text = QORDA_ReturnHostTypeName(nullptr, index);
    PyObject* name =
        PyUnicode_DecodeLatin1(text, static_cast<Py_ssize_t>(std::strlen(text)), nullptr);
    if (name == nullptr) {
      Py_DECREF(names);
      return nullptr;
    }
    PyList_SET_ITEM(names, index, name);
  }
  return names;
}

PyObject* CandidateTuple(const QORDA_GuessCandidate& candidate) {
  return Py_BuildValue("(iiiiii)", candidate.hostTypeId, candidate.score, candidate.linesRead,
                       candidate.entries, candidate.linesTried, candidate.sameRecordsAs);
}

// guess(data, current) -> (host type, verdict, lines sampled, tied count,
// runner-up index, current's candidate, [candidate, ...]); a candidate is
// (id, score, lines read, entries, lines tried, same records as). The
// guess keeps no state, so it runs without the GIL and needs no lock.
PyObject* GuessFunction(PyObject*, PyObject* args) {
  Py_buffer data;
  int32_t currentType;
  if (!PyArg_ParseTuple(args, "y*i", &data, &currentType)) return nullptr;
  QORDA_GuessResult result;
  Py_BEGIN_ALLOW_THREADS;
  QORDA_GuessHostType(static_cast<const char*>(data.buf), static_cast<size_t>(data.len),
                      currentType, &result);
  Py_END_ALLOW_THREADS;
  PyBuffer_Release(&data);
  PyObject* candidates = PyList_New(result.candidateCount);
  if (candidates == nullptr) return nullptr;
  for (int32_t index = 0; index < result.candidateCount; ++index) {
    PyObject* candidate = CandidateTuple(result.candidates[index]);
    if (candidate == nullptr) {
      Py_DECREF(candidates);
      return nullptr;
    }
    PyList_SET_ITEM(candidates, index, candidate);
  }
  PyObject* current = CandidateTuple(result.current);
  if (current == nullptr) {
    Py_DECREF(candidates);
    return nullptr;
  }
  return Py_BuildValue("(iiiiiNN)", result.hostTypeId, result.verdict, result.linesSampled,
                       result.tiedCount, result.runnerUp, current, candidates);
}

bool AddConstants(PyObject* module) {
  static constexpr struct {
    const char* name;
    long value;
  } kConstants[] = {
      {"HOST_TYPE_BASE", HOST_TYPE_BASE},
      {"KIND_UNSTATED", KIND_UNSTATED},
      {"KIND_FILE", KIND_FILE},
      {"KIND_LINK", KIND_LINK},
      {"KIND_DIRECTORY", KIND_DIRECTORY},
      {"KIND_OBJECT", KIND_OBJECT},
      {"GUESS_MAX_LINES", QORDA_GUESS_MAX_LINES},
      {"GUESS_MAX_BYTES", QORDA_GUESS_MAX_BYTES},
  };
  for (const auto& constant : kConstants) {
    if (PyModule_AddIntConstant(module, constant.name, constant.value) < 0) return false;
  }
  return true;
}

PyMethodDef gFunctions[] = {
    {"decode_line", DecodeLineFunction, METH_VARARGS,
     "decode_line(line, host_type, cwd, prefix, encoding) -> Entry | None"},
    {"detect_from_syst", DetectFunction<QORDA_DetectFromSystString>, METH_VARARGS,
     "detect_from_syst(reply: bytes, current: int) -> int"},
    {"detect_from_greeting", DetectFunction<QORDA_DoAutoCheck>, METH_VARARGS,
     "detect_from_greeting(text: bytes, current: int) -> int"},
    {"guess", GuessFunction, METH_VARARGS,
     "guess(data: bytes, current: int) -> (id, verdict, lines, tied, runner_up, current, "
     "candidates)"},
    {"host_type_names", HostTypeNamesFunction, METH_NOARGS,
     "The display names of the host type table, by index (id - 6000)."},
    {"_set_kind_members", SetKindMembers, METH_O,
     "Gives Entry.kind the package's Kind members, a tuple indexed by kind value."},
    {nullptr, nullptr, 0, nullptr},
};

PyModuleDef gModule = {
    PyModuleDef_HEAD_INIT,
    "qordahosts._core",
    "The library's decoder, detectors and host type table, compiled in.",
    -1,
    gFunctions,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
};

}  // namespace
}  // namespace qorda::python

PyMODINIT_FUNC PyInit__core() {
  using namespace qorda::python;
  PyObject* module = PyModule_Create(&gModule);
  if (module == nullptr) return nullptr;
  if (!AddEntryType(module) || !AddDecoderType(module) || !AddConstants(module)) {
    Py_DECREF(module);
    return nullptr;
  }
  return module;
}
