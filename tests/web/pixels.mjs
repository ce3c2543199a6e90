// SPDX-License-Identifier: GPL-3.0-or-later
// Compares a PNG with the sky's canvas inside the page: the PNG is decoded by the browser itself
// (a data: URL into an Image), so no image library is needed here.
import fs from 'node:fs';

// Counts the pixels where the PNG and the canvas differ, leaving out the given boxes
// ({x, y, w, h} in frame pixels, the canvas's device pixels being `scale` to a frame pixel).
// Returns {width, height, compared, differing, samples}.
export async function diffWithCanvas(page, pngFile, logicalBoxes = [], scale = 1) {
  const boxes = logicalBoxes.map((r) => ({x: r.x * scale, y: r.y * scale, w: r.w * scale, h: r.h * scale}));
  const url = `data:image/png;base64,${fs.readFileSync(pngFile).toString('base64')}`;
  return page.evaluate(
    async (url, boxes) => {
      const image = new Image();
      image.src = url;
      await image.decode();
      const scratch = document.createElement('canvas');
      scratch.width = image.naturalWidth;
      scratch.height = image.naturalHeight;
      const sc = scratch.getContext('2d', {willReadFrequently: true});
      sc.drawImage(image, 0, 0);
      const sky = document.getElementById('sky');
      const w = sky.width;
      const h = sky.height;
      if (scratch.width !== w || scratch.height !== h) {
        return {width: scratch.width, height: scratch.height, differing: -1, samples: []};
      }
      const a = sc.getImageData(0, 0, w, h).data;
      const b = sky.getContext('2d').getImageData(0, 0, w, h).data;
      const masked = new Uint8Array(w * h);
      for (const r of boxes) {
        for (let y = Math.max(0, Math.floor(r.y)); y < Math.min(h, Math.ceil(r.y + r.h)); y++) {
          for (let x = Math.max(0, Math.floor(r.x)); x < Math.min(w, Math.ceil(r.x + r.w)); x++) masked[y * w + x] = 1;
        }
      }
      let differing = 0;
      const compared = masked.reduce((n, m) => n + (m ? 0 : 1), 0);
      const samples = [];
      for (let i = 0; i < w * h; i++) {
        if (masked[i]) continue;
        const o = i * 4;
        if (a[o] !== b[o] || a[o + 1] !== b[o + 1] || a[o + 2] !== b[o + 2]) {
          differing++;
          if (samples.length < 5) samples.push({x: i % w, y: Math.floor(i / w), png: [a[o], a[o + 1], a[o + 2]], canvas: [b[o], b[o + 1], b[o + 2]]});
        }
      }
      return {width: w, height: h, compared, differing, samples};
    },
    url,
    boxes,
  );
}

// The boxes of the frame's texts, generously wide: a full-width glyph for every character plus a
// margin, so an outline or a different font's metrics stay inside.
export async function textBoxes(page) {
  return page.evaluate(() => {
    const sky = window.hoshizora.app.sky;
    const line = sky.lineHeight ? sky.lineHeight() : 16;
    return window.hoshizora.list(sky.texts()).map((t) => ({x: t.x - 3, y: t.y - 3, w: [...t.text].length * 12 + 6, h: line + 6}));
  });
}
