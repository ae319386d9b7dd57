# The same commit gives the same bytes wherever and whenever it is built, so that anyone can
# rebuild a download and compare (README, "Checking a download").
# - No folder is written into a binary: the source and build folders become "." and "build" in
#   debug information and wherever the compiler would write a file's path.
# - No build time: -Wdate-time refuses __DATE__ and __TIME__; Windows executables carry no link
#   time stamp (nor, since the checksum covers it, a checksum that changes); the packages take
#   their file times from the last commit (cmake/package-time.cmake), and the installer
#   stores none (packaging/windows).
add_compile_options("-ffile-prefix-map=${PROJECT_SOURCE_DIR}=."
                    "-ffile-prefix-map=${PROJECT_BINARY_DIR}=build" -Wdate-time)
if(WIN32)
  add_link_options(-Wl,--no-insert-timestamp)
endif()
# Read by cpack when it runs, so that the time is that of the commit being packaged.
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_LIST_DIR}/package-time.cmake")
set(CPACK_ABAQUINO_SOURCE_DIR "${PROJECT_SOURCE_DIR}")
