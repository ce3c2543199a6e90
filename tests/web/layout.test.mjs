// SPDX-License-Identifier: GPL-3.0-or-later
// No sideways scrolling on phones, tablets and laptops; the panel beside the sky when there is room,
// below it otherwise; and a reload keeps everything the user typed and chose.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';
import {fieldValues, launch, openSite, startPaused, tokyo, typeField} from './browser.mjs';

let browser;
before(async () => {
  browser = await launch();
});
after(() => browser.close());

test('nothing scrolls sideways, and the panel sits beside or below the sky', async () => {
  for (const [width, height, beside] of [
    [360, 740, false],
    [768, 1024, false],
    [1024, 768, true],
    [1366, 768, true],
  ]) {
    const page = await openSite(browser, {width, height});
    await startPaused(page, {...tokyo, latitude: 'abc'});  // with the read-as-zero line showing
    const m = await page.evaluate(() => {
      const box = (id) => document.getElementById(id).getBoundingClientRect();
      const sky = box('sky');
      const panel = box('panel');
      return {
        scrollWidth: document.documentElement.scrollWidth,
        clientWidth: document.documentElement.clientWidth,
        sky: {right: sky.right, bottom: sky.bottom, width: sky.width, height: sky.height},
        panel: {left: panel.left, top: panel.top},
      };
    });
    const label = `${width}x${height}`;
    assert.ok(m.scrollWidth <= m.clientWidth, `${label}: scrollWidth ${m.scrollWidth} > ${m.clientWidth}`);
    assert.ok(m.sky.right <= m.clientWidth, `${label}: the sky fits`);
    assert.ok(Math.abs(m.sky.height / m.sky.width - 665 / 641) < 0.01, `${label}: the sky keeps its shape`);
    if (beside) assert.ok(m.panel.left >= m.sky.right, `${label}: panel beside the sky`);
    else assert.ok(m.panel.top >= m.sky.bottom, `${label}: panel below the sky`);
    await page.browserContext().close();
  }
});

test('a reload keeps the fields, options and choices', async () => {
  const page = await openSite(browser);
  const typed = {...tokyo, view_altitude: '45', view_azimuth: '200', frame_interval: '50'};
  for (const [k, v] of Object.entries(typed)) await typeField(page, k, v);
  await page.click('[data-option="lines"]');
  await page.click('[data-option="faintStars"]');
  await page.click('input[name="grid"][value="on"]');
  await page.select('#step', '3');
  await page.click('#backward');
  await page.click('#zoom-in');
  await page.type('#find', 'シリウス');
  const state = () =>
    page.evaluate(() => {
      const s = window.hoshizora.app.sky;
      const names = ['grid', 'starsByDay', 'lines', 'names', 'boundaries', 'faintStars'];
      return {
        fields: Object.fromEntries(s.fieldNames().map((n) => [n, s.field(n)])),
        options: Object.fromEntries(names.map((n) => [n, s.option(n)])),
        step: s.stepIndex(),
        backward: document.getElementById('backward').checked,
        zoom: s.zoomLevel(),
        find: document.getElementById('find').value,
      };
    });
  const before = await state();
  const shownBefore = await fieldValues(page);
  assert.deepEqual(
    Object.fromEntries(Object.keys(typed).map((k) => [k, before.fields[k]])),
    typed,
    'the session took the typed fields',
  );
  await page.reload({waitUntil: 'load'});
  await page.waitForFunction(() => window.hoshizora && window.hoshizora.app);
  assert.deepEqual(await state(), before);
  assert.deepEqual(await fieldValues(page), shownBefore);
  await page.browserContext().close();
});
