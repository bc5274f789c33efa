// Serving the site on a free local port and starting Debian's Chromium
// headless with a fresh profile, for the page test and the page benchmark.
import { chromium } from 'playwright-core';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';

const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm' };

// Resolves to { url, close() }.
export async function serveSite(site) {
  const server = http.createServer((req, res) => {
    const name = new URL(req.url, 'http://x').pathname;
    const file = path.join(site, path.normalize(name === '/' ? '/index.html' : name));
    fs.readFile(file, (err, body) => {
      if (err) { res.writeHead(404); res.end(); return; }
      res.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream' });
      res.end(body);
    });
  });
  await new Promise((r) => server.listen(0, '127.0.0.1', r));
  return { url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() };
}

// Resolves to { page, close() }; the profile goes with close().
export async function startChromium() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'gobbler-chromium-'));
  const browser = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium', headless: true, viewport: { width: 1400, height: 1000 },
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
  });
  const page = browser.pages()[0] || await browser.newPage();
  return {
    page,
    close: async () => {
      await browser.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}
