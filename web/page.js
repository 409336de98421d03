// The page's side of the game (put before the compiled code): the canvas, the options
// from the address (?mute, ?record, ?play=URL of a recording, ?speed=N), the saved game's folder kept in the browser's
// storage, a message in place of the canvas when the game cannot run, and quorvelDump().
(function () {
  const canvas = document.getElementById('canvas');
  const save = '/quorvel/save';
  const errors = Module.dataProblems || [];

  function showMessage(text) {
    const message = document.getElementById('message');
    message.textContent = text;
    message.style.display = 'block';
    canvas.style.display = 'none';
  }

  // The saved game's folder lives in IndexedDB: read in before the game starts, written
  // back after each save. Storage that is refused or full makes the folder read-only,
  // so that the game's next save fails and says so; what was stored stays as it was.
  function refuseSaves(why) {
    console.warn('Quorvel: saving is off: ' + why);
    FS.chmod(save, 0o555);
  }
  function persist() {
    FS.syncfs(false, (error) => { if (error) refuseSaves('the browser did not store the game (' + error + ')'); });
  }
  function mountStorage() {
    FS.mkdirTree(save);
    FS.mount(IDBFS, {}, save);
    FS.chdir(save);
    addRunDependency('storage');
    FS.syncfs(true, (error) => {
      if (error)
        refuseSaves('the browser refuses storage (' + error + ')');
      // The game saves by renaming a complete file over the old one.
      const rename = FS.rename;
      FS.rename = (from, to) => {
        rename(from, to);
        if (to.startsWith(save + '/'))
          persist();
      };
      removeRunDependency('storage');
    });
  }

  // Without WebGL the game would only show a blank canvas: say so, and never start it.
  function webGLMissing() {
    const probe = document.createElement('canvas');
    if (probe.getContext('webgl') || probe.getContext('experimental-webgl'))
      return false;
    showMessage('Quorvel draws with WebGL, which this browser does not offer or has switched off.');
    addRunDependency('webgl');
    return true;
  }

  const options = new URLSearchParams(location.search);
  Module.arguments = [];
  if (options.has('mute'))
    Module.arguments.push('--mute');
  if (options.has('record'))
    Module.arguments.push('--record', '/quorvel/recording.txt');
  // Game time runs this many times faster than the clock (tests): the frames are the same.
  Module.quorvelSpeed = Math.min(Math.max(Number(options.get('speed')) || 1, 1), 100);
  Module.canvas = canvas;
  Module.printErr = (text) => { errors.push(text); console.warn(text); };
  // A recorded game to watch: fetched into the file system before the game starts.
  function fetchRecording() {
    addRunDependency('recording');
    fetch(options.get('play'))
      .then((response) => response.ok ? response.text() : Promise.reject(new Error('HTTP ' + response.status)))
      .then((text) => FS.writeFile('/quorvel/play.txt', text))
      .catch((error) => errors.push(options.get('play') + ': ' + error.message))
      .finally(() => removeRunDependency('recording'));
  }
  if (options.has('play'))
    Module.arguments.push('--play', '/quorvel/play.txt');
  Module.preRun = (Module.preRun || []).concat(() => webGLMissing() || mountStorage(),
    () => options.has('play') && fetchRecording());
  Module.quorvelEnded = () => showMessage('Thanks for playing Quorvel.\nReload the page to play again.');
  Module.quorvelFailed = () => showMessage(errors.join('\n'));
  window.quorvelDump = () => JSON.parse(UTF8ToString(Module._quorvel_dump()));
})();
