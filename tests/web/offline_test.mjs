// The page as an installed app in headless chromium: its manifest, its service worker, and after one visit a
// second load with the network switched off (and the server gone) that still starts and plays the game.
// Usage: node offline_test.mjs FOLDER (the built page). Prints the offline load time and "N passed, N failed".
import { mkdtemp, readFile, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import { Browser, evaluate, serveFolder, waitFor } from './devtools.mjs';

const folder = process.argv[2];
const scratch = await mkdtemp(join(tmpdir(), 'jetvale-offline-'));
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

try {
  const manifest = JSON.parse(await readFile(join(folder, 'manifest.webmanifest'), 'utf8'));
  const large = manifest.icons.some((icon) => icon.sizes === '512x512');
  check(manifest.display === 'standalone' && manifest.theme_color && large,
    'the manifest asks for a standalone app with a theme colour and large icons');
  const worker = await readFile(join(folder, 'service_worker.js'), 'utf8');
  const cmake = await readFile(new URL('../../CMakeLists.txt', import.meta.url), 'utf8');
  const version = cmake.match(/project\(jetvale VERSION ([0-9.]+)/)[1];
  check(worker.includes(`'jetvale-${version}-`), `the cache is named by the version ${version}`);

  const page = await browser.openPage();
  await page('Page.navigate', { url });
  await waitFor(page, 'window.jetvaleFirstPicture !== undefined', 30);
  check(await evaluate(page, 'document.getElementById("page-status").hidden'),
    'the loading line goes once the game shows');
  check(await evaluate(page, 'document.querySelector("link[rel=manifest]") !== null'), 'the page names its manifest');
  await waitFor(page,
    'navigator.serviceWorker.getRegistration().then((r) => r !== undefined && r.active !== null)', 30);
  const cached = await evaluate(page, 'caches.keys()');
  check(cached.length === 1 && cached[0].startsWith(`jetvale-${version}-`), `one cache of this build (${cached})`);

  // No network and no server: everything comes from the cache.
  await page('Network.enable');
  await page('Network.emulateNetworkConditions',
    { offline: true, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
  server.close();
  server.closeAllConnections();
  const started = Date.now();
  await page('Page.reload', { ignoreCache: false });
  await waitFor(page, 'window.jetvaleFirstPicture !== undefined', 30);
  console.log(`offline load to first picture: ${(await evaluate(page, 'window.jetvaleFirstPicture')).toFixed(0)} ms ` +
    `(${Date.now() - started} ms from the reload)`);
  check(await evaluate(page, 'navigator.serviceWorker.controller !== null'), 'the offline page is served by its worker');
  const before = (await state(page)).frames;
  await new Promise((resolve) => setTimeout(resolve, 1000));
  check((await state(page)).frames > before + 10, 'the game runs offline');
  check((await state(page)).items.some((item) => item.text === 'New Game'),
    'offline, the game opens on the Tools menu');
} catch (error) {
  failed += 1;
  console.log(`FAILED: ${error.message}`);
} finally {
  await browser.close();
  server.close();
  await rm(scratch, { recursive: true, force: true, maxRetries: 5 });  // chromium's helpers may still be writing
}
console.log(`offline page: ${passed} passed, ${failed} failed`);
process.exit(failed === 0 ? 0 : 1);
