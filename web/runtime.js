// The object Emscripten's gobbler.js takes its settings from and fills with
// the game's exports; it must be the global `Module` before that script runs.
export const Module = window.Module = {};

// The game's main() has started and not yet returned.
export const running = () => !!Module.calledRun && !Module.ended;
