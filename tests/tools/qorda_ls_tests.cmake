find_package(nlohmann_json REQUIRED)
add_executable(qorda_ls_tests tools/run_tool.cpp tools/qorda_ls_test.cpp
                              tools/qorda_ls_live_test.cpp tools/qorda_ls_parts_test.cpp)
target_compile_definitions(qorda_ls_tests PRIVATE
  QORDA_LS_PATH="$<TARGET_FILE:qorda-ls>"
  QORDA_EXAMPLES_DIR="${PROJECT_SOURCE_DIR}/examples/listings"
  BAD_FTP_SERVER="${CMAKE_CURRENT_SOURCE_DIR}/tools/bad_ftp_server.py")
# Memory bounds are checked only where no sanitizer's shadow memory counts.
if(CMAKE_CXX_FLAGS MATCHES "sanitize=address")
  target_compile_definitions(qorda_ls_tests PRIVATE QORDA_SANITIZED)
endif()
target_include_directories(qorda_ls_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(qorda_ls_tests PRIVATE qorda_ls_parts GTest::gtest_main)
add_dependencies(qorda_ls_tests qorda-ls)
qorda_target_warnings(qorda_ls_tests)
gtest_discover_tests(qorda_ls_tests DISCOVERY_MODE PRE_TEST)
