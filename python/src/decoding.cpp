#include "decoding.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <new>
#include <string_view>
#include <vector>

#include "entry.h"
#include "qordahosts.h"

namespace qorda::python {
namespace {

// Where an argument came from, for error messages that name it:
// "decode_line() argument 'cwd'", "decode_listing(): line 12 of data".
struct ArgumentName {
  const char* function;
  const char* argument;
  int64_t lineNumber = 0;  // 0 for a whole argument
};

// The library's AS/400 member memory and Stratus VOS section flags carry
// from one line to the next in process-wide variables, so lines are decoded
// under this lock, taken with the GIL released (decoding runs without it).
// Recursive, because building entries under the lock may run Python code
// (a codec, a finaliser) that decodes a line in the same thread.
std::recursive_mutex gDecoderLock;

// The listing whose lines last fed that state (0: decode_line). A listing
// read in chunks checks it before each chunk, so that two such listings
// read at once fail loudly instead of lending each other dates.
uint64_t gStateOwner = 0;
uint64_t gLastListingSerial = 0;

bool CarriesStateBetweenLines(int32_t hostTypeId) {
  return hostTypeId == HOST_IBM_AS_400 || hostTypeId == HOST_IBM_AS_400_MM_DD_YY ||
         hostTypeId == HOST_IBM_AS_400_DD_MM_YY || hostTypeId == HOST_STRATUS_VOS;
}

// Waits for the lock without holding the GIL, so that the thread holding
// the lock can take the GIL to build its entries.
std::unique_lock<std::recursive_mutex> LockDecoder() {
  std::unique_lock lock(gDecoderLock, std::try_to_lock);
  if (!lock.owns_lock()) {
    PyThreadState* thread = PyEval_SaveThread();
    lock.lock();
    PyEval_RestoreThread(thread);
  }
  return lock;
}

// Allocates through Python's raw allocator, which is safe without the GIL
// and lets tracemalloc see the decoder's buffers beside the entries.
template <typename T>
struct RawAllocator {
  using value_type = T;
  RawAllocator() = default;
  template <typename U>
  RawAllocator(const RawAllocator<U>&) {}
  T* allocate(size_t count) {
    void* memory = PyMem_RawMalloc(count * sizeof(T));
    if (memory == nullptr) throw std::bad_alloc();
    return static_cast<T*>(memory);
  }
  void deallocate(T* memory, size_t) { PyMem_RawFree(memory); }
  friend bool operator==(const RawAllocator&, const RawAllocator&) { return true; }
};

template <typename T>
using RawVector = std::vector<T, RawAllocator<T>>;

struct DecodedLine {
  EntryFields fields;
  size_t nameOffset;
  size_t nameLength;
};

// The entries of a run of lines, kept compactly until the GIL is back.
struct Batch {
  RawVector<DecodedLine> lines;
  RawVector<char> names;
  int64_t nulLineNumber = 0;  // the first line holding a NUL, which stops the run
  bool outOfMemory = false;

  void Clear() {
    lines.clear();
    names.clear();
  }
};

// The library reads at most 511 characters of a line; copying no more lets
// a line of any length, cut from a larger buffer, be decoded in place.
constexpr size_t kDecodedLineLength = 511;

struct LineDecoder {
  int32_t hostTypeId;
  const char* currentDirectory;
  const char* datasetPrefix;

  // Without the GIL.
  void Decode(std::string_view line, Batch& batch) const {
    char copy[kDecodedLineLength + 1];
    const size_t kept = std::min(line.size(), kDecodedLineLength);
    std::memcpy(copy, line.data(), kept);
    copy[kept] = '\0';
    ListingEntry record;
    const int32_t nameLength =
        QORDA_DecodeLine(&record, copy, hostTypeId, currentDirectory, datasetPrefix);
    if (nameLength <= 0) return;
    const size_t length = static_cast<size_t>(nameLength);
    batch.lines.push_back({FieldsOf(record), batch.names.size(), length});
    batch.names.insert(batch.names.end(), record.name, record.name + length);
  }
};

// Appends the batch's entries to the list; false with an exception set.
bool AppendEntries(PyObject* entries, const Batch& batch, const char* encoding, bool utc) {
  for (const DecodedLine& line : batch.lines) {
    PyObject* entry = NewEntry(
        line.fields, std::string_view(batch.names.data() + line.nameOffset, line.nameLength),
        encoding, utc);
    if (entry == nullptr) return false;
    const int appended = PyList_Append(entries, entry);
    Py_DECREF(entry);
    if (appended < 0) return false;
  }
  return true;
}

PyObject* DescribeArgument(const ArgumentName& name) {
  if (name.lineNumber > 0) {
    return PyUnicode_FromFormat("%s(): line %lld of %s", name.function,
                                static_cast<long long>(name.lineNumber), name.argument);
  }
  return PyUnicode_FromFormat("%s() argument '%s'", name.function, name.argument);
}

PyObject* RaiseNulError(const ArgumentName& name) {
  PyObject* what = DescribeArgument(name);
  if (what != nullptr) PyErr_Format(PyExc_ValueError, "%U contains a NUL character", what);
  Py_XDECREF(what);
  return nullptr;
}

// A new reference to the bytes of a text argument: bytes as they are, str
// encoded in `encoding` with "surrogateescape". Null with a TypeError or
// ValueError naming the argument when it is neither, cannot be encoded or
// holds a NUL, which would end it early for the library.
PyObject* BytesOfText(PyObject* value, const char* encoding, const ArgumentName& name) {
  PyObject* bytes = nullptr;
  if (PyBytes_Check(value)) {
    bytes = Py_NewRef(value);
  } else if (PyByteArray_Check(value)) {
    bytes = PyBytes_FromObject(value);
  } else if (PyUnicode_Check(value)) {
    bytes = PyUnicode_AsEncodedString(value, encoding, "surrogateescape");
    if (bytes == nullptr && PyErr_ExceptionMatches(PyExc_UnicodeEncodeError)) {
      PyObject *type, *error, *traceback;
      PyErr_Fetch(&type, &error, &traceback);
      PyObject* what = DescribeArgument(name);
      if (what != nullptr) {
        PyErr_Format(PyExc_ValueError, "%U cannot be encoded in %s: %S", what, encoding, error);
      }
      Py_XDECREF(what);
      Py_XDECREF(type);
      Py_XDECREF(error);
      Py_XDECREF(traceback);
    }
  } else {
    PyObject* what = DescribeArgument(name);
    if (what != nullptr) {
      PyErr_Format(PyExc_TypeError, "%U must be str or bytes, not %.100s", what,
                   Py_TYPE(value)->tp_name);
    }
    Py_XDECREF(what);
  }
  if (bytes == nullptr) return nullptr;
  if (std::memchr(PyBytes_AS_STRING(bytes), '\0', static_cast<size_t>(PyBytes_GET_SIZE(bytes)))) {
    Py_DECREF(bytes);
    return RaiseNulError(name);
  }
  return bytes;
}

// The Decoder of one listing: its settings and where it has got to.
struct DecoderObject {
  PyObject head;
  int32_t hostTypeId;
  bool utc;
  PyObject* currentDirectory;  // bytes
  PyObject* datasetPrefix;     // bytes
  PyObject* encoding;          // str
  uint64_t serial;
  int64_t linesSeen;
};

DecoderObject* AsDecoder(PyObject* self) {
  return reinterpret_cast<DecoderObject*>(self);
}

LineDecoder LineDecoderOf(const DecoderObject* decoder) {
  return {decoder->hostTypeId, PyBytes_AS_STRING(decoder->currentDirectory),
          PyBytes_AS_STRING(decoder->datasetPrefix)};
}

// Lines decoded in one pass without the GIL: their batch stays in the
// cache while their entries are built, and is reused by the next pass.
constexpr size_t kLinesPerPass = 16384;

// The entries of a listing's lines, decoded under the decoder lock in
// passes: decodePass(lines, batch) fills the batch without the GIL and
// answers whether lines are left. A listing read in chunks first checks that
// no other has fed the carried state since its last chunk.
template <typename DecodePass>
PyObject* DecodeInPasses(DecoderObject* decoder, DecodePass decodePass) {
  const auto lock = LockDecoder();
  if (CarriesStateBetweenLines(decoder->hostTypeId)) {
    if (decoder->linesSeen > 0 && gStateOwner != decoder->serial) {
      return PyErr_Format(PyExc_RuntimeError,
                          "decode_listing(): another listing of this host type was decoded "
                          "while this one was being read; its lines carry state from one to the "
                          "next, so read such listings one after the other");
    }
    gStateOwner = decoder->serial;
  }
  const char* encoding = PyUnicode_AsUTF8(decoder->encoding);
  PyObject* entries = encoding != nullptr ? PyList_New(0) : nullptr;
  if (entries == nullptr) return nullptr;
  const LineDecoder lines = LineDecoderOf(decoder);
  Batch batch;
  for (bool more = true; more;) {
    batch.Clear();
    PyThreadState* thread = PyEval_SaveThread();
    try {
      more = decodePass(lines, batch);
    } catch (const std::bad_alloc&) {
      batch.outOfMemory = true;
      more = false;
    }
    PyEval_RestoreThread(thread);
    if (batch.outOfMemory) PyErr_NoMemory();
    if (batch.nulLineNumber > 0) RaiseNulError({"decode_listing", "data", batch.nulLineNumber});
    if (PyErr_Occurred() || !AppendEntries(entries, batch, encoding, decoder->utc)) {
      Py_DECREF(entries);
      return nullptr;
    }
  }
  return entries;
}

// Decoder.decode_data(data): every line of a bytes-like buffer, split at LF.
PyObject* DecodeData(PyObject* self, PyObject* data) {
  DecoderObject* decoder = AsDecoder(self);
  Py_buffer view;
  if (PyObject_GetBuffer(data, &view, PyBUF_SIMPLE) < 0) return nullptr;
  std::string_view rest(static_cast<const char*>(view.buf), static_cast<size_t>(view.len));
  int64_t& lineNumber = decoder->linesSeen;
  PyObject* entries = DecodeInPasses(decoder, [&](const LineDecoder& lines, Batch& batch) {
    for (size_t count = 0; count < kLinesPerPass && !rest.empty(); ++count) {
      const size_t end = std::min(rest.find('\n'), rest.size());
      const std::string_view line = rest.substr(0, end);
      rest.remove_prefix(std::min(end + 1, rest.size()));
      ++lineNumber;
      if (line.find('\0') != std::string_view::npos) {
        batch.nulLineNumber = lineNumber;
        return false;
      }
      lines.Decode(line, batch);
    }
    return !rest.empty();
  });
  PyBuffer_Release(&view);
  return entries;
}

// Decoder.decode_lines(lines): a chunk of a listing, one line per item.
PyObject* DecodeLines(PyObject* self, PyObject* items) {
  DecoderObject* decoder = AsDecoder(self);
  const char* encoding = PyUnicode_AsUTF8(decoder->encoding);
  PyObject* sequence = PySequence_Fast(items, "decode_lines() needs a sequence of lines");
  if (sequence == nullptr) return nullptr;
  const Py_ssize_t count = PySequence_Fast_GET_SIZE(sequence);
  RawVector<char> text;
  RawVector<size_t> ends;
  try {
    for (Py_ssize_t i = 0; i < count; ++i) {
      const ArgumentName name{"decode_listing", "data", decoder->linesSeen + i + 1};
      PyObject* line = BytesOfText(PySequence_Fast_GET_ITEM(sequence, i), encoding, name);
      if (line == nullptr) {
        Py_DECREF(sequence);
        return nullptr;
      }
      const char* bytes = PyBytes_AS_STRING(line);
      text.insert(text.end(), bytes, bytes + PyBytes_GET_SIZE(line));
      ends.push_back(text.size());
      Py_DECREF(line);
    }
  } catch (const std::bad_alloc&) {
    Py_DECREF(sequence);
    return PyErr_NoMemory();
  }
  Py_DECREF(sequence);
  PyObject* entries = DecodeInPasses(decoder, [&](const LineDecoder& lines, Batch& batch) {
    size_t start = 0;
    for (size_t end : ends) {
      lines.Decode(std::string_view(text.data() + start, end - start), batch);
      start = end;
    }
    return false;
  });
  decoder->linesSeen += count;
  return entries;
}

PyObject* NewDecoder(PyTypeObject* type, PyObject* args, PyObject* keywords) {
  static const char* keywordNames[] = {"host_type", "cwd", "prefix", "encoding", nullptr};
  int32_t hostTypeId;
  PyObject *currentDirectory, *datasetPrefix, *encoding;
  if (!PyArg_ParseTupleAndKeywords(args, keywords, "iOOU:Decoder", const_cast<char**>(keywordNames),
                                   &hostTypeId, &currentDirectory, &datasetPrefix, &encoding)) {
    return nullptr;
  }
  const char* encodingName = PyUnicode_AsUTF8(encoding);
  if (encodingName == nullptr) return nullptr;
  PyObject* directoryBytes = BytesOfText(currentDirectory, encodingName, {"decode_listing", "cwd"});
  PyObject* prefixBytes = directoryBytes != nullptr ? BytesOfText(datasetPrefix, encodingName,
                                                                  {"decode_listing", "prefix"})
                                                    : nullptr;
  DecoderObject* decoder =
      prefixBytes != nullptr ? reinterpret_cast<DecoderObject*>(type->tp_alloc(type, 0)) : nullptr;
  if (decoder == nullptr) {
    Py_XDECREF(directoryBytes);
    Py_XDECREF(prefixBytes);
    return nullptr;
  }
  decoder->hostTypeId = hostTypeId;
  decoder->utc = TimesAreUtc(hostTypeId);
  decoder->currentDirectory = directoryBytes;
  decoder->datasetPrefix = prefixBytes;
  decoder->encoding = Py_NewRef(encoding);
  decoder->serial = ++gLastListingSerial;
  decoder->linesSeen = 0;
  return reinterpret_cast<PyObject*>(decoder);
}

void DeallocDecoder(PyObject* self) {
  DecoderObject* decoder = AsDecoder(self);
  PyTypeObject* type = Py_TYPE(self);
  Py_XDECREF(decoder->currentDirectory);
  Py_XDECREF(decoder->datasetPrefix);
  Py_XDECREF(decoder->encoding);
  type->tp_free(self);
  Py_DECREF(type);
}

PyMethodDef gDecoderMethods[] = {
    {"decode_data", DecodeData, METH_O,
     "The entries of every line of a bytes-like listing, split at LF."},
    {"decode_lines", DecodeLines, METH_O,
     "The entries of a sequence of lines (str or bytes), the listing's next chunk."},
    {nullptr, nullptr, 0, nullptr},
};

PyType_Slot gDecoderSlots[] = {
    {Py_tp_doc, const_cast<char*>("Decoder(host_type, cwd, prefix, encoding): decodes one "
                                  "listing's lines, in order, into Entry objects.")},
    {Py_tp_new, reinterpret_cast<void*>(NewDecoder)},
    {Py_tp_dealloc, reinterpret_cast<void*>(DeallocDecoder)},
    {Py_tp_methods, gDecoderMethods},
    {0, nullptr},
};

PyType_Spec gDecoderSpec = {
    "qordahosts._core.Decoder",
    sizeof(DecoderObject),
    0,
    Py_TPFLAGS_DEFAULT | Py_TPFLAGS_IMMUTABLETYPE,
    gDecoderSlots,
};

}  // namespace

PyObject* DecodeLineFunction(PyObject*, PyObject* args) {
  PyObject *line, *currentDirectory, *datasetPrefix;
  int32_t hostTypeId;
  const char* encoding;
  if (!PyArg_ParseTuple(args, "OiOOs:decode_line", &line, &hostTypeId, &currentDirectory,
                        &datasetPrefix, &encoding)) {
    return nullptr;
  }
  PyObject* lineBytes = BytesOfText(line, encoding, {"decode_line", "line"});
  PyObject* directoryBytes = lineBytes != nullptr
                                 ? BytesOfText(currentDirectory, encoding, {"decode_line", "cwd"})
                                 : nullptr;
  PyObject* prefixBytes = directoryBytes != nullptr
                              ? BytesOfText(datasetPrefix, encoding, {"decode_line", "prefix"})
                              : nullptr;
  PyObject* result = nullptr;
  if (prefixBytes != nullptr) {
    Batch batch;
    {
      const auto lock = LockDecoder();
      if (CarriesStateBetweenLines(hostTypeId)) gStateOwner = 0;
      const LineDecoder decoder{hostTypeId, PyBytes_AS_STRING(directoryBytes),
                                PyBytes_AS_STRING(prefixBytes)};
      try {
        decoder.Decode(std::string_view(PyBytes_AS_STRING(lineBytes),
                                        static_cast<size_t>(PyBytes_GET_SIZE(lineBytes))),
                       batch);
      } catch (const std::bad_alloc&) {
        batch.outOfMemory = true;
      }
    }
    if (batch.outOfMemory) {
      result = PyErr_NoMemory();
    } else if (batch.lines.empty()) {
      result = Py_NewRef(Py_None);
    } else {
      const DecodedLine& decoded = batch.lines.front();
      result = NewEntry(decoded.fields, std::string_view(batch.names.data(), decoded.nameLength),
                        encoding, TimesAreUtc(hostTypeId));
    }
  }
  Py_XDECREF(lineBytes);
  Py_XDECREF(directoryBytes);
  Py_XDECREF(prefixBytes);
  return result;
}

bool AddDecoderType(PyObject* module) {
  PyObject* type = PyType_FromSpec(&gDecoderSpec);
  if (type == nullptr) return false;
  const int added = PyModule_AddObjectRef(module, "Decoder", type);
  Py_DECREF(type);
  return added == 0;
}

}  // namespace qorda::python
