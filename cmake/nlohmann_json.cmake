# nlohmann's JSON library (header-only, Debian's nlohmann-json3-dev), as the
# target `nlohmann_json_headers`. The headers live in the host's
# /usr/include, which the Windows cross-compilers must not search (its C
# library headers are not theirs), so every configuration reaches them
# through a directory of the build tree that holds nothing but a link to
# the `nlohmann/` folder.
find_path(PELLAVINE_NLOHMANN_JSON_DIR nlohmann/json.hpp
  PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH)
if(NOT PELLAVINE_NLOHMANN_JSON_DIR)
  message(FATAL_ERROR
    "nlohmann/json.hpp not found: install nlohmann-json3-dev (scripts/setup)")
endif()
set(nlohmann_json_include ${CMAKE_BINARY_DIR}/third_party/nlohmann_json)
file(MAKE_DIRECTORY ${nlohmann_json_include})
file(CREATE_LINK ${PELLAVINE_NLOHMANN_JSON_DIR}/nlohmann
     ${nlohmann_json_include}/nlohmann SYMBOLIC)
add_library(nlohmann_json_headers INTERFACE)
# A system directory: its headers are not held to this project's warnings.
target_include_directories(nlohmann_json_headers SYSTEM INTERFACE
                           ${nlohmann_json_include})
