// OpenGL calls the browser's emulation of the fixed-function pipeline warns about, or
// passes to WebGL, which warns: replaced by what they do here, so that the console stays clean.
mergeInto(LibraryManager.library, {
  // The game asks for smooth shading, the only kind WebGL has.
  glShadeModel: function () {},
  // WebGL always corrects for perspective and knows no hint for it.
  glHint: function (target, mode) {
    if (target != 0x0C50)  // GL_PERSPECTIVE_CORRECTION_HINT
      GLctx.hint(target, mode);
  },
});
