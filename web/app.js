// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the page: loads the module, runs the timer, redraws on change, and shows any failure in
// the page rather than leaving it blank.
(() => {
  const ns = (window.hoshizora = window.hoshizora || {});
  const $ = (id) => document.getElementById(id);
  const LOAD_FAILED = '読み込めませんでした。';
  const INTERNAL_ERROR = '内部エラーが起きました。ページを読み込み直してください。';

  function showFailure(headline, detail) {
    const box = $('failure');
    box.textContent = '';
    const strong = document.createElement('strong');
    strong.textContent = headline;
    box.append(strong);
    if (detail) {
      const pre = document.createElement('pre');
      pre.textContent = String(detail);
      box.append(pre);
    }
    box.hidden = false;
    $('loading').hidden = true;
  }

  function describe(error) {
    if (error instanceof Error) return `${error.name}: ${error.message}`;
    return String(error);
  }

  class App {
    constructor(sky) {
      this.sky = sky;
      this.dead = false;
      this.timer = 0;
      this.armedMs = 0;
      this.almanacShownAt = 0;
      this.view = new ns.SkyView(sky, $('sky'), $('tip'));
      // A new pixel ratio redraws a sky that stands still.
      this.view.onRatioChange = () => this.act(() => {});
      const act = (fn, redraw) => this.act(fn, redraw);
      this.panel = new ns.Panel(sky, ns.store, {
        act,
        result: (r) => this.result(r),
        save: () => this.save(),
        almanac: () => this.openAlmanac(),
      });
      this.gestures = new ns.Gestures(sky, this.view, act, (x, y) => this.openMenu(x, y));
      this.bindMenu();
      $('loading').hidden = true;
      this.refresh();
    }

    // Every call into the module goes through here: a throw (an abort inside the module) ends the page.
    act(fn, redraw = true) {
      if (this.dead) return;
      try {
        fn();
        if (redraw) this.refresh();
      } catch (e) {
        this.fatal(e);
      }
    }

    fatal(error) {
      if (this.dead) return;
      this.dead = true;
      clearTimeout(this.timer);
      this.panel.disable();
      showFailure(INTERNAL_ERROR, describe(error));
    }

    refresh() {
      this.view.draw();
      this.panel.sync();
      this.refreshAlmanac();
      this.arm();
    }

    // A chain of timeouts, one tick each; the interval is read again after every tick.
    arm() {
      const sky = this.sky;
      const ms = sky.timerEnabled() ? sky.timerInterval() : 0;
      if (this.timer && ms === this.armedMs) return;
      clearTimeout(this.timer);
      this.timer = 0;
      this.armedMs = ms;
      if (!(ms > 0)) return;
      this.timer = setTimeout(() => {
        this.timer = 0;
        this.act(() => {
          if (sky.timerEnabled() && sky.timerInterval() > 0) sky.tick();
        });
      }, ms);
    }

    // The answer of 開始, 今 and 観測地: a refusal is shown and its field focused.
    result(r) {
      const refusal = $('refusal');
      refusal.textContent = r.ok ? '' : r.message;
      refusal.hidden = r.ok || !r.message;
      this.panel.say($('read-as-zero'), r.readAsZero || '');
      if (!r.ok && r.field) {
        const input = this.panel.input(r.field);
        if (input) {
          input.focus();
          input.select();
        }
      }
    }

    save() {
      const name = this.sky.fileName();
      this.view.canvas.toBlob((blob) => {
        if (!blob) return;
        const a = document.createElement('a');
        a.href = URL.createObjectURL(blob);
        a.download = name;
        document.body.append(a);
        a.click();
        a.remove();
        setTimeout(() => URL.revokeObjectURL(a.href), 10000);
      }, 'image/png');
    }

    openAlmanac() {
      const dialog = $('almanac-dialog');
      this.almanacShownAt = 0;
      this.act(() => this.refreshAlmanac(true), false);
      if (!dialog.open) dialog.showModal();
    }

    // While the sky runs the almanac follows its date, looked at no more than once a second.
    refreshAlmanac(force = false) {
      const dialog = $('almanac-dialog');
      if (!force && !dialog.open) return;
      const now = Date.now();
      if (!force && now - this.almanacShownAt < 1000) return;
      this.almanacShownAt = now;
      // The core writes the day as simple HTML (its own texts and numbers only).
      const html = this.sky.almanac(now);
      if (this.almanacHtml !== html) {
        $('almanac-text').innerHTML = html;
        this.almanacHtml = html;
      }
    }

    bindMenu() {
      const menu = $('menu');
      $('menu-centre').addEventListener('click', () => {
        const p = this.menuPoint;
        this.closeMenu();
        if (p) this.act(() => this.sky.centreOn(p.x, p.y));
      });
      $('menu-path').addEventListener('click', () => {
        const p = this.menuPoint;
        this.closeMenu();
        if (p) this.act(() => this.sky.drawPathAt(p.x, p.y));
      });
      $('menu-path-clear').addEventListener('click', () => {
        this.closeMenu();
        this.act(() => this.sky.clearPath());
      });
      $('menu-save').addEventListener('click', () => {
        this.closeMenu();
        this.save();
      });
      menu.addEventListener('keydown', (e) => {
        if (e.key === 'Escape') {
          this.closeMenu();
          this.view.canvas.focus();
        }
      });
      document.addEventListener('pointerdown', (e) => {
        if (!menu.hidden && !menu.contains(e.target)) this.closeMenu();
      }, true);
    }

    openMenu(clientX, clientY) {
      const p = this.view.framePoint(clientX, clientY);
      let centre = false;
      let path = '';
      let hasPath = false;
      this.act(() => {
        centre = this.sky.canCentreOn(p.x, p.y);
        path = this.sky.pathAction(p.x, p.y);
        hasPath = this.sky.hasPath();
      }, false);
      if (this.dead) return;
      this.menuPoint = p;
      this.view.hideTip();
      const menu = $('menu');
      $('menu-centre').hidden = !centre;
      $('menu-path').hidden = path === '';
      $('menu-path').textContent = path;
      $('menu-path-clear').hidden = !hasPath;
      menu.hidden = false;
      ns.placeBeside(menu, this.view.boxPoint(clientX, clientY));
      menu.querySelector('button:not([hidden])').focus();
    }

    closeMenu() {
      $('menu').hidden = true;
      this.menuPoint = null;
    }
  }

  function registerWorker() {
    const local = location.hostname === 'localhost' || location.hostname === '127.0.0.1';
    if (!('serviceWorker' in navigator) || !(location.protocol === 'https:' || local)) return;
    navigator.serviceWorker.register('sw.js').catch(() => {
      // without the worker the page still works, only not offline
    });
  }

  async function boot() {
    if (typeof window.createHoshizora !== 'function') {
      showFailure(LOAD_FAILED, 'hoshizora.js が読めないか、createHoshizora がありません（sh tools/web.sh で作ります）。');
      return;
    }
    let app = null;
    let module;
    try {
      module = await window.createHoshizora({
        onAbort: (what) => (app ? app.fatal(what) : showFailure(INTERNAL_ERROR, what)),
      });
    } catch (e) {
      showFailure(LOAD_FAILED, describe(e));
      return;
    }
    try {
      app = new App(new module.Sky());
    } catch (e) {
      if (app) app.fatal(e);
      else showFailure(INTERNAL_ERROR, describe(e));
      return;
    }
    ns.app = app;  // for the browser tests and the console
    registerWorker();
  }

  boot();
})();
