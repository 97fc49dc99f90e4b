# Compiles every Windows-only source and every source with a Windows branch
# (Q_OS_WIN, _WIN32) with the mingw-w64 cross compiler against the Qt headers:
# syntax and types only, nothing is linked, so a slip in code that only Windows
# builds fails here on Linux. The files are found afresh on every run.
#   cmake -DSOURCE_DIR=... -DCOMPILER=... -DQT_INCLUDE=... -P syntaxcheck.cmake
foreach(var SOURCE_DIR COMPILER QT_INCLUDE)
    if(NOT ${var})
        message(FATAL_ERROR "syntaxcheck.cmake needs -D${var}=...")
    endif()
endforeach()
if(NOT EXISTS "${COMPILER}")
    message(FATAL_ERROR "No mingw-w64 compiler at ${COMPILER}: bash scripts/deps.sh installs it")
endif()

set(folders app canvas presenter settings FluentUI update)
set(sources)
set(include_flags)
foreach(folder IN LISTS folders)
    file(GLOB_RECURSE found LIST_DIRECTORIES false "${SOURCE_DIR}/${folder}/*.cpp")
    list(APPEND sources ${found})
    file(GLOB_RECURSE headers LIST_DIRECTORIES false "${SOURCE_DIR}/${folder}/*.h")
    foreach(header IN LISTS headers)
        get_filename_component(dir "${header}" DIRECTORY)
        list(APPEND include_flags "-I${dir}")
    endforeach()
endforeach()
list(REMOVE_DUPLICATES include_flags)
list(APPEND include_flags "-I${QT_INCLUDE}")
foreach(module Core Gui Widgets Network Qml Quick QuickControls2 DBus Test)
    list(APPEND include_flags "-I${QT_INCLUDE}/Qt${module}")
endforeach()

set(checked 0)
set(failed)
foreach(source IN LISTS sources)
    get_filename_component(name "${source}" NAME)
    file(READ "${source}" text)
    if(NOT name MATCHES "^win" AND NOT text MATCHES "Q_OS_WIN|_WIN32")
        continue()
    endif()
    file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
    execute_process(
        COMMAND "${COMPILER}" -std=c++17 -fsyntax-only -Wall -Wextra -Werror=return-type
            -DUNICODE -D_UNICODE -DQUILLMARK_RELEASE_VERSION="0"
            ${include_flags} "${source}"
        RESULT_VARIABLE result
        ERROR_VARIABLE errors
        OUTPUT_QUIET)
    math(EXPR checked "${checked} + 1")
    if(NOT result EQUAL 0)
        list(APPEND failed "${shown}")
        message("${shown} does not compile for Windows:\n${errors}")
    else()
        message("Windows syntax: ${shown}")
    endif()
endforeach()

if(checked EQUAL 0)
    message(FATAL_ERROR "No Windows source found under ${SOURCE_DIR}: the search is broken")
endif()
if(failed)
    list(LENGTH failed count)
    message(FATAL_ERROR "${count} of ${checked} Windows sources do not compile: ${failed}")
endif()
message("All ${checked} Windows sources compile")
