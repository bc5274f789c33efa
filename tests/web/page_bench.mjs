// The page's speed in headless Chromium: the first title picture after the
// navigation, online and on a second visit with no server (the offline
// copy); over 10 s of play the median time from the game waking to its
// going back to sleep (logic, picture and canvas) and the pictures painted a
// second; and the time from a key's event to the browser's next frame after
// the first picture that shows its effect (P: the pause; an arrow: the
// player turned), over 40 presses each. Prints "name value" lines.
//   node page_bench.mjs SITE_DIR
import { serveSite, startChromium } from './browser.mjs';

const server = await serveSite(process.argv[2]);
const chromium = await startChromium();
const page = chromium.page;
const ready = () => page.waitForFunction(() => typeof Module === 'object' && Module.calledRun, null, { timeout: 20000 });
const firstPicture = () => page.waitForFunction(() => window.gobblerFrames.first, null, { timeout: 20000 });

// The browser itself warmed up on another profile first: a player's
// browser is running already; the site is new to the measured one. First
// visits, each on a fresh profile, vary by a third from one to the next on a
// busy machine: the median of five.
const VISITS = 5;
const firsts = [];
for (let i = 0; i <= VISITS; i++) {
  const fresh = i === VISITS ? null : await chromium.browser.newContext({ viewport: { width: 1400, height: 1000 } });
  const tab = fresh ? await fresh.newPage() : page;
  await tab.goto(server.url);
  const at = await (await tab.waitForFunction(() => window.gobblerFrames && window.gobblerFrames.first, null,
                                              { timeout: 20000 })).jsonValue();
  if (i) firsts.push(at);
  if (fresh) await fresh.close();
}
firsts.sort((a, b) => a - b);
console.log(`first_frame_ms ${firsts[VISITS >> 1]}`);
console.log(`first_frames ${firsts.map((t) => t.toFixed(0)).join(',')}`);
await ready();
await page.waitForFunction(() => navigator.serviceWorker.controller, null, { timeout: 10000 });
// Second visits, the first online (the offline copy serves it), then with the server gone.
await page.reload();
await ready();
console.log(`second_visit_ms ${await (await firstPicture()).jsonValue()}`);
server.stop();
await page.reload();
await ready();
console.log(`offline_visit_ms ${await (await firstPicture()).jsonValue()}`);

await page.waitForTimeout(500);
await page.keyboard.press('Space', { delay: 100 });
await page.waitForTimeout(3300);  // the pause before play

const before = await page.evaluate(() => [window.gobblerFrames.painted, performance.now()]);
// Steer round the maze a little so that the player keeps going.
for (const key of ['ArrowRight', 'ArrowUp', 'ArrowLeft', 'ArrowDown', 'ArrowRight']) {
  await page.keyboard.down(key);
  await page.waitForTimeout(2000);
  await page.keyboard.up(key);
}
const after = await page.evaluate(() => [window.gobblerFrames.painted, performance.now(),
                                         Array.from(window.gobblerFrames.took)]);
const painted = after[0] - before[0], seconds = (after[1] - before[1]) / 1000;
const took = after[2].slice(0, Math.min(painted, after[2].length)).sort((a, b) => a - b);
console.log(`median_ms ${took[took.length >> 1].toFixed(3)}`);
console.log(`p95_ms ${took[Math.floor(took.length * 0.95)].toFixed(3)}`);
console.log(`fps ${(painted / seconds).toFixed(2)}`);

// --- key to screen: the key's event, the picture that shows it, the
// browser's next frame (when that picture goes to the screen) ---
await page.evaluate(() => {
  const f = window.gobblerFrames;
  window.keyLatency = [];
  let pending = null;
  const state = (kind) => (kind === 'pause' ? Module._web_game_paused() : Module._web_player_dir());
  window.addEventListener('keydown', (e) => {
    const kind = e.code === 'KeyP' ? 'pause' : 'steer';
    pending = { kind, at: performance.now(), was: state(kind) };
  }, { capture: true });
  f.onPaint = () => {
    if (!pending || state(pending.kind) === pending.was) return;
    const p = pending;
    pending = null;
    requestAnimationFrame(() => window.keyLatency.push([p.kind, performance.now() - p.at]));
  };
});
const presses = 40;
// P at random moments in the frame, paused and resumed in turn.
for (let i = 0; i < presses; i++) {
  await page.waitForTimeout(150 + Math.random() * 17);
  await page.keyboard.press('KeyP', { delay: 50 });
}
// Turning back and forth in a corridor: each press reverses the player.
const dir = await page.evaluate(() => Module._web_player_dir());
let key = dir === 1 ? 'ArrowLeft' : 'ArrowRight';
for (let i = 0; i < presses; i++) {
  await page.waitForTimeout(120 + Math.random() * 17);
  await page.keyboard.down(key);
  await page.waitForTimeout(50);
  await page.keyboard.up(key);
  key = key === 'ArrowLeft' ? 'ArrowRight' : 'ArrowLeft';
}
await page.waitForTimeout(200);
const samples = await page.evaluate(() => window.keyLatency);
for (const kind of ['pause', 'steer']) {
  const ms = samples.filter((s) => s[0] === kind).map((s) => s[1]).sort((a, b) => a - b);
  console.log(`key_${kind}_count ${ms.length}`);
  if (!ms.length) continue;
  console.log(`key_${kind}_median_ms ${ms[ms.length >> 1].toFixed(2)}`);
  console.log(`key_${kind}_p90_ms ${ms[Math.floor(ms.length * 0.9)].toFixed(2)}`);
}
await chromium.close();
server.close();
