# Building for the browser with Debian's emscripten; the logic's tests run under its node.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
# Node 18 and later have fetch(), which emscripten 3.1.6's loader then tries on a file path.
find_program(ABAQUINO_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR "${ABAQUINO_NODE};--no-experimental-fetch" CACHE FILEPATH "" FORCE)
