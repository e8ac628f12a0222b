// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Opens a built site in headless Chromium, page after page, by following every
// link into the site from its home page, and prints what a visitor would meet
// as JSON: pages that do not load, style sheets, pictures and other files that
// fail, script errors, the links of each page's menu and every address the
// page asked for. The site is a folder, or the http:// address of a server
// that serves it. With --audit it also
// runs axe-core over every page at desktop and at phone width and measures the
// menu (see audit-page.mjs). It exits with 0 when it could walk the site,
// whatever it found, and with 2 when it could not.
//
//   node check-site.mjs [--audit] <chromium> <site folder or address> [start file, default index.htm]
//
// Talks to the browser over the DevTools protocol on a pipe (fds 3 and 4), so
// it needs no network port; only the audit needs a package (axe-core).

import { spawn } from "node:child_process";
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { pathToFileURL } from "node:url";
import { VIEWS, auditPage, axeSource, compareWithEditor, menuButton } from "./audit-page.mjs";

const PAGE_TIMEOUT_MS = 20000;

const auditing = process.argv[2] === "--audit";
const [chromiumPath, siteFolder, startFile = "index.htm"] = process.argv.slice(auditing ? 3 : 2);
if (!chromiumPath || !siteFolder) {
  process.stderr.write("usage: node check-site.mjs [--audit] <chromium> <site folder> [start file]\n");
  process.exit(2);
}
const axe = auditing ? axeSource() : null;
if (auditing && axe === null) {
  process.stderr.write("check-site: axe-core is not installed (npm ci installs it)\n");
  process.exit(2);
}

const profile = mkdtempSync(join(tmpdir(), "quillsite-check-"));
const browser = spawn(chromiumPath, [
  "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
  "--disable-background-networking", "--disable-component-update", "--disable-sync",
  "--remote-debugging-pipe", `--user-data-dir=${profile}`,
  "about:blank",
], { stdio: ["ignore", "ignore", "pipe", "pipe", "pipe"], detached: true });

// Chromium takes many seconds to shut down politely; its files are no longer
// needed, so the whole process group goes at once.
function stopBrowser() {
  try {
    process.kill(-browser.pid, "SIGKILL");
  } catch {
    // Already gone.
  }
}

let browserLog = "";
browser.stderr.on("data", (chunk) => { browserLog = (browserLog + chunk).slice(-4000); });

// The DevTools protocol: JSON messages ended by a NUL byte.
let nextId = 1;
const pending = new Map();
const listeners = new Set();
let received = "";
browser.stdio[4].setEncoding("utf8"); // keeps characters split between chunks whole
browser.stdio[4].on("data", (chunk) => {
  received += chunk;
  let end;
  while ((end = received.indexOf("\0")) >= 0) {
    const message = JSON.parse(received.slice(0, end));
    received = received.slice(end + 1);
    if (message.id && pending.has(message.id)) {
      const { resolve, reject } = pending.get(message.id);
      pending.delete(message.id);
      if (message.error) reject(new Error(`${message.error.message} (${message.error.code})`));
      else resolve(message.result);
    } else if (message.method) {
      for (const listener of listeners) listener(message);
    }
  }
});

function send(method, params = {}, sessionId = undefined) {
  const id = nextId++;
  browser.stdio[3].write(JSON.stringify({ id, method, params, sessionId }) + "\0");
  return new Promise((resolve, reject) => pending.set(id, { resolve, reject }));
}

function removeProfile() {
  try {
    rmSync(profile, { recursive: true, force: true, maxRetries: 5 });
  } catch {
    // A left-over profile in the temporary folder harms nothing.
  }
}

function fail(reason) {
  process.stderr.write(`check-site: ${reason}\n${browserLog}\n`);
  finished = true;
  stopBrowser();
  removeProfile();
  process.exit(2);
}

let finished = false;
browser.on("error", (error) => fail(`cannot start ${chromiumPath}: ${error.message}`));
browser.on("exit", (code) => { if (!finished) fail(`the browser ended early (exit code ${code})`); });

function withoutFragment(url) {
  const parsed = new URL(url);
  parsed.hash = "";
  return parsed.href;
}

const served = /^https?:\/\//.test(siteFolder);
const siteRoot = served ? new URL(siteFolder).href : "file:";
const start = served ? new URL(startFile, siteRoot).href : pathToFileURL(join(siteFolder, startFile)).href;

// What the page itself can tell: pictures that did not decode (a style sheet
// that fails shows only as a failed request), every link to a page of the
// site and the links of the menu.
const inspectPage = `(async () => {
  await document.fonts.ready;
  await new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done)));
  const links = (selector) => [...document.querySelectorAll(selector)].map((a) => a.href);
  return {
    title: document.title,
    picturesNotLoaded: [...document.images]
      .filter((image) => !image.complete || image.naturalWidth === 0)
      .map((image) => image.currentSrc || image.src),
    menuLinks: links("nav a[href]"),
    siteLinks: links("a[href]").filter((href) => href.startsWith(${JSON.stringify(siteRoot)})
      && /\.html?$/i.test(new URL(href).pathname)),
  };
})()`;

function evaluate(sessionId, expression) {
  return send("Runtime.evaluate", { expression, awaitPromise: true, returnByValue: true }, sessionId)
    .then((evaluated) => {
      if (evaluated.exceptionDetails) {
        throw new Error(evaluated.exceptionDetails.exception?.description ?? evaluated.exceptionDetails.text);
      }
      return evaluated.result.value;
    });
}

async function tapMenuWithoutScripts(sessionId) {
  const button = await evaluate(sessionId, menuButton);
  if (!button) return;
  await send("Emulation.setScriptExecutionDisabled", { value: true }, sessionId);
  for (const type of ["mousePressed", "mouseReleased"]) {
    await send("Input.dispatchMouseEvent",
      { type, x: button.x, y: button.y, button: "left", clickCount: 1 }, sessionId);
  }
  await send("Emulation.setScriptExecutionDisabled", { value: false }, sessionId);
}

// The page as each view shows it, one entry per view.
async function audit(sessionId) {
  await evaluate(sessionId, axe);
  const views = [];
  for (const view of VIEWS) {
    await send("Emulation.setDeviceMetricsOverride",
      { width: view.width, height: view.height, deviceScaleFactor: 1, mobile: view.mobile }, sessionId);
    if (view.tapMenu) await tapMenuWithoutScripts(sessionId);
    const seen = { ...view, ...await evaluate(sessionId, auditPage) };
    if (view.compareEditor) seen.editorLook = await evaluate(sessionId, compareWithEditor);
    views.push(seen);
  }
  await send("Emulation.clearDeviceMetricsOverride", {}, sessionId);
  return views;
}

async function visit(sessionId, url) {
  const page = { url, loadError: "", failedRequests: [], scriptErrors: [], title: "",
                 picturesNotLoaded: [], menuLinks: [], siteLinks: [], requests: [] };
  const open = new Map(); // request id -> address, until it finishes
  let loaded;
  const loadedPromise = new Promise((resolve) => { loaded = resolve; });
  const listener = (message) => {
    if (message.sessionId !== sessionId) return;
    const p = message.params;
    switch (message.method) {
      case "Network.requestWillBeSent":
        open.set(p.requestId, p.request.url);
        page.requests.push(p.request.url);
        break;
      case "Network.loadingFinished": open.delete(p.requestId); break;
      case "Network.loadingFailed":
        page.failedRequests.push({ url: open.get(p.requestId) ?? p.requestId, error: p.errorText });
        open.delete(p.requestId);
        break;
      case "Network.responseReceived":
        if (p.response.status >= 400) {
          page.failedRequests.push({ url: p.response.url, error: `status ${p.response.status}` });
        }
        break;
      case "Runtime.exceptionThrown":
        page.scriptErrors.push(p.exceptionDetails.exception?.description ?? p.exceptionDetails.text);
        break;
      case "Page.loadEventFired": loaded(); break;
    }
  };
  listeners.add(listener);
  try {
    const navigation = await send("Page.navigate", { url }, sessionId);
    if (navigation.errorText) {
      page.loadError = navigation.errorText;
      return page;
    }
    let timer;
    const timeout = new Promise((_, reject) => {
      timer = setTimeout(() => reject(new Error("the page did not finish loading")), PAGE_TIMEOUT_MS);
    });
    await Promise.race([loadedPromise, timeout]).finally(() => clearTimeout(timer));
    Object.assign(page, await evaluate(sessionId, inspectPage));
    if (auditing) page.views = await audit(sessionId);
    for (let waited = 0; open.size > 0 && waited < PAGE_TIMEOUT_MS; waited += 50) {
      await new Promise((done) => setTimeout(done, 50));
    }
    if (open.size > 0) page.loadError = `${open.size} requests never finished`;
  } catch (error) {
    page.loadError = error.message;
  } finally {
    listeners.delete(listener);
  }
  return page;
}

async function main() {
  const { targetId } = await send("Target.createTarget", { url: "about:blank" });
  const { sessionId } = await send("Target.attachToTarget", { targetId, flatten: true });
  await send("Page.enable", {}, sessionId);
  await send("Network.enable", {}, sessionId);
  await send("Runtime.enable", {}, sessionId);
  await send("Network.setCacheDisabled", { cacheDisabled: true }, sessionId);

  const queue = [start];
  const seen = new Set(queue);
  const pages = [];
  while (queue.length > 0) {
    const page = await visit(sessionId, queue.shift());
    pages.push(page);
    for (const link of page.siteLinks.map(withoutFragment)) {
      if (!seen.has(link)) {
        seen.add(link);
        queue.push(link);
      }
    }
  }
  return { start, pages };
}

main().then(async (report) => {
  finished = true;
  const exited = new Promise((done) => browser.once("exit", done));
  stopBrowser();
  await exited;
  removeProfile();
  process.stdout.write(JSON.stringify(report, null, 1) + "\n");
}, (error) => fail(error.message));
