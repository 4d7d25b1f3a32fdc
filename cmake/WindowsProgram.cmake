# Settings of every Windows target, and add_windows_program() for the four programs.

add_compile_definitions(UNICODE _UNICODE WINVER=0x0A00 _WIN32_WINNT=0x0A00 NOMINMAX WIN32_LEAN_AND_MEAN)
# Frame pointers everywhere: the crash report walks the stack by them.
add_compile_options(-Wall -Wextra -fno-omit-frame-pointer)
# Static C and C++ runtimes and winpthread: the programs need nothing but system DLLs.
add_link_options(-static -static-libgcc -static-libstdc++)

# Programs and the Res folder land in dist/ of the build tree, as a user would copy them.
set(SUITE_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
file(MAKE_DIRECTORY ${SUITE_DIST_DIR})
file(COPY ${CMAKE_SOURCE_DIR}/Res DESTINATION ${SUITE_DIST_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/Res DESTINATION .)

# windres reports no dependencies: a resource script is rebuilt when any script,
# header, icon or manifest beside it, in shared/res or in recorder (whose dialog
# scripts test programs include) changes.
function(track_resource_inputs)
  file(GLOB inputs CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.rc ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.ico
       ${CMAKE_SOURCE_DIR}/shared/res/* ${CMAKE_SOURCE_DIR}/recorder/*.rc ${CMAKE_SOURCE_DIR}/recorder/*.h)
  foreach(source ${ARGN})
    if(source MATCHES "\\.rc$")
      set_source_files_properties(${source} PROPERTIES OBJECT_DEPENDS "${inputs}")
    endif()
  endforeach()
endfunction()

function(add_windows_program name)
  add_executable(${name} WIN32 ${ARGN})
  track_resource_inputs(${ARGN})
  target_link_options(${name} PRIVATE -municode)
  target_link_libraries(${name} PRIVATE suite_frame)
  # The .rc files find Frame.rc, the manifest and their icon through these.
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/shared/res ${CMAKE_CURRENT_SOURCE_DIR})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${SUITE_DIST_DIR})
  install(TARGETS ${name} RUNTIME DESTINATION .)
endfunction()
