// The browser build played in headless Chromium: the same game as the native one, frame
// for frame; the saved game kept across a reload; and the page's bad cases.
'use strict';
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { after, before, test } = require('node:test');
const h = require('./harness');

const shots = process.env.QUORVEL_SHOTS || path.join(__dirname, '../../build-web/shots');
const itemKeys = {
  Megaburger: 'M', Cheeseburger: 'C', Hamburger: 'H', 'Fish Sandwich': 'I', 'Chicken Sandwich': 'E',
  Fries: 'F', 'Cheese Sticks': 'S', 'Tator Tots': 'T', 'Onion Rings': 'N', Coke: 'K', 'Grape Soda': 'G',
  'Orange Soda': 'O', Pepsi: 'P', 'Root Beer': 'R', Lemonade: 'L',
};
let server, browser;

before(async () => {
  fs.mkdirSync(shots, { recursive: true });
  server = await h.serve();
  browser = await h.launch();
});
after(async () => {
  await browser?.close();
  server?.close();
});

async function shot(page, name) {
  await page.screenshot({ path: path.join(shots, `${name}.png`) });
}

// From the title menu to the first car's order keyed, bagged and handed out.
async function serveFirstCar(page) {
  await h.press(page, 'KeyN');  // a new game
  await h.until(page, (s) => s.screen === 'objective');
  await h.press(page, 'Enter');
  await h.until(page, (s) => s.screen === 'game');
  await page.keyboard.down('Enter');  // answers the first car at the speaker
  const state = await h.until(page, (s) => s.orderCounter === 1);
  await page.keyboard.up('Enter');
  for (const item of state.customers[0].order)
    await h.press(page, `Key${itemKeys[item]}`);
  await h.press(page, 'End');
  await shot(page, 'day');
  await h.press(page, 'ArrowRight');  // the kitchen
  await h.press(page, 'Digit1');
  for (let packed = 1; packed <= state.customers[0].order.length; ++packed) {
    await h.until(page, (s) => s.kitchen.length > 0 && s.kitchen[0].progress >= 100);
    await h.press(page, 'Space');
    await h.until(page, (s) => s.slots[0].receipt.lines.filter((line) => line.bagged).length === packed);
  }
  await h.press(page, 'Enter');  // carried to the window, which slides into view
  await h.until(page, (s) => s.inGameView === 2 && s.slots[0].pickedUp, 10000);
  await h.press(page, 'Enter');  // handed out
  return h.until(page, (s) => s.customersServed === 1);
}

test('a day played on the page is the native game, frame for frame', async () => {
  const page = await h.openGame(browser, server, '?record&speed=10');
  await h.waitForFirstFrame(page);
  await h.frames(page, 300);  // past the title's intro
  await shot(page, 'title');
  await serveFirstCar(page);
  const mid = await h.bothDumps(page);
  assert.deepEqual(mid.browser, mid.native, 'the dump after the first car differs from the native game');
  assert.deepEqual(page.errors, []);
});

test("a recorded game watched on the page reaches the native game's report", async () => {
  const page = await h.openGame(browser, server, '?play=/golden/days.txt&record&speed=20');
  await h.waitForFirstFrame(page);
  await h.until(page, (s) => s.dayOver && s.betweenDaysStage === 1, 60000);
  await shot(page, 'report');
  const end = await h.bothDumps(page);
  assert.deepEqual(end.browser, end.native, 'the dump at the report differs from the native game');
  // The recording saves the game: the browser keeps it, and the title offers to load it.
  await page.waitForFunction(() => FS.analyzePath('/quorvel/save/SavedGame.txt').exists, { timeout: 60000 });
  await new Promise((resolve) => setTimeout(resolve, 1000));  // the write to IndexedDB
  assert.deepEqual(page.errors, []);
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
  await h.waitForFirstFrame(page);
  assert.equal((await h.dump(page)).titleMenu.menuOffset, 0, 'no saved game to load after a reload');
});

test('without WebGL, the data file or storage, the page says so', async () => {
  const noWebGL = await h.openGame(browser, server, '', (page) => page.evaluateOnNewDocument(() => {
    const getContext = HTMLCanvasElement.prototype.getContext;
    HTMLCanvasElement.prototype.getContext = function (kind, ...rest) {
      return kind.includes('webgl') ? null : getContext.call(this, kind, ...rest);
    };
  }));
  await noWebGL.waitForFunction(() => document.getElementById('message').textContent.includes('WebGL'));

  const missing = await h.serve(new Set(['quorvel.data']));
  try {
    const noData = await h.openGame(browser, missing);
    await noData.waitForFunction(() => /quorvel.data could not be loaded[^]*Initialization Failed/.test(
      document.getElementById('message').textContent), { timeout: 20000 });
  } finally {
    missing.close();
  }

  const refused = await h.openGame(browser, server, '?play=/golden/days.txt&speed=20', (page) =>
    page.evaluateOnNewDocument(() => {
      IDBFactory.prototype.open = () => { throw new DOMException('no storage here', 'SecurityError'); };
    }));
  await h.waitForFirstFrame(refused);
  await h.until(refused, (s) => s.saveFailed === true, 60000);
  assert.deepEqual(refused.errors, []);
});
