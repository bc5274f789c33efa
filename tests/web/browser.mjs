// Serving the site on a free local port and starting Debian's Chromium
// headless with a fresh profile, for the page test and the page benchmark.
import { chromium } from 'playwright-core';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';

const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm', '.png': 'image/png',
                '.webmanifest': 'application/manifest+json' };

// Resolves to { url, close(), stop(), serve(dir) }: stop() fails every request
// as a network that has gone would (a server that is not there), serve()
// changes the folder served, as a new build put on the host.
export async function serveSite(site) {
  let root = site, stopped = false;
  const server = http.createServer((req, res) => {
    if (stopped) { req.socket.destroy(); return; }
    const name = new URL(req.url, 'http://x').pathname;
    const file = path.join(root, path.normalize(name.endsWith('/') ? name + 'index.html' : name));
    fs.readFile(file, (err, body) => {
      if (err) { res.writeHead(404); res.end(); return; }
      res.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream' });
      res.end(body);
    });
  });
  await new Promise((r) => server.listen(0, '127.0.0.1', r));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    close: () => { server.closeAllConnections(); server.close(); },
    stop: () => { stopped = true; server.closeAllConnections(); },
    serve: (dir) => { root = dir; stopped = false; },
  };
}

const CHROMIUM_ARGS = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
                       '--disable-component-update', '--disable-sync'];

// Resolves to { page, browser, close() }: a fresh profile, gone with close();
// browser.newContext() makes more, with their own storage and screens.
export async function startChromium() {
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', headless: true, args: CHROMIUM_ARGS });
  const context = await browser.newContext({ viewport: { width: 1400, height: 1000 } });
  const page = await context.newPage();
  return { page, browser, close: () => browser.close() };
}

// Firefox ESR over WebDriver BiDi, its page dressed in the few of
// Playwright's calls the page test makes. It has no audio device here: a
// mock one lets its sound start.
export async function startFirefox() {
  const puppeteer = (await import('puppeteer-core')).default;
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'gobbler-firefox-'));
  const browser = await puppeteer.launch({
    browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true, protocol: 'webDriverBiDi',
    userDataDir: profile, defaultViewport: { width: 1400, height: 1000 },
    extraPrefsFirefox: { 'media.cubeb.force_mock_context': true, 'media.autoplay.default': 0 },
  });
  const wrap = (page) => {
    const key = (k) => (k === 'Space' ? ' ' : k);
    return {
      goto: (url) => page.goto(url),
      reload: () => page.reload(),
      evaluate: (f, arg) => page.evaluate(f, arg),
      waitForTimeout: (ms) => new Promise((r) => setTimeout(r, ms)),
      addInitScript: (f) => page.evaluateOnNewDocument(f),
      on: (what, f) => page.on(what, f),
      isVisible: (sel) => page.evaluate((s) => { const e = document.querySelector(s); return !!e && !e.hidden && e.getClientRects().length > 0; }, sel),
      click: (sel) => page.click(sel),
      focus: (sel) => page.focus(sel),
      textContent: (sel) => page.evaluate((s) => document.querySelector(s).textContent, sel),
      screenshot: async (o) => Buffer.from(await page.screenshot(o)),
      keyboard: {
        press: (k, o) => page.keyboard.press(key(k), o),
        down: (k) => page.keyboard.down(key(k)),
        up: (k) => page.keyboard.up(key(k)),
      },
      context: () => ({ newPage: async () => wrap(await browser.newPage()) }),
    };
  };
  return {
    page: wrap(await browser.newPage()),
    close: async () => {
      await browser.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}
