# One interface target that every library, program and test links:
# language level, warnings and the Qt defines that keep string handling explicit.
add_library(project_options INTERFACE)
target_compile_features(project_options INTERFACE cxx_std_20)
# Qt and the other libraries come in as system includes, so these look at our
# own code only.
target_compile_options(project_options INTERFACE -Wall -Wextra -Wshadow -Wsign-conversion -Wdouble-promotion)
option(DIETLENS_WERROR "Treat compiler warnings as errors" OFF)
if(DIETLENS_WERROR)
  target_compile_options(project_options INTERFACE -Werror)
endif()
# Includes name their folder from the top of the tree ("files/cp1252.h",
# "dietlens/core/settings.h"); generated headers live in the same places
# under the build folder.
target_include_directories(project_options INTERFACE ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
target_compile_definitions(project_options INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_URL_CAST_FROM_STRING
  QT_NO_FOREACH
  QT_NO_KEYWORDS
  QT_STRICT_ITERATORS
)

option(DIETLENS_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(DIETLENS_SANITIZE)
  target_compile_options(project_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer)
  target_link_options(project_options INTERFACE -fsanitize=address,undefined)
endif()

# Fuzzing: every library gets coverage instrumentation and both sanitizers;
# only the harnesses in fuzz/ link the libFuzzer driver itself.
if(DIETLENS_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "DIETLENS_FUZZ needs clang: configure with CC=clang CXX=clang++")
  endif()
  target_compile_options(project_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(project_options INTERFACE -fsanitize=address,undefined)
endif()
