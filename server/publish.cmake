# Publishes a built application directory as a signed update release.
#
#   cmake -DAPP_DIR=<built application directory> -DVERSION=<version>
#         -DOUT=<release folder> -DBASE_URL=<address the release folder is served at>
#         -DKEY=<Ed25519 private key, PEM>
#         [-DSERIAL=<release serial>] [-DEXECUTABLES="Quillmark;Update"]
#         [-DMSG="first note;second note"] [-DEXCLUDE="*.log"]
#         -P server/publish.cmake
#
# Writes <OUT>/update/<VERSION>/<every file>, then <OUT>/update/update.json:
# {"manifest": base64, "signature": base64, "push": true}, where the manifest
# holds appVersion, serial, files, uploadUrl (<BASE_URL>/update), msg, sha256 and
# size (file -> value) and executable (names), and the signature is Ed25519 over
# the manifest bytes, made with the openssl command. The serial only grows: by
# default the last one (kept in <OUT>/serial) plus one; a rollback is published as
# an older version with a newer serial. The manifest is written last and renamed
# into place, so a client never sees a manifest whose files are not all there yet.
cmake_minimum_required(VERSION 3.21)

foreach(var APP_DIR VERSION OUT BASE_URL KEY)
    if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
        message(FATAL_ERROR "publish: ${var} is required")
    endif()
endforeach()
# Relative folders are taken from the current directory.
file(REAL_PATH "${APP_DIR}" APP_DIR BASE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}")
get_filename_component(OUT "${OUT}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_BINARY_DIR}")
if(NOT IS_DIRECTORY "${APP_DIR}")
    message(FATAL_ERROR "publish: APP_DIR '${APP_DIR}' is not a folder")
endif()
# The version becomes a folder name and a URL part.
if(NOT VERSION MATCHES "^[A-Za-z0-9][A-Za-z0-9._+-]*$")
    message(FATAL_ERROR "publish: VERSION '${VERSION}' may hold only letters, digits and . _ + -")
endif()
if(NOT DEFINED EXCLUDE)
    set(EXCLUDE "")
endif()
# The updater never replaces these: config.ini (any letter case) and its own files.
list(APPEND EXCLUDE "[Cc][Oo][Nn][Ff][Ii][Gg].[Ii][Nn][Ii]" ".update-*" "*.update-part")
find_program(OPENSSL openssl)
if(NOT OPENSSL)
    message(FATAL_ERROR "publish: the openssl command is needed to sign (Debian package openssl)")
endif()
file(REAL_PATH "${KEY}" KEY BASE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}")

set(serial_file "${OUT}/serial")
set(last_serial 0)
if(EXISTS "${serial_file}")
    file(READ "${serial_file}" last_serial)
    string(STRIP "${last_serial}" last_serial)
endif()
if(NOT DEFINED SERIAL OR "${SERIAL}" STREQUAL "")
    math(EXPR SERIAL "${last_serial} + 1")
endif()
if(NOT SERIAL MATCHES "^[1-9][0-9]*$" OR NOT SERIAL GREATER last_serial)
    message(FATAL_ERROR "publish: SERIAL '${SERIAL}' must be a whole number above the last one, ${last_serial}")
endif()

function(json_string out text)
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REPLACE "\"" "\\\"" text "${text}")
    string(REPLACE "\n" "\\n" text "${text}")
    string(REPLACE "\t" "\\t" text "${text}")
    set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

string(REGEX REPLACE "/+$" "" base "${BASE_URL}")
set(release_dir "${OUT}/update/${VERSION}")
if(EXISTS "${release_dir}")
    message(FATAL_ERROR "publish: ${release_dir} exists already; a published version never changes")
endif()

file(GLOB_RECURSE names LIST_DIRECTORIES false RELATIVE "${APP_DIR}" "${APP_DIR}/*")
list(SORT names)
set(files_json "")
set(hashes_json "")
set(sizes_json "")
set(exec_json "")
set(count 0)
foreach(name IN LISTS names)
    set(skip FALSE)
    foreach(pattern IN LISTS EXCLUDE)
        string(REPLACE "." "\\." regex "${pattern}")
        string(REPLACE "*" ".*" regex "${regex}")
        if(name MATCHES "^${regex}$")
            set(skip TRUE)
        endif()
    endforeach()
    if(skip)
        continue()
    endif()
    # Names the updater would refuse are refused here already.
    if(name MATCHES "[\\\\:<>\"|?*]" OR name MATCHES "(^|/)\\.\\.?(/|$)")
        message(FATAL_ERROR "publish: '${name}' is not a name the updater accepts")
    endif()
    get_filename_component(folder "${release_dir}/${name}" DIRECTORY)
    file(MAKE_DIRECTORY "${folder}")
    file(COPY_FILE "${APP_DIR}/${name}" "${release_dir}/${name}")
    file(SHA256 "${release_dir}/${name}" digest)
    file(SIZE "${release_dir}/${name}" size)
    json_string(name_json "${name}")
    if(count GREATER 0)
        string(APPEND files_json ",")
        string(APPEND hashes_json ",")
        string(APPEND sizes_json ",")
    endif()
    string(APPEND files_json "\n    ${name_json}")
    string(APPEND hashes_json "\n    ${name_json}: \"${digest}\"")
    string(APPEND sizes_json "\n    ${name_json}: ${size}")
    # Programs keep their execute bit on the user's machine.
    set(executable FALSE)
    if(DEFINED EXECUTABLES)
        if(name IN_LIST EXECUTABLES)
            set(executable TRUE)
        endif()
    elseif(CMAKE_HOST_UNIX)
        execute_process(COMMAND test -x "${APP_DIR}/${name}" RESULT_VARIABLE not_executable)
        if(not_executable EQUAL 0)
            set(executable TRUE)
        endif()
    elseif(name MATCHES "\\.exe$")
        set(executable TRUE)
    endif()
    if(executable)
        if(NOT exec_json STREQUAL "")
            string(APPEND exec_json ", ")
        endif()
        string(APPEND exec_json "${name_json}")
    endif()
    math(EXPR count "${count} + 1")
endforeach()

set(msg_json "")
set(first TRUE)
foreach(line IN LISTS MSG)
    json_string(line_json "${line}")
    if(NOT first)
        string(APPEND msg_json ", ")
    endif()
    string(APPEND msg_json "${line_json}")
    set(first FALSE)
endforeach()

json_string(version_json "${VERSION}")
json_string(upload_json "${base}/update")
set(manifest "{
  \"appVersion\": ${version_json},
  \"serial\": ${SERIAL},
  \"files\": [${files_json}
  ],
  \"uploadUrl\": ${upload_json},
  \"msg\": [${msg_json}],
  \"sha256\": {${hashes_json}
  },
  \"size\": {${sizes_json}
  },
  \"executable\": [${exec_json}]
}
")
# Proves the text is JSON before anyone can fetch it.
string(JSON checked ERROR_VARIABLE json_error GET "${manifest}" appVersion)
if(json_error)
    message(FATAL_ERROR "publish: manifest is not valid JSON: ${json_error}")
endif()

# Signed and encoded outside the served folder.
set(work "${OUT}/.publish")
file(MAKE_DIRECTORY "${work}")
file(WRITE "${work}/manifest.json" "${manifest}")
execute_process(COMMAND "${OPENSSL}" pkeyutl -sign -rawin -inkey "${KEY}"
                    -in "${work}/manifest.json" -out "${work}/manifest.sig"
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    file(REMOVE_RECURSE "${work}")
    message(FATAL_ERROR "publish: signing with ${KEY} failed: ${err}")
endif()
foreach(part manifest.json manifest.sig)
    execute_process(COMMAND "${OPENSSL}" base64 -A -in "${work}/${part}"
                    OUTPUT_VARIABLE encoded_${part} RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "publish: cannot encode ${part}")
    endif()
    string(STRIP "${encoded_${part}}" encoded_${part})
endforeach()
file(REMOVE_RECURSE "${work}")

file(WRITE "${OUT}/update/update.json.new" "{
  \"manifest\": \"${encoded_manifest.json}\",
  \"signature\": \"${encoded_manifest.sig}\",
  \"push\": true
}
")
file(RENAME "${OUT}/update/update.json.new" "${OUT}/update/update.json")
file(WRITE "${serial_file}" "${SERIAL}\n")
message(STATUS "publish: ${count} files of version ${VERSION}, serial ${SERIAL}, in ${release_dir}; manifest ${OUT}/update/update.json")
