// quorvel-replay under node (put before the compiled code): the OpenGL emulation's notes
// about itself stay off standard error, which then holds only what the tool says.
Module.printErr = (text) => {
  if (!/^WARNING: using emscripten GL /.test(text))
    process.stderr.write(text + '\n');
};
