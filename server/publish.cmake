# Publishes a built application directory as an update release.
#
#   cmake -DAPP_DIR=<built application directory> -DVERSION=<version>
#         -DOUT=<release folder> -DBASE_URL=<address the release folder is served at>
#         [-DMSG="first note;second note"] [-DEXCLUDE="config.ini;*.log"]
#         -P server/publish.cmake
#
# Writes <OUT>/update/<VERSION>/<every file>, then <OUT>/update/update.json with
# appVersion, files, uploadUrl (<BASE_URL>/update), msg, sha256 (file -> digest)
# and push: true. The manifest is written last and renamed into place, so a
# client never sees a manifest whose files are not all there yet.
cmake_minimum_required(VERSION 3.21)

foreach(var APP_DIR VERSION OUT BASE_URL)
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
    set(EXCLUDE "config.ini")
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
    if(skip OR name MATCHES "\\.update-part$")
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
    json_string(name_json "${name}")
    if(count GREATER 0)
        string(APPEND files_json ",")
        string(APPEND hashes_json ",")
    endif()
    string(APPEND files_json "\n    ${name_json}")
    string(APPEND hashes_json "\n    ${name_json}: \"${digest}\"")
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
  \"files\": [${files_json}
  ],
  \"uploadUrl\": ${upload_json},
  \"msg\": [${msg_json}],
  \"sha256\": {${hashes_json}
  },
  \"push\": true
}
")
# Proves the text is JSON before anyone can fetch it.
string(JSON checked ERROR_VARIABLE json_error GET "${manifest}" appVersion)
if(json_error)
    message(FATAL_ERROR "publish: manifest is not valid JSON: ${json_error}")
endif()
file(WRITE "${OUT}/update/update.json.new" "${manifest}")
file(RENAME "${OUT}/update/update.json.new" "${OUT}/update/update.json")
message(STATUS "publish: ${count} files of version ${VERSION} in ${release_dir}; manifest ${OUT}/update/update.json")
