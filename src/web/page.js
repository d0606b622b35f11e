// The page: the window's seventeen fields on Baritemp's engine (baritemp.mjs), with the
// browser's regional separators, the number of decimals and the language kept in localStorage.
import createBaritemp from './baritemp.mjs';

const stored = (key, fallback) => {
    try {
        return localStorage.getItem(key) ?? fallback;
    } catch {
        return fallback; // storage refused (a private window): the defaults
    }
};
const store = (key, value) => {
    try {
        localStorage.setItem(key, value);
    } catch {
        // kept for this visit only
    }
};

// The separators of the browser's language, as Intl writes numbers (fr-FR: "," and U+202F).
function separators() {
    const parts = new Intl.NumberFormat(navigator.language).formatToParts(1234567.5);
    const part = (type) => (parts.find((p) => p.type === type) || { value: '' }).value;
    return { decimal: part('decimal') || '.', group: part('group') };
}

const [engine, texts] = await Promise.all([
    createBaritemp(),
    fetch('texts.json').then((r) => r.json()).catch(() => ({})),
]);
const units = engine.units();
const message = document.getElementById('message');
const decimals = document.getElementById('decimals');
const language = document.getElementById('language');
const fields = [...document.querySelectorAll('fieldset input')];
const groups = {};
for (const fieldset of document.querySelectorAll('fieldset')) {
    groups[fieldset.dataset.group] = [...fieldset.querySelectorAll('input')];
}

// A text in the page's language: the translations of the program (texts.json, made from its
// Qt Linguist files), the sources' English otherwise.
const t = (source, ...args) => {
    let text = (texts[language.value] || {})[source] || source;
    args.forEach((arg, i) => { text = text.split('%' + (i + 1)).join(arg); });
    return text;
};

function applyLanguage() {
    document.documentElement.lang = language.value === 'FR' ? 'fr' : 'en';
    for (const element of document.querySelectorAll('[data-text]'))
        element.textContent = t(element.dataset.text);
}

for (let n = 0; n <= 9; ++n)
    decimals.add(new Option(String(n), String(n)));
decimals.value = stored('baritemp.decimals', '4');
language.value = stored('baritemp.language', navigator.language.startsWith('fr') ? 'FR' : 'UK');
decimals.addEventListener('change', () => store('baritemp.decimals', decimals.value));
language.addEventListener('change', () => {
    store('baritemp.language', language.value);
    applyLanguage();
});
applyLanguage();

// Each field: its unit as its first placeholder, its result for a screen reader.
for (const field of fields) {
    field.placeholder = field.parentElement.firstChild.textContent.trim();
    const result = document.createElement('span');
    result.id = field.id + '_result';
    result.className = 'result';
    result.hidden = true;
    field.after(result);
    field.setAttribute('aria-describedby', result.id);
}

const where = (field) => {
    for (const [group, list] of Object.entries(groups)) {
        const index = list.indexOf(field);
        if (index >= 0)
            return { group, index };
    }
    return null;
};

function errorText(error) {
    switch (error.kind) {
    case 'InvalidNumber':
        return t("'%1' is not a valid floating-point number", error.text) + '.';
    case 'Overflow':
        return t('Floating-point overflow') + '.';
    case 'UnknownUnit':
        return t("'%1': %2 is not a unit Baritemp knows", error.text, error.detail) + '.';
    case 'DecimalSeparator':
        return t("'%1' is not a number here: the decimal separator of your settings is '%2'",
                 error.text, error.detail) + '.';
    case 'OtherQuantity': {
        const unit = units.find((u) => u.symbol === error.detail);
        return (unit && unit.quantity === 'temperature'
            ? t("'%1' is a temperature, not a pressure", error.text)
            : t("'%1' is a pressure, not a temperature", error.text)) + '.';
    }
    default:
        return t("'%1' is in %2: enter it in the %2 field", error.text, error.detail) + '.';
    }
}

// Enter in a field: the window's entry cycle. Every field empties, the source shows the value
// with its unit, selected, and every other field of its group its result as placeholder.
function convert(field) {
    const { group, index } = where(field);
    if (field.value === '')
        return;
    const { decimal, group: grouping } = separators();
    const outcome = engine.convert(group, index, field.value, Number(decimals.value), decimal,
                                   grouping);
    field.value = outcome.trimmed;
    if (outcome.error) {
        message.textContent = errorText(outcome.error);
        return;
    }
    message.textContent = '';
    for (const f of fields)
        f.value = '';
    groups[group].forEach((f, i) => {
        f.placeholder = outcome.texts[i];
        document.getElementById(f.id + '_result').textContent = outcome.texts[i];
    });
    field.value = outcome.texts[index];
    field.focus();
    field.select();
}

// Text that arrives other than key by key, read as the window reads it.
function arrive(field, text) {
    const { group, index } = where(field);
    const { decimal, group: grouping } = separators();
    const outcome = engine.arrive(group, index, text, decimal, grouping);
    if (outcome.insert !== undefined) {
        field.setRangeText(outcome.insert, field.selectionStart, field.selectionEnd, 'end');
        return;
    }
    const target = groups[outcome.convert.group][outcome.convert.index];
    target.value = outcome.convert.text;
    convert(target);
}

for (const field of fields) {
    // Entering a field empties it, as in the window.
    field.addEventListener('focus', () => { field.value = ''; });
    field.addEventListener('keydown', (event) => {
        if (event.key === 'Enter') {
            event.preventDefault();
            convert(field);
        } else if (event.code === 'NumpadDecimal') {
            // The keypad's decimal key types the regional separator, whatever it prints.
            event.preventDefault();
            field.setRangeText(separators().decimal, field.selectionStart, field.selectionEnd,
                               'end');
        }
    });
    field.addEventListener('beforeinput', (event) => {
        // Only what makes a number gets in by key: digits, signs, the decimal separator.
        if (event.inputType !== 'insertText' || event.data === null)
            return;
        const allowed = '0123456789+-' + separators().decimal;
        if ([...event.data].some((c) => !allowed.includes(c)))
            event.preventDefault();
    });
    field.addEventListener('paste', (event) => {
        event.preventDefault();
        arrive(field, event.clipboardData.getData('text/plain'));
    });
    field.addEventListener('drop', (event) => {
        event.preventDefault();
        field.focus();
        arrive(field, event.dataTransfer.getData('text/plain'));
    });
}

if ('serviceWorker' in navigator)
    navigator.serviceWorker.register('sw.js').catch(() => {});
document.body.dataset.ready = 'true';
