#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Morvane
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the game by keys under the screen reader Orca and checks what reached the synthesizer.

Everything runs in a temporary folder of the test's own: an X server (Xvfb), a D-Bus session
bus, the AT-SPI bus, speech-dispatcher whose only output module writes each utterance it is
given to a file (one a line) and then synthesizes it with espeak-ng into nothing, Orca with its
settings in the test's HOME, and the game. Keys go through XTEST (xdotool), so Orca meets them
as a player's keys. After each step the test waits until speech settles and prints what arrived;
the checks fail where an action's outcome was not spoken, or where punctuation or suit symbols
reached the synthesizer as words. The last line is "N passed, M failed".

usage: orca_test.py BUILD_DIR        (KARTAVO_ORCA_KEEP=1 keeps the folder, with Orca's log)
"""

import ctypes
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
GAME = os.path.join(BUILD, "bin", "kartavo")

SUIT = r"(?:kőr|káró|treff|pikk)"
RANK = r"(?:ász|király|dáma|bubi|tízes|kilences|nyolcas|hetes|hatos|ötös|négyes|hármas|kettes)"
CARD = re.compile(SUIT + r"\s+" + RANK, re.IGNORECASE)
HAND = r"\b(?:semmi|egy pár|két pár|drill|sor|színflöss|full|póker|flöss|royal flöss)\b"
# Suit symbols as speech-dispatcher names them: ♠ and ♥ from its Hungarian emoji list, ♣ and ♦
# from its base symbol list, in English.
SUIT_SYMBOL = (r"(?:pikk|kőr|káró|treff) szín|(?:black|white) (?:club|diamond|spade|heart)"
               r"|[♠♥♦♣♤♡♢♧]")


class Fail(Exception):
    pass


class Harness:
    """The processes of the test, started in order and stopped in reverse, by their ids."""

    def __init__(self):
        self.tmp = tempfile.mkdtemp(prefix="kartavo-orca.")
        self.procs = []  # (name, Popen, signal to stop it with)
        self.env = {}
        self.spoken = os.path.join(self.tmp, "spoken.txt")
        open(self.spoken, "w").close()
        # Whatever a started program leaves running when it exits becomes this process's child,
        # so that the cleanup finds it by its id.
        try:
            ctypes.CDLL(None, use_errno=True).prctl(36, 1, 0, 0, 0)  # PR_SET_CHILD_SUBREAPER
        except (OSError, AttributeError):
            pass

    def path(self, *parts):
        return os.path.join(self.tmp, *parts)

    def start(self, name, argv, stop=signal.SIGTERM, **kw):
        log = open(self.path(name + ".log"), "w")
        p = subprocess.Popen(argv, env=self.env, stdout=kw.pop("stdout", log), stderr=log,
                             stdin=subprocess.DEVNULL, cwd=self.tmp, **kw)
        self.procs.append((name, p, stop))
        return p

    @staticmethod
    def _end(p, sig):
        if p.poll() is not None:
            return
        try:
            p.send_signal(sig)
            p.wait(timeout=5)
        except subprocess.TimeoutExpired:
            p.kill()
            p.wait()
        except ProcessLookupError:
            pass

    def _descendants(self):
        """The ids of this process's descendants, from /proc."""
        parents = {}
        for entry in os.listdir("/proc"):
            if entry.isdigit():
                try:
                    with open("/proc/%s/stat" % entry) as f:
                        stat = f.read()
                    parents.setdefault(int(stat[stat.rindex(")") + 2:].split()[1]),
                                       []).append(int(entry))
                except (OSError, ValueError, IndexError):
                    pass
        found, todo = [], [os.getpid()]
        while todo:
            for child in parents.get(todo.pop(), []):
                found.append(child)
                todo.append(child)
        return found

    def cleanup(self):
        for name, p, sig in reversed(self.procs):
            self._end(p, sig)
        self.procs = []
        for pid in self._descendants():
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        for pid in self._descendants():
            try:
                os.waitpid(pid, 0)
            except ChildProcessError:
                pass
        if os.environ.get("KARTAVO_ORCA_KEEP"):
            print("kept:", self.tmp)
        else:
            shutil.rmtree(self.tmp, ignore_errors=True)

    # The environment.

    def start_display(self):
        r, w = os.pipe()
        self.env = {"PATH": "/usr/bin:/bin", "HOME": self.path("home"),
                    "XDG_CONFIG_HOME": self.path("home", ".config"),
                    "XDG_DATA_HOME": self.path("home", ".local", "share"),
                    "XDG_CACHE_HOME": self.path("home", ".cache"),
                    "XDG_RUNTIME_DIR": self.path("runtime"), "TMPDIR": self.tmp,
                    "LANG": "hu_HU.UTF-8", "LANGUAGE": "hu"}
        locales = os.path.join(BUILD, "packaging", "locale")
        if os.path.isdir(locales):  # the Hungarian locale compiled by the build
            self.env["LOCPATH"] = locales
        os.makedirs(self.path("home", ".config"))
        os.makedirs(self.path("home", ".local", "share"))
        os.mkdir(self.path("runtime"), 0o700)
        self.start("xvfb", ["Xvfb", "-displayfd", str(w), "-screen", "0", "1280x1024x24",
                            "-nolisten", "tcp", "-noreset"], pass_fds=(w,))
        os.close(w)
        number = b""
        deadline = time.time() + 30
        while not number.endswith(b"\n") and time.time() < deadline:
            chunk = os.read(r, 16)
            if not chunk:
                break
            number += chunk
        os.close(r)
        if not number.strip():
            raise Fail("Xvfb did not start: " + open(self.path("xvfb.log")).read())
        self.env["DISPLAY"] = ":" + number.decode().strip()

    def start_buses(self):
        bus = self.start("dbus", ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE)
        address = bus.stdout.readline().decode().strip()
        if not address:
            raise Fail("dbus-daemon gave no address")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        self.start("at-spi-bus", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        self.wait_for(lambda: self.dbus_call("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                             "org.freedesktop.DBus", "NameHasOwner",
                                             "(s)", ("org.a11y.Bus",)) == (True,),
                      10, "the AT-SPI bus launcher did not come up")
        # A desktop tells the AT-SPI bus that a screen reader runs; toolkits follow that flag.
        self.dbus_call("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                       "(ssv)", ("org.a11y.Status", "ScreenReaderEnabled", ("b", True)))

    def dbus_call(self, dest, path, iface, method, sig, args):
        from gi.repository import Gio, GLib
        if not hasattr(self, "_bus"):
            self._bus = Gio.DBusConnection.new_for_address_sync(
                self.env["DBUS_SESSION_BUS_ADDRESS"],
                Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
                | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
        if sig == "(ssv)":
            value = GLib.Variant("(ssv)", (args[0], args[1], GLib.Variant(*args[2])))
        else:
            value = GLib.Variant(sig, args)
        try:
            reply = self._bus.call_sync(dest, path, iface, method, value, None,
                                        Gio.DBusCallFlags.NONE, 5000, None)
        except GLib.Error:
            return None
        return reply.unpack() if reply else None

    def start_window_manager(self):
        # A desktop's window manager gives each new window the focus, as the player's has.
        self.start("openbox", ["openbox", "--sm-disable"])
        self.wait_for(lambda: subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                             env=self.env, capture_output=True,
                                             text=True).stdout.count("window id") > 0,
                      10, "openbox did not start")

    def start_speech(self):
        conf = self.path("speech-dispatcher")
        os.makedirs(os.path.join(conf, "modules"))
        with open(os.path.join(conf, "speechd.conf"), "w") as f:
            f.write('LogLevel 3\nLogDir "%s"\nDefaultVolume 100\n' % self.tmp)
            # Debian's own preprocessing of symbols, as every user has it.
            f.write('SymbolsPreproc "char"\n')
            for dic in ("gender-neutral", "font-variants", "symbols", "emojis", "orca",
                        "orca-chars"):
                f.write('SymbolsPreprocFile "%s.dic"\n' % dic)
            # The generic module wants an audio device even if it never plays: ALSA's null one.
            f.write('AudioOutputMethod "alsa"\nAudioALSADevice "null"\n')
            f.write('AddModule "recorder" "sd_generic" "recorder.conf"\n'
                    'DefaultModule recorder\nDefaultLanguage "hu"\n')
        with open(os.path.join(conf, "modules", "recorder.conf"), "w") as f:
            # Each utterance as one line of the file, then synthesized for real; the text is
            # never split into chunks (a delimiter that no text here holds).
            f.write("GenericExecuteSynth \"printf '%%s' \\'$DATA\\' | tr '\\\\n' ' ' >> %s; "
                    "echo >> %s; printf %%s \\'$DATA\\' | espeak-ng -v $VOICE --stdin --stdout"
                    " > /dev/null\"\n" % (self.spoken, self.spoken))
            f.write('GenericMaxChunkLength 100000\nGenericDelimiters "^"\n'
                    'GenericLanguage "hu" "hu" "utf-8"\nGenericLanguage "en" "en" "utf-8"\n'
                    'AddVoice "hu" "MALE1" "hu"\nAddVoice "en" "MALE1" "en"\n')
        socket = self.path("speechd.sock")
        self.start("speech-dispatcher", ["speech-dispatcher", "-s", "-t", "0", "-C", conf,
                                         "-S", socket, "-P", self.path("speechd.pid"),
                                         "-L", self.tmp, "-c", "unix_socket"])
        self.env["SPEECHD_ADDRESS"] = "unix_socket:" + socket
        self.wait_for(lambda: os.path.exists(socket), 10, "speech-dispatcher did not start")

    def start_orca(self):
        prefs = self.path("home", ".local", "share", "orca")
        shims = self.path("bin")
        if not os.path.isdir(prefs):
            os.makedirs(prefs)
            # Speech on through speech-dispatcher, everything else as Orca comes: a settings
            # file there already, so that Orca takes it for no first start.
            general = {"enableSpeech": True, "speechServerFactory": "speechdispatcherfactory",
                       "speechServerInfo": None, "startingProfile": ["Default", "default"]}
            with open(os.path.join(prefs, "user-settings.conf"), "w") as f:
                json.dump({"general": general, "pronunciations": {}, "keybindings": {},
                           "profiles": {"default": {"profile": ["Default", "default"]}}}, f)
            # Orca starts only when no other Orca of the same user runs on the machine, and asks
            # pgrep. Here it is asked within Orca's own session, so that runs side by side
            # (other checkouts' tests) do not stop each other.
            os.mkdir(shims)
            with open(os.path.join(shims, "pgrep"), "w") as f:
                f.write('#!/bin/sh\nexec /usr/bin/pgrep -s 0 "$@"\n')
            os.chmod(os.path.join(shims, "pgrep"), 0o755)
        position = self.mark()
        saved = self.env
        self.env = dict(saved, PATH=shims + ":" + saved["PATH"])
        try:
            self.start("orca", ["orca", "-u", prefs, "--debug-file", self.path("orca-debug.out")],
                       stop=signal.SIGKILL,  # an idle Orca lets SIGTERM wait
                       start_new_session=True)
        finally:
            self.env = saved
        # Orca says that it is on once speech works.
        self.wait_for(lambda: self.mark() > position, 30, "Orca spoke nothing")

    def restart_orca(self):
        """Ends Orca and starts it again while the game runs: Orca's key listener registers
        anew, after the game's own."""
        for i, (name, p, sig) in enumerate(self.procs):
            if name == "orca":
                self._end(p, sig)
                del self.procs[i]
                break
        self.start_orca()

    def start_game(self):
        env = dict(self.env, QT_QPA_PLATFORM="xcb", SDL_AUDIODRIVER="dummy")
        saved, self.env = self.env, env
        try:
            self.start("kartavo", [GAME])
        finally:
            self.env = saved

    @staticmethod
    def wait_for(condition, seconds, message):
        deadline = time.time() + seconds
        while time.time() < deadline:
            if condition():
                return
            time.sleep(0.1)
        raise Fail(message)

    # Keys and speech.

    def key(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "80"] + list(keys), env=self.env,
                       check=True)

    def key_held(self, modifier, key):
        """MODIFIER held as a person holds it: down, a moment, KEY pressed and released, a
        moment, up."""
        run = lambda *a: subprocess.run(["xdotool"] + list(a), env=self.env, check=True)
        run("keydown", modifier)
        time.sleep(0.15)
        run("key", "--delay", "80", key)
        time.sleep(0.1)
        run("keyup", modifier)

    def mark(self):
        return os.path.getsize(self.spoken)

    def heard_since(self, position):
        with open(self.spoken, "rb") as f:
            f.seek(position)
            text = f.read().decode("utf-8", "replace")
        return [line.strip() for line in text.splitlines() if line.strip()]

    def settle(self, position, quiet=1.5, at_least=1.0, at_most=20):
        """Waits until neither speech nor Orca's log has grown for QUIET seconds (Orca can lag
        behind a burst of the game's events by a second or more), and returns what was spoken
        since POSITION."""
        log = self.path("orca-debug.out")
        sizes = lambda: (self.mark(), os.path.getsize(log) if os.path.exists(log) else 0)
        start = time.time()
        last, last_change = sizes(), start
        while time.time() - start < at_most:
            time.sleep(0.1)
            now, current = time.time(), sizes()
            if current != last:
                last, last_change = current, now
            elif now - start >= at_least and now - last_change >= quiet:
                break
        return self.heard_since(position)


class Screen:
    """The game as AT-SPI shows it to any client: its windows and the table's controls."""

    def __init__(self, env):
        for name in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR"):
            os.environ[name] = env[name]
        import pyatspi  # reads the buses from the environment when imported
        self.atspi = pyatspi

    def app(self):
        desktop = self.atspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            a = desktop.getChildAtIndex(i)
            if a is not None and a.name == "Kartavo":
                a.clearCache()
                return a
        return None

    def windows(self):
        """(role, name, texts of its controls) of each window showing."""
        app, found = self.app(), []
        for i in range(app.childCount if app else 0):
            w = app.getChildAtIndex(i)
            if w is not None and w.getState().contains(self.atspi.STATE_SHOWING):
                found.append((w.getRoleName(), w.name, [n for _, n, _, _ in self.tree(w)]))
        return found

    def tree(self, root):
        """(role, name, description, sensitive) of ROOT and everything below it."""
        out, todo = [], [root]
        while todo:
            o = todo.pop()
            try:
                out.append((o.getRoleName(), o.name, o.description,
                            o.getState().contains(self.atspi.STATE_SENSITIVE)))
                todo.extend(o.getChildAtIndex(i) for i in range(o.childCount))
            except Exception:  # an object gone while read
                continue
        return out

    def table(self):
        """The table's controls, their names, descriptions and whether they can be pressed."""
        app = self.app()
        for i in range(app.childCount if app else 0):
            w = app.getChildAtIndex(i)
            if w is not None and any(n == "Csere" for _, n, _, _ in self.tree(w)):
                return self.tree(w)
        return []

    def card_name(self, number):
        for _, name, _, _ in self.table():
            if name and name.startswith("%d. lap, " % number):
                return name.split(", ", 1)[1]
        return ""

    def balance(self):
        for _, name, _, _ in self.table():
            m = re.match(r"Összeg (mínusz )?(\d+)", name or "")
            if m:
                return -int(m.group(2)) if m.group(1) else int(m.group(2))
        return None

    def listen(self):
        """Registers listeners as another assistive program does (the toolkit's bridge then
        learns of new listeners), and reads the whole tree."""
        self._listener = lambda event: None
        self.atspi.Registry.registerEventListener(self._listener, "object:state-changed:focused",
                                                  "window:activate")
        app = self.app()
        if app:
            self.tree(app)

    def window_with(self, text):
        return next((w for w in self.windows() if any(text in (n or "") for n in w[2])), None)


class Game:
    """Steps of keys, what Orca spoke after each, and the checks on it."""

    def __init__(self, harness, screen):
        self.h, self.screen = harness, screen
        self.results = []  # (check, passed, detail)
        self.log = []  # (step, utterances), for the checks on all that was spoken

    def step(self, title, *keys, quiet=1.5, orca_own=False, held=None):
        position = self.h.mark()
        if held:
            self.h.key_held(*held)
            keys = ("%s held, %s" % held,)
        elif keys:
            self.h.key(*keys)
        heard = self.h.settle(position, quiet=quiet)
        print("--- %s [%s]" % (title, " ".join(keys)))
        for line in heard:
            print("    » " + line)
        if not orca_own:
            self.log.append((title, heard))
        return heard

    def check(self, name, passed, detail=""):
        self.results.append((name, bool(passed), detail))
        print("    %s %s%s" % ("PASS" if passed else "FAIL", name,
                               (": " + detail) if detail and not passed else ""))
        return passed

    @staticmethod
    def said(heard, pattern):
        return [u for u in heard if re.search(pattern, u, re.IGNORECASE)]

    def check_cards(self, name, heard):
        """The five cards on the table now, each by its name."""
        cards = [self.screen.card_name(n) for n in range(1, 6)]
        said = " ".join(heard)
        missing = [c for c in cards if not c or c.split(",")[0] not in said]
        self.check(name + ": the five cards are spoken", not missing,
                   "not heard: %s" % ", ".join(c or "?" for c in missing))

    def check_balance(self, name, heard):
        """The balance on the table now, with the word "összeg"."""
        balance = self.screen.balance()
        if balance is not None and balance < 0:
            balance = "mínusz %d" % -balance
        pattern = r"összeg\W*(?:kettőspont\W*)?%s\s*Ft" % balance
        self.check(name + ": the balance is spoken", self.said(heard, pattern),
                   "\"összeg %s Ft\" not heard" % balance)

    def deal(self, title, *keys):
        heard = self.step(title, *keys)
        self.check_cards(title, heard)
        self.check_balance(title, heard)
        return heard

    def exchange(self, title, *keys):
        heard = self.step(title, *keys)
        self.check(title + ": the result is spoken", self.said(heard, HAND),
                   "no hand's name heard")
        self.check_balance(title, heard)
        return heard

    def card_words(self, number):
        name = self.screen.card_name(number)
        m = CARD.search(name)
        return re.escape(m.group(0)) if m else "%d\\. lap" % number

    # The scripted game.

    def play(self):
        self.wait_for_table()
        self.deal("deal by Enter", "Return")

        card = self.card_words(1)
        heard = self.step("mark the first card", "1")
        marked = [u for u in self.said(heard, card) if re.search(r"jelöl", u, re.IGNORECASE)]
        self.check("mark: the first card is spoken as marked", marked,
                   "nothing heard names %s with its mark" % card.replace("\\", ""))
        heard = self.step("unmark the first card", "1")
        unmarked = [u for u in self.said(heard, card) if not re.search(r"cserére jelölve", u)]
        self.check("unmark: the first card is spoken unmarked", unmarked,
                   "nothing heard names %s without its mark" % card.replace("\\", ""))

        self.exchange("exchange by Enter", "Return")
        self.deal("deal by Alt+K", "alt+k")
        self.deal("another deal by Alt+K", "alt+k")
        heard = self.step("Tipp at once", "t")
        self.check("Tipp: the tip is spoken", self.said(heard, r"tipp|tartsd meg|cseréld"),
                   "no tip heard")
        self.exchange("exchange as the tip says", "Return")

        self.analysis()
        self.practice()
        self.analysis_before_exchange()
        self.round_the_table()
        self.warning()
        self.orca_keys("after the trainer's windows")
        self.screen.listen()
        self.orca_keys("after another client's listeners")
        self.h.restart_orca()
        self.orca_keys("with Orca restarted")
        self.out_of_money()
        self.check_noise()

    def wait_for_table(self):
        position = self.h.mark()
        self.h.wait_for(lambda: self.screen.window_with("Csere"), 60, "no table appeared")
        heard = self.h.settle(position)
        print("--- the table opens")
        for line in heard:
            print("    » " + line)
        self.log.append(("the table opens", heard))
        self.check("start: the table is spoken", self.said(heard, r"Keverés|Kartavo"),
                   "nothing heard of the table")

    def analysis(self):
        heard = self.step("the analysis window by E", "e")
        self.check("E: the analysis window is spoken", self.said(heard, r"Elemzés"),
                   "\"Elemzés\" not heard")
        verdicts = self.said(heard, r"a te cseréd")
        self.check("E after an exchange: the verdict is spoken with the window, once",
                   len(verdicts) == 1, "%d verdicts heard" % len(verdicts))
        for i in range(2):
            self.step("Tab in the analysis window", "Tab")
        heard = self.step("back to the table by Alt+Tab", "alt+Tab")
        heard = self.step("the analysis window again by E", "e")
        verdicts = self.said(heard, r"a te cseréd")
        self.check("E again: the verdict is spoken as the window comes to the front, once",
                   len(verdicts) == 1, "%d verdicts heard" % len(verdicts))
        heard = self.step("Escape in the analysis window", "Escape")
        still = self.screen.window_with("A csere értékelése")
        self.check("Escape closes the analysis window", not still, "the window stays open")
        if still:  # back to the table, as a player would, by the window manager's key
            self.step("close the analysis window by Alt+F4", "alt+F4")

    def practice(self):
        heard = self.step("the practice window by G", "g")
        self.check("G: the practice window is spoken", self.said(heard, r"Gyakorlás"),
                   "\"Gyakorlás\" not heard")
        heard = self.step("mark the first practice card", "1")
        self.check("Gyakorlás: the marked card is spoken", self.said(heard, r"cserére jelölve"),
                   "the mark not heard")
        heard = self.step("check the hold by Enter", "Return")
        self.check("Gyakorlás: the verdict is spoken",
                   self.said(heard, r"legjobb csere") and self.said(heard, r"táblázat"),
                   "no verdict heard")
        heard = self.step("the next practice hand by Enter", "Return")
        self.check("Gyakorlás: the next hand is spoken", self.said(heard, r"Új leosztás"),
                   "the new hand not heard")
        # Another game by the chooser, which Alt+J reaches.
        heard = self.step("to the game chooser by Alt+J", "alt+j")
        self.check("Gyakorlás: the chooser is spoken with its game",
                   self.said(heard, r"Játék") and self.said(heard, r"Kartavo"),
                   "the chooser not heard")
        heard = self.step("the next game by Down", "Down")
        self.check("Gyakorlás: the game chosen is spoken", self.said(heard, r"Jacks or Better"),
                   "\"Jacks or Better\" not heard")
        self.step("mark the first card of a Jacks or Better hand", "1")
        heard = self.step("check it by Enter", "Return")
        self.check("Gyakorlás: the verdict is in credits", self.said(heard, r"kredit"),
                   "no credits heard")
        heard = self.step("its chart by Alt+T", "alt+t")
        self.check("Táblázat: the chart window is spoken", self.said(heard, r"Stratégia"),
                   "\"Stratégia\" not heard")
        self.step("Escape in the chart window", "Escape")
        self.step("to the game chooser again", "alt+j")
        self.step("back to Kartavo by Up", "Up")
        self.step("Escape in the practice window", "Escape")
        still = self.screen.window_with("Ellenőrzés")
        self.check("Escape closes the practice window", not still, "the window stays open")
        if still:
            self.step("close the practice window by Alt+F4", "alt+F4")

    def analysis_before_exchange(self):
        self.step("deal", "alt+k")
        heard = self.step("the analysis window by E before the exchange", "e")
        self.check("E before an exchange: the hand and its best hold are spoken",
                   self.said(heard, r"Osztás") and self.said(heard, r"a legjobb csere"),
                   "no hand with its best hold heard")
        self.step("Escape in the analysis window", "Escape")
        self.exchange("exchange by Enter", "Return")

    def round_the_table(self):
        silent, heard_all = 0, []
        for i in range(13):
            heard = self.step("Tab round the table", "Tab")
            heard_all += heard
            silent += not heard
        self.check("Tab: every stop is spoken", silent == 0, "%d Tabs spoke nothing" % silent)
        self.check_balance("Tab", heard_all)

    def warning(self):
        self.step("the table's menu by the Menu key", "Menu")
        heard = self.step("its last entry", "Up")
        self.check("menu: the warning's entry is spoken",
                   self.said(heard, r"Figyelmeztetés rossz cserénél"), "not heard")
        self.step("tick it", "Return")
        for attempt in range(3):
            self.deal("deal for a costly exchange", "alt+k")
            self.step("Tipp", "t")
            self.step("keep the first card the tip does not, or exchange one it keeps", "1")
            heard = self.step("exchange by Enter", "Return")
            if self.screen.window_with("Csere így is"):
                break
            print("    (an exchange as good as the best one: no warning; once more)")
        else:
            self.check("warning: the question opens", False, "no costly exchange found")
            return
        self.check("warning: the question is spoken",
                   self.said(heard, r"kevesebbet ér") and self.said(heard, r"Vissza"),
                   "the question with \"Vissza\" not heard")
        heard = self.step("answer Vissza by Escape", "Escape")
        self.check("warning: Vissza goes back to the table",
                   not self.screen.window_with("Csere így is")
                   and self.said(heard, r"Kartavo|Keverés|Csere|lap"), "the table not heard")
        self.step("exchange by Enter again", "Return")
        heard = self.step("to \"Csere így is\"", "shift+Tab")
        self.check("warning: \"Csere így is\" is spoken", self.said(heard, r"Csere így is"),
                   "not heard")
        self.exchange("answer \"Csere így is\" by Enter", "Return")
        # The rest plays without the question.
        self.step("the table's menu again", "Menu")
        self.step("its last entry", "Up")
        self.step("untick it", "Return")

    def orca_keys(self, when):
        # Each from a fresh deal, where the game's own keys T, Enter and + would all act.
        for title, keys, held in (
                ("Orca's time: Insert held, then T", (), ("Insert", "t")),
                ("Orca's time: Insert+T at once", ("Insert+t",), None),
                ("Orca's where am I: keypad Enter", ("KP_Enter",), None),
                ("Orca's say all: keypad +", ("KP_Add",), None)):
            title += " (%s)" % when
            self.step("deal before " + title, "alt+k")
            before = self.screen.table()
            heard = self.step(title, *keys, orca_own=True, held=held)
            after = self.screen.table()
            changed = [a for b, a in zip(before, after) if a != b] + \
                ([] if len(before) == len(after) else ["%d controls" % len(after)])
            if "time" in title:
                self.check(title + ": Orca tells the time",
                           self.said(heard, r"\d\s*(?:kettőspont|:)\s*\d"), "no time heard")
            self.check(title + ": the game is left alone", before and not changed,
                       "changed: %s" % changed[:3])
            self.back_to_table()

    def back_to_table(self):
        """Answers a question that a key let the game open, so that the script goes on."""
        for i in range(3):
            if not self.screen.window_with("Vissza"):
                return
            self.step("(back to the table)", "Escape", orca_own=True)

    def out_of_money(self):
        self.step("deal", "alt+k")
        heard = []
        for i in range(3):
            heard += self.step("raise the multiplier", "plus")
        self.check("+: the stake is spoken", self.said(heard, r"tét\W*(?:kettőspont\W*)?20 Ft"),
                   "\"Tét: 20 Ft\" not heard")
        for i in range(60):
            if self.screen.window_with("Igen"):
                break
            # Orca hears every key and stops what it says at the next: a pause long enough for
            # the deal to be said whole.
            heard = self.step("deal at x 10 (balance %s)" % self.screen.balance(), "alt+k")
        else:
            self.check("the restart question opens", False, "the money did not run out")
            return
        self.check("out of money: the question is spoken",
                   self.said(heard, r"Elfogyott a pénzed") and self.said(heard, r"Igen"),
                   "the question with \"Igen\" not heard")
        heard = self.step("answer Igen by Enter", "Return")
        self.check("restart: the fresh balance is spoken",
                   self.said(heard, r"összeg\W*(?:kettőspont\W*)?250 Ft"), "\"250 Ft\" not heard")

    def check_noise(self):
        """Punctuation read out as a word, or a suit symbol, in what the game gave Orca."""
        for word, pattern in (("kettőspont", r"kettőspont"), ("pontosvessző", r"pontosvessző"),
                              ("minusz", r"minusz"), ("zárójel", r"zárójel"),
                              ("a suit symbol", SUIT_SYMBOL)):
            where = ["%s: %s" % (step, u) for step, heard in self.log
                     for u in self.said(heard, pattern)]
            self.check("no %s reaches the synthesizer" % word, not where,
                       "%d times, first in \"%s\"" % (len(where), where[0]) if where else "")


def main():
    if not os.access(GAME, os.X_OK):
        print("no game at", GAME)
        return 2
    h = Harness()
    for sig in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(sig, lambda s, f: sys.exit(128 + s))
    game = None
    started = time.time()
    try:
        h.start_display()
        h.start_buses()
        h.start_window_manager()
        h.start_speech()
        h.start_orca()
        h.start_game()
        game = Game(h, Screen(h.env))
        game.play()
    except Fail as e:
        print("FAIL:", e)
        if game:
            game.results.append((str(e), False, ""))
        else:
            return 1
    finally:
        h.cleanup()
    failed = [name for name, passed, _ in game.results if not passed]
    print("\nFailed checks:" if failed else "", *failed, sep="\n  ")
    print("(%.0f s)" % (time.time() - started))
    print("%d passed, %d failed" % (len(game.results) - len(failed), len(failed)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
