# Warnings and sanitizers shared by every target of the project.
add_library(arvex_options INTERFACE)
target_compile_options(arvex_options INTERFACE
  -Wall -Wextra -Wpedantic -Wno-unused-parameter
  $<$<CXX_COMPILER_ID:GNU>:-Wno-maybe-uninitialized>)

if(ARVEX_SANITIZE)
  set(_san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(arvex_options INTERFACE ${_san})
  target_link_options(arvex_options INTERFACE ${_san})
endif()

if(ARVEX_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ARVEX_FUZZ needs clang (libFuzzer)")
  endif()
  # Everything is instrumented for coverage; only the fuzz targets get the
  # libFuzzer main.
  target_compile_options(arvex_options INTERFACE -fsanitize=fuzzer-no-link)
  target_link_options(arvex_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
