// The page's start script, a small file of its own ahead of the loader: what the page does while
// its program is on the way, and what it says if the program never runs, even when the loader
// itself never arrives (an old index.html kept by a proxy, a blocker). The markup is already
// drawn; the keypad is busy.
(function () {
  'use strict';

  // Keys and clicks on the keypad before the program runs are kept, to be handed to it once it
  // has taken the window over; the browser's own keys (F5, Ctrl or Command with a key) stay the
  // browser's.
  function keepEarlyInput(client) {
    var early = [];
    var keep = function (e) {
      if (e.ctrlKey || e.metaKey || (e.key.length > 1 && !/^(Enter|Backspace|Delete|Escape|Tab|Arrow)/.test(e.key))) return;
      early.push(e);
      e.preventDefault();
    };
    var keepClick = function (e) {
      var control = e.target.closest('button[data-place], input[type=radio]');
      if (!control) return;
      early.push(control);
      e.preventDefault();
    };
    window.addEventListener('keydown', keep, true);
    window.addEventListener('keyup', keep, true);
    client.addEventListener('click', keepClick, true);
    return {
      stop: function () {
        window.removeEventListener('keydown', keep, true);
        window.removeEventListener('keyup', keep, true);
        client.removeEventListener('click', keepClick, true);
        return early.splice(0);
      },
    };
  }

  // What was kept, as it came: keys to the control that now has the focus, clicks to their control.
  function handOn(kept) {
    kept.forEach(function (what) {
      if (what instanceof Event) {
        (document.activeElement || document.body).dispatchEvent(new KeyboardEvent(what.type, what));
      } else {
        what.click();
      }
    });
  }

  // Why the program did not start, where that can be told, in the words of the line below.
  function why(what) {
    var text = String(what);
    if (location.protocol === 'file:') return 'la pagina è aperta come file e va aperta da un server web';
    if (typeof WebAssembly !== 'object') return 'il browser non esegue WebAssembly';
    if (/CompileError|LinkError|magic|compil/.test(text)) return 'il programma scaricato è danneggiato o di un\'altra versione';
    if (/fetch|load/.test(text)) return 'il programma non è stato scaricato';
    return '';
  }

  // What the loader and the program tell the page (page_start.js, abaquino_ready).
  function startOf(client, early) {
    var over = false;  // started, or said that it cannot
    return {
      loading: false,  // the loader has arrived and runs
      ready: function () {
        over = true;
        handOn(early.stop());
      },
      // The program never runs: the page says so, and the keys kept are refused with it.
      cannotStart: function (what) {
        if (over) return;
        over = true;
        early.stop();
        var line = document.getElementById('cannot-start');
        var reason = why(what);
        line.textContent = 'Abaquino non può partire in questo browser' + (reason ? ': ' + reason : '') + '.';
        line.hidden = false;
        client.removeAttribute('aria-busy');
        client.inert = true;
      },
    };
  }

  var client = document.getElementById('Form1-client');
  var start = window.abaquinoStart = startOf(client, keepEarlyInput(client));
  // Every script has arrived or failed once the page has loaded: without the loader, nothing else
  // will say why the keypad stays busy.
  window.addEventListener('load', function () {
    if (!start.loading) start.cannotStart('load');
  });
  // On iOS a key shows itself pressed (:active) only where the page listens to touches.
  document.addEventListener('touchstart', function () {}, {passive: true});
  // Kept for use without a network, once the page has loaded (never before its first paint).
  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    window.addEventListener('load', function () {
      navigator.serviceWorker.register('sw.js').catch(function () {
        // No worker (a private window, a browser that refuses): the page works online as before.
      });
    });
  }
})();
