# Copies beside the module every library of its closure that a desktop Linux
# cannot be counted on to have, each under its soname, so the module's $ORIGIN
# run path finds them all, and removes any other. Run after each link:
#   cmake -DMODULE=path/Ovilux.xpl -DSEARCH_DIRS=dir|dir -DWORK_DIR=dir -P carry_libraries.cmake
# The libraries are looked up from a copy of the module in WORK_DIR, so that
# its run path does not find the copies made before and each build copies the
# system's current ones.
# The system's own: the C library and its parts, the C++ and GCC runtimes,
# libm, zlib, OpenGL, and the sanitizers' runtimes of instrumented builds.
set(system_libraries
  "^ld-linux" "^libc\\.so" "^libm\\.so" "^libmvec\\.so" "^libdl\\.so" "^libpthread\\.so"
  "^librt\\.so" "^libstdc\\+\\+\\.so" "^libgcc_s\\.so" "^libz\\.so" "^libGL" "^libOpenGL"
  "^libasan\\.so" "^libubsan\\.so" "^libtsan\\.so" "^liblsan\\.so")
string(REPLACE "|" ";" search_dirs "${SEARCH_DIRS}")
get_filename_component(folder ${MODULE} DIRECTORY)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(COPY ${MODULE} DESTINATION ${WORK_DIR})
get_filename_component(module_name ${MODULE} NAME)

set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM linux+elf)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
find_program(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND objdump REQUIRED)
file(GET_RUNTIME_DEPENDENCIES
  LIBRARIES ${WORK_DIR}/${module_name}
  RESOLVED_DEPENDENCIES_VAR resolved
  UNRESOLVED_DEPENDENCIES_VAR unresolved
  PRE_EXCLUDE_REGEXES ${system_libraries}
  DIRECTORIES ${search_dirs})
if(unresolved)
  message(FATAL_ERROR "Libraries of the module not found: ${unresolved}")
endif()
set(carried "")
foreach(library ${resolved})
  get_filename_component(real ${library} REALPATH)
  execute_process(COMMAND objdump -p ${real} OUTPUT_VARIABLE dynamic)
  if(NOT dynamic MATCHES "SONAME +([^ \n]+)")
    message(FATAL_ERROR "${real} has no soname")
  endif()
  set(soname ${CMAKE_MATCH_1})
  list(APPEND carried ${soname})
  execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different ${real} ${folder}/${soname}
    RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "Unable to copy ${real} to ${folder}/${soname}")
  endif()
endforeach()
# A library the module no longer needs does not stay beside it.
file(GLOB present RELATIVE ${folder} ${folder}/*.so*)
foreach(library ${present})
  list(FIND carried ${library} at)
  if(at LESS 0)
    file(REMOVE ${folder}/${library})
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
