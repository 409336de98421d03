// What the browser test stands on: a static server for the built page on 127.0.0.1,
// headless Chromium through puppeteer-core, key presses counted in game frames, and the
// native quorvel-replay to compare with.
'use strict';
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const http = require('node:http');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');

const root = path.resolve(__dirname, '../..');
const site = process.env.QUORVEL_SITE || path.join(root, 'build-web/site');
const nativeBuild = process.env.QUORVEL_NATIVE_BUILD || path.join(root, 'build');
const golden = path.join(root, 'tests/data/golden');  // served under /golden/
const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm' };

// Serves the site, and the golden scripts under /golden/; a name in `missing` answers 404, as if it had not been uploaded.
function serve(missing = new Set()) {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname).replace(/^\/$/, '/index.html');
    const base = name.startsWith('/golden/') ? golden : site;
    const file = path.join(base, path.normalize(name.replace(/^\/golden\//, '/')));
    if (!file.startsWith(base) || missing.has(path.basename(file)) || !fs.existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream' });
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

function launch() {
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader', '--autoplay-policy=no-user-gesture-required'],
  });
}

// A page of the game in a fresh browser context (its own storage); every console error
// and uncaught exception is collected in page.errors.
async function openGame(browser, server, query = '', prepare = async () => {}) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  page.errors = [];
  page.on('console', (message) => { if (message.type() === 'error') page.errors.push(message.text()); });
  page.on('pageerror', (error) => page.errors.push(String(error)));
  await page.setViewport({ width: 800, height: 600 });
  await prepare(page);
  await page.goto(`http://127.0.0.1:${server.address().port}/${query}`);
  return page;
}

const dump = (page) => page.evaluate(() => quorvelDump());

async function waitForFirstFrame(page) {
  await page.waitForFunction(() => typeof quorvelDump === 'function' && Module.calledRun && quorvelDump().frame > 0,
    { timeout: 20000, polling: 50 });
}

// Waits until the game has run `count` more frames.
async function frames(page, count) {
  const start = (await dump(page)).frame;
  await page.waitForFunction((until) => quorvelDump().frame >= until, { timeout: 60000, polling: 10 }, start + count);
}

// Waits until test(state) holds for the game's dump.
async function until(page, test, timeout = 60000) {
  const started = Date.now();
  for (;;) {
    const state = await dump(page);
    if (test(state))
      return state;
    if (Date.now() - started > timeout)
      throw new Error(`waited ${timeout} ms for ${test}; the game stands at frame ${state.frame} on ${state.screen}, view ${state.inGameView}, slots ${JSON.stringify(state.slots.map((s) => [s.free, s.selected, s.pickedUp]))}`);
    await new Promise((resolve) => setTimeout(resolve, 20));
  }
}

// A key held for a few frames, then let go for a few: every game frame sees it.
async function press(page, key) {
  await page.keyboard.down(key);
  await frames(page, 3);
  await page.keyboard.up(key);
  await frames(page, 3);
}

// The page's dump, and the native replay tool's dump at the same frame: the recording the
// page made (?record), read in the same turn of the page as the dump and completed to its
// frame, played in a fresh folder.
async function bothDumps(page) {
  let { state, recording } = await page.evaluate(() => ({
    state: quorvelDump(), recording: new TextDecoder().decode(FS.readFile('/quorvel/recording.txt')) }));
  const recorded = [...recording.matchAll(/^frames (\d+)$/gm)].reduce((sum, m) => sum + Number(m[1]), 0);
  if (state.frame > recorded)
    recording += `frames ${state.frame - recorded}\n`;
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'quorvel-web-'));
  try {
    fs.symlinkSync(path.join(nativeBuild, 'Images'), path.join(folder, 'Images'));
    fs.writeFileSync(path.join(folder, 'game.txt'), recording + 'dump\n');
    const out = execFileSync(path.join(nativeBuild, 'quorvel-replay'), ['--no-gl', 'game.txt'], { cwd: folder });
    return { browser: state, native: JSON.parse(out.toString().trim().split('\n').pop()), recording };
  } finally {
    fs.rmSync(folder, { recursive: true, force: true });
  }
}

module.exports = { serve, launch, openGame, dump, waitForFirstFrame, frames, until, press, bothDumps };
