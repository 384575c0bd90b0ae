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
let coreRun = null; // the page's run that the module has started, which a new module has not
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

// The log, the logbook and the ADIF are devices of the worker's own: the core reads the log and
// the logbook straight from the chosen files, a block at a time, and its output is kept as the
// pieces of a Blob, so none is copied whole into the module's memory.
const LOG_DEVICE = 1;
const ADIF_DEVICE = 2;
const LOGBOOK_DEVICE = 3;

function makeDevices(FS) {
    const reader = new FileReaderSync();
    const readSlice = (file, buffer, offset, length, position) => {
        if (position >= file.size) return 0;
        const end = Math.min(file.size, position + length);
        const bytes = new Uint8Array(reader.readAsArrayBuffer(file.slice(position, end)));
        buffer.set(bytes, offset);
        return bytes.length;
    };
    FS.registerDevice(FS.makedev(64, LOG_DEVICE), {
        read(stream, buffer, offset, length, position) {
            let read;
            try {
                read = readSlice(job.file, buffer, offset, length, position);
            } catch (e) {
                job.readError = e.name || String(e);
                throw new FS.ErrnoError(29); // EIO
            }
            job.read = position + read;
            flush(false);
            return read;
        },
    });
    FS.registerDevice(FS.makedev(64, LOGBOOK_DEVICE), {
        read(stream, buffer, offset, length, position) {
            try {
                return readSlice(job.logbook, buffer, offset, length, position);
            } catch (e) {
                throw new FS.ErrnoError(29); // EIO, which the core reports naming the logbook
            }
        },
    });
    FS.registerDevice(FS.makedev(64, ADIF_DEVICE), {
        write(stream, buffer, offset, length) {
            job.output.push(buffer.slice(offset, offset + length));
            return length;
        },
    });
    // The logbook is opened by its own name in the folder it is in, so that what the core says
    // of it names it as the user knows it.
    FS.mkdir('/logbook');
    FS.chdir('/logbook');
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
function deviceName(name, instead) {
    const usable = name !== '' && name !== '.' && name !== '..' && !name.includes('/') &&
        !name.includes('\0');
    return usable ? name : instead;
}

async function convert({ id, run, file, form, entities, station, logbook }) {
    job = { id, file, logbook, read: 0, output: [], pending: [], counts: {}, lastPost: 0,
            outputName: null, readError: null, statistics: null };
    let converted = false;
    let failure = null;
    let path = null;
    let logbookName = '';
    try {
        if (!core) {
            core = await loadCore();
            coreRun = null;
        }
        // The first log of a run, or the first after the module was made anew, starts it; the
        // run reads the logbook once for all its logs. Where it cannot, each log says so.
        if (coreRun !== run) {
            if (logbook) {
                logbookName = deviceName(logbook.name, 'logbook');
                core.FS.mkdev(logbookName, 0o444, core.FS.makedev(64, LOGBOOK_DEVICE));
            }
            if (core.ccall('KestrelStartRun', 'number', ['string'], [logbookName]) === 0)
                coreRun = run;
        }
        if (coreRun === run) {
            path = '/in/' + deviceName(file.name, 'log');
            core.FS.mkdev(path, 0o444, core.FS.makedev(64, LOG_DEVICE));
            converted = core.ccall('KestrelConvert', 'number',
                ['string', 'string', 'string', 'number', 'number', 'string', 'string', 'string'],
                [path, file.name, '/adif', form, entities ? 1 : 0, station.stationCallsign,
                 station.operatorCall, station.myGridSquare]) === 0;
        }
    } catch (e) {
        // The module stops for good after an abort (out of memory): the next log gets a new one,
        // which starts a new run.
        core = null;
        failure = file.name + ' could not be converted: the converter stopped (' +
            (e && e.message ? e.message : String(e)) + ')';
    } finally {
        if (core && path) {
            try { core.FS.unlink(path); } catch (e) { /* gone with the module */ }
        }
        if (core && logbookName) {
            try { core.FS.unlink(logbookName); } catch (e) { /* gone with the module */ }
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
