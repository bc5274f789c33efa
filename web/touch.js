// Touch: the on-screen controls, and the swipe on the picture.
//
// The controls are shown on a touch screen (a coarse pointer, or the first
// touch) and hidden when a key or a gamepad is used. Each button is held like
// its key for as long as a finger is on it; a finger that slides onto
// another arrow lets go of the first and holds the new one, and several
// fingers hold several buttons. A swipe on the picture holds an arrow until
// the next swipe, a tap on it starts a game.
import { fit } from './fit.js';
import { sendKey } from './keys.js';
import { startSound } from './sound.js';

const stage = document.getElementById('stage');
const pad = document.getElementById('pad');
const hint = document.getElementById('hint');

const ASCII = { Enter: 13, KeyP: 112 };

function showControls(on) {
  if (pad.hidden === !on) return;
  pad.hidden = !on;
  if (!on) letGoAll();
  if (!hint.hidden) hint.textContent = on ? 'Swipe or use the arrows' : 'Arrow keys to steer, P to pause';
  fit();
}

// The line that says how to play, until the first game starts.
export function hideHint() { hint.hidden = true; }

// --- the buttons: fingers (pointer ids) on keys, and how many hold each ---
const fingers = new Map(), holds = new Map();

function hold(code, by) {
  const n = (holds.get(code) || 0) + by;
  holds.set(code, n);
  const button = pad.querySelector(`[data-key="${code}"]`);
  if (by > 0 && n === 1) { sendKey(code, ASCII[code] || 0, 1); button.classList.add('held'); }
  if (by < 0 && n === 0) { sendKey(code, 0, 0); button.classList.remove('held'); }
}

function fingerOn(id, code) {
  const was = fingers.get(id);
  if (was === code) return;
  if (was) hold(was, -1);
  if (code) { fingers.set(id, code); hold(code, 1); } else fingers.delete(id);
}

function letGoAll() {
  for (const id of [...fingers.keys()]) fingerOn(id, null);
}

// The button under a point, or null.
function keyAt(x, y) {
  const el = document.elementFromPoint(x, y);
  return el && el.closest && pad.contains(el) && el.dataset.key ? el.dataset.key : null;
}

pad.addEventListener('pointerdown', (e) => {
  e.preventDefault();
  startSound();
  const code = e.target.closest('button') && e.target.closest('button').dataset.key;
  if (!code) return;
  // The finger's moves and its lifting come to the pad wherever it goes (a
  // touch is captured so already, a mouse is not).
  if (e.target.setPointerCapture) e.target.setPointerCapture(e.pointerId);
  fingerOn(e.pointerId, code);
});
pad.addEventListener('pointermove', (e) => {
  if (!fingers.has(e.pointerId)) return;
  // Sliding from an arrow to another changes direction; off the d-pad the
  // last arrow stays held, as a thumb drifts.
  const code = keyAt(e.clientX, e.clientY);
  if (code && code !== fingers.get(e.pointerId) && code.startsWith('Arrow') && fingers.get(e.pointerId).startsWith('Arrow'))
    fingerOn(e.pointerId, code);
});
for (const type of ['pointerup', 'pointercancel']) pad.addEventListener(type, (e) => fingerOn(e.pointerId, null));
// No callout, menu or text selection on a long press.
for (const el of [pad, stage]) el.addEventListener('contextmenu', (e) => e.preventDefault());
pad.addEventListener('touchstart', (e) => e.preventDefault(), { passive: false });

export function releaseTouches() {
  letGoAll();
  touchArrow(null);
}

// --- the swipe on the picture ---
let touchFrom = null, heldArrow = null;

function touchArrow(code) {
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

// --- shown on touch, hidden by keys and pads ---
window.addEventListener('touchstart', () => showControls(true), { capture: true, passive: true });
window.addEventListener('keydown', () => showControls(false), { capture: true });

// A pad in use: any button down or a stick pushed (checked a few times a
// second; the game itself reads the pad every frame).
function padInUse() {
  const pads = navigator.getGamepads ? navigator.getGamepads() : [];
  for (const p of pads)
    if (p && p.connected && (p.buttons.some((b) => b.pressed) || p.axes.some((a) => Math.abs(a) > 0.5))) return true;
  return false;
}
setInterval(() => { if (!pad.hidden && padInUse()) showControls(false); }, 250);

export function startControls() {
  const coarse = matchMedia('(pointer: coarse)').matches;
  hint.textContent = coarse ? 'Swipe or use the arrows' : 'Arrow keys to steer, P to pause';
  showControls(coarse);
  fit();
}
