// The page's frame time and pace in headless Chromium, over 10 s of play:
// the median time from the game waking to its going back to sleep (logic,
// picture and canvas), and the pictures painted a second. Prints
// "median_ms N", "p95_ms N" and "fps N".
//   node page_bench.mjs SITE_DIR
import { serveSite, startChromium } from './browser.mjs';

const server = await serveSite(process.argv[2]);
const chromium = await startChromium();
const page = chromium.page;
await page.goto(server.url);
await page.waitForFunction(() => typeof Module === 'object' && Module.calledRun, null, { timeout: 20000 });
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
await chromium.close();
server.close();
