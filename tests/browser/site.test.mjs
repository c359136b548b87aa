// The sample site in headless chromium, opened from file:// as a reader would: every kind of page
// passes axe-core (light and dark) without a console error, fits a phone, sorts its tables and
// finds a player from the search box. Run by CTest with DUZEDO naming the duzedo program.
import assert from 'node:assert/strict';
import { readFileSync, rmSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { axeViolations, launchBrowser, pagesToCheck, writeSampleSite } from './site.mjs';

const desktop = { width: 1280, height: 900 };
const phone = { width: 390, height: 844, isMobile: true, hasTouch: true };
let sample;
let browser;

before(async () => {
  assert.ok(process.env.DUZEDO, 'DUZEDO must name the duzedo program');
  sample = writeSampleSite(process.env.DUZEDO);
  browser = await launchBrowser();
});

after(async () => {
  await browser?.close();
  if (sample) rmSync(sample.dir, { recursive: true, force: true });
});

const url = (path) => pathToFileURL(join(sample.site, path)).href;

// The page at path, with what went wrong in it so far: console errors, script errors, failed loads.
async function open(path, viewport = desktop) {
  const page = await browser.newPage();
  const errors = [];
  page.on('console', (m) => m.type() === 'error' && errors.push(m.text()));
  page.on('pageerror', (e) => errors.push(e.message));
  page.on('requestfailed', (r) => errors.push(`${r.url()}: ${r.failure()?.errorText}`));
  await page.setViewport(viewport);
  await page.goto(url(path), { waitUntil: 'load' });
  return { page, errors };
}

test('every kind of page passes axe-core in light and dark without a console error', async () => {
  for (const { path } of pagesToCheck(sample.pages)) {
    const { page, errors } = await open(path);
    assert.deepEqual(await axeViolations(page), [], path);
    await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: 'dark' }]);
    assert.deepEqual(await axeViolations(page), [], `${path} in dark`);
    assert.deepEqual(errors, [], path);
    await page.close();
  }
});

// What a phone's reader would stumble over: sideways scrolling of the page, small text, small
// controls.
function phoneFaults() {
  const faults = [];
  if (document.scrollingElement.scrollWidth > 390) faults.push('the page scrolls sideways');
  const shown = (e) => e.getClientRects().length > 0 && !e.closest('.skip, [hidden]');
  for (const e of document.body.querySelectorAll('*')) {
    const text = [...e.childNodes].some((n) => n.nodeType === 3 && n.textContent.trim());
    if (text && shown(e) && parseFloat(getComputedStyle(e).fontSize) < 16) {
      faults.push(`small text: ${e.tagName} ${e.textContent.slice(0, 30)}`);
    }
  }
  for (const e of document.querySelectorAll('a, button, input, select, summary')) {
    const box = e.getBoundingClientRect();
    if (shown(e) && (box.height < 44 || box.width < 44)) {
      faults.push(`small target ${Math.round(box.width)}x${Math.round(box.height)}: ${e.outerHTML.slice(0, 80)}`);
    }
  }
  return faults;
}

test('at 390 px wide no page scrolls sideways, text is 16 px and targets 44 px', async () => {
  for (const { path } of pagesToCheck(sample.pages)) {
    const { page } = await open(path, phone);
    assert.deepEqual(await page.evaluate(phoneFaults), [], path);
    await page.close();
  }
});

test('a click on a column heading sorts the rows by it, numbers as numbers', async () => {
  const { page, errors } = await open('index.html');
  const column = await page.$$eval('#grdRankings thead th', (ths) => ths.findLastIndex((th) => th.classList.contains('n')));
  assert.ok(column > 0, 'the rankings have a number column');
  const values = () => page.$$eval(`#grdRankings tbody td:nth-child(${column + 1})`,
    (tds) => tds.map((td) => Number(td.textContent.replace(/[^\d.-]/g, ''))));
  const before = await values();
  const heading = `#grdRankings thead th:nth-child(${column + 1})`;
  await page.click(`${heading} button`);
  assert.deepEqual(await values(), [...before].sort((a, b) => a - b));
  await page.click(`${heading} button`);
  assert.deepEqual(await values(), [...before].sort((a, b) => b - a));
  assert.equal(await page.$eval(heading, (th) => th.getAttribute('aria-sort')), 'descending');
  assert.deepEqual(errors, []);
});

test('the search box completes a name typed in lower case and goes to the player', async () => {
  const players = sample.pages.filter((p) => p.kind === 'player');
  // Typed: part of the name in lower case; the whole name, then Enter; the name with punctuation
  // and an accent put in.
  const mangled = (name) => `${name.slice(0, 2)}'${name[2] === 'e' ? 'é' : name[2]}-${name.slice(3)}`;
  const cases = [{ from: 'index.html', player: players[0], typed: players[0].name.slice(1).toLowerCase(), choose: 'keys' },
    { from: players[1].path, player: players.at(-1), typed: players.at(-1).name.slice(1), choose: 'click' },
    { from: 'index.html', player: players[2], typed: players[2].name, choose: 'enter' },
    { from: 'index.html', player: players[3], typed: mangled(players[3].name), choose: 'click' }];
  for (const { from, player, typed, choose } of cases) {
    const { page, errors } = await open(from);
    await page.focus('#search');
    await page.keyboard.type(typed);
    await page.waitForSelector('#search-list [role=option]');
    const options = await page.$$eval('#search-list [role=option] span:first-child', (os) => os.map((o) => o.textContent));
    const at = options.indexOf(player.name);
    assert.ok(at >= 0, `${player.name} among ${options}`);
    const arrived = page.waitForNavigation();
    if (choose === 'keys') {
      for (let i = 0; i <= at; ++i) await page.keyboard.press('ArrowDown');
      await page.keyboard.press('Enter');
    } else if (choose === 'enter') {
      await page.keyboard.press('Enter');
    } else {
      await page.click(`#search-${at}`);
    }
    await arrived;
    assert.equal(page.url(), url(player.path));
    assert.deepEqual(errors, [], from);
    await page.close();
  }
  const { page } = await open('index.html');
  await page.focus('#search');
  await page.keyboard.type('qqzx');
  await page.waitForFunction(() => /No player.*qqzx/.test(document.querySelector('.search-status')?.textContent));
  assert.equal(await page.$eval('#search-list', (l) => l.hidden), true);
  await page.close();
});

// On a phone each table's key columns lie inside the window, and no table sits in a box that
// scrolls up and down.
test('at 390 px every table shows its key columns, and none scrolls in a box of its own', async () => {
  const first = (kind) => sample.pages.find((p) => p.kind === kind).path;
  const games = ['Team A', 'Team B', 'A', 'B'];
  const cases = [[first('rankings'), 'grdRankings', ['Pos', 'Player', 'Points']],
    [first('player'), 'grdGames-home', games], [first('pair'), 'grdPairGames', games],
    [first('tournament'), 'grdTournamentTables', ['Player', 'Pts']],
    [first('tournament'), 'grdTournamentGames', games], [first('winners'), 'grdTournamentWinners', ['Tournament', 'Winner']]];
  for (const [path, id, keys] of cases) {
    const { page } = await open(path, phone);
    const faults = await page.evaluate((id, keys) => {
      const shown = [...document.querySelectorAll(`#${id} thead th`)].filter((th) => {
        const box = th.getBoundingClientRect();
        return box.width > 0 && box.left >= 0 && box.right <= window.innerWidth;
      }).map((th) => th.textContent.trim());
      const boxed = [...document.querySelectorAll('table')].filter((t) => {
        for (let e = t.parentElement; e; e = e.parentElement) {
          if (/auto|scroll/.test(getComputedStyle(e).overflowY) && e.scrollHeight > e.clientHeight) return true;
        }
        return false;
      });
      return [...keys.filter((k) => !shown.includes(k)).map((k) => `${k} not in view`),
        ...boxed.map((t) => `${t.id} in a scroll box`)];
    }, id, keys);
    assert.deepEqual(faults, [], `${path} #${id}`);
    await page.close();
  }
});

test('pages say what the data covers, and tournaments and World Cups are browsable', async () => {
  const { page, errors } = await open('index.html');
  const month = await page.$eval('h1 .sub', (e) => e.textContent);
  assert.match(await page.$eval('footer .coverage', (e) => e.textContent), new RegExp(`rankings to ${month}$`));
  await Promise.all([page.waitForNavigation(), page.click('nav a[href="worldcups.html"]')]);
  assert.equal(await page.$$eval('table[id^="worldCup-"] tbody tr', (rs) => rs.length), 21);
  await page.goto(url('tournaments.html'));
  assert.deepEqual(await page.$$eval('#tournamentIndex thead th', (ths) => ths.map((th) => th.textContent)),
    ['Tournament', 'Date', 'Host', 'Winner', 'Players']);
  // Every phase page: its standings, its parent and a way on or back.
  const phases = sample.pages.filter((p) => p.path.includes('/phases/') || p.kind === 'worldcup');
  for (const { path } of phases) {
    await page.goto(url(path));
    const found = await page.evaluate((month) => ({
      standings: [...document.querySelectorAll('table thead th')].some((th) => th.textContent === 'Pts'),
      parent: !!document.querySelector('nav.family .kicker a'),
      onward: !!document.querySelector('nav.family a[rel=prev], nav.family a[rel=next]'),
      month: document.querySelector('footer .coverage')?.textContent.endsWith(month) }), month);
    assert.deepEqual(found, { standings: true, parent: true, onward: true, month: true }, path);
  }
  assert.deepEqual(errors, []);
});

test('no two pages share a title, each has Open Graph texts, and robots.txt and 404.html are there', async () => {
  const titles = new Map();
  for (const { path } of sample.pages) {
    const html = readFileSync(join(sample.site, path), 'utf8');
    const title = html.match(/<title>(.*)<\/title>/)[1];
    assert.ok(!titles.has(title), `${path} and ${titles.get(title)}: ${title}`);
    titles.set(title, path);
    assert.match(html, /<meta property="og:title" content="[^"]+">\n<meta property="og:description" content="[^"]+">/, path);
  }
  assert.match(readFileSync(join(sample.site, 'robots.txt'), 'utf8'), /^User-agent: \*\nAllow: \/\n$/);
  const { page, errors } = await open('404.html');
  assert.deepEqual(await axeViolations(page), [], '404.html');
  await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: 'dark' }]);
  assert.deepEqual(await axeViolations(page), [], '404.html in dark');
  assert.deepEqual(errors, []);
});

// Every cell naming a player or a tournament that has a page links to it (a record holder's cell
// begins with his name), on the pages that list them; the page's own player excepted.
test('names of players and tournaments with pages are links, and no player page has an empty table', async () => {
  const named = new Set(sample.pages.filter((p) => ['player', 'tournament'].includes(p.kind)).map((p) => p.name));
  const kinds = ['player', 'pair', 'winners', 'misc'];
  for (const { path, kind, name } of sample.pages.filter((p) => kinds.includes(p.kind)).filter((p, i, all) => all.findIndex((q) => q.kind === p.kind) === i)) {
    const { page } = await open(path);
    const cells = await page.$$eval('main td, main th', (cs) => cs.map((c) => [c.textContent, !!c.querySelector('a')]));
    const unlinked = cells.filter(([t, linked]) => !linked && t !== (kind === 'player' ? name : '') &&
      [...named].some((n) => t === n || t.startsWith(`${n} (`)));
    assert.deepEqual(unlinked, [], path);
    await page.close();
  }
  for (const { path } of sample.pages.filter((p) => p.kind === 'player')) {
    assert.doesNotMatch(readFileSync(join(sample.site, path), 'utf8'), /<tbody>\s*<\/tbody>/, path);
  }
});

// The summary agrees with the games listed below it, counted from the first player's side.
test('a head-to-head page sums up both players\' record and the score line from its games', async () => {
  const pair = sample.pages.find((p) => p.kind === 'pair');
  const { page } = await open(pair.path);
  const first = pair.name.split(' / ')[0];
  const games = await page.$$eval('#grdPairGames tbody tr', (rs) => rs.map((r) => [...r.cells].map((c) => c.textContent)));
  const count = [0, 0, 0];
  for (const [, a, , ga, gb] of games.filter((g) => g[3] !== '' && g[4] !== '')) {
    const diff = (Number(ga) - Number(gb)) * (a === first ? 1 : -1);
    count[diff > 0 ? 0 : diff === 0 ? 1 : 2] += 1;
  }
  const rows = await page.$$eval('#pairSummary tr', (rs) => rs.map((r) => [...r.cells].map((c) => c.textContent)));
  assert.deepEqual(rows.slice(1, 4).map((r) => Number(r[1])), count);
  assert.deepEqual(rows.slice(1, 4).map((r) => Number(r[2])), [...count].reverse());
  assert.match(await page.$eval('#pairScore', (p) => p.textContent), new RegExp(`^${first} ${count[0]}–${count[1]}–${count[2]} `));
  await page.close();
});
