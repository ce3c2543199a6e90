// SPDX-License-Identifier: GPL-3.0-or-later
// The sky's canvas: copies the frame on screen (pixels, then texts) whenever it changed, and turns
// pointer positions on the scaled canvas back into the frame's logical pixels. The frame is drawn at
// the device's pixel ratio: the canvas holds its device pixels, its CSS size stays logical, and the
// texts are drawn at logical pixels scaled by the ratio.
(() => {
  const ns = (window.hoshizora = window.hoshizora || {});
  const FONT = '12px IPAGothic, "IPAゴシック", "Hiragino Sans", "Yu Gothic", "Noto Sans CJK JP", sans-serif';

  class SkyView {
    constructor(sky, canvas, tip) {
      this.sky = sky;
      this.canvas = canvas;
      this.tip = tip;
      this.width = sky.width();  // logical pixels
      this.height = sky.height();
      this.context = canvas.getContext('2d', {alpha: false, willReadFrequently: true});
      this.image = null;
      this.serial = null;
      this.strings = [];  // the module's texts by number, in their generation
      this.generation = -1;
      this.colours = new Map();  // Rgb number -> CSS colour
      this.followPixelRatio();
    }

    // Tells the sky the device's pixel ratio now and whenever it changes (a zoom of the page, a
    // move to another screen); the frame drawn next has it.
    followPixelRatio() {
      const ratio = window.devicePixelRatio || 1;
      this.sky.setPixelRatio(ratio);
      if (!window.matchMedia) return;
      const query = window.matchMedia(`(resolution: ${ratio}dppx)`);
      const changed = () => {
        query.removeEventListener('change', changed);
        this.followPixelRatio();
        this.serial = null;
        if (this.onRatioChange) this.onRatioChange();
      };
      query.addEventListener('change', changed);
    }

    // Redraws when the frame changed; true when it did.
    draw() {
      const serial = this.sky.frameSerial();
      if (serial === this.serial) return false;
      this.serial = serial;
      this.paint();
      return true;
    }

    paint() {
      const w = this.sky.pixelWidth();
      const h = this.sky.pixelHeight();
      if (!this.image || this.image.width !== w || this.image.height !== h) {
        this.canvas.width = w;
        this.canvas.height = h;
        this.image = this.context.createImageData(w, h);
      }
      // The view is into the module's memory and dies at the next call: copy it at once.
      this.image.data.set(this.sky.pixels());
      const c = this.context;
      c.putImageData(this.image, 0, 0);
      c.setTransform(w / this.width, 0, 0, h / this.height, 0, 0);
      c.font = FONT;
      c.textBaseline = 'top';
      c.textAlign = 'left';
      this.paintTexts(c);
      c.setTransform(1, 0, 0, 1, 0, 0);
      if (!this.painted) {
        this.painted = true;
        performance.mark('hoshizora-first-sky');  // read by tests/web/bench.mjs
      }
    }

    // The texts over the pixels, from the module's packed runs: [generation, then x, y, colour,
    // string number a text]; each string is asked for once.
    paintTexts(c) {
      const runs = this.sky.textRuns().slice();  // the view dies at the next call into the module
      if (runs[0] !== this.generation) {
        this.generation = runs[0];
        this.strings = [];
      }
      for (let i = 1; i + 3 < runs.length; i += 4) {
        const n = runs[i + 3];
        let text = this.strings[n];
        if (text === undefined) text = this.strings[n] = this.sky.textString(n);
        c.fillStyle = this.colour(runs[i + 2]);
        c.fillText(text, runs[i], runs[i + 1]);
      }
    }

    // '#rrggbb' of an Rgb number (red + 256 green + 65536 blue).
    colour(rgb) {
      let css = this.colours.get(rgb);
      if (!css) {
        const hex = (v) => v.toString(16).padStart(2, '0');
        css = `#${hex(rgb & 255)}${hex((rgb >> 8) & 255)}${hex((rgb >> 16) & 255)}`;
        this.colours.set(rgb, css);
      }
      return css;
    }

    // Client coordinates to the frame's logical pixels (the canvas is scaled by CSS).
    framePoint(clientX, clientY) {
      const r = this.canvas.getBoundingClientRect();
      return {
        x: ((clientX - r.left) * this.width) / r.width,
        y: ((clientY - r.top) * this.height) / r.height,
      };
    }

    // Where the client point lies inside the canvas's frame element (for the tip and the menu).
    boxPoint(clientX, clientY) {
      const r = this.canvas.getBoundingClientRect();
      return {x: clientX - r.left, y: clientY - r.top, w: r.width, h: r.height};
    }

    showTip(clientX, clientY, text) {
      if (!text) {
        this.hideTip();
        return;
      }
      this.tip.textContent = text;
      this.tip.hidden = false;
      place(this.tip, this.boxPoint(clientX, clientY));
    }

    hideTip() {
      this.tip.hidden = true;
    }
  }

  // Puts a floating box beside the point, flipped to stay inside the sky.
  function place(box, p) {
    const gap = 14;
    const bw = box.offsetWidth;
    const bh = box.offsetHeight;
    let x = p.x + gap;
    let y = p.y + gap;
    if (x + bw > p.w) x = Math.max(0, p.x - gap - bw);
    if (y + bh > p.h) y = Math.max(0, p.y - gap - bh);
    box.style.left = `${x}px`;
    box.style.top = `${y}px`;
  }

  // A list from the module as a plain array, whether it came as a JS array or an embind vector
  // (which is freed here, as nothing else holds it).
  ns.list = (value) => {
    if (Array.isArray(value)) return value;
    const out = [];
    if (value && typeof value.size === 'function') {
      for (let i = 0; i < value.size(); i++) out.push(value.get(i));
      if (typeof value.delete === 'function') value.delete();
    }
    return out;
  };

  ns.SkyView = SkyView;
  ns.placeBeside = place;
  ns.SKY_FONT = FONT;
})();
