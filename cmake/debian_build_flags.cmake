# The flags Debian builds its packages with (dpkg-buildflags on Debian 12
# with hardening=+all), for every target of the build: the programs, the
# libraries they link and the tests that run those libraries. They live
# here alone, so that scripts/build, ./run, scripts/package and the
# sanitizer builds get them from CMake rather than each its own.
#
#   -fstack-protector-strong      a canary in every function with a local
#                                 array or an address taken
#   -D_FORTIFY_SOURCE=2           memcpy, snprintf and the like checked
#                                 against the buffer they write (the *_chk
#                                 calls), only with optimisation
#   -Wformat -Werror=format-security  no format string that is not a literal
#   position-independent code     the programs load at a random address
#   -Wl,-z,relro -Wl,-z,now       every symbol bound at start, then the
#                                 tables that hold them made read-only
#   -ffile-prefix-map, -Wdate-time  nothing of the build folder or the build
#                                 time inside a binary, so that two builds
#                                 of one commit are the same file
#
# The Windows build takes what MinGW-w64 supports: the stack protector and
# the fortified calls, both from libssp, which GCC links in statically with
# the rest, and in place of PIE and RELRO the PE image flags for a random
# base address (relocatable, 64-bit entropy) and a stack and heap that do
# not execute.
#
# Include after COMBINIX_SANITIZE is set: the sanitizers watch the plain
# calls, which the fortified ones would pass by, so their builds leave
# _FORTIFY_SOURCE out.

# The web build (Emscripten) takes only what keeps its files the same from
# build to build: WebAssembly has no stack canary of the C library's, no
# fortified calls, no load address and no relocation tables to protect; the
# browser's sandbox and the module's bounds checks stand in for them.
if(EMSCRIPTEN)
  add_compile_options(-Wformat -Werror=format-security -Wdate-time "-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.")
  return()
endif()

add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security -Wdate-time
                    "-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.")

# glibc and MinGW-w64 fortify only optimised code (and warn without it,
# which -Werror turns into a failure), so Debug builds go without. The -U
# first: a compiler or a CPPFLAGS that defines it already would otherwise
# meet a redefinition.
if(NOT COMBINIX_SANITIZE)
  add_compile_options("$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
endif()

if(WIN32)
  # -fstack-protector-strong at the link too: GCC then links libssp, which
  # holds __stack_chk_fail and the *_chk calls there (statically, as the
  # toolchain file links everything). libssp draws the canary from
  # ADVAPI32.dll (CryptGenRandom), which every Windows has.
  add_link_options(-fstack-protector-strong -Wl,--dynamicbase,--nxcompat,--high-entropy-va)
else()
  # Every library here is static and ends up inside a program, so all code
  # is compiled -fPIE, as Debian's compiler does by default, and not -fPIC,
  # which CMake's POSITION_INDEPENDENT_CODE gives static libraries: -fPIC
  # reaches the search's global stores through the GOT, an instruction more
  # at each use in the innermost loops (a fifth more instructions in a
  # search of 40 parts).
  include(CheckPIESupported)
  check_pie_supported(OUTPUT_VARIABLE pie_problem LANGUAGES CXX)
  if(NOT CMAKE_CXX_LINK_PIE_SUPPORTED)
    message(FATAL_ERROR "the compiler cannot link position-independent programs: ${pie_problem}")
  endif()
  add_compile_options(-fPIE)
  add_link_options("$<$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>:-pie>" -Wl,-z,relro -Wl,-z,now)
endif()
