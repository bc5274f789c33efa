// The best game's recording: "gobbler.rec", which the game writes beside
// the high score only when a game beats it, kept in localStorage (base64)
// beside the record. "Watch best game", "Download", and a .rec file chosen
// or dropped on the page: the page starts again with the game playing it
// (main's --replay) instead of the title.
import { fit } from './fit.js';

const REC_KEY = 'gobbler.rec';
const REC_FILE = '/gobbler.rec';
const PLAY_KEY = 'gobbler.play';  // a recording to play at the next start (this tab)
const PLAY_FILE = '/play.rec';
let recStamp = 0;

const watch = document.getElementById('watch');
const download = document.getElementById('download');
const picker = document.getElementById('rec-file');

const toBase64 = (bytes) => btoa(Array.from(bytes, (b) => String.fromCharCode(b)).join(''));
const fromBase64 = (text) => Uint8Array.from(atob(text), (c) => c.charCodeAt(0));

function stored() {
  try {
    const text = localStorage.getItem(REC_KEY);
    return text ? fromBase64(text) : null;
  } catch (e) { return null; }
}

function offer() {
  const bytes = stored();
  watch.hidden = download.hidden = !bytes;
  if (bytes) download.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
  fit();  // the buttons' size has changed, and so may their place
}

function play(bytes) {
  try { sessionStorage.setItem(PLAY_KEY, toBase64(bytes)); } catch (e) { return; }
  location.reload();
}

// Once a frame: a recording the game has just written goes to storage.
export function keepRecording() {
  let stamp;
  try { stamp = FS.stat(REC_FILE).mtime.getTime(); } catch (e) { return; }
  if (stamp === recStamp) return;
  recStamp = stamp;
  try { localStorage.setItem(REC_KEY, toBase64(FS.readFile(REC_FILE))); } catch (e) { return; }
  offer();
}

// Before main(): the arguments it is to run with, a recording to play put
// in its file system.
export function mainArguments() {
  let text = null;
  try {
    text = sessionStorage.getItem(PLAY_KEY);
    sessionStorage.removeItem(PLAY_KEY);
  } catch (e) { /* no storage: play the game */ }
  if (!text) return ['gobbler'];
  FS.writeFile(PLAY_FILE, fromBase64(text));
  return ['gobbler', '--replay', PLAY_FILE];
}

const playFile = (file) => file && file.arrayBuffer().then((b) => play(new Uint8Array(b)));
watch.onclick = () => { const bytes = stored(); if (bytes) play(bytes); };
picker.onchange = () => playFile(picker.files[0]);
document.addEventListener('dragover', (e) => e.preventDefault());
document.addEventListener('drop', (e) => {
  e.preventDefault();
  playFile(e.dataTransfer.files[0]);
});
offer();
