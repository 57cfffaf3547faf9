// bench/frame_timing.cpp natively and as WebAssembly in the page test's chromium, side by side, built with the
// same flags: the busiest frame's RunFrame, a frame of the busy game at each fast-forward step, and a forecast.
// Reports only; speed is never a test's verdict.
import { execFile } from 'node:child_process';
import { promisify } from 'node:util';

import { evaluate, serveFolder, waitFor } from '../tests/web/devtools.mjs';

// What the program prints, line by line: each figure's name, its fastest and median and their unit.
const kLines = [
  { name: 'RunFrame with 80 planes and Plane Edit', pattern: /^RunFrame with 80 planes and Plane Edit: fastest ([\d.]+) us, median ([\d.]+) us/m, unit: 'us' },
  ...[0, 8, 64, 512].map((step) => ({
    name: `RunFrame of the busy game at fast-forward ${step}`,
    pattern: new RegExp(`^RunFrame of the busy game at fast-forward ${step}: fastest ([\\d.]+) us, median ([\\d.]+) us`, 'm'),
    unit: 'us',
  })),
  { name: 'Forecast of the busy game, 12 months', pattern: /^Forecast of the busy game, 12 months: fastest ([\d.]+) ms, median ([\d.]+) ms/m, unit: 'ms' },
];

function figures(said, line) {
  const found = line.pattern.exec(said);
  if (found === null) throw new Error(`frame timing said no "${line.name}": ${said}`);
  return { fastest: Number(found[1]), median: Number(found[2]) };
}

// `timingPage` is the folder of the WebAssembly build's page, `nativeProgram` the native build's executable.
export async function compareFrames(browser, timingPage, nativeProgram) {
  const server = await serveFolder(timingPage);
  try {
    const page = await browser.openPage();
    await page('Page.navigate', { url: `http://127.0.0.1:${server.address().port}/` });
    await waitFor(page, 'window.frameTimingDone === true', 300);
    const wasmSaid = await evaluate(page, 'window.frameTiming');
    const nativeSaid = (await promisify(execFile)(nativeProgram)).stdout;
    for (const line of kLines) {
      const wasm = figures(wasmSaid, line);
      const native = figures(nativeSaid, line);
      for (const which of ['fastest', 'median']) {
        console.log(`${line.name}, ${which}: native ` +
          `${native[which]} ${line.unit}, WebAssembly ${wasm[which]} ${line.unit}, ` +
          `${(wasm[which] / native[which]).toFixed(2)} times native`);
      }
    }
  } finally {
    server.close();
  }
}
