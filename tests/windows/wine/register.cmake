# The Windows tests in the Linux build: scripts/windows-build.sh --tests cross-builds
# tests/windows against the Windows Qt of scripts/windows-deps.sh, and every program runs
# under wine64 on the test display. Registered only where that cache, the mingw-w64
# compiler and Wine are there; scripts/test.sh says when they were left out.
set(QUILLMARK_WINDOWS_CACHE "$ENV{QUILLMARK_WINDOWS_CACHE}")
if(NOT QUILLMARK_WINDOWS_CACHE)
    set(QUILLMARK_WINDOWS_CACHE "$ENV{HOME}/.cache/quillmark-windows")
endif()
find_program(QUILLMARK_WINE64 wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(QUILLMARK_MINGW_CXX x86_64-w64-mingw32-g++-posix)
find_program(QUILLMARK_XDOTOOL xdotool)
if(NOT EXISTS ${QUILLMARK_WINDOWS_CACHE}/stamps/qtbase OR NOT QUILLMARK_WINE64
   OR NOT QUILLMARK_MINGW_CXX OR NOT QUILLMARK_XDOTOOL)
    message(STATUS "Windows tests left out: no Windows Qt in ${QUILLMARK_WINDOWS_CACHE} "
                   "(scripts/windows-deps.sh builds it), or no mingw-w64, wine64 or xdotool")
    return()
endif()

include(${CMAKE_CURRENT_LIST_DIR}/programs.cmake)
set(windows_build_dir ${CMAKE_BINARY_DIR}/windows-tests)
add_test(NAME windows_build
    COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/windows-build.sh --tests ${windows_build_dir})
set_tests_properties(windows_build PROPERTIES
    LABELS "windows;wine" FIXTURES_SETUP wine TIMEOUT 1800
    ENVIRONMENT "QUILLMARK_WINDOWS_CACHE=${QUILLMARK_WINDOWS_CACHE}")

file(READ /proc/meminfo meminfo)
string(REGEX MATCH "MemTotal: *([0-9]+)" _ "${meminfo}")
foreach(name ${QUILLMARK_WINDOWS_TESTS})
    add_test(NAME win_${name}
        COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${windows_build_dir}/${name}/${name}.exe)
    # One Wine prefix, one wineserver and one display for all: they run one at a time.
    set_tests_properties(win_${name} PROPERTIES
        LABELS "windows;wine" FIXTURES_REQUIRED wine RUN_SERIAL TRUE TIMEOUT 300
        ENVIRONMENT "QUILLMARK_WINDOWS_CACHE=${QUILLMARK_WINDOWS_CACHE};WINEPREFIX=${windows_build_dir}/wine;QUILLMARK_HOST_MEMTOTAL_KB=${CMAKE_MATCH_1};QUILLMARK_XDOTOOL=${QUILLMARK_XDOTOOL}")
endforeach()
