// Touch: a swipe holds an arrow, a tap is a key (it starts a game).
import { sendKey } from './keys.js';
import { startSound } from './sound.js';

const stage = document.getElementById('stage');
let touchFrom = null, heldArrow = null;

export function touchArrow(code) {
  if (heldArrow) sendKey(heldArrow, 0, 0);
  heldArrow = code;
  if (code) sendKey(code, 0, 1);
}

stage.addEventListener('touchstart', (e) => {
  e.preventDefault();
  startSound();
  const t = e.changedTouches[0];
  touchFrom = { x: t.clientX, y: t.clientY };
}, { passive: false });
stage.addEventListener('touchmove', (e) => e.preventDefault(), { passive: false });
stage.addEventListener('touchend', (e) => {
  e.preventDefault();
  if (!touchFrom) return;
  const t = e.changedTouches[0];
  const dx = t.clientX - touchFrom.x, dy = t.clientY - touchFrom.y;
  touchFrom = null;
  if (Math.max(Math.abs(dx), Math.abs(dy)) < 24) {
    sendKey('Enter', 13, 1);
    sendKey('Enter', 13, 0);
  } else if (Math.abs(dx) > Math.abs(dy)) {
    touchArrow(dx < 0 ? 'ArrowLeft' : 'ArrowRight');
  } else {
    touchArrow(dy < 0 ? 'ArrowUp' : 'ArrowDown');
  }
}, { passive: false });
stage.addEventListener('mousedown', startSound);
