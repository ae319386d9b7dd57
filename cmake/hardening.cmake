# The programs are hardened: a canary on every stack frame that holds an array, and checked copies
# where the size is known. On Linux as Debian hardens its packages (dpkg-buildflags with
# hardening=+all), plus the CPU's control-flow protection where the CPU has it; on Windows with
# the address-space randomisation and non-executable data that Windows applies to programs that
# ask for them.
add_compile_options(-fstack-protector-strong)
# glibc and mingw-w64 check only in optimised code, and glibc warns that it cannot otherwise. The
# -U keeps the compilers that define it themselves (Ubuntu's) from warning that it is defined twice.
add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")

if(WIN32)
  # The checks' runtime (libssp) is linked in statically, as the C and C++ runtimes are.
  add_link_options(-fstack-protector-strong -Wl,--dynamicbase,--nxcompat,--high-entropy-va)
  return()
endif()

# Linux: relocations read-only once resolved at start, and a position-independent executable.
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-Wformat -Werror=format-security)
add_link_options(-Wl,-z,relro -Wl,-z,now)

if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64)$")
  # CET: every function of ours starts with an indirect-branch landing pad and keeps to plain
  # calls and returns. The linker marks the program for indirect branch tracking only when every
  # object has the pads, and Debian 12's C start files (crti.o) have none; the shadow stack needs
  # only calls that return where they were called from, which those start files keep to, so that
  # mark is asked for outright.
  add_compile_options(-fcf-protection)
  add_link_options(-Wl,-z,shstk)
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|arm64)$")
  add_compile_options(-mbranch-protection=standard)
endif()
