// SPDX-License-Identifier: GPL-3.0-or-later
// Headless Chromium from Debian for the page's tests and benchmark: a fresh profile each launch,
// no network chatter, the site opened from file:// as a user would.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {fileURLToPath, pathToFileURL} from 'node:url';
import puppeteer from 'puppeteer-core';

export const repoRoot = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const sitePage = path.resolve(repoRoot, process.env.HOSHIZORA_SITE || 'build-web/site/index.html');
export const siteUrl = pathToFileURL(sitePage).href;
export const renderBinary = path.resolve(
  repoRoot,
  process.env.HOSHIZORA_RENDER || 'build/src/cli/hoshizora-render',
);
export const chromium = process.env.HOSHIZORA_CHROMIUM || '/usr/bin/chromium';

export function tempDir(tag) {
  return fs.mkdtempSync(path.join(os.tmpdir(), `hoshizora-${tag}-`));
}

export async function launch() {
  const profile = tempDir('profile');
  const browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    args: [
      '--headless=new',
      '--no-sandbox',
      '--disable-gpu',
      '--disable-quic',
      '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
      `--user-data-dir=${profile}`,
    ],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    fs.rmSync(profile, {recursive: true, force: true});
  };
  return browser;
}

// A page at the given size, in a context of its own (its own localStorage), with the site loaded
// and its sky drawn; `before(page)` runs before the navigation. A failure shown by the page throws
// unless `failing` is set.
export async function openSite(browser, {width = 1366, height = 768, touch = false, scale = 1, before, failing = false} = {}) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({width, height, hasTouch: touch, deviceScaleFactor: scale});
  if (before) await before(page);
  await page.goto(siteUrl, {waitUntil: 'load'});
  await settled(page);
  const failure = await page.$eval('#failure', (e) => (e.hidden ? '' : e.textContent));
  if (failure && !failing) throw new Error(`the page failed to start: ${failure}`);
  return page;
}

// Waits until the page has started its sky or shown why it could not.
export function settled(page) {
  return page.waitForFunction(
    () => (window.hoshizora && window.hoshizora.app) || !document.getElementById('failure').hidden,
  );
}

// Fills the fields, presses 開始, lets one timer tick draw the first frame and presses 中断, all in
// one task so no other tick comes between: the first frame holds, as hoshizora-render --frames 1.
export async function startPaused(page, fields) {
  for (const [k, v] of Object.entries(fields)) await typeField(page, k, v);
  await page.evaluate(() => {
    const app = window.hoshizora.app;
    document.getElementById('start').click();
    if (app.sky.timerEnabled()) app.act(() => app.sky.tick());
    document.getElementById('pause').click();
  });
}

export const tokyo = {longitude: '139.74', latitude: '35.68', year: '2027', month: '1', day: '15', hour: '21', minute: '0'};

// Types into a field of the panel as a user would (select all, then type).
export async function typeField(page, name, text) {
  const selector = `[data-field="${name}"] input`;
  await page.click(selector, {clickCount: 3});
  await page.keyboard.press('Backspace');
  if (text) await page.type(selector, text);
}

export async function fieldValues(page) {
  return page.$$eval('[data-field] input', (inputs) =>
    Object.fromEntries(inputs.map((i) => [i.closest('[data-field]').dataset.field, i.value])),
  );
}
