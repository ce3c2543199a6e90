// SPDX-License-Identifier: GPL-3.0-or-later
// Prints how fast the web edition draws, beside the native figures of the same machine and run:
//   sh tools/web.sh bench   (or node tests/web/bench.mjs after npm ci in tests/web)
// the median frame time (one sky.tick() and the copy to the canvas) over 200 frames, default view
// and every layer on; the time from navigation to the first sky drawn; the site's gzip size. It
// measures, it does not judge.
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import {launch, openSite, renderBinary, repoRoot, sitePage, startPaused, tempDir, tokyo} from './browser.mjs';

const FRAMES = 200;
const LOADS = 5;
const median = (xs) => {
  const s = [...xs].sort((a, b) => a - b);
  return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};
const ms = (x) => `${x.toFixed(2)} ms`;

// 200 ticks in one task, each timed with its draw; the page's own timer cannot come between.
// The switches of the sky's layers: the window's first ones, then the science lesson's pictures.
const firstLayers = ['grid', 'starsByDay', 'lines', 'names', 'boundaries', 'faintStars'];
const allLayers = [...firstLayers, 'equator', 'ecliptic', 'meridian', 'equatorialGrid', 'milkyWay', 'starNames',
  'asterisms'];

async function frameTimes(page, layers) {
  return page.evaluate(
    (layers, all, frames) => {
      const app = window.hoshizora.app;
      const sky = app.sky;
      for (const name of all) sky.setOption(name, layers.includes(name));
      if (sky.paused()) sky.pauseOrResume();
      const times = [];
      for (let i = 0; i < frames; i++) {
        const t0 = performance.now();
        sky.tick();
        app.view.draw();
        times.push(performance.now() - t0);
      }
      sky.pauseOrResume();
      app.refresh();
      return times;
    },
    layers,
    allLayers,
    FRAMES,
  );
}

function siteSize(dir) {
  let raw = 0;
  let gz = 0;
  for (const name of fs.readdirSync(dir)) {
    const file = path.join(dir, name);
    if (!fs.statSync(file).isFile()) continue;
    const data = fs.readFileSync(file);
    raw += data.length;
    gz += zlib.gzipSync(data, {level: 9}).length;
  }
  return {raw, gz};
}

function nativeBench() {
  const binary = path.resolve(repoRoot, process.env.HOSHIZORA_BENCH_FRAME || 'build/bench/hoshizora-bench-frame');
  if (!fs.existsSync(binary)) return `(no ${binary}; set HOSHIZORA_BENCH_FRAME)`;
  const out = execFileSync(
    binary,
    ['--benchmark_filter=^BM_(DefaultViewGridOff|EverythingOn)$', '--benchmark_format=json', '--benchmark_repetitions=5', '--benchmark_report_aggregates_only=true'],
    {encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore']},
  );
  return JSON.parse(out)
    .benchmarks.filter((b) => b.aggregate_name === 'median')
    .map((b) => `  ${b.run_name}: ${b.real_time.toFixed(3)} ${b.time_unit} (median of 5, Google Benchmark)`)
    .join('\n');
}

function nativeRender() {
  if (!fs.existsSync(renderBinary)) return `(no ${renderBinary}; set HOSHIZORA_RENDER)`;
  const dir = tempDir('bench');
  const args = [...Object.entries(tokyo).flatMap(([k, v]) => [`--${k}`, v]), '--png', path.join(dir, 'f.png')];
  const run = (frames) => {
    const t0 = process.hrtime.bigint();
    execFileSync(renderBinary, [...args, '--frames', String(frames)], {stdio: 'ignore'});
    return Number(process.hrtime.bigint() - t0) / 1e6;
  };
  const one = median([1, 2, 3].map(() => run(1)));
  const many = median([1, 2, 3].map(() => run(FRAMES + 1)));
  fs.rmSync(dir, {recursive: true, force: true});
  return `  hoshizora-render: ${ms(one)} for one frame (start-up included), ${ms((many - one) / FRAMES)} a frame over ${FRAMES} more`;
}

const browser = await launch();
try {
  const loads = [];
  for (let i = 0; i < LOADS; i++) {
    const page = await openSite(browser);
    loads.push(await page.evaluate(() => performance.getEntriesByName('hoshizora-first-sky')[0].startTime));
    await page.browserContext().close();
  }
  const page = await openSite(browser);
  await startPaused(page, tokyo);
  const plain = await frameTimes(page, []);
  const first = await frameTimes(page, firstLayers);
  const layered = await frameTimes(page, allLayers);
  await page.browserContext().close();
  const size = siteSize(path.dirname(sitePage));
  const chrome = (await browser.version()).replace('HeadlessChrome/', 'Chromium ');

  console.log(`web edition (${chrome}, headless, ${sitePage})`);
  console.log(`  frame, default view:     median ${ms(median(plain))} over ${FRAMES} (tick + draw to canvas)`);
  console.log(`  frame, grid, day stars, constellations, faint stars: median ${ms(median(first))} over ${FRAMES}`);
  console.log(`  frame, every layer on (and the lesson's pictures): median ${ms(median(layered))} over ${FRAMES}`);
  console.log(`  navigation to first sky (module ready, canvas painted): median ${ms(median(loads))} over ${LOADS} loads`);
  console.log(`  site: ${(size.raw / 1024).toFixed(0)} KiB, gzip -9 ${(size.gz / 1024).toFixed(0)} KiB`);
  console.log('native, same machine and run');
  console.log(nativeBench());
  console.log(nativeRender());
} finally {
  await browser.close();
}
