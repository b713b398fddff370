# MARROWICK_SANITIZE applies to the whole build, so libraries and tests agree.
if(MARROWICK_SANITIZE)
  list(JOIN MARROWICK_SANITIZE "," _sanitizers)
  add_compile_options(-fsanitize=${_sanitizers} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${_sanitizers})
endif()
