#!/usr/bin/env node
// Converts Kestrel logs into every form, the standard ones with --entities, and reads the
// results with readers that are not ours:
// the strict ADIF 3 reader of the npm package tcadif (found through NODE_PATH), Python's XML
// parser for ADX and, when given, TQSL's QSO checks (tqsl-check). Fails when a record that no
// finding names is refused, when the standard file holds anything but printable ASCII and
// CR LF, when a value of the standard ADI holds < or >, when --check and the conversions report different records, when the two forms write
// different numbers of records, when the ADX differs from the ADI, or when a record lacks the
// station's own fields, which the standard conversions are given.
//
// node check-standard-forms.js --program kestrel-to-adif [--tqsl tqsl-check] LOG...
'use strict';

const { spawnSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { Field, Header, QSO, enums } = require('tcadif');

const kRecordSize = 64;
// The station's own fields, typed as a user might; every standard record must hold them as
// written here. The callsign is tqsl-check's station location's.
const kStationOptions = ['--station-callsign', 'n0call', '--operator', 'w1aw/4', '--my-gridsquare', 'fn42AB'];
const kStationFields = [['STATION_CALLSIGN', 'N0CALL'], ['OPERATOR', 'W1AW/4'], ['MY_GRIDSQUARE', 'FN42ab']];

function usage() {
    console.error('usage: check-standard-forms.js --program KESTREL_TO_ADIF [--tqsl TQSL_CHECK] LOG...');
    process.exit(2);
}

function parseArguments(argv) {
    const options = { program: null, tqsl: null, logs: [] };
    for (let i = 0; i < argv.length; ++i) {
        if (argv[i] === '--program' || argv[i] === '--tqsl') {
            if (i + 1 >= argv.length) usage();
            options[argv[i].slice(2)] = argv[++i];
        } else {
            options.logs.push(argv[i]);
        }
    }
    if (!options.program || options.logs.length === 0) usage();
    return options;
}

function run(program, args) {
    const result = spawnSync(program, args, { encoding: 'latin1', maxBuffer: 1 << 28 });
    if (result.error) throw result.error;
    return { status: result.status, stdout: result.stdout, stderr: result.stderr };
}

// A finding line: LOG: record N: FIELD "value": problem; what was done. The value's bytes
// beyond printable ASCII, and backslashes, are written \xHH.
function parseFindings(text, log, where, failures) {
    const findings = [];
    let count = null;
    const prefix = `${log}: `;
    for (const line of text.split('\n').filter(l => l.startsWith(prefix))) {
        const rest = line.slice(prefix.length);
        const m = /^record (\d+): ([A-Z0-9_]+) "(.*?)": ([^;]*); (.*)$/.exec(rest);
        if (m) {
            findings.push({ line, record: Number(m[1]), field: m[2], value: unescapeBytes(m[3]),
                            problem: m[4], action: m[5] });
        } else if (/^(\d+ findings? in \d+ records?|no findings)$/.test(rest)) {
            count = rest;
        } else {
            failures.push(`${where}: a line that is neither a finding nor a count: ${line}`);
        }
    }
    return { findings, count };
}

function unescapeBytes(text) {
    return Buffer.from(text.replace(/\\x([0-9A-F]{2})/g, (_, hex) => String.fromCharCode(parseInt(hex, 16))), 'latin1');
}

// The records of an ADI file as tcadif's own tokenizer reads them, each a list of
// [NAME, value] in file order. Read as latin1 so that a field's length counts bytes.
function readAdi(bytes) {
    let text = bytes.toString('latin1');
    const records = [];
    let header = null;
    let fields = [];
    for (let field = Field.parse(text); field !== null; field = Field.parse(text)) {
        text = text.slice(field.bytesConsumed);
        if (field.fieldName === 'EOH') {
            header = fields;
            fields = [];
        } else if (field.fieldName === 'EOR') {
            records.push(fields);
            fields = [];
        } else {
            fields.push(field.toEntry());
        }
    }
    return { header, records, unread: fields.length > 0 || text.trim() !== '' };
}

// tcadif's verdict on one record: null when accepted, else every reason it has.
function strictVerdict(entries) {
    const block = Object.fromEntries(entries);
    try {
        new QSO(block); // eslint-disable-line no-new
        return null;
    } catch (error) {
        const reasons = [];
        for (const def of QSO.defs) {
            const value = block[def.fieldName];
            if (value === undefined || value === null || value === '') continue;
            try {
                def.validate(def.normalize(value));
            } catch (fieldError) {
                reasons.push(`${def.fieldName} ${JSON.stringify(value)}: ${fieldError.message}`);
            }
        }
        return reasons.length > 0 ? reasons : [error.message];
    }
}

// tcadif leaves FREQ and BAND unrelated; stricter readers refuse a FREQ outside its BAND. The
// limits are tcadif's band table.
function freqOutsideBand(entries) {
    const fields = Object.fromEntries(entries);
    if (fields.FREQ === undefined || fields.BAND === undefined) return null;
    const band = enums.Band[fields.BAND.toUpperCase()];
    const freq = Number(fields.FREQ);
    if (band === undefined || (freq >= Number(band.lowerFreq) && freq <= Number(band.upperFreq))) return null;
    return `FREQ ${JSON.stringify(fields.FREQ)} outside BAND ${JSON.stringify(fields.BAND)}`;
}

// Bytes other than printable ASCII, and CR or LF other than as a CR LF pair.
function nonAsciiPlaces(bytes) {
    const places = [];
    let line = 1;
    for (let i = 0; i < bytes.length; ++i) {
        const b = bytes[i];
        if (b === 0x0D && bytes[i + 1] === 0x0A) continue;
        if (b === 0x0A && bytes[i - 1] === 0x0D) {
            ++line;
            continue;
        }
        if (b < 0x20 || b > 0x7E) places.push(`line ${line}, byte ${i}: 0x${b.toString(16).padStart(2, '0')}`);
    }
    return places;
}

// tqsl-check's output: "record K: reason" for each record TQSL refuses (K counts the ADI's
// records from 1), then a count line.
function tqslVerdicts(tqsl, file, failures, where) {
    const result = run(tqsl, [file]);
    if (result.status !== 0 && result.status !== 1) {
        failures.push(`${where}: tqsl-check could not read ${file}: ${result.stderr.trim()}`);
        return null;
    }
    const refused = new Map();
    let read = null;
    for (const line of result.stdout.split('\n')) {
        const m = /^record (\d+): (.*)$/.exec(line);
        if (m) refused.set(Number(m[1]), m[2]);
        const total = /^(\d+) records read, (\d+) refused$/.exec(line);
        if (total) read = Number(total[1]);
    }
    if (read === null) failures.push(`${where}: tqsl-check printed no count for ${file}`);
    return { refused, read };
}

function groupFindings(findings) {
    const groups = new Map();
    for (const f of findings) {
        const key = `${f.field}: ${f.problem}; ${f.action.replace(/"[^"]*"/g, '"..."')}`;
        groups.set(key, (groups.get(key) || 0) + 1);
    }
    return [...groups.entries()].sort((a, b) => b[1] - a[1]);
}

// The texts of comments as ADX keeps them: the log's Windows-1252 bytes, without control
// characters, bytes Windows-1252 leaves undefined, or padding. Python decodes them: Node's TextDecoder takes windows-1252 for
// latin1 (0x80-0x9F become control characters).
function commentTexts(values) {
    const decode = 'import json, sys\n' +
        'print(json.dumps([bytes.fromhex(h).decode("cp1252", "ignore") for h in json.load(sys.stdin)]))';
    const result = spawnSync('python3', ['-c', decode], { input: JSON.stringify(values.map(v => v.toString('hex'))), encoding: 'utf8' });
    if (result.status !== 0) throw new Error(`python3 cannot decode Windows-1252: ${result.stderr}`);
    return JSON.parse(result.stdout).map(text => text.replace(/[\u0000-\u001F\u007F-\u009F]/g, '').replace(/^ +| +$/g, ''));
}

function checkAdx(adxFile, adiRecords, positions, findings, failures, where) {
    const result = spawnSync('python3', [path.join(__dirname, 'adx_records.py'), adxFile], { encoding: 'utf8', maxBuffer: 1 << 28 });
    if (result.status !== 0) {
        failures.push(`${where}: ADX: ${(result.stderr || String(result.error)).trim()}`);
        return;
    }
    const adx = JSON.parse(result.stdout);
    if (adx.length !== adiRecords.length) {
        failures.push(`${where}: ADX holds ${adx.length} records, the ADI ${adiRecords.length}`);
        return;
    }
    const comments = findings.filter(f => f.field === 'COMMENT' && /beyond ASCII/.test(f.problem));
    const texts = commentTexts(comments.map(f => f.value));
    const transliterated = new Map(comments.map((f, k) => [f.record, texts[k]]));
    let withIntl = 0;
    adx.forEach((record, i) => {
        const at = `${where}: record ${positions[i]} (ADX record ${i + 1})`;
        if (record.tag !== 'RECORD') failures.push(`${at}: element <${record.tag}> among the records`);
        const adiFields = Object.fromEntries(adiRecords[i]);
        const adxFields = Object.fromEntries(Object.entries(record.fields).filter(([name]) => !name.endsWith('_INTL')));
        const names = new Set([...Object.keys(adiFields), ...Object.keys(adxFields)]);
        for (const name of names) {
            if (adiFields[name] !== adxFields[name])
                failures.push(`${at}: ${name} is ${JSON.stringify(adxFields[name])} in ADX, ${JSON.stringify(adiFields[name])} in ADI`);
        }
        // A comment of bytes that Windows-1252 leaves undefined has no text to keep.
        const expected = transliterated.get(positions[i]) || undefined;
        const intl = record.fields.COMMENT_INTL;
        if (intl !== undefined) ++withIntl;
        if (expected !== undefined && intl !== expected)
            failures.push(`${at}: COMMENT_INTL is ${JSON.stringify(intl)}, the log's comment ${JSON.stringify(expected)}`);
        if (expected === undefined && intl !== undefined)
            failures.push(`${at}: COMMENT_INTL ${JSON.stringify(intl)} where no comment was transliterated`);
    });
    return { records: adx.length, withIntl };
}

function checkLog(log, options, failures) {
    const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'kestrel-readers-'));
    try {
        return checkLogIn(log, options, scratch, failures);
    } finally {
        fs.rmSync(scratch, { recursive: true, force: true });
    }
}

function checkLogIn(log, options, scratch, failures) {
    const files = { classic: path.join(scratch, 'classic.adi'), standard: path.join(scratch, 'standard.adi'),
                    adx: path.join(scratch, 'standard.adx') };
    const classic = run(options.program, ['-o', files.classic, log]);
    // With the entities and the station's fields, so that the readers see
    // those fields too and the conversions report what --check does.
    const standard = run(options.program, ['--adif3', '--entities', ...kStationOptions, '-o', files.standard, log]);
    const adxRun = run(options.program, ['--adx', '--entities', ...kStationOptions, '-o', files.adx, log]);
    const check = run(options.program, ['--check', log]);
    for (const [name, r] of [['classic', classic], ['--adif3', standard], ['--adx', adxRun]]) {
        if (r.status !== 0) throw new Error(`${log}: the ${name} conversion failed (${r.status}): ${r.stderr}`);
    }

    const fromCheck = parseFindings(check.stdout, log, `${log}: --check`, failures);
    const fromAdif3 = parseFindings(standard.stderr, log, `${log}: --adif3`, failures);
    const fromAdx = parseFindings(adxRun.stderr, log, `${log}: --adx`, failures);
    const findings = fromCheck.findings;
    const named = new Set(findings.map(f => f.record));
    const skipped = new Set(findings.filter(f => f.action === 'record skipped').map(f => f.record));

    // The same findings, in the same order, whichever way they are asked for.
    for (const [name, other] of [['--adif3', fromAdif3], ['--adx', fromAdx]]) {
        const a = findings.map(f => f.line).concat([fromCheck.count]);
        const b = other.findings.map(f => f.line).concat([other.count]);
        let differ = a.findIndex((line, i) => line !== b[i]);
        if (differ < 0 && a.length !== b.length) differ = Math.min(a.length, b.length);
        if (differ >= 0)
            failures.push(`${log}: --check and ${name} differ at line ${differ + 1}: ${JSON.stringify(a[differ])} / ${JSON.stringify(b[differ])}`);
    }
    const expectedCount = findings.length === 0 ? 'no findings'
        : `${findings.length} finding${findings.length === 1 ? '' : 's'} in ${named.size} record${named.size === 1 ? '' : 's'}`;
    if (fromCheck.count !== expectedCount)
        failures.push(`${log}: --check counts ${JSON.stringify(fromCheck.count)}, its lines make ${JSON.stringify(expectedCount)}`);
    if (check.status !== (findings.length > 0 ? 1 : 0))
        failures.push(`${log}: --check exits ${check.status} with ${findings.length} findings`);

    // Position in the log of each record written: the log's records less the skipped ones.
    const logRecords = Math.floor(fs.statSync(log).size / kRecordSize);
    const positions = [];
    for (let n = 1; n <= logRecords; ++n) if (!skipped.has(n)) positions.push(n);
    for (const n of named) if (n < 1 || n > logRecords) failures.push(`${log}: a finding names record ${n} of ${logRecords}`);

    const standardBytes = fs.readFileSync(files.standard);
    const places = nonAsciiPlaces(standardBytes);
    if (places.length > 0)
        failures.push(`${log}: the standard ADI holds ${places.length} bytes other than ASCII 32-126 and CR LF: ${places.slice(0, 5).join('; ')}`);
    const std = readAdi(standardBytes);
    const cls = readAdi(fs.readFileSync(files.classic));
    if (std.unread) failures.push(`${log}: the standard ADI ends in text that is not a whole record`);
    // A reader takes the file for one without a header when it starts with a field.
    if (standardBytes[0] === 0x3C) failures.push(`${log}: the standard ADI starts with '<', so its header reads as a record`);
    if (std.header === null) failures.push(`${log}: the standard ADI has no header`);
    else {
        try {
            new Header(Object.fromEntries(std.header)); // eslint-disable-line no-new
        } catch (error) {
            failures.push(`${log}: tcadif refuses the standard header: ${error.message} ${JSON.stringify(error.info || '')}`);
        }
    }
    if (std.records.length !== cls.records.length)
        failures.push(`${log}: the classic form writes ${cls.records.length} records, the standard form ${std.records.length}`);
    if (std.records.length !== positions.length)
        failures.push(`${log}: ${logRecords} records less ${skipped.size} skipped make ${positions.length}, the standard ADI holds ${std.records.length}`);

    const strict = { standard: 0, classic: 0 };
    std.records.forEach((entries, i) => {
        const at = `${log}: record ${positions[i]} (ADI record ${i + 1})`;
        const names = entries.map(([name]) => name);
        const twice = names.filter((name, k) => names.indexOf(name) !== k);
        if (twice.length > 0) failures.push(`${at}: ${twice.join(', ')} written twice`);
        for (const [name, value] of entries) {
            if (value === '') failures.push(`${at}: ${name} written empty`);
            // Readers that look for tags instead of counting lengths take them for a field's edge.
            if (/[<>]/.test(value)) failures.push(`${at}: ${name} ${JSON.stringify(value)} holds < or >`);
        }
        const fields = Object.fromEntries(entries);
        for (const [name, value] of kStationFields) {
            if (fields[name] !== value) failures.push(`${at}: ${name} is ${JSON.stringify(fields[name])}, not ${JSON.stringify(value)}`);
        }
        const outside = freqOutsideBand(entries);
        if (outside !== null && !named.has(positions[i])) failures.push(`${at}: no finding names it, ${outside}`);
        const reasons = strictVerdict(entries);
        if (reasons === null) ++strict.standard;
        else if (!named.has(positions[i]))
            failures.push(`${at}: no finding names it, tcadif refuses it: ${reasons.join('; ')}`);
    });
    cls.records.forEach(entries => { if (strictVerdict(entries) === null) ++strict.classic; });

    let tqsl = null;
    if (options.tqsl) {
        const std3 = tqslVerdicts(options.tqsl, files.standard, failures, log);
        const cls3 = tqslVerdicts(options.tqsl, files.classic, failures, log);
        if (std3 && cls3) {
            if (std3.read !== std.records.length)
                failures.push(`${log}: TQSL read ${std3.read} records of the standard ADI, tcadif ${std.records.length}`);
            for (const [k, reason] of std3.refused) {
                if (!named.has(positions[k - 1]))
                    failures.push(`${log}: record ${positions[k - 1]} (ADI record ${k}): no finding names it, TQSL refuses it: ${reason}`);
            }
            tqsl = { standard: std3.read - std3.refused.size, classic: cls3.read - cls3.refused.size };
        }
    }
    const adx = checkAdx(files.adx, std.records, positions, findings, failures, log);

    const written = std.records.length;
    console.log(`${log}: ${logRecords} records in the log, ${skipped.size} skipped, ${cls.records.length} written in the classic form, ${written} in the standard form`);
    console.log(`${log}: ${fromCheck.count}`);
    for (const [key, n] of groupFindings(findings)) console.log(`    ${String(n).padStart(5)}  ${key}`);
    const share = (n, of) => `${n} of ${of} (${(100 * n / of).toFixed(1)}%)`;
    console.log(`${log}: tcadif accepts: classic form ${share(strict.classic, cls.records.length)}, standard form ${share(strict.standard, written)}`);
    if (tqsl) console.log(`${log}: TQSL accepts:   classic form ${share(tqsl.classic, cls.records.length)}, standard form ${share(tqsl.standard, written)}`);
    if (adx) console.log(`${log}: ADX: well-formed, ${adx.records} records, fields as in the ADI, COMMENT_INTL in ${adx.withIntl}`);
}

function main() {
    const options = parseArguments(process.argv.slice(2));
    const failures = [];
    for (const log of options.logs) checkLog(log, options, failures);
    for (const failure of failures.slice(0, 200)) console.log(`FAIL ${failure}`);
    if (failures.length > 200) console.log(`FAIL ... and ${failures.length - 200} more`);
    console.log(failures.length === 0 ? 'readers: every check passed' : `readers: ${failures.length} failures`);
    process.exit(failures.length === 0 ? 0 : 1);
}

main();
