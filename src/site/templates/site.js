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

  // Letters and digits without their accents, in lower case, punctuation dropped and spaces
  // made one: "jose" finds "José", "oneil" finds "O'Neil S".
  function searchKey(text) {
    return text.normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase()
      .replace(/[^\p{L}\p{N}\s]/gu, '').replace(/\s+/g, ' ').trim();
  }

  // Up to ten players: names that begin with the text first, then a word that does, then any
  // other name holding it; each group in the players' order.
  function matches(names, text) {
    var key = searchKey(text);
    var groups = [[], [], [], []];
    if (!key) return [];
    for (var i = 0; i < names.length; i += 4) {
      var name = searchKey(names[i]);
      var at = name.indexOf(key);
      if (at < 0) continue;
      // The name itself, typed whole, comes before every other.
      groups[name === key ? 0 : at === 0 ? 1 : name.charAt(at - 1) === ' ' ? 2 : 3].push(i);
    }
    return groups[0].concat(groups[1], groups[2], groups[3]).slice(0, 10);
  }

  // What a result says besides the name: the country and the place in the current rankings.
  function details(names, at) {
    var parts = [names[at + 2], names[at + 3] ? 'ranked ' + names[at + 3] : ''];
    return parts.filter(Boolean).join(', ');
  }

  // The search box: a combobox over the name index, which loads at the first focus so that
  // pages stay light; arrows choose, Enter goes to the chosen or the first player (the one
  // named, when the whole name was typed), Esc closes. A text that finds nobody says so.
  function makeSearch(form) {
    var root = form.getAttribute('data-root');
    var input = form.querySelector('input');
    var list = form.querySelector('[role=listbox]');
    var status = document.createElement('p');
    status.className = 'search-status';
    status.setAttribute('role', 'status');
    form.appendChild(status);
    var found = [];
    var active = -1;
    var pending = false;  // Enter came before the names
    function go(index) {
      var names = window.siteNames;
      if (!names) pending = true;
      else if (found.length) location.href = root + 'players/' + names[found[Math.max(index, 0)] + 1] + '.html';
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
        var name = document.createElement('span');
        name.textContent = window.siteNames[at];
        item.appendChild(name);
        var more = details(window.siteNames, at);
        if (more) {
          var where = document.createElement('span');
          where.className = 'where';
          where.textContent = more;
          item.appendChild(where);
        }
        item.addEventListener('mousedown', function (event) { event.preventDefault(); });
        item.addEventListener('click', function () { go(i); });
        list.appendChild(item);
      });
      list.hidden = !found.length;
      input.setAttribute('aria-expanded', String(found.length > 0));
      var none = window.siteNames && !found.length && searchKey(input.value);
      status.textContent = none ? 'No player\u2019s name holds \u201c' + input.value.trim() + '\u201d' : '';
      mark(-1);
    }
    function load() {
      if (window.siteNames || form.querySelector('script')) return;
      var script = document.createElement('script');
      script.src = root + 'assets/names.js';
      script.onload = function () {
        show();
        if (pending) go(active);
      };
      form.appendChild(script);
    }
    input.addEventListener('focus', load);
    input.addEventListener('input', function () {
      pending = false;
      show();
    });
    function close() {
      list.hidden = true;
      status.textContent = '';
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

  // A table wider than the page scrolls sideways in its box (and its heading row then stays at
  // the box's top); the others lie on the page, their heading row sticking to the window's top.
  // Watched rather than measured at once: a table far down the page is laid out only when the
  // reader nears it.
  function markWide() {
    if (!window.ResizeObserver) return;
    var watch = new ResizeObserver(function (entries) {
      entries.forEach(function (entry) {
        var box = entry.target.parentElement;
        box.classList.toggle('wide', entry.target.offsetWidth > box.clientWidth + 1);
      });
    });
    document.querySelectorAll('.scroll > table').forEach(function (table) { watch.observe(table); });
  }
  document.querySelectorAll('form.search').forEach(makeSearch);
  document.querySelectorAll('table.grid').forEach(makeSortable);
  document.querySelectorAll('select[data-table]').forEach(makeFilter);
  markWide();
})();
