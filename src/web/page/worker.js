// The page's worker: converts one log at a time with the WebAssembly core, so that the page
// stays responsive however large the log. It follows the core's glue (KestrelCore) and the
// module's bytes (KESTREL_CORE_BASE64) in the same script.
'use strict';

// Kinds of what the core tells, as WebCore.cpp numbers them.
const Kind = { IllegalYear: 0, Summary: 1, Note: 2, Failure: 3, OutputName: 4, Finding: 5, Other: 6,
               Statistics: 7 };
// A hostile log can hold millions of unreadable records: the page lists this many of each kind
// and counts the rest.
const MOST_SHOWN = 200;
const PROGRESS_EVERY_MS = 100;

const windows1252 = new TextDecoder('windows-1252');
const utf8 = new TextDecoder('utf-8');

// Control characters as \xHH, as the command line shows them, so that no byte of a log can
// move the text around; every other character as it is.
function escapeControls(text) {
    return text.replace(/[\u0000-\u001f\u007f-\u009f]/g,
        (c) => '\\x' + c.charCodeAt(0).toString(16).toUpperCase().padStart(2, '0'));
}

function textOf(kind, bytes) {
    // Record bytes are Windows-1252, as the window shows them; the rest is the core's own
    // text around names the browser gave, which are UTF-8.
    return escapeControls((kind === Kind.IllegalYear ? windows1252 : utf8).decode(bytes));
}

let core = null;   // the module, made anew after a failure that stopped it
let job = null;    // the conversion under way

function decodeBase64(text) {
    const binary = atob(text);
    const bytes = new Uint8Array(binary.length);
    for (let i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
    return bytes;
}
const coreBytes = decodeBase64(KESTREL_CORE_BASE64);

function report(kind, bytes) {
    if (!job) return;
    if (kind === Kind.OutputName) {
        job.outputName = utf8.decode(bytes);
        return;
    }
    // What the core counted in the log, as JSON, for the page's pictures; not a message.
    if (kind === Kind.Statistics) {
        job.statistics = utf8.decode(bytes);
        return;
    }
    const count = (job.counts[kind] || 0) + 1;
    job.counts[kind] = count;
    if ((kind === Kind.IllegalYear || kind === Kind.Finding) && count > MOST_SHOWN) return;
    job.pending.push({ kind, text: textOf(kind, bytes) });
}

function flush(force) {
    const now = performance.now();
    if (!force && now - job.lastPost < PROGRESS_EVERY_MS) return;
    job.lastPost = now;
    postMessage({ type: 'progress', id: job.id, done: job.read, total: job.file.size,
                  messages: job.pending });
    job.pending = [];
}

// The log and the ADIF are devices of the worker's own: the core reads the log straight from the
// chosen file, a block at a time, and its output is kept as the pieces of a Blob, so neither is
// copied whole into the module's memory.
const LOG_DEVICE = 1;
const ADIF_DEVICE = 2;

function makeDevices(FS) {
    const reader = new FileReaderSync();
    FS.registerDevice(FS.makedev(64, LOG_DEVICE), {
        read(stream, buffer, offset, length, position) {
            const size = job.file.size;
            if (position >= size) return 0;
            const end = Math.min(size, position + length);
            let bytes;
            try {
                bytes = new Uint8Array(reader.readAsArrayBuffer(job.file.slice(position, end)));
            } catch (e) {
                job.readError = e.name || String(e);
                throw new FS.ErrnoError(29); // EIO
            }
            buffer.set(bytes, offset);
            job.read = position + bytes.length;
            flush(false);
            return bytes.length;
        },
    });
    FS.registerDevice(FS.makedev(64, ADIF_DEVICE), {
        write(stream, buffer, offset, length) {
            job.output.push(buffer.slice(offset, offset + length));
            return length;
        },
    });
    FS.mkdir('/in');
    FS.mkdev('/adif', 0o222, FS.makedev(64, ADIF_DEVICE));
}

async function loadCore() {
    const module = await KestrelCore({
        wasmBinary: coreBytes,
        onKestrelMessage: report,
        print: () => {},
        printErr: () => {},
    });
    makeDevices(module.FS);
    return module;
}

// The name the log is opened under, so that a failure to read it names it; a name the
// browser's file system cannot hold is replaced.
function devicePath(name) {
    const usable = name !== '' && name !== '.' && name !== '..' && !name.includes('/') &&
        !name.includes('\0');
    return '/in/' + (usable ? name : 'log');
}

async function convert({ id, file, form, entities, station }) {
    job = { id, file, read: 0, output: [], pending: [], counts: {}, lastPost: 0,
            outputName: null, readError: null, statistics: null };
    let converted = false;
    let failure = null;
    let path = null;
    try {
        if (!core) core = await loadCore();
        path = devicePath(file.name);
        core.FS.mkdev(path, 0o444, core.FS.makedev(64, LOG_DEVICE));
        converted = core.ccall('KestrelConvert', 'number',
            ['string', 'string', 'string', 'number', 'number', 'string', 'string', 'string'],
            [path, file.name, '/adif', form, entities ? 1 : 0, station.stationCallsign,
             station.operatorCall, station.myGridSquare]) === 0;
    } catch (e) {
        // The module stops for good after an abort (out of memory): the next log gets a new one.
        core = null;
        failure = file.name + ' could not be converted: the converter stopped (' +
            (e && e.message ? e.message : String(e)) + ')';
    } finally {
        if (core && path) {
            try { core.FS.unlink(path); } catch (e) { /* gone with the module */ }
        }
    }
    if (job.readError) {
        failure = file.name + ' could not be read (' + job.readError + '): it may be a folder, ' +
            'or a file that was moved or changed since it was chosen.';
    }
    if (failure) job.pending.push({ kind: Kind.Failure, text: escapeControls(failure) });
    flush(true);
    const blob = converted ? new Blob(job.output, { type: 'application/octet-stream' }) : null;
    postMessage({ type: 'done', id, converted, blob, name: job.outputName, counts: job.counts,
                  statistics: converted ? job.statistics : null });
    job = null;
}

// Logs are converted in the order they arrive, one after the other.
let queue = Promise.resolve();
self.onmessage = (event) => {
    if (event.data && event.data.type === 'convert') queue = queue.then(() => convert(event.data));
};
