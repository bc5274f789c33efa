// The page in headless Chromium: the title shows; a key starts a game whose
// first picture is the desktop build's, pixel for pixel; the canvas is shown
// as whole blocks of that picture; arrows steer; P, Pause and a lost focus
// freeze the picture; sound reaches WebAudio; F1 switches full screen; the
// high score survives a reload, a damaged one counts as none; the game that
// set it is kept and replays to the same last picture; a gamepad and
// a touch screen start a game and steer; Escape on the
// title ends the program and the page says so; a browser without
// WebAssembly gets a plain message.
//   node page_test.mjs SITE_DIR NATIVE_REPLAY_HASHES RECORDING
import { execFileSync } from 'node:child_process';
import { unlinkSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';

import { serveSite, startChromium } from './browser.mjs';

const [site, nativeHashes, recording] = process.argv.slice(2);
// The hash of the picture a new game starts with, from the desktop build.
// The desktop program beside it, and the pictures and sounds beside the recordings.
const nativeGobbler = resolve(dirname(nativeHashes), '..', 'gobbler');
const dataDir = resolve(dirname(recording), '..', '..', 'data');
const startHash = execFileSync(nativeHashes, [recording]).toString().match(/^start ([0-9a-f]{8})$/m)[1];

const server = await serveSite(site);
const url = server.url;
const chromium = await startChromium();
const page = chromium.page;
const errors = [];
page.on('pageerror', (e) => errors.push(e.message));

let failures = 0;
function check(ok, what) {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
  if (!ok) failures++;
}
const sleep = (ms) => page.waitForTimeout(ms);
// The game reads most keys as held in a frame, so a press lasts a few frames.
const press = (key) => page.keyboard.press(key, { delay: 100 });

// Runs in the page: the canvas as the game's 16-bit 5-6-5 picture hashed
// like replay_hashes does, and counts of pixels in given boxes.
const canvasHash = () => page.evaluate(() => {
  const d = document.getElementById('game').getContext('2d').getImageData(0, 0, 640, 480).data;
  let h = 2166136261;
  for (let i = 0; i < d.length; i += 4) {
    const p = (d[i] >> 3) << 11 | (d[i + 1] >> 2) << 5 | d[i + 2] >> 3;
    h = Math.imul(h ^ (p & 255), 16777619) >>> 0;
    h = Math.imul(h ^ (p >> 8), 16777619) >>> 0;
  }
  return h.toString(16).padStart(8, '0');
});
// White-ish pixels (the dots) in a box of the canvas.
const dotPixels = (x, y, w, h) => page.evaluate(([x, y, w, h]) => {
  const d = document.getElementById('game').getContext('2d').getImageData(x, y, w, h).data;
  let n = 0;
  for (let i = 0; i < d.length; i += 4) n += d[i] > 200 && d[i + 1] > 200 && d[i + 2] > 200;
  return n;
}, [x, y, w, h]);
async function waitFor(test, ms) {
  for (const end = Date.now() + ms; Date.now() < end; await sleep(50)) if (await test()) return true;
  return false;
}
const started = () => page.evaluate(() => typeof Module === 'object' && !!Module.calledRun);

// --- title ---
await page.goto(url);
check(await waitFor(started, 20000), 'the game starts in the page');
check(await page.isVisible('#sound-note'), 'the page says sound starts with the first key');
await sleep(1000);
const title1 = await canvasHash();
await sleep(500);
const title2 = await canvasHash();
const lit = await page.evaluate(() => {
  const d = document.getElementById('game').getContext('2d').getImageData(0, 0, 640, 480).data;
  let n = 0;
  for (let i = 0; i < d.length; i += 4) n += (d[i] | d[i + 1] | d[i + 2]) !== 0;
  return n / (640 * 480);
});
check(lit > 0.2 && title1 !== title2, `the title shows and its parade moves (${(lit * 100).toFixed(0)} % lit)`);

// --- a key starts a game: the desktop's first picture ---
await press('Space');
check(await waitFor(async () => (await canvasHash()) === startHash, 2500), `a key starts a game whose first picture is the desktop build's (${startHash})`);
check(await waitFor(async () => !(await page.isVisible('#sound-note')), 2000), 'the sound note goes once sound has started');
check(await waitFor(() => page.evaluate(() => window.gobblerSoundLevel() > 0.01), 2500), 'sound reaches WebAudio');

// --- the canvas on screen: every picture pixel a 2x2 block, no smoothing ---
const box = await page.evaluate(() => {
  const r = document.getElementById('game').getBoundingClientRect();
  return { x: r.x, y: r.y, width: r.width, height: r.height };
});
check(box.width === 1280 && box.height === 960, `the largest whole scale that fits 1400x1000 is 2 (${box.width}x${box.height})`);
const shot = (await page.screenshot({ clip: box })).toString('base64');
const blockMismatch = await page.evaluate(async (png) => {
  const img = new Image();
  img.src = 'data:image/png;base64,' + png;
  await img.decode();
  const c = document.createElement('canvas');
  c.width = img.width, c.height = img.height;
  const g = c.getContext('2d');
  g.drawImage(img, 0, 0);
  const shown = g.getImageData(0, 0, c.width, c.height).data;
  const game = document.getElementById('game').getContext('2d').getImageData(0, 0, 640, 480).data;
  let bad = 0;
  // The outermost ring may be blended by the screenshot's clipping.
  for (let y = 1; y < c.height - 1; y++)
    for (let x = 1; x < c.width - 1; x++) {
      const s = (y * c.width + x) * 4, p = ((y >> 1) * 640 + (x >> 1)) * 4;
      if (shown[s] !== game[p] || shown[s + 1] !== game[p + 1] || shown[s + 2] !== game[p + 2]) bad++;
    }
  return bad;
}, shot);
check(blockMismatch === 0, `the canvas on screen equals the picture block for block (${blockMismatch} pixels differ)`);

// --- F1 asks for the browser's full screen and leaves it ---
await press('F1');
check(await waitFor(() => page.evaluate(() => !!document.fullscreenElement), 2000), 'F1 takes the page to full screen');
await press('F1');
check(await waitFor(() => page.evaluate(() => !document.fullscreenElement), 2000), 'F1 again leaves it');

// --- arrows steer: the player starts at x 240 heading left on the row of
// dots at y 320; held right, it eats the dots right of its start instead ---
const rightDots = () => dotPixels(280, 316, 40, 8), leftDots = () => dotPixels(150, 316, 60, 8);
const dotsBefore = [await rightDots(), await leftDots()];
// The picture stands still through the pause before play.
await waitFor(async () => (await canvasHash()) !== startHash, 4000);
await page.keyboard.down('ArrowRight');
await sleep(1500);
await page.keyboard.up('ArrowRight');
const dotsAfter = [await rightDots(), await leftDots()];
check(dotsBefore[0] > 0 && dotsAfter[0] === 0 && dotsAfter[1] === dotsBefore[1],
      `holding the right arrow eats the dots to the right, not the left (${dotsBefore} -> ${dotsAfter})`);

// --- P, and Pause (a toggle without releases, as on the desktop), freeze
// the picture and let it go on again; so does losing the focus ---
async function freezes(what, pause, again, resume = pause) {
  await pause();
  await sleep(300);
  const frozen = await canvasHash();
  await sleep(1000);
  check(frozen === await canvasHash(), `${what} freezes the picture`);
  await resume();
  await sleep(500);
  check(frozen !== await canvasHash(), `${again} lets the game go on`);
}
await freezes('P', () => press('KeyP'), 'P again');
await freezes('Pause', () => press('Pause'), 'Pause again');
await freezes('losing the focus', () => page.evaluate(() => window.dispatchEvent(new Event('blur'))), 'then P',
              () => press('KeyP'));

// --- Escape ends the game; its score is kept across a reload ---
await press('Escape');
await sleep(300);
const gameOverHash = await canvasHash();  // the " GAME OVER " box over the last picture
check(await waitFor(() => page.evaluate(() => /^[0-9a-f]{8}$/.test(localStorage.getItem('gobbler.hi') || '')), 4000),
      'the game\'s score goes to the browser\'s storage as 4 bytes in hex');
const stored = await page.evaluate(() => localStorage.getItem('gobbler.hi'));
const score = Buffer.from(stored, 'hex').readInt32LE(0);
check(score > 0, `the stored score is the game's (${score})`);

// --- the game that set the record is kept beside it: watched in the page, it ends on the
// game's last picture (the viewer's right arrow held runs it faster and steers nothing); the
// desktop build verifies the page's file ---
check(await waitFor(() => page.isVisible('#watch'), 4000) && await page.isVisible('#download'),
      'a game that sets a record offers "Watch best game" and "Download"');
const recFile = join(tmpdir(), `gobbler-page-${process.pid}.rec`);
writeFileSync(recFile, Buffer.from(await page.evaluate(() => localStorage.getItem('gobbler.rec') || ''), 'base64'));
let verified = '';
try {
  verified = execFileSync(nativeGobbler, ['--data', dataDir, '--verify', recFile]).toString();
} catch (e) { verified = String(e.stderr || e); }
unlinkSync(recFile);
check(verified.includes(` ${score.toLocaleString('en-US')} points`) && /: verified\n$/.test(verified),
      `the page's recording verifies on the desktop to the stored score (${verified.trim()})`);
await page.click('#watch');
check(await waitFor(started, 20000), '"Watch best game" starts the replay');
await page.focus('#game');
await page.keyboard.down('ArrowRight');
check(await waitFor(async () => (await canvasHash()) === gameOverHash, 60000),
      'the replay ends on the same picture as the game did');
await page.keyboard.up('ArrowRight');
check(await waitFor(() => page.isVisible('#message'), 5000), 'the page says when the replay has ended');
await page.reload();
await waitFor(started, 20000);
const file = await page.evaluate(() => Array.from(Module.FS.readFile('/gobbler.hi')));
check(Buffer.from(file).toString('hex') === stored, 'after a reload the game reads the stored high score');
await sleep(500);
await press('Space');
await sleep(1000);
check(await canvasHash() !== startHash, 'the new game shows the high score');

// --- a damaged stored score counts as none ---
await page.evaluate(() => localStorage.setItem('gobbler.hi', 'not a score'));
await page.reload();
check(await waitFor(started, 20000), 'a damaged stored score does not stop the game');
await sleep(500);
await press('Space');
check(await waitFor(async () => (await canvasHash()) === startHash, 2500), 'a damaged stored score counts as no score');

// --- a gamepad in the standard layout and a touch screen: Start or a tap
// starts a game, then the d-pad or a swipe to the right holds the right arrow ---
await page.addInitScript(() => {
  const pad = { connected: true, axes: [0, 0, 0, 0], buttons: Array.from({ length: 17 }, () => ({ pressed: false })) };
  navigator.getGamepads = () => [pad];
  window.padButton = (i, down) => { pad.buttons[i].pressed = down; };
});
const padHold = (i) => async (ms) => {
  await page.evaluate((i) => window.padButton(i, true), i);
  await sleep(ms);
  await page.evaluate((i) => window.padButton(i, false), i);
};
// A touch from (x, y) lifted dx further right.
const touch = (dx) => page.evaluate((dx) => {
  const at = (type, x) => {
    const e = new Event(type, { cancelable: true });
    e.changedTouches = [{ clientX: x, clientY: 300 }];
    document.getElementById('stage').dispatchEvent(e);
  };
  at('touchstart', 300);
  at('touchend', 300 + dx);
}, dx);
async function startsAndSteers(what, start, holdRight) {
  await page.reload();
  await waitFor(started, 20000);
  await sleep(500);
  await start();
  check(await waitFor(async () => (await canvasHash()) === startHash, 2500), `${what.start} starts a game`);
  const before = await rightDots();
  await waitFor(async () => (await canvasHash()) !== startHash, 4000);
  await holdRight(1500);
  check(before > 0 && await rightDots() === 0, `${what.steer} steers (${before} dots right of the start before)`);
}
await startsAndSteers({ start: 'the pad\'s Start', steer: 'the pad\'s d-pad' }, () => padHold(9)(200), padHold(15));
await startsAndSteers({ start: 'a tap', steer: 'a swipe' }, () => touch(0), async (ms) => { await touch(120); await sleep(ms); });

// --- Escape on the title ends the program ---
await sleep(3200);  // the pause before play (the power pills blink through it)
await press('Escape');
await sleep(2500);  // the game-over box, then the title
await press('Escape');
check(await waitFor(() => page.isVisible('#message'), 3000) &&
      /ended/.test(await page.textContent('#message')), 'Escape on the title ends the game and the page says so');

check(errors.length === 0, `no errors in the page (${errors.join('; ')})`);

// --- a browser without WebAssembly gets a plain message ---
const bare = await chromium.page.context().newPage();
await bare.addInitScript(() => { delete window.WebAssembly; });
await bare.goto(url);
check(/cannot run WebAssembly/.test(await bare.textContent('#message')) && await bare.isVisible('#message'),
      'a browser without WebAssembly gets a plain message');
await chromium.close();
server.close();
console.log(failures ? `${failures} checks failed` : 'all checks passed');
process.exit(failures ? 1 : 0);
