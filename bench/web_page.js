// The browser game's targets, measured in headless Chromium on this machine: the page's
// load to its first drawn frame, the gzip transfer of the whole page, and the game's speed
// (game frames and drawn frames a second) over a played day.
// usage: bash scripts/web.sh --build && (cd web && npm ci) && node bench/web_page.js [SECONDS] [LOADS]
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');
const h = require('../web/test/harness');

const seconds = Number(process.argv[2] || 30);
const loads = Number(process.argv[3] || 5);
const site = process.env.QUORVEL_SITE || path.join(__dirname, '../build-web/site');
const kb = (bytes) => `${(bytes / 1024).toFixed(0)} KB`;

function transfer() {
  let total = 0;
  for (const name of fs.readdirSync(site)) {
    const data = fs.readFileSync(path.join(site, name));
    const gzipped = zlib.gzipSync(data, { level: 6 }).length;
    total += gzipped;
    console.log(`  ${name.padEnd(14)} ${kb(data.length).padStart(9)}, gzip ${kb(gzipped).padStart(8)}`);
  }
  return total;
}

// Milliseconds from the start of the navigation to the game's first drawn frame.
async function firstFrame(browser, server) {
  const page = await h.openGame(browser, server, '?mute');
  await page.waitForFunction(() => Module.quorvelFirstFrame !== undefined, { timeout: 30000, polling: 10 });
  const ms = await page.evaluate(() => Module.quorvelFirstFrame);
  await page.browserContext().close();
  return ms;
}

// Game frames, drawn frames and display refreshes a second, measured inside the page.
async function speed(page, ms) {
  return page.evaluate((ms) => new Promise((resolve) => {
    const count = () => [Module._quorvel_frames(0), Module._quorvel_frames(1), performance.now()];
    let refreshes = 0;
    const tick = () => { ++refreshes; if (!done) requestAnimationFrame(tick); };
    let done = false;
    const start = count();
    requestAnimationFrame(tick);
    setTimeout(() => {
      done = true;
      const end = count();
      const s = (end[2] - start[2]) / 1000;
      resolve({ game: (end[0] - start[0]) / s, drawn: (end[1] - start[1]) / s, display: refreshes / s, s });
    }, ms);
  }), ms);
}

async function main() {
  console.log(`${site}`);
  const bytes = transfer();
  console.log(`transfer, gzip: ${(bytes / 1e6).toFixed(2)} MB (target <= 8 MB)`);
  const server = await h.serve();
  const browser = await h.launch();
  try {
    const times = [];
    for (let i = 0; i < loads; ++i)
      times.push(await firstFrame(browser, server));
    times.sort((a, b) => a - b);
    console.log(`load to first frame: median ${times[times.length >> 1].toFixed(0)} ms, ` +
                `worst ${times[times.length - 1].toFixed(0)} ms of ${loads} (target <= 2000 ms)`);

    const page = await h.openGame(browser, server, '?mute');
    await h.waitForFirstFrame(page);
    await h.frames(page, 300);  // past the title's intro
    await h.press(page, 'KeyN');
    await h.until(page, (s) => s.screen === 'objective');
    await h.press(page, 'Enter');
    await h.until(page, (s) => s.screen === 'game');
    const r = await speed(page, seconds * 1000);
    const off = (100 * (r.game - 125)) / 125;
    console.log(`a day, ${r.s.toFixed(1)} s: ${r.game.toFixed(2)} game frames/s (${off >= 0 ? '+' : ''}${off.toFixed(2)} %, ` +
                `target 125 +-1 %), ${r.drawn.toFixed(1)} drawn/s, display ${r.display.toFixed(1)} Hz`);
    if (page.errors.length)
      console.log(`console errors: ${page.errors.join('; ')}`);
  } finally {
    await browser.close();
    server.close();
  }
}

main().catch((error) => { console.error(error); process.exit(1); });
