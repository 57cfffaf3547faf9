// The busiest frame's RunFrame natively and as WebAssembly in the page test's chromium, side by side: both are
// bench/frame_timing.cpp, built with the same flags. Reports only; speed is never a test's verdict.
import { execFile } from 'node:child_process';
import { promisify } from 'node:util';

import { evaluate, serveFolder, waitFor } from '../tests/web/devtools.mjs';

const kFigures = /fastest ([\d.]+) us, median ([\d.]+) us/;

function figures(said) {
  const found = kFigures.exec(said);
  if (found === null) throw new Error(`frame timing said: ${said}`);
  return { fastest: Number(found[1]), median: Number(found[2]) };
}

// `timingPage` is the folder of the WebAssembly build's page, `nativeProgram` the native build's executable.
export async function compareFrames(browser, timingPage, nativeProgram) {
  const server = await serveFolder(timingPage);
  try {
    const page = await browser.openPage();
    await page('Page.navigate', { url: `http://127.0.0.1:${server.address().port}/` });
    await waitFor(page, 'window.frameTiming !== undefined', 120);
    const wasm = figures(await evaluate(page, 'window.frameTiming'));
    const native = figures((await promisify(execFile)(nativeProgram)).stdout);
    console.log(`RunFrame with 80 planes and Plane Edit, fastest batch: native ${native.fastest} us, ` +
      `WebAssembly ${wasm.fastest} us, ${(wasm.fastest / native.fastest).toFixed(2)} times native`);
    console.log(`RunFrame with 80 planes and Plane Edit, median batch: native ${native.median} us, ` +
      `WebAssembly ${wasm.median} us, ${(wasm.median / native.median).toFixed(2)} times native`);
  } finally {
    server.close();
  }
}
