# Extracts the texts again into a scratch copy of each .ts file and fails when a
# text has no translation, so that new or changed texts cannot ship untranslated.
# Arguments: -DLUPDATE=... -DSOURCE_DIR=... -DWORK_DIR=... -DTS_FILES=a.ts;b.ts
file(GLOB_RECURSE sources
    ${SOURCE_DIR}/documents/*.qml ${SOURCE_DIR}/app/*.cpp ${SOURCE_DIR}/settings/*.cpp
    ${SOURCE_DIR}/update/qml/*.qml)
file(MAKE_DIRECTORY ${WORK_DIR})
set(list_file ${WORK_DIR}/sources.lst)
string(REPLACE ";" "\n" source_lines "${sources}")
file(WRITE ${list_file} "${source_lines}\n")
foreach(ts ${TS_FILES})
    get_filename_component(name ${ts} NAME)
    configure_file(${ts} ${WORK_DIR}/${name} COPYONLY)
    execute_process(COMMAND ${LUPDATE} -silent -no-obsolete -locations none @${list_file}
            -ts ${WORK_DIR}/${name}
        RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}: ${result}")
    endif()
    file(STRINGS ${WORK_DIR}/${name} lines ENCODING UTF-8)
    set(previous "")
    set(missing "")
    foreach(line IN LISTS lines)
        if(line MATCHES "type=\"unfinished\"")
            string(STRIP "${previous}" previous)
            list(APPEND missing "${previous}")
        endif()
        set(previous "${line}")
    endforeach()
    if(missing)
        message(FATAL_ERROR "${name}: texts without translation (run the update_translations "
            "target and translate them):\n${missing}")
    endif()
endforeach()
