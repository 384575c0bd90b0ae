// The page around the converter: the logs chosen or dropped, the form, and for each log its
// progress, its messages, its download and what it holds at a glance (glance.js). Everything a
// log holds is shown as text, never as markup.
'use strict';

(() => {
    const Kind = { IllegalYear: 0, Summary: 1, Note: 2, Failure: 3, OutputName: 4, Finding: 5, Other: 6 };
    const PROGRESS_FROM_BYTES = 4 * 1024 * 1024; // smaller logs are done before a bar would help

    const form = document.getElementById('convert-form');
    const picker = document.getElementById('logs');
    const dropZone = document.getElementById('drop-zone');
    const chosenList = document.getElementById('chosen');
    const convertButton = document.getElementById('convert');
    const status = document.getElementById('status');
    const results = document.getElementById('results');
    const standardOnly = document.getElementById('standard-only');
    const entities = document.getElementById('entities');
    const CLASSIC = 0;
    const station = document.getElementById('station');
    const logbookPicker = document.getElementById('logbook');

    let chosen = [];        // the logs to convert: File objects
    let worker = null;
    let nextId = 1;
    let nextRun = 1;
    const running = new Map(); // id -> what the page shows of that log
    let downloads = [];        // object URLs of the last run, released at the next

    function element(tag, text, className) {
        const made = document.createElement(tag);
        if (text !== undefined) made.textContent = text;
        if (className) made.className = className;
        return made;
    }

    function say(text) {
        status.textContent = text;
    }

    function showChosen(notes) {
        chosenList.replaceChildren(...chosen.map((file) => element('li', file.name)),
            ...notes.map((note) => element('li', note, 'failure')));
    }

    function choose(files, notes) {
        chosen = files;
        showChosen(notes);
        say(files.length === 0 ? 'No log chosen.'
            : files.length === 1 ? '1 log chosen; Convert converts it.'
            : files.length + ' logs chosen; Convert converts them.');
    }

    picker.addEventListener('change', () => choose(Array.from(picker.files), []));

    // The classic form is the programs' own, with nothing added: what only the standard forms
    // do is offered when one of them is chosen.
    function formChosen() {
        const classic = Number(form.elements.form.value) === CLASSIC;
        standardOnly.disabled = classic;
        station.disabled = classic;
    }
    form.addEventListener('change', formChosen);
    function stationFields() {
        const value = (name) => (station.disabled ? '' : form.elements[name].value.trim());
        return { stationCallsign: value('stationCallsign'), operatorCall: value('operatorCall'),
                 myGridSquare: value('myGridSquare') };
    }

    // A drop anywhere on the page chooses its logs; a folder is named and left out, as a folder
    // holds no records.
    function dropped(event) {
        event.preventDefault();
        dropZone.classList.remove('dragging');
        const files = [];
        const notes = [];
        const items = event.dataTransfer.items ? Array.from(event.dataTransfer.items) : [];
        if (items.length > 0) {
            for (const item of items) {
                if (item.kind !== 'file') continue;
                const entry = item.webkitGetAsEntry ? item.webkitGetAsEntry() : null;
                const file = item.getAsFile();
                if (entry && entry.isDirectory) {
                    notes.push((file ? file.name : entry.name) + ' is a folder, not a log: it was left out.');
                } else if (file) {
                    files.push(file);
                }
            }
        } else {
            files.push(...Array.from(event.dataTransfer.files));
        }
        picker.value = '';
        choose(files, notes);
    }
    document.addEventListener('dragover', (event) => {
        event.preventDefault();
        dropZone.classList.add('dragging');
    });
    document.addEventListener('dragleave', (event) => {
        if (event.relatedTarget === null) dropZone.classList.remove('dragging');
    });
    document.addEventListener('drop', dropped);

    function startWorker() {
        const source = document.getElementById('kestrel-worker').textContent;
        const url = URL.createObjectURL(new Blob([source], { type: 'text/javascript' }));
        try {
            worker = new Worker(url);
        } finally {
            URL.revokeObjectURL(url);
        }
        worker.onmessage = (event) => received(event.data);
        // The worker itself failed (it could not start, or ran out of memory): every log still
        // under way is reported, and the next Convert starts a new worker.
        worker.onerror = (event) => {
            event.preventDefault();
            const why = event.message || 'the converter stopped';
            worker.terminate();
            worker = null;
            for (const [id, shown] of running) {
                shown.messages.append(element('li', shown.file.name + ' could not be converted: ' + why, 'failure'));
                finish(id, shown);
            }
        };
    }

    function showProgress(shown, done, total) {
        if (total < PROGRESS_FROM_BYTES) return;
        if (!shown.progress) {
            shown.progress = element('progress');
            shown.progress.max = 100;
            shown.progress.setAttribute('aria-label', 'Converting ' + shown.file.name);
            shown.item.insertBefore(shown.progress, shown.messages);
        }
        shown.progress.value = Math.floor((100 * done) / total);
    }

    function showMessages(shown, messages) {
        for (const message of messages) {
            shown.listed[message.kind] = (shown.listed[message.kind] || 0) + 1;
            const className = message.kind === Kind.Failure ? 'failure'
                : message.kind === Kind.Summary ? 'summary' : undefined;
            shown.messages.append(element('li', message.text, className));
        }
    }

    function finish(id, shown) {
        running.delete(id);
        if (shown.progress) shown.progress.remove();
        shown.item.setAttribute('aria-busy', 'false');
        if (running.size === 0) {
            // Left in the tab order while it ran, so that the keyboard's place is kept.
            convertButton.removeAttribute('aria-disabled');
            say('Done: ' + shown.batch.converted + ' of ' + shown.batch.total +
                (shown.batch.total === 1 ? ' log' : ' logs') + ' converted.');
        }
    }

    function showGlance(id, shown, text) {
        let statistics;
        try {
            statistics = JSON.parse(text);
        } catch (e) {
            shown.messages.append(element('li', 'The page could not read what the converter counted in ' +
                shown.file.name + ' (' + e.message + ').', 'failure'));
            return;
        }
        shown.item.append(KestrelGlance.draw(statistics, 'glance-' + id));
    }

    function received(data) {
        const shown = running.get(data.id);
        if (!shown) return;
        if (data.type === 'progress') {
            showMessages(shown, data.messages);
            showProgress(shown, data.done, data.total);
            return;
        }
        // Done: what could not be listed is counted, and the ADIF is offered.
        const unlisted = {
            [Kind.IllegalYear]: ' more records with an illegal year were skipped; they are not listed here.',
            [Kind.Finding]: ' more findings are not listed here.',
        };
        for (const kind of [Kind.IllegalYear, Kind.Finding]) {
            const hidden = (data.counts[kind] || 0) - (shown.listed[kind] || 0);
            if (hidden > 0) shown.messages.append(element('li', hidden + unlisted[kind]));
        }
        if (data.converted && data.blob) {
            const url = URL.createObjectURL(data.blob);
            downloads.push(url);
            const link = element('a', 'Download ' + data.name, 'download');
            link.href = url;
            link.download = data.name;
            shown.item.append(link);
            shown.batch.converted += 1;
        }
        if (data.converted && data.statistics) showGlance(data.id, shown, data.statistics);
        finish(data.id, shown);
    }

    form.addEventListener('submit', (event) => {
        event.preventDefault();
        if (running.size > 0) return;
        if (chosen.length === 0) {
            say('Choose one or more logs first.');
            picker.focus();
            return;
        }
        const chosenForm = Number(form.elements.form.value);
        const withEntities = !standardOnly.disabled && entities.checked;
        const chosenStation = stationFields();
        // The classic form leaves nothing out: a logbook chosen is for the standard forms.
        const logbook = standardOnly.disabled ? null : logbookPicker.files[0] || null;
        for (const url of downloads) URL.revokeObjectURL(url);
        downloads = [];
        results.replaceChildren();
        try {
            if (!worker) startWorker();
        } catch (e) {
            say('This browser does not let the page start its converter (' + e.message + ').');
            return;
        }
        // One click of Convert is one run: a log's contacts repeated in a later log of it are
        // duplicates too.
        const run = nextRun++;
        const batch = { total: chosen.length, converted: 0 };
        for (const file of chosen) {
            const id = nextId++;
            const item = element('li');
            item.setAttribute('aria-busy', 'true');
            const messages = element('ul', undefined, 'messages');
            item.append(element('h3', file.name), messages);
            results.append(item);
            running.set(id, { file, item, messages, progress: null, batch, listed: {} });
            worker.postMessage({ type: 'convert', id, run, file, form: chosenForm,
                                 entities: withEntities, station: chosenStation, logbook });
        }
        convertButton.setAttribute('aria-disabled', 'true');
        say(chosen.length === 1 ? 'Converting ' + chosen[0].name + '…'
            : 'Converting ' + chosen.length + ' logs…');
    });

    showChosen([]);
    formChosen();
})();
