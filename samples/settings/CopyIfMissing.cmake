# Puts the example settings file beside the executable unless one is there already: the
# user's own settings, written when K41 quits, are never replaced by a rebuild.
if(NOT EXISTS "${DST}")
  file(COPY_FILE "${SRC}" "${DST}")
endif()
