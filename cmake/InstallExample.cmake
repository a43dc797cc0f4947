# Runs at install time (from cmake/Install.cmake): writes the example settings file into the
# installed data folder, pointing at the installed samples under the prefix actually used,
# so that `cmake --install --prefix ...` and packaging under DESTDIR both get right paths.
# Given: K41TOOL, K41_JSON_IN, K41_WORK, K41_DATADIR (relative to the prefix, or absolute).
if(IS_ABSOLUTE "${K41_DATADIR}")
  set(data "${K41_DATADIR}")
else()
  set(data "${CMAKE_INSTALL_PREFIX}/${K41_DATADIR}")
endif()
set(K41_SAMPLES_DIR "${data}/samples")
configure_file("${K41_JSON_IN}" "${K41_WORK}/K41.json" @ONLY)
set(out "$ENV{DESTDIR}${data}/K41.in4")
file(MAKE_DIRECTORY "$ENV{DESTDIR}${data}")
message(STATUS "Installing: ${out}")
execute_process(COMMAND "${K41TOOL}" in4 build "${K41_WORK}/K41.json" "${out}"
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "k41tool could not write the example settings file ${out}")
endif()
