#!/usr/bin/python3
"""The page in real browsers, served as a user would serve it (scripts/serve-page): Chromium,
Firefox and WebKit (engines.py), each driven through its own automation with real keys and clicks.

  page_test.py ENGINE scenarios FOLDER     the shared window scenarios, compiled with the page
  page_test.py ENGINE page FOLDER AXE_JS   the page as built: real keys and clicks, axe-core, its
                                           Content-Security-Policy, no requests
  page_test.py ENGINE app FOLDER           offline, updated whole, honest when it cannot start, at
                                           home on a phone
ENGINE is Chromium, Firefox or WebKit. A check that only one engine can make says so.
"""
import gzip, http.server, json, pathlib, re, struct, shutil, subprocess, sys, tempfile, threading, time, urllib.request
from importlib.machinery import SourceFileLoader
from selenium.webdriver.common.keys import Keys

import engines

failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


def only_in(engine, *names):
    """True where the engine can make the check; otherwise says which check it cannot make."""
    if engine.name in names:
        return True
    print("--   %s cannot tell (only %s):" % (engine.name, " and ".join(names)), end=" ")
    return False


# The page is served as README tells a host to serve it, by the same server.
serve_page = SourceFileLoader("serve_page", str(pathlib.Path(__file__).parents[2] / "scripts/serve-page")).load_module()


def serve(folder, **how):
    requests = []
    server, url = serve_page.serve(folder, requested=requests, **how)
    server.handle_error = lambda *_: None  # a browser that drops a request it no longer needs
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return url, requests


def first_visit(folder):
    """What a first visit downloads: the page, its worker and the worker's set, and the home-screen
    icon, which Firefox fetches with the page. The other icons of an installed app come when it is
    installed."""
    folder = pathlib.Path(folder)
    names = re.findall(r"'([^']+)'", re.search(r"const FILES = \[(.*?)\];", (folder / "sw.js").read_text()).group(1))
    return {folder / ("index.html" if name == "./" else name) for name in names} | {folder / "sw.js", folder / "apple-touch-icon.png"}


def started(engine, url=None):
    if url:
        engine.open(url)
    return wait(lambda: engine.run("return performance.getEntriesByName('abaquino-ready').length > 0"))


def browser():
    """Chromium's own driver, for the screenshots and the benchmark."""
    return engines.Chromium().driver


def wait(condition, seconds=10):
    deadline = time.time() + seconds
    while time.time() < deadline:
        if condition():
            return True
        time.sleep(0.05)
    return False


def scenarios(engine, folder):
    url, _ = serve(folder)
    engine.open(url + "tests.html")
    title = lambda: engine.run("return document.title")
    wait(lambda: title().startswith("done"), 150)
    print("\n".join(engine.run("return Module.output")))
    check(title() == "done 0", "the shared scenarios pass on the page in %s" % engine.name)


def value(engine, id):
    return engine.run("return document.getElementById(arguments[0]).value", id)


def checked(engine, id):
    return engine.run("return document.getElementById(arguments[0]).checked", id)


def shown(engine, id):
    return engine.run("const e = document.getElementById(arguments[0]); return !!e && e.getClientRects().length > 0", id)


# A point inside a key of the main window that the About window leaves uncovered, its middle where
# it can be, and the key's id: [id, x, y].
UNCOVERED_KEY = ("const about = document.getElementById('frmAbout').getBoundingClientRect();"
                 " const inside = (r, x, y) => x > r.left && x < r.right && y > r.top && y < r.bottom;"
                 " for (const key of document.querySelectorAll('#Form1-client button[data-place], #menu button')) {"
                 "  const r = key.getBoundingClientRect();"
                 "  for (const [x, y] of [[.5, .5], [.15, .5], [.85, .5], [.5, .15], [.5, .85]].map(([h, v]) =>"
                 "    [r.x + r.width * h, r.y + r.height * v]))"
                 "   if (!inside(about, x, y)) return [key.id, x, y] }")


def alt(engine, letter):
    engine.chord(letter, Keys.ALT)


def focused(engine):
    return engine.run("return document.activeElement.id")


# The ids of the elements of `selector` whose text is not whole: wider than its box, or cut off by
# an ancestor that clips or by the viewport. WebDriver reads a clipped text whole, so boxes are compared.
CUT_OFF = """return Array.from(document.querySelectorAll(arguments[0])).filter(e => e.getClientRects().length).filter(e => {
  const r = e.getBoundingClientRect(), outside = c => r.left < c.left || r.right > c.right || r.top < c.top || r.bottom > c.bottom;
  for (let a = e.parentElement; a; a = a.parentElement) {
    const s = getComputedStyle(a);
    if ((s.overflowX != 'visible' || s.overflowY != 'visible') && outside(a.getBoundingClientRect())) return true;
  }
  return e.scrollWidth > e.clientWidth + 1 || outside({left: 0, top: 0, right: innerWidth, bottom: innerHeight});
}).map(e => e.id)"""
TEXTS = "#balloon, #Form1-client input[type=text], #Form1-client .label, #frmAbout .label, #frmAbout-caption"


def axe(engine, axe_js, when):
    engine.run(open(axe_js).read() + "; window.axe = axe;")
    found = engine.run("return axe.run(document).then(r => r.violations.map(v => v.id + ': ' + v.nodes.map(n => n.target).join(' ')))")
    check(not found, "axe-core finds nothing %s %s" % (when, found))


def page(engine, folder, axe_js):
    url, requests = serve(folder)
    engine.open(url)
    check(wait(lambda: engine.run("return typeof Module == 'object' && Module.calledRun")), "the page's program runs")
    # Loaded once the browser has asked for nothing more for a second (the icon comes late).
    count = -1
    while count != len(requests):
        count = len(requests)
        time.sleep(1)
    loaded = list(requests)
    axe(engine, axe_js, "on the main window")

    engine.keys("12+3", Keys.ENTER)
    check((value(engine, "txtDisplay"), value(engine, "TxtDisplay1")) == ("15", "0,01"), "12+3 Enter shows 15, 0,01")
    check(wait(lambda: engine.run("return document.getElementById('announcer').textContent") == "15, in euro 0,01"),
          "the live region says \"15, in euro 0,01\"")

    # The browser's own copy and paste events, from a read-only entry.
    for letter in ("c", "v"):
        engine.chord(letter, Keys.CONTROL)
        engine.keys("C5" if letter == "c" else "")
    check(value(engine, "txtDisplay") == "15", "Ctrl+C, C 5 and Ctrl+V give 15 back")
    engine.chord("c", Keys.CONTROL, Keys.SHIFT)
    engine.keys("C")
    engine.chord("v", Keys.CONTROL)
    check(value(engine, "txtDisplay") == "0,01", "Ctrl+Shift+C copies the conversion")
    engine.keys("C", "15")
    order = engine.run("return Array.from(document.querySelectorAll('#Form1-client [data-place]'),"
                       " e => [Math.round(e.getBoundingClientRect().top), e.getBoundingClientRect().left])")
    check(order == sorted(order), "the document's order is the order seen, row by row %s" % order)

    engine.keys(Keys.TAB)
    check(focused(engine) == "OptBEuro", "Tab reaches the chosen option")
    # The other keys, for real: Shift+Tab goes back, an arrow chooses, Space presses the focused
    # key, Backspace and Delete take back a digit; a label chooses its option.
    engine.chord(Keys.TAB, Keys.SHIFT)
    back = focused(engine)
    engine.keys("C", Keys.TAB, Keys.ARROW_RIGHT, Keys.TAB)
    if only_in(engine, "Chromium", "WebKit"):
        engine.keys(" ", " ")
    else:
        print("Space on a focused key: a headless Firefox window never has the system's focus, and"
              " Firefox presses no focused button without it (its focus manager's own rule)")
        engine.keys("11")
    engine.keys("7", Keys.BACKSPACE, "3", Keys.DELETE, "/2-5", Keys.ENTER)
    check((back, value(engine, "txtDisplay")) == ("txtDisplay", "0,5") and checked(engine, "OptBLire"),
          "Shift+Tab, Right, Space, Backspace, Delete and the operators: 0,5 in lire")
    for label, option in (("Label3", "OptBEuro"), ("Label2", "OptBLire"), ("Label3", "OptBEuro")):
        engine.click(label)
        check(checked(engine, option), "a click on %s chooses %s" % (label, option))

    engine.click("txtDisplay")
    engine.keys("100000000000000***")
    check(engine.run("return document.getElementById('balloon').textContent") == "Importo troppo grande per la conversione"
          and shown(engine, "balloon"), "the failure shows its message")
    hang = engine.run("var e = document.getElementById('txtDisplay').getBoundingClientRect(),"
                      " b = document.getElementById('balloon').getBoundingClientRect();"
                      " return [(b.left + b.right - e.left - e.right) / 2, b.top - e.bottom]")
    check(max(abs(hang[0]), abs(hang[1])) <= 1, "the failure's message hangs from the middle of the entry's lower edge %s" % hang)
    cut = engine.run(CUT_OFF, TEXTS)
    check(cut == [], "every text is whole, the failure's message too %s" % cut)
    # The middle of the Lire option, which the balloon covers: the click must go through it.
    at = engine.run("var o = document.getElementById('OptBLire').getBoundingClientRect(),"
                    " b = document.getElementById('balloon').getBoundingClientRect(),"
                    " x = o.x + o.width / 2, y = o.y + o.height / 2;"
                    " return [x, y, b.left < x && x < b.right && b.top < y && y < b.bottom]")
    check(at[2], "the balloon lies over the Lire option")
    engine.click_at(at[0], at[1])
    check(checked(engine, "OptBLire") and not shown(engine, "balloon"), "a click through the balloon chooses Lire and closes it")

    if only_in(engine, "Chromium"):
        # What a screen reader gets from the browser: every control's designed name and description.
        tree = engine.cdp("Accessibility.getFullAXTree", {})["nodes"]
        heard = {n["name"]["value"]: n.get("description", {}).get("value") for n in tree
                 if not n.get("ignored") and n["role"]["value"] in ("textbox", "radio", "button") and "name" in n}
        groups = [n["name"]["value"] for n in tree if n["role"]["value"] == "radiogroup"]
        check(groups == ["Converti in:"], "the options are one group, \"Converti in:\" %s" % groups)
        check(len(heard) == 24 and all(heard.values())
              and heard["Importo convertito"] == "L'importo nella valuta scelta, in lire",
              "every control has its name and description, the conversion's in the chosen currency")
    else:
        print("the names a screen reader gets (Orca reads them in Chromium and Firefox)")

    for close, name in ((Keys.ENTER, "Enter"), (Keys.ESCAPE, "Esc")):
        focus = focused(engine)
        alt(engine, "i")
        check(shown(engine, "frmAbout"), "Alt+I opens the About window")
        if name == "Enter":  # at once, a click behind it, on a key where it leaves the key uncovered
            key, x, y = engine.run(UNCOVERED_KEY) or (None, 0, 0)
            before = value(engine, "txtDisplay")
            if key:
                engine.click_at(x, y)
            check(key and value(engine, "txtDisplay") == before and focused(engine) == "frmAbout",
                  "a click on %s behind the About window does nothing" % key)
            axe(engine, axe_js, "with the About window open")
            cut = engine.run(CUT_OFF, TEXTS)
            check(cut == [], "the About window's texts are whole %s" % cut)
        engine.keys(close)
        check(wait(lambda: not shown(engine, "frmAbout"), 2) and focused(engine) == focus,
              "%s closes it and gives the focus back to %s" % (name, focus))

    # Touch: no double-tap zoom anywhere on the window, between the keys too; no hover that a tap
    # would leave on.
    zooming = engine.run("return [document.getElementById('Form1'), ...document.querySelectorAll('#Form1 *')]"
                         ".filter(e => getComputedStyle(e).touchAction != 'manipulation').map(e => e.id || e.tagName)")
    hovering = engine.run("return Array.from(document.styleSheets).flatMap(s => Array.from(s.cssRules))"
                          ".filter(r => r.selectorText && r.selectorText.includes(':hover')).map(r => r.selectorText)")
    check(zooming == [] and hovering == [], "a double tap never zooms %s, hover only where a pointer hovers %s" % (zooming, hovering))
    # A Mac's Option+I: the key a Mac browser sends is a dead one, "Dead", at the place of I.
    if only_in(engine, "Chromium"):
        for kind in ("rawKeyDown", "keyUp"):
            engine.cdp("Input.dispatchKeyEvent", {"type": kind, "key": "Dead", "code": "KeyI", "modifiers": 1,
                                                  "windowsVirtualKeyCode": 73})
        check(wait(lambda: shown(engine, "frmAbout"), 2), "a Mac's Option+I, a dead key, opens the About window")
        engine.keys(Keys.ESCAPE)
        wait(lambda: not shown(engine, "frmAbout"))
    else:
        print("a dead key (WebDriver's keys each type a character)")
    check(engine.run("return document.cookie === '' && localStorage.length === 0 && sessionStorage.length === 0"),
          "no cookies and nothing stored")
    # A browser may ask again for the tab's icon, which the page already had: that is the browser's.
    later = [path for path in requests[len(loaded):] if path not in ("/abaquino.svg", "/favicon.ico")]
    check(later == [], "no request after loading %s" % later)
    check(set(loaded) - {"/favicon.ico"} <= {"/"} | {"/" + path.name for path in first_visit(folder)},
          "only the page's own files of a first visit were loaded %s" % loaded)
    if only_in(engine, "Chromium", "Firefox"):
        check(engine.run("return window.refused") == [], "nothing of the page was refused by its policy")
    else:
        print("the refusals from the page's first byte on")
        engine.run(engines.KEEP_REFUSALS)
    # The policy holds: a script from text and a request elsewhere are refused.
    engine.run("var s = document.createElement('script'); s.textContent = 'window.ran = 1';"
               " document.head.appendChild(s); fetch('http://127.0.0.2:9/').catch(() => {});")
    # Refused by both the header and the page's own copy of the policy.
    check(wait(lambda: {r.split()[0].split("-elem")[0] for r in engine.run("return window.refused")}
               == {"script-src", "connect-src"})
          and not engine.run("return window.ran"), "its policy refuses inline script and other origins")
    # The menu bar's own keys, once an entry has the focus; its focus shows in forced colours.
    engine.run("document.getElementById('Esci(1)').focus()")
    engine.keys(Keys.ARROW_RIGHT)
    check(focused(engine) == "Informazioni", "Right moves along the menu")
    if only_in(engine, "Chromium"):
        engine.cdp("Emulation.setEmulatedMedia", {"features": [{"name": "forced-colors", "value": "active"}]})
        ring = engine.run("const s = getComputedStyle(document.activeElement);"
                          " return s.outlineStyle != 'none' && parseFloat(s.outlineWidth) > 0")
        engine.cdp("Emulation.setEmulatedMedia", {"features": []})
        check(ring, "the menu's focus shows in forced colours")
    else:
        print("forced colours, which only Chromium's automation emulates")
    for key in (Keys.ENTER, " "):
        engine.run("document.getElementById('Informazioni').focus()")
        engine.keys(key)
        check(wait(lambda: shown(engine, "frmAbout")), "%r on a menu entry chooses it" % key)
        engine.keys(Keys.ESCAPE)
        # Closed, it gives the focus back; only then is the next entry focused.
        wait(lambda: not shown(engine, "frmAbout"))
    # The entry's own menu, from a right click (a long press on a phone): copy greyed while the
    # entry is empty. Last, as WebKit's driver types "*" as "8" once it has clicked the right button.
    engine.keys("C")
    engine.click("txtDisplay", button=2)
    check(shown(engine, "entry-menu") and engine.run("return document.getElementById('entry-Copia').disabled")
          and focused(engine) == "entry-Incolla", "a right click on the empty entry opens its menu, Copia greyed")
    engine.keys(Keys.ESCAPE)
    check(not shown(engine, "entry-menu") and focused(engine) == "txtDisplay", "Esc closes it, back to the entry")
    if only_in(engine, "Chromium", "Firefox"):
        # A phone's way: a finger held on the entry opens the menu where it pressed.
        x, y = engine.long_press("txtDisplay")
        at = engine.run("const r = document.getElementById('entry-menu').getBoundingClientRect(); return [r.left, r.top]")
        check(wait(lambda: shown(engine, "entry-menu"), 3) and abs(at[1] - y) <= 2,
              "a long press on the entry opens its menu where the finger was %s %s" % ((x, y), at))
        engine.keys(Keys.ESCAPE)
    else:
        print("a finger's touch, which WebKitGTK's driver does not send")
    # A Mac's Command+C and Command+V, and the menu's Incolla: the asynchronous clipboard, read as
    # a user who allowed it.
    if engine.allow_clipboard():
        engine.keys("7")
        engine.chord("c", Keys.META)
        engine.keys("C")
        engine.chord("v", Keys.META)
        check(wait(lambda: value(engine, "txtDisplay") == "7", 3), "Cmd+C, C and Cmd+V give 7 back")
        engine.keys("C")
        engine.click("txtDisplay", button=2)
        engine.click("entry-Incolla")
        check(wait(lambda: value(engine, "txtDisplay") == "7", 3) and not shown(engine, "entry-menu")
              and focused(engine) == "txtDisplay", "the menu's Incolla pastes the clipboard's amount")
    else:
        only_in(engine, "Chromium", "Firefox")
        print("reading the clipboard, which WebKit has the user allow each time with a button of its own")
    engine.chord("e", Keys.META)
    check(shown(engine, "Form1"), "Cmd+E is not Alt+E")
    alt(engine, "e")
    check(wait(lambda: not shown(engine, "Form1"), 2) and focused(engine) == "closed"
          and engine.run("return !!document.getElementById('announcer')"),
          "Alt+E ends the calculator, its closing line has the focus and the live region stays")


def loaded(engine, extension):
    return [e.split("/")[-1] for e in engine.run("return performance.getEntriesByType('resource').map(e => e.name)")
            if e.endswith(extension)]


def ship_changed_build(page, site):
    """The page's program with a custom section more, shipped as a new build into `site`."""
    build = page.parent
    program = site.parent / "program"
    shutil.copytree(build / "program", program)
    section = bytes([13]) + b"abaquino-test" + b"2"
    with open(program / "abaquino.wasm", "ab") as wasm:
        wasm.write(bytes([0, len(section)]) + section)
    shutil.rmtree(site)
    site.mkdir()
    source = pathlib.Path(__file__).parents[2]
    for icon in ("abaquino.svg", "abaquino-192.png"):
        shutil.copy(source / "ui/resources" / icon, site)
    # The build's own way to run it (its cross-compiling emulator: node without its fetch).
    shipped = subprocess.run([shutil.which("node"), "--no-experimental-fetch", build / "generate_page.js", "--ship",
                              program, site, source / "web/page.css", source / "web/service_worker.js",
                              source / "web/start.js"],
                             capture_output=True, text=True)
    check(shipped.returncode == 0, "a changed build is shipped %s" % shipped.stderr[-300:])


def kept_sets(engine):
    return engine.run("return caches.keys()")


def taken_over(engine, site):
    """Waits until the build in `site` has taken the page over, its set whole and no install pending."""
    version = re.search(r"OWN \+ '([0-9a-f]+)'", (site / "sw.js").read_text()).group(1)
    return wait(lambda: engine.run(
        "return navigator.serviceWorker.getRegistration().then(r => caches.keys().then(names => !!r && !!r.active"
        " && !r.installing && !r.waiting && names.some(n => n.endsWith(' %s') && n.includes(r.scope))))" % version), 20)


def serving(site, port=0, handler=serve_page.Handler):
    server, url = serve_page.serve(str(site), port, handler=handler)
    server.handle_error = lambda *_: None
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, url


def stop(server):
    server.shutdown()
    server.server_close()


def offline_and_update(make, page, work):
    """Offline after a first visit; an update comes whole, even with a second navigation while its
    program is still arriving; another app's cache on the same origin is never touched."""
    site = work / "site"
    shutil.copytree(page, site)
    server, url = serving(site)
    engine = make()
    try:
        started(engine, url)
        check(taken_over(engine, site), "a worker takes the page")
        engine.run("return caches.open('other-app-offline').then(() => true)")
        stop(server)
        engine.reload()
        engine.keys("12+3", Keys.ENTER)
        check(started(engine) and value(engine, "txtDisplay") == "15", "reloaded with the server gone, 12+3 Enter gives 15")

        ship_changed_build(page, site)
        port = int(url.rsplit(":", 1)[1].strip("/"))
        # The new build's program arrives only once the second navigation has been made meanwhile.
        let_go = threading.Event()
        server, _ = serving(site, port, type("Held", (HeldProgram,), {"let_go": let_go}))
        new = {path.name for path in site.iterdir()}
        installing = lambda: engine.run("return navigator.serviceWorker.getRegistration().then(r => !!r.installing)")
        # The loader and its program: the start script is the same in both builds.
        build = lambda: [name in new for name in loaded(engine, ".js") + loaded(engine, ".wasm") if "-start-" not in name]
        seen = []
        # The browser looks for a new worker when the page is opened: once the new build is
        # installing, with its program still on the way, the page is opened again.
        for _ in range(3):
            engine.reload()
            started(engine)
            seen.append(build())
            if wait(installing, 10):  # held, an install once begun stays in flight
                break
        engine.reload()
        started(engine)
        seen.append(build())
        meanwhile = installing()
        let_go.set()
        taken_over(engine, site)
        engine.reload()
        started(engine)
        seen.append(build())
        check(meanwhile and all(old == [False, False] for old in seen[:-1]) and seen[-1] == [True, True],
              "an update comes whole: the old build while the new one's program arrives, a second navigation"
              " meanwhile, then the new one %s" % seen)
        stop(server)
        engine.reload()
        engine.keys("12+3", Keys.ENTER)
        check(started(engine) and value(engine, "txtDisplay") == "15", "after the update, offline again: 12+3 Enter gives 15")
        sets = kept_sets(engine)
        check("other-app-offline" in sets and len(sets) == 2, "one set of its own kept, another app's cache untouched %s" % sets)
    finally:
        engine.quit()


def two_paths(make, page, work):
    """Two Abaquinos on one host, at two paths, keep each other's sets."""
    root = work / "host"
    for path in ("one", "two"):
        shutil.copytree(page, root / path)
    shutil.copy(page / "index.html", root)
    server, url = serving(root)
    engine = make()
    try:
        for path in ("one", "two", "one"):
            started(engine, url + path + "/")
            taken_over(engine, root / path)
        sets = kept_sets(engine)
        check(sorted(name.split()[1] for name in sets) == [url + "one/", url + "two/"], "two Abaquinos keep each other's sets %s" % sets)
    finally:
        engine.quit()
        stop(server)


def cannot_start(make, page, work):
    broken = {"missing": lambda site: next(site.glob("*.wasm")).unlink(),
              "corrupted": lambda site: next(site.glob("*.wasm")).write_bytes(b"\0asm broken"),
              "loader missing": lambda site: next(site.glob("abaquino-[0-9a-f]*.js")).unlink()}
    engine = make()  # one browser: each case is a first visit to an origin of its own
    try:
        for case, breaking in broken.items():
            site = work / case
            shutil.copytree(page, site)
            breaking(site)
            url, _ = serve(str(site))
            engine.open(url)
            said = lambda: engine.run("const e = document.querySelector('.cannot-start:not([hidden])');"
                                      " return e && e.getAttribute('role') == 'alert' && e.textContent")
            wait(lambda: said(), 3)
            check((said() or "").startswith("Abaquino non può partire"),
                  "%s: the page says it cannot start, as an alert: %s" % (case, said()))
        if not only_in(engine, "Chromium"):
            print("a page with scripts off")
            return
        url, _ = serve(str(page))
        engine.cdp("Emulation.setScriptExecutionDisabled", {"value": True})  # last: they stay off
        engine.driver.get(url)
        line = engine.driver.find_element("css selector", "noscript + p, .cannot-start:not([hidden])")
        check(line.aria_role == "alert" and line.text.startswith("Abaquino non può partire"),
              "scripts off: the page says it cannot start, as an alert: %s" % line.text)
    finally:
        engine.quit()


class Framing(serve_page.Handler):
    """The page and, at /frame-WxH.html, a page of its own origin that frames it at that size: a
    phone's viewport in every engine (WebKit's window cannot be made as narrow as a phone)."""
    def do_GET(self):
        size = re.fullmatch(r"/frame-(\d+)x(\d+)\.html", self.path)
        if not size:
            return super().do_GET()
        self.framing = True
        body = ('<!DOCTYPE html><body style="margin:0"><iframe src="./" width="%s" height="%s"'
                ' style="border:0;display:block"></iframe>' % size.groups()).encode()
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def end_headers(self):
        if getattr(self, "framing", False):
            return http.server.SimpleHTTPRequestHandler.end_headers(self)
        self.server.policy = self.server.policy.replace("frame-ancestors 'none'", "frame-ancestors 'self'")
        super().end_headers()


# The window in a frame of a phone's size, once its program runs: its keys' least height, its size,
# whether the frame's page scrolls, and what is outside the frame's viewport.
IN_FRAME = """const frame = document.querySelector('iframe'), w = frame && frame.contentWindow, d = w && w.document;
if (!d || !w.performance.getEntriesByName('abaquino-ready').length) return null;
const box = e => e.getBoundingClientRect(), window_ = box(d.getElementById('Form1'));
const out = [...d.querySelectorAll('#Form1 [data-place], #menu button')].filter(e => {
  const r = box(e); return r.left < 0 || r.top < 0 || r.right > w.innerWidth || r.bottom > w.innerHeight; }).map(e => e.id);
return {keys: Math.min(...[...d.querySelectorAll('#Form1-client button[data-place]')].map(b => box(b).height)),
        width: w.innerWidth - window_.width, height: w.innerHeight - window_.height, outside: out,
        scrolls: d.documentElement.scrollHeight > w.innerHeight || d.documentElement.scrollWidth > w.innerWidth}"""


class HeldProgram(serve_page.Handler):
    """A host whose program arrives only when the test lets it go, however slow the machine."""
    let_go = None

    def do_GET(self):
        if self.path.endswith(".wasm"):
            self.let_go.wait(60)
        super().do_GET()


def busy_and_phone(make, page):
    let_go = threading.Event()
    url, _ = serve(page, handler=type("Held", (HeldProgram,), {"let_go": let_go}))
    engine = make()
    try:
        engine.open(url)
        busy = lambda: engine.run("return document.getElementById('Form1-client').getAttribute('aria-busy')")
        # The entry has the focus from the start: a focus given after the load finds Orca in browse mode.
        meanwhile = (busy(), focused(engine))
        engine.keys("12")
        let_go.set()
        check(meanwhile == ("true", "txtDisplay") and started(engine) and value(engine, "txtDisplay") == "12" and busy() is None,
              "busy until ready, the entry focused already; 1 2 typed meanwhile are typed once ready %s" % (meanwhile,))
        keys_high = "return Math.min(...Array.from(document.querySelectorAll('#Form1-client button[data-place]'), b => b.getBoundingClientRect().height))"
        check(engine.run(keys_high) == 25, "a desktop browser shows the keys as designed")

        framed, _ = serve(page, handler=Framing)
        for width, height in ((360, 740), (390, 844), (844, 390)):
            engine.open(framed + "frame-%dx%d.html" % (width, height))
            wait(lambda: engine.run(IN_FRAME))
            seen = engine.run(IN_FRAME)
            upright = width < height
            fills = seen and seen["width"] <= 10 and seen["height"] <= 10
            check(seen and fills and not seen["scrolls"] and not seen["outside"] and (seen["keys"] >= 48 or not upright),
                  "%d x %d: the window fills the screen, nothing scrolls%s %s"
                  % (width, height, ", keys at least 48 px high" if upright else "", seen))

        if only_in(engine, "Chromium", "Firefox"):
            engine.open(url)
            started(engine)
            engine.viewport(320, 256)
            alt(engine, "i")
            # The page's own box, whose width a page's scrollbar takes from the viewport.
            sideways = ("const page = document.documentElement, about = document.getElementById('frmAbout');"
                        " return page.scrollWidth - page.clientWidth + Math.max(0, about.getBoundingClientRect().right - page.clientWidth)")
            reachable = engine.run("const ok = document.getElementById('frmAbout-cmdOK'); ok.scrollIntoView();"
                                   " const r = ok.getBoundingClientRect();"
                                   " return document.elementFromPoint(r.x + r.width / 2, r.y + r.height / 2) === ok")
            check(engine.run(sideways) <= 0 and reachable, "at 320 px nothing scrolls sideways and About's OK is reachable")
        else:
            print("a window 320 px wide")
    finally:
        engine.quit()


def installable_and_served(make, page):
    url, _ = serve(page)
    headers = urllib.request.urlopen(url).headers
    wasm = urllib.request.urlopen(url + next(pathlib.Path(page).glob("*.wasm")).name).headers
    check("frame-ancestors 'none'" in headers["Content-Security-Policy"] and headers["X-Content-Type-Options"] == "nosniff"
          and wasm["Content-Type"] == "application/wasm", "the server sends the policy, nosniff and the program's type")
    if not only_in(make, "Chromium"):
        print("whether the page can be installed, and framing by another origin")
        return
    engine = make()
    framing = tempfile.mkdtemp()
    pathlib.Path(framing, "index.html").write_text('<iframe src="%s"></iframe>' % url)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), lambda *a: http.server.SimpleHTTPRequestHandler(*a, directory=framing))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    try:
        started(engine, url)
        errors = engine.cdp("Page.getInstallabilityErrors", {})["installabilityErrors"]
        check(errors == [], "Chromium can install the page %s" % errors)
        engine.driver.get("http://127.0.0.1:%d/" % server.server_port)
        engine.driver.switch_to.frame(0)
        check(engine.driver.find_elements("id", "Form1") == [], "a page of another origin cannot frame it")
    finally:
        engine.quit()
        server.shutdown()
        shutil.rmtree(framing)


def app(make, folder):
    """The page as an app: at most 50 KB for a first visit, offline after it, updated whole,
    installable, served with its headers, honest when it cannot start, busy until ready, at home on
    a phone and at 320 px."""
    size = sum(len(gzip.compress(path.read_bytes(), 9)) for path in first_visit(folder))
    # A phone's icons: each PNG of the size it claims, 512 px and maskable among them, and iOS's.
    icons = json.loads(pathlib.Path(folder, "abaquino.webmanifest").read_text())["icons"]
    pixels = lambda name: struct.unpack(">II", pathlib.Path(folder, name).read_bytes()[16:24])
    claimed = [(i["sizes"], i.get("purpose", "any")) for i in icons if i["type"] == "image/png"
               and "%dx%d" % pixels(i["src"]) == i["sizes"]]
    check({("512x512", "any"), ("512x512", "maskable")} <= set(claimed) and pixels("apple-touch-icon.png") == (180, 180)
          and 'rel="apple-touch-icon"' in pathlib.Path(folder, "index.html").read_text(),
          "the icons of a phone's home screen: 512 px, maskable and iOS's %s" % claimed)
    check(size <= 50 * 1024, "a first visit downloads at most 50 KB gzipped (%.1f KB)" % (size / 1024))
    work = pathlib.Path(tempfile.mkdtemp())
    try:
        offline_and_update(make, pathlib.Path(folder), work)
        two_paths(make, pathlib.Path(folder), work)
        installable_and_served(make, folder)
        cannot_start(make, pathlib.Path(folder), work)
        busy_and_phone(make, folder)
    finally:
        shutil.rmtree(work)


if __name__ == "__main__":
    make, what = engines.ENGINES[sys.argv[1]], sys.argv[2]
    if what == "app":
        app(make, *sys.argv[3:])
    else:
        engine = make()
        try:
            {"scenarios": scenarios, "page": page}[what](engine, *sys.argv[3:])
        finally:
            engine.quit()
    sys.exit(1 if failures else 0)
