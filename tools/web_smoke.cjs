// SPDX-License-Identifier: GPL-3.0-or-later
// The web module's frames against hoshizora-render's, pixel for pixel outside
// the texts (which the page draws in its own fonts). Run after tools/web.sh
// and a native build (tools/build.sh):
//   node --no-experimental-fetch tools/web_smoke.cjs [build-web/site/hoshizora.js] [build/src/cli/hoshizora-render]
// Prints, for each case, the differing pixels; exits 1 when any differ.
'use strict';
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const zlib = require('node:zlib');

const top = path.resolve(__dirname, '..');
const modulePath = path.resolve(process.argv[2] || path.join(top, 'build-web/site/hoshizora.js'));
const renderPath = path.resolve(process.argv[3] || path.join(top, 'build/src/cli/hoshizora-render'));

// The module is built for pages and workers only: pose as a worker.
globalThis.self = globalThis;
globalThis.importScripts = () => {};
globalThis.self.location = { href: 'file://' + path.dirname(modulePath) + '/' };
const createHoshizora = require(modulePath);

// A non-interlaced PNG, RGB or RGBA of 8 bits or a palette of up to 8 bits,
// as RGBA bytes.
function readPng(file) {
  const b = fs.readFileSync(file);
  let pos = 8;
  let width = 0, height = 0, colourType = 0, depth = 8;
  let palette = null;
  const idat = [];
  while (pos < b.length) {
    const len = b.readUInt32BE(pos);
    const type = b.toString('latin1', pos + 4, pos + 8);
    const data = b.subarray(pos + 8, pos + 8 + len);
    if (type === 'IHDR') {
      width = data.readUInt32BE(0);
      height = data.readUInt32BE(4);
      depth = data[8];
      colourType = data[9];
      const known = (colourType === 3 && depth <= 8) || ((colourType === 2 || colourType === 6) && depth === 8);
      if (!known || data[12] !== 0) throw new Error('unexpected PNG format');
    }
    if (type === 'PLTE') palette = Buffer.from(data);
    if (type === 'IDAT') idat.push(data);
    pos += 12 + len;
  }
  const bpp = colourType === 6 ? 4 : colourType === 2 ? 3 : 1;  // bytes a pixel, filters' unit
  const raw = zlib.inflateSync(Buffer.concat(idat));
  const stride = colourType === 3 ? Math.ceil((width * depth) / 8) : width * bpp;
  const rows = Buffer.alloc(stride * height);
  for (let y = 0; y < height; y++) {
    const filter = raw[y * (stride + 1)];
    for (let i = 0; i < stride; i++) {
      const x = raw[y * (stride + 1) + 1 + i];
      const a = i >= bpp ? rows[y * stride + i - bpp] : 0;
      const up = y > 0 ? rows[(y - 1) * stride + i] : 0;
      const c = y > 0 && i >= bpp ? rows[(y - 1) * stride + i - bpp] : 0;
      let v;
      if (filter === 0) v = x;
      else if (filter === 1) v = x + a;
      else if (filter === 2) v = x + up;
      else if (filter === 3) v = x + ((a + up) >> 1);
      else {
        const p = a + up - c, pa = Math.abs(p - a), pb = Math.abs(p - up), pc = Math.abs(p - c);
        v = x + (pa <= pb && pa <= pc ? a : pb <= pc ? up : c);
      }
      rows[y * stride + i] = v & 255;
    }
  }
  const rgba = Buffer.alloc(width * height * 4);
  for (let p = 0; p < width * height; p++) {
    let src = rows, at = bpp * p;
    if (colourType === 3) {
      const y = Math.floor(p / width), x = p % width;
      const bit = x * depth;
      const byte = rows[y * stride + (bit >> 3)];
      const index = (byte >> (8 - depth - (bit & 7))) & ((1 << depth) - 1);
      src = palette;
      at = 3 * index;
    }
    rgba[4 * p] = src[at];
    rgba[4 * p + 1] = src[at + 1];
    rgba[4 * p + 2] = src[at + 2];
    rgba[4 * p + 3] = 255;
  }
  return { width, height, rgba };
}

// Where a text's glyphs may go: the surface font is fixed pitch, 6 pixels a
// half-width character and 12 a full-width one; a pixel to spare around.
function textBoxes(texts, lineHeight) {
  return texts.map((t) => {
    let w = 0;
    for (const ch of t.text) w += ch.codePointAt(0) < 0x80 || (ch >= '\uff61' && ch <= '\uff9f') ? 6 : 12;
    return { x0: t.x - 2, y0: t.y - 2, x1: t.x + w + 2, y1: t.y + lineHeight + 2 };
  });
}

const cases = [
  { name: 'Tokyo 2027-01-15 21:00', options: [], frames: 1 },
  { name: 'the same with the grid', options: ['grid'], frames: 1 },
  {
    name: 'everything on, 6th magnitude, 60 frames on',
    options: ['grid', 'lines', 'names', 'boundaries', 'faintStars'],
    frames: 60,
  },
];
const switches = {
  grid: ['--grid'],
  lines: ['--constellation-lines'],
  names: ['--constellation-names'],
  boundaries: ['--constellation-boundaries'],
  faintStars: ['--magnitude-limit', '6'],
};

(async () => {
  const mod = await createHoshizora();
  const tmp = fs.mkdtempSync(path.join(os.tmpdir(), 'hoshizora-smoke-'));
  let failed = false;
  for (const c of cases) {
    const png = path.join(tmp, 'frame.png');
    const args = ['--longitude', '139.74', '--latitude', '35.68', '--year', '2027', '--month', '1',
      '--day', '15', '--hour', '21', '--minute', '0', '--frames', String(c.frames), '--png', png];
    for (const o of c.options) args.push(...switches[o]);
    execFileSync(renderPath, args, { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
    const native = readPng(png);

    const sky = new mod.Sky();
    const fields = { longitude: '139.74', latitude: '35.68', year: '2027', month: '1', day: '15',
      hour: '21', minute: '0' };
    for (const [k, v] of Object.entries(fields)) sky.setField(k, v);
    for (const o of c.options) sky.setOption(o, true);
    const r = sky.start();
    if (!r.ok) throw new Error('refused: ' + r.message);
    // The first frame shows at the next tick; the n-th after n ticks.
    for (let i = 0; i < c.frames; i++) sky.tick();
    const web = sky.pixels();
    const boxes = textBoxes(sky.texts(), sky.lineHeight());
    if (native.width !== sky.width() || native.height !== sky.height()) throw new Error('sizes differ');

    let differing = 0, masked = 0;
    const examples = [];
    for (let y = 0; y < native.height; y++) {
      for (let x = 0; x < native.width; x++) {
        if (boxes.some((b) => x >= b.x0 && x <= b.x1 && y >= b.y0 && y <= b.y1)) {
          masked++;
          continue;
        }
        const i = 4 * (y * native.width + x);
        if (web[i] !== native.rgba[i] || web[i + 1] !== native.rgba[i + 1] ||
            web[i + 2] !== native.rgba[i + 2] || web[i + 3] !== 255) {
          differing++;
          if (examples.length < 5) {
            examples.push(`(${x},${y}) web ${web.slice(i, i + 3).join(',')} native ${native.rgba.subarray(i, i + 3).join(',')}`);
          }
        }
      }
    }
    console.log(`${c.name}: ${differing} pixels differ (${masked} under ${boxes.length} texts not compared)`);
    for (const e of examples) console.log('  ' + e);
    if (differing) failed = true;
    sky.delete();
  }
  fs.rmSync(tmp, { recursive: true });
  process.exit(failed ? 1 : 0);
})().catch((e) => {
  console.error(e);
  process.exit(2);
});
