#include "entry.h"

#include <datetime.h>
#include <structmember.h>

#include <cstddef>
#include <cstring>

namespace qorda::python {
namespace {

struct EntryObject {
  PyVarObject head;  // ob_size is the length of rawName
  PyObject* name;
  EntryFields fields;
  bool utc;
  char rawName[1];  // ob_size bytes, no terminator
};

PyTypeObject* gEntryType = nullptr;
// Kind members indexed by kind value (0 to 16), or null before the package sets them.
PyObject* gKindMembers = nullptr;

constexpr int kHighestKind = KIND_OBJECT;

EntryObject* AsEntry(PyObject* self) {
  return reinterpret_cast<EntryObject*>(self);
}

bool IsAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

PyObject* DecodeName(std::string_view raw, const char* encoding) {
  const auto length = static_cast<Py_ssize_t>(raw.size());
  if (!IsAscii(raw)) return PyUnicode_Decode(raw.data(), length, encoding, "surrogateescape");
  // The package accepts only encodings that read ASCII as ASCII, and most
  // names are: copied straight into a str, without a second check.
  PyObject* name = PyUnicode_New(length, 127);
  if (name != nullptr) std::memcpy(PyUnicode_1BYTE_DATA(name), raw.data(), raw.size());
  return name;
}

// Takes over the reference to name.
PyObject* MakeEntry(const EntryFields& fields, std::string_view rawName, PyObject* name, bool utc) {
  EntryObject* entry =
      PyObject_NewVar(EntryObject, gEntryType, static_cast<Py_ssize_t>(rawName.size()));
  if (entry == nullptr) {
    Py_DECREF(name);
    return nullptr;
  }
  entry->name = name;
  entry->fields = fields;
  entry->utc = utc;
  std::memcpy(entry->rawName, rawName.data(), rawName.size());
  return reinterpret_cast<PyObject*>(entry);
}

void DeallocEntry(PyObject* self) {
  PyTypeObject* type = Py_TYPE(self);
  Py_XDECREF(AsEntry(self)->name);
  PyObject_Free(self);
  Py_DECREF(type);  // instances of a heap type hold a reference to it
}

PyObject* GetRawName(PyObject* self, void*) {
  return PyBytes_FromStringAndSize(AsEntry(self)->rawName, Py_SIZE(self));
}

PyObject* GetKind(PyObject* self, void*) {
  const uint8_t kind = AsEntry(self)->fields.kind;
  if (gKindMembers != nullptr && kind <= kHighestKind) {
    PyObject* member = PyTuple_GET_ITEM(gKindMembers, kind);
    if (member != Py_None) return Py_NewRef(member);
  }
  return PyLong_FromLong(kind);
}

PyObject* GetIsDir(PyObject* self, void*) {
  return PyBool_FromLong(AsEntry(self)->fields.kind == KIND_DIRECTORY);
}

PyObject* GetIsLink(PyObject* self, void*) {
  return PyBool_FromLong(AsEntry(self)->fields.kind == KIND_LINK);
}

PyObject* GetMode(PyObject* self, void*) {
  const EntryFields& fields = AsEntry(self)->fields;
  if ((fields.flags & FLAG_MODE_VALID) == 0) Py_RETURN_NONE;
  return PyLong_FromLong(fields.mode);
}

PyObject* GetYearInferred(PyObject* self, void*) {
  return PyBool_FromLong((AsEntry(self)->fields.flags & FLAG_YEAR_INFERRED) != 0);
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

// A date the calendar lacks (a "31" in February) is as unknown as a missing
// one; an impossible time of day leaves the date.
PyObject* GetMtime(PyObject* self, void*) {
  const EntryObject* entry = AsEntry(self);
  const EntryFields& f = entry->fields;
  if (f.year == 0 || f.month == 0 || f.month > 12 || f.day == 0 ||
      f.day > DaysInMonth(f.year, f.month)) {
    Py_RETURN_NONE;
  }
  const bool timeKnown =
      (f.flags & FLAG_NO_TIME) == 0 && f.hour < 24 && f.minute < 60 && f.second < 60;
  if (!timeKnown) return PyDate_FromDate(f.year, f.month, f.day);
  PyObject* zone = entry->utc ? PyDateTime_TimeZone_UTC : Py_None;
  return PyDateTimeAPI->DateTime_FromDateAndTime(f.year, f.month, f.day, f.hour, f.minute, f.second,
                                                 0, zone, PyDateTimeAPI->DateTimeType);
}

PyObject* ReprEntry(PyObject* self) {
  const EntryObject* entry = AsEntry(self);
  PyObject* kind = GetKind(self, nullptr);
  PyObject* kindName = kind != nullptr ? PyObject_GetAttrString(kind, "name") : nullptr;
  if (kindName == nullptr) {
    PyErr_Clear();
    kindName = PyObject_Str(kind != nullptr ? kind : Py_None);
  }
  PyObject* mtime = GetMtime(self, nullptr);
  PyObject* mode = GetMode(self, nullptr);
  PyObject* text = nullptr;
  if (kindName != nullptr && mtime != nullptr && mode != nullptr) {
    text = PyUnicode_FromFormat("Entry(%R, kind=%U, size=%lld, mtime=%R, mode=%R)", entry->name,
                                kindName, static_cast<long long>(entry->fields.size), mtime, mode);
  }
  Py_XDECREF(kind);
  Py_XDECREF(kindName);
  Py_XDECREF(mtime);
  Py_XDECREF(mode);
  return text;
}

bool SameFields(const EntryFields& a, const EntryFields& b) {
  return a.size == b.size && a.year == b.year && a.month == b.month && a.day == b.day &&
         a.hour == b.hour && a.minute == b.minute && a.second == b.second && a.kind == b.kind &&
         a.mode == b.mode && a.flags == b.flags;
}

PyObject* CompareEntries(PyObject* self, PyObject* other, int op) {
  if ((op != Py_EQ && op != Py_NE) || Py_TYPE(other) != Py_TYPE(self)) {
    Py_RETURN_NOTIMPLEMENTED;
  }
  const EntryObject* a = AsEntry(self);
  const EntryObject* b = AsEntry(other);
  bool equal = SameFields(a->fields, b->fields) && a->utc == b->utc && Py_SIZE(a) == Py_SIZE(b) &&
               std::memcmp(a->rawName, b->rawName, static_cast<size_t>(Py_SIZE(a))) == 0;
  if (equal) {
    const int sameName = PyUnicode_Compare(a->name, b->name);
    if (sameName == -1 && PyErr_Occurred()) return nullptr;
    equal = sameName == 0;
  }
  return PyBool_FromLong(equal == (op == Py_EQ));
}

Py_hash_t HashEntry(PyObject* self) {
  const EntryObject* entry = AsEntry(self);
  Py_hash_t hash = PyObject_Hash(entry->name);
  if (hash == -1) return -1;
  const EntryFields& f = entry->fields;
  for (int64_t value : {f.size, int64_t{f.year}, int64_t{f.month}, int64_t{f.day}, int64_t{f.hour},
                        int64_t{f.minute}, int64_t{f.kind}}) {
    hash = static_cast<Py_hash_t>(static_cast<uint64_t>(hash) * 1000003u ^
                                  static_cast<uint64_t>(value));
  }
  return hash == -1 ? -2 : hash;
}

PyObject* gMakeEntryFromState = nullptr;

PyObject* ReduceEntry(PyObject* self, PyObject*) {
  const EntryObject* entry = AsEntry(self);
  const EntryFields& f = entry->fields;
  return Py_BuildValue("O(y#OLiiiiiiiiiO)", gMakeEntryFromState, entry->rawName, Py_SIZE(entry),
                       entry->name, static_cast<long long>(f.size), f.year, f.month, f.day, f.hour,
                       f.minute, f.second, f.kind, f.mode, f.flags,
                       entry->utc ? Py_True : Py_False);
}

// The inverse of __reduce__; a pickle is data from outside, so every field
// is checked against the range of its record field.
PyObject* EntryFromState(PyObject*, PyObject* args) {
  const char* rawName;
  Py_ssize_t rawLength;
  PyObject* name;
  long long size;
  int year, month, day, hour, minute, second, kind, mode, flags, utc;
  if (!PyArg_ParseTuple(args, "y#ULiiiiiiiiip:_entry", &rawName, &rawLength, &name, &size, &year,
                        &month, &day, &hour, &minute, &second, &kind, &mode, &flags, &utc)) {
    return nullptr;
  }
  for (int byte : {month, day, hour, minute, second, kind}) {
    if (byte < 0 || byte > 0xFF) return PyErr_Format(PyExc_ValueError, "_entry(): bad field");
  }
  for (int word : {year, mode, flags}) {
    if (word < 0 || word > 0xFFFF) return PyErr_Format(PyExc_ValueError, "_entry(): bad field");
  }
  const EntryFields fields = {
      size,
      static_cast<uint16_t>(year),
      static_cast<uint8_t>(month),
      static_cast<uint8_t>(day),
      static_cast<uint8_t>(hour),
      static_cast<uint8_t>(minute),
      static_cast<uint8_t>(second),
      static_cast<uint8_t>(kind),
      static_cast<uint16_t>(mode),
      static_cast<uint16_t>(flags),
  };
  return MakeEntry(fields, std::string_view(rawName, static_cast<size_t>(rawLength)),
                   Py_NewRef(name), utc != 0);
}

constexpr Py_ssize_t FieldOffset(std::size_t fieldOffset) {
  return static_cast<Py_ssize_t>(offsetof(EntryObject, fields) + fieldOffset);
}

PyMemberDef gEntryMembers[] = {
    {"name", T_OBJECT_EX, offsetof(EntryObject, name), READONLY,
     "The name, decoded with the listing's encoding and \"surrogateescape\"."},
    {"size", T_LONGLONG, FieldOffset(offsetof(EntryFields, size)), READONLY,
     "Size in bytes as the listing states it; 0 when unknown."},
    {"year", T_USHORT, FieldOffset(offsetof(EntryFields, year)), READONLY,
     "1900 to 2038, or 0 when unknown."},
    {"month", T_UBYTE, FieldOffset(offsetof(EntryFields, month)), READONLY,
     "1 to 12, or 0 when unknown."},
    {"day", T_UBYTE, FieldOffset(offsetof(EntryFields, day)), READONLY,
     "1 to 31, or 0 when unknown."},
    {"hour", T_UBYTE, FieldOffset(offsetof(EntryFields, hour)), READONLY, "Hour as read."},
    {"minute", T_UBYTE, FieldOffset(offsetof(EntryFields, minute)), READONLY, "Minute as read."},
    {"second", T_UBYTE, FieldOffset(offsetof(EntryFields, second)), READONLY, "Second as read."},
    {nullptr, 0, 0, 0, nullptr},
};

PyGetSetDef gEntryProperties[] = {
    {"raw_name", GetRawName, nullptr, "The name's bytes as the server sent them.", nullptr},
    {"kind", GetKind, nullptr, "What the entry is: a Kind.", nullptr},
    {"is_dir", GetIsDir, nullptr, "kind is Kind.DIRECTORY.", nullptr},
    {"is_link", GetIsLink, nullptr, "kind is Kind.LINK.", nullptr},
    {"mode", GetMode, nullptr, "Unix permission bits, or None when the line gives none.", nullptr},
    {"mtime", GetMtime, nullptr,
     "Modification time: a naive datetime in the server's time; a datetime in UTC for MLSD; a "
     "date when the listing gives no time of day; None when the date is unknown.",
     nullptr},
    {"year_inferred", GetYearInferred, nullptr,
     "The listing showed a time of day and no year: the year is the most recent one that puts "
     "the date in the past, from this machine's clock.",
     nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

PyMethodDef gEntryMethods[] = {
    {"__reduce__", ReduceEntry, METH_NOARGS, nullptr},
    {nullptr, nullptr, 0, nullptr},
};

PyType_Slot gEntrySlots[] = {
    {Py_tp_doc, const_cast<char*>(
                    "One entry of a listing, immutable; made by decode_line and decode_listing.")},
    {Py_tp_dealloc, reinterpret_cast<void*>(DeallocEntry)},
    {Py_tp_repr, reinterpret_cast<void*>(ReprEntry)},
    {Py_tp_richcompare, reinterpret_cast<void*>(CompareEntries)},
    {Py_tp_hash, reinterpret_cast<void*>(HashEntry)},
    {Py_tp_members, gEntryMembers},
    {Py_tp_getset, gEntryProperties},
    {Py_tp_methods, gEntryMethods},
    {0, nullptr},
};

PyType_Spec gEntrySpec = {
    "qordahosts.Entry",
    static_cast<int>(offsetof(EntryObject, rawName)),
    1,
    Py_TPFLAGS_DEFAULT | Py_TPFLAGS_IMMUTABLETYPE | Py_TPFLAGS_DISALLOW_INSTANTIATION,
    gEntrySlots,
};

PyMethodDef gEntryFromStateDef = {"_entry", EntryFromState, METH_VARARGS,
                                  "Rebuilds a pickled Entry."};

}  // namespace

EntryFields FieldsOf(const ListingEntry& record) {
  return {record.size,   record.year,   record.month, record.day,  record.hour,
          record.minute, record.second, record.kind,  record.mode, record.flags};
}

bool TimesAreUtc(int32_t hostTypeId) {
  return hostTypeId == HOST_MLSD || hostTypeId == HOST_QORDA_SERVER;
}

bool AddEntryType(PyObject* module) {
  PyDateTime_IMPORT;
  if (PyDateTimeAPI == nullptr) return false;
  gEntryType = reinterpret_cast<PyTypeObject*>(PyType_FromSpec(&gEntrySpec));
  if (gEntryType == nullptr ||
      PyModule_AddObjectRef(module, "Entry", reinterpret_cast<PyObject*>(gEntryType)) < 0) {
    return false;
  }
  PyObject* moduleName = PyModule_GetNameObject(module);
  if (moduleName == nullptr) return false;
  gMakeEntryFromState = PyCFunction_NewEx(&gEntryFromStateDef, nullptr, moduleName);
  Py_DECREF(moduleName);
  return gMakeEntryFromState != nullptr &&
         PyModule_AddObjectRef(module, "_entry", gMakeEntryFromState) == 0;
}

PyObject* NewEntry(const EntryFields& fields, std::string_view rawName, const char* encoding,
                   bool utc) {
  PyObject* name = DecodeName(rawName, encoding);
  if (name == nullptr) return nullptr;
  return MakeEntry(fields, rawName, name, utc);
}

PyObject* SetKindMembers(PyObject*, PyObject* members) {
  if (!PyTuple_Check(members) || PyTuple_GET_SIZE(members) != kHighestKind + 1) {
    return PyErr_Format(PyExc_TypeError, "_set_kind_members() needs a tuple of %d",
                        kHighestKind + 1);
  }
  Py_XSETREF(gKindMembers, Py_NewRef(members));
  Py_RETURN_NONE;
}

}  // namespace qorda::python
