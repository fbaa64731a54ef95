# Run by CPack on its staging folder, before the .deb is made: what a Debian package holds beyond
# the install rules. Programs are stripped (their debug symbols kept beside the build, linked by
# name so a debugger finds them), manual pages compressed, the copyright file and the changelog
# added under /usr/share/doc/<package>. The install rules themselves stay as `cmake --install`
# wants them, uncompressed and with symbols.
set(stage "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT IS_DIRECTORY "${stage}/bin")
  message(FATAL_ERROR "No programs staged under ${stage}")
endif()
set(debugDir "${CPACK_PACKAGE_DIRECTORY}/debug")
file(MAKE_DIRECTORY "${debugDir}")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result ERROR_VARIABLE error)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed: ${error}")
  endif()
endfunction()

file(GLOB programs "${stage}/bin/*")
foreach(program ${programs})
  get_filename_component(name "${program}" NAME)
  set(debug "${debugDir}/${name}.debug")
  run(objcopy --only-keep-debug "${program}" "${debug}")
  run(strip --strip-unneeded --remove-section=.comment --remove-section=.note "${program}")
  # The link is resolved in the working folder, so it is added from the debug file's folder.
  execute_process(COMMAND objcopy --add-gnu-debuglink=${name}.debug "${program}"
                  WORKING_DIRECTORY "${debugDir}" RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "objcopy --add-gnu-debuglink failed on ${program}")
  endif()
endforeach()

file(GLOB_RECURSE pages "${stage}/share/man/*.[1-9]")
foreach(page ${pages})
  run(gzip -9nf "${page}")
endforeach()

set(doc "${stage}/share/doc/${CPACK_PACKAGE_NAME}")
file(MAKE_DIRECTORY "${doc}")
file(COPY_FILE "${CPACK_ORVALIS_SOURCE_DIR}/debian/copyright" "${doc}/copyright")
file(COPY_FILE "${CPACK_ORVALIS_SOURCE_DIR}/debian/changelog" "${doc}/changelog.Debian")
run(gzip -9nf "${doc}/changelog.Debian")

# The package is made by its vendor, not uploaded to Debian: there is no bug asking for it that its
# first changelog entry could close.
file(WRITE "${stage}/share/lintian/overrides/${CPACK_PACKAGE_NAME}"
  "# A vendor package outside the Debian archive: no request-for-package bug to close.\n"
  "${CPACK_PACKAGE_NAME}: initial-upload-closes-no-bugs\n"
  "# The user's guide is data the program opens from its Help menu, beside its other resources.\n"
  "${CPACK_PACKAGE_NAME}: package-contains-documentation-outside-usr-share-doc [usr/share/Orvalis/help/*]\n")

# Whatever the umask of the build: files 0644 (programs 0755), folders 0755.
file(GLOB_RECURSE files LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(path ${files})
  if(IS_DIRECTORY "${path}")
    file(CHMOD "${path}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  elseif(path MATCHES "/bin/[^/]+$")
    file(CHMOD "${path}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  else()
    file(CHMOD "${path}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  endif()
endforeach()
