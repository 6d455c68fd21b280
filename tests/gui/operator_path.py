#!/usr/bin/env python3
"""The program's real window, driven as an operator would through its accessibility
interface (AT-SPI).

chromix-scope runs on a virtual X display (Xvfb) with Qt's xcb platform, inside a
private D-Bus session with the accessibility bus, against chromix-sim on TCP loopback.
The script finds the controls by their accessible names (drop-down lists by their
labels), presses buttons, sets and reads values, and walks a short operator's path:
connected at start, the drop-down lists of the connection page, GET, a changed
parameter sent with SEND and read back with a second GET, and the live data (GO, a
changing CH0, STOP, GO again); then SIGTERM, while the program polls, must end it with
exit code 0. It saves a screenshot of the display along the way.

Exit codes: 0 passed, 1 failed, 77 skipped (Xvfb, D-Bus or the accessibility packages
are missing; scripts/install-deps installs them).

    operator_path.py --program BIN --sim BIN [--grabber BIN] [--screenshot PNG]
"""

import argparse
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIPPED = 77

# The live step (GO, a changing CH0, STOP) runs once the program has its live loop;
# in a source tree without it the step is reported as skipped.
LIVE_LOOP_HEADER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "src", "live",
                                "live_loop.h")

SENSOR_NAME = "CHROMIX1-GUI"
# The simulator's EEPROM, and so its RAM at power-up: POWER 640 and AVERAGE 3, which
# differ from the program's defaults, so that a GET is seen in the window.
EEPROM_POWER = 640
EEPROM_AVERAGE = 3
EEPROM_PARAMETERS = [EEPROM_POWER, 0, 3200, 3300, 0, 5, EEPROM_AVERAGE, 1, 0, 0, 0, 1, 100, 0, 0, 100, 100,
                     2000, 1, 2000, 20, 10, 1, 2000, 20, 10, 0, 0, 0, 0, 0, 0]
SENT_POWER = 720
UNSENT_POWER = 100


class Failure(Exception):
    pass


STARTED = time.monotonic()


def say(text):
    print("operator_path: [%4.1f s] %s" % (time.monotonic() - STARTED, text), flush=True)


def parse_arguments():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--sim", required=True)
    parser.add_argument("--grabber", default="")
    parser.add_argument("--screenshot", default="")
    parser.add_argument("--inside-session", action="store_true", help=argparse.SUPPRESS)
    return parser.parse_args()


# ---------------------------------------------------------------- outer: display and bus

def missing_requirements():
    missing = []
    for tool, package in (("Xvfb", "xvfb"), ("dbus-run-session", "dbus"), ("dbus-send", "dbus")):
        if shutil.which(tool) is None:
            missing.append("%s (%s)" % (tool, package))
    if not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
        missing.append("at-spi-bus-launcher (at-spi2-core)")
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        missing.append("the pyatspi module for %s (python3-pyatspi)" % sys.executable)
    return missing


def start_virtual_display():
    """Starts Xvfb on a free display number; returns (process, ":N")."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp"], pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as numbers:
        number = numbers.readline().strip()
    if not number:
        xvfb.kill()
        xvfb.wait()
        raise Failure("Xvfb did not start")
    return xvfb, ":" + number


def run_outside(arguments):
    missing = missing_requirements()
    if missing:
        say("SKIPPED: needs " + ", ".join(missing) + "; scripts/install-deps installs them")
        return SKIPPED
    xvfb, display = start_virtual_display()
    runtime_dir = tempfile.mkdtemp(prefix="chromix-gui-runtime-")
    try:
        environment = dict(os.environ)
        environment.update({"DISPLAY": display, "XDG_RUNTIME_DIR": runtime_dir})
        environment.pop("DBUS_SESSION_BUS_ADDRESS", None)
        environment.pop("AT_SPI_BUS_ADDRESS", None)
        command = ["dbus-run-session", "--", sys.executable, os.path.abspath(__file__), "--inside-session"]
        command += ["--program", arguments.program, "--sim", arguments.sim]
        command += ["--grabber", arguments.grabber, "--screenshot", arguments.screenshot]
        return subprocess.call(command, env=environment)
    finally:
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(runtime_dir, ignore_errors=True)


# ---------------------------------------------------------------- inner: sim and program

def start_sim(sim_path, eeprom_file, log):
    """Starts the simulator, which logs every request and reply into the open file log."""
    sim = subprocess.Popen([sim_path, "--tcp", "0", "--sensor-name", SENSOR_NAME, "--eeprom", eeprom_file,
                            "--verbose"], stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=log,
                           text=True)
    port = None
    for line in sim.stdout:
        if line.startswith("chromix-sim: tcp 127.0.0.1 "):
            port = int(line.split()[-1])
        if line.strip() == "chromix-sim: ready":
            break
    if port is None:
        sim.kill()
        sim.wait()
        raise Failure("chromix-sim did not start")
    return sim, port


def logged_frames(log_path, direction, command):
    """The frames of one command the simulator logged ("rx" received, "tx" sent), as bytes."""
    prefix = "chromix-sim: %s 55 %02X " % (direction, command)
    frames = []
    with open(log_path) as log:
        for line in log:
            if line.startswith(prefix):
                words = line[len("chromix-sim: %s " % direction):].split()
                frames.append(bytes(int(word, 16) for word in words if len(word) == 2))
    return frames


def tcp_settings_file(port):
    return ("[GENERAL INFO]\r\nFILE TYPE: = \"Panel Settings\"\r\nLANGUAGE = 1\r\n\r\n"
            "[COMMUNICATION SETTINGS]\r\nCOMPROTOCOL = 1\r\nCOMPORT = 1\r\nBAUDRATE = 4\r\n"
            "IP ADRESS = \"127.0.0.1\"\r\nPORT NUMBER = \"%d\"\r\n\r\n" % port)


def make_program_dir(program_path, port):
    """A copy of the program directory whose settings connect to the simulator."""
    directory = tempfile.mkdtemp(prefix="chromix-gui-")
    shutil.copy(program_path, directory)
    logo = os.path.join(os.path.dirname(program_path), "logoORV.bmp")
    if os.path.exists(logo):
        shutil.copy(logo, directory)
    with open(os.path.join(directory, "PanelSettings.cfg"), "w", newline="") as settings:
        settings.write(tcp_settings_file(port))
    return directory


def start_accessibility_bus():
    # Qt joins the accessibility bus only when it is already there at start-up.
    subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                    "org.a11y.Bus.GetAddress"], check=True, stdout=subprocess.DEVNULL)


def start_program(directory):
    environment = dict(os.environ)
    environment.update({"QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
    return subprocess.Popen([os.path.join(directory, "chromix-scope")], env=environment, cwd=directory,
                            stdin=subprocess.DEVNULL)


def stop_process(process):
    if process is not None and process.poll() is None:
        process.kill()
        process.wait()


# ---------------------------------------------------------------- AT-SPI helpers

def wait_until(what, condition, seconds):
    deadline = time.monotonic() + seconds
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure("timed out after %g s waiting for %s" % (seconds, what))
        time.sleep(0.1)


def find_application(pyatspi, name):
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        application = desktop.getChildAtIndex(index)
        if application is not None and application.name == name:
            return application
    return None


def find_all_nodes(root):
    """Every descendant of root, in tree order."""
    found = []
    stack = [root]
    while stack:
        node = stack.pop()
        found.append(node)
        try:
            children = [node.getChildAtIndex(i) for i in range(node.childCount)]
        except Exception:
            continue
        stack.extend(child for child in reversed(children) if child is not None)
    return found[1:]


def labels_in(root):
    return [node.name for node in find_all_nodes(root) if node.getRoleName() == "label"]


def is_showing(pyatspi, node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


# Every control of the window by (role, accessible name): a walk over the whole tree
# costs hundreds of bus calls, so it is read again only when a name is not in it (the
# program was still building its panels when it was read).
CONTROL_INDEX = {}


def index_controls(application):
    CONTROL_INDEX.clear()
    for node in find_all_nodes(application):
        try:
            CONTROL_INDEX.setdefault((node.getRoleName(), node.name), []).append(node)
        except Exception:
            continue


def find_control(pyatspi, application, role, name):
    """The control the operator sees (the one showing when several share the name), or None."""
    if (role, name) not in CONTROL_INDEX:
        index_controls(application)
    candidates = CONTROL_INDEX.get((role, name), [])
    showing = [node for node in candidates if is_showing(pyatspi, node)]
    return (showing or candidates or [None])[0]


def control(pyatspi, application, role, name):
    node = find_control(pyatspi, application, role, name)
    if node is None:
        raise Failure("no %s named '%s' in the window" % (role, name))
    return node


def press(button):
    action = button.queryAction()
    for index in range(action.nActions):
        if action.getName(index).lower() in ("press", "click"):
            action.doAction(index)
            return
    action.doAction(0)


def value_of(node):
    return node.queryValue().currentValue


def set_value(node, value):
    node.queryValue().currentValue = value


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def select_page(pyatspi, application, page, control_on_page):
    """Presses the page's tab and waits until the given control of the page shows."""
    press(control(pyatspi, application, "page tab", page))
    wait_until("page '%s' to show" % page, lambda: is_showing(pyatspi, control_on_page), 5)


def dialogs_open(pyatspi, application):
    names = []
    for index in range(application.childCount):
        window = application.getChildAtIndex(index)
        if window is not None and window.getRoleName() in ("dialog", "alert"):
            names.append("%s: %s" % (window.name, " / ".join(labels_in(window))))
    return names


# ---------------------------------------------------------------- the operator's path

def check_no_link_failure(pyatspi, application, after):
    """A failed exchange shows "TIMEOUT!" in the sensor field and the status box."""
    display = text_of(control(pyatspi, application, "text", "sensor display"))
    if "TIMEOUT!" in display:
        status = text_of(control(pyatspi, application, "text", "status"))
        raise Failure("link failure after %s: status box reads %r" % (after, status.strip()))


def check_connected(pyatspi, application):
    status = wait_until("the status box", lambda: find_control(pyatspi, application, "text", "status"), 20)
    wait_until("the status box to name the simulated sensor",
               lambda: "Sensor: " + SENSOR_NAME in text_of(status), 20)
    say("connected: status box reads " + repr(text_of(status).strip()))


# Drop-down lists are named by their labels; Qt's own names on Linux are their entries.
DROP_DOWN_LISTS = ("PROTOCOL", "LANGUAGE", "GAIN")
DROP_DOWN_ENTRIES = ("RS-232", "TCP/IP", "English", "Deutsch", "AMP5")


def check_drop_down_lists(pyatspi, application):
    protocol = control(pyatspi, application, "combo box", "PROTOCOL")
    select_page(pyatspi, application, "Link", protocol)
    for label in DROP_DOWN_LISTS:
        control(pyatspi, application, "combo box", label)
    named_by_entry = sorted(name for (role, name) in CONTROL_INDEX
                            if role == "combo box" and name in DROP_DOWN_ENTRIES)
    if named_by_entry:
        raise Failure("drop-down lists named by their entry: %s" % ", ".join(named_by_entry))
    say("drop-down lists found by their labels: " + ", ".join(DROP_DOWN_LISTS))


def check_get(pyatspi, application):
    power = control(pyatspi, application, "slider", "POWER")
    select_page(pyatspi, application, "Para I", power)
    average = control(pyatspi, application, "spin button", "AVERAGE")
    set_value(power, UNSENT_POWER)
    wait_until("POWER to take the set value", lambda: value_of(power) == UNSENT_POWER, 5)
    press(control(pyatspi, application, "push button", "GET"))
    wait_until("GET to show the sensor's POWER %d" % EEPROM_POWER, lambda: value_of(power) == EEPROM_POWER, 10)
    check_no_link_failure(pyatspi, application, "GET")
    if value_of(average) != EEPROM_AVERAGE:
        raise Failure("after GET AVERAGE shows %g, the sensor holds %d" % (value_of(average), EEPROM_AVERAGE))
    say("GET: POWER %g, AVERAGE %g from the sensor" % (value_of(power), value_of(average)))


def check_send(pyatspi, application, sim_log):
    power = control(pyatspi, application, "slider", "POWER")
    get = control(pyatspi, application, "push button", "GET")
    set_value(power, SENT_POWER)
    wait_until("POWER to take the new value", lambda: value_of(power) == SENT_POWER, 5)
    acks_before = len(logged_frames(sim_log, "tx", 1))
    press(control(pyatspi, application, "push button", "SEND"))
    wait_until("the simulator to acknowledge a parameter set",
               lambda: len(logged_frames(sim_log, "tx", 1)) > acks_before, 10)
    # The set went out with the new POWER in its first field (payload after the 8-byte header).
    request = logged_frames(sim_log, "rx", 1)[-1]
    if request[8] | request[9] << 8 != SENT_POWER:
        raise Failure("SEND sent POWER %d" % (request[8] | request[9] << 8))
    # The transfer buttons are dimmed while SEND runs; a GET pressed meanwhile would be lost.
    wait_until("SEND to finish", lambda: get.getState().contains(pyatspi.STATE_ENABLED), 10)
    check_no_link_failure(pyatspi, application, "SEND")
    # Change the window without sending, then read the sensor back: it holds what SEND sent.
    set_value(power, UNSENT_POWER)
    wait_until("POWER to take the unsent value", lambda: value_of(power) == UNSENT_POWER, 5)
    press(get)
    wait_until("the second GET to show the sent POWER %d" % SENT_POWER, lambda: value_of(power) == SENT_POWER,
               10)
    check_no_link_failure(pyatspi, application, "the second GET")
    say("SEND: the simulator received POWER %d and gives it back to a second GET" % SENT_POWER)


def check_live(pyatspi, application, arguments):
    if not os.path.exists(LIVE_LOOP_HEADER):
        say("SKIPPED: live data (GO, a changing CH0, STOP): the program has no live loop (src/live/live_loop.h)")
        grab_screenshot(arguments)
        return
    # Looked up before GO: while the loop runs, every call waits for a turn between frames.
    ch0 = control(pyatspi, application, "spin button", "CH0")
    go = control(pyatspi, application, "push button", "GO")
    stop = control(pyatspi, application, "push button", "STOP")
    press(go)
    seen = set()
    deadline = time.monotonic() + 5
    while len(seen) < 3 and time.monotonic() < deadline:
        seen.add(value_of(ch0))
        time.sleep(0.1)
    if len(seen) < 3:
        raise Failure("after GO CH0 showed only %s in 5 s" % sorted(seen))
    grab_screenshot(arguments)
    press(stop)
    wait_until("GO to be pressable again after STOP", lambda: go.getState().contains(pyatspi.STATE_ENABLED), 5)
    stopped = value_of(ch0)
    time.sleep(1.0)
    if value_of(ch0) != stopped:
        raise Failure("CH0 still changes after STOP")
    say("live data: CH0 took %d values after GO and stands at %g after STOP" % (len(seen), stopped))
    # The program is ended while it polls: SIGTERM must end the loop and the program.
    press(go)
    wait_until("CH0 to change after a second GO", lambda: value_of(ch0) != stopped, 5)
    say("live data: polling again when SIGTERM comes")


def grab_screenshot(arguments):
    if not arguments.grabber or not arguments.screenshot:
        return
    result = subprocess.run([arguments.grabber, "--grab-display", arguments.screenshot], capture_output=True,
                            text=True, timeout=30)
    if result.returncode != 0:
        raise Failure("screenshot failed: " + result.stderr.strip())
    say("screenshot: " + arguments.screenshot)


def walk_operator_path(arguments, program, sim_log):
    import pyatspi
    application = wait_until("the program on the accessibility bus",
                             lambda: program.poll() is None and find_application(pyatspi, "chromix-scope"), 30)
    try:
        check_connected(pyatspi, application)
        check_drop_down_lists(pyatspi, application)
        check_get(pyatspi, application)
        check_send(pyatspi, application, sim_log)
        check_live(pyatspi, application, arguments)
    except Failure:
        dialogs = dialogs_open(pyatspi, application)
        if dialogs:
            say("dialogs open: " + "; ".join(dialogs))
        raise


def end_program(program):
    # SIGTERM ends the program like its close box, with exit code 0.
    program.send_signal(signal.SIGTERM)
    try:
        code = program.wait(timeout=15)
    except subprocess.TimeoutExpired:
        raise Failure("the program did not end within 15 s of SIGTERM")
    if code != 0:
        raise Failure("the program ended with %d" % code)


def run_inside(arguments):
    work = tempfile.mkdtemp(prefix="chromix-gui-sim-")
    eeprom = os.path.join(work, "eeprom.txt")
    with open(eeprom, "w") as file:
        file.write("parameters " + " ".join(str(value) for value in EEPROM_PARAMETERS) + "\n")
    sim_log = os.path.join(work, "sim.log")
    sim = program = None
    directory = None
    try:
        with open(sim_log, "w") as log:
            sim, port = start_sim(arguments.sim, eeprom, log)
        directory = make_program_dir(arguments.program, port)
        start_accessibility_bus()
        program = start_program(directory)
        walk_operator_path(arguments, program, sim_log)
        end_program(program)
        say("passed")
        return 0
    except Failure as failure:
        say("FAILED: %s" % failure)
        return 1
    finally:
        stop_process(program)
        if sim is not None:
            sim.terminate()
            sim.wait()
        shutil.rmtree(work, ignore_errors=True)
        if directory:
            shutil.rmtree(directory, ignore_errors=True)


def main():
    arguments = parse_arguments()
    try:
        if arguments.inside_session:
            return run_inside(arguments)
        return run_outside(arguments)
    except Failure as failure:
        say("FAILED: %s" % failure)
        return 1


if __name__ == "__main__":
    sys.exit(main())
