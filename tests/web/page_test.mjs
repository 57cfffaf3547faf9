// The page in headless chromium: a player's first minutes, tapped and typed through real input events.
// Usage: node page_test.mjs FOLDER [TIMING_PAGE NATIVE_TIMING] (the built page; the frame timing's page and its
// native program, to set the two side by side). Prints the measured numbers and "N passed, N failed".
import { mkdir, mkdtemp, readdir, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';

import { compareFrames } from '../../bench/compare_frames.mjs';
import { Browser, evaluate, serveFolder, waitFor } from './devtools.mjs';

const [folder, timingPage, nativeTiming] = process.argv.slice(2);
const scratch = await mkdtemp(join(tmpdir(), 'jetvale-page-'));
const server = await serveFolder(folder);
const url = `http://127.0.0.1:${server.address().port}/`;
const browser = new Browser(join(scratch, 'profile'));
let passed = 0;
let failed = 0;

function check(condition, what) {
  if (condition) {
    passed += 1;
  } else {
    failed += 1;
    console.log(`FAILED: ${what}`);
  }
}

const state = (page) => evaluate(page, 'jetvaleState()');
const sleep = (seconds) => new Promise((resolve) => setTimeout(resolve, seconds * 1000));

// A press and release of the mouse on a landscape pixel of the picture, wherever the page has put it.
async function tapPixel(page, x, y) {
  const box = await evaluate(page, 'JSON.parse(JSON.stringify(document.getElementById("screen").getBoundingClientRect()))');
  const at = { x: box.left + (x + 0.5) * box.width / 320, y: box.top + (y + 0.5) * box.height / 240 };
  for (const type of ['mousePressed', 'mouseReleased']) {
    await page('Input.dispatchMouseEvent', { type, ...at, button: 'left', clickCount: 1 });
  }
  await sleep(0.1);  // a few frames, so the tap is dispatched
}

// Taps the open window's item with this text; false when the window has none.
async function tapItem(page, text) {
  const item = (await state(page)).items.find((candidate) => candidate.text === text);
  if (item === undefined) return false;
  await tapPixel(page, item.x, item.y);
  return true;
}

async function pressKey(page, key, keyCode) {
  for (const type of ['keyDown', 'keyUp']) {
    await page('Input.dispatchKeyEvent', { type, key, code: key, windowsVirtualKeyCode: keyCode });
  }
}

async function reload(page) {
  await evaluate(page, 'location.reload()');
  await sleep(0.2);
  await waitFor(page, 'window.jetvaleFirstPicture !== undefined', 30);
  await sleep(0.2);
}

// The files of the save folder that the browser keeps in its lasting storage: IDBFS keeps each under its path in
// the store FILE_DATA of a database named after the folder.
const keptFiles = (page) => evaluate(page, `new Promise((resolve, reject) => {
  const opened = indexedDB.open('/save');
  opened.onerror = () => reject(opened.error);
  opened.onsuccess = () => {
    const keys = opened.result.transaction('FILE_DATA').objectStore('FILE_DATA').getAllKeys();
    keys.onsuccess = () => { opened.result.close(); resolve(keys.result.map((key) => key.replace('/save/', ''))); };
  };
})`);

// The texts of these files of the save folder, "none" for one that is not there, as JSON.
const storedFiles = (page, names) => evaluate(page, `JSON.stringify(${JSON.stringify(names)}.map((name) =>
  FS.analyzePath("/save/" + name).exists ? FS.readFile("/save/" + name, { encoding: "utf8" }) : "none"))`);

// The canvas's RGBA bytes as a plain array.
const canvasPixels = (page) => evaluate(page,
  'Array.from(document.getElementById("screen").getContext("2d").getImageData(0, 0, 320, 240).data)');

// The pixels that differ between two pictures, in rows top to bottom - 1 (all of them unless given).
function differingPixels(a, b, top = 0, bottom = 240) {
  let count = 0;
  for (let i = top * 320 * 4; i < bottom * 320 * 4; i += 4) {
    if (a[i] !== b[i] || a[i + 1] !== b[i + 1] || a[i + 2] !== b[i + 2]) count += 1;
  }
  return count;
}

try {
  const page = await browser.openPage();
  await browser.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: scratch });

  await page('Page.navigate', { url });
  await waitFor(page, 'window.jetvaleFirstPicture !== undefined', 30);
  const firstPicture = await evaluate(page, 'window.jetvaleFirstPicture');
  console.log(`page load to first picture: ${firstPicture.toFixed(0)} ms`);

  const scale = await evaluate(page, 'document.getElementById("screen").getBoundingClientRect().width / 320');
  check(Number.isInteger(scale) && scale >= 2, `the picture is scaled by a whole factor (${scale})`);
  const rendering = await evaluate(page, 'getComputedStyle(document.getElementById("screen")).imageRendering');
  check(rendering === 'pixelated', 'pixels stay sharp');

  // The game opens on the Tools menu; the title line reads "Jetvale" in white at the top right.
  const opening = await canvasPixels(page);
  check((await state(page)).items.some((item) => item.text === 'New Game'), 'the Tools menu is open');
  let white = 0;
  for (let y = 1; y < 9; ++y) {
    for (let x = 273; x < 310; ++x) if (opening[(y * 320 + x) * 4] === 255 && opening[(y * 320 + x) * 4 + 2] === 255) white += 1;
  }
  check(white > 20, `the title is drawn (${white} white pixels)`);

  // New Game, Western Airlines, Ok: the clock starts and the purchase list opens.
  check(await tapItem(page, 'New Game') && await tapItem(page, 'Ok'), 'New Game is chosen');
  check(await tapItem(page, 'Western Airlines') && await tapItem(page, 'Ok'), 'an airline is chosen');
  const started = await state(page);
  check(started.items.some((item) => item.text === 'B 717-200'), 'the purchase list opens');
  check(started.fleet === 0, 'a new airline has no planes');
  const startingBalance = started.balance;

  // The 717 in the first row, then Ok: one plane, paid for.
  check(await tapItem(page, 'B 717-200') && await tapItem(page, 'Ok'), 'a plane is bought');
  await sleep(0.2);
  const bought = await state(page);
  check(bought.fleet === 1, `the fleet has one plane (${bought.fleet})`);
  check(bought.balance !== startingBalance, `the balance drops (${startingBalance} to ${bought.balance})`);

  // The clock runs at 30 frames a second while the page is visible.
  const before = await state(page);
  await sleep(3);
  const after = await state(page);
  const framesPerSecond = (after.frames - before.frames) / 3;
  console.log(`frames per second in headless chromium: ${framesPerSecond.toFixed(1)}`);
  const perFrame = (field) => (after[field] - before[field]) / (after.frames - before.frames);
  console.log(`mean time of one RunFrame in WebAssembly, presenting left out: ${perFrame('runFrameMicroseconds').toFixed(0)} microseconds`);
  console.log(`mean time of presenting one frame on the canvas: ${perFrame('presentMicroseconds').toFixed(0)} microseconds`);
  check(framesPerSecond > 20 && framesPerSecond < 32, `about 30 frames a second (${framesPerSecond})`);
  check(after.date !== '' && after.date !== undefined, `the date is shown (${after.date})`);

  // Tab while the game has the keyboard, and the Fast-forward button, step the clock through 8, 64 and 512 ticks a
  // frame and back to off; the button shows the step the game reads back, and the clock keeps that pace.
  const fastForwardLabel = () => evaluate(page, 'document.getElementById("fast-forward").textContent');
  const focused = () => evaluate(page, 'document.activeElement.id');
  async function stepWith(how) {
    if (how === 'Tab') {
      for (const type of ['rawKeyDown', 'keyUp']) {
        await page('Input.dispatchKeyEvent', { type, key: 'Tab', code: 'Tab', windowsVirtualKeyCode: 9 });
      }
    } else {
      await evaluate(page, 'document.getElementById("fast-forward").click()');
    }
    await sleep(0.2);
    return { step: (await state(page)).fastForward, label: await fastForwardLabel() };
  }
  // The clock's ticks a frame over a second.
  async function pace() {
    const from = await state(page);
    await sleep(1);
    const to = await state(page);
    return (to.ticks - from.ticks) / (to.frames - from.frames);
  }
  // The white pixels where the status line shows the fast-forward mark, left of the clock.
  async function markPixels() {
    const pixels = await canvasPixels(page);
    let count = 0;
    for (let y = 231; y < 240; ++y) {
      for (let x = 176; x < 202; ++x) if (pixels[(y * 320 + x) * 4] === 255 && pixels[(y * 320 + x) * 4 + 2] === 255) count += 1;
    }
    return count;
  }
  check((await state(page)).fastForward === 0 && await fastForwardLabel() === 'Fast-forward: 0', 'fast-forward starts off');
  check(await focused() === 'screen', `a tap on the game gives it the keyboard (${await focused()})`);
  const unmarked = await markPixels();
  const paces = {};
  const byTab = await stepWith('Tab');
  check(byTab.step === 8 && byTab.label === 'Fast-forward: 8', `Tab on the game steps to 8 (${JSON.stringify(byTab)})`);
  paces[8] = await pace();
  const byButton = await stepWith('button');
  check(byButton.step === 64 && byButton.label === 'Fast-forward: 64', `the button steps to 64 (${JSON.stringify(byButton)})`);
  paces[64] = await pace();
  await evaluate(page, 'document.getElementById("saved-games").focus()');
  const onButton = await stepWith('Tab');
  check(onButton.step === 64 && await focused() === 'history-chart',
    `Tab on a page button moves the focus on and leaves the step (${onButton.step}, focus on ${await focused()})`);
  await evaluate(page, 'document.getElementById("screen").focus()');
  const fastest = await stepWith('Tab');
  check(fastest.step === 512 && fastest.label === 'Fast-forward: 512', `Tab steps to 512 (${JSON.stringify(fastest)})`);
  paces[512] = await pace();
  await page('Input.dispatchKeyEvent', { type: 'rawKeyDown', key: 'Tab', code: 'Tab', windowsVirtualKeyCode: 9, autoRepeat: true });
  await page('Input.dispatchKeyEvent', { type: 'keyUp', key: 'Tab', code: 'Tab', windowsVirtualKeyCode: 9 });
  await sleep(0.2);
  check((await state(page)).fastForward === 512 && await focused() === 'screen', 'a held Tab takes no further step');
  const marked = await markPixels();
  check(marked > unmarked + 10, `the status line shows the mark (${marked} white pixels, ${unmarked} without)`);
  const shots = join(dirname(folder), 'web-shots');
  await mkdir(shots, { recursive: true });
  const fastForwardShot = join(shots, 'fast_forward_512.png');
  await writeFile(fastForwardShot, Buffer.from((await page('Page.captureScreenshot', { format: 'png' })).data, 'base64'));
  console.log(`the page at fast-forward 512: ${fastForwardShot}`);
  const off = await stepWith('button');
  check(off.step === 0 && off.label === 'Fast-forward: 0', `the button turns fast-forward off (${JSON.stringify(off)})`);
  paces[0] = await pace();
  console.log(`the clock's ticks a frame at fast-forward 0, 8, 64, 512: ${[0, 8, 64, 512].map((step) => paces[step].toFixed(2)).join(', ')}`);
  for (const step of [8, 64, 512]) {
    check(Math.abs(paces[step] - step) <= step * 0.05, `at fast-forward ${step} the clock moves ${step} ticks a frame (${paces[step]})`);
  }
  check(paces[0] <= 1, `with fast-forward off the clock moves at most a tick a frame (${paces[0]})`);

  // An arrow key scrolls the map.
  const unscrolled = await canvasPixels(page);
  await pressKey(page, 'ArrowRight', 39);
  await sleep(0.5);
  check(differingPixels(unscrolled, await canvasPixels(page)) > 2000, 'the right arrow scrolls the map');

  // F2 opens the history chart over the map; the button under the canvas closes it again.
  await pressKey(page, 'F2', 113);
  await sleep(0.2);
  const chart = await state(page);
  check(chart.window === 20 && chart.items.some((item) => item.text === 'Passengers'),
    `F2 opens the chart (window ${chart.window})`);
  // Its Forecast button draws the twelve months ahead beside those closed: the plot above the chart's buttons
  // changes, not only the button's colour.
  const withoutForecast = await canvasPixels(page);
  const forecastButton = chart.items.find((item) => item.text === 'Forecast');
  check(await tapItem(page, 'Forecast'), 'the chart has a Forecast button');
  await sleep(0.3);
  const forecastChanged = differingPixels(withoutForecast, await canvasPixels(page), 10, (forecastButton?.y ?? 240) - 8);
  console.log(`pixels the forecast changes on the chart: ${forecastChanged}`);
  check(forecastChanged > 150, `the forecast is drawn (${forecastChanged} pixels changed)`);
  const forecastShot = join(shots, 'history_chart_forecast.png');
  await writeFile(forecastShot, Buffer.from((await page('Page.captureScreenshot', { format: 'png' })).data, 'base64'));
  console.log(`the page with the history chart's forecast: ${forecastShot}`);
  await evaluate(page, 'document.getElementById("history-chart").click()');
  await sleep(0.2);
  check((await state(page)).window === 0, 'the History chart button closes it');

  // The Saved Games button opens the list. A game saved into slot-1 from it, and one saved into slot-2 and deleted,
  // reach the browser's lasting storage within a second.
  await evaluate(page, 'document.getElementById("saved-games").click()');
  await sleep(0.2);
  check((await state(page)).window === 21, 'the Saved Games button opens the list');
  async function saveInto(file) {
    if (!await tapItem(page, file) || !await tapItem(page, 'Save') || !await tapItem(page, 'Yes')) return undefined;
    const after = await state(page);
    return after.message === 'Game saved' ? after : undefined;
  }
  const slotSaved = await saveInto('slot-1.txt');
  check(slotSaved !== undefined, 'the game is saved into slot-1');
  check(await saveInto('slot-2.txt') !== undefined && await tapItem(page, 'slot-2.txt') && await tapItem(page, 'Delete') &&
    await tapItem(page, 'Yes') && (await state(page)).message === 'Game deleted', 'slot-2 is saved into, then deleted');
  await sleep(1);
  const kept = await keptFiles(page);
  check(kept.includes('slot-1.txt') && kept.includes('slot-1.history') && !kept.some((name) => name.startsWith('slot-2')),
    `the browser keeps slot-1 and no slot-2 (${kept})`);
  await pressKey(page, 'F8', 119);
  await sleep(0.2);
  check((await state(page)).window === 0, 'F8 closes the list');

  // A hidden page runs no frames; shown again, it goes on.
  await evaluate(page, `Object.defineProperty(document, 'hidden', { configurable: true, get: () => true });
    document.dispatchEvent(new Event('visibilitychange'))`);
  const hidden = (await state(page)).frames;
  await sleep(0.5);
  check((await state(page)).frames === hidden, 'a hidden page is paused');
  await evaluate(page, `Object.defineProperty(document, 'hidden', { configurable: true, get: () => false });
    document.dispatchEvent(new Event('visibilitychange'))`);
  await sleep(0.5);
  check((await state(page)).frames > hidden + 5, 'a page shown again resumes');

  // F12 downloads the back buffer as a 24-bit BMP of 320 x 240.
  await pressKey(page, 'F12', 123);
  const screenshot = join(scratch, 'backbuffer.bmp');
  for (let tries = 0; tries < 50 && !(await readdir(scratch)).includes('backbuffer.bmp'); ++tries) await sleep(0.1);
  await sleep(0.2);
  const bmp = await readFile(screenshot).catch(() => Buffer.alloc(0));
  check(bmp.length === 54 + 320 * 240 * 3 && bmp.toString('latin1', 0, 2) === 'BM', `F12 downloads backbuffer.bmp (${bmp.length} bytes)`);

  // Save Game keeps the game in the browser: a reloaded page starts afresh and Load Game brings the plane back.
  const toolsButton = [15, 135];  // the toolbar's Tools button
  await tapPixel(page, ...toolsButton);
  check(await tapItem(page, 'Save Game') && await tapItem(page, 'Ok') && await tapItem(page, 'Yes'), 'the game is saved');
  const saved = await state(page);
  await sleep(1);  // the page copies a new save to lasting storage within a second
  await reload(page);
  check((await state(page)).fleet === 0, 'a reloaded page starts a fresh game');
  check(await tapItem(page, 'Load Game') && await tapItem(page, 'Ok') && await tapItem(page, 'Yes'), 'Load Game is chosen');
  const loaded = await state(page);
  check(loaded.fleet === 1 && loaded.balance === saved.balance,
    `the saved game is back after a reload (fleet ${loaded.fleet}, ${loaded.balance} against ${saved.balance})`);

  // The page's download button gives am.txt; loaded from a file it replaces whatever the browser kept.
  await evaluate(page, 'document.getElementById("download-save").click()');
  const download = join(scratch, 'am.txt');
  for (let tries = 0; tries < 50 && !(await readdir(scratch)).includes('am.txt'); ++tries) await sleep(0.1);
  await sleep(0.2);
  const savedText = await readFile(download, 'latin1').catch(() => '');
  check(savedText.length > 1000, `the download button gives am.txt (${savedText.length} bytes)`);
  await reload(page);

  // Two reloads on, slot-1 loads from the list, which F8 opens in the very next picture.
  await evaluate(page, `window.savedGamesKey = {};
    addEventListener('keydown', (event) => { if (event.key === 'F8') savedGamesKey.pressed = performance.now(); }, true);
    const shown = Module.onPicture;
    Module.onPicture = () => {
      shown();
      if (savedGamesKey.pressed === undefined || savedGamesKey.picture !== undefined) return;
      savedGamesKey.picture = performance.now();
      savedGamesKey.window = jetvaleState().window;
    };`);
  await pressKey(page, 'F8', 119);
  await waitFor(page, 'savedGamesKey.picture !== undefined', 5);
  const opened = await evaluate(page, 'savedGamesKey');
  console.log(`F8 to the picture of the Saved Games list: ${(opened.picture - opened.pressed).toFixed(1)} ms`);
  check(opened.window === 21, `the picture after F8 shows the list (window ${opened.window})`);
  const shot = join(shots, 'saved_games.png');
  await writeFile(shot, Buffer.from((await page('Page.captureScreenshot', { format: 'png' })).data, 'base64'));
  console.log(`the page with the Saved Games list: ${shot}`);
  check(await tapItem(page, 'slot-1.txt') && await tapItem(page, 'Load') && await tapItem(page, 'Yes'), 'slot-1 is loaded');
  const fromSlot = await state(page);
  check(fromSlot.message === 'Game Loaded' && fromSlot.fleet === 1 && fromSlot.balance === slotSaved?.balance,
    `slot-1 is back after two reloads (${fromSlot.message}, fleet ${fromSlot.fleet}, ${fromSlot.balance})`);

  await tapPixel(page, ...toolsButton);
  check(await tapItem(page, 'New Game') && await tapItem(page, 'Ok'), 'a second new game');
  check(await tapItem(page, 'Western Airlines') && await tapItem(page, 'Ok') && await tapItem(page, 'Cancel'), 'no plane is bought');
  await tapPixel(page, ...toolsButton);
  check(await tapItem(page, 'Save Game') && await tapItem(page, 'Ok') && await tapItem(page, 'Yes'), 'the empty game is saved');
  const { root } = await page('DOM.getDocument');
  const { nodeId } = await page('DOM.querySelector', { nodeId: root.nodeId, selector: '#upload-save' });
  // Chooses a file for the upload button; resolves to what the page then says about it.
  async function upload(path) {
    await evaluate(page, 'document.getElementById("save-note").textContent = ""');
    await page('DOM.setFileInputFiles', { nodeId, files: [path] });
    await waitFor(page, 'document.getElementById("save-note").textContent !== ""', 10);
    return evaluate(page, 'document.getElementById("save-note").textContent');
  }
  // A damaged or too large file is refused, and the browser's saved game and history stay byte for byte.
  const storedSave = () => storedFiles(page, ['am.txt', 'am.history', 'upload.txt']);
  const stored = await storedSave();
  const damaged = join(scratch, 'damaged.txt');
  await writeFile(damaged, savedText.slice(0, savedText.length / 2), 'latin1');
  const refusal = await upload(damaged);
  console.log(`a damaged upload: ${refusal}`);
  check(/^This file is no saved game of Jetvale: line \d+: /.test(refusal), 'a damaged upload is refused by its line');
  const tooLarge = join(scratch, 'large.txt');
  await writeFile(tooLarge, Buffer.alloc(await evaluate(page, 'Module.savedGameLimit()') + 1, 'x'));
  check((await upload(tooLarge)).includes('too large'), 'a too large upload is refused unread');
  check(await storedSave() === stored && stored.endsWith(',"none"]'), 'refused uploads leave the saved game as it was');
  check((await upload(download)).startsWith('Loaded'), 'a saved game is taken from a file');
  await tapPixel(page, ...toolsButton);
  check(await tapItem(page, 'Load Game') && await tapItem(page, 'Ok') && await tapItem(page, 'Yes'), 'the file is loaded');
  check((await state(page)).fleet === 1, 'the game from the file has its plane');

  // Into slot-1 from the list under the canvas: a damaged file leaves the slot and its history byte for byte; a sound
  // one takes the slot's place, and the history of the game it replaced goes. No file goes into an autosave.
  const choose = (file) => evaluate(page, `document.getElementById("saved-game").value = "${file}";
    document.getElementById("saved-game").dispatchEvent(new Event("change"))`);
  await choose('slot-1.txt');
  const storedSlot = () => storedFiles(page, ['slot-1.txt', 'slot-1.history', 'upload.txt']);
  const slotBefore = await storedSlot();
  const slotRefusal = await upload(damaged);
  check(/^This file is no saved game of Jetvale: line \d+: .*slot-1\.txt in this browser is kept as it was\.$/.test(slotRefusal),
    `a damaged upload into slot-1 is refused by its line (${slotRefusal})`);
  check(await storedSlot() === slotBefore && !JSON.parse(slotBefore).slice(0, 2).includes('none'),
    'slot-1 and its history are as they were');
  check((await upload(download)).startsWith('Loaded into slot-1.txt') &&
    await storedSlot() === JSON.stringify([savedText, 'none', 'none']),
    'a saved game from a file takes slot-1, without the old history');
  await choose('autosave.txt');
  check(await evaluate(page, 'document.getElementById("upload-save").disabled'), 'no file goes into an autosave');

  // Exit Game, Ok, Yes, then a tap: the closing picture instead of a closed tab.
  await tapPixel(page, ...toolsButton);
  check(await tapItem(page, 'Exit Game') && await tapItem(page, 'Ok'), 'Exit Game is chosen');
  check(await tapItem(page, 'Yes'), 'the exit is confirmed');
  await tapPixel(page, 160, 120);
  const closed = await state(page);
  check(closed.closed === true, 'the game has closed');
  const closing = await canvasPixels(page);
  // White lines on black: nothing of the map is left.
  let lit = 0;
  let black = 0;
  for (let i = 0; i < closing.length; i += 4) {
    if (closing[i] === 255 && closing[i + 1] === 255 && closing[i + 2] === 255) lit += 1;
    if (closing[i] === 0 && closing[i + 1] === 0 && closing[i + 2] === 0) black += 1;
  }
  check(lit > 100 && lit + black === 320 * 240, `the closing picture shows its lines (${lit} white pixels)`);

  if (timingPage !== undefined) await compareFrames(browser, timingPage, nativeTiming);
} catch (error) {
  failed += 1;
  console.log(`FAILED: ${error.message}`);
} finally {
  await browser.close();
  server.close();
  await rm(scratch, { recursive: true, force: true, maxRetries: 5 });  // chromium's helpers may still be writing
}
console.log(`page: ${passed} passed, ${failed} failed`);
process.exit(failed === 0 ? 0 : 1);
