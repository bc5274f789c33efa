// The high score: "gobbler.hi" in the game's file system, kept in
// localStorage as the hex of its four bytes (little-endian). Every tab of the
// page shares that one value; it only ever grows.
import { Module } from './runtime.js';

const HI_KEY = 'gobbler.hi';
const HI_FILE = '/gobbler.hi';
let hiStamp = 0;  // when the file was last written, as seen

// Anything but eight hex digits of a score counts as no score (-1).
function decode(hex) {
  if (typeof hex !== 'string' || !/^[0-9a-f]{8}$/.test(hex)) return -1;
  const n = parseInt(hex.slice(6, 8) + hex.slice(4, 6) + hex.slice(2, 4) + hex.slice(0, 2), 16) | 0;
  return n < 0 ? -1 : n;
}
const bytesOf = (n) => Uint8Array.of(n & 255, (n >> 8) & 255, (n >> 16) & 255, (n >>> 24) & 255);
const hexOf = (bytes) => Array.from(bytes, (b) => b.toString(16).padStart(2, '0')).join('');

function stored() {
  try { return decode(localStorage.getItem(HI_KEY)); } catch (e) { return -1; }
}

// Read, compare and write in one step, with nothing in between that could
// let another tab's write in: a score replaces only a lower one.
function raise(score) {
  if (score <= stored()) return;
  try { localStorage.setItem(HI_KEY, hexOf(bytesOf(score))); } catch (e) { /* private mode: this visit only */ }
}

function writeFile(score) {
  FS.writeFile(HI_FILE, bytesOf(score));
  hiStamp = FS.stat(HI_FILE).mtime.getTime();
}

function fileScore() {
  try { const b = FS.readFile(HI_FILE); return b.length === 4 ? decode(hexOf(b)) : -1; } catch (e) { return -1; }
}

export function restoreHighScore() {
  const score = stored();
  if (score >= 0) writeFile(score);
}

// After each frame: a file the game wrote goes to storage, unless another
// tab stored more meanwhile, which then goes back to the file.
export function keepHighScore() {
  let stamp;
  try { stamp = FS.stat(HI_FILE).mtime.getTime(); } catch (e) { return; }
  if (stamp === hiStamp) return;
  hiStamp = stamp;
  const score = fileScore();
  if (score < 0) return;
  raise(score);
  const best = stored();
  if (best > score) writeFile(best);
}

// The score of a game in play, when the page goes away mid-game.
export function keepScoreInPlay(score) {
  if (score > 0) raise(score);
}

// Another tab stored a record: the game reads it at its next game's start.
window.addEventListener('storage', (e) => {
  if (e.key !== HI_KEY || !Module.calledRun || Module.ended) return;
  const best = stored();
  if (best > fileScore()) writeFile(best);
});
