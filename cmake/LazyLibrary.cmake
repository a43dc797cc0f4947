# Libraries the program opens when first used (platform/core/LazyLibrary.h) are not linked:
# the targets get their headers, and their forwarders the library's soname.

# The soname recorded in the shared library `file` (following its symbolic links).
function(k41_soname out file)
  get_filename_component(real "${file}" REALPATH)
  execute_process(COMMAND objdump -p "${real}" OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
  string(REGEX MATCH "SONAME +([^ \n]+)" found "${dump}")
  if(NOT rc EQUAL 0 OR NOT CMAKE_MATCH_1)
    message(FATAL_ERROR "No soname found in ${file}")
  endif()
  set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

# The Debian package that holds `file`, empty when dpkg does not know it.
function(k41_package_of out file)
  get_filename_component(real "${file}" REALPATH)
  execute_process(COMMAND dpkg -S "${real}" OUTPUT_VARIABLE owner RESULT_VARIABLE rc ERROR_QUIET)
  set(package "")
  if(rc EQUAL 0 AND owner MATCHES "^([^:,]+)")
    set(package "${CMAKE_MATCH_1}")
  endif()
  set(${out} "${package}" PARENT_SCOPE)
endfunction()

# Gives `target` the headers of the library `file` (include folders `includes`, other compile
# flags `flags`) and the definition K41_<NAME>_SONAME for its forwarders, without linking it.
function(k41_lazy_library target name file includes flags)
  k41_soname(soname "${file}")
  target_include_directories(${target} PRIVATE ${includes})
  target_compile_options(${target} PRIVATE ${flags})
  target_compile_definitions(${target} PRIVATE K41_${name}_SONAME="${soname}")
  # Nothing links the library, so the package's dependency on it is named by hand
  # (cmake/Package.cmake reads this list).
  k41_package_of(package "${file}")
  if(package)
    set_property(GLOBAL APPEND PROPERTY K41_LAZY_LIBRARY_PACKAGES "${package}")
  endif()
endfunction()
