# Debian's cpp-httplib is a compiled library: its header must be read with
# the same feature macros the library was built with, which pkg-config gives.
find_package(PkgConfig REQUIRED)
pkg_check_modules(HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)
find_package(Threads REQUIRED)
add_library(sonvela_httplib INTERFACE)
target_link_libraries(sonvela_httplib INTERFACE PkgConfig::HTTPLIB Threads::Threads)
