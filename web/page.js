// The page around the game's WebAssembly: canvas, keys, touch, sound, the
// high score in the browser's storage, and the end of the program.
'use strict';

const stage = document.getElementById('stage');
const canvas = document.getElementById('game');
const soundNote = document.getElementById('sound-note');
const message = document.getElementById('message');

function say(text, offerReplay) {
  message.textContent = text;
  if (offerReplay) {
    const again = document.createElement('button');
    again.textContent = 'Play again';
    again.onclick = () => location.reload();
    message.append(document.createElement('br'), again);
  }
  message.hidden = false;
  soundNote.hidden = true;
}

// --- the picture: the largest whole scale that fits, centred ---

function fit() {
  const ratio = window.devicePixelRatio || 1;
  const w = stage.clientWidth, h = stage.clientHeight;
  const scale = Math.max(1, Math.min(Math.floor(w * ratio / 640), Math.floor(h * ratio / 480)));
  const cssW = 640 * scale / ratio, cssH = 480 * scale / ratio;
  Object.assign(canvas.style, {
    width: cssW + 'px', height: cssH + 'px',
    left: Math.round((w - cssW) / 2) + 'px', top: Math.round((h - cssH) / 2) + 'px',
  });
}
window.addEventListener('resize', fit);
document.addEventListener('fullscreenchange', fit);
fit();

const ctx = canvas.getContext('2d', { alpha: false });

// Rows first .. end - 1 of the 32-bit screen (red, green, blue, alpha).
function paint(pixels, width, first, end) {
  const rows = new Uint8ClampedArray(HEAPU8.buffer, pixels, width * 4 * (end - first));
  ctx.putImageData(new ImageData(rows, width, end - first), 0, first);
}

// --- the high score: "gobbler.hi" in the game's file system, kept in
// localStorage as the hex of its four bytes ---

const HI_KEY = 'gobbler.hi';
const HI_FILE = '/gobbler.hi';
let hiStored = null;  // what storage holds
let hiStamp = 0;      // when the file was last written, as seen

function restoreHighScore() {
  try { hiStored = localStorage.getItem(HI_KEY); } catch (e) { hiStored = null; }
  // Anything but eight hex digits counts as no score.
  if (hiStored === null || !/^[0-9a-f]{8}$/.test(hiStored)) return;
  FS.writeFile(HI_FILE, Uint8Array.from(hiStored.match(/../g), (h) => parseInt(h, 16)));
  hiStamp = FS.stat(HI_FILE).mtime.getTime();
}

function keepHighScore() {
  let stamp;
  try { stamp = FS.stat(HI_FILE).mtime.getTime(); } catch (e) { return; }
  if (stamp === hiStamp) return;
  hiStamp = stamp;
  const bytes = FS.readFile(HI_FILE);
  if (bytes.length !== 4) return;
  const hex = Array.from(bytes, (b) => b.toString(16).padStart(2, '0')).join('');
  if (hex === hiStored) return;
  try { localStorage.setItem(HI_KEY, hex); hiStored = hex; } catch (e) { /* private mode: this visit only */ }
}

// --- sound: the library's mixer, a chunk at a time, into WebAudio ---

const RATE = 44100, CHUNK = 1024, LEAD = 3 * CHUNK;
const WORKLET = `
class GobblerSound extends AudioWorkletProcessor {
  constructor() { super(); this.queue = []; this.at = 0; this.port.onmessage = (e) => this.queue.push(e.data); }
  process(inputs, outputs) { play(this, outputs[0][0], outputs[0][1]); return true; }
}
${playQueue.toString().replace('function playQueue', 'function play')}
registerProcessor('gobbler-sound', GobblerSound);`;

// Fills the left and right outputs from a queue of interleaved chunks.
function playQueue(from, left, right) {
  for (let i = 0; i < left.length; i++) {
    const chunk = from.queue[0];
    if (!chunk) { left[i] = right[i] = 0; continue; }
    left[i] = chunk[from.at];
    right[i] = chunk[from.at + 1];
    from.at += 2;
    if (from.at >= chunk.length) { from.queue.shift(); from.at = 0; }
  }
}

const sound = { ctx: null, send: null, analyser: null, mixed: 0, started: performance.now() };

// Called on every key, tap and click: a browser lets sound start only in
// the handler of one that counts as the user's (Escape, for one, does not).
async function startSound() {
  const Context = window.AudioContext || window.webkitAudioContext;
  if (!Context) return;
  if (sound.ctx) {
    if (sound.ctx.state !== 'running') sound.ctx.resume();
    return;
  }
  const ctx = sound.ctx = new Context({ sampleRate: RATE });
  ctx.onstatechange = () => {
    // The output's clock takes over from the page's.
    sound.mixed = ctx.currentTime * RATE;
    if (ctx.state === 'running') soundNote.hidden = true;
  };
  sound.analyser = ctx.createAnalyser();
  sound.analyser.connect(ctx.destination);
  try {
    const url = URL.createObjectURL(new Blob([WORKLET], { type: 'text/javascript' }));
    await ctx.audioWorklet.addModule(url);
    const node = new AudioWorkletNode(ctx, 'gobbler-sound', { outputChannelCount: [2] });
    node.connect(sound.analyser);
    sound.send = (chunk) => node.port.postMessage(chunk, [chunk.buffer]);
  } catch (e) {
    // No worklets (an older browser, or a page not served securely).
    const node = ctx.createScriptProcessor(CHUNK, 0, 2);
    const from = { queue: [], at: 0 };
    node.onaudioprocess = (e) => playQueue(from, e.outputBuffer.getChannelData(0), e.outputBuffer.getChannelData(1));
    node.connect(sound.analyser);
    sound.send = (chunk) => from.queue.push(chunk);
  }
  sound.mixed = ctx.currentTime * RATE;
  ctx.resume();
}

const soundPlays = () => sound.send && sound.ctx.state === 'running';

// Frames of sound the clock has reached: the output's once it runs, before
// that the page's, so that sounds started in silence end on time.
function soundClock() {
  if (soundPlays()) return sound.ctx.currentTime * RATE + LEAD;
  return (performance.now() - sound.started) * RATE / 1000;
}

function pumpSound() {
  if (!Module.calledRun) return;
  const due = soundClock();
  // Back from a throttled background tab: skip what was missed.
  if (due - sound.mixed > 8 * CHUNK) sound.mixed = due - CHUNK;
  while (sound.mixed < due) {
    const at = Module._web_mix_chunk();
    if (!at) return;
    sound.mixed += CHUNK;
    if (!soundPlays()) continue;
    const pcm = new Int16Array(HEAPU8.buffer, at, 2 * CHUNK);
    const chunk = new Float32Array(2 * CHUNK);
    for (let i = 0; i < chunk.length; i++) chunk[i] = pcm[i] / 32768;
    sound.send(chunk);
  }
}
setInterval(pumpSound, 10);

// The loudest sample now reaching the output, 0 .. 1.
window.gobblerSoundLevel = () => {
  if (!sound.analyser) return 0;
  const wave = new Float32Array(sound.analyser.fftSize);
  sound.analyser.getFloatTimeDomainData(wave);
  return wave.reduce((m, v) => Math.max(m, Math.abs(v)), 0);
};

// --- keys ---

function asciiOf(e) {
  if (e.key.length === 1) return e.key.charCodeAt(0) & 0xff;
  return { Enter: 13, Escape: 27, Backspace: 8, Tab: 9 }[e.key] || 0;
}

// The key's name goes through a buffer of its own: ccall() while the game
// waits would take over the promise of main()'s end (see onRuntimeInitialized).
let keyName = 0;
function sendKey(code, ascii, down) {
  if (!Module.calledRun || Module.ended) return;
  if (!keyName) keyName = Module._malloc(32);
  Module.stringToUTF8(code, keyName, 32);
  Module._web_key_event(keyName, ascii, down);
}

// When Escape takes the browser out of full screen, it is not the game's.
let fullscreenLeft = 0;
document.addEventListener('fullscreenchange', () => {
  if (!document.fullscreenElement) fullscreenLeft = performance.now();
});

function toggleFullscreen() {
  if (document.fullscreenElement) document.exitFullscreen();
  else if (stage.requestFullscreen) stage.requestFullscreen().catch(() => {});
}

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

// Losing the focus or being hidden pauses the game; keys held then are let go.
function lostFocus() {
  if (Module.calledRun && !Module.ended) Module._web_focus_lost();
  touchArrow(null);
}
window.addEventListener('blur', lostFocus);
document.addEventListener('visibilitychange', () => { if (document.hidden) lostFocus(); });

// --- touch: a swipe holds an arrow, a tap is a key (it starts a game) ---

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

// --- the game ---

// For measuring: pictures painted, and the time from waking to going back
// to sleep (logic, picture and canvas) of the last frames.
const frames = window.gobblerFrames = { painted: 0, timed: 0, awake: 0, took: new Float64Array(1200) };

function ended(status) {
  if (Module.ended) return;
  Module.ended = true;
  keepHighScore();
  say(status === 0 ? 'The game has ended.' : 'The game stopped (status ' + status + ').', true);
}

var Module = {
  canvas,
  preRun: [restoreHighScore],
  webPaint: (pixels, width, first, end) => {
    paint(pixels, width, first, end);
    frames.painted++;
  },
  webIdle: () => {
    // Once a frame: a frame that waits twice paints once.
    if (frames.painted !== frames.timed) frames.took[frames.painted % frames.took.length] = performance.now() - frames.awake;
    frames.timed = frames.painted;
    keepHighScore();
  },
  webAwake: () => { frames.awake = performance.now(); },
  print: (text) => console.log(text),
  printErr: (text) => console.warn(text),
  onRuntimeInitialized: () => {
    // main(1, {"gobbler"}), run through its waits; the promise settles when it returns.
    const name = Module._malloc(8), argv = Module._malloc(8);
    Module.stringToUTF8('gobbler', name, 8);
    HEAP32[argv >> 2] = name;
    HEAP32[(argv >> 2) + 1] = 0;
    Module.ccall('main', 'number', ['number', 'number'], [1, argv], { async: true }).then(ended);
  },
  onExit: ended,
  onAbort: (what) => {
    Module.ended = true;
    say('The game stopped with an error: ' + what, true);
  },
};

if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
  say('This browser cannot run WebAssembly, which Gobbler needs. A current browser plays it.', false);
} else {
  const game = document.createElement('script');
  game.src = 'gobbler.js';
  document.body.append(game);
  canvas.focus();
}
