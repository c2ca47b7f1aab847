# The built client as a screen reader meets it: a real AT-SPI client walks every page a person can reach, fails
# on a control without a name or an action, and plays a station by its press action alone, on a private desktop.
import atexit, contextlib, importlib.util, math, os, random, shutil, socket, subprocess, sys, tempfile, time
if importlib.util.find_spec('pyatspi') is None:
    sys.exit(print('pyatspi is not installed') or 77)  # ctest's skip code
root, build, children = tempfile.mkdtemp(prefix='sonvela-reader-'), os.environ['SONVELA_BUILD_DIR'], []
os.makedirs(root + '/run', 0o700), os.makedirs(root + '/config/Sonvela')
os.environ.update(HOME=root, XDG_CONFIG_HOME=root + '/config', TMPDIR=root, XDG_RUNTIME_DIR=root + '/run')
os.environ.pop('QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY', None)  # the client must ask for it itself
atexit.register(lambda: [child.terminate() for child in reversed(children)] and shutil.rmtree(root, True))
spawn = lambda *argv, out=subprocess.DEVNULL: children.append(subprocess.Popen(argv, stdout=out, text=True)) or children[-1]
bus = spawn('dbus-daemon', '--session', '--print-address', '--nofork', '--nopidfile', out=subprocess.PIPE)
os.environ['DBUS_SESSION_BUS_ADDRESS'] = bus.stdout.readline().strip()
spawn('/usr/libexec/at-spi-bus-launcher', '--launch-immediately', '--a11y=1')
spawn('pulseaudio', '-n', '--daemonize=no', '--exit-idle-time=-1', '--use-pid-file=no',
      '--load=module-native-protocol-unix', '--load=module-null-sink sink_name=speakers')
base = next(p for p in iter(lambda: random.randrange(20000, 32000), 0)
            if all(socket.socket().connect_ex(('127.0.0.1', p + i)) for i in range(13)))  # a free block
spawn(build + '/bin/sonvela-standin', '--base-port', str(base))
open(root + '/config/Sonvela/deployment.ini', 'w').write('[service]\n' + ''.join('mirror%d = 127.0.0.1:%d\n' % (
    n, base + n - 1) for n in range(1, 7)) + '[sites]\nproduct = 127.0.0.1:%d\nmaker = 127.0.0.1:%d\n' % (base + 9, base + 10))
spawn(build + '/bin/sonvela')
import pyatspi
pyatspi.setTimeout(3000, 20000)  # a press that opens a modal window answers only when it closes
def wait(what, found, seconds=90):
    for _ in range(seconds * 2):
        with contextlib.suppress(Exception):  # nodes come and go while pages load
            if (value := found()):
                return value
        time.sleep(0.5)
    raise SystemExit('never seen: ' + what)
def actions(n):
    return [n.queryAction().getName(i) for i in range(n.queryAction().nActions)] if 'Action' in pyatspi.utils.listInterfaces(n) else []
def reach(n):  # what a person can reach now: shown subtrees, and the menus
    yield n
    with contextlib.suppress(Exception):  # a page may drop nodes while it is walked
        for c in [c for c in n if c and ('popup menu' in (n.getRoleName(), c.getRoleName())
                                         or c.getState().contains(pyatspi.STATE_VISIBLE))]:
            yield from reach(c)
def find(role, name=None, within=None):
    within = within or next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == 'Sonvela')
    return [n for n in reach(within) if n.getRoleName() == role and name in (None, n.name)]
def press(node):
    with contextlib.suppress(Exception):  # no answer while the window it opened waits for the person
        node.queryAction().doAction(actions(node).index('Press'))
ACTED = {'push button', 'check box', 'radio button', 'combo box', 'page tab', 'menu item', 'toggle button', 'link'}
NAMED = ACTED | {'slider', 'spin button', 'table cell', 'entry', 'password text'}
faults, names = set(), set()
def walk(window):
    for tab in [None] + find('page tab', within=window):
        tab and (press(tab), time.sleep(1.5))
        for n in reach(window):
            with contextlib.suppress(Exception):  # gone meanwhile
                role, acts, name = n.getRoleName(), actions(n), n.name.strip()
                names.add(name)
                # A scroll bar is announced by its role and direction; no desktop names one.
                typed = role == 'text' and n.getState().contains(pyatspi.STATE_EDITABLE)  # a field
                if (role in NAMED or typed or set(acts) - {'SetFocus'}) and role != 'scroll bar' and not name:
                    faults.add('%s without a name in %s' % (role, n.parent.name or n.parent.getRoleName()))
                if role in ACTED and n.getState().contains(pyatspi.STATE_ENABLED) and not acts:
                    faults.add('%s "%s" without an action' % (role, name))
entry = wait('a station', lambda: [n for n in find('push button') if n.description.startswith('Clicca per ascoltare ')][0])
station = entry.description.removeprefix('Clicca per ascoltare ')
press(entry)
page = wait('the player page', lambda: find('document web', 'RADIO:-' + station)[0])
text = lambda: ' '.join(n.name for n in reach(page))  # each line of text is a label's name
wait('the player page read aloud', lambda: station in text() and 'In diretta' in text())
def loud():  # a second of the null sink's monitor, in unsigned bytes: silence is 128
    sound = subprocess.run(['timeout', '1', 'parec', '-d', 'speakers.monitor', '--raw', '--format=u8', '--channels=1'],
                           capture_output=True).stdout
    return sound and math.sqrt(sum((x - 128) ** 2 for x in sound) / len(sound)) > 2
wait('the station playing', loud, 60)
walk(find('application')[0])
for item, title, close in (('About', 'About - Sonvela by Velmora', 'Esci'), ('News e Meteo', 'Gestione news', 'Chiudi'),
                           ('Informazioni utente', 'Opzioni utente', 'Esci senza salvare'), ('Radio Personali', 'Opzioni Sonvela', 'Esci senza salvare')):
    press(find('menu item', item)[0])
    walk(window := wait(title, lambda: find('dialog', title)[0]))
    press(find('push button', close, within=window)[0])
faults |= {'no button "%s"' % name for name in ('Cambia 3', 'Cancella 3') if name not in names}
if faults:
    raise SystemExit('\n'.join(sorted(faults)))
press(find('menu item', 'English')[0])
press(find('menu item', 'Personal radios')[0])
wait('"Change 3"', lambda: find('push button', 'Change 3'))
print('every control named and acting; "%s" played by its press action alone' % station)
