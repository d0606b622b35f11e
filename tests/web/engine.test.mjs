// The engine in Node gives the window's texts: the same as baritemp-convert (whose texts are the
// window's, CommandTest) for every field as source, at several decimals and separators, on the
// values of the window's own tests and a few thousand random ones.
//   DIST=build-web/dist BARITEMP_CONVERT=build/src/cli/baritemp-convert node --test ...
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFile } from 'node:child_process';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const dist = resolve(process.env.DIST);
const command = process.env.BARITEMP_CONVERT;
const { default: createBaritemp } = await import(pathToFileURL(join(dist, 'baritemp.mjs')));
const engine = await createBaritemp();

const units = {
    pressure: ['bar', 'mbar', 'psi', 'kg/cm²', 'Pa', 'daPa', 'kPa', 'MPa', 'Torr', 'mCE', 'mmHg',
               'mmCE', 'inch Hg', 'inch CE'],
    temperature: ['°C', '°F', 'K'],
};
const rules = [[',', '\u202f'], ['.', ','], [',', '.'], ['.', '\u2019'], [',', '']];

// A small deterministic generator: the same entries on every run.
let seed = 20111202;
const random = () => {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return seed / 2147483648;
};
const pick = (list) => list[Math.floor(random() * list.length)];

function randomText(decimal) {
    const digits = (n) => Array.from({ length: n }, () => Math.floor(random() * 10)).join('');
    switch (Math.floor(random() * 6)) {
    case 0: return digits(1 + Math.floor(random() * 6));
    case 1: return '-' + digits(1 + Math.floor(random() * 4)) + decimal + digits(1 + Math.floor(random() * 8));
    case 2: return digits(1 + Math.floor(random() * 3)) + decimal + digits(1 + Math.floor(random() * 12));
    case 3: return digits(1) + decimal + digits(3) + 'E' + pick(['', '-', '+']) + digits(1 + Math.floor(random() * 3));
    case 4: return pick(['0', decimal, '-', '1' + decimal + '2' + decimal + '3', '-273' + decimal + '16', '-500', '1E400', '9'.repeat(310)]);
    default: return digits(1 + Math.floor(random() * 2)) + decimal + digits(2) + pick(['', ' ', '-', decimal]);
    }
}

function cli(text, unit, decimals, decimal, thousands) {
    return new Promise((done) => {
        execFile(command, ['--decimals', String(decimals), '--decimal-separator', decimal,
                           '--thousands-separator', thousands, '--lang', 'UK', '--', text, unit],
                 { env: { ...process.env, HOME: '/nonexistent' } },
                 (error, stdout) => done({ status: error ? error.code : 0, lines: stdout.split('\n').filter((l) => l) }));
    });
}

async function compare(cases) {
    const failures = [];
    for (let i = 0; i < cases.length; i += 8) {
        await Promise.all(cases.slice(i, i + 8).map(async ([group, index, text, decimals, decimal, thousands]) => {
            const web = engine.convert(group, index, text, decimals, decimal, thousands);
            const got = await cli(text, units[group][index], decimals, decimal, thousands);
            const same = web.error ? got.status === 1
                                   : got.status === 0 && JSON.stringify(got.lines) === JSON.stringify(web.texts);
            if (!same)
                failures.push({ group, index, text, decimals, decimal, thousands, web, got });
        }));
    }
    assert.deepEqual(failures.slice(0, 5), []);
}

test('every field, the window tests\' values, decimals 0, 4, 9 and 18', async () => {
    const cases = [];
    for (const [group, list] of Object.entries(units))
        for (let index = 0; index < list.length; ++index)
            for (const decimals of [0, 4, 9, 18])
                for (const text of ['1', '0,1', '-273,15', '1234567,891', '1E15', '0,00005', '-2,5'])
                    cases.push([group, index, text, decimals, ',', '\u202f']);
    await compare(cases);
});

test('random entries in every field, several separators and decimals', async () => {
    const cases = [];
    for (let n = 0; n < 2000; ++n) {
        const group = random() < 0.8 ? 'pressure' : 'temperature';
        const [decimal, thousands] = pick(rules);
        cases.push([group, Math.floor(random() * units[group].length), randomText(decimal),
                    Math.floor(random() * 10), decimal, thousands]);
    }
    await compare(cases);
});

test('an empty text converts nothing; the reading of pasted text', () => {
    assert.deepEqual(engine.convert('pressure', 0, '', 4, ',', ' ').texts, []);
    assert.equal(engine.convert('pressure', 0, 'abc', 4, ',', ' ').error.kind, 'InvalidNumber');
    assert.equal(engine.convert('pressure', 0, '9'.repeat(310), 4, ',', ' ').error.kind, 'Overflow');
    assert.deepEqual(engine.arrive('pressure', 0, '30 psi', ',', ' '),
                     { convert: { group: 'pressure', index: 2, text: '30' } });
    assert.deepEqual(engine.arrive('pressure', 1, '1 013,25 mbar', ',', ' '), { insert: '1013,25' });
    assert.deepEqual(engine.convertUnits('10 barg', 'barg', ['psi'], 4, '.', ',', false).texts,
                     ['145.0377 psig']);
});
