# One interface target carries the language standard, the warnings and the
# sanitizer switch; every target of the project links it.
option(WITH_SANITIZERS "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(WITH_FUZZERS "Build the libFuzzer targets (needs clang)" OFF)
option(WARNINGS_AS_ERRORS "Treat warnings as errors" ON)

set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

add_library(project_options INTERFACE)
target_compile_features(project_options INTERFACE cxx_std_20)
target_compile_options(project_options INTERFACE -Wall -Wextra)
if(WARNINGS_AS_ERRORS)
  target_compile_options(project_options INTERFACE -Werror)
endif()

set(instrument_flags "")
if(WITH_SANITIZERS)
  list(APPEND instrument_flags -fsanitize=address,undefined -fno-sanitize-recover=undefined)
endif()
if(WITH_FUZZERS)
  # Everything is instrumented for coverage; only the fuzz executables get
  # libFuzzer's main (see project_add_fuzzer).
  list(APPEND instrument_flags -fsanitize=fuzzer-no-link,address,undefined)
endif()
if(instrument_flags)
  target_compile_options(project_options INTERFACE ${instrument_flags} -fno-omit-frame-pointer)
  target_link_options(project_options INTERFACE ${instrument_flags})
endif()

# project_add_fuzzer(name source... LINK lib...)
function(project_add_fuzzer name)
  cmake_parse_arguments(ARG "" "" "LINK" ${ARGN})
  if(NOT WITH_FUZZERS)
    return()
  endif()
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE project_options ${ARG_LINK})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endfunction()
