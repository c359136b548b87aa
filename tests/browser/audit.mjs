// The sample site's audit: Lighthouse on the start page and a player page of the scale-1 sample
// and on the largest player page of the scale-10 one, served on loopback
// (Lighthouse does not audit file:// pages), and axe-core on the first page of each kind. Prints
// the scores and the violations; fails when a score is under its goal or axe-core finds any.
// Usage: node audit.mjs DUZEDO
import { createReadStream, rmSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize } from 'node:path';
import lighthouse from 'lighthouse';
import { axeViolations, launchBrowser, pagesToCheck, writeSampleSite } from './site.mjs';

const goals = { performance: 95, accessibility: 100, 'best-practices': 100, seo: 100 };
const types = { '.html': 'text/html; charset=utf-8', '.css': 'text/css', '.js': 'text/javascript',
  '.json': 'application/json', '.svg': 'image/svg+xml', '.csv': 'text/csv; charset=utf-8',
  '.xml': 'application/xml' };

// A static server for the site's folder; what is not a file below it is 404.
function serve(site) {
  const server = createServer((request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    const file = join(site, path.endsWith('/') ? `${path}index.html` : path);
    if (!file.startsWith(site) || !statSync(file, { throwIfNoEntry: false })?.isFile()) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': types[extname(file)] || 'application/octet-stream' });
    createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

async function lighthouseScores(browser, url) {
  const page = await browser.newPage();
  const result = await lighthouse(url, { output: 'json', logLevel: 'error',
    onlyCategories: Object.keys(goals) }, undefined, page);
  await page.close();
  const { categories, audits } = result.lhr;
  // The audits that cost points; the others are hints that the loopback server answers for
  // (compression, caching) or that weigh nothing.
  const failed = Object.values(categories).flatMap((c) => c.auditRefs)
    .filter((ref) => ref.weight > 0)
    .map((ref) => audits[ref.id])
    .filter((a) => a.score !== null && a.score < 1);
  return { scores: Object.fromEntries(Object.entries(categories).map(([id, c]) => [id, Math.round(c.score * 100)])),
    failed: failed.map((a) => `${a.id}: ${a.title}`) };
}

const sample = writeSampleSite(process.argv[2]);
const large = writeSampleSite(process.argv[2], 10);
const server = await serve(sample.site);
const largeServer = await serve(large.site);
const browser = await launchBrowser();
const origin = `http://127.0.0.1:${server.address().port}/`;
const largeOrigin = `http://127.0.0.1:${largeServer.address().port}/`;
let short = false;
try {
  const player = sample.pages.find((p) => p.kind === 'player');
  const size = (p) => statSync(join(large.site, p.path)).size;
  const largest = large.pages.filter((p) => p.kind === 'player').reduce((a, b) => (size(b) > size(a) ? b : a));
  for (const address of [origin + 'index.html', origin + player.path, largeOrigin + largest.path]) {
    const path = address.replace(/^http:\/\/[^/]+\//, `${address.startsWith(largeOrigin) ? 'scale 10 ' : ''}`);
    const { scores, failed } = await lighthouseScores(browser, address);
    console.log(`Lighthouse ${path}: ${Object.entries(scores).map(([id, s]) => `${id} ${s}`).join(', ')}`);
    for (const line of failed) console.log(`  below full marks: ${line}`);
    short ||= Object.entries(goals).some(([id, goal]) => scores[id] < goal);
  }
  for (const { path } of pagesToCheck(sample.pages)) {
    const page = await browser.newPage();
    await page.goto(origin + path);
    const violations = await axeViolations(page);
    console.log(`axe-core ${path}: ${violations.length} violations`);
    for (const line of violations) console.log(`  ${line}`);
    short ||= violations.length > 0;
    await page.close();
  }
} finally {
  await browser.close();
  server.close();
  largeServer.close();
  rmSync(sample.dir, { recursive: true, force: true });
  rmSync(large.dir, { recursive: true, force: true });
}
process.exit(short ? 1 : 0);
