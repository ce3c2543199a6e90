// SPDX-License-Identifier: GPL-3.0-or-later
// What the user typed and chose, kept in localStorage so a reload loses nothing.
(() => {
  const ns = (window.hoshizora = window.hoshizora || {});
  const KEY = 'hoshizora.page.v1';

  class Store {
    constructor(storage) {
      this.storage = storage;
      this.state = {};
      try {
        const text = storage && storage.getItem(KEY);
        const parsed = text ? JSON.parse(text) : null;
        if (parsed && typeof parsed === 'object') this.state = parsed;
      } catch (e) {
        this.state = {};  // unreadable or blocked storage: start afresh
      }
    }
    get(section, name) {
      const s = this.state[section];
      return s && Object.prototype.hasOwnProperty.call(s, name) ? s[name] : undefined;
    }
    set(section, name, value) {
      (this.state[section] = this.state[section] || {})[name] = value;
      this.save();
    }
    save() {
      try {
        if (this.storage) this.storage.setItem(KEY, JSON.stringify(this.state));
      } catch (e) {
        // storage full or forbidden (private mode): the page works on without it
      }
    }
  }

  let storage = null;
  try {
    storage = window.localStorage;
  } catch (e) {
    storage = null;
  }
  ns.store = new Store(storage);
})();
