// The page in headless Chromium (Debian's, driven by playwright-core), as a user meets it:
// French and American browsers, a value typed and entered, an invalid one, and a reload with
// no network once the page was visited.
//   DIST=build-web/dist PLAYWRIGHT_MODULES=<node_modules holding playwright-core> node --test ...
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { createRequire } from 'node:module';
import { join, resolve } from 'node:path';

const here = new URL('.', import.meta.url).pathname;
const { chromium } = createRequire(join(process.env.PLAYWRIGHT_MODULES, 'x.js'))('playwright-core');
const ids = ['Ed_Bar', 'Ed_mBar', 'Ed_Psi', 'Ed_Kg', 'Ed_Pa', 'Ed_DaPa', 'Ed_Kpa', 'Ed_MPa',
             'Ed_Torr', 'Ed_mCE', 'Ed_mmHg', 'Ed_mmCE', 'Ed_inchHg', 'Ed_inchCE', 'Ed_Celsius',
             'Ed_Fahren', 'Ed_Kelvin'];
let server, address, browser;

before(async () => {
    server = spawn(process.execPath, [join(here, '../../src/web/serve.mjs'),
                                      resolve(process.env.DIST), '0']);
    address = await new Promise((done) => server.stdout.once('data', (d) => done(String(d).trim())));
    browser = await chromium.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
                                      args: ['--no-sandbox'] });
});

after(async () => {
    await browser?.close();
    server?.kill();
});

async function open(locale) {
    const context = await browser.newContext({ locale, viewport: { width: 360, height: 740 } });
    const page = await context.newPage();
    await page.goto(address);
    await page.waitForSelector('body[data-ready]');
    return { context, page };
}

async function enter(page, id, keys) {
    await page.click('#' + id);
    await page.keyboard.type(keys);
    await page.keyboard.press('Enter');
}

for (const [locale, psi, mbar, invalid] of [
    ['fr-FR', '14,5038 psi', '1\u202f000,0000 mbar',
     "'1,2,3' n'est pas une valeur en virgule flottante correcte."],
    ['en-US', '14.5038 psi', '1,000.0000 mbar', "'1.2.3' is not a valid floating-point number."],
]) {
    test(`${locale}: 1 bar, every field, an invalid entry`, async () => {
        const { context, page } = await open(locale);
        for (const id of ids)
            assert.equal(await page.locator('#' + id).count(), 1, id);
        await enter(page, 'Ed_Bar', '1');
        assert.equal(await page.getAttribute('#Ed_Psi', 'placeholder'), psi);
        assert.equal(await page.getAttribute('#Ed_mBar', 'placeholder'), mbar);
        assert.equal(await page.inputValue('#Ed_Bar'), psi.startsWith('14,') ? '1,0000 bar' : '1.0000 bar');
        // Letters never get in by key; the message names what is not a number.
        await enter(page, 'Ed_Kpa', invalid.slice(1, 6) + 'x');
        assert.equal(await page.textContent('#message'), invalid);
        assert.equal(await page.getAttribute('#Ed_Psi', 'placeholder'), psi); // nothing changed
        await context.close();
    });
}

test('after a first visit, a reload with no network converts again', async () => {
    const { context, page } = await open('fr-FR');
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.reload();
    await page.waitForSelector('body[data-ready]');
    await context.setOffline(true);
    await page.reload();
    await page.waitForSelector('body[data-ready]');
    await enter(page, 'Ed_Celsius', '100');
    assert.equal(await page.getAttribute('#Ed_Fahren', 'placeholder'), '212,0000 °F');
    await context.close();
});

test('a value pasted in another unit converts from its own', async () => {
    const { context, page } = await open('fr-FR');
    await page.click('#Ed_Pa');
    await page.evaluate(() => {
        const data = new DataTransfer();
        data.setData('text/plain', '1 atm');
        document.getElementById('Ed_Pa').dispatchEvent(
            new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
    });
    assert.equal(await page.inputValue('#Ed_Pa'), '101\u202f325,0000 Pa');
    await context.close();
});
