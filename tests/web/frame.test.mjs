// SPDX-License-Identifier: GPL-3.0-or-later
// The page draws the same sky as the native renderer: the first frame of Tokyo, 2027-01-15 21:00
// JST, pixel for pixel outside the texts (the browser's font is not Qt's).
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

test('the first frame equals hoshizora-render --png outside the texts', async () => {
  assert.ok(fs.existsSync(renderBinary), `no native renderer at ${renderBinary} (set HOSHIZORA_RENDER)`);
  const dir = tempDir('frame');
  const png = path.join(dir, 'native.png');
  const args = Object.entries(tokyo).flatMap(([k, v]) => [`--${k}`, v]);
  execFileSync(renderBinary, [...args, '--png', png]);

  const page = await openSite(browser);
  await startPaused(page, tokyo);
  assert.equal(await page.$eval('#refusal', (e) => e.hidden), true);
  const boxes = await textBoxes(page);
  const d = await diffWithCanvas(page, png, boxes);
  console.log(`frame: ${d.differing} of the ${d.compared} pixels outside ${boxes.length} text boxes differ`, d.samples);
  assert.equal(d.differing, 0);
  fs.rmSync(dir, {recursive: true, force: true});
});
