// The site's one script: tables sort by a click on a column's heading, and a filter box shows
// only the rows it picks. Both work from data the pages carry (data-k: each cell's place in the
// program's order; data-f, and data-g where a row has two: the row's filter keys), so the order
// and the filter are the program's.
(function () {
  'use strict';

  function bodyRows(table) {
    return Array.prototype.slice.call(table.tBodies[0].rows);
  }

  function sortKey(row, column) {
    return Number(row.cells[column].getAttribute('data-k'));
  }

  function sortBy(table, heading, column) {
    var ascending = heading.getAttribute('aria-sort') !== 'ascending';
    Array.prototype.forEach.call(table.tHead.rows[0].cells, function (cell) {
      cell.removeAttribute('aria-sort');
    });
    heading.setAttribute('aria-sort', ascending ? 'ascending' : 'descending');
    var sign = ascending ? 1 : -1;
    var rows = bodyRows(table);
    rows.sort(function (a, b) { return sign * (sortKey(a, column) - sortKey(b, column)); });
    var body = table.tBodies[0];
    rows.forEach(function (row) { body.appendChild(row); });
  }

  // Each heading's text becomes a button, so it takes the keyboard's focus too.
  function makeSortable(table) {
    if (!table.tHead || !table.tBodies.length) return;
    Array.prototype.forEach.call(table.tHead.rows[0].cells, function (heading, column) {
      if (heading.tagName !== 'TH') return;
      var button = document.createElement('button');
      button.type = 'button';
      while (heading.firstChild) button.appendChild(heading.firstChild);
      heading.appendChild(button);
      button.addEventListener('click', function () { sortBy(table, heading, column); });
    });
  }

  // The first item shows every row; the others the rows whose key is the item's, numbered
  // among themselves (data-fp) in the column that numbers the rows, if there is one.
  function makeFilter(select) {
    var table = document.getElementById(select.getAttribute('data-table'));
    if (!table) return;
    var numbered = select.getAttribute('data-number');
    function apply() {
      var all = select.selectedIndex <= 0;
      bodyRows(table).forEach(function (row) {
        row.hidden = !all && (row.getAttribute('data-f') || '') !== select.value &&
          row.getAttribute('data-g') !== select.value;
        if (numbered === null) return;
        var cell = row.cells[Number(numbered)];
        if (!cell.hasAttribute('data-t')) cell.setAttribute('data-t', cell.textContent);
        cell.textContent = all ? cell.getAttribute('data-t') : row.getAttribute('data-fp');
      });
    }
    select.addEventListener('change', apply);
    select.parentNode.hidden = false;
    apply();
  }

  // Letters without their accents, in lower case: "jose" finds "José".
  function searchKey(text) {
    return text.normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase();
  }

  // Up to ten players: names that begin with the text first, then a word that does, then any
  // other name holding it; each group in the players' order.
  function matches(names, text) {
    var key = searchKey(text.trim());
    var groups = [[], [], []];
    if (!key) return [];
    for (var i = 0; i < names.length; i += 2) {
      var name = searchKey(names[i]);
      var at = name.indexOf(key);
      if (at < 0) continue;
      groups[at === 0 ? 0 : /\s/.test(name.charAt(at - 1)) ? 1 : 2].push(i);
    }
    return groups[0].concat(groups[1], groups[2]).slice(0, 10);
  }

  // The search box: a combobox over the name index, which loads at the first focus so that
  // pages stay light; arrows choose, Enter goes to the chosen or the first player, Esc closes.
  function makeSearch(form) {
    var root = form.getAttribute('data-root');
    var input = form.querySelector('input');
    var list = form.querySelector('[role=listbox]');
    var found = [];
    var active = -1;
    function go(index) {
      var names = window.siteNames;
      if (found.length) location.href = root + 'players/' + names[found[Math.max(index, 0)] + 1] + '.html';
    }
    function mark(index) {
      active = index;
      Array.prototype.forEach.call(list.children, function (item, i) {
        item.setAttribute('aria-selected', String(i === index));
      });
      if (index < 0) input.removeAttribute('aria-activedescendant');
      else input.setAttribute('aria-activedescendant', list.children[index].id);
    }
    function show() {
      found = window.siteNames ? matches(window.siteNames, input.value) : [];
      list.textContent = '';
      found.forEach(function (at, i) {
        var item = document.createElement('li');
        item.id = 'search-' + i;
        item.setAttribute('role', 'option');
        item.textContent = window.siteNames[at];
        item.addEventListener('mousedown', function (event) { event.preventDefault(); });
        item.addEventListener('click', function () { go(i); });
        list.appendChild(item);
      });
      list.hidden = !found.length;
      input.setAttribute('aria-expanded', String(found.length > 0));
      mark(-1);
    }
    function load() {
      if (window.siteNames || form.querySelector('script')) return;
      var script = document.createElement('script');
      script.src = root + 'assets/names.js';
      script.onload = show;
      form.appendChild(script);
    }
    input.addEventListener('focus', load);
    input.addEventListener('input', show);
    function close() {
      list.hidden = true;
      input.setAttribute('aria-expanded', 'false');
      mark(-1);
    }
    input.addEventListener('blur', close);
    input.addEventListener('keydown', function (event) {
      var step = { ArrowDown: 1, ArrowUp: -1 }[event.key];
      if (step && found.length) {
        if (list.hidden) show();
        mark(active < 0 && step < 0 ? found.length - 1 : (active + step + found.length) % found.length);
        event.preventDefault();
      } else if (event.key === 'Escape') {
        if (list.hidden) input.value = '';  // a second Esc clears the box
        close();
      }
    });
    form.addEventListener('submit', function (event) {
      event.preventDefault();
      go(active);
    });
  }

  document.querySelectorAll('form.search').forEach(makeSearch);
  document.querySelectorAll('table.grid').forEach(makeSortable);
  document.querySelectorAll('select[data-table]').forEach(makeFilter);
})();
