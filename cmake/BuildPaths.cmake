# No path of the build machine goes into what we build: debug information and __FILE__ name
# the files relative to the source tree (and to the build tree when that lies elsewhere), so
# a program moved to another machine carries nothing of this one. Debuggers find the sources
# when started from the top of the tree.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.)
cmake_path(IS_PREFIX PROJECT_SOURCE_DIR "${CMAKE_BINARY_DIR}" NORMALIZE build_inside_source)
if(NOT build_inside_source)
    add_compile_options(-ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
endif()
