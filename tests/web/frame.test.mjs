// SPDX-License-Identifier: GPL-3.0-or-later
// The page draws the same sky as the native renderer: the first frame of Tokyo, 2027-01-15 21:00
// JST, pixel for pixel outside the texts (the browser's font is not Qt's); on a screen of twice the
// scale, the page's canvas as hoshizora-render --pixel-ratio 2 draws it.
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import {after, before, test} from 'node:test';
import {launch, openSite, renderBinary, startPaused, tempDir, tokyo} from './browser.mjs';
import {diffWithCanvas, textBoxes} from './pixels.mjs';

let browser;
before(async () => {
  browser = await launch();
});
after(() => browser.close());

// Differing pixels allowed, and why: the web build's libm (musl) rounds sin and cos one unit in the
// last place away from glibc's for a few arguments, and a grid node that falls exactly on a half
// pixel then rounds to the other pixel (measured: 10 pixels of the Tokyo grid below).
const libmRoundingPixels = 20;

// Each case: the native renderer's switches and the page's controls clicked for the same frame.
const cases = [
  {name: 'the specified sky', args: [], clicks: [], allowed: 0},
  {name: 'the grid', args: ['--grid'], clicks: ['input[name="grid"][value="on"]'], allowed: libmRoundingPixels},
  {
    name: 'grid, constellations and faint stars, zoomed in',
    args: ['--grid', '--constellation-lines', '--constellation-names', '--constellation-boundaries',
      '--magnitude-limit', '6', '--zoom', '2', '--view-altitude', '40', '--view-azimuth', '120'],
    clicks: ['input[name="grid"][value="on"]', '[data-option="lines"]', '[data-option="names"]',
      '[data-option="boundaries"]', '[data-option="faintStars"]', '#zoom-in', '#zoom-in'],
    fields: {view_altitude: '40', view_azimuth: '120'},
    allowed: libmRoundingPixels,
  },
  // A grid node rounded the other way moves a brush-wide stretch of line: four device pixels each.
  {name: 'the grid at twice the scale', args: ['--grid', '--pixel-ratio', '2'], clicks: ['input[name="grid"][value="on"]'], scale: 2, allowed: 4 * libmRoundingPixels},
  {
    name: 'the science lesson\'s pictures, looking south',
    args: ['--equator', '--ecliptic', '--meridian', '--equatorial-grid', '--milky-way', '--star-names',
      '--asterisms', '--view-altitude', '45', '--view-azimuth', '180'],
    clicks: ['equator', 'ecliptic', 'meridian', 'equatorialGrid', 'milkyWay', 'starNames', 'asterisms']
      .map((o) => `[data-option="${o}"]`),
    fields: {view_altitude: '45', view_azimuth: '180'},
    allowed: libmRoundingPixels,
  },
];

for (const c of cases) {
  test(`the first frame equals hoshizora-render --png outside the texts: ${c.name}`, async () => {
    assert.ok(fs.existsSync(renderBinary), `no native renderer at ${renderBinary} (set HOSHIZORA_RENDER)`);
    const dir = tempDir('frame');
    const png = path.join(dir, 'native.png');
    const args = Object.entries(tokyo).flatMap(([k, v]) => [`--${k}`, v]);
    execFileSync(renderBinary, [...args, ...c.args, '--png', png]);

    const scale = c.scale || 1;
    const page = await openSite(browser, {scale});
    assert.equal(await page.evaluate(() => window.hoshizora.app.sky.pixelRatio()), scale);
    for (const selector of c.clicks) await page.click(selector);
    await startPaused(page, {...tokyo, ...(c.fields || {})});
    assert.equal(await page.$eval('#refusal', (e) => e.hidden), true);
    const boxes = await textBoxes(page);
    const d = await diffWithCanvas(page, png, boxes, scale);
    console.log(`${c.name}: ${d.differing} of the ${d.compared} pixels outside ${boxes.length} text boxes differ`, d.samples);
    assert.ok(d.differing <= c.allowed, `${d.differing} pixels differ`);
    fs.rmSync(dir, {recursive: true, force: true});
  });
}
