// SPDX-License-Identifier: GPL-3.0-or-later
// The page's controls reach the session as the window's do: drags, the wheel and a pinch on the
// scaled canvas, 天体を探す, 動きを描く, a refused start, 今 in another time zone, 保存, and a failing module.
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import {after, before, test} from 'node:test';
import {fieldValues, launch, openSite, renderBinary, startPaused, tempDir, tokyo, typeField} from './browser.mjs';
import {diffWithCanvas} from './pixels.mjs';

let browser;
before(async () => {
  browser = await launch();
});
after(() => browser.close());

const sky = (page, body, ...args) => page.evaluate(body, ...args);
const zoomLevel = (page) => sky(page, () => window.hoshizora.app.sky.zoomLevel());
const setZoom = (page, level) =>
  sky(page, (level) => window.hoshizora.app.act(() => window.hoshizora.app.sky.zoomBy(level - window.hoshizora.app.sky.zoomLevel())), level);

const nextFrames = (page) =>
  page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));

// Frame pixels to client pixels through the canvas's on-screen box.
async function clientPoint(page, x, y) {
  const r = await page.$eval('#sky', (c) => {
    const b = c.getBoundingClientRect();
    return {left: b.left, top: b.top, sx: b.width / c.width, sy: b.height / c.height};
  });
  return {x: r.left + x * r.sx, y: r.top + y * r.sy};
}

test('a mouse drag on the scaled canvas turns the view as the same drag in frame pixels', async () => {
  const from = {x: 320, y: 400};
  const to = {x: 420, y: 380};
  const view = {...tokyo, view_altitude: '30', view_azimuth: '180'};
  // The drag straight into the session, in frame pixels.
  const page = await openSite(browser);
  await startPaused(page, view);
  const direct = await sky(page, (from, to) => {
    const s = window.hoshizora.app.sky;
    s.grab(from.x, from.y);
    s.dragTo(to.x, to.y);
    s.release();
    return {view_altitude: s.field('view_altitude'), view_azimuth: s.field('view_azimuth')};
  }, from, to);
  await page.browserContext().close();
  assert.ok(Math.abs(Number(direct.view_azimuth) - 180) > 1, `the drag turns the view (${direct.view_azimuth})`);

  for (const [width, height] of [[1366, 768], [360, 740]]) {
    const page = await openSite(browser, {width, height});
    await startPaused(page, view);
    const a = await clientPoint(page, from.x, from.y);
    const b = await clientPoint(page, to.x, to.y);
    await page.mouse.move(a.x, a.y);
    await page.mouse.down();
    await page.mouse.move(b.x, b.y);
    await page.mouse.up();
    const dragged = await fieldValues(page);
    for (const name of ['view_altitude', 'view_azimuth']) {
      // within the fields' 0.1° and the rounding of client pixels on the scaled canvas
      const miss = Math.abs(Number(dragged[name]) - Number(direct[name]));
      assert.ok(miss <= 0.15, `${width}x${height} ${name}: ${dragged[name]} by mouse, ${direct[name]} direct`);
    }
    await page.browserContext().close();
  }
});

test('wheel notches and touchpad deltas zoom one step per 100 px', async () => {
  const page = await openSite(browser);
  await startPaused(page, tokyo);
  const centre = await clientPoint(page, 320, 330);
  await page.mouse.move(centre.x, centre.y);
  for (const [deltas, steps] of [
    [[-100], 1],
    [[-100, -100], 2],
    [[100], -1],
    [[-30, -30, -30, -30], 1],
    [[45, 45], 0],
  ]) {
    await setZoom(page, 4);
    await sky(page, () => (window.hoshizora.app.gestures.wheel = 0));  // no remainder from the row before
    for (const deltaY of deltas) await page.mouse.wheel({deltaY});
    assert.equal(await zoomLevel(page), 4 + steps, `wheel ${deltas}`);
  }
  const shown = await page.$eval('#zoom-text', (o) => o.value);
  assert.equal(shown, await sky(page, () => window.hoshizora.app.sky.zoomText()));
  await page.browserContext().close();
});

test('a two-finger pinch zooms one step per √2 of spread', async () => {
  const page = await openSite(browser, {touch: true});
  await startPaused(page, tokyo);
  await setZoom(page, 4);
  const c = await clientPoint(page, 320, 330);
  const cdp = await page.createCDPSession();
  const fingers = (half) => [
    {x: c.x - half, y: c.y, id: 1},
    {x: c.x + half, y: c.y, id: 2},
  ];
  let half = 40;
  await cdp.send('Input.dispatchTouchEvent', {type: 'touchStart', touchPoints: fingers(half)});
  // spread 80 px -> 170 px: over twice √2, two steps in; then -> 36 px: over four steps out from 160
  for (const [to, level] of [[85, 6], [18, 2]]) {
    const from = half;
    for (let k = 1; k <= 4; k++) {
      half = from + ((to - from) * k) / 4;
      await cdp.send('Input.dispatchTouchEvent', {type: 'touchMove', touchPoints: fingers(half)});
    }
    await nextFrames(page);  // touch moves are delivered with the animation frames
    assert.equal(await zoomLevel(page), level, `spread ${to * 2}`);
  }
  await cdp.send('Input.dispatchTouchEvent', {type: 'touchEnd', touchPoints: []});
  await page.browserContext().close();
});

test('天体を探す 木星 turns the view to Jupiter of the native object table', async () => {
  assert.ok(fs.existsSync(renderBinary), `no native renderer at ${renderBinary} (set HOSHIZORA_RENDER)`);
  const args = Object.entries(tokyo).flatMap(([k, v]) => [`--${k}`, v]);
  const table = execFileSync(renderBinary, [...args, '--table', '-'], {encoding: 'utf8'});
  const rows = table.split('\n').filter((l) => l && !l.startsWith('#')).map((l) => l.split('\t'));
  const header = rows[0];
  const jupiter = rows.find((r) => r[r.length - 1] === 'Jupiter');
  assert.ok(jupiter, 'Jupiter in the native table');
  const deg = (col) => (Number(jupiter[header.indexOf(col)]) * 180) / 3.14159265358979;

  const page = await openSite(browser);
  await startPaused(page, tokyo);
  await page.type('#find', '木星');
  await page.keyboard.press('Enter');
  const message = await page.$eval('#find-message', (p) => (p.hidden ? '' : p.textContent));
  assert.equal(message, '');
  const f = await fieldValues(page);
  assert.ok(Math.abs(Number(f.view_altitude) - deg('alt_rad')) <= 0.1, `altitude ${f.view_altitude} vs ${deg('alt_rad')}`);
  const daz = Math.abs(((Number(f.view_azimuth) - deg('az_rad') + 540) % 360) - 180);
  assert.ok(daz <= 0.1, `azimuth ${f.view_azimuth} vs ${deg('az_rad')}`);
  await page.browserContext().close();
});

// The path's colour (frame/body_path.hpp) on the canvas.
const pathPixels = (page) =>
  page.$eval('#sky', (c) => {
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    let n = 0;
    for (let i = 0; i < d.length; i += 4) n += d[i] === 110 && d[i + 1] === 220 && d[i + 2] === 130;
    return n;
  });

test('動きを描く on the found 木星 draws its path, 動きを消す takes it away', async () => {
  const page = await openSite(browser);
  await startPaused(page, tokyo);
  await page.type('#find', '木星');
  await page.keyboard.press('Enter');
  assert.equal(await pathPixels(page), 0);
  const p = await clientPoint(page, 320, 350);  // the found object is centred
  await page.mouse.click(p.x, p.y, {button: 'right'});
  assert.equal(await page.$eval('#menu-path', (b) => (b.hidden ? '' : b.textContent)), '動きを描く（木星）');
  await page.click('#menu-path');
  await nextFrames(page);
  assert.ok((await pathPixels(page)) > 100, 'the path on the canvas');
  await page.mouse.click(p.x, p.y, {button: 'right'});
  await page.click('#menu-path-clear');
  await nextFrames(page);
  assert.equal(await pathPixels(page), 0);
  await page.browserContext().close();
});

test('a longitude that is not finite is refused in the page, its field focused', async () => {
  const page = await openSite(browser);
  await startPaused(page, {...tokyo, longitude: '1e999'});
  const refusal = await page.$eval('#refusal', (e) => ({shown: !e.hidden, role: e.getAttribute('role'), text: e.textContent}));
  assert.equal(refusal.shown, true);
  assert.equal(refusal.role, 'alert');
  assert.notEqual(refusal.text.trim(), '');
  const focused = await page.evaluate(() => document.activeElement.closest('[data-field]')?.dataset.field);
  assert.equal(focused, 'longitude');
  assert.equal(await sky(page, () => window.hoshizora.app.sky.started()), false);
  await page.browserContext().close();
});

test('今 fills the JST moment of the device clock whatever the time zone', async () => {
  for (const [zone, iso] of [
    ['America/New_York', '2027-01-15T16:30:59.900Z'],  // New York's 15th, already the 16th in Japan
    ['Pacific/Kiritimati', '2026-12-31T14:59:00.000Z'],  // New Year in Kiritimati, still 31 December in Japan
  ]) {
    const now = Date.parse(iso);
    const page = await openSite(browser, {
      before: async (p) => {
        await p.emulateTimezone(zone);
        await p.evaluateOnNewDocument((ms) => {
          Date.now = () => ms;
        }, now);
      },
    });
    await page.evaluate(() => window.hoshizora.app.sky.setField('longitude', '139.74'));
    await page.click('#now');
    const f = await fieldValues(page);
    const jst = new Date(now + 9 * 3600 * 1000);
    const expected = {
      year: jst.getUTCFullYear(),
      month: jst.getUTCMonth() + 1,
      day: jst.getUTCDate(),
      hour: jst.getUTCHours(),
      minute: jst.getUTCMinutes(),
    };
    const got = Object.fromEntries(Object.keys(expected).map((k) => [k, Number(f[k])]));
    assert.deepEqual(got, expected, zone);
    await page.browserContext().close();
  }
});

test('保存 downloads a PNG named by the session whose pixels are the canvas', async () => {
  const dir = tempDir('download');
  const page = await openSite(browser);
  const cdp = await page.createCDPSession();
  await cdp.send('Page.setDownloadBehavior', {behavior: 'allow', downloadPath: dir});
  await startPaused(page, tokyo);
  const name = await sky(page, () => window.hoshizora.app.sky.fileName());
  await page.click('#save');
  const file = path.join(dir, name);
  for (let i = 0; i < 100 && !fs.existsSync(file); i++) await new Promise((r) => setTimeout(r, 50));
  assert.ok(fs.existsSync(file), `${name} in ${fs.readdirSync(dir)}`);
  const d = await diffWithCanvas(page, file);
  assert.equal(d.differing, 0);
  await page.browserContext().close();
  fs.rmSync(dir, {recursive: true, force: true});
});

test('a module that fails to load or aborts leaves a message, not a blank page', async () => {
  for (const [what, before, act, headline] of [
    [
      'load',
      (p) =>
        p.evaluateOnNewDocument(() => {
          Object.defineProperty(window, 'createHoshizora', {
            get: () => () => Promise.reject(new Error('broken module')),
            set: () => {},
          });
        }),
      null,
      '読み込めませんでした',
    ],
    [
      'abort',
      null,
      async (p) => {
        await p.evaluate(() => {
          window.hoshizora.app.sky.start = () => {
            throw new WebAssembly.RuntimeError('unreachable');
          };
        });
        await p.click('#start');
      },
      '内部エラーが起きました。ページを読み込み直してください。',
    ],
  ]) {
    const page = await openSite(browser, {before: before || undefined, failing: true});
    if (act) await act(page);
    const shown = await page.$eval('#failure', (e) => (e.hidden ? '' : e.textContent));
    assert.ok(shown.includes(headline), `${what}: ${shown}`);
    assert.ok(shown.includes(what === 'load' ? 'broken module' : 'unreachable'), `${what}: the detail`);
    await page.browserContext().close();
  }
});
