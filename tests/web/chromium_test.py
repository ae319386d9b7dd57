#!/usr/bin/python3
"""The page in a real headless Chromium, served as a user would serve it (python3 -m http.server).

  chromium_test.py scenarios FOLDER      the shared window scenarios, compiled with the page
  chromium_test.py page FOLDER AXE_JS    the page as built: real keys and clicks through WebDriver,
                                         axe-core, its Content-Security-Policy, no requests
"""
import functools, http.server, sys, threading, time
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


def serve(folder):
    requests = []

    class Handler(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            requests.append(self.path)

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Handler, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return "http://127.0.0.1:%d/" % server.server_port, requests


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


def alt(driver, letter):
    webdriver.ActionChains(driver).key_down(Keys.ALT).send_keys(letter).key_up(Keys.ALT).perform()


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
        for chord in ("c", "v"):
            webdriver.ActionChains(driver).key_down(Keys.CONTROL).send_keys(chord).key_up(Keys.CONTROL).perform()
            keys(driver, "C5" if chord == "c" else "")
        check(value(driver, "txtDisplay") == "15", "Ctrl+C, C 5 and Ctrl+V give 15 back")

        keys(driver, Keys.TAB)
        check(driver.switch_to.active_element.get_attribute("id") == "OptBEuro", "Tab reaches the chosen option")

        driver.find_element(By.ID, "txtDisplay").click()
        keys(driver, "100000000000000***")
        balloon = driver.find_element(By.ID, "balloon")
        check(balloon.text == "Importo troppo grande per la conversione", "the failure shows its message")
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
        check(len(heard) == 24 and all(heard.values())
              and heard["Importo convertito"] == "L'importo nella valuta scelta, in lire",
              "every control has its name and description, the conversion's in the chosen currency")

        for close, name in ((Keys.ENTER, "Enter"), (Keys.ESCAPE, "Esc")):
            focus = driver.switch_to.active_element.get_attribute("id")
            alt(driver, "i")
            about = driver.find_element(By.ID, "frmAbout")
            check(about.is_displayed(), "Alt+I opens the About window")
            if name == "Enter":
                axe(driver, axe_js, "with the About window open")
            keys(driver, close)
            check(not about.is_displayed() and driver.switch_to.active_element.get_attribute("id") == focus,
                  "%s closes it and gives the focus back to %s" % (name, focus))

        check(driver.execute_script("return document.cookie === '' && localStorage.length === 0"
                                    " && sessionStorage.length === 0"), "no cookies and nothing stored")
        # Chromium may ask again for the tab's icon, which the page already had: that is the browser's.
        later = [path for path in requests[len(loaded):] if path != "/abaquino.svg"]
        check(later == [], "no request after loading %s" % later)
        check(set(loaded) <= {"/", "/abaquino.css", "/abaquino.js", "/abaquino.wasm", "/abaquino.svg"},
              "only the page's own files were loaded %s" % loaded)
        check(driver.execute_script("return window.refused") == [], "nothing of the page was refused by its policy")
        # The policy holds: a script from text and a request elsewhere are refused.
        driver.execute_script("var s = document.createElement('script'); s.textContent = 'window.ran = 1';"
                              " document.head.appendChild(s); fetch('http://127.0.0.2:9/').catch(() => {});")
        check(wait(lambda: len(driver.execute_script("return window.refused")) == 2)
              and not driver.execute_script("return window.ran"), "its policy refuses inline script and other origins")
        alt(driver, "e")
        check(driver.find_elements(By.ID, "Form1") == [], "Alt+E ends the calculator")
    finally:
        driver.quit()


if __name__ == "__main__":
    {"scenarios": scenarios, "page": page}[sys.argv[1]](*sys.argv[2:])
    sys.exit(1 if failures else 0)
