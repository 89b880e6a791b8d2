# Each library's public include directory.
#
# Headers stay beside their sources (core/units.h next to core/units.cpp) and
# are included by their directory's name ("core/units.h"). A target must not
# see the headers of a library it does not link, so there is no include root
# for the whole tree: instead each directory gets a directory of its own in
# the build tree, holding one link named after it,
#
#   <build>/include/core/core -> <source>/core
#
# and the library adds <build>/include/core as a PUBLIC include directory.
# A target thus sees "core/..." only when it links ormix_core, directly or
# through a library that links it.

# Gives `target` the headers of source directory `dir` as "dir/...", for
# itself and for every target that links it.
function(ormix_public_headers target dir)
  set(root "${PROJECT_BINARY_DIR}/include/${dir}")
  if(NOT EXISTS "${root}/${dir}")
    file(MAKE_DIRECTORY "${root}")
    file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${dir}" "${root}/${dir}" SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    target_include_directories(${target} PRIVATE "${root}")
  else()
    target_include_directories(${target} PUBLIC "${root}")
  endif()
endfunction()
