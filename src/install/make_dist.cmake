# Lays out the distribution folder and packs it. Run by the `dist` target with
#   -DBIN_DIR -DSOURCE_DIR -DDIST_DIR -DVERSION -DARCH -DSTRIP
set(folder ${DIST_DIR}/Orvanta)
file(REMOVE_RECURSE ${folder})
file(MAKE_DIRECTORY ${folder}/icons)

foreach(program ORVXP install orvanta)
  file(COPY ${BIN_DIR}/${program} DESTINATION ${folder})
  # The debugging symbols stay in the build tree.
  if(STRIP)
    execute_process(COMMAND ${STRIP} --strip-debug ${folder}/${program} COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
file(GLOB icons ${SOURCE_DIR}/resources/icons/orvanta-*.png ${SOURCE_DIR}/resources/icons/orvanta.svg)
file(COPY ${icons} DESTINATION ${folder}/icons)
file(COPY ${SOURCE_DIR}/examples/Sample.dat DESTINATION ${folder})
file(COPY ${BIN_DIR}/orvwinxpman.pdf DESTINATION ${folder})
set(ORV_VERSION ${VERSION})
configure_file(${SOURCE_DIR}/resources/dist/README.txt.in ${folder}/README.txt @ONLY)

set(archive Orvanta-${VERSION}-linux-${ARCH}.tar.gz)
file(REMOVE ${DIST_DIR}/${archive})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar czf ${archive} Orvanta WORKING_DIRECTORY ${DIST_DIR}
                COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Distribution: ${DIST_DIR}/${archive}")
