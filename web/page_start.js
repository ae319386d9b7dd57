// The loader's first lines (its --pre-js): it tells the page's start script (start.js) that it
// has arrived, and hands it the program's failure to run.
(function () {
  'use strict';
  var start = window.abaquinoStart;
  if (!start) return;  // a test program's page has no start script
  start.loading = true;
  Module['onAbort'] = start.cannotStart;
})();
