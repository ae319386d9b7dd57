#pragma once

// The page as shipped, beyond its markup: each file that changes with a build is named by its
// content, so that a loader never meets another build's program and a browser never keeps a
// stale copy under a current name; the web app manifest; the service worker that keeps one
// version's files for use without a network.

#include <string>
#include <string_view>
#include <vector>

namespace abaquino::web {

// Twelve hexadecimal digits that change with the content.
std::string Fingerprint(std::string_view content);

// A short name made from the content: "abaquino-1f2e3d4c5b6a.wasm".
std::string ContentName(std::string_view stem, std::string_view extension, std::string_view content);

// Emscripten's loader with the name of its program changed; fails (std::runtime_error) unless
// the loader names it exactly once, as a newer emscripten might not.
std::string LoaderOf(std::string_view loader, std::string_view programName, std::string_view newName);

// The manifest that lets a browser install the page as an app, in the window's colours.
std::string Manifest(std::string_view pngIcon, std::string_view svgIcon);

// The hand-written worker with its version and the files it keeps (relative to the page).
// A hand-written script as shipped: without its whole-line comments and its indentation, which a
// first visit would download for no one.
std::string WithoutComments(std::string_view script);

std::string ServiceWorker(std::string_view handWritten, std::string_view version, const std::vector<std::string>& files);

}  // namespace abaquino::web
