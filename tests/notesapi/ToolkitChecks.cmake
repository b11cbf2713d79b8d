# The Notes C API as the toolkit's programs see it: compiled as C99 and as
# C++98 with the definitions of the toolkit's 64-bit Linux makefiles, every
# warning an error.
set(ZEMBRIK_TOOLKIT_DEFINES GCC3 GCC4 GCC_LBLB_NOT_SUPPORTED UNIX LINUX LINUX86 ND64 W32 LINUX64
  W LINUX86_64 DTRACE PTHREAD_KERNEL _REENTRANT USE_THREADSAFE_INTERFACES
  _POSIX_THREAD_SAFE_FUNCTIONS HANDLE_IS_32BITS HAS_IOCP HAS_BOOL HAS_DLOPEN
  USE_PTHREAD_INTERFACES LARGE64_FILES _LARGEFILE_SOURCE _LARGEFILE64_SOURCE NDUNIX64
  LONGIS64BIT PRODUCTION_VERSION OVERRIDEDEBUG)
set(ZEMBRIK_TOOLKIT_OPTIONS -pedantic -Wall -Wextra -Wconversion -Wcast-align -Werror
  -fno-strict-aliasing)

# One target in the language level of the toolkit's programs.
function(zembrik_toolkit_target target lang standard)
  set_target_properties(${target} PROPERTIES ${lang}_STANDARD ${standard}
    ${lang}_STANDARD_REQUIRED ON ${lang}_EXTENSIONS OFF)
  target_compile_definitions(${target} PRIVATE ${ZEMBRIK_TOOLKIT_DEFINES})
  target_compile_options(${target} PRIVATE ${ZEMBRIK_TOOLKIT_OPTIONS})
  target_link_libraries(${target} PRIVATE notesapi_headers zembrik_instrument)
endfunction()

add_library(notesapi_header_check_c99 OBJECT HeaderCheck.c)
zembrik_toolkit_target(notesapi_header_check_c99 C 99)
add_library(notesapi_header_check_cxx98 OBJECT HeaderCheck98.cpp)
zembrik_toolkit_target(notesapi_header_check_cxx98 CXX 98)

# A program of our own against the published API, in both languages; the
# test runs each in a stand-in installation.
add_executable(notesapi_conformance_c99 Conformance.c)
zembrik_toolkit_target(notesapi_conformance_c99 C 99)
target_link_libraries(notesapi_conformance_c99 PRIVATE notes)
add_executable(notesapi_conformance_cxx98 Conformance98.cpp)
zembrik_toolkit_target(notesapi_conformance_cxx98 CXX 98)
target_link_libraries(notesapi_conformance_cxx98 PRIVATE notes)
zembrik_add_test(notesapi_conformance_tests SOURCES ConformanceTest.cpp
  LIBS zembrik_testsupport_notes)
target_compile_definitions(notesapi_conformance_tests PRIVATE
  CONFORMANCE_C99="$<TARGET_FILE:notesapi_conformance_c99>"
  CONFORMANCE_CXX98="$<TARGET_FILE:notesapi_conformance_cxx98>"
  NOTESDB_PROGRAM="$<TARGET_FILE:notesdb>"
  NOTES_LIBRARY="$<TARGET_FILE:notes>"
  SAMPLES_FOLDER="${CMAKE_CURRENT_SOURCE_DIR}/samples")
add_dependencies(notesapi_conformance_tests notesapi_conformance_c99 notesapi_conformance_cxx98
  notesdb notes)
