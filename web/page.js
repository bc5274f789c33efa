// The page around the game's WebAssembly: its start and end. The concerns
// around it each have a module: the picture's fit (fit.js), keys, touch,
// sound, the stored high score, a phone's habits, the offline copy and
// the best game's recording.
import { canvas, paint } from './fit.js';
import { keepAwake, keepStorage } from './habits.js';
import { keepHighScore, keepScoreInPlay, restoreHighScore } from './high_score.js';
import { keepOffline, offerTakeOver } from './offline.js';
import { keepRecording, mainArguments } from './recording.js';
import { Module, running } from './runtime.js';
import { hideHint, releaseTouches, startControls } from './touch.js';

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

// Losing the focus or being hidden pauses the game; keys held then are let go.
function lostFocus() {
  if (running()) Module._web_focus_lost();
  releaseTouches();
}
window.addEventListener('blur', lostFocus);

// Going away (closed, reloaded, another page, or hidden, which on a phone is
// often the last a page hears): a game in play keeps its score at once, as
// the desktop's close button does.
function goingAway() {
  if (running()) keepScoreInPlay(Module._web_game_score());
}
document.addEventListener('visibilitychange', () => {
  if (!document.hidden) return;
  goingAway();
  lostFocus();
});
window.addEventListener('pagehide', goingAway);

// For measuring: pictures painted, when the first was (from the navigation),
// the time from waking to going back to sleep (logic, picture and canvas)
// of the last frames, and a hook called after each picture.
const frames = window.gobblerFrames = { painted: 0, timed: 0, awake: 0, took: new Float64Array(1200) };

function ended(status) {
  if (Module.ended) return;
  Module.ended = true;
  keepHighScore();
  keepAwake(false);
  keepRecording();
  say(status === 0 ? 'The game has ended.' : 'The game stopped (status ' + status + ').', true);
}

Object.assign(Module, {
  canvas,
  preRun: [restoreHighScore],
  webPaint: (pixels, width, first, end) => {
    paint(pixels, width, first, end);
    if (!frames.painted) {
      frames.first = performance.now();
      // The offline copy is made once the first picture is up, so that its
      // downloads and their storing do not slow the first visit.
      setTimeout(() => {
        keepOffline();
        offerTakeOver();
      });
    }
    frames.painted++;
    if (frames.onPaint) frames.onPaint();
  },
  webIdle: () => {
    // Once a frame: a frame that waits twice paints once.
    if (frames.painted !== frames.timed) frames.took[frames.painted % frames.took.length] = performance.now() - frames.awake;
    frames.timed = frames.painted;
    keepHighScore();
    const score = Module._web_game_score();
    if (score >= 0) hideHint();
    keepAwake(score >= 0 && !Module._web_game_paused());
    keepRecording();
  },
  webAwake: () => { frames.awake = performance.now(); },
  print: (text) => console.log(text),
  printErr: (text) => console.warn(text),
  onRuntimeInitialized: () => {
    // main("gobbler"), or main("gobbler", "--replay", FILE) to play a recording, run through its
    // waits; the promise settles when it returns.
    const args = mainArguments();
    const argv = Module._malloc(4 * (args.length + 1));
    args.forEach((arg, i) => {
      const text = Module._malloc(arg.length + 1);
      Module.stringToUTF8(arg, text, arg.length + 1);
      HEAP32[(argv >> 2) + i] = text;
    });
    HEAP32[(argv >> 2) + args.length] = 0;
    Module.ccall('main', 'number', ['number', 'number'], [args.length, argv], { async: true }).then(ended);
  },
  onExit: ended,
  onAbort: (what) => {
    Module.ended = true;
    say('The game stopped with an error: ' + what, true);
  },
});

startControls();
keepStorage();
if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
  say('This browser cannot run WebAssembly, which Gobbler needs. A current browser plays it.', false);
  // gobbler.js, which runs next, gives up at once: this says why.
  Module.onAbort = () => {};
} else {
  canvas.focus();
}
