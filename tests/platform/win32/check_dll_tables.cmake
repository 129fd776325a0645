# Reads a DLL's export and import tables with objdump -p and fails unless it
# exports exactly the names of the export list and imports from exactly the
# DLLs of IMPORTS.
#   cmake -DOBJDUMP=... -DDLL=... -DEXPORT_LIST=... -DIMPORTS=a.dll;b.dll -P check_dll_tables.cmake
execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE tables COMMAND_ERROR_IS_FATAL ANY)

# The names follow "[Ordinal/Name Pointer] Table", one "[   n] name" a line.
string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n([^\n]*\\[ *[0-9]+\\] [^\n]+\n)*" names
       "${tables}")
string(REGEX MATCHALL "\\[ *[0-9]+\\] [^\n]+" exported "${names}")
list(TRANSFORM exported REPLACE "^\\[ *[0-9]+\\] " "")
string(REGEX MATCHALL "DLL Name: [^\n]+" imported "${tables}")
list(TRANSFORM imported REPLACE "^DLL Name: " "")

file(STRINGS ${EXPORT_LIST} expected)
foreach(list IN ITEMS exported expected imported IMPORTS)
  list(SORT ${list})
endforeach()
if(NOT exported STREQUAL expected)
  message(FATAL_ERROR "${DLL} exports\n  ${exported}\nexpected\n  ${expected}")
endif()
if(NOT imported STREQUAL IMPORTS)
  message(FATAL_ERROR "${DLL} imports from\n  ${imported}\nexpected\n  ${IMPORTS}")
endif()
message(STATUS "exports: ${exported}")
message(STATUS "imports: ${imported}")
