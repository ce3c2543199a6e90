// SPDX-License-Identifier: GPL-3.0-or-later
// The panel beside the sky: wires each control to the session and mirrors the session back into
// the controls, keeping every choice in the store.
(() => {
  const ns = (window.hoshizora = window.hoshizora || {});
  const RADIO_OPTIONS = ['grid', 'starsByDay'];
  const $ = (id) => document.getElementById(id);

  class Panel {
    // hooks: {act(fn), result(r), save(), almanac()}
    constructor(sky, store, hooks) {
      this.sky = sky;
      this.store = store;
      this.hooks = hooks;
      this.inputs = new Map();  // field name -> <input>
      for (const label of document.querySelectorAll('[data-field]')) {
        this.inputs.set(label.dataset.field, label.querySelector('input'));
      }
      this.checks = [...document.querySelectorAll('[data-option]')];
      this.buildLists();
      this.restore();
      this.bind();
    }

    buildLists() {
      const sky = this.sky;
      for (const name of ns.list(sky.fieldNames())) {
        const input = this.inputs.get(name);
        if (!input) continue;
        const caption = sky.fieldCaption(name);
        input.closest('label').querySelector('.caption').textContent = caption;
        input.name = name;
        input.inputMode = 'decimal';
        input.spellcheck = false;
      }
      fill($('place'), ns.list(sky.placeNames()), true);
      fill($('step'), ns.list(sky.stepChoices()), false);
      const targets = $('targets');
      for (const name of ns.list(sky.targetNames())) {
        const o = document.createElement('option');
        o.value = name;
        targets.append(o);
      }
    }

    // The saved state goes into the session before anything is started.
    restore() {
      const sky = this.sky;
      const st = this.store;
      for (const name of this.inputs.keys()) {
        const saved = st.get('fields', name);
        if (typeof saved === 'string') sky.setField(name, saved);
      }
      for (const name of [...RADIO_OPTIONS, ...this.checks.map((c) => c.dataset.option)]) {
        const saved = st.get('options', name);
        if (typeof saved === 'boolean') sky.setOption(name, saved);
      }
      const step = st.get('choices', 'step');
      const backward = st.get('choices', 'backward');
      if (Number.isInteger(step) || typeof backward === 'boolean') {
        sky.setStep(Number.isInteger(step) ? step : sky.stepIndex(), backward === true);
        $('backward').checked = backward === true;
      }
      const zoom = st.get('choices', 'zoom');
      if (Number.isInteger(zoom) && zoom !== sky.zoomLevel()) sky.zoomBy(zoom - sky.zoomLevel());
      const place = st.get('choices', 'place');
      if (typeof place === 'string') $('place').value = place;
      const find = st.get('choices', 'find');
      if (typeof find === 'string') $('find').value = find;
    }

    bind() {
      const {sky, store, hooks} = this;
      const act = hooks.act;
      $('panel').addEventListener('submit', (e) => e.preventDefault());
      for (const [name, input] of this.inputs) {
        input.addEventListener('input', () => {
          store.set('fields', name, input.value);
          if (name === 'longitude' || name === 'latitude') this.forgetPlace();
          act(() => sky.setField(name, input.value));
        });
      }
      for (const name of RADIO_OPTIONS) {
        for (const radio of document.getElementsByName(name)) {
          radio.addEventListener('change', () => act(() => sky.setOption(name, radio.value === 'on')));
        }
      }
      for (const box of this.checks) {
        box.addEventListener('change', () => act(() => sky.setOption(box.dataset.option, box.checked)));
      }
      $('start').addEventListener('click', () => act(() => hooks.result(sky.start())));
      $('pause').addEventListener('click', () => act(() => sky.pauseOrResume()));
      $('now').addEventListener('click', () => act(() => hooks.result(sky.now(Date.now()))));
      $('zoom-in').addEventListener('click', () => act(() => sky.zoomBy(1)));
      $('zoom-out').addEventListener('click', () => act(() => sky.zoomBy(-1)));
      $('place').addEventListener('change', (e) => {
        const i = e.target.selectedIndex - 1;  // the first entry is the prompt
        store.set('choices', 'place', e.target.value);
        if (i >= 0) act(() => hooks.result(sky.choosePlace(i)));
      });
      const find = $('find');
      find.addEventListener('input', () => store.set('choices', 'find', find.value));
      find.addEventListener('keydown', (e) => {
        if (e.key !== 'Enter' || e.isComposing) return;  // Enter that confirms a kana conversion
        e.preventDefault();
        act(() => this.say($('find-message'), sky.find(find.value)));
      });
      const setStep = () => act(() => sky.setStep($('step').selectedIndex, $('backward').checked));
      $('step').addEventListener('change', setStep);
      $('backward').addEventListener('change', setStep);
      $('step-back').addEventListener('click', () => act(() => sky.stepFrame(true)));
      $('step-forward').addEventListener('click', () => act(() => sky.stepFrame(false)));
      $('almanac').addEventListener('click', () => hooks.almanac());
      $('save').addEventListener('click', () => hooks.save());
    }

    // Typing a coordinate by hand leaves the chosen place behind.
    forgetPlace() {
      const place = $('place');
      if (!place.value) return;
      place.value = '';
      this.store.set('choices', 'place', '');
    }

    say(element, text) {
      element.textContent = text;
      element.hidden = !text;
    }

    // Mirrors the session into the controls; the field being typed in is left alone.
    sync() {
      const {sky, store} = this;
      for (const [name, input] of this.inputs) {
        const text = sky.field(name);
        if (input.value !== text && document.activeElement !== input) input.value = text;
        if (store.get('fields', name) !== text) store.set('fields', name, text);
      }
      for (const name of RADIO_OPTIONS) {
        const on = sky.option(name);
        for (const radio of document.getElementsByName(name)) radio.checked = (radio.value === 'on') === on;
        if (store.get('options', name) !== on) store.set('options', name, on);
      }
      for (const box of this.checks) {
        const on = sky.option(box.dataset.option);
        box.checked = on;
        if (store.get('options', box.dataset.option) !== on) store.set('options', box.dataset.option, on);
      }
      const zoom = sky.zoomLevel();
      $('zoom-text').value = sky.zoomText();
      if (store.get('choices', 'zoom') !== zoom) store.set('choices', 'zoom', zoom);
      const step = sky.stepIndex();
      $('step').selectedIndex = step;
      if (store.get('choices', 'step') !== step) store.set('choices', 'step', step);
      const backward = $('backward').checked;
      if (store.get('choices', 'backward') !== backward) store.set('choices', 'backward', backward);
      const paused = sky.paused();
      $('step-back').disabled = !paused;
      $('step-forward').disabled = !paused;
      const seconds = $('seconds');
      const line = sky.secondsLine();
      if (seconds.textContent !== line) seconds.textContent = line;
    }

    input(name) {
      return this.inputs.get(name);
    }

    disable() {
      for (const el of $('panel').elements) el.disabled = true;
    }
  }

  function fill(select, labels, afterPrompt) {
    if (!afterPrompt) select.textContent = '';
    labels.forEach((label, i) => {
      const o = document.createElement('option');
      o.value = String(i);
      o.textContent = label;
      select.append(o);
    });
  }

  ns.Panel = Panel;
})();
