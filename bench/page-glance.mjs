// How long the page takes to show "The log at a glance" of a large log once its conversion has
// ended: from the worker's last message to the first frame painted after the pictures were
// drawn, in Debian's Chromium, headless, driven by playwright-core as the page's test is.
//
//   KESTREL_PAGE=build/web/KestrelToADIF.html KESTREL_GENERATE_LOG=build/default/examples/generate-log \
//   KESTREL_NODE_MODULES=DIR/node_modules node bench/page-glance.mjs [RECORDS] [RUNS]
//
// RECORDS is 200,000 unless given, RUNS 5; the log is generated once (seed 1) and converted in the
// standard form as often, each run's time printed and then their median.
import { execFileSync } from 'node:child_process';
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
const pageUrl = pathToFileURL(setting('KESTREL_PAGE')).href;
const generateLog = setting('KESTREL_GENERATE_LOG');
const { chromium } = createRequire(setting('KESTREL_NODE_MODULES') + '/')('playwright-core');
const records = Number(process.argv[2] || 200_000);
const runs = Number(process.argv[3] || 5);

const work = fs.mkdtempSync(path.join(os.tmpdir(), 'kestrel-glance-'));
const log = path.join(work, 'big.log');
execFileSync(generateLog, [String(records), '1', log]);
const browser = await chromium.launch({
    executablePath: process.env.KESTREL_CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--host-resolver-rules=MAP * ~NOTFOUND'],
});
try {
    const page = await browser.newPage();
    await page.route('**/*', (route) => (route.request().url() === pageUrl ? route.continue() : route.abort()));
    await page.goto(pageUrl);
    // The page's worker is watched from before the page starts it: this listener is the worker's
    // first, so it hears the end of a conversion before the page does, and asks for the time
    // after the next frame, the one that shows what the page drew on hearing it.
    await page.evaluate(() => {
        const PageWorker = window.Worker;
        window.glanceTimes = [];
        window.Worker = class extends PageWorker {
            constructor(...settings) {
                super(...settings);
                this.addEventListener('message', (event) => {
                    if (event.data.type !== 'done') return;
                    const ended = performance.now();
                    requestAnimationFrame(() => setTimeout(() => {
                        window.glanceTimes.push({ ms: performance.now() - ended,
                                                  drawn: document.querySelector('.glance') !== null });
                    }));
                });
            }
        };
    });
    await page.setInputFiles('#logs', [log]);
    await page.getByRole('radio', { name: /^standard/ }).check();
    const times = [];
    for (let run = 0; run < runs; ++run) {
        await page.getByRole('button', { name: 'Convert' }).click();
        await page.waitForFunction((count) => window.glanceTimes.length > count, run, { timeout: 600_000 });
        const { ms, drawn } = await page.evaluate((i) => window.glanceTimes[i], run);
        if (!drawn) throw new Error('the page showed no pictures: did the converter send its statistics?');
        const squares = await page.$$eval('.glance table.fields td', (cells) =>
            cells.reduce((sum, cell) => sum + cell.textContent.split(' ').filter(Boolean).length, 0));
        console.log(`run ${run + 1}: ${ms.toFixed(0)} ms from the conversion's end to the pictures ` +
            `(${squares} grid squares)`);
        times.push(ms);
    }
    times.sort((a, b) => a - b);
    console.log(`${records} records: median ${times[Math.floor(times.length / 2)].toFixed(0)} ms ` +
        `over ${runs} runs`);
} finally {
    await browser.close();
    fs.rmSync(work, { recursive: true, force: true });
}
