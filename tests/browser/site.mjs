// What the browser checks, the audit and the screenshots share: the sample site written by
// duzedo, Debian's chromium driven headless, and axe-core run in a page.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';

const require = createRequire(import.meta.url);

// The kinds of page whose first page is opened; a kind the site does not have yet is passed by.
export const checkedKinds = ['rankings', 'player', 'pair', 'tournaments', 'tournament', 'worldcup',
  'worldcups', 'winners', 'misc', 'records'];

export const chromium = process.env.CHROMIUM || '/usr/bin/chromium';
export const chromiumFlags = ['--no-sandbox', '--disable-dev-shm-usage', '--disable-gpu'];

// The sample DUZEDO (seed 1, scale 1 unless asked) and its site in a new temporary folder.
export function writeSampleSite(duzedo, scale = 1) {
  const dir = mkdtempSync(join(tmpdir(), 'vpa-site-'));
  execFileSync(duzedo, ['sample', '--seed', '1', '--scale', String(scale), '--out', dir]);
  const site = join(dir, 'site');
  execFileSync(duzedo, ['site', join(dir, 'duzedo.sqlite'), '--out', site]);
  const pages = JSON.parse(readFileSync(join(site, 'pages.json'), 'utf8'));
  return { dir, site, pages };
}

// The first page of each kind in checkedKinds, the start page for the rankings.
export function pagesToCheck(pages) {
  return checkedKinds.flatMap((kind) => {
    const page = pages.find((p) => p.kind === kind && (kind !== 'rankings' || p.name === 'current'));
    return page ? [page] : [];
  });
}

export function launchBrowser() {
  return puppeteer.launch({ executablePath: chromium, headless: true, args: chromiumFlags });
}

// axe-core's violations on the page as it is now, as "rule: target" lines. Without its preload,
// which reads the style sheets again by XMLHttpRequest, refused for file:// pages.
export async function axeViolations(page) {
  await page.addScriptTag({ path: require.resolve('axe-core/axe.min.js') });
  const violations = await page.evaluate(async () => (await window.axe.run(document, { preload: false })).violations);
  return violations.flatMap((v) => v.nodes.map((n) => `${v.id}: ${n.target.join(' ')} (${v.help})`));
}
