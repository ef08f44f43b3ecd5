"""A page in headless Chromium, driven through the DevTools protocol over a pipe.

Chromium reads the protocol's messages from its descriptor 3 and writes its own to descriptor 4
(--remote-debugging-pipe), each message JSON ended by a NUL byte: no port, no WebSocket library.
"""
import base64
import fcntl
import json
import os
import subprocess
import threading
import time


class ProtocolError(Exception):
    pass


class ChromiumPage:
    """One browser with one tab. Console lines, uncaught exceptions and the browser's own error
    reports (a file that failed to load, say) are gathered in `console` as (level, text)."""

    def __init__(self, chromium, profile_dir, width, height, extra_args=()):
        to_browser_read, to_browser_write = os.pipe()
        from_browser_read, from_browser_write = os.pipe()
        # The child's descriptors 3 and 4 must be these pipes; copies above 10 keep either dup2
        # from overwriting the other's source.
        child_in = fcntl.fcntl(to_browser_read, fcntl.F_DUPFD_CLOEXEC, 10)
        child_out = fcntl.fcntl(from_browser_write, fcntl.F_DUPFD_CLOEXEC, 10)
        os.close(to_browser_read)
        os.close(from_browser_write)

        def place_pipes():
            os.dup2(child_in, 3)
            os.dup2(child_out, 4)

        self.process = subprocess.Popen(
            [chromium, '--headless=new', '--no-sandbox', '--remote-debugging-pipe',
             '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
             '--user-data-dir=' + profile_dir, '--window-size=%d,%d' % (width, height),
             '--no-first-run', '--no-default-browser-check', '--disable-extensions',
             '--mute-audio', *extra_args, 'about:blank'],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=place_pipes, close_fds=False)
        os.close(child_in)
        os.close(child_out)
        self._out = os.fdopen(to_browser_write, 'wb', buffering=0)
        self._in = os.fdopen(from_browser_read, 'rb', buffering=0)
        self._next_id = 0
        self._replies = {}
        self._replied = threading.Condition()
        self.console = []
        self.dialogs = []  # the texts of the page's alert and confirm dialogs, in order
        self._reader = threading.Thread(target=self._read_messages, daemon=True)
        self._reader.start()

        target = self.call('Target.createTarget', url='about:blank')['targetId']
        self.session = self.call('Target.attachToTarget', targetId=target, flatten=True)['sessionId']
        for domain in ('Page', 'Runtime', 'Log'):
            self.call(domain + '.enable', session=True)

    def close(self):
        try:
            self.call('Browser.close', timeout=5)
        except Exception:
            pass
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()

    # ---- the protocol ----------------------------------------------------------------------------

    def _read_messages(self):
        buffer = b''
        while True:
            chunk = self._in.read(65536)
            if not chunk:
                break
            buffer += chunk
            while b'\0' in buffer:
                raw, buffer = buffer.split(b'\0', 1)
                message = json.loads(raw)
                if 'id' in message:
                    with self._replied:
                        self._replies[message['id']] = message
                        self._replied.notify_all()
                else:
                    self._note_event(message)
        with self._replied:
            self._replied.notify_all()

    def _note_event(self, message):
        method, params = message.get('method'), message.get('params', {})
        if method == 'Runtime.consoleAPICalled':
            text = ' '.join(str(a.get('value', a.get('description', ''))) for a in params.get('args', []))
            self.console.append((params.get('type', 'log'), text))
        elif method == 'Runtime.exceptionThrown':
            details = params.get('exceptionDetails', {})
            text = details.get('exception', {}).get('description') or details.get('text', '')
            self.console.append(('error', 'uncaught: ' + text))
        elif method == 'Page.javascriptDialogOpening':
            self.dialogs.append(params.get('message', ''))
        elif method == 'Log.entryAdded':
            entry = params.get('entry', {})
            self.console.append((entry.get('level', 'info'), entry.get('text', '') + ' ' + entry.get('url', '')))

    def call(self, method, session=False, timeout=60, **params):
        self._next_id += 1
        request = {'id': self._next_id, 'method': method, 'params': params}
        if session:
            request['sessionId'] = self.session
        self._out.write(json.dumps(request).encode() + b'\0')
        deadline = time.monotonic() + timeout
        with self._replied:
            while self._next_id not in self._replies:
                left = deadline - time.monotonic()
                if left <= 0 or not self._reader.is_alive():
                    raise ProtocolError('%s: no reply' % method)
                self._replied.wait(left)
            reply = self._replies.pop(self._next_id)
        if 'error' in reply:
            raise ProtocolError('%s: %s' % (method, reply['error'].get('message')))
        return reply.get('result', {})

    # ---- what a test does with the page ----------------------------------------------------------

    def open(self, url):
        self.call('Page.navigate', session=True, url=url)

    def reload(self):
        self.call('Page.reload', session=True, ignoreCache=True)

    def answer_dialog(self, accept=True):
        """Answers the open dialog: OK (or Yes), or Cancel (No). While a dialog is open the page's
        scripts wait, so evaluate() would too."""
        self.call('Page.handleJavaScriptDialog', session=True, accept=accept)

    def evaluate(self, expression):
        """The value of a JavaScript expression (promises awaited); None when it throws or
        when the page goes away meanwhile (it is being reloaded, say)."""
        try:
            result = self.call('Runtime.evaluate', session=True, expression=expression,
                               returnByValue=True, awaitPromise=True)
        except ProtocolError:
            return None
        if 'exceptionDetails' in result:
            return None
        return result.get('result', {}).get('value')

    def wait_for(self, expression, timeout):
        """Polls an expression until it is true; its last value."""
        deadline = time.monotonic() + timeout
        while True:
            value = self.evaluate(expression)
            if value or time.monotonic() > deadline:
                return value
            time.sleep(0.25)

    def screenshot(self, path, clip=None):
        """A PNG of the page, or of the rectangle clip = (x, y, width, height) in it."""
        params = {'format': 'png'}
        if clip:
            params['clip'] = {'x': clip[0], 'y': clip[1], 'width': clip[2], 'height': clip[3], 'scale': 1}
        data = self.call('Page.captureScreenshot', session=True, **params)['data']
        with open(path, 'wb') as f:
            f.write(base64.b64decode(data))

    # Keys as a keyboard sends them: the DOM's key and code, and the Windows key code that
    # the page's keyCode reports.
    KEYS = {
        'Enter': ('Enter', 'Enter', 13, '\r'),
        'Escape': ('Escape', 'Escape', 27, ''),
        'z': ('z', 'KeyZ', 90, 'z'),
        'i': ('i', 'KeyI', 73, 'i'),
        'ArrowRight': ('ArrowRight', 'ArrowRight', 39, ''),
    }

    def press(self, name, hold=0.2):
        """Presses and lets go of a key; the games read the keyboard once a frame, so it is held."""
        key, code, keycode, text = self.KEYS[name]
        common = {'key': key, 'code': code, 'windowsVirtualKeyCode': keycode,
                  'nativeVirtualKeyCode': keycode}
        self.call('Input.dispatchKeyEvent', session=True, type='keyDown', text=text, **common)
        time.sleep(hold)
        self.call('Input.dispatchKeyEvent', session=True, type='keyUp', **common)
