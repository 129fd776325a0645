# Writes the DLL's module-definition file from the export list, naming each
# function as the compiler decorated it in the internal library:
# "QORDA_DecodeLine@20" for a WINAPI function on 32-bit Windows. Linked with
# --kill-at, the DLL exports the plain names while its import library keeps
# the decorated ones that callers compiled against the header ask for.
#   cmake -DNM=... -DARCHIVE=... -DEXPORT_LIST=... -DOUTPUT=... -P module_definition.cmake
execute_process(COMMAND ${NM} --defined-only ${ARCHIVE} OUTPUT_VARIABLE symbols
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} could not read ${ARCHIVE}")
endif()
file(STRINGS ${EXPORT_LIST} exports)
set(definition "LIBRARY qordahosts.dll\nEXPORTS\n")
foreach(name IN LISTS exports)
  if(NOT symbols MATCHES " T _?(${name}(@[0-9]+)?)\n")
    message(FATAL_ERROR "${name} of the export list is not defined in ${ARCHIVE}")
  endif()
  string(APPEND definition "  ${CMAKE_MATCH_1}\n")
endforeach()
file(WRITE ${OUTPUT}.new "${definition}")
configure_file(${OUTPUT}.new ${OUTPUT} COPYONLY)
