// The page in a real browser: Debian's Chromium, headless, driven by playwright-core, with the
// page opened from disk and every network request refused. Each download is compared with what
// the Linux command line writes for the same log (the header's time stamp apart), and what the
// page shows with what the command line reports.
//
// Run by .ci/web; by hand:
//   KESTREL_PAGE=build/web/KestrelToADIF.html KESTREL_CLI=build/default/src/app/kestrel-to-adif \
//   KESTREL_GENERATE_LOG=build/default/examples/generate-log KESTREL_NODE_MODULES=DIR/node_modules \
//   node --test tests/web/page.test.mjs
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { createHash, randomBytes } from 'node:crypto';
import { createRequire } from 'node:module';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

function setting(name) {
    const value = process.env[name];
    if (!value) throw new Error(`${name} is not set; see the top of ${import.meta.url}`);
    return path.resolve(value);
}
const pagePath = setting('KESTREL_PAGE');
const cli = setting('KESTREL_CLI');
const generateLog = setting('KESTREL_GENERATE_LOG');
const { chromium } = createRequire(setting('KESTREL_NODE_MODULES') + '/')('playwright-core');
const browserPath = process.env.KESTREL_CHROMIUM || '/usr/bin/chromium';
const pageUrl = pathToFileURL(pagePath).href;

const work = fs.mkdtempSync(path.join(os.tmpdir(), 'kestrel-page-'));
// Windows-1252's characters for bytes 0x80 to 0x9F, where it differs from Latin-1; the five
// bytes it leaves undefined are null. (Node's own decoder treats these bytes as Latin-1.)
const windows1252High = [
    '€', null, '‚', 'ƒ', '„', '…', '†', '‡', 'ˆ', '‰', 'Š', '‹', 'Œ', null, 'Ž', null,
    null, '‘', '’', '“', '”', '•', '–', '—', '˜', '™', 'š', '›', 'œ', null, 'ž', 'Ÿ',
];

let context;
let page;
const requests = [];     // every request the browser made, whatever became of it
const problems = [];     // console errors and uncaught exceptions in the page

before(async () => {
    context = await chromium.launchPersistentContext(path.join(work, 'profile'), {
        executablePath: browserPath,
        acceptDownloads: true,
        args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
            '--disable-component-update', '--no-first-run', '--disable-sync',
            '--host-resolver-rules=MAP * ~NOTFOUND'],
    });
    context.on('request', (request) => requests.push(request.url()));
    // Nothing but the page itself may be loaded; anything else is refused and counted.
    await context.route('**/*', (route) =>
        route.request().url() === pageUrl ? route.continue() : route.abort());
    page = context.pages()[0] || await context.newPage();
    page.on('console', (message) => {
        if (message.type() === 'error') problems.push(message.text());
    });
    page.on('pageerror', (error) => problems.push(error.message));
    await page.goto(pageUrl);
});

after(async () => {
    await context?.close();
    fs.rmSync(work, { recursive: true, force: true });
});

function logFile(name, bytes) {
    const file = path.join(work, name);
    fs.writeFileSync(file, bytes);
    return file;
}

function generated(records, seed, name) {
    const file = path.join(work, name);
    execFileSync(generateLog, [String(records), String(seed), file]);
    return file;
}

// The command line's options for each of the page's forms.
const formOptions = { classic: [], standard: ['--adif3'], ADX: ['--adx'] };

// What the command line writes for a log.
function commandLine(log, form = 'classic') {
    return {
        adif: execFileSync(cli, [...formOptions[form], '-o', '-', log],
            { maxBuffer: 1 << 30, stdio: ['ignore', 'pipe', 'ignore'] }),
    };
}

// The command line's messages, the summary among them: with the ADIF on standard output, all
// go to standard error.
function commandLineMessages(log, form = 'classic') {
    const result = execFileSync('sh', ['-c', '"$0" "$@" 2>&1 >/dev/null', cli, ...formOptions[form], '-o', '-', log],
        { encoding: 'utf8', maxBuffer: 1 << 30 });
    return result.split('\n').filter((line) => line !== '');
}

// What the page is to show for a log, from what the command line reports: its messages as the
// page words them, the first 200 skipped records and findings listed and the rest counted.
function expectedMessages(log, adifName, form) {
    const named = log + ': ';
    const listed = { illegal: 0, finding: 0 };
    const shown = [];
    for (const line of commandLineMessages(log, form)) {
        const summary = /^(\d+) QSOs written to standard output$/.exec(line);
        if (line.startsWith('Illegal year in QSO ')) {
            if (++listed.illegal <= 200) shown.push(asThePageShowsIt(line));
        } else if (line.startsWith(named + 'record ')) {
            if (++listed.finding <= 200) shown.push(line.slice(named.length));
        } else if (summary) {
            shown.push(`${summary[1]} QSOs written to ${adifName}`);
        } else if (line.startsWith(named)) {
            shown.push(line.slice(named.length)); // the count of findings
        } else {
            assert.fail(`a message the page has no counterpart for: ${line}`);
        }
    }
    if (listed.illegal > 200) {
        shown.push(`${listed.illegal - 200} more records with an illegal year were skipped; they are not listed here.`);
    }
    if (listed.finding > 200) shown.push(`${listed.finding - 200} more findings are not listed here.`);
    return { shown, ...listed };
}

// The header's time stamp, the only text that changes from run to run, in each form.
const timeStamps = [
    /^created by KestrelToADIF \d+\.\d+\.\d+ on \d\d-[A-Z][a-z]{2}-\d{4} \d\d:\d\d:\d\d UTC$/m,
    /^<CREATED_TIMESTAMP:15>\d{8} \d{6}$/m,
    /^<CREATED_TIMESTAMP>\d{8} \d{6}<\/CREATED_TIMESTAMP>$/m,
];

// The ADIF with its time stamp taken out; there must be one, and in the header.
function withoutTimeStamp(adif) {
    const text = adif.toString('latin1');
    const stamp = timeStamps.map((pattern) => pattern.exec(text)).find((found) => found);
    assert.ok(stamp && stamp.index < 400, 'the header holds a time stamp');
    return text.slice(0, stamp.index) + text.slice(stamp.index + stamp[0].length);
}

function assertSameAdif(pageAdif, cliAdif, what) {
    const shown = withoutTimeStamp(pageAdif);
    const expected = withoutTimeStamp(cliAdif);
    if (shown !== expected) {
        const digest = (text) => createHash('sha256').update(text, 'latin1').digest('hex');
        assert.fail(`${what}: the page wrote ${shown.length} bytes (${digest(shown)}), ` +
            `the command line ${expected.length} (${digest(expected)})`);
    }
}

// Lists of lines, told apart by the first that differs rather than all of them.
function assertSameLines(actual, expected, what) {
    const first = actual.findIndex((line, i) => line !== expected[i]);
    if (first >= 0 || actual.length !== expected.length) {
        const at = first >= 0 ? first : Math.min(actual.length, expected.length);
        assert.fail(`${what}: ${actual.length} lines shown, ${expected.length} expected; line ${at + 1} ` +
            `is ${JSON.stringify(actual[at])}, expected ${JSON.stringify(expected[at])}`);
    }
}

// The command line shows record bytes as Latin-1 with 0x80-0x9F escaped; the page shows them
// as Windows-1252, where most of those bytes are characters.
function asThePageShowsIt(cliLine) {
    return cliLine.replace(/\\x([89][0-9A-F])/g,
        (escape, hex) => windows1252High[parseInt(hex, 16) - 0x80] ?? escape);
}

// Chooses the logs, converts them in the form given and waits for the end; returns for each log
// its name, the messages shown and the download's name and bytes.
async function convert(logs, form = 'classic', { entities = false } = {}) {
    await page.setInputFiles('#logs', logs);
    await page.getByRole('radio', { name: new RegExp('^' + form) }).check();
    const entitiesBox = page.getByRole('checkbox', { name: /^Add DXCC entity fields/ });
    if (await entitiesBox.isEnabled()) await entitiesBox.setChecked(entities);
    await page.getByRole('button', { name: 'Convert' }).click();
    await page.waitForFunction(() => document.getElementById('status').textContent.startsWith('Done'),
        null, { timeout: 300_000 });
    return collect();
}

async function collect() {
    const shown = await page.$$eval('#results > li', (items) => items.map((item) => ({
        name: item.querySelector('h3').textContent,
        messages: Array.from(item.querySelectorAll('.messages li'), (li) => li.textContent),
        download: item.querySelector('a.download')?.getAttribute('download') ?? null,
    })));
    const links = await page.$$('#results > li');
    for (let i = 0; i < shown.length; ++i) {
        const link = await links[i].$('a.download');
        if (!link) continue;
        const [download] = await Promise.all([page.waitForEvent('download'), link.click()]);
        assert.equal(download.suggestedFilename(), shown[i].download);
        shown[i].adif = fs.readFileSync(await download.path());
    }
    return shown;
}

describe('classic form', () => {
    test('a generated log: the same bytes and the same messages as the command line', async () => {
        const log = generated(3000, 5, 'contest.log');
        const [result] = await convert([log]);
        const expected = expectedMessages(log, 'contest.ADI', 'classic');
        assert.ok(expected.illegal > 20, 'the generated log has records with an illegal year');
        assert.equal(result.name, 'contest.log');
        assert.equal(result.download, 'contest.ADI');
        assertSameAdif(result.adif, commandLine(log).adif, 'contest.log');
        assertSameLines(result.messages, expected.shown, 'contest.log');
    });

    test('several logs at once, each a download named as the programs name it', async () => {
        const logs = [
            logFile('sample.log', fs.readFileSync(new URL('../../examples/sample.log', import.meta.url))),
            generated(500, 11, 'field.day.2003.log'),
            generated(40, 12, 'NOEXTENSION'),
        ];
        const results = await convert(logs);
        assert.deepEqual(results.map((r) => r.download), ['sample.ADI', 'field.day.2003.ADI', 'NOEXTENSION.ADI']);
        for (let i = 0; i < logs.length; ++i) assertSameAdif(results[i].adif, commandLine(logs[i]).adif, logs[i]);
        assert.deepEqual(results[0].messages, [
            'Illegal year in QSO AB/CD/EF000014 SSB??????    59    59    ------garbled       , ignoring QSO',
            '32 QSOs written to sample.ADI',
        ]);
    });

    test('logs too short for a record: the header alone, and a note on the bytes left over', async () => {
        const empty = logFile('empty.log', Buffer.alloc(0));
        const short = logFile('short.log', randomBytes(63));
        const oneAndABit = logFile('one-and-a-bit.log',
            Buffer.concat([fs.readFileSync(generated(1, 3, 'one.log')), Buffer.from('x')]));
        const results = await convert([empty, short, oneAndABit]);
        for (const [i, log] of [empty, short, oneAndABit].entries()) assertSameAdif(results[i].adif, commandLine(log).adif, log);
        assert.deepEqual(results[0].messages, ['0 QSOs written to empty.ADI']);
        assert.deepEqual(results[1].messages, ['0 QSOs written to short.ADI',
            'short.log ends in 63 bytes too few for a record; they were ignored']);
        assert.equal(results[2].messages.at(-1), 'one-and-a-bit.log ends in 1 bytes too few for a record; they were ignored');
    });
});

describe('standard ADIF 3 and ADX', () => {
    // Made once: a file rewritten after it was chosen is no longer readable by the page.
    let log;
    before(() => { log = generated(3000, 9, 'realistic.log'); });
    for (const [form, adifName] of [['standard', 'realistic.ADI'], ['ADX', 'realistic.adx']]) {
        test(`${form}: the same bytes as the command line, and its findings by record`, async () => {
            const [result] = await convert([log], form);
            assert.equal(result.download, adifName, result.messages.slice(-3).join('\n'));
            assertSameAdif(result.adif, commandLine(log, form).adif, `${form} of realistic.log`);
            const expected = expectedMessages(log, adifName, form);
            assert.ok(expected.finding > 0, 'the generated log has records the standard form reports');
            assertSameLines(result.messages, expected.shown, `${form} of realistic.log`);
        });
    }
});

describe('DXCC entity fields', () => {
    let log;
    before(() => { log = generated(2000, 31, 'entities.log'); });
    for (const [form, options] of [['standard', ['--adif3']], ['ADX', ['--adx']]]) {
        test(`${form}: added as kestrel-to-adif --entities adds them`, async () => {
            const [result] = await convert([log], form, { entities: true });
            const expected = execFileSync(cli, [...options, '--entities', '-o', '-', log],
                { maxBuffer: 1 << 30, stdio: ['ignore', 'pipe', 'ignore'] });
            assertSameAdif(result.adif, expected, `${form} of entities.log with entities`);
            const entityField = form === 'ADX' ? /<DXCC>\d+<\/DXCC>/ : /<DXCC:\d+>\d+ /;
            assert.ok(entityField.test(result.adif.toString('latin1')), 'some records have a DXCC entity');
        });
    }

    test('offered for the standard forms alone: classic stays as the programs write it', async () => {
        const entitiesBox = page.getByRole('checkbox', { name: /^Add DXCC entity fields/ });
        await page.setInputFiles('#logs', [log]);
        await page.getByRole('radio', { name: /^standard/ }).check();
        await entitiesBox.check();
        await page.getByRole('radio', { name: /^classic/ }).check();
        assert.equal(await entitiesBox.isDisabled(), true);
        // Left ticked from before, it adds nothing to the classic form.
        assert.equal(await entitiesBox.isChecked(), true);
        await page.getByRole('button', { name: 'Convert' }).click();
        await page.waitForFunction(() => document.getElementById('status').textContent.startsWith('Done'));
        const [result] = await collect();
        assertSameAdif(result.adif, commandLine(log).adif, 'classic of entities.log');
        await page.getByRole('radio', { name: /^ADX/ }).check();
        assert.equal(await entitiesBox.isEnabled(), true);
        await entitiesBox.uncheck();
    });
});

// What the page shows of a log at a glance, read from its text: the tables beside the pictures,
// the sentences, and the squares the map draws.
async function glanceOf(item) {
    return item.$eval('.glance', (glance) => {
        const counts = (selector) => Object.fromEntries(Array.from(glance.querySelectorAll(selector + ' tbody tr'),
            (row) => [row.cells[0].textContent, Number(row.cells[row.cells.length - 1].textContent)]));
        const figureNamed = (caption) => Array.from(glance.querySelectorAll('figure'))
            .find((figure) => figure.querySelector('figcaption').textContent === caption);
        const sentences = Array.from(glance.querySelectorAll('p'), (p) => p.textContent);
        const entityTable = glance.querySelector('table.entities');
        const path = (className) => glance.querySelector(`svg.map path.${className}`)?.getAttribute('d') ?? '';
        return {
            sentences,
            years: counts('details table.bars'),
            bands: Object.fromEntries(Array.from(figureNamed('QSOs per band').querySelectorAll('tbody tr'),
                (row) => [row.cells[0].textContent, Number(row.cells[1].textContent)])),
            bandOrder: Array.from(figureNamed('QSOs per band').querySelectorAll('tbody th'), (th) => th.textContent),
            modes: Object.fromEntries(Array.from(figureNamed('QSOs per mode').querySelectorAll('tbody tr'),
                (row) => [row.cells[0].textContent, Number(row.cells[1].textContent)])),
            entities: entityTable ? Array.from(entityTable.tBodies[0].rows, (row) =>
                Array.from(row.cells, (cell) => cell.textContent)) : [],
            fields: Array.from(glance.querySelectorAll('table.fields tbody tr'), (row) =>
                ({ field: row.cells[0].textContent, confirmed: row.cells[1].textContent.split(' ').filter(Boolean),
                   worked: row.cells[2].textContent.split(' ').filter(Boolean) })),
            confirmedPath: path('confirmed'),
            workedPath: path('worked'),
        };
    });
}

// The south-west corners of the squares a map path draws, as longitude and latitude: the map is
// 3600 by 1800, a tenth of a degree each, from 180 degrees west and 90 north. Worked squares are
// drawn smaller, `inset` inside their own.
function cornersDrawn(d, inset) {
    return Array.from(d.matchAll(/M(\d+) (\d+)h(\d+)v(\d+)/g), ([, x, y, , height]) =>
        `${(Number(x) - inset) / 10 - 180},${90 - (Number(y) - inset / 2 + Number(height) + inset) / 10}`).sort();
}

// A Maidenhead square's south-west corner: 20 by 10 degrees for the field's letters, from 180
// west and 90 south, 2 by 1 for the square's digits.
function cornerOf(square) {
    const letter = (i) => square.toUpperCase().charCodeAt(i) - 65;
    const digit = (i) => square.charCodeAt(i) - 48;
    return `${letter(0) * 20 + digit(2) * 2 - 180},${letter(1) * 10 + digit(3) - 90}`;
}

// The 4-character grid squares of a standard ADI's QSOs, each confirmed when any QSO in it has a
// QSL received: the test's own count, as the command line's JSON does not list the squares.
function gridSquaresOf(adif) {
    const squares = new Map();
    for (const record of adif.toString('latin1').split('<EOR>')) {
        const grid = /<GRIDSQUARE:\d+>([A-R]{2}\d{2})/i.exec(record);
        if (!grid) continue;
        const square = grid[1].toUpperCase();
        squares.set(square, squares.get(square) === true || record.includes('<QSL_RCVD:1>Y'));
    }
    return squares;
}

describe('the log at a glance', () => {
    let log;
    let counted;
    before(() => {
        log = generated(3000, 23, 'glance.log');
        const json = execFileSync(cli, ['--stats', '--json', log], { encoding: 'utf8', maxBuffer: 1 << 30 });
        [counted] = JSON.parse(json).logs;
    });

    test('the pictures\' tables and sentences say what kestrel-to-adif --stats --json counts', async () => {
        const [result] = await convert([log], 'standard');
        const [item] = await page.$$('#results > li');
        const shown = await glanceOf(item);
        assert.equal(shown.sentences[0], `${counted.records} records: ${counted.qsos} QSOs written, ` +
            `${counted.skipped} skipped. First QSO ${counted.first.replace(/(\d{4})(\d\d)(\d\d)/, '$1-$2-$3')}, ` +
            `last ${counted.last.replace(/(\d{4})(\d\d)(\d\d)/, '$1-$2-$3')}. ${counted.calls} different callsigns.`);
        assert.deepEqual(shown.years, counted.years);
        assert.deepEqual(shown.bands, counted.bands);
        assert.deepEqual(shown.modes, counted.modes);
        // From the longest wavelength down, as on a dial.
        const dial = ['160m', '80m', '40m', '20m', '10m', '6m', '2m', '70cm'].filter((band) => band in counted.bands);
        assert.deepEqual(shown.bandOrder.filter((band) => dial.includes(band)), dial);

        assert.ok(counted.entities.list.length > 1, 'the generated log has callsigns of several entities');
        assert.ok(shown.sentences.includes(`${counted.entities.worked} entities worked, ` +
            `${counted.entities.confirmed} of them confirmed (QSL received).`));
        assert.deepEqual(shown.entities.map(([name, dxcc, continent, qsos, confirmed]) =>
            ({ name, dxcc: Number(dxcc), continent, qsos: Number(qsos), confirmed: confirmed === 'yes' }))
            .sort((a, b) => a.dxcc - b.dxcc),
        counted.entities.list.map(({ name, dxcc, continent, qsos, confirmed }) => ({ name, dxcc, continent, qsos, confirmed }))
            .sort((a, b) => a.dxcc - b.dxcc));

        assert.ok(shown.sentences.includes(`${counted.grids.worked} grid squares worked, ` +
            `${counted.grids.confirmed} of them confirmed (QSL received).`));
        const squares = gridSquaresOf(result.adif);
        const confirmed = [...squares].filter(([, yes]) => yes).map(([square]) => square);
        const worked = [...squares].filter(([, yes]) => !yes).map(([square]) => square);
        assert.deepEqual([squares.size, confirmed.length], [counted.grids.worked, counted.grids.confirmed]);
        assert.deepEqual(shown.fields.flatMap((row) => row.confirmed).sort(), confirmed.sort());
        assert.deepEqual(shown.fields.flatMap((row) => row.worked).sort(), worked.sort());
        assert.ok(shown.fields.every((row) => [...row.confirmed, ...row.worked].every((square) => square.startsWith(row.field))));
        assert.deepEqual(cornersDrawn(shown.confirmedPath, 0), confirmed.map(cornerOf).sort());
        assert.deepEqual(cornersDrawn(shown.workedPath, 4), worked.map(cornerOf).sort());
    });

    test('the table of entities sorts by a heading, clicked or pressed, and says how it is sorted', async () => {
        const table = page.locator('#results > li').first().locator('table.entities');
        const column = async (i) => table.locator('tbody tr').evaluateAll((rows, at) => rows.map((row) => row.cells[at].textContent), i);
        const sortedBy = () => table.locator('thead th').evaluateAll((cells) =>
            cells.filter((cell) => cell.getAttribute('aria-sort') !== 'none')
                .map((cell) => [cell.querySelector('button').firstChild.textContent, cell.getAttribute('aria-sort')]));
        const byNumber = (direction) => (a, b) => direction * (Number(a) - Number(b));
        const byName = (a, b) => a.localeCompare(b, 'en');

        assert.deepEqual(await sortedBy(), [['QSOs', 'descending']]);
        const qsos = await column(3);
        assert.deepEqual(qsos, qsos.slice().sort(byNumber(-1)));

        await table.getByRole('button', { name: /^Entity/ }).click();
        assert.deepEqual(await sortedBy(), [['Entity', 'ascending']]);
        const names = await column(0);
        assert.deepEqual(names, names.slice().sort(byName));
        await table.getByRole('button', { name: /^Entity/ }).click();
        assert.deepEqual(await sortedBy(), [['Entity', 'descending']]);
        assert.deepEqual(await column(0), names.slice().reverse());

        await table.getByRole('button', { name: /^DXCC/ }).focus();
        await page.keyboard.press('Enter');
        assert.deepEqual(await sortedBy(), [['DXCC', 'ascending']]);
        const numbers = await column(1);
        assert.deepEqual(numbers, numbers.slice().sort(byNumber(1)));
        await page.keyboard.press('Space');
        assert.deepEqual(await sortedBy(), [['DXCC', 'descending']]);
        assert.deepEqual(await column(1), numbers.slice().sort(byNumber(-1)));
    });

    test('several logs: a glance at each, under its own name', async () => {
        const other = generated(300, 24, 'other.log');
        const results = await convert([log, other], 'ADX');
        const items = await page.$$('#results > li');
        assert.equal(results.length, 2);
        const [first, second] = [await glanceOf(items[0]), await glanceOf(items[1])];
        assert.deepEqual(first.years, counted.years);
        const [otherCounted] = JSON.parse(execFileSync(cli, ['--stats', '--json', other], { encoding: 'utf8' })).logs;
        assert.deepEqual(second.years, otherCounted.years);
        assert.match(second.sentences[0], new RegExp(`^${otherCounted.records} records: ${otherCounted.qsos} QSOs written`));
        const ids = await page.$$eval('#results [id]', (elements) => elements.map((e) => e.id));
        assert.equal(new Set(ids).size, ids.length, 'no id is used twice');
    });
});

describe('your station', () => {
    test('its fields go into every standard record as the command line writes them; a value that is not one converts nothing', async () => {
        const log = generated(300, 8, 'station.log');
        const fields = [['Station callsign', 'k1abc/p', '--station-callsign'], ['Operator', 'w1xyz', '--operator'],
            ['My grid square', 'fn42AB', '--my-gridsquare']];
        for (const [label, value] of fields) await page.getByLabel(label).fill(value);
        const [result] = await convert([log], 'standard');
        const options = fields.flatMap(([, value, option]) => [option, value]);
        const cliAdif = execFileSync(cli, ['--adif3', ...options, '-o', '-', log], { stdio: ['ignore', 'pipe', 'ignore'] });
        assertSameAdif(result.adif, cliAdif, 'station.log');
        const text = result.adif.toString('latin1');
        const records = text.split('<EOR>').length - 1;
        assert.ok(records > 200);
        assert.equal(text.split('<STATION_CALLSIGN:7>K1ABC/P <OPERATOR:5>W1XYZ <MY_GRIDSQUARE:6>FN42ab ').length - 1, records);

        await page.getByLabel('Operator').fill('W1@W');
        const [refused] = await convert([log], 'standard');
        assert.deepEqual(refused.messages, ['operator "W1@W": not a callsign; nothing was converted']);
        assert.equal(refused.download, null);
        for (const [label] of fields) await page.getByLabel(label).fill('');
        // The classic form has no place for them.
        await page.getByRole('radio', { name: /^classic/ }).check();
        assert.ok(await page.getByLabel('Station callsign').isDisabled());
    });
});

describe('a logbook chosen beside the logs', () => {
    test('only the QSOs it does not hold are written, as --new-only writes them', async () => {
        const log = generated(3000, 9, 'season.log');
        // Every other record, as another program exports it: names in lower case, LF line ends.
        const records = commandLine(log, 'standard').adif.toString('latin1').split('<EOH>\r\n')[1]
            .split('<EOR>\r\n').filter((record) => record !== '');
        const book = records.filter((record, i) => i % 2 === 0)
            .map((record) => record.replace(/<([A-Z_]+):/g, (tag, name) => '<' + name.toLowerCase() + ':') + '<eor>\n');
        logFile('logbook.adi', 'exported by another logger\n<eoh>\n' + book.join(''));
        await page.setInputFiles('#logbook', [path.join(work, 'logbook.adi')]);
        try {
            const [result] = await convert([log], 'standard');
            const expected = execFileSync(cli, ['--adif3', '--new-only', 'logbook.adi', '-o', '-', log],
                { cwd: work, maxBuffer: 1 << 30, stdio: ['ignore', 'pipe', 'ignore'] });
            assertSameAdif(result.adif, expected, 'season.log against logbook.adi');
            // Half left out, but for the few records without all that contacts are matched on.
            const written = result.adif.toString('latin1').split('<EOR>').length - 1;
            assert.ok(written < records.length * 0.6, `${written} of ${records.length} written`);
            assert.ok(result.messages.includes('record 1: already in logbook.adi as its record 1; left out'),
                result.messages.slice(0, 5).join('\n'));
            // The glance counts what was written, not what the log holds.
            const [item] = await page.$$('#results > li');
            const [sentence] = (await glanceOf(item)).sentences;
            assert.equal(Number(/: (\d+) QSOs written/.exec(sentence)?.[1]), written, sentence);
        } finally {
            await page.setInputFiles('#logbook', []);
        }
    });

    test('a logbook cut short is refused, and nothing is written', async () => {
        logFile('cut.adi', '<call:6>N0CALL<qso_date:8>2003');
        await page.setInputFiles('#logbook', [path.join(work, 'cut.adi')]);
        try {
            const [result] = await convert([generated(20, 2, 'short-season.log')], 'standard');
            assert.equal(result.download, null);
            assert.ok(result.messages.includes('cut.adi: record 1: the length of qso_date runs past the end of the file'),
                result.messages.join('\n'));
        } finally {
            await page.setInputFiles('#logbook', []);
        }
    });

    test('offered for the standard forms alone: the classic form does not read it', async () => {
        // A logbook that cannot be read, which would refuse any standard conversion.
        const log = generated(20, 3, 'classic-season.log');
        await page.getByRole('radio', { name: /^standard/ }).check();
        await page.setInputFiles('#logbook', [path.join(work, 'cut.adi')]);
        try {
            const [result] = await convert([log], 'classic');
            assert.ok(await page.locator('#logbook').isDisabled());
            assertSameAdif(result.adif, commandLine(log).adif, 'classic of classic-season.log');
        } finally {
            await page.getByRole('radio', { name: /^standard/ }).check();
            await page.setInputFiles('#logbook', []);
        }
    });
});

describe('the logs of one Convert are one run', () => {
    test('a contact of an earlier log is left out of a later one, as the command line leaves it out', async () => {
        const first = generated(100, 42, 'earlier.log');
        // The later log begins with the earlier one's first records.
        const later = logFile('later.log', Buffer.concat([fs.readFileSync(first).subarray(0, 64 * 20),
            fs.readFileSync(generated(10, 43, 'more.log'))]));
        const results = await convert([first, later], 'standard');
        const checked = execFileSync('sh', ['-c', '"$0" "$@"; true', cli, '--check', 'earlier.log', 'later.log'],
            { cwd: work, encoding: 'utf8' }).split('\n');
        const repeated = checked.filter((line) => /^later\.log: record \d+: duplicate of record \d+ of earlier\.log; left out$/.test(line));
        assert.ok(repeated.length > 10, checked.join('\n'));
        for (const line of repeated) {
            assert.ok(results[1].messages.includes(line.slice('later.log: '.length)), line);
        }
        const written = results[1].adif.toString('latin1').split('<EOR>').length - 1;
        assert.ok(written <= 30 - repeated.length, `${written} written`);
        const [, item] = await page.$$('#results > li');
        const [sentence] = (await glanceOf(item)).sentences;
        assert.equal(Number(/: (\d+) QSOs written/.exec(sentence)?.[1]), written, sentence);
    });
});

describe('hostile input', () => {
    test('record text is shown as Windows-1252 text, control bytes escaped, markup never obeyed', async () => {
        // Date 01/02/XX: a year that cannot be read, so the record is quoted in full.
        const text = Buffer.concat([Buffer.from('01/02/XX1200<b>', 'latin1'),
            Buffer.from([0x80, 0x81, 0x0a, 0x00, 0xe9, 0x7f, 0x9f]),
            Buffer.from('<img src=x onerror=window.pwned=1>', 'latin1')]);
        assert.equal(text.length, 56);
        // Sent and received flags, the four bytes never read, and four too few for a record.
        const log = Buffer.concat([text, Buffer.from('  SRxxxxtail', 'latin1')]);
        const [result] = await convert([logFile('hostile.log', log)]);
        assert.deepEqual(result.messages, [
            'Illegal year in QSO 01/02/XX1200<b>€\\x81\\x0A\\x00é\\x7FŸ<img src=x onerror=window.pwned=1>  SR, ignoring QSO',
            '0 QSOs written to hostile.ADI',
            'hostile.log ends in 4 bytes too few for a record; they were ignored',
        ]);
        assert.equal(await page.locator('#results b, #results img').count(), 0);
        assert.equal(await page.evaluate(() => window.pwned), undefined);
    });

    test('random bytes: converted as the command line does, the first 200 skipped records listed and the rest counted', async () => {
        const log = logFile('noise.log', randomBytes(1 << 20));
        const [result] = await convert([log]);
        assertSameAdif(result.adif, commandLine(log).adif, 'noise.log');
        const expected = expectedMessages(log, 'noise.ADI', 'classic');
        assert.ok(expected.illegal > 1000);
        assertSameLines(result.messages, expected.shown, 'noise.log');
    });

    test('a folder dropped on the page is named and left out; the logs dropped with it are chosen', async () => {
        const folder = path.join(work, 'a folder.log');
        fs.mkdirSync(folder, { recursive: true });
        const log = generated(20, 21, 'dropped.log');
        const session = await context.newCDPSession(page);
        await page.locator('#drop-zone').scrollIntoViewIfNeeded();
        const box = await page.locator('#drop-zone').boundingBox();
        const at = { x: box.x + box.width / 2, y: box.y + box.height / 2 };
        const data = { items: [], files: [folder, log], dragOperationsMask: 1 };
        for (const type of ['dragEnter', 'dragOver', 'drop']) await session.send('Input.dispatchDragEvent', { type, ...at, data });
        await session.detach();
        assert.deepEqual(await page.$$eval('#chosen li', (items) => items.map((item) => item.textContent)),
            ['dropped.log', 'a folder.log is a folder, not a log: it was left out.']);
        await page.getByRole('button', { name: 'Convert' }).click();
        await page.waitForFunction(() => document.getElementById('status').textContent.startsWith('Done'));
        const [result] = await collect();
        assertSameAdif(result.adif, commandLine(log).adif, 'dropped.log');
    });
});

// Watches the page while it converts: the longest its own thread went without running a
// timer, and whether a progress bar was shown.
async function watchPage() {
    await page.evaluate(() => {
        window.watched = { longestPause: 0, progressShown: false };
        let last = performance.now();
        window.watched.ticker = setInterval(() => {
            const now = performance.now();
            window.watched.longestPause = Math.max(window.watched.longestPause, now - last);
            last = now;
        }, 20);
        window.watched.observer = new MutationObserver(() => {
            if (document.querySelector('#results progress')) window.watched.progressShown = true;
        });
        window.watched.observer.observe(document.getElementById('results'), { childList: true, subtree: true });
    });
}

async function stopWatching() {
    return page.evaluate(() => {
        clearInterval(window.watched.ticker);
        window.watched.observer.disconnect();
        return { longestPause: window.watched.longestPause, progressShown: window.watched.progressShown };
    });
}

describe('large logs', () => {
    test('200,000 records convert in the worker while the page keeps responding', async () => {
        const log = generated(200_000, 17, 'big.log');
        await page.setInputFiles('#logs', [log]);
        await page.getByRole('radio', { name: /^classic/ }).check();
        await watchPage();
        const started = Date.now();
        await page.getByRole('button', { name: 'Convert' }).click();
        await page.waitForFunction(() => document.getElementById('status').textContent.startsWith('Done'),
            null, { timeout: 300_000, polling: 50 });
        const pageSeconds = (Date.now() - started) / 1000;
        const watched = await stopWatching();
        const [result] = await collect();

        const cliStarted = process.hrtime.bigint();
        execFileSync(cli, ['-o', '/dev/null', log], { stdio: 'ignore' });
        const cliSeconds = Number(process.hrtime.bigint() - cliStarted) / 1e9;
        console.log(`# 200,000 records: ${pageSeconds.toFixed(2)} s in the page (Convert to Done), ` +
            `${cliSeconds.toFixed(2)} s for kestrel-to-adif -o /dev/null; longest pause of the page ` +
            `${watched.longestPause.toFixed(0)} ms`);
        assert.ok(watched.longestPause < 500, `the page stood still for ${watched.longestPause} ms`);
        assert.ok(watched.progressShown, 'a progress bar was shown');
        assertSameAdif(result.adif, commandLine(log).adif, 'big.log');
    });

    test('100 MB of random bytes: the page keeps responding and counts what it does not list', async () => {
        const records = 1_562_500;
        const log = logFile('noise-100MB.log', randomBytes(records * 64));
        await page.setInputFiles('#logs', [log]);
        await watchPage();
        await page.getByRole('button', { name: 'Convert' }).click();
        await page.waitForFunction(() => document.getElementById('status').textContent.startsWith('Done'),
            null, { timeout: 300_000, polling: 100 });
        const watched = await stopWatching();
        const [result] = await collect();
        fs.rmSync(log);
        const written = Number(/^(\d+) QSOs/.exec(result.messages.at(-2))[1]);
        assert.deepEqual(result.messages.slice(-2), [`${written} QSOs written to noise-100MB.ADI`,
            `${records - written - 200} more records with an illegal year were skipped; they are not listed here.`]);
        assert.equal(result.messages.length, 202);
        // Values lose every '<', so each <EOR> ends a record; line ends can be record bytes.
        assert.equal(result.adif.toString('latin1').split('<EOR>').length - 1, written);
        assert.ok(watched.longestPause < 1000, `the page stood still for ${watched.longestPause} ms`);
        assert.ok(watched.progressShown, 'a progress bar was shown');
    });
});

describe('the page itself', () => {
    test('every control is labelled and reached with the keyboard, in order; it starts on standard ADIF 3', async () => {
        await page.reload();
        assert.equal(await page.evaluate(() => document.getElementById('convert-form').elements.form.value), '1');
        const reached = [];
        for (let i = 0; i < 8; ++i) {
            await page.keyboard.press('Tab');
            reached.push(await page.evaluate(() => {
                const focused = document.activeElement;
                return focused.labels?.[0]?.textContent.trim() || focused.textContent.trim();
            }));
        }
        // One tab stop for the radio group, the checked form's, as browsers do.
        assert.deepEqual(reached, ['Kestrel logs (.log)',
            "standard ADIF 3, for today's loggers and LoTW, with a check of every record",
            "Add DXCC entity fields: each contact's country, zones and continent, found from its callsign and date",
            'Your logbook as it is now, exported from your logging program as ADI (optional)',
            'Station callsign', 'Operator', 'My grid square', 'Convert']);
        // Choosing with the keyboard alone: classic one arrow away and back, Enter on Convert.
        const log = generated(10, 4, 'keys.log');
        await page.setInputFiles('#logs', [log]);
        await page.getByRole('radio', { name: /^standard/ }).focus();
        await page.keyboard.press('ArrowUp');
        assert.equal(await page.evaluate(() => document.activeElement.value), '0');
        await page.keyboard.press('ArrowDown');
        assert.equal(await page.evaluate(() => document.activeElement.value), '1');
        await page.getByRole('button', { name: 'Convert' }).focus();
        await page.keyboard.press('Enter');
        await page.waitForFunction(() => document.getElementById('status').textContent.startsWith('Done'));
        const [result] = await collect();
        assert.equal(result.download, 'keys.ADI');
        assertSameAdif(result.adif, commandLine(log, 'standard').adif, 'keys.log');
    });

    test('at 200% zoom nothing runs off the side, long record text and the pictures included', async () => {
        await page.setViewportSize({ width: 640, height: 800 });
        await page.evaluate(() => { document.body.style.zoom = '2'; });
        await convert([logFile('wide.log', Buffer.from('01/02/XX' + 'W'.repeat(52) + 'pad!', 'latin1')),
            generated(2000, 41, 'pictures.log')], 'standard');
        assert.equal(await page.locator('#results .glance figure svg.map').count(), 1);
        const overflow = await page.evaluate(() => document.documentElement.scrollWidth - document.documentElement.clientWidth);
        assert.ok(overflow <= 0, `${overflow} pixels run off the side`);
        await page.evaluate(() => { document.body.style.zoom = ''; });
    });

    test('the one file, converter, DXCC table and world map included, stays under 1.5 MB', () => {
        const size = fs.statSync(pagePath).size;
        assert.ok(size < 1_500_000, `the page is ${size} bytes`);
    });

    test('the product icon is the page icon, and nothing was requested but the page itself', async () => {
        const icon = await page.getAttribute('link[rel="icon"]', 'href');
        const expected = fs.readFileSync(new URL('../../resources/icons/kestreltoadif-64.png', import.meta.url));
        assert.equal(icon, 'data:image/png;base64,' + expected.toString('base64'));
        const elsewhere = requests.filter((url) => url !== pageUrl && !url.startsWith('blob:null/'));
        assert.deepEqual(elsewhere, []);
        assert.ok(requests.includes(pageUrl));
        assert.deepEqual(problems, []);
    });
});
