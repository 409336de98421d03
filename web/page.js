// The page's side of the game (put before the compiled code): the canvas, the options
// from the address (?mute, ?record, ?play=URL of a recording, ?speed=N), the saved game and
// settings kept in the browser's local storage, a message in place of the canvas when the
// game cannot run, and quorvelDump().
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

  // The saved game's folder, with the settings in it, is kept in the browser's local
  // storage, one entry per file, read in before the game starts. A file is stored when the
  // game puts it in place, and synchronously: storage that is full or refused fails that
  // save, as a full disk would, and what was stored stays as it was.
  const prefix = 'quorvel/';
  const ENOSPC = 51, EACCES = 2;  // the C library's numbers (WASI's)
  function keepFiles() {
    FS.mkdirTree(save);
    FS.chdir(save);
    ENV.XDG_CONFIG_HOME = save + '/config';
    let storage = null;
    try {
      storage = window.localStorage;
      for (let i = 0; i < storage.length; ++i) {
        const key = storage.key(i);
        if (!key.startsWith(prefix))
          continue;
        const file = save + '/' + key.slice(prefix.length);
        FS.mkdirTree(file.slice(0, file.lastIndexOf('/')));
        FS.writeFile(file, storage.getItem(key));
      }
    } catch (error) {
      storage = null;
      console.warn('Quorvel: the browser refuses storage, so the game cannot be saved (' + error.message + ')');
    }
    const rename = FS.rename;
    FS.rename = (from, to) => {
      if (!to.startsWith('/'))
        to = FS.cwd() + '/' + to;  // as the C library's rename() passes it
      if (to.startsWith(save + '/')) {
        if (!storage)
          throw new FS.ErrnoError(EACCES);  // refused from the start, as said then
        try {
          storage.setItem(prefix + to.slice(save.length + 1), FS.readFile(from, { encoding: 'utf8' }));
        } catch (error) {
          console.warn('Quorvel: the browser did not store ' + to + ' (' + error.message + ')');
          throw new FS.ErrnoError(ENOSPC);
        }
      }
      rename(from, to);
    };
  }

  const options = new URLSearchParams(location.search);
  Module.thisProgram = 'quorvel';
  Module.arguments = [];
  if (options.has('mute'))
    Module.arguments.push('--mute');
  if (options.has('record'))
    Module.arguments.push('--record', '/quorvel/recording.txt');
  // Game time runs this many times faster than the clock (tests): the frames are the same.
  Module.quorvelSpeed = Math.min(Math.max(Number(options.get('speed')) || 1, 1), 100);
  Module.canvas = canvas;
  // The GL emulation's notes about itself at start-up are for its developers, not players.
  const emulationNotes = /^WARNING: using emscripten GL /;
  Module.printErr = (text) => {
    if (!emulationNotes.test(text)) {
      errors.push(text);
      console.warn(text);
    }
  };
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
  Module.preRun = (Module.preRun || []).concat(keepFiles,
    () => options.has('play') && fetchRecording());
  Module.quorvelEnded = () => showMessage('Thanks for playing Quorvel.\nReload the page to play again.');
  Module.quorvelFailed = () => showMessage(errors.join('\n'));
  window.quorvelDump = () => JSON.parse(UTF8ToString(Module._quorvel_dump()));
})();
