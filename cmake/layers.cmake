# The core's layers, each a static library over its folders. A layer may include only its own
# folders and those of the layers it depends on, so an include that runs upward stops the
# configure step with the file and the folder it reached for.

# ventro_layer(<target> FOLDERS <folder>... [DEPENDS <layer target>...])
function(ventro_layer target)
  cmake_parse_arguments(LAYER "" "" "FOLDERS;DEPENDS" ${ARGN})
  set(sources)
  set(headers)
  foreach(folder IN LISTS LAYER_FOLDERS)
    file(GLOB folder_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cc)
    file(GLOB folder_headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    list(APPEND sources ${folder_sources})
    list(APPEND headers ${folder_headers})
  endforeach()

  set(reachable ${LAYER_FOLDERS})
  foreach(dependency IN LISTS LAYER_DEPENDS)
    get_property(below GLOBAL PROPERTY VENTRO_LAYER_FOLDERS_${dependency})
    list(APPEND reachable ${below})
  endforeach()
  list(REMOVE_DUPLICATES reachable)
  set_property(GLOBAL PROPERTY VENTRO_LAYER_FOLDERS_${target} ${reachable})

  foreach(file IN LISTS sources headers)
    file(STRINGS ${file} includes REGEX "^#include \"[a-z_]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" folder "${line}")
      if(NOT folder IN_LIST reachable)
        file(RELATIVE_PATH shown ${PROJECT_SOURCE_DIR} ${file})
        message(FATAL_ERROR "${shown} includes ${folder}/, which is not below ${target} "
                            "(it may reach: ${reachable})")
      endif()
    endforeach()
  endforeach()

  add_library(${target} STATIC ${sources} ${headers})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_options(${target} PRIVATE ${VENTRO_WARNINGS})
  target_link_libraries(${target} PUBLIC ${LAYER_DEPENDS})
endfunction()
