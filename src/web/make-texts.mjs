// texts.json for the page: the translations of the texts it shows, taken from the program's
// Qt Linguist files (translations/baritemp_<locale>.ts), by their English source.
//   node make-texts.mjs translations/baritemp_fr.ts:FR > texts.json
import { readFileSync } from 'node:fs';

const contexts = new Set(['Messages', 'baritemp::MainWindow', 'baritemp::SettingsDialog']);
const unescape = (s) => s.replace(/&apos;/g, "'").replace(/&quot;/g, '"').replace(/&lt;/g, '<')
    .replace(/&gt;/g, '>').replace(/&amp;/g, '&');
const out = {};
for (const argument of process.argv.slice(2)) {
    const [file, code] = argument.split(':');
    const table = {};
    const ts = readFileSync(file, 'utf8');
    for (const context of ts.split('<context>').slice(1)) {
        const name = /<name>(.*?)<\/name>/.exec(context)[1];
        if (!contexts.has(name))
            continue;
        for (const m of context.matchAll(
            /<source>([\s\S]*?)<\/source>\s*<translation>([\s\S]*?)<\/translation>/g))
            table[unescape(m[1])] = unescape(m[2]);
    }
    out[code] = table;
}
process.stdout.write(JSON.stringify(out, null, 1) + '\n');
