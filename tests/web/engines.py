"""The three browser engines the page is tested in, behind one small set of hands: open a page,
run a script, type real keys, click at a point, size the viewport. Every key and click goes
through the browser's own automation, as a user's would.

  Chromium   chromedriver (Selenium), and its DevTools where only Chromium can tell
  Firefox    WebDriver BiDi, which Firefox speaks itself: Debian has no geckodriver
  WebKit     WebKitGTK's own WebDriver and MiniBrowser (Safari's engine), on an X server
"""
import asyncio, json, os, pathlib, re, shutil, subprocess, tempfile, threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service as ChromeService
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput

# A function body; its arguments are `arguments[0]`, ...; what it returns (a promise too) comes back.
ASYNC = ("const done = arguments[arguments.length - 1];"
         " Promise.resolve((function () { %s }).apply(null, Array.prototype.slice.call(arguments, 0, -1)))"
         ".then(done, e => done({thrown: String(e)}))")


class ScriptError(Exception):
    pass


class Engine:
    name = ""

    def allow_clipboard(self):
        """Lets the page read the clipboard, as a user who allowed it; False where it cannot."""
        return False

    def run(self, body, *args):
        result = self._run(body, args)
        if isinstance(result, dict) and set(result) == {"thrown"}:
            raise ScriptError(result["thrown"])
        return result

    def click(self, element_id, button=0):
        """A real click in the middle of the element, wherever it is (button 2: the right one)."""
        x, y = self.run("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                        " return [r.x + r.width / 2, r.y + r.height / 2]", element_id)
        self.click_at(x, y, button)

    def long_press(self, element_id, seconds=0.8):
        """A finger held on the middle of the element, then lifted; the point it pressed."""
        x, y = self.run("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                        " return [r.x + r.width / 2, r.y + r.height / 2]", element_id)
        self._touch(int(x), int(y), seconds)
        return x, y

    def chord(self, key, *held):
        self._keys([("down", m) for m in held] + [("down", key), ("up", key)] + [("up", m) for m in reversed(held)])

    def keys(self, *typed):
        self._keys([(way, key) for text in typed for key in text for way in ("down", "up")])


class SeleniumEngine(Engine):
    def open(self, url):
        self.driver.get(url)

    def reload(self):
        self.driver.refresh()

    def _run(self, body, args):
        return self.driver.execute_async_script(ASYNC % body, *args)

    def _keys(self, steps):
        actions = webdriver.ActionChains(self.driver)
        for way, key in steps:
            (actions.key_down if way == "down" else actions.key_up)(key)
        actions.perform()

    def click_at(self, x, y, button=0):
        actions = webdriver.ActionChains(self.driver)
        actions.w3c_actions.pointer_action.move_to_location(int(x), int(y)).pointer_down(button=button).pointer_up(button=button)
        actions.perform()

    def _touch(self, x, y, seconds):
        finger = ActionBuilder(self.driver, mouse=PointerInput(interaction.POINTER_TOUCH, "finger"))
        finger.pointer_action.move_to_location(x, y).pointer_down().pause(seconds).pointer_up()
        finger.perform()

    def screenshot(self, path):
        self.driver.save_screenshot(str(path))

    def quit(self):
        self.driver.quit()


class Chromium(SeleniumEngine):
    name = "Chromium"

    def __init__(self, language="it"):
        options = webdriver.ChromeOptions()
        for argument in ["--headless", "--no-sandbox", "--disable-gpu", "--window-size=800,600", "--lang=" + language]:
            options.add_argument(argument)
        self.driver = webdriver.Chrome(service=ChromeService("/usr/bin/chromedriver"), options=options)
        # Every refusal of the page's policy is kept, from the first byte on.
        self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": KEEP_REFUSALS})

    def allow_clipboard(self):
        self.cdp("Browser.grantPermissions", {"permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        return True

    def viewport(self, width, height, phone=False):
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                    {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": phone})

    def cdp(self, command, arguments):
        return self.driver.execute_cdp_cmd(command, arguments)


KEEP_REFUSALS = ("window.refused = []; document.addEventListener('securitypolicyviolation',"
                 " e => window.refused.push(e.violatedDirective + ' ' + e.blockedURI));")


class WebKit(SeleniumEngine):
    """WebKitGTK's MiniBrowser, driven by WebKitWebDriver; it needs an X server (DISPLAY)."""
    name = "WebKit"

    def __init__(self, language="it"):
        options = webdriver.WebKitGTKOptions()
        options.binary_location = next(pathlib.Path("/usr/lib").glob("*/webkit2gtk-4.*/MiniBrowser")).as_posix()
        options.add_argument("--automation")
        try:  # Selenium 4.24 (Debian 13) takes a service, 4.8 (Debian 12) the driver's path
            from selenium.webdriver.webkitgtk.service import Service
            self.driver = webdriver.WebKitGTK(options=options, service=Service("/usr/bin/WebKitWebDriver"))
        except TypeError:
            self.driver = webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver", options=options)
        self.viewport(640, 480)

    def viewport(self, width, height, phone=False):
        # The window's inner size is the viewport: its frame is added to what is asked.
        self.driver.set_window_size(width, height)
        inner = self.run("return [innerWidth, innerHeight]")
        self.driver.set_window_size(2 * width - inner[0], 2 * height - inner[1])


class Firefox(Engine):
    """Firefox ESR headless, through the WebDriver BiDi endpoint it opens itself."""
    name = "Firefox"
    PREFERENCES = {
        "browser.shell.checkDefaultBrowser": False,
        "browser.startup.homepage_override.mstone": "ignore",
        "datareporting.policy.dataSubmissionEnabled": False,
        "toolkit.telemetry.reportingpolicy.firstRun": False,
        "browser.aboutwelcome.enabled": False,
        "app.update.disabledForTesting": True,
        # A headless window never has the system's focus: without this, Firefox types keys into
        # the page but presses no button with Space or Enter.
        "focusmanager.testmode": True,
        "intl.accept_languages": "it",
        # Reading the clipboard without the paste button Firefox otherwise shows the user.
        "dom.events.testing.asyncClipboard": True,
        # Touch events, as on a phone: a desktop Firefox has them only with a touch screen.
        "dom.w3c_touch_events.enabled": 1,
    }

    def __init__(self, language="it"):
        self.profile = tempfile.mkdtemp(prefix="abaquino-firefox-")
        preferences = {**self.PREFERENCES, "intl.accept_languages": language}
        pathlib.Path(self.profile, "user.js").write_text(
            "".join("user_pref(%s, %s);\n" % (json.dumps(k), json.dumps(v)) for k, v in preferences.items()))
        self.process = subprocess.Popen(["firefox-esr", *([] if os.environ.get("DISPLAY") else ["--headless"]), "--no-remote", "--profile", self.profile,
                                         "--remote-debugging-port", "0", "about:blank"],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        address = None
        for line in self.process.stderr:
            found = re.search(r"WebDriver BiDi listening on (ws://\S+)", line)
            if found:
                address = found.group(1)
                break
        if not address:
            raise RuntimeError("Firefox opened no WebDriver BiDi endpoint")
        # Firefox goes on writing to its error output: it is read, so that it never blocks.
        threading.Thread(target=lambda: [None for _ in self.process.stderr], daemon=True).start()
        import websockets  # Debian's python3-websockets
        self.loop = asyncio.new_event_loop()
        asyncio.set_event_loop(self.loop)
        self.socket = self.loop.run_until_complete(websockets.connect(address.rstrip("/") + "/session", max_size=None, ping_interval=None))
        self.next_id = 0
        self.send("session.new", {"capabilities": {}})
        self.context = self.send("browsingContext.getTree", {})["contexts"][0]["context"]
        self.send("script.addPreloadScript", {"functionDeclaration": "() => { %s }" % KEEP_REFUSALS})
        self.viewport(640, 480)

    def send(self, method, params):
        self.next_id += 1
        asked = self.next_id
        self.loop.run_until_complete(self.socket.send(json.dumps({"id": asked, "method": method, "params": params})))
        while True:
            answer = json.loads(self.loop.run_until_complete(self.socket.recv()))
            if answer.get("id") != asked:
                continue  # an event
            if answer.get("type") == "error":
                raise ScriptError("%s: %s %s" % (method, answer.get("error"), answer.get("message")))
            return answer["result"]

    def open(self, url):
        self.send("browsingContext.navigate", {"context": self.context, "url": url, "wait": "complete"})

    def reload(self):
        self.send("browsingContext.reload", {"context": self.context, "wait": "complete"})

    def _run(self, body, args):
        answer = self.send("script.callFunction", {
            "functionDeclaration": "async function () { %s }" % body, "awaitPromise": True,
            "arguments": [local_value(a) for a in args], "target": {"context": self.context},
            "resultOwnership": "none"})
        if answer.get("type") == "exception":
            raise ScriptError(answer["exceptionDetails"]["text"])
        return plain(answer["result"])

    def _keys(self, steps):
        actions = [{"type": "keyDown" if way == "down" else "keyUp", "value": key} for way, key in steps]
        self.send("input.performActions", {"context": self.context, "actions": [{"type": "key", "id": "keys", "actions": actions}]})

    def click_at(self, x, y, button=0):
        self.send("input.performActions", {"context": self.context, "actions": [{
            "type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"},
            "actions": [{"type": "pointerMove", "x": int(x), "y": int(y)},
                        {"type": "pointerDown", "button": button}, {"type": "pointerUp", "button": button}]}]})

    def _touch(self, x, y, seconds):
        self.send("input.performActions", {"context": self.context, "actions": [{
            "type": "pointer", "id": "finger", "parameters": {"pointerType": "touch"},
            "actions": [{"type": "pointerMove", "x": x, "y": y}, {"type": "pointerDown", "button": 0},
                        {"type": "pause", "duration": int(seconds * 1000)}, {"type": "pointerUp", "button": 0}]}]})

    def allow_clipboard(self):
        return True  # by its preferences, from the start

    def viewport(self, width, height, phone=False):
        self.send("browsingContext.setViewport", {"context": self.context, "viewport": {"width": width, "height": height}})

    def screenshot(self, path):
        import base64
        data = self.send("browsingContext.captureScreenshot", {"context": self.context})["data"]
        pathlib.Path(path).write_bytes(base64.b64decode(data))

    def quit(self):
        try:
            self.send("browser.close", {})
        except Exception:
            pass
        try:
            self.loop.run_until_complete(self.socket.close())
        finally:
            self.loop.close()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
        shutil.rmtree(self.profile, ignore_errors=True)


def local_value(value):
    if value is None:
        return {"type": "null"}
    if isinstance(value, bool):
        return {"type": "boolean", "value": value}
    if isinstance(value, (int, float)):
        return {"type": "number", "value": value}
    if isinstance(value, str):
        return {"type": "string", "value": value}
    if isinstance(value, (list, tuple)):
        return {"type": "array", "value": [local_value(v) for v in value]}
    return {"type": "object", "value": [[k, local_value(v)] for k, v in value.items()]}


def plain(remote):
    """A BiDi remote value as Python's."""
    kind, value = remote["type"], remote.get("value")
    if kind in ("undefined", "null"):
        return None
    if kind == "number" and isinstance(value, str):
        return {"NaN": float("nan"), "-0": 0, "Infinity": float("inf"), "-Infinity": float("-inf")}[value]
    if kind in ("array", "set"):
        return [plain(v) for v in value or []]
    if kind == "object" or kind == "map":
        return {(k if isinstance(k, str) else plain(k)): plain(v) for k, v in value or []}
    if kind in ("string", "number", "boolean"):
        return value
    return {"type": kind}


ENGINES = {engine.name: engine for engine in (Chromium, Firefox, WebKit)}
