# Run by CPack (CPACK_PRE_BUILD_SCRIPTS) once the files to be packaged lie in
# the staging folder: adds the libraries the program and its printing module
# link to the package's Depends, as dpkg-shlibdeps finds them.
#
# CPack's own CPACK_DEBIAN_PACKAGE_SHLIBDEPS does the same, but on seeing a
# shared object under usr/lib it also writes postinst and postrm scripts that
# run ldconfig. The printing module lives in the private folder usr/lib/palmora,
# which the dynamic linker never searches, so there is nothing for ldconfig to
# do.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()

find_program(PALMORA_DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(PALMORA_FILE file)
if(NOT PALMORA_DPKG_SHLIBDEPS OR NOT PALMORA_FILE)
  message(FATAL_ERROR "The package's library dependencies need dpkg-shlibdeps (dpkg-dev) and file")
endif()

file(GLOB_RECURSE staged_files LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
set(elf_files)
foreach(staged IN LISTS staged_files)
  if(IS_SYMLINK "${staged}")
    continue()
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C ${PALMORA_FILE} -b "${staged}"
                  OUTPUT_VARIABLE kind RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "file could not tell what ${staged} is")
  endif()
  if(kind MATCHES "^ELF .*dynamically linked")
    list(APPEND elf_files "${staged}")
  endif()
endforeach()
if(NOT elf_files)
  message(FATAL_ERROR "No program found in ${CPACK_TEMPORARY_DIRECTORY} to take dependencies from")
endif()

# dpkg-shlibdeps wants a debian/control beside it, even with -O.
set(shlibdeps_dir "${CPACK_TOPLEVEL_DIRECTORY}/shlibdeps")
file(REMOVE_RECURSE "${shlibdeps_dir}")
file(WRITE "${shlibdeps_dir}/debian/control" "Source: ${CPACK_PACKAGE_NAME}\n\nPackage: ${CPACK_PACKAGE_NAME}\nArchitecture: any\n")
execute_process(COMMAND ${PALMORA_DPKG_SHLIBDEPS} -O ${elf_files}
                WORKING_DIRECTORY "${shlibdeps_dir}"
                OUTPUT_VARIABLE substvars ERROR_VARIABLE problems RESULT_VARIABLE status)
file(REMOVE_RECURSE "${shlibdeps_dir}")
if(NOT status EQUAL 0 OR NOT substvars MATCHES "shlibs:Depends=([^\n]+)")
  message(FATAL_ERROR "dpkg-shlibdeps failed: ${problems}")
endif()
set(library_depends "${CMAKE_MATCH_1}")
if(CPACK_DEBIAN_PACKAGE_DEPENDS)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}, ${library_depends}")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${library_depends}")
endif()
