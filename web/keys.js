// Keys: the page's key events handed to the game by their code.
import { toggleFullscreen } from './fit.js';
import { Module, running } from './runtime.js';
import { startSound } from './sound.js';

function asciiOf(e) {
  if (e.key.length === 1) return e.key.charCodeAt(0) & 0xff;
  return { Enter: 13, Escape: 27, Backspace: 8, Tab: 9 }[e.key] || 0;
}

// The key's name goes through a buffer of its own: ccall() while the game
// waits would take over the promise of main()'s end (see page.js).
let keyName = 0;
export function sendKey(code, ascii, down) {
  if (!running()) return;
  if (!keyName) keyName = Module._malloc(32);
  Module.stringToUTF8(code, keyName, 32);
  Module._web_key_event(keyName, ascii, down);
}

// When Escape takes the browser out of full screen, it is not the game's.
let fullscreenLeft = 0;
document.addEventListener('fullscreenchange', () => {
  if (!document.fullscreenElement) fullscreenLeft = performance.now();
});

// The browser keeps its own keys (reload, tools, zoom) with a modifier held.
const BROWSER_KEYS = new Set(['F5', 'F11', 'F12']);

window.addEventListener('keydown', (e) => {
  if (e.code === 'Escape' && (document.fullscreenElement || performance.now() - fullscreenLeft < 500)) return;
  if (e.ctrlKey || e.metaKey || BROWSER_KEYS.has(e.code)) return;
  e.preventDefault();
  startSound();
  // Full screen is allowed only here, in the handler of the key press.
  if (e.code === 'F1' && !e.repeat) toggleFullscreen();
  sendKey(e.code, asciiOf(e), 1);
});
window.addEventListener('keyup', (e) => {
  if (BROWSER_KEYS.has(e.code)) return;
  sendKey(e.code, 0, 0);
});
