// Entry, one decoded listing line as Python sees it: a C type holding the
// record's fields and the raw name inline, so that a listing of a million
// entries costs about what a million small tuples do.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <cstdint>
#include <string_view>

#include "qordahosts.h"

namespace qorda::python {

// The fields of a ListingEntry that an Entry keeps, without the 515-byte name.
struct EntryFields {
  int64_t size;
  uint16_t year;
  uint8_t month, day, hour, minute, second;
  uint8_t kind;
  uint16_t mode;
  uint16_t flags;
};

EntryFields FieldsOf(const ListingEntry& record);

// MLSD facts give times in UTC; every other dialect in the server's time.
bool TimesAreUtc(int32_t hostTypeId);

// Creates the Entry type and adds it, with the pickle helper, to the module.
bool AddEntryType(PyObject* module);

// A new Entry, or null with an exception set. The name is decoded from
// rawName with the listing's encoding and "surrogateescape".
PyObject* NewEntry(const EntryFields& fields, std::string_view rawName, const char* encoding,
                   bool utc);

// Kind(value) for each kind value, set by the package once it has made its
// Kind enum; until then the kind reads as a plain int.
PyObject* SetKindMembers(PyObject* module, PyObject* members);

}  // namespace qorda::python
