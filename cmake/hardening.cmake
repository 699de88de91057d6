# The protections every program a user gets is built with: those that
# Debian's dpkg-buildflags gives its packages with hardening=+all (Debian 12's
# and, for stack clash and control flow, Debian 13's), on each architecture.
# tests/package/check-hardening reads them back out of the built programs.
#
#   include(hardening)    in the project: every target, when
#                         HANGING_CHAIN_HARDENING is on
#   cmake -DHARDENING_TARGET=windows -P cmake/hardening.cmake
#                         prints the compile flags, for the scripts that
#                         build the static libraries the Windows program
#                         carries inside it (scripts/windows-qt, windows-mpfr)
#
# Linux (ELF), on every architecture:
#   -fstack-protector-strong  a canary in every function with an array or an
#                             address taken of a local
#   -fstack-clash-protection  a large or variable frame touched page by page,
#                             so that it cannot jump the guard page
#   -D_FORTIFY_SOURCE=2       string and memory calls of known sizes checked;
#                             needs optimisation, so not at -O0
#   -Wformat -Werror=format-security -Wdate-time
#   -Wl,-z,relro -Wl,-z,now   relocations read-only after start, all bound
#                             at start
#   PIE                       Debian's compiler makes position-independent
#                             executables by default; the check keeps it so
# and the control flow protection of the architecture:
#   x86-64: -fcf-protection   endbr64 at every indirect target, and shadow
#                             stack compatibility recorded
#   arm64: -mbranch-protection=standard
#                             a BTI landing pad at every indirect target, and
#                             return addresses signed (PAC)
# Another architecture gets the flags of these its compiler accepts.
#
# Windows (PE, mingw-w64): the stack protector and the fortified calls, whose
# runtime (libssp) the toolchain file's -static links into the program.
# High-entropy ASLR, ASLR and DEP are binutils' defaults. Left out:
# -fstack-clash-protection, which changes nothing there (Windows touches a
# large frame page by page already, through ___chkstk_ms); -fcf-protection,
# whose endbr64 Windows ignores (its control-flow guard is another mechanism,
# which GNU ld cannot mark); relro and now, which PE has no form of.
# WebAssembly has none of these: its return addresses and its code are out of
# the program's reach, and the page's Content-Security-Policy protects it.

set(hc_hardening_linux_link -Wl,-z,relro -Wl,-z,now)
set(hc_control_flow "")
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64)$" OR HARDENING_TARGET STREQUAL "linux")
  set(hc_control_flow -fcf-protection)
  # Debian 12's own start files (Scrt1.o, crti.o, crtn.o of libc6-dev 2.36)
  # carry no CET property, and the linker drops the marking of the whole
  # program for them, although their code is plain calls and returns. Linux
  # enforces the shadow stack alone (kernel 6.6, glibc 2.39), never indirect
  # branch tracking, so the marking only says what the code is compatible
  # with.
  list(APPEND hc_hardening_linux_link -Wl,-z,shstk -Wl,-z,ibt)
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|arm64|ARM64)$")
  # No marking is forced here: Linux enforces BTI in a marked program, and
  # the start files of Debian 12 (and g++ 12's own on Debian 13) have no
  # landing pads, though their functions are reached by indirect branches.
  # The linker marks the program only where every object it links has them.
  set(hc_control_flow -mbranch-protection=standard)
endif()
set(hc_hardening_linux_compile
    -fstack-protector-strong -fstack-clash-protection ${hc_control_flow}
    -Wformat -Werror=format-security -Wdate-time)
if(NOT hc_control_flow AND NOT CMAKE_SCRIPT_MODE_FILE AND NOT EMSCRIPTEN AND NOT WIN32)
  include(CheckCXXCompilerFlag)
  check_cxx_compiler_flag(-fstack-clash-protection hc_accepts_stack_clash_protection)
  if(NOT hc_accepts_stack_clash_protection)
    list(REMOVE_ITEM hc_hardening_linux_compile -fstack-clash-protection)
  endif()
endif()
set(hc_hardening_windows_compile -fstack-protector-strong)
# Level 2, as Debian 12's dpkg-buildflags gives it.
set(hc_hardening_fortify -D_FORTIFY_SOURCE=2)

if(CMAKE_SCRIPT_MODE_FILE)
  if(HARDENING_TARGET STREQUAL "windows")
    set(flags ${hc_hardening_windows_compile} ${hc_hardening_fortify})
  elseif(HARDENING_TARGET STREQUAL "linux")
    set(flags ${hc_hardening_linux_compile} ${hc_hardening_fortify})
  else()
    message(FATAL_ERROR "HARDENING_TARGET must be linux or windows, not '${HARDENING_TARGET}'")
  endif()
  list(JOIN flags " " flags)
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${flags}")
  return()
endif()

# The sanitizers check more than these, and fortified calls hide overflows
# from AddressSanitizer; their presets turn this off.
option(HANGING_CHAIN_HARDENING "Build with the protections of Debian's hardening=+all" ON)
set(HANGING_CHAIN_HARDENED OFF)
if(HANGING_CHAIN_HARDENING AND NOT EMSCRIPTEN AND NOT MSVC)
  if(WIN32)
    add_compile_options(${hc_hardening_windows_compile})
    # On the link line, so that the compiler driver adds libssp.
    add_link_options(${hc_hardening_windows_compile})
    # And on any program's that links the libraries, whatever list builds it.
    target_link_options(hc_link_requirements INTERFACE ${hc_hardening_windows_compile})
  else()
    add_compile_options(${hc_hardening_linux_compile})
    add_link_options(${hc_hardening_linux_link})
  endif()
  # A compiler that defines it already (Ubuntu's) must not warn of a second
  # definition.
  add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;${hc_hardening_fortify}>")
  set(HANGING_CHAIN_HARDENED ON)
endif()
