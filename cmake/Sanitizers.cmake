# MARROWICK_SANITIZE applies to the whole build, so libraries and tests agree.
if(MARROWICK_SANITIZE)
  list(JOIN MARROWICK_SANITIZE "," _sanitizers)
  add_compile_options(-fsanitize=${_sanitizers} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${_sanitizers})
endif()

# The fuzz targets steer by the coverage of everything they call, so all code is instrumented;
# only the targets themselves link libFuzzer (tests/fuzz).
if(MARROWICK_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "MARROWICK_FUZZ needs clang (libFuzzer)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
