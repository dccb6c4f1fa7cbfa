// The built home page in headless Chromium, served from 127.0.0.1:
// every page loads with no failed request and none to another host; every
// in-site link, anchor and picture resolves; the sizes and SHA-256 shown
// are those of the files linked beside them; no serious or critical axe-core
// violation; no horizontal scroll at 320, 768 and 1920 px; Tab reaches every
// link with a visible focus; each page names its language and links the other.
//   node site_test.mjs SITE_DIR [SCREENSHOT_DIR]
import { createHash } from 'node:crypto';
import { mkdtempSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { extname, join, normalize } from 'node:path';
import puppeteer from 'puppeteer-core';
import axe from 'axe-core';

const [siteDir, shotDir] = process.argv.slice(2);
if (!siteDir) throw new Error('usage: node site_test.mjs SITE_DIR [SCREENSHOT_DIR]');

let checks = 0;
const failures = [];
const check = (ok, what) => { if (ok) checks++; else failures.push(what); };

const types = { '.html': 'text/html; charset=utf-8', '.css': 'text/css', '.png': 'image/png', '.ico': 'image/x-icon' };
const server = createServer((req, res) => {
  let path = normalize(decodeURIComponent(new URL(req.url, 'http://x').pathname));
  if (path.endsWith('/')) path += 'index.html';
  try {
    const body = readFileSync(join(siteDir, path));
    res.writeHead(200, { 'Content-Type': types[extname(path)] || 'application/octet-stream' });
    res.end(body);
  } catch {
    res.writeHead(404).end();
  }
});
await new Promise((ok) => server.listen(0, '127.0.0.1', ok));
const origin = `http://127.0.0.1:${server.address().port}`;

// Each page, its language, and the page of the other language it must link.
const pages = [
  { path: '/index.html', lang: 'en', others: ['/ja/index.html', '/en/index.html'] },
  { path: '/ja/index.html', lang: 'ja', others: ['/en/index.html'] },
  { path: '/en/index.html', lang: 'en', others: ['/ja/index.html'] },
];

const profile = mkdtempSync(join(tmpdir(), 'velnora-site-'));
const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  headless: true,
  userDataDir: profile,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
         '--disable-component-update', '--disable-sync'],
});
const sha256 = (file) => createHash('sha256').update(readFileSync(file)).digest('hex');

try {
  for (const { path, lang, others } of pages) {
    const page = await browser.newPage();
    const requests = [];
    page.on('request', (r) => requests.push(r.url()));
    page.on('requestfailed', (r) => check(false, `${path}: request failed: ${r.url()}`));
    page.on('response', (r) => check(r.status() < 400, `${path}: ${r.status()} for ${r.url()}`));
    await page.setViewport({ width: 1280, height: 900 });
    await page.goto(origin + path, { waitUntil: 'networkidle0' });

    const foreign = requests.filter((u) => !u.startsWith(origin + '/') && !u.startsWith('data:'));
    check(foreign.length === 0, `${path}: requests to another host: ${foreign.join(' ')}`);

    const facts = await page.evaluate(() => ({
      lang: document.documentElement.lang,
      links: [...document.querySelectorAll('a[href]')].map((a) => a.href),
      ids: [...document.querySelectorAll('[id]')].map((e) => e.id),
      images: [...document.images].map((i) => ({ src: i.src, alt: i.getAttribute('alt'), shown: i.complete && i.naturalWidth > 0 })),
      files: [...document.querySelectorAll('a.file')].map((a) => {
        const box = a.closest('.package, p');
        return { href: a.href, bytes: box.querySelector('.bytes')?.textContent, sha: box.querySelector('.sha256')?.textContent };
      }),
    }));
    check(facts.lang === lang, `${path}: lang "${facts.lang}", expected "${lang}"`);
    for (const other of others) check(facts.links.includes(origin + other), `${path}: no link to ${other}`);
    for (const link of facts.links) {
      const url = new URL(link);
      if (url.origin !== origin) continue;
      const target = url.pathname.replace(/\/$/, '/index.html');
      if (url.hash && target === path) {
        check(facts.ids.includes(url.hash.slice(1)), `${path}: no anchor ${url.hash}`);
      } else {
        const res = await fetch(link);
        check(res.ok, `${path}: link ${link} answers ${res.status}`);
      }
    }
    check(facts.images.length > 0, `${path}: no picture`);
    for (const img of facts.images) {
      check(img.shown, `${path}: picture ${img.src} not shown`);
      check(img.alt && img.alt.trim().length > 0, `${path}: picture ${img.src} has no alternative text`);
    }
    for (const f of facts.files) {
      const name = decodeURIComponent(new URL(f.href).pathname);
      const file = join(siteDir, name);
      check(Number((f.bytes || '').replace(/,/g, '')) === statSync(file).size,
        `${path}: ${name} shown as ${f.bytes} bytes, is ${statSync(file).size}`);
      check(f.sha === sha256(file), `${path}: ${name} shown with SHA-256 ${f.sha}, is ${sha256(file)}`);
    }
    if (path !== '/index.html') check(facts.files.length === 3, `${path}: ${facts.files.length} downloads shown, expected 3`);

    await page.addScriptTag({ content: axe.source });
    const result = await page.evaluate(() => axe.run(document, { resultTypes: ['violations'] }));
    const grave = result.violations.filter((v) => ['serious', 'critical'].includes(v.impact));
    check(!grave.length, `${path}: axe: ${grave.map((v) => `${v.impact} ${v.id} (${v.nodes.map((n) => n.target).join(', ')})`).join('; ')}`);

    // Tab goes through every link in order, each with a visible focus ring.
    const stops = await page.evaluate(() => document.querySelectorAll('a[href]').length);
    for (let i = 0; i < stops; i++) {
      await page.keyboard.press('Tab');
      const focus = await page.evaluate(() => {
        const e = document.activeElement, s = getComputedStyle(e);
        return { tag: e.tagName, href: e.getAttribute('href'), outline: s.outlineStyle !== 'none' && parseFloat(s.outlineWidth) >= 2 };
      });
      check(focus.tag === 'A' && focus.outline, `${path}: Tab stop ${i + 1} (${focus.tag} ${focus.href}) without a visible focus`);
    }

    for (const width of [320, 768, 1920]) {
      await page.setViewport({ width, height: 900 });
      const over = await page.evaluate(() => document.documentElement.scrollWidth - document.documentElement.clientWidth);
      check(over <= 0, `${path}: scrolls ${over} px sideways at ${width} px`);
    }
    if (shotDir) {
      await page.evaluate(() => document.activeElement.blur());
      for (const width of [390, 1280]) {
        await page.setViewport({ width, height: 900 });
        const tag = path === '/index.html' ? 'root' : path.split('/')[1];
        writeFileSync(join(shotDir, `site-${tag}-${width}.png`), await page.screenshot({ fullPage: true }));
      }
    }
    await page.close();
  }
} finally {
  await browser.close();
  server.close();
  rmSync(profile, { recursive: true, force: true });
}

for (const f of failures) console.log(`FAIL: ${f}`);
console.log(`site checks: ${checks} passed, ${failures.length} failed`);
process.exit(failures.length ? 1 : 0);
