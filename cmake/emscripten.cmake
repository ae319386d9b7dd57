# Building for the browser with Debian's emscripten; the logic's tests run under its node.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
# emscripten's JavaScript tools need Debian's acorn (node-acorn), which a node that is not
# Debian's own does not look for: at configure time, and for every compile and link.
set(ENV{NODE_PATH} "/usr/share/nodejs")
set(CMAKE_CXX_COMPILER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
# Node 18 and later have fetch(), which emscripten 3.1.6's loader then tries on a file path.
find_program(ABAQUINO_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR "${ABAQUINO_NODE};--no-experimental-fetch" CACHE FILEPATH "" FORCE)
