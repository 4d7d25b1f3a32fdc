# libpng for the Windows build, compiled from Debian's libpng1.6 source package
# (brought into third_party/src by scripts/install-deps.sh) and linked statically
# against Debian's MinGW zlib (libz-mingw-w64-dev).
#
# Consumers link `libpng_win`; it carries png.h, pnglibconf.h (the stock prebuilt one) and zlib.
#
# libpng's own CMakeLists is not used: it also builds the shared library, tests and
# tools, and probes the host. The library is a fixed list of C files, so it is simpler
# to compile those directly.

enable_language(C) # libpng is C; the project itself may only enable C++.

get_filename_component(_png_src_store ${CMAKE_CURRENT_LIST_DIR}/../third_party/src ABSOLUTE)
set(_png_root ${CMAKE_BINARY_DIR}/third_party/libpng)

# --- Source: Debian's orig tarball plus its patch series ------------------------------
# Globbed so that another 1.6.x from Debian works as well; the newest one wins.
file(GLOB _png_orig ${_png_src_store}/libpng1.6_*.orig.tar.*)
if(NOT _png_orig)
  message(FATAL_ERROR "libpng source not found in ${_png_src_store} "
                      "(libpng1.6_*.orig.tar.*). Run scripts/install-deps.sh to fetch it.")
endif()
list(SORT _png_orig COMPARE NATURAL)
list(GET _png_orig -1 _png_orig)
get_filename_component(_png_orig_name ${_png_orig} NAME)
string(REGEX REPLACE "^libpng1\\.6_([^_]+)\\.orig\\..*$" "\\1" _png_version ${_png_orig_name})

# The Debian part holds the security fixes Debian applies on top of upstream; building
# without them would ship a decoder with known holes, so it is required too.
file(GLOB _png_debian ${_png_src_store}/libpng1.6_${_png_version}-*.debian.tar.*)
if(NOT _png_debian)
  message(FATAL_ERROR "Debian patches for libpng ${_png_version} not found in ${_png_src_store} "
                      "(libpng1.6_${_png_version}-*.debian.tar.*). Run scripts/install-deps.sh.")
endif()
list(SORT _png_debian COMPARE NATURAL)
list(GET _png_debian -1 _png_debian)
get_filename_component(_png_debian_name ${_png_debian} NAME)

# Extract and patch once. The stamp is written last and names both tarballs, so an
# interrupted run or a new source package starts again from a clean directory.
set(_png_dir ${_png_root}/src)
set(_png_stamp ${_png_root}/prepared.stamp)
set(_png_stamp_text "${_png_orig_name} ${_png_debian_name}")
if(EXISTS ${_png_stamp})
  file(READ ${_png_stamp} _png_stamp_found)
endif()
if(NOT _png_stamp_found STREQUAL _png_stamp_text)
  message(STATUS "Preparing libpng ${_png_version} from ${_png_orig_name} and ${_png_debian_name}")
  file(REMOVE_RECURSE ${_png_root})
  file(ARCHIVE_EXTRACT INPUT ${_png_orig} DESTINATION ${_png_root}/unpack)
  file(GLOB _png_top ${_png_root}/unpack/*/png.h) # the tarball's single top directory
  if(NOT _png_top)
    message(FATAL_ERROR "${_png_orig_name} does not contain png.h")
  endif()
  get_filename_component(_png_top ${_png_top} DIRECTORY)
  file(RENAME ${_png_top} ${_png_dir})
  file(REMOVE_RECURSE ${_png_root}/unpack)
  file(ARCHIVE_EXTRACT INPUT ${_png_debian} DESTINATION ${_png_dir}) # adds debian/

  find_program(PATCH_EXECUTABLE patch REQUIRED)
  # Apply debian/patches/series in order, as dpkg-source does (quilt format, -p1);
  # commented-out entries are patches Debian does not use.
  file(STRINGS ${_png_dir}/debian/patches/series _png_series REGEX "^[^#]")
  foreach(_png_patch IN LISTS _png_series)
    string(REGEX REPLACE "[ \t].*$" "" _png_patch "${_png_patch}") # drop per-patch options
    execute_process(
      COMMAND ${PATCH_EXECUTABLE} -p1 --batch --forward --silent -i debian/patches/${_png_patch}
      WORKING_DIRECTORY ${_png_dir}
      RESULT_VARIABLE _png_rc OUTPUT_VARIABLE _png_out ERROR_VARIABLE _png_out)
    if(NOT _png_rc EQUAL 0)
      message(FATAL_ERROR "Debian patch ${_png_patch} does not apply to libpng ${_png_version}:\n${_png_out}")
    endif()
  endforeach()

  # The stock configuration; generating one would need awk and the .dfa machinery.
  configure_file(${_png_dir}/scripts/pnglibconf.h.prebuilt ${_png_root}/include/pnglibconf.h COPYONLY)
  # A failing file() command reports an error but lets the configure run go on, so only
  # mark the tree as prepared when the files the build needs are really there.
  if(EXISTS ${_png_dir}/png.h AND EXISTS ${_png_root}/include/pnglibconf.h)
    file(WRITE ${_png_stamp} "${_png_stamp_text}")
  endif()
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_png_orig} ${_png_debian})

# --- zlib: Debian's MinGW build, static archive only -----------------------------------
# find_library would prefer libz.dll.a (the import library), which would make the
# program need zlib1.dll at run time, so the static archive is asked for by file name.
find_library(ZLIB_WIN_LIBRARY NAMES libz.a)
find_path(ZLIB_WIN_INCLUDE_DIR zlib.h)
if(NOT ZLIB_WIN_LIBRARY OR NOT ZLIB_WIN_INCLUDE_DIR)
  message(FATAL_ERROR "MinGW zlib (libz.a, zlib.h) not found; install libz-mingw-w64-dev "
                      "(scripts/install-deps.sh does).")
endif()
add_library(zlib_win STATIC IMPORTED)
set_target_properties(zlib_win PROPERTIES
  IMPORTED_LOCATION ${ZLIB_WIN_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${ZLIB_WIN_INCLUDE_DIR})

# --- The library -----------------------------------------------------------------------
add_library(png_static_win STATIC
  ${_png_dir}/png.c ${_png_dir}/pngerror.c ${_png_dir}/pngget.c ${_png_dir}/pngmem.c
  ${_png_dir}/pngpread.c ${_png_dir}/pngread.c ${_png_dir}/pngrio.c ${_png_dir}/pngrtran.c
  ${_png_dir}/pngrutil.c ${_png_dir}/pngset.c ${_png_dir}/pngtrans.c ${_png_dir}/pngwio.c
  ${_png_dir}/pngwrite.c ${_png_dir}/pngwtran.c ${_png_dir}/pngwutil.c)
# SYSTEM so that the project's warning flags do not apply to libpng's headers.
target_include_directories(png_static_win SYSTEM PUBLIC ${_png_dir} ${_png_root}/include)
target_link_libraries(png_static_win PUBLIC zlib_win)
# The SIMD filter code lives in arm/, intel/, mips/ and powerpc/, which are not
# compiled; pin every switch off so that libpng never references those functions.
target_compile_definitions(png_static_win PRIVATE
  PNG_ARM_NEON_OPT=0 PNG_INTEL_SSE_OPT=0 PNG_MIPS_MSA_OPT=0 PNG_POWERPC_VSX_OPT=0)
target_compile_options(png_static_win PRIVATE -w) # third-party code: keep the build quiet

add_library(libpng_win ALIAS png_static_win)
