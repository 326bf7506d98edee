# pelmora_layer(NAME [DIR folder] [USES lib ...] [EXCLUDE file ...] [HEADERS_ONLY])
#
# Makes the library pelmora_NAME from src/<folder>/*.cpp (folder defaults to NAME) and gives it,
# and whatever links it, one include root that holds only that folder, under the path the code
# includes it by ("link/link.h", "platform/fake/fake_controls.h"). The root is a folder of the
# build tree with a link to the source folder in it. Everything the layer may include comes from
# the layers it USES, so an include of any other layer fails to compile.
#
# The interface headers of src/platform are linked one by one, since the backends' folders lie
# inside it and must not come with them.
function(pelmora_layer name)
  cmake_parse_arguments(ARG "HEADERS_ONLY" "DIR" "USES;EXCLUDE" ${ARGN})
  if(NOT ARG_DIR)
    set(ARG_DIR ${name})
  endif()
  set(source ${PROJECT_SOURCE_DIR}/src/${ARG_DIR})
  set(root ${CMAKE_BINARY_DIR}/layers/${name})
  get_filename_component(parent ${root}/${ARG_DIR} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(name STREQUAL "platform")
    file(MAKE_DIRECTORY ${root}/platform)
    file(GLOB headers CONFIGURE_DEPENDS ${source}/*.h)
    foreach(header IN LISTS headers)
      get_filename_component(file ${header} NAME)
      file(CREATE_LINK ${header} ${root}/platform/${file} SYMBOLIC)
    endforeach()
  elseif(NOT EXISTS ${root}/${ARG_DIR})
    file(CREATE_LINK ${source} ${root}/${ARG_DIR} SYMBOLIC)
  endif()

  set(uses)
  foreach(use IN LISTS ARG_USES)
    list(APPEND uses pelmora_${use})
  endforeach()

  if(ARG_HEADERS_ONLY)
    add_library(pelmora_${name} INTERFACE)
    target_include_directories(pelmora_${name} INTERFACE ${root})
    target_link_libraries(pelmora_${name} INTERFACE ${uses})
    return()
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${source}/*.cpp)
  foreach(excluded IN LISTS ARG_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "/${excluded}$")
  endforeach()
  add_library(pelmora_${name} STATIC ${sources})
  target_include_directories(pelmora_${name} PUBLIC ${root})
  target_link_libraries(pelmora_${name} PUBLIC ${uses})
endfunction()
