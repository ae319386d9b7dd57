// The test program's output, kept for the runner to read from the page.
Module['output'] = [];
Module['print'] = Module['printErr'] = function (line) { Module['output'].push(line); };
// Texts between the driver and the page through the browser's own coders, as the page's own
// script passes them: emscripten's string helpers are not in every version's defaults (3.1.69 has
// no allocateUTF8).
Module['textAt'] = function (pointer) {
  return pointer ? new TextDecoder().decode(HEAPU8.subarray(pointer, HEAPU8.indexOf(0, pointer))) : '';
};
Module['textInto'] = function (text, buffer, size) {
  var bytes = new TextEncoder().encode(text).subarray(0, size - 1);
  HEAPU8.set(bytes, buffer);
  HEAPU8[buffer + bytes.length] = 0;
};
