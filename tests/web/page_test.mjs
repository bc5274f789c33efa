// The page in headless Chromium: the title shows; a key starts a game whose
// first picture is the desktop build's, pixel for pixel; the canvas is shown
// as whole blocks of that picture; arrows steer; P, Pause and a lost focus
// freeze the picture; sound reaches WebAudio; F1 switches full screen; the
// high score survives a reload, a damaged one counts as none; the game that
// set it is kept and replays to the same last picture; a gamepad and
// a touch screen start a game and steer; Escape on the
// title ends the program and the page says so; a browser without
// WebAssembly gets a plain message; a tab that goes away mid-game keeps a
// better score, and of two tabs the better record stays.
// In Chromium also: phones, a tablet and desktop windows (device emulation)
// get the picture as large as fits and sharp, and touch controls that
// steer, start, pause and keep off the maze's middle; the site installs
// (its manifest and icons) and plays offline, and a new build replaces the
// offline copy. With "firefox", the same in Firefox ESR, less what it cannot
// emulate.
// GOBBLER_PHONE_SHOT=file.png also saves the upright phone's screen there
// (docs/phone.png).
//   node page_test.mjs SITE_DIR NATIVE_REPLAY_HASHES RECORDING [firefox]
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { unlinkSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';

import { serveSite, startChromium, startFirefox } from './browser.mjs';

const [site, nativeHashes, recording, browserName] = process.argv.slice(2);
const firefox = browserName === 'firefox';
// The hash of the picture a new game starts with, from the desktop build.
// The desktop program beside it, and the pictures and sounds beside the recordings.
const nativeGobbler = resolve(dirname(nativeHashes), '..', 'gobbler');
const dataDir = resolve(dirname(recording), '..', '..', 'data');
const startHash = execFileSync(nativeHashes, [recording]).toString().match(/^start ([0-9a-f]{8})$/m)[1];

const server = await serveSite(site);
const url = server.url;
const chromium = await (firefox ? startFirefox() : startChromium());
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
const canvasHash = (tab = page) => tab.evaluate(() => {
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
const dotPixels = (x, y, w, h, tab = page) => tab.evaluate(([x, y, w, h]) => {
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
check(await page.textContent('#hint') === 'Arrow keys to steer, P to pause' && !await page.isVisible('#pad'),
      'with no touch screen, the page says how to play with keys, and shows no touch controls');
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
check(await waitFor(async () => !(await page.isVisible('#hint')), 1000), 'the line on how to play goes once a game starts');
check(await waitFor(() => page.evaluate(() => window.gobblerSoundLevel() > 0.01), 2500), 'sound reaches WebAudio');

// --- the canvas on screen: every picture pixel a 2x2 block, no smoothing ---
// Runs look(g, img, arg) in the tab, g a 2D context holding the screenshot
// `png` (base64) drawn at its own size, and resolves to what it returns.
function inShot(tab, png, look, arg) {
  return tab.evaluate(async ([png, look, arg]) => {
    const img = new Image();
    img.src = 'data:image/png;base64,' + png;
    await img.decode();
    const c = document.createElement('canvas');
    c.width = img.width, c.height = img.height;
    const g = c.getContext('2d');
    g.drawImage(img, 0, 0);
    return (0, eval)(`(${look})`)(g, img, arg);
  }, [png, look.toString(), arg]);
}

const box = await page.evaluate(() => {
  const r = document.getElementById('game').getBoundingClientRect();
  return { x: r.x, y: r.y, width: r.width, height: r.height };
});
check(box.width === 1280 && box.height === 960, `the largest whole scale that fits 1400x1000 is 2 (${box.width}x${box.height})`);
// (The recording's buttons, half seen over the picture's corner where the
// black around it is too thin for them, are out of the way for the shot.)
await page.evaluate(() => { document.getElementById('recording').style.visibility = 'hidden'; });
const shot = (await page.screenshot({ clip: box })).toString('base64');
await page.evaluate(() => { document.getElementById('recording').style.visibility = ''; });
const blockMismatch = await inShot(page, shot, (g, img) => {
  const shown = g.getImageData(0, 0, img.width, img.height).data;
  const game = document.getElementById('game').getContext('2d').getImageData(0, 0, 640, 480).data;
  let bad = 0;
  // The outermost ring may be blended by the screenshot's clipping.
  for (let y = 1; y < img.height - 1; y++)
    for (let x = 1; x < img.width - 1; x++) {
      const s = (y * img.width + x) * 4, p = ((y >> 1) * 640 + (x >> 1)) * 4;
      if (shown[s] !== game[p] || shown[s + 1] !== game[p + 1] || shown[s + 2] !== game[p + 2]) bad++;
    }
  return bad;
});
check(blockMismatch === 0, `the canvas on screen equals the picture block for block (${blockMismatch} pixels differ)`);

// --- F1 asks for the browser's full screen and leaves it ---
if (!firefox) {
await press('F1');
check(await waitFor(() => page.evaluate(() => !!document.fullscreenElement), 2000), 'F1 takes the page to full screen');
await press('F1');
check(await waitFor(() => page.evaluate(() => !document.fullscreenElement), 2000), 'F1 again leaves it');
}

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
const storedScore = () => page.evaluate(() => {
  const hex = localStorage.getItem('gobbler.hi');
  return /^[0-9a-f]{8}$/.test(hex || '') ? new DataView(Uint8Array.from(hex.match(/../g), (h) => parseInt(h, 16)).buffer).getInt32(0, true) : -1;
});
const inPlay = () => page.evaluate(() => Module._web_game_score());
async function startsAndSteers(what, start, holdRight) {
  const scoreInPlay = await inPlay();
  await page.reload();
  await waitFor(started, 20000);
  if (scoreInPlay > 0) {
    // The game left behind scored: the page kept it as it went away.
    check(await storedScore() === scoreInPlay, `a tab reloaded mid-game keeps its better score (${scoreInPlay})`);
    await page.evaluate(() => localStorage.clear());
    await page.reload();
    await waitFor(started, 20000);
  }
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
if (!firefox) {
// --- two tabs: the better game ends first, the worse one later; the record
// stays the better, and the other tab's game file gets it for its next game ---
{
  const context = await chromium.browser.newContext({ viewport: { width: 800, height: 600 } });
  const [a, b] = [await context.newPage(), await context.newPage()];
  const play = async (tab, ms) => {
    await tab.goto(url);
    await tab.waitForFunction(() => typeof Module === 'object' && Module.calledRun, null, { timeout: 20000 });
    await tab.waitForTimeout(500);
    await tab.keyboard.press('Space', { delay: 100 });
    await tab.waitForTimeout(3500);  // the pause before play
    // With no key held the player runs left, eating, through the tunnel and on:
    // the longer the game runs the more it scores. Paused, its score is its last.
    await tab.waitForTimeout(ms);
    await tab.keyboard.press('KeyP', { delay: 100 });
    await tab.waitForFunction(() => Module._web_game_paused(), null, { timeout: 5000 });
    return tab.evaluate(() => Module._web_game_score());
  };
  const end = async (tab) => {
    await tab.bringToFront();
    await tab.keyboard.press('Escape', { delay: 100 });
    await tab.waitForFunction(() => Module._web_game_score() < 0, null, { timeout: 5000 });
  };
  const worse = await play(b, 300), better = await play(a, 3000);
  await end(a);
  await end(b);
  const record = await b.evaluate(() => [localStorage.getItem('gobbler.hi'), Array.from(Module.FS.readFile('/gobbler.hi'))]);
  const value = Buffer.from(record[0] || '00000000', 'hex').readInt32LE(0);
  check(worse > 0 && better > worse && value === better && Buffer.from(record[1]).readInt32LE(0) === better,
        `two tabs: the better record (${better}) stays when the worse game (${worse}) ends later, also in that tab's game (${value})`);
  await context.close();
}

// --- screens: the picture as large as fits, sharp, the controls off the maze's middle ---
const SCREENS = [
  { name: 'phone upright', width: 390, height: 844, ratio: 3, touch: true },
  { name: 'phone sideways', width: 844, height: 390, ratio: 3, touch: true },
  { name: 'small phone sideways', width: 667, height: 375, ratio: 2, touch: true },
  { name: 'tablet', width: 820, height: 1180, ratio: 2, touch: true },
  { name: 'tablet sideways', width: 1180, height: 820, ratio: 2, touch: true },
  { name: 'desktop window', width: 1280, height: 650, ratio: 1, touch: false },
  { name: 'desktop window at 1.25', width: 1280, height: 650, ratio: 1.25, touch: false },
  { name: 'desktop window at 1.5', width: 1000, height: 700, ratio: 1.5, touch: false },
];
// The maze's middle, in picture pixels: no control may lie over it.
const MIDDLE = { x: 112, y: 112, w: 288, h: 256 };

// A finger on the screen, through Chromium's own touch input: put(id, label)
// on a button found by its label, lift() every finger.
async function fingers(tab) {
  const cdp = await tab.context().newCDPSession(tab);
  const down = new Map();
  const centre = async (label) => {
    const r = await tab.getByRole('button', { name: label, exact: true }).boundingBox();
    return { x: r.x + r.width / 2, y: r.y + r.height / 2 };
  };
  return {
    put: async (id, label) => {
      const was = down.size, moved = down.has(id);
      down.set(id, { id, ...await centre(label) });
      await cdp.send('Input.dispatchTouchEvent', { type: was && moved ? 'touchMove' : 'touchStart', touchPoints: [...down.values()] });
    },
    lift: async () => {
      down.clear();
      await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    },
    tap: async (label) => {
      down.set(99, { id: 99, ...await centre(label) });
      await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [...down.values()] });
      await tab.waitForTimeout(150);
      down.delete(99);
      await cdp.send('Input.dispatchTouchEvent', { type: down.size ? 'touchMove' : 'touchEnd', touchPoints: [...down.values()] });
    },
  };
}

// The screen's device pixels over the picture against the game's picture:
// a device pixel wholly inside one picture pixel has its colour; one across
// an edge is a blend of the pixels it touches, never anything else.
// (The controls and the recording's buttons, half transparent over the
// picture's edges on small screens, are out of the way for the shot.)
async function sharpness(tab) {
  const aside = (v) => tab.evaluate((v) => { for (const id of ['pad', 'recording']) document.getElementById(id).style.visibility = v; }, v);
  await aside('hidden');
  const png = (await tab.screenshot()).toString('base64');
  await aside('');
  return inShot(tab, png, (g, img, [W, H]) => {
    const ratio = img.width / innerWidth;
    const shownEl = document.getElementById('stage').classList.contains('sharp') ? 'view' : 'game';
    const r = document.getElementById(shownEl).getBoundingClientRect();
    const x0 = Math.round(r.x * ratio), y0 = Math.round(r.y * ratio), dw = Math.round(r.width * ratio), dh = Math.round(r.height * ratio);
    const shown = g.getImageData(x0, y0, dw, dh).data;
    const pic = document.getElementById('game').getContext('2d').getImageData(0, 0, W, H).data;
    const span = (d, n, N) => [Math.floor(d * N / n), Math.ceil((d + 1) * N / n) - 1];
    let bad = 0, blended = 0;
    for (let y = 0; y < dh; y++) {
      const [v0, v1] = span(y, dh, H);
      for (let x = 0; x < dw; x++) {
        const [u0, u1] = span(x, dw, W);
        const s = (y * dw + x) * 4;
        if (u0 !== u1 || v0 !== v1) blended++;
        for (let k = 0; k < 3; k++) {
          let lo = 255, hi = 0;
          for (let v = v0; v <= v1; v++) for (let u = u0; u <= u1; u++) {
            const p = pic[(v * W + u) * 4 + k];
            lo = Math.min(lo, p), hi = Math.max(hi, p);
          }
          if (shown[s + k] < lo - 2 || shown[s + k] > hi + 2) { bad++; break; }
        }
      }
    }
    return { bad, blended: blended / (dw * dh), css: [r.x, r.y, r.width, r.height], device: [dw, dh], mode: shownEl };
  }, [640, 480]);
}

let phoneShot = null;
for (const screen of SCREENS) {
  const context = await chromium.browser.newContext({
    viewport: { width: screen.width, height: screen.height }, deviceScaleFactor: screen.ratio,
    isMobile: screen.touch, hasTouch: screen.touch,
  });
  // A best game kept already: all three of the recording's buttons shown.
  await context.addInitScript(() => { if (!localStorage.getItem('gobbler.rec')) localStorage.setItem('gobbler.rec', btoa('GREC')); });
  const tab = await context.newPage();
  tab.on('pageerror', (e) => errors.push(`${screen.name}: ${e.message}`));
  await tab.goto(url);
  await tab.waitForFunction(() => typeof Module === 'object' && Module.calledRun, null, { timeout: 20000 });
  const label = `${screen.name} (${screen.width}x${screen.height} x${screen.ratio})`;
  const hint = await tab.textContent('#hint');
  check(hint === (screen.touch ? 'Swipe or use the arrows' : 'Arrow keys to steer, P to pause') &&
        await tab.isVisible('#pad') === screen.touch, `${label}: touch controls ${screen.touch ? 'shown' : 'not shown'}, the line "${hint}"`);
  const hand = screen.touch ? await fingers(tab) : null;
  await tab.waitForTimeout(500);
  // A game, paused: a still picture to compare.
  if (hand) await hand.tap('Start'); else await tab.keyboard.press('Space', { delay: 100 });
  await tab.waitForTimeout(3400);  // the pause before play
  if (hand) await hand.tap('Pause'); else await tab.keyboard.press('KeyP', { delay: 100 });
  await tab.waitForTimeout(400);
  const paused = await tab.evaluate(() => Module._web_game_paused());
  const result = await sharpness(tab);
  const [x, y, w, h] = result.css;
  const fill = Math.max(w / screen.width, h / screen.height);
  check(paused === 1 && fill >= 0.95 && x >= -0.5 && y >= -0.5 && x + w <= screen.width + 0.5 && y + h <= screen.height + 0.5,
        `${label}: the picture spans ${(fill * 100).toFixed(1)} % of the side that limits it (${w.toFixed(1)}x${h.toFixed(1)})`);
  check(result.bad === 0, `${label}: sharp (${result.mode}, ${result.device.join('x')} device pixels, ` +
        `${(result.blended * 100).toFixed(1)} % on edges; ${result.bad} pixels off)`);
  if (hand) {
    const buttons = await tab.evaluate(([x, y, w, h, m]) => Array.from(document.querySelectorAll('#pad button'), (b) => {
      const r = b.getBoundingClientRect();
      // The button's box in picture pixels, against the middle.
      const px = (r.x - x) * 640 / w, py = (r.y - y) * 480 / h, pw = r.width * 640 / w, ph = r.height * 480 / h;
      const overMiddle = px < m.x + m.w && px + pw > m.x && py < m.y + m.h && py + ph > m.y;
      return { label: b.getAttribute('aria-label'), w: r.width, h: r.height, overMiddle,
               inside: r.x >= 0 && r.y >= 0 && r.right <= innerWidth && r.bottom <= innerHeight };
    }), [x, y, w, h, MIDDLE]);
    const labels = buttons.map((b) => b.label).sort().join(' ');
    const wrong = buttons.filter((b) => b.w < 48 || b.h < 48 || b.overMiddle || !b.inside).map((b) => b.label);
    check(labels === 'Down Left Pause Right Start Up' && wrong.length === 0,
          `${label}: six buttons of 48x48 or more on the screen, none over the maze's middle (${labels}; wrong: ${wrong})`);
  }
  // The recording's buttons: on the screen, off the maze's middle and the
  // touch controls, and over the picture only half seen.
  const bar = await tab.evaluate(([x, y, w, h, m]) => {
    const boxes = (sel) => Array.from(document.querySelectorAll(sel), (b) => b.getBoundingClientRect()).filter((r) => r.width > 0);
    const meets = (a, b) => a.x < b.right && a.right > b.x && a.y < b.bottom && a.bottom > b.y;
    const middle = new DOMRect(x + m.x * w / 640, y + m.y * h / 480, m.w * w / 640, m.h * h / 480);
    const picture = new DOMRect(x, y, w, h), pad = boxes('#pad:not([hidden]) button');
    const own = boxes('#recording button, #recording a, #recording label');
    return {
      shown: own.length, place: document.getElementById('recording').className || 'border',
      wrong: own.filter((r) => r.x < 0 || r.y < 0 || r.right > innerWidth || r.bottom > innerHeight || meets(r, middle) ||
                               pad.some((p) => meets(r, p)) ||
                               (meets(r, picture) && getComputedStyle(document.getElementById('recording')).opacity !== '0.5')).length,
    };
  }, [x, y, w, h, MIDDLE]);
  check(bar.shown === 3 && bar.wrong === 0,
        `${label}: the recording's ${bar.shown} buttons (${bar.place}) on the screen, off the maze's middle and the controls, over the picture only half seen (${bar.wrong} wrong)`);
  if (screen.name === 'phone upright') phoneShot = await tab.screenshot({ scale: 'css' });
  await context.close();
}
if (process.env.GOBBLER_PHONE_SHOT && phoneShot) fs.writeFileSync(process.env.GOBBLER_PHONE_SHOT, phoneShot);

// --- touch controls on a phone: Start starts, a held arrow steers, sliding
// to another turns, a second finger pauses, a key hides them ---
{
  const context = await chromium.browser.newContext({ viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
  const tab = await context.newPage();
  await tab.goto(url);
  await tab.waitForFunction(() => typeof Module === 'object' && Module.calledRun, null, { timeout: 20000 });
  await tab.waitForTimeout(500);
  const hand = await fingers(tab);
  const hash = () => canvasHash(tab), dots = (x, y, w, h) => dotPixels(x, y, w, h, tab);
  await hand.tap('Start');
  let first = false;
  for (let i = 0; i < 40 && !first; i++, await tab.waitForTimeout(50)) first = (await hash()) === startHash;
  check(first, 'touch: Start starts a game');
  await tab.waitForTimeout(3300);  // the pause before play
  const before = [await dots(280, 316, 40, 8), await dots(150, 316, 60, 8)];
  await hand.put(1, 'Right');
  await tab.waitForTimeout(2000);
  const right = [await dots(280, 316, 40, 8), await dots(150, 316, 60, 8)];
  await hand.put(1, 'Left');  // the same finger, slid across without lifting
  await tab.waitForTimeout(3500);
  const left = [await dots(280, 316, 40, 8), await dots(150, 316, 60, 8)];
  check(before[0] > 0 && right[0] === 0 && left[1] < right[1],
        `touch: the held Right arrow eats the dots to the right, sliding to Left turns back (${before} -> ${right} -> ${left})`);
  await hand.put(2, 'Pause');  // a second finger, the first still on Left
  await tab.waitForTimeout(300);
  const frozen = await hash();
  await tab.waitForTimeout(600);
  const still = (await hash()) === frozen && await tab.evaluate(() => Module._web_game_paused()) === 1;
  await hand.lift();
  await tab.waitForTimeout(200);
  await hand.tap('Pause');
  await tab.waitForTimeout(500);
  check(still && (await hash()) !== frozen, 'touch: Pause, pressed with another finger on an arrow, pauses, and again resumes');
  await tab.keyboard.press('ShiftLeft');
  const hidden = !await tab.isVisible('#pad');
  await hand.tap('Pause').catch(() => {});  // hidden: a touch anywhere brings them back
  await tab.touchscreen.tap(200, 700);
  check(hidden && await tab.isVisible('#pad'), 'touch: the controls hide when a key is used and come back with a touch');
  await context.close();
}

// --- installable: the manifest and its icons ---
{
  const manifest = await page.evaluate(async () => {
    const link = document.querySelector('link[rel=manifest]'), apple = document.querySelector('link[rel=apple-touch-icon]');
    const m = await (await fetch(link.href)).json();
    const size = async (src) => { const i = new Image(); i.src = new URL(src, link.href); await i.decode(); return `${i.naturalWidth}x${i.naturalHeight}`; };
    return { m, icons: await Promise.all(m.icons.map((i) => size(i.src))), apple: await size(apple.href) };
  });
  const m = manifest.m;
  const relative = (u) => typeof u === 'string' && !/^[a-z]+:|^\//.test(u);
  check(m.name === 'Gobbler' && m.short_name && relative(m.start_url) && relative(m.scope) && m.display === 'fullscreen' &&
        m.display_override.includes('standalone') && m.background_color === '#000000' && m.theme_color === '#000000',
        'the manifest has the name, relative start and scope, full screen, black colours');
  check(m.icons.map((i) => i.sizes).join() === manifest.icons.join() && manifest.icons.join() === '192x192,512x512' &&
        m.icons.every((i) => relative(i.src)) && manifest.apple === '180x180',
        `its icons exist at their sizes (${manifest.icons}; home screen ${manifest.apple})`);
}

// --- offline: a second visit with no network plays; a new build put on the
// host replaces the offline copy, never mixed with the old ---
{
  const context = await chromium.browser.newContext({ viewport: { width: 800, height: 600 } });
  const tab = await context.newPage();
  const copy = fs.mkdtempSync(path.join(os.tmpdir(), 'gobbler-site-'));
  fs.cpSync(site, copy, { recursive: true });
  const host = await serveSite(copy);
  const ready = () => tab.waitForFunction(() => typeof Module === 'object' && Module.calledRun, null, { timeout: 20000 });
  const cached = () => tab.evaluate(async () => {
    const names = (await caches.keys()).filter((n) => n.startsWith('gobbler-'));
    return Promise.all(names.map(async (n) => [n, (await (await caches.open(n)).keys()).length]));
  });
  await tab.goto(host.url);
  await ready();
  await tab.waitForFunction(() => navigator.serviceWorker.controller, null, { timeout: 10000 });
  // Every file but the worker itself, and the folder's own address.
  const files = fs.readdirSync(copy).length;
  const first = await cached();
  check(first.length === 1 && first[0][1] === files, `the first visit keeps every file of the site offline (${first})`);
  host.stop();
  await tab.reload();
  await ready();
  await tab.waitForTimeout(500);
  await tab.keyboard.press('Space', { delay: 100 });
  let played = false;
  for (let i = 0; i < 40 && !played; i++, await tab.waitForTimeout(50))
    played = await tab.evaluate(() => Module._web_game_score() === 0);
  check(played && errors.length === 0, 'with the server gone, a reload plays a game');
  // A new build: another page, another .js and another .wasm (a custom
  // section more), and their worker.
  fs.writeFileSync(path.join(copy, 'index.html'),
                   fs.readFileSync(path.join(copy, 'index.html'), 'utf8').replace('<title>', '<meta name="build" content="new"><title>'));
  fs.appendFileSync(path.join(copy, 'gobbler.js'), '\nwindow.newBuild = true;\n');
  fs.appendFileSync(path.join(copy, 'gobbler.wasm'), Buffer.concat([Buffer.from([0, 8, 7]), Buffer.from('new-one')]));
  const wasmBytes = fs.statSync(path.join(copy, 'gobbler.wasm')).size;
  const source = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../..');
  execFileSync('cmake', [`-DSITE=${copy}`, `-DTEMPLATE=${source}/web/offline_worker.js`, '-P', `${source}/cmake/offline_worker.cmake`]);
  host.serve(copy);
  // What the page loaded: its own page and script.
  const build = () => tab.evaluate(() => [!!document.querySelector('meta[name=build]'), !!window.newBuild]);
  const seen = [];
  let replaced = false;
  for (let visit = 0; visit < 4 && !replaced; visit++) {
    await tab.reload();
    await ready();
    await tab.waitForTimeout(1000);
    const [newPage, newScript] = await build();
    seen.push(`${newPage ? 'new' : 'old'} page, ${newScript ? 'new' : 'old'} script`);
    replaced = newPage && newScript;
    if (newPage !== newScript) break;
  }
  const after = await cached();
  const wasmKept = await tab.evaluate(async (n) => (await (await (await caches.open(n)).match('gobbler.wasm')).arrayBuffer()).byteLength, after[0][0]);
  check(replaced && after.length === 1 && after[0][0] !== first[0][0] && wasmKept === wasmBytes,
        `a new build replaces the offline copy and the old one goes, never mixed (${seen.join('; ')}; ${after})`);
  host.close();
  fs.rmSync(copy, { recursive: true, force: true });
  await context.close();
}
check(errors.length === 0, `no errors in the emulated screens and tabs (${errors.join('; ')})`);
}

await chromium.close();
server.close();
console.log(failures ? `${failures} checks failed` : 'all checks passed');
process.exit(failures ? 1 : 0);
