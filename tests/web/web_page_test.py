#!/usr/bin/env python3
"""A game's page, played in headless Chromium as a player would play it.

Usage: web_page_test.py GAME WEB_DIR GAMES_DIR SHOTS_DIR
  GAME       pelbrix, quenmark, tiltwell or vexilo
  WEB_DIR    the pages (build/web), served here on 127.0.0.1
  GAMES_DIR  the desktop build's game folders, whose title pictures the page must show
  SHOTS_DIR  where the screenshots go, and where the native tests left theirs: a title screen
             made of several pictures is compared with the native build's own screenshot of it

The page is served, loaded with a profile of its own, and must show its title picture; the key
that starts play must bring the play screen; sound waits for that first key; the file the game
writes must be back after a reload; and the console must show no error all along. It prints
the load time and the frame rate the page keeps. Exit code 77 when the page was not built.
"""
import functools
import http.server
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time

from chromium_page import ChromiumPage

# What each page must show and do. title: the title screen as the native build shows it, a
# picture of the game's folder ('game:') or a screenshot of the native tests ('shot:');
# title_limit: how far (RMSE of the thumbnails, 0..1) the page's title may be from it; page: the
# size of the page's visible area, for a game that covers it; start: the key that starts play;
# written: the file the game writes in its folder, and the key that makes it write the file when
# it is not written at start-up; box: a key pressed again and again in play until the game shows
# a message box, and the box's caption, in Japanese.
GAMES = {
    'pelbrix': dict(title='shot:pelbrix-headless-title.png', title_limit=0.05, start='Enter',
                    written='Pelbrix.ini', write_key='Escape'),
    'quenmark': dict(title='shot:quenmark-title.png', title_limit=0.05, page=(640, 360),
                     start='z', written=None),
    'tiltwell': dict(title='game:img/title.png', title_limit=0.05, start='Enter',
                     written='Twell.ini', play_title='~'),
    'vexilo': dict(title='game:image/Titleback.bmp', title_limit=0.05, start='Enter',
                   written='key.ini', box=('i', 'おわり')),
}

failures = []


def check(condition, what):
    print(('ok: ' if condition else 'FAILED: ') + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


def difference(shot, picture, scratch):
    """RMSE (0..1) between two pictures brought to one small size, so that a stretched or
    filtered copy of a picture still counts as the picture."""
    small = []
    for i, path in enumerate((shot, picture)):
        out = os.path.join(scratch, 'thumb%d.png' % i)
        subprocess.run(['convert', path + ('[0]' if path.endswith('.dds') else ''), '-alpha', 'off',
                        '-resize', '64x48!', out], check=True)
        small.append(out)
    result = subprocess.run(['compare', '-metric', 'RMSE', small[0], small[1], 'null:'],
                            capture_output=True, text=True)
    found = re.search(r'\(([0-9.e-]+)\)', result.stderr)
    return float(found.group(1)) if found else 1.0


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.js': 'text/javascript'}

    def log_message(self, *args):
        pass


def serve(folder):
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


CANVAS_RECT = ('(() => { const r = Module.canvas.getBoundingClientRect();'
               ' return [r.left, r.top, r.width, r.height]; })()')
RUNNING = "typeof Module !== 'undefined' && Module.calledRun === true && Module.canvas.width > 0"
AUDIO_STATE = "(Module.SDL2 && Module.SDL2.audioContext) ? Module.SDL2.audioContext.state : 'none'"
# The browser's frames, counted from here on; the game's are counted by the page itself
# (Module.framesShown).
COUNT_BROWSER_FRAMES = '''(() => {
  window.browserFrames = 0;
  const tick = () => { ++window.browserFrames; requestAnimationFrame(tick); };
  requestAnimationFrame(tick);
  return [Module.framesShown || 0, performance.now()]; })()'''
FRAMES_SINCE = '[Module.framesShown || 0, window.browserFrames, performance.now()]'


def restored_count(page, since):
    for level, text in page.console[since:]:
        found = re.match(r'games: (\d+) stored files restored', text)
        if found:
            return int(found.group(1))
    return None


def main():
    if len(sys.argv) != 5 or sys.argv[1] not in GAMES:
        print(__doc__)
        return 2
    name, web_dir, games_dir, shots = sys.argv[1:]
    game = GAMES[name]
    if not os.path.isfile(os.path.join(web_dir, name, 'index.html')):
        print('no page: build it with scripts/web %s' % name)
        return 77
    chromium = shutil.which('chromium')
    if not chromium:
        print('no chromium: scripts/web-setup installs it')
        return 77
    os.makedirs(shots, exist_ok=True)
    scratch = tempfile.mkdtemp(prefix='web-test-')
    server = serve(web_dir)
    url = 'http://127.0.0.1:%d/%s/index.html' % (server.server_address[1], name)
    # Browsers keep a page silent until the player has pressed a key or clicked; a headless
    # browser would not, unless told so.
    page = ChromiumPage(chromium, os.path.join(scratch, 'profile'), 1024, 768,
                        ['--autoplay-policy=document-user-activation-required'])
    try:
        play(page, name, game, url, games_dir, shots, scratch)
    finally:
        page.close()
        server.shutdown()
        shutil.rmtree(scratch, ignore_errors=True)
    errors = [text for level, text in page.console if level == 'error']
    for text in errors:
        print('console error: ' + text)
    check(not errors, 'the console shows no error')
    if failures:
        print('%d checks failed' % len(failures))
        return 1
    return 0


def play(page, name, game, url, games_dir, shots, scratch):
    if 'page' in game:
        page.call('Emulation.setDeviceMetricsOverride', session=True, width=game['page'][0],
                  height=game['page'][1], deviceScaleFactor=1, mobile=False)
    started = time.monotonic()
    page.open(url)
    if not check(page.wait_for(RUNNING, 60), 'the game starts'):
        return
    print('figure: load time %.1f s' % (time.monotonic() - started))
    rect = page.evaluate(CANVAS_RECT)
    print('canvas at %d,%d size %dx%d' % tuple(rect))

    # The title: wait until the page shows its picture.
    title_shot = os.path.join(shots, 'web-%s-title.png' % name)
    source, picture = game['title'].split(':')
    picture = os.path.join(games_dir, name, picture) if source == 'game' else os.path.join(shots, picture)
    if not check(os.path.isfile(picture), 'the native title is there to compare: ' + picture):
        return
    deadline = time.monotonic() + 30
    while True:
        page.screenshot(title_shot, rect)
        off = difference(title_shot, picture, scratch)
        if off <= game['title_limit'] or time.monotonic() > deadline:
            break
        time.sleep(0.5)
    check(off <= game['title_limit'],
          'the title shows %s (difference %.3f, limit %.2f)' % (game['title'], off, game['title_limit']))
    audio_before = page.evaluate(AUDIO_STATE)

    # Play: the start key leaves the title.
    page.press(game['start'])
    time.sleep(3)
    play_shot = os.path.join(shots, 'web-%s-play.png' % name)
    page.screenshot(play_shot, rect)
    away = difference(play_shot, title_shot, scratch)
    check(away > 0.05, 'the start key leaves the title for play (difference %.3f)' % away)
    if 'play_title' in game:
        title = page.evaluate('document.title') or ''
        check(game['play_title'] in title, 'the page title names the stage: %s' % title)
    audio_after = page.evaluate(AUDIO_STATE)
    print('sound: %s before the first key, %s after it' % (audio_before, audio_after))
    if audio_after != 'none':
        check(audio_before != 'running' and audio_after == 'running',
              'sound starts with the first key')

    # The frame rate the page keeps in play.
    shown_before, began = page.evaluate(COUNT_BROWSER_FRAMES)
    time.sleep(5)
    shown_after, browser_frames, ended = page.evaluate(FRAMES_SINCE)
    seconds = (ended - began) / 1000
    print('figure: %.1f game frames a second, %.1f browser frames a second'
          % ((shown_after - shown_before) / seconds, browser_frames / seconds))
    check(shown_after > shown_before, 'the game keeps drawing in play')

    # A message box is the browser's dialog, and the game waits for its answer.
    if 'box' in game:
        key, caption = game['box']
        for _ in range(20):
            if page.dialogs:
                break
            page.press(key)
            time.sleep(2.5)
        check(bool(page.dialogs), 'a message box comes up')
        if page.dialogs:
            print('the box says: ' + page.dialogs[0].replace('\n', ' / '))
            check(caption in page.dialogs[0], 'the box is captioned "%s"' % caption)
            page.answer_dialog()
            time.sleep(1)
            after_shot = os.path.join(shots, 'web-%s-after-box.png' % name)
            page.screenshot(after_shot, rect)
            back = difference(after_shot, title_shot, scratch)
            check(back <= game['title_limit'], 'the game goes on after the box (difference %.3f)' % back)

    # The written file is kept across a reload.
    written = game['written']
    if written is None:
        return
    if 'write_key' in game:
        page.press(game['write_key'])
    stored = "FS.analyzePath('/persist/%s/%s').exists" % (name, written)
    check(page.wait_for(stored, 10), 'the page keeps %s in the browser\'s storage' % written)
    time.sleep(1)  # the storage is written in the background
    before = page.evaluate("FS.readFile('/%s/%s', {encoding: 'utf8'})" % (name, written))
    since = len(page.console)
    page.reload()
    deadline = time.monotonic() + 60
    while restored_count(page, since) is None and time.monotonic() < deadline:
        time.sleep(0.25)
    count = restored_count(page, since)
    check(page.wait_for(RUNNING, 60), 'the game starts again after a reload')
    check(count is not None and count >= 1, 'the reloaded page restores stored files (%s)' % count)
    after = page.evaluate("FS.readFile('/%s/%s', {encoding: 'utf8'})" % (name, written))
    check(after is not None and after == before, '%s is the same after the reload' % written)


if __name__ == '__main__':
    sys.exit(main())
