# The Windows build, cross-compiled with MinGW-w64 (scripts/build-windows.sh).
# What it builds and runs at build time and in its tests runs under Wine.
# The data is the same on every platform: it comes from a Linux build.

if(NOT CMAKE_CROSSCOMPILING)
  message(FATAL_ERROR "Lumbrell builds for Windows by cross-compiling on Debian: run scripts/build-windows.sh")
endif()

set(LUMBRELL_LINUX_BUILD "" CACHE PATH "A Linux build of Lumbrell (its build folder): its data and, for the tests, its program")
set(linux_data "${LUMBRELL_LINUX_BUILD}/data")
if(NOT EXISTS "${linux_data}/wwbb11.dat")
  message(FATAL_ERROR "No Linux data in ${linux_data}: build it first (cmake --build build --target lumbrell_data), "
                      "then give its build folder as -DLUMBRELL_LINUX_BUILD=...")
endif()
set(LUMBRELL_DATA_TOOLS OFF CACHE BOOL "Build the data tools and the data" FORCE)
set(LUMBRELL_DATA_DIR "${linux_data}")

# The program folder: the program, its data and what it loads, side by side.
set(CMAKE_INSTALL_BINDIR ".")
set(LUMBRELL_INSTALL_DATADIR ".")

# Wine runs the art tool at build time and the tests: in a Wine prefix of
# this build, with Qt's and the compiler's DLLs on its path.
get_filename_component(qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${dll}
                  OUTPUT_VARIABLE dll_path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${dll_path}" OR NOT EXISTS "${dll_path}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
  endif()
  list(APPEND LUMBRELL_RUNTIME_DLLS "${dll_path}")
  get_filename_component(dll_dir "${dll_path}" DIRECTORY)
  list(APPEND wine_path_dirs "${dll_dir}")
endforeach()
list(PREPEND wine_path_dirs "${qt_prefix}/bin")
list(REMOVE_DUPLICATES wine_path_dirs)
list(TRANSFORM wine_path_dirs PREPEND "Z:")
string(REPLACE "/" "\\" wine_path "${wine_path_dirs}")

# Qt's offscreen platform on Windows reads its fonts from one folder.
set(LUMBRELL_WINE_FONTS "${CMAKE_BINARY_DIR}/fonts")
file(GLOB font_files /usr/share/fonts/truetype/arphic/*.ttc /usr/share/fonts/truetype/dejavu/*.ttf)
file(MAKE_DIRECTORY "${LUMBRELL_WINE_FONTS}")
foreach(font ${font_files})
  get_filename_component(font_name "${font}" NAME)
  file(CREATE_LINK "${font}" "${LUMBRELL_WINE_FONTS}/${font_name}" SYMBOLIC)
endforeach()

set(LUMBRELL_WINE_PREFIX "${CMAKE_BINARY_DIR}/wine")
configure_file("${CMAKE_SOURCE_DIR}/cmake/run-under-wine.sh.in" "${CMAKE_BINARY_DIR}/run-under-wine.sh" @ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_BINARY_DIR}/run-under-wine.sh")

# The suites that need no window, built and run under Wine.
set(LUMBRELL_CROSS_TEST_AREAS support store tables input lookup windows)
set(LUMBRELL_CROSS_TESTS tst_record_store tst_gbk tst_characters tst_table_search tst_real_tables
                         tst_keys tst_input_session tst_lookup_logic)

# The program's icon and version resource (the icon is drawn in packaging/windows).
set(LUMBRELL_WINDOWS_ICON "${CMAKE_BINARY_DIR}/packaging/windows/lumbrell.ico")
set(LUMBRELL_WINDOWS_RC "${CMAKE_BINARY_DIR}/lumbrell.rc")
configure_file("${CMAKE_SOURCE_DIR}/packaging/windows/lumbrell.rc.in" "${LUMBRELL_WINDOWS_RC}" @ONLY)
