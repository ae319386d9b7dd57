#!/usr/bin/python3
"""The page in a real headless Chromium, served as a user would serve it (scripts/serve-page).

  chromium_test.py scenarios FOLDER      the shared window scenarios, compiled with the page
  chromium_test.py page FOLDER AXE_JS    the page as built: real keys and clicks through WebDriver,
                                         axe-core, its Content-Security-Policy, no requests
"""
import gzip, http.server, pathlib, re, shutil, subprocess, sys, tempfile, threading, time, urllib.request
from importlib.machinery import SourceFileLoader
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


# The page is served as README tells a host to serve it, by the same server.
serve_page = SourceFileLoader("serve_page", str(pathlib.Path(__file__).parents[2] / "scripts/serve-page")).load_module()


def serve(folder, **how):
    requests = []
    server, url = serve_page.serve(folder, requested=requests, **how)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return url, requests


def started(driver, url=None):
    if url:
        driver.get(url)
    return wait(lambda: driver.execute_script("return performance.getEntriesByName('abaquino-ready').length > 0"))


def browser():
    options = webdriver.ChromeOptions()
    for argument in ["--headless", "--no-sandbox", "--disable-gpu", "--window-size=640,480", "--lang=it"]:
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    # Every refusal of the page's policy is kept, from the first byte on.
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source":
        "window.refused = []; document.addEventListener('securitypolicyviolation',"
        " e => window.refused.push(e.violatedDirective + ' ' + e.blockedURI));"})
    return driver


def wait(condition, seconds=10):
    deadline = time.time() + seconds
    while time.time() < deadline:
        if condition():
            return True
        time.sleep(0.05)
    return False


def scenarios(folder):
    url, _ = serve(folder)
    driver = browser()
    try:
        driver.get(url + "tests.html")
        wait(lambda: driver.title.startswith("done"), 150)
        print("\n".join(driver.execute_script("return Module.output")))
        check(driver.title == "done 0", "the shared scenarios pass on the page")
    finally:
        driver.quit()


def value(driver, id):
    return driver.find_element(By.ID, id).get_attribute("value")


def keys(driver, *typed):
    webdriver.ActionChains(driver).send_keys(*typed).perform()


def chord(driver, key, *held):
    actions = webdriver.ActionChains(driver)
    for modifier in held:
        actions.key_down(modifier)
    actions.send_keys(key)
    for modifier in held:
        actions.key_up(modifier)
    actions.perform()


def alt(driver, letter):
    chord(driver, letter, Keys.ALT)


def focused(driver):
    return driver.switch_to.active_element.get_attribute("id")


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


def axe(driver, axe_js, when):
    driver.execute_script(open(axe_js).read())
    found = driver.execute_async_script("axe.run(document).then(r => arguments[0](r.violations.map("
                                        "v => v.id + ': ' + v.nodes.map(n => n.target).join(' '))))")
    check(not found, "axe-core finds nothing %s %s" % (when, found))


def page(folder, axe_js):
    url, requests = serve(folder)
    driver = browser()
    try:
        driver.get(url)
        check(wait(lambda: driver.execute_script("return typeof Module == 'object' && Module.calledRun")),
              "the page's program runs")
        # Loaded once the browser has asked for nothing more for a second (the icon comes late).
        count = -1
        while count != len(requests):
            count = len(requests)
            time.sleep(1)
        loaded = list(requests)
        axe(driver, axe_js, "on the main window")

        keys(driver, "12+3", Keys.ENTER)
        check((value(driver, "txtDisplay"), value(driver, "TxtDisplay1")) == ("15", "0,01"), "12+3 Enter shows 15, 0,01")
        check(wait(lambda: driver.find_element(By.ID, "announcer").get_attribute("textContent") == "15, in euro 0,01"),
              "the live region says \"15, in euro 0,01\"")

        # The browser's own copy and paste events, from a read-only entry.
        for letter in ("c", "v"):
            chord(driver, letter, Keys.CONTROL)
            keys(driver, "C5" if letter == "c" else "")
        check(value(driver, "txtDisplay") == "15", "Ctrl+C, C 5 and Ctrl+V give 15 back")
        chord(driver, "c", Keys.CONTROL, Keys.SHIFT)
        keys(driver, "C")
        chord(driver, "v", Keys.CONTROL)
        check(value(driver, "txtDisplay") == "0,01", "Ctrl+Shift+C copies the conversion")
        order = driver.execute_script("return Array.from(document.querySelectorAll('#Form1-client [data-place]'),"
                                      " e => [Math.round(e.getBoundingClientRect().top), e.getBoundingClientRect().left])")
        check(order == sorted(order), "the document's order is the order seen, row by row %s" % order)

        keys(driver, Keys.TAB)
        check(focused(driver) == "OptBEuro", "Tab reaches the chosen option")
        # The other keys, for real: Shift+Tab goes back, an arrow chooses, Space presses the focused
        # key, Backspace and Delete take back a digit; a label chooses its option.
        chord(driver, Keys.TAB, Keys.SHIFT)
        back = focused(driver)
        keys(driver, "C", Keys.TAB, Keys.ARROW_RIGHT, Keys.TAB, " ", " ", "7", Keys.BACKSPACE, "3", Keys.DELETE, "/2-5", Keys.ENTER)
        check((back, value(driver, "txtDisplay")) == ("txtDisplay", "0,5") and driver.find_element(By.ID, "OptBLire").is_selected(),
              "Shift+Tab, Right, Space, Backspace, Delete and the operators: 0,5 in lire")
        for label, option in (("Label3", "OptBEuro"), ("Label2", "OptBLire"), ("Label3", "OptBEuro")):
            driver.find_element(By.ID, label).click()
            check(driver.find_element(By.ID, option).is_selected(), "a click on %s chooses %s" % (label, option))

        driver.find_element(By.ID, "txtDisplay").click()
        keys(driver, "100000000000000***")
        balloon = driver.find_element(By.ID, "balloon")
        check(balloon.text == "Importo troppo grande per la conversione", "the failure shows its message")
        cut = driver.execute_script(CUT_OFF, TEXTS)
        check(cut == [], "every text is whole, the failure's message too %s" % cut)
        # The middle of the Lire option, which the balloon covers: the click must go through it.
        at = driver.execute_script("var o = document.getElementById('OptBLire').getBoundingClientRect(),"
                                   " b = document.getElementById('balloon').getBoundingClientRect(),"
                                   " x = o.x + o.width / 2, y = o.y + o.height / 2;"
                                   " return [x, y, b.left < x && x < b.right && b.top < y && y < b.bottom]")
        check(at[2], "the balloon lies over the Lire option")
        actions = webdriver.ActionChains(driver)
        actions.w3c_actions.pointer_action.move_to_location(int(at[0]), int(at[1])).click()
        actions.perform()
        check(driver.find_element(By.ID, "OptBLire").is_selected() and not balloon.is_displayed(),
              "a click through the balloon chooses Lire and closes it")

        # What a screen reader gets from the browser: every control's designed name and description.
        heard = {n["name"]["value"]: n.get("description", {}).get("value") for n in
                 driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
                 if not n.get("ignored") and n["role"]["value"] in ("textbox", "radio", "button") and "name" in n}
        groups = [n["name"]["value"] for n in driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
                  if n["role"]["value"] == "radiogroup"]
        check(groups == ["Converti in:"], "the options are one group, \"Converti in:\" %s" % groups)
        check(len(heard) == 24 and all(heard.values())
              and heard["Importo convertito"] == "L'importo nella valuta scelta, in lire",
              "every control has its name and description, the conversion's in the chosen currency")

        for close, name in ((Keys.ENTER, "Enter"), (Keys.ESCAPE, "Esc")):
            focus = focused(driver)
            alt(driver, "i")
            about = driver.find_element(By.ID, "frmAbout")
            check(about.is_displayed(), "Alt+I opens the About window")
            if name == "Enter":
                axe(driver, axe_js, "with the About window open")
                cut = driver.execute_script(CUT_OFF, TEXTS)
                check(cut == [], "the About window's texts are whole %s" % cut)
            keys(driver, close)
            check(not about.is_displayed() and focused(driver) == focus,
                  "%s closes it and gives the focus back to %s" % (name, focus))

        check(driver.execute_script("return document.cookie === '' && localStorage.length === 0"
                                    " && sessionStorage.length === 0"), "no cookies and nothing stored")
        # Chromium may ask again for the tab's icon, which the page already had: that is the browser's.
        later = [path for path in requests[len(loaded):] if path != "/abaquino.svg"]
        check(later == [], "no request after loading %s" % later)
        check(set(loaded) <= {"/"} | {"/" + path.name for path in pathlib.Path(folder).iterdir()},
              "only the page's own files were loaded %s" % loaded)
        check(driver.execute_script("return window.refused") == [], "nothing of the page was refused by its policy")
        # The policy holds: a script from text and a request elsewhere are refused.
        driver.execute_script("var s = document.createElement('script'); s.textContent = 'window.ran = 1';"
                              " document.head.appendChild(s); fetch('http://127.0.0.2:9/').catch(() => {});")
        # Refused by both the header and the page's own copy of the policy.
        check(wait(lambda: {r.split()[0].split("-elem")[0] for r in driver.execute_script("return window.refused")}
                   == {"script-src", "connect-src"})
              and not driver.execute_script("return window.ran"), "its policy refuses inline script and other origins")
        # The menu bar's own keys, once an entry has the focus; its focus shows in forced colours.
        driver.execute_script("document.getElementById('Esci(1)').focus()")
        keys(driver, Keys.ARROW_RIGHT)
        driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [{"name": "forced-colors", "value": "active"}]})
        ring = driver.execute_script("const s = getComputedStyle(document.activeElement);"
                                     " return s.outlineStyle != 'none' && parseFloat(s.outlineWidth) > 0")
        driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})
        check(focused(driver) == "Informazioni" and ring, "Right moves along the menu; its focus shows in forced colours")
        about_shown = lambda: any(e.is_displayed() for e in driver.find_elements(By.ID, "frmAbout"))
        for key in (Keys.ENTER, " "):
            driver.execute_script("document.getElementById('Informazioni').focus()")
            keys(driver, key)
            check(wait(about_shown), "%r on a menu entry chooses it" % key)
            keys(driver, Keys.ESCAPE)
            # Closed, it gives the focus back; only then is the next entry focused.
            wait(lambda: not about_shown())
        chord(driver, "e", Keys.META)
        check(driver.find_elements(By.ID, "Form1") != [], "Cmd+E is not Alt+E")
        alt(driver, "e")
        check(driver.find_elements(By.ID, "Form1") == [] and focused(driver) == "closed"
              and driver.find_elements(By.ID, "announcer") != [],
              "Alt+E ends the calculator, its closing line has the focus and the live region stays")
    finally:
        driver.quit()


def loaded(driver, extension):
    return [e.split("/")[-1] for e in driver.execute_script("return performance.getEntriesByType('resource').map(e => e.name)")
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
                              program, site, source / "web/page.css", source / "web/service_worker.js"],
                             capture_output=True, text=True)
    check(shipped.returncode == 0, "a changed build is shipped %s" % shipped.stderr[-300:])


def kept_sets(driver):
    return driver.execute_async_script("caches.keys().then(arguments[0])")


def taken_over(driver, site):
    """Waits until the build in `site` has taken the page over, its set whole and no install pending."""
    version = re.search(r"OWN \+ '([0-9a-f]+)'", (site / "sw.js").read_text()).group(1)
    return wait(lambda: driver.execute_async_script(
        "navigator.serviceWorker.getRegistration().then(r => caches.keys().then(names => arguments[0](!!r && !!r.active"
        " && !r.installing && !r.waiting && names.some(n => n.endsWith(' %s') && n.includes(r.scope)))))" % version), 20)


def serving(site, port=0, handler=serve_page.Handler):
    server, url = serve_page.serve(str(site), port, handler=handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, url


def stop(server):
    server.shutdown()
    server.server_close()


class LateProgram(serve_page.Handler):
    """A host where the program arrives seconds after the rest."""
    def do_GET(self):
        if self.path.endswith(".wasm"):
            time.sleep(4)
        super().do_GET()


def offline_and_update(page, work):
    """Offline after a first visit; an update comes whole, even with a second navigation while its
    program is still arriving; another app's cache on the same origin is never touched."""
    site = work / "site"
    shutil.copytree(page, site)
    server, url = serving(site)
    driver = browser()
    try:
        started(driver, url)
        check(taken_over(driver, site), "a worker takes the page")
        driver.execute_async_script("caches.open('other-app-offline').then(() => arguments[0]())")
        stop(server)
        driver.refresh()
        keys(driver, "12+3", Keys.ENTER)
        check(started(driver) and value(driver, "txtDisplay") == "15", "reloaded with the server gone, 12+3 Enter gives 15")

        ship_changed_build(page, site)
        port = int(url.rsplit(":", 1)[1].strip("/"))
        server, _ = serving(site, port, LateProgram)
        new = {path.name for path in site.iterdir()}
        installing = lambda: driver.execute_async_script(
            "navigator.serviceWorker.getRegistration().then(r => arguments[0](!!r.installing))")
        build = lambda: [name in new for name in loaded(driver, ".js") + loaded(driver, ".wasm")]
        seen = []
        # The browser looks for a new worker when the page is opened: once the new build is
        # installing, with its program still on the way, the page is opened again.
        for _ in range(3):
            driver.refresh()
            started(driver)
            seen.append(build())
            if wait(installing, 2):
                break
        driver.refresh()
        started(driver)
        seen.append(build())
        meanwhile = installing()
        taken_over(driver, site)
        driver.refresh()
        started(driver)
        seen.append(build())
        check(meanwhile and all(old == [False, False] for old in seen[:-1]) and seen[-1] == [True, True],
              "an update comes whole: the old build while the new one's program arrives, a second navigation"
              " meanwhile, then the new one %s" % seen)
        stop(server)
        driver.refresh()
        keys(driver, "12+3", Keys.ENTER)
        check(started(driver) and value(driver, "txtDisplay") == "15", "after the update, offline again: 12+3 Enter gives 15")
        sets = kept_sets(driver)
        check("other-app-offline" in sets and len(sets) == 2, "one set of its own kept, another app's cache untouched %s" % sets)
    finally:
        driver.quit()


def two_paths(page, work):
    """Two Abaquinos on one host, at two paths, keep each other's sets."""
    root = work / "host"
    for path in ("one", "two"):
        shutil.copytree(page, root / path)
    shutil.copy(page / "index.html", root)
    server, url = serving(root)
    driver = browser()
    try:
        for path in ("one", "two", "one"):
            started(driver, url + path + "/")
            taken_over(driver, root / path)
        sets = kept_sets(driver)
        check(sorted(name.split()[1] for name in sets) == [url + "one/", url + "two/"], "two Abaquinos keep each other's sets %s" % sets)
    finally:
        driver.quit()
        stop(server)


def cannot_start(page, work):
    broken = {"missing": lambda wasm: wasm.unlink(), "corrupted": lambda wasm: wasm.write_bytes(b"\0asm broken")}
    for case, breaking in list(broken.items()) + [("scripts off", None)]:
        site = work / case
        shutil.copytree(page, site)
        if breaking:
            breaking(next(site.glob("*.wasm")))
        url, _ = serve(str(site))
        driver = browser()
        try:
            driver.execute_cdp_cmd("Emulation.setScriptExecutionDisabled", {"value": breaking is None})
            driver.get(url)
            line = lambda: [e for e in driver.find_elements(By.CSS_SELECTOR, ".cannot-start") if e.is_displayed()]
            shown = wait(lambda: line(), 2)
            said = shown and line()[0].aria_role == "alert" and line()[0].text.startswith("Abaquino non può partire")
            check(said, "%s: the page says it cannot start, as an alert: %s" % (case, shown and line()[0].text))
        finally:
            driver.quit()


class SlowProgram(serve_page.Handler):
    def do_GET(self):
        if self.path.endswith(".wasm"):
            time.sleep(2)
        super().do_GET()


def busy_and_phone(page):
    url, _ = serve(page, handler=SlowProgram)
    driver = browser()
    try:
        driver.get(url)
        busy = driver.find_element(By.ID, "Form1-client").get_attribute("aria-busy")
        # The entry has the focus from the start: a focus given after the load finds Orca in browse mode.
        early_focus = driver.execute_script("return document.activeElement.id")
        keys(driver, "12")
        check(busy == "true" and early_focus == "txtDisplay" and started(driver) and value(driver, "txtDisplay") == "12"
              and driver.find_element(By.ID, "Form1-client").get_attribute("aria-busy") is None,
              "busy until ready, the entry focused already; 1 2 typed meanwhile are typed once ready")
        keys_high = "return Math.min(...Array.from(document.querySelectorAll('#Form1-client button'), b => b.getBoundingClientRect().height))"
        check(driver.execute_script(keys_high) == 25, "a desktop browser shows the keys as designed")
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {"width": 390, "height": 844, "deviceScaleFactor": 1, "mobile": True})
        width = driver.execute_script("return document.getElementById('Form1').getBoundingClientRect().width")
        check(width >= 0.9 * 390 and driver.execute_script(keys_high) >= 40, "on a phone the window fills the width (%s px)" % width)
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {"width": 320, "height": 256, "deviceScaleFactor": 1, "mobile": False})
        alt(driver, "i")
        # The page's own box, whose width a page's scrollbar takes from the viewport.
        sideways = ("const page = document.documentElement, about = document.getElementById('frmAbout');"
                    " return page.scrollWidth - page.clientWidth + Math.max(0, about.getBoundingClientRect().right - page.clientWidth)")
        ok = driver.find_element(By.ID, "frmAbout-cmdOK")
        driver.execute_script("arguments[0].scrollIntoView()", ok)
        reachable = driver.execute_script("const r = arguments[0].getBoundingClientRect();"
                                          " return document.elementFromPoint(r.x + r.width / 2, r.y + r.height / 2) === arguments[0]", ok)
        check(driver.execute_script(sideways) <= 0 and reachable, "at 320 px nothing scrolls sideways and About's OK is reachable")
    finally:
        driver.quit()


def installable_and_served(page):
    url, _ = serve(page)
    headers = urllib.request.urlopen(url).headers
    wasm = urllib.request.urlopen(url + next(pathlib.Path(page).glob("*.wasm")).name).headers
    check("frame-ancestors 'none'" in headers["Content-Security-Policy"] and headers["X-Content-Type-Options"] == "nosniff"
          and wasm["Content-Type"] == "application/wasm", "the server sends the policy, nosniff and the program's type")
    framing = tempfile.mkdtemp()
    pathlib.Path(framing, "index.html").write_text('<iframe src="%s"></iframe>' % url)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), lambda *a: http.server.SimpleHTTPRequestHandler(*a, directory=framing))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    driver = browser()
    try:
        started(driver, url)
        errors = driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"]
        check(errors == [], "Chromium can install the page %s" % errors)
        driver.get("http://127.0.0.1:%d/" % server.server_port)
        driver.switch_to.frame(0)
        check(driver.find_elements(By.ID, "Form1") == [], "a page of another origin cannot frame it")
    finally:
        driver.quit()
        server.shutdown()
        shutil.rmtree(framing)


def app(folder):
    """The page as an app: at most 50 KB for a first visit, offline after it, updated whole,
    installable, served with its headers, honest when it cannot start, busy until ready, at home on
    a phone and at 320 px."""
    # A first visit downloads every file of the folder (the worker keeps them all), gzipped.
    size = sum(len(gzip.compress(path.read_bytes(), 9)) for path in pathlib.Path(folder).iterdir())
    check(size <= 50 * 1024, "a first visit downloads at most 50 KB gzipped (%.1f KB)" % (size / 1024))
    work = pathlib.Path(tempfile.mkdtemp())
    try:
        offline_and_update(pathlib.Path(folder), work)
        two_paths(pathlib.Path(folder), work)
        installable_and_served(folder)
        cannot_start(pathlib.Path(folder), work)
        busy_and_phone(folder)
    finally:
        shutil.rmtree(work)


if __name__ == "__main__":
    {"scenarios": scenarios, "page": page, "app": app}[sys.argv[1]](*sys.argv[2:])
    sys.exit(1 if failures else 0)
