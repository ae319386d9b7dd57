// The page's hands on the document, for the C++ of form1_page.cpp: each function does one small
// thing to the markup that page_markup.cpp made. Events go back through the functions that
// page_events.cpp exports (EMSCRIPTEN_KEEPALIVE, the one list of them), with the page's address.
// Texts cross as UTF-8 in the program's memory, read and written here with the browser's own
// coders, so the page needs none of emscripten's string helpers, which its versions keep apart.
mergeInto(LibraryManager.library, {
  $abaquinoDocument: {
    // What a page keeps between calls, by the page's address: its listeners' undoing, the
    // failure's timer, its sound, an awaited paste. A test program makes one page after another.
    pages: null,
    of: function (page) {
      var d = abaquinoDocument;
      d.pages = d.pages || new Map();
      if (!d.pages.has(page)) d.pages.set(page, {detach: null, timer: 0, audio: null, pasteAwaited: 0});
      return d.pages.get(page);
    },
    // The text that ends at the first zero byte from `pointer`.
    string: function (pointer) {
      var end = HEAPU8.indexOf(0, pointer);
      return new TextDecoder().decode(HEAPU8.subarray(pointer, end));
    },
    element: function (id) { return document.getElementById(abaquinoDocument.string(id)); },
    // A text into the buffer of `size` bytes, cut if it must be; the bytes it needs, with its end.
    write: function (text, buffer, size) {
      var bytes = new TextEncoder().encode(text);
      var kept = Math.min(bytes.length, size - 1);
      HEAPU8.set(bytes.subarray(0, kept), buffer);
      HEAPU8[buffer + kept] = 0;
      return bytes.length + 1;
    },
    // Texts for C++, each ended with a zero, in the page's scratch buffer; their addresses.
    texts: function (page, texts) {
      var coded = texts.map(function (text) { return new TextEncoder().encode(text); });
      var size = coded.reduce(function (total, bytes) { return total + bytes.length + 1; }, 0);
      var at = _abaquino_scratch(page, size);
      return coded.map(function (bytes) {
        var start = at;
        HEAPU8.set(bytes, at);
        HEAPU8[at + bytes.length] = 0;
        at += bytes.length + 1;
        return start;
      });
    },
    // Hands a key event to the page's handler (page_events.cpp), which names it; its answer.
    key: function (handler, page, e) {
      var named = abaquinoDocument.texts(page, [e.key || '', e.code || '']);
      return handler(page, named[0], named[1], e.shiftKey, e.ctrlKey, e.altKey, e.metaKey);
    },
    // What Ctrl+C would copy, through the asynchronous clipboard; false where there is none, or
    // nothing to copy (the clipboard is then left as it was).
    copyText: function (page) {
      var text = abaquinoDocument.string(_abaquino_copy(page));
      var clipboard = navigator.clipboard;
      if (!text || !clipboard || !clipboard.writeText) return false;
      clipboard.writeText(text).catch(function () {});
      return true;
    },
    // The clipboard's text pasted as Ctrl+V would paste it; a clipboard the browser will not read
    // (refused, or no way to ask) is one without text.
    readClipboard: function (page, pasteLimit) {
      var d = abaquinoDocument;
      var paste = function (text) { _abaquino_paste(page, typeof text === 'string' ? d.texts(page, [text.slice(0, pasteLimit)])[0] : 0); };
      var clipboard = navigator.clipboard;
      if (!clipboard || !clipboard.readText) return paste(null);
      clipboard.readText().then(paste, function () { paste(null); });
    },
    // The entry's menu: opened at (x, y) in the viewport, its first item that works focused.
    openEntryMenu: function (x, y) {
      var menu = document.getElementById('entry-menu');
      var client = document.getElementById('Form1-client').getBoundingClientRect();
      var items = Array.prototype.slice.call(menu.children);
      var empty = !document.getElementById('txtDisplay').value;
      items.forEach(function (item) { item.disabled = empty && item.hasAttribute('data-greyed-while-empty'); });
      menu.hidden = false;
      // Within the window, as far as it goes; the menu's own size is known once it shows.
      menu.style.left = Math.max(0, Math.min(x - client.left, client.width - menu.offsetWidth)) + 'px';
      menu.style.top = Math.max(0, y - client.top) + 'px';
      items.filter(function (item) { return !item.disabled; })[0].focus();
    },
    closeEntryMenu: function () {
      var menu = document.getElementById('entry-menu');
      if (menu.hidden) return;
      menu.hidden = true;
      document.getElementById('txtDisplay').focus();
    },
    // A menu's keys while the entry's menu is open: the arrows move, Enter and Space choose, Esc
    // and Tab close it; every other key is the menu's too.
    entryMenuKey: function (e) {
      var menu = document.getElementById('entry-menu');
      if (menu.hidden) return false;
      var items = Array.prototype.slice.call(menu.children).filter(function (item) { return !item.disabled; });
      var at = items.indexOf(document.activeElement);
      if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
        items[(at + (e.key === 'ArrowDown' ? 1 : items.length - 1)) % items.length].focus();
      } else if ((e.key === 'Enter' || e.key === ' ') && at >= 0) {
        items[at].click();
      } else if (e.key === 'Escape' || e.key === 'Tab') {
        abaquinoDocument.closeEntryMenu();
      }
      e.preventDefault();
      return true;
    },
    // The menu bar's own keys while one of its entries has the focus (from a click): the arrows,
    // Home and End move along it, Enter and Space choose, Esc goes back to the entry. True when
    // the key was the menu's.
    menuKey: function (menu, e) {
      var entries = Array.prototype.slice.call(menu.children);
      var at = entries.indexOf(document.activeElement);
      if (at < 0 || e.altKey || e.ctrlKey || e.metaKey) return false;
      var to = {ArrowRight: at + 1, ArrowLeft: at - 1 + entries.length, Home: 0, End: entries.length - 1}[e.key];
      if (to !== undefined) {
        entries[to % entries.length].focus();
      } else if (e.key === 'Enter' || e.key === ' ') {
        entries[at].click();
      } else if (e.key === 'Escape') {
        document.getElementById('txtDisplay').focus();
      } else {
        return false;
      }
      e.preventDefault();
      return true;
    },
    // Keys with Command (macOS) or the Windows key are the system's and the browser's, but for
    // Command+C and Command+V, a Mac's copy and paste.
    attachKeys: function (page, on) {
      var d = abaquinoDocument;
      var menu = document.getElementById('menu');
      on(window, 'keydown', function (e) {
        if (d.entryMenuKey(e)) return;
        if (!e.metaKey && d.menuKey(menu, e)) return;
        if (d.key(_abaquino_key_down, page, e)) e.preventDefault();
      }, true);
      on(window, 'keyup', function (e) {
        if (!document.getElementById('entry-menu').hidden) return;
        d.key(_abaquino_key_up, page, e);
        if (e.key === 'Alt') e.preventDefault();  // a lone Alt leaves the keys to the calculator
      }, true);
    },
    // The failure's message closes on a click anywhere, and when the window is left or hidden;
    // so does the entry's menu, on a click outside it.
    attachClosers: function (page, on) {
      var d = abaquinoDocument;
      var hide = function () { _abaquino_hide_balloon(page); };
      var entryMenu = document.getElementById('entry-menu');
      on(window, 'pointerdown', function (e) {
        hide();
        if (!entryMenu.contains(e.target)) d.closeEntryMenu();
      }, true);
      on(window, 'blur', hide);
      on(document, 'visibilitychange', hide);
    },
    // The entry's menu: from the mouse's right button, the keyboard's menu key or Shift+F10, or a
    // finger's long press.
    attachEntryMenu: function (page, on, pasteLimit) {
      var d = abaquinoDocument;
      var entry = document.getElementById('txtDisplay');
      var open = function (x, y) {
        _abaquino_hide_balloon(page);
        d.openEntryMenu(x, y);
      };
      on(entry, 'contextmenu', function (e) {
        e.preventDefault();
        // From the keyboard there is no press: the menu hangs under the entry.
        var box = entry.getBoundingClientRect();
        var keyboard = !e.clientX && !e.clientY;
        open(keyboard ? box.left : e.clientX, keyboard ? box.bottom : e.clientY);
      });
      d.attachLongPress(entry, on, open);
      on(document.getElementById('entry-Copia'), 'click', function () {
        d.closeEntryMenu();
        if (!d.copyText(page)) _abaquino_copy_now();
      });
      on(document.getElementById('entry-Incolla'), 'click', function () {
        d.closeEntryMenu();
        d.readClipboard(page, pasteLimit);
      });
    },
    // A long press, for iOS, which sends no contextmenu event (Android sends one, and the menu
    // opens once all the same).
    attachLongPress: function (entry, on, open) {
      var pressing = 0;
      on(entry, 'touchstart', function (e) {
        var touch = e.touches[0];
        clearTimeout(pressing);
        pressing = setTimeout(function () { open(touch.clientX, touch.clientY); }, 500);
      }, {passive: true});
      ['touchend', 'touchmove', 'touchcancel'].forEach(function (type) {
        on(entry, type, function () { clearTimeout(pressing); }, {passive: true});
      });
    },
    // Clicks and the focus on the window's controls, its menu bar and the About window.
    attachControls: function (page, on) {
      var entry = document.getElementById('txtDisplay');
      var menu = document.getElementById('menu');
      // A click on the entry only gives it the focus: the caret stays at the end.
      on(entry, 'mousedown', function (e) { e.preventDefault(); entry.focus(); });
      on(entry, 'focus', function () { _abaquino_entry_focused(page); });
      on(document.getElementById('Form1-client'), 'click', function (e) {
        var control = e.target.closest('button[data-place], input[type=radio]');
        if (control) _abaquino_click(page, Number(control.dataset.place));
      });
      // One entry of the menu bar at a time is a stop for the screen reader: the last one focused.
      on(menu, 'focusin', function (e) {
        Array.prototype.forEach.call(menu.children, function (item) { item.tabIndex = item === e.target ? 0 : -1; });
      });
      on(menu, 'click', function (e) {
        var item = e.target.closest('button');
        if (item) _abaquino_menu(page, Array.prototype.indexOf.call(item.parentNode.children, item));
      });
      var about = document.getElementById('frmAbout');
      var aboutDone = function () { _abaquino_about_done(page); };
      on(document.getElementById('frmAbout-cmdOK'), 'click', aboutDone);
      on(document.getElementById('frmAbout-close'), 'click', aboutDone);
      on(about, 'close', aboutDone);
      // A press behind the open About window leaves the focus in it, as on the desktop.
      on(document, 'mousedown', function (e) { if (about.open && !about.contains(e.target)) e.preventDefault(); });
    },
    // The browser's copy and paste, from its menu or its keys.
    attachClipboard: function (page, on, pasteLimit) {
      var d = abaquinoDocument;
      on(document, 'copy', function (e) {
        var text = d.string(_abaquino_copy(page));
        if (!text) return;  // nothing to copy leaves the clipboard as it was
        e.clipboardData.setData('text/plain', text);
        e.preventDefault();
      });
      on(document, 'paste', function (e) {
        clearTimeout(d.of(page).pasteAwaited);
        e.preventDefault();
        var data = e.clipboardData;
        var text = data && data.types.indexOf('text/plain') >= 0
                       ? d.texts(page, [data.getData('text/plain').slice(0, pasteLimit)])[0] : 0;
        _abaquino_paste(page, text);
      });
    },
  },

  abaquino_attach__deps: ['$abaquinoDocument', 'abaquino_hide_balloon', 'abaquino_copy_now'],
  abaquino_attach: function (page, pasteLimit) {
    var d = abaquinoDocument;
    var listeners = [];
    var on = function (target, type, handler, capture) {
      target.addEventListener(type, handler, capture);
      listeners.push(function () { target.removeEventListener(type, handler, capture); });
    };
    d.attachKeys(page, on);
    d.attachClosers(page, on);
    d.attachEntryMenu(page, on, pasteLimit);
    d.attachControls(page, on);
    d.attachClipboard(page, on, pasteLimit);
    var state = d.of(page);
    state.detach = function () {
      clearTimeout(state.pasteAwaited);
      listeners.forEach(function (off) { off(); });
    };
  },

  // The program has taken the window over: the keypad is no longer busy, and what was typed or
  // clicked while it loaded (start.js) is handed to it now.
  abaquino_ready: function () {
    document.getElementById('Form1-client').removeAttribute('aria-busy');
    if (window.abaquinoStart) window.abaquinoStart.ready();
    performance.mark('abaquino-ready');  // the keypad works from here on, for anyone timing the page
  },

  abaquino_detach__deps: ['$abaquinoDocument'],
  abaquino_detach: function (page) {
    var d = abaquinoDocument;
    var state = d.of(page);
    if (state.detach) state.detach();
    clearTimeout(state.timer);
    if (state.audio) state.audio.close().catch(function () {});
    d.pages.delete(page);
  },

  abaquino_set_text__deps: ['$abaquinoDocument'],
  // A display shows its whole amount: one too long for its box is drawn smaller, never cut off,
  // as a cut amount would read as another one.
  abaquino_set_text: function (id, text) {
    var box = abaquinoDocument.element(id);
    box.value = abaquinoDocument.string(text);
    box.style.fontSize = '';
    for (var tries = 0; tries < 4 && box.scrollWidth > box.clientWidth; ++tries) {
      box.style.fontSize = parseFloat(getComputedStyle(box).fontSize) * box.clientWidth / box.scrollWidth * 0.97 + 'px';
    }
  },

  abaquino_text__deps: ['$abaquinoDocument'],
  abaquino_text: function (id, buffer, size) {
    return abaquinoDocument.write(abaquinoDocument.element(id).value, buffer, size);
  },

  abaquino_selected_text__deps: ['$abaquinoDocument'],
  abaquino_selected_text: function (id, buffer, size) {
    var box = abaquinoDocument.element(id);
    return abaquinoDocument.write(box.value.substring(box.selectionStart, box.selectionEnd), buffer, size);
  },

  abaquino_caret__deps: ['$abaquinoDocument'],
  abaquino_caret: function (id) { return abaquinoDocument.element(id).selectionStart; },

  abaquino_set_caret__deps: ['$abaquinoDocument'],
  abaquino_set_caret: function (id, position) { abaquinoDocument.element(id).setSelectionRange(position, position); },

  abaquino_checked__deps: ['$abaquinoDocument'],
  abaquino_checked: function (id) { return abaquinoDocument.element(id).checked; },

  abaquino_check__deps: ['$abaquinoDocument'],
  abaquino_check: function (id) { abaquinoDocument.element(id).checked = true; },

  abaquino_focus__deps: ['$abaquinoDocument'],
  abaquino_focus: function (id) { abaquinoDocument.element(id).focus(); },

  abaquino_focused_place: function () {
    var focus = document.activeElement;
    var inWindow = focus && focus.closest('#Form1-client') && focus.dataset.place !== undefined;
    return inWindow ? Number(focus.dataset.place) : -1;
  },

  abaquino_set_description__deps: ['$abaquinoDocument'],
  abaquino_set_description: function (id, text) {
    var d = abaquinoDocument;
    document.getElementById(d.string(id) + '-description').textContent = d.string(text);
  },

  // The same sentence twice is a new answer: the region is emptied first, so it is said again.
  abaquino_say__deps: ['$abaquinoDocument'],
  abaquino_say: function (text) {
    var region = document.getElementById('announcer');
    var said = abaquinoDocument.string(text);
    region.textContent = '';
    setTimeout(function () { region.textContent = said; }, 0);
  },

  abaquino_beep__deps: ['$abaquinoDocument'],
  abaquino_beep: function (page) {
    var state = abaquinoDocument.of(page);
    try {
      state.audio = state.audio || new AudioContext();
      var tone = state.audio.createOscillator();
      var volume = state.audio.createGain();
      volume.gain.value = 0.1;
      tone.frequency.value = 880;
      tone.connect(volume).connect(state.audio.destination);
      tone.start();
      tone.stop(state.audio.currentTime + 0.08);
    } catch (e) {
      // A browser without sound, or one that allows none yet: the failure's message still shows.
    }
  },

  abaquino_show_balloon__deps: ['$abaquinoDocument', 'abaquino_hide_balloon'],
  abaquino_show_balloon: function (page, text, milliseconds) {
    var state = abaquinoDocument.of(page);
    var balloon = document.getElementById('balloon');
    balloon.textContent = abaquinoDocument.string(text);
    balloon.hidden = false;
    clearTimeout(state.timer);
    state.timer = setTimeout(function () { _abaquino_hide_balloon(page); }, milliseconds);
  },

  abaquino_balloon_text__deps: ['$abaquinoDocument'],
  abaquino_balloon_text: function (buffer, size) {
    var balloon = document.getElementById('balloon');
    return abaquinoDocument.write(balloon.hidden ? '' : balloon.textContent, buffer, size);
  },

  abaquino_hide_balloon__deps: ['$abaquinoDocument'],
  abaquino_hide_balloon: function (page) {
    clearTimeout(abaquinoDocument.of(page).timer);
    document.getElementById('balloon').hidden = true;
  },

  // The browser's copy, as Ctrl+C would start it; its copy event asks the page what to copy.
  abaquino_copy_now: function () { document.execCommand('copy'); },

  // Command+C copies through the asynchronous clipboard, as Safari sends no copy event without a
  // selection, and the entry allows none; false where there is no such clipboard or nothing to copy.
  abaquino_copy_through_clipboard__deps: ['$abaquinoDocument'],
  abaquino_copy_through_clipboard: function (page) { return abaquinoDocument.copyText(page); },

  // Command+V is the browser's paste; where no paste event follows (Safari, on an entry that
  // cannot be edited), the page reads the clipboard itself.
  abaquino_await_paste__deps: ['$abaquinoDocument'],
  abaquino_await_paste: function (page, pasteLimit) {
    var d = abaquinoDocument;
    var state = d.of(page);
    clearTimeout(state.pasteAwaited);
    state.pasteAwaited = setTimeout(function () { d.readClipboard(page, pasteLimit); }, 200);
  },

  // Modal as on the desktop: the main window takes no input while it is open (the program heeds
  // none, and a press there leaves the focus here). The window itself takes the focus, so that a
  // screen reader reads it whole, name and facts (Enter and Esc work as on its button). The main
  // window leaves the accessibility tree (inert) only at the next key or a moment later: gone in
  // the same update as the focus came, or two frames after it on a busy machine, it left Orca 48
  // moving its focus from the vanished key into the window's caption first; Orca then took the
  // window's own focus for a move within it, and said nothing of it.
  abaquino_show_about: function () {
    var about = document.getElementById('frmAbout');
    var behind = [document.getElementById('menu'), document.getElementById('Form1-client')];
    about.show();
    about.focus();
    var leaveTree = function () {
      clearTimeout(later);
      document.removeEventListener('keydown', leaveTree, true);
      if (about.open) behind.forEach(function (part) { part.inert = true; });
    };
    var later = setTimeout(leaveTree, 1500);
    document.addEventListener('keydown', leaveTree, true);
  },
  abaquino_close_about: function () {
    var about = document.getElementById('frmAbout');
    document.getElementById('menu').inert = document.getElementById('Form1-client').inert = false;
    if (about.open) about.close();
  },

  // A page cannot end its browser: the window goes, and so does the tab where the browser lets a
  // page close it (a tab or app window opened for it).
  abaquino_end__deps: ['abaquino_detach'],
  abaquino_end: function (page) {
    _abaquino_detach(page);
    var window_ = document.getElementById('Form1');
    var closed = document.createElement('p');
    closed.id = 'closed';
    closed.textContent = 'Abaquino è stato chiuso. Ricarica la pagina per riaprirlo.';
    // The focus goes to the line before the window goes: a screen reader reads the line, where
    // a focus lost with the window would leave it silent.
    closed.tabIndex = -1;
    window_.before(closed);
    closed.focus();
    window_.remove();
    window.close();
  },
});
