// SPDX-License-Identifier: GPL-3.0-or-later
// Pointer, wheel and key input on the sky: one pointer drags the sky, two pinch the zoom, a tap
// shows the tip, a long press or right click opens the menu, a wheel notch zooms one step.
(() => {
  const ns = (window.hoshizora = window.hoshizora || {});
  const TAP_SLOP = 6;          // CSS px a tap or a long press may wander
  const TAP_MS = 500;          // longer than this is not a tap
  const LONG_PRESS_MS = 600;
  const PINCH_STEP = Math.SQRT2;  // one zoom step per √2 of change in the fingers' distance
  const WHEEL_NOTCH = 100;     // pixels of wheel delta to one step (touchpads send small deltas)

  class Gestures {
    // view: SkyView; act(fn): runs fn on the sky and redraws; menu(clientX, clientY): opens the menu.
    constructor(sky, view, act, menu) {
      this.sky = sky;
      this.view = view;
      this.act = act;
      this.menu = menu;
      this.pointers = new Map();  // pointerId -> {x, y} client position
      this.press = null;          // the single pointer's start: {id, x, y, t, grabbed, long}
      this.pinch = null;          // {base} distance at the last zoom step
      this.wheel = 0;
      this.longTimer = 0;
      const c = view.canvas;
      c.addEventListener('pointerdown', (e) => this.down(e));
      c.addEventListener('pointermove', (e) => this.move(e));
      c.addEventListener('pointerup', (e) => this.up(e, true));
      c.addEventListener('pointercancel', (e) => this.up(e, false));
      c.addEventListener('pointerleave', (e) => {
        if (e.pointerType === 'mouse' && !this.pointers.size) view.hideTip();
      });
      c.addEventListener('wheel', (e) => this.onWheel(e), {passive: false});
      c.addEventListener('contextmenu', (e) => {
        e.preventDefault();
        this.cancelPress();
        this.menu(e.clientX, e.clientY);
      });
      c.addEventListener('keydown', (e) => this.onKey(e));
    }

    frame(e) {
      return this.view.framePoint(e.clientX, e.clientY);
    }

    down(e) {
      if (e.pointerType === 'mouse' && e.button !== 0) return;  // the right button opens the menu
      this.view.canvas.focus({preventScroll: true});
      this.view.hideTip();
      try {
        this.view.canvas.setPointerCapture(e.pointerId);
      } catch (err) {
        // a synthetic pointer cannot be captured: its events still reach the canvas
      }
      this.pointers.set(e.pointerId, {x: e.clientX, y: e.clientY});
      if (this.pointers.size === 1) {
        const p = this.frame(e);
        this.press = {id: e.pointerId, x: e.clientX, y: e.clientY, t: e.timeStamp, grabbed: false, long: false};
        this.act(() => {
          this.press.grabbed = this.sky.grab(p.x, p.y);
        });
        clearTimeout(this.longTimer);
        this.longTimer = setTimeout(() => this.longPress(), LONG_PRESS_MS);
      } else if (this.pointers.size === 2) {
        this.endPress();
        this.pinch = {base: this.spread()};
      }
    }

    move(e) {
      if (!this.pointers.has(e.pointerId)) {
        if (e.pointerType === 'mouse') this.hover(e);
        return;
      }
      this.pointers.set(e.pointerId, {x: e.clientX, y: e.clientY});
      if (this.pinch && this.pointers.size >= 2) {
        this.pinchMove();
        return;
      }
      const press = this.press;
      if (!press || press.id !== e.pointerId) return;
      if (Math.hypot(e.clientX - press.x, e.clientY - press.y) > TAP_SLOP) {
        press.moved = true;
        clearTimeout(this.longTimer);
      }
      if (press.grabbed) {
        const p = this.frame(e);
        this.view.hideTip();
        this.act(() => this.sky.dragTo(p.x, p.y));
      }
    }

    up(e, normal) {
      if (!this.pointers.delete(e.pointerId)) return;
      const press = this.press;
      if (press && press.id === e.pointerId) {
        const tap = normal && !press.moved && !press.long && e.timeStamp - press.t < TAP_MS;
        this.endPress();
        if (tap) this.tipAt(e);
      }
      if (this.pointers.size < 2) this.pinch = null;
    }

    endPress() {
      clearTimeout(this.longTimer);
      const press = this.press;
      this.press = null;
      if (press && press.grabbed) this.act(() => this.sky.release());
    }

    cancelPress() {
      clearTimeout(this.longTimer);
      if (this.press) this.press.long = true;
    }

    longPress() {
      const press = this.press;
      if (!press || press.moved) return;
      press.long = true;
      this.menu(press.x, press.y);
    }

    spread() {
      const [a, b] = [...this.pointers.values()];
      return Math.max(1, Math.hypot(a.x - b.x, a.y - b.y));
    }

    pinchMove() {
      const d = this.spread();
      let steps = 0;
      const slack = 1 + 1e-9;  // twice √2 is 2 to the last bit
      while (d * slack >= this.pinch.base * PINCH_STEP) {
        this.pinch.base *= PINCH_STEP;
        steps++;
      }
      while (d <= (this.pinch.base / PINCH_STEP) * slack) {
        this.pinch.base /= PINCH_STEP;
        steps--;
      }
      if (steps) this.act(() => this.sky.zoomBy(steps));
    }

    onWheel(e) {
      e.preventDefault();
      const unit = e.deltaMode === 1 ? 40 : e.deltaMode === 2 ? 800 : 1;  // lines, pages, pixels
      const dy = e.deltaY * unit;
      if (Math.sign(dy) !== Math.sign(this.wheel)) this.wheel = 0;  // a turn back starts afresh
      this.wheel += dy;
      const steps = Math.trunc(this.wheel / WHEEL_NOTCH);
      if (!steps) return;
      this.wheel -= steps * WHEEL_NOTCH;
      this.act(() => this.sky.zoomBy(-steps));  // wheel away from the user (deltaY < 0) magnifies
    }

    onKey(e) {
      let handled = false;
      this.act(() => {
        handled = this.sky.key(e.key, e.shiftKey, e.altKey || e.ctrlKey || e.metaKey);
      });
      if (handled) e.preventDefault();
    }

    hover(e) {
      const p = this.frame(e);
      let text = '';
      this.act(() => {
        text = this.sky.tipAt(p.x, p.y);
      }, false);
      this.view.showTip(e.clientX, e.clientY, text);
    }

    tipAt(e) {
      this.hover(e);
    }
  }

  ns.Gestures = Gestures;
})();
