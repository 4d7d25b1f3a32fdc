# GoogleTest from the sources of Debian's googletest package, for both builds.
set(GTEST_SOURCE_DIR /usr/src/googletest/googletest)
if(NOT EXISTS ${GTEST_SOURCE_DIR}/src/gtest-all.cc)
  message(FATAL_ERROR "GoogleTest sources not found in ${GTEST_SOURCE_DIR}: run scripts/install-deps.sh")
endif()

add_library(gtest_suite STATIC ${GTEST_SOURCE_DIR}/src/gtest-all.cc ${GTEST_SOURCE_DIR}/src/gtest_main.cc)
target_include_directories(gtest_suite SYSTEM PUBLIC ${GTEST_SOURCE_DIR}/include PRIVATE ${GTEST_SOURCE_DIR})
find_package(Threads REQUIRED)
target_link_libraries(gtest_suite PUBLIC Threads::Threads)
