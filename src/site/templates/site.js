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

  document.querySelectorAll('table.grid').forEach(makeSortable);
  document.querySelectorAll('select[data-table]').forEach(makeFilter);
})();
