// The test program's output, kept for the runner to read from the page.
Module['output'] = [];
Module['print'] = Module['printErr'] = function (line) { Module['output'].push(line); };
