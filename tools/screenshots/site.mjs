// Pictures of the sample's web site: the first page of each kind asked for (the start page for
// "rankings"), at desktop and phone widths, light and dark, as KIND-WIDTH[-dark].png in OUT; and
// the search box completing a name, as search-390.png; and the first two printed pages (A4, as
// PDF turned into PNG by poppler's pdftoppm) of the rankings and a player, as print-KIND-N.png.
// Usage: node tools/screenshots/site.mjs DUZEDO OUT [KIND...]; kinds the site does not have are
// passed by.
import { execFileSync } from 'node:child_process';
import { mkdirSync, rmSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { launchBrowser, pagesToCheck, writeSampleSite } from '../../tests/browser/site.mjs';

const [duzedo, out, ...asked] = process.argv.slice(2);
const kinds = asked.length ? asked : ['rankings', 'player', 'worldcup'];
const viewports = [{ width: 1280, height: 900 }, { width: 390, height: 844, isMobile: true, hasTouch: true }];

const sample = writeSampleSite(duzedo);
const browser = await launchBrowser();
mkdirSync(out, { recursive: true });
try {
  for (const { kind, path } of pagesToCheck(sample.pages).filter((p) => kinds.includes(p.kind))) {
    for (const viewport of viewports) {
      for (const scheme of ['light', 'dark']) {
        const page = await browser.newPage();
        await page.setViewport(viewport);
        await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
        await page.goto(pathToFileURL(join(sample.site, path)).href);
        const file = join(out, `${kind}-${viewport.width}${scheme === 'dark' ? '-dark' : ''}.png`);
        await page.screenshot({ path: file });
        console.log(file);
        await page.close();
      }
    }
    if (kind === 'rankings' || kind === 'player') {
      const page = await browser.newPage();
      await page.goto(pathToFileURL(join(sample.site, path)).href);
      const pdf = join(sample.dir, `${kind}.pdf`);
      await page.pdf({ path: pdf, format: 'A4', printBackground: true });
      await page.close();
      execFileSync('pdftoppm', ['-png', '-r', '60', '-f', '1', '-l', '2', pdf, join(out, `print-${kind}`)]);
      console.log(join(out, `print-${kind}-1.png`), join(out, `print-${kind}-2.png`));
    }
  }
  // The search box completing a name, on a phone.
  const page = await browser.newPage();
  await page.setViewport(viewports[1]);
  await page.goto(pathToFileURL(join(sample.site, 'index.html')).href);
  await page.focus('#search');
  await page.keyboard.type('an');
  await page.waitForSelector('#search-list [role=option]');
  await page.keyboard.press('ArrowDown');
  await page.screenshot({ path: join(out, 'search-390.png') });
  console.log(join(out, 'search-390.png'));
} finally {
  await browser.close();
  rmSync(sample.dir, { recursive: true, force: true });
}
