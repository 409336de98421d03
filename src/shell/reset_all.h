// The program's mutable state in one place: every global that a game, a day
// or a frame changes, and the one call that puts them all back as a fresh run
// starts them. docs/architecture.md lists each with its lifetime.
#pragma once

// Back to program start: the game's state by lifetime, the screens, the front
// end, the generator, the latches, the frame's keys, sounds and shell flags,
// the toolkit's mirrored drawing state and its record, and the saved game's
// folder. Resources (window, textures, fonts, sound player) are left as they
// are: they hold no game state.
void ResetAll();
