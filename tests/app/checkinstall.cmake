# Installs the build into a scratch folder and checks the application directory.
# Arguments: -DBUILD_DIR=... -DPREFIX=... -DEXE_SUFFIX=...
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(file Quillmark${EXE_SUFFIX} config.ini translations/app_en.qm)
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "missing from the application directory: ${file}")
    endif()
endforeach()
file(STRINGS ${PREFIX}/config.ini lines)
list(FIND lines "EXEName=Quillmark${EXE_SUFFIX}" found)
if(found EQUAL -1)
    message(FATAL_ERROR "config.ini does not name the annotation program: ${lines}")
endif()
file(REMOVE_RECURSE ${PREFIX})
