# Writes the build's version header: the project's version and the source
# revision the build is made from. Run at every build; the header is only
# rewritten (and about_dialog.cpp only recompiled) when the revision changes.
execute_process(COMMAND git rev-parse --short HEAD
  WORKING_DIRECTORY ${SOURCE_DIR} OUTPUT_VARIABLE revision
  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT revision)
  set(revision "no revision")
endif()
set(ORMIX_BUILD_VERSION "${VERSION} (${revision})")
configure_file(${IN} ${OUT} @ONLY)
