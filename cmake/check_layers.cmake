# Fails when a source of a layer includes a header of a layer above it, or of
# a layer beside it (oil and the calculators know nothing of each other).
#
#   cmake -DROOT=<source tree> -P cmake/check_layers.cmake
#
# The layers, each seeing only those below it:
#   core <- oil, calculators <- model <- scenario <- output <- graphs <- cli, app
# (graphs draws with Qt; the engine below it never does)
# The include directories of the targets stop most such includes at compile
# time; this check also covers headers that no source of their own library
# compiles, and says which line is wrong.
cmake_minimum_required(VERSION 3.25)

if(NOT ROOT)
  message(FATAL_ERROR "usage: cmake -DROOT=<source tree> -P check_layers.cmake")
endif()

set(below_core core)
set(below_oil core oil)
set(below_calculators core calculators)
set(below_model core oil calculators model)
set(below_scenario ${below_model} scenario)
set(below_output ${below_scenario} output)
set(below_graphs ${below_output} graphs)
set(below_cli ${below_graphs} cli)
set(below_app ${below_graphs} app)

set(crossings 0)
foreach(layer core oil calculators model scenario output graphs cli app)
  file(GLOB_RECURSE sources RELATIVE "${ROOT}"
    "${ROOT}/${layer}/*.h" "${ROOT}/${layer}/*.cpp")
  list(SORT sources)
  foreach(source ${sources})
    file(STRINGS "${ROOT}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
    foreach(line ${includes})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"(([^\"/]+)/[^\"]*)\".*" "\\1;\\2" parts "${line}")
      list(GET parts 0 header)
      list(GET parts 1 dir)
      if(NOT dir IN_LIST below_${layer})
        message("${source} includes ${header}, which ${layer} may not see")
        math(EXPR crossings "${crossings} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()

if(crossings GREATER 0)
  message(FATAL_ERROR "${crossings} includes cross the layers")
endif()
message("the layers hold")
