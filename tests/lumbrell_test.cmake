# lumbrell_add_qtest(NAME source... [LIBS lib...] [DEFINITIONS def...]): one QtTest
# executable run by CTest under the offscreen platform.
# Cross-building, only the suites in LUMBRELL_CROSS_TESTS are built; they run
# under the cross-compiling emulator, Wine.
function(lumbrell_add_qtest name)
  if(CMAKE_CROSSCOMPILING AND NOT name IN_LIST LUMBRELL_CROSS_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "" "" "LIBS;DEFINITIONS" ${ARGN})
  add_executable(${name} ${T_UNPARSED_ARGUMENTS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
  target_link_libraries(${name} PRIVATE lumbrell_app Qt6::Test ${T_LIBS})
  target_compile_definitions(${name} PRIVATE ${T_DEFINITIONS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  if(CMAKE_CROSSCOMPILING)
    # The Wine server of the build's prefix stops after the last suite (tests/windows).
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_server)
  endif()
endfunction()
