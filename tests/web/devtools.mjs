// A small client of the browser's DevTools protocol over the pipe chromium opens with --remote-debugging-pipe,
// and a static file server for the page; nothing here downloads anything.
import { spawn } from 'node:child_process';
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join } from 'node:path';

const kTypes = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm', '.png': 'image/png',
  '.webmanifest': 'application/manifest+json' };

// Serves `folder` on a free port of the loopback address; resolves to the server once it listens.
export function serveFolder(folder) {
  const server = createServer(async (request, response) => {
    const requested = new URL(request.url, 'http://localhost').pathname;
    const path = requested === '/' ? '/index.html' : requested;
    try {
      const body = await readFile(join(folder, path));
      response.writeHead(200, { 'Content-Type': kTypes[extname(path)] || 'application/octet-stream' });
      response.end(body);
    } catch {
      response.writeHead(404);
      response.end();
    }
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

export class Browser {
  // Starts headless chromium with its own profile folder; `options` are extra command-line switches.
  constructor(profileFolder) {
    this.child = spawn('chromium', ['--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run',
      '--remote-debugging-pipe', `--user-data-dir=${profileFolder}`, '--window-size=1024,768', 'about:blank'],
    { stdio: ['ignore', 'ignore', 'ignore', 'pipe', 'pipe'] });
    this.nextId = 1;
    this.pending = new Map();
    this.listeners = [];
    let buffered = '';
    this.child.stdio[4].on('data', (chunk) => {
      buffered += chunk.toString();
      let end;
      while ((end = buffered.indexOf('\0')) >= 0) {
        this.receive(JSON.parse(buffered.slice(0, end)));
        buffered = buffered.slice(end + 1);
      }
    });
  }

  receive(message) {
    if (message.id === undefined) {
      for (const listener of this.listeners) listener(message);
      return;
    }
    const { resolve, reject } = this.pending.get(message.id);
    this.pending.delete(message.id);
    if (message.error) reject(new Error(message.error.message));
    else resolve(message.result);
  }

  send(method, params = {}, sessionId = undefined) {
    const id = this.nextId++;
    this.child.stdio[3].write(JSON.stringify({ id, method, params, sessionId }) + '\0');
    return new Promise((resolve, reject) => this.pending.set(id, { resolve, reject }));
  }

  // A new tab, with the protocol's commands bound to it.
  async openPage() {
    const { targetId } = await this.send('Target.createTarget', { url: 'about:blank' });
    const { sessionId } = await this.send('Target.attachToTarget', { targetId, flatten: true });
    return (method, params = {}) => this.send(method, params, sessionId);
  }

  // Ends the browser; resolves once it has exited, so its profile folder can be removed.
  close() {
    const exited = new Promise((resolve) => this.child.once('exit', resolve));
    this.child.kill();
    return exited;
  }
}

// The value of a page expression; a thrown exception fails the caller.
export async function evaluate(page, expression) {
  const { result, exceptionDetails } = await page('Runtime.evaluate',
    { expression, returnByValue: true, awaitPromise: true });
  if (exceptionDetails) throw new Error(`${expression}: ${exceptionDetails.exception?.description ?? exceptionDetails.text}`);
  return result.value;
}

// Waits until the expression is true, checking every 50 ms for at most `seconds`.
export async function waitFor(page, expression, seconds) {
  const deadline = Date.now() + seconds * 1000;
  while (Date.now() < deadline) {
    if (await evaluate(page, expression)) return true;
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  throw new Error(`timed out waiting for ${expression}`);
}
