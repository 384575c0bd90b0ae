// "The log at a glance": what the core counted in a converted log, drawn for the eye and
// written out for a screen reader. The bars of QSOs per band and per mode are tables themselves;
// the columns of QSOs per year and the map of grid squares each have a table or a sentence beside
// them. Everything is made from text and numbers, never from markup, and nothing is fetched: the
// map's land is the outline embedded in the page.
'use strict';

const KestrelGlance = (() => {
    const SVG = 'http://www.w3.org/2000/svg';
    const CONTINENTS = { AF: 'Africa', AN: 'Antarctica', AS: 'Asia', EU: 'Europe',
                         NA: 'North America', OC: 'Oceania', SA: 'South America' };
    const names = new Intl.Collator('en');

    function element(tag, text, className) {
        const made = document.createElement(tag);
        if (text !== undefined) made.textContent = text;
        if (className) made.className = className;
        return made;
    }

    function svgElement(tag, attributes) {
        const made = document.createElementNS(SVG, tag);
        for (const [name, value] of Object.entries(attributes)) made.setAttribute(name, value);
        return made;
    }

    function plural(count, one, many) {
        return count + ' ' + (count === 1 ? one : many);
    }

    function isoDate(yyyymmdd) {
        return /^\d{8}$/.test(yyyymmdd)
            ? yyyymmdd.slice(0, 4) + '-' + yyyymmdd.slice(4, 6) + '-' + yyyymmdd.slice(6) : yyyymmdd;
    }

    // A band's wavelength in metres, so that bands are listed from the longest, as on a dial;
    // a name that is not a wavelength goes last.
    function wavelength(band) {
        const found = /^(\d+(?:\.\d+)?)(mm|cm|m)$/i.exec(band);
        if (!found) return -1;
        return Number(found[1]) * { mm: 0.001, cm: 0.01, m: 1 }[found[2].toLowerCase()];
    }

    function byWavelength(a, b) {
        return wavelength(b) - wavelength(a) || names.compare(a, b);
    }

    function figure(caption, id) {
        const made = element('figure');
        const title = element('figcaption', caption);
        title.id = id;
        made.append(title);
        return made;
    }

    // A table whose first column names each row and whose last cell holds a number and its bar:
    // the chart and its text at once. `bar` gives a row's length, and the part of it drawn solid
    // where only a part is (the rest hatched).
    function barTable(labelledBy, headings, rows, bar) {
        const table = element('table', undefined, 'bars');
        table.setAttribute('aria-labelledby', labelledBy);
        const head = element('tr');
        for (const heading of headings) {
            const cell = element('th', heading);
            cell.scope = 'col';
            head.append(cell);
        }
        table.append(element('thead'), element('tbody'));
        table.tHead.append(head);
        const longest = Math.max(1, ...rows.map((row) => bar(row).length));
        for (const row of rows) {
            const line = element('tr');
            const name = element('th', row[0]);
            name.scope = 'row';
            const values = row.slice(1);
            line.append(name, ...values.slice(0, -1).map((value) => element('td', String(value))));
            const last = element('td');
            last.append(element('span', String(values[values.length - 1]), 'count'));
            const { length, solid } = bar(row);
            const track = element('span', undefined, 'track');
            track.setAttribute('aria-hidden', 'true');
            const drawn = element('span', undefined, 'bar');
            drawn.style.width = (100 * length) / longest + '%';
            if (solid !== undefined && solid < length) {
                drawn.classList.add('part');
                drawn.style.setProperty('--solid', (100 * solid) / length + '%');
            }
            track.append(drawn);
            last.append(track);
            line.append(last);
            table.tBodies[0].append(line);
        }
        return table;
    }

    function countsTable(labelledBy, heading, counts, order) {
        const rows = Object.keys(counts).sort(order).map((key) => [key, counts[key]]);
        return barTable(labelledBy, [heading, 'QSOs'], rows, (row) => ({ length: row[1] }));
    }

    // Years as columns along a time line, a gap for a year without QSOs, and the years that have
    // them as a table for the screen reader.
    function yearsFigure(years, id) {
        const shown = figure('QSOs per year', id);
        const known = Object.keys(years).filter((year) => /^\d{4}$/.test(year)).map(Number);
        if (known.length === 0) return shown;
        const first = Math.min(...known);
        const last = Math.max(...known);
        const timeLine = [];
        if (last - first < 400) {
            for (let year = first; year <= last; ++year) timeLine.push(String(year));
        } else {
            timeLine.push(...known.sort((a, b) => a - b).map(String));
        }
        const most = Math.max(1, ...Object.values(years));
        const chart = element('div', undefined, 'columns');
        chart.setAttribute('aria-hidden', 'true');
        const area = element('div', undefined, 'column-area');
        for (const year of timeLine) {
            const column = element('span');
            column.style.height = (100 * (years[year] || 0)) / most + '%';
            column.title = year + ': ' + plural(years[year] || 0, 'QSO', 'QSOs');
            area.append(column);
        }
        const axis = element('div', undefined, 'axis');
        axis.append(element('span', timeLine[0]), element('span', 'most in a year: ' + most),
            element('span', timeLine[timeLine.length - 1]));
        chart.append(area, axis);
        const asTable = element('details');
        asTable.append(element('summary', 'QSOs per year, as a table'),
            countsTable(id, 'Year', years, (a, b) => names.compare(a, b)));
        shown.append(chart, asTable);
        return shown;
    }

    // A table sorted by a click, or Enter or Space, on a column's heading: a heading's button
    // sorts by it, a second press the other way round; the heading says which way it is sorted.
    function sortableTable(labelledBy, columns, rows, sortedBy) {
        const table = element('table', undefined, 'entities');
        table.setAttribute('aria-labelledby', labelledBy);
        const head = element('tr');
        const body = element('tbody');
        const lines = rows.map((row) => {
            const line = element('tr');
            columns.forEach((column, i) => {
                const cell = element(i === 0 ? 'th' : 'td', column.text(row));
                if (i === 0) cell.scope = 'row';
                if (column.numeric) cell.className = 'number';
                line.append(cell);
            });
            return { row, line };
        });
        const headings = columns.map((column, i) => {
            const heading = element('th');
            heading.scope = 'col';
            const button = element('button', column.name);
            button.type = 'button';
            button.append(element('span', '', 'sort-mark'));
            button.lastChild.setAttribute('aria-hidden', 'true');
            button.addEventListener('click', () => {
                const now = heading.getAttribute('aria-sort');
                sort(i, now === 'none' ? column.first : now === 'ascending' ? 'descending' : 'ascending');
            });
            heading.append(button);
            head.append(heading);
            return heading;
        });
        function sort(index, direction) {
            const key = columns[index].key;
            const sign = direction === 'ascending' ? 1 : -1;
            const compare = (a, b) => {
                const x = key(a.row);
                const y = key(b.row);
                return typeof x === 'string' ? names.compare(x, y) : x - y;
            };
            // Ties keep the order by name, the first column's.
            const byName = (a, b) => names.compare(columns[0].key(a.row), columns[0].key(b.row));
            lines.sort((a, b) => sign * compare(a, b) || byName(a, b));
            headings.forEach((heading, i) => {
                heading.setAttribute('aria-sort', i === index ? direction : 'none');
                heading.querySelector('.sort-mark').textContent =
                    i !== index ? '' : direction === 'ascending' ? '\u00a0▲' : '\u00a0▼';
            });
            body.replaceChildren(...lines.map((entry) => entry.line));
        }
        table.append(element('thead'), body);
        table.tHead.append(head);
        sort(sortedBy, columns[sortedBy].first);
        return table;
    }

    function entitiesPart(entities, id) {
        const part = element('div', undefined, 'glance-part');
        const heading = element('h5', 'DXCC entities');
        heading.id = id;
        part.append(heading);
        const list = entities && Array.isArray(entities.list) ? entities.list : [];
        if (list.length === 0) {
            part.append(element('p', 'No callsign in this log gave a DXCC entity.'));
            return part;
        }
        part.append(element('p', plural(entities.worked, 'entity', 'entities') + ' worked, ' +
            entities.confirmed + ' of them confirmed (QSL received).'));

        const continents = {};
        for (const entity of list) {
            const name = CONTINENTS[entity.continent] || entity.continent || 'no continent';
            continents[name] = continents[name] || { worked: 0, confirmed: 0 };
            continents[name].worked += 1;
            if (entity.confirmed) continents[name].confirmed += 1;
        }
        const perContinent = figure('DXCC entities per continent: the solid part of a bar is ' +
            'the entities confirmed', id + '-continents');
        const rows = Object.keys(continents)
            .sort((a, b) => continents[b].worked - continents[a].worked || names.compare(a, b))
            .map((name) => [name, continents[name].confirmed, continents[name].worked]);
        perContinent.append(barTable(perContinent.firstChild.id, ['Continent', 'Confirmed', 'Worked'],
            rows, (row) => ({ length: row[2], solid: row[1] })));
        part.append(perContinent);

        const caption = element('p', 'Each entity worked; a heading sorts the table by its column.');
        caption.id = id + '-table';
        const columns = [
            { name: 'Entity', key: (e) => String(e.name), text: (e) => String(e.name), first: 'ascending' },
            { name: 'DXCC', key: (e) => Number(e.dxcc), text: (e) => String(e.dxcc), numeric: true,
              first: 'ascending' },
            { name: 'Continent', key: (e) => String(e.continent), text: (e) => String(e.continent),
              first: 'ascending' },
            { name: 'QSOs', key: (e) => Number(e.qsos), text: (e) => String(e.qsos), numeric: true,
              first: 'descending' },
            { name: 'Confirmed', key: (e) => (e.confirmed ? 1 : 0), text: (e) => (e.confirmed ? 'yes' : 'no'),
              first: 'descending' },
            { name: 'Bands', key: (e) => (e.bands || []).length,
              text: (e) => (e.bands || []).slice().sort(byWavelength).join(' '), first: 'descending' },
        ];
        // Too wide for a narrow window, the table scrolls in its box, which the keyboard reaches.
        const box = element('div', undefined, 'table-box');
        box.tabIndex = 0;
        box.setAttribute('role', 'region');
        box.setAttribute('aria-labelledby', caption.id);
        box.append(sortableTable(caption.id, columns, list, 3));
        part.append(caption, box);
        return part;
    }

    // A grid square's corner in the map's units, tenths of a degree from 180° W and from 90° N:
    // a field's letters are 20° of longitude and 10° of latitude, a square's digits 2° and 1°.
    function squareCorner(square) {
        const s = square.toUpperCase();
        const longitude = (s.charCodeAt(0) - 65) * 20 + (s.charCodeAt(2) - 48) * 2;
        const latitude = (s.charCodeAt(1) - 65) * 10 + (s.charCodeAt(3) - 48);
        return [longitude * 10, (180 - latitude - 1) * 10];
    }

    // What the map shows: the worked squares' region, kept at the map's 2:1 and no smaller than
    // 60° by 30°, so that a regional log is not a speck on the world.
    function mapView(corners) {
        let [left, top, right, bottom] = [3600, 1800, 0, 0];
        for (const [x, y] of corners) {
            left = Math.min(left, x - 50);
            top = Math.min(top, y - 50);
            right = Math.max(right, x + 20 + 50);
            bottom = Math.max(bottom, y + 10 + 50);
        }
        const width = Math.max(right - left, 2 * (bottom - top), 600);
        if (width >= 3600) return [0, 0, 3600, 1800];
        const height = width / 2;
        left = Math.min(Math.max(0, (left + right - width) / 2), 3600 - width);
        top = Math.min(Math.max(0, (top + bottom - height) / 2), 1800 - height);
        return [left, top, width, height];
    }

    // Confirmed squares are drawn whole; squares worked but not confirmed as a smaller square
    // inside theirs, so that the two differ in shape as well as in colour.
    function squaresPath(corners, inset) {
        const width = 20 - 2 * inset;
        const height = 10 - inset;
        return corners.map(([x, y]) => `M${x + inset} ${y + inset / 2}h${width}v${height}h${-width}z`).join('');
    }

    function legendSample(className, inset) {
        const sample = svgElement('svg', { viewBox: '0 0 20 10', class: 'sample', 'aria-hidden': 'true' });
        sample.append(svgElement('path', { class: className, d: squaresPath([[0, 0]], inset) }));
        return sample;
    }

    function gridsPart(grids, gridList, id) {
        const part = element('div', undefined, 'glance-part');
        const heading = element('h5', 'Grid squares');
        heading.id = id;
        part.append(heading);
        const squares = (Array.isArray(gridList) ? gridList : [])
            .filter((entry) => /^[A-R]{2}[0-9]{2}$/i.test(entry.square));
        if (squares.length === 0) {
            part.append(element('p', 'No QSO in this log has a grid square.'));
            return part;
        }
        const worked = grids ? grids.worked : squares.length;
        const confirmed = grids ? grids.confirmed : squares.filter((s) => s.confirmed).length;
        const sentence = element('p', plural(worked, 'grid square', 'grid squares') + ' worked, ' +
            confirmed + ' of them confirmed (QSL received).');
        sentence.id = id + '-sentence';

        const confirmedCorners = squares.filter((s) => s.confirmed).map((s) => squareCorner(s.square));
        const otherCorners = squares.filter((s) => !s.confirmed).map((s) => squareCorner(s.square));
        const map = svgElement('svg', { class: 'map', role: 'img', 'aria-labelledby': id + '-sentence',
            viewBox: mapView(confirmedCorners.concat(otherCorners)).join(' '),
            preserveAspectRatio: 'xMidYMid meet' });
        map.append(svgElement('rect', { class: 'sea', x: 0, y: 0, width: 3600, height: 1800 }),
            svgElement('path', { class: 'land', d: document.getElementById('kestrel-world').textContent.trim() }),
            svgElement('path', { class: 'worked', d: squaresPath(otherCorners, 4) }),
            svgElement('path', { class: 'confirmed', d: squaresPath(confirmedCorners, 0) }));
        const shown = figure('Grid squares worked, on a map of the world', id + '-map');
        const legend = element('ul', undefined, 'legend');
        const confirmedKey = element('li');
        confirmedKey.append(legendSample('confirmed', 0), element('span', 'confirmed: the whole square'));
        const workedKey = element('li');
        workedKey.append(legendSample('worked', 4), element('span', 'worked, not confirmed: a smaller square'));
        legend.append(confirmedKey, workedKey, element('li', 'Land: Natural Earth, public domain.'));
        shown.append(map, legend);

        // By field, the two letters, as the screen reader's form of the map.
        const fields = new Map();
        for (const entry of squares.slice().sort((a, b) => names.compare(a.square, b.square))) {
            const field = entry.square.slice(0, 2).toUpperCase();
            if (!fields.has(field)) fields.set(field, { confirmed: [], worked: [] });
            fields.get(field)[entry.confirmed ? 'confirmed' : 'worked'].push(entry.square.toUpperCase());
        }
        const table = element('table', undefined, 'fields');
        table.setAttribute('aria-labelledby', id + '-fields');
        table.append(element('thead'), element('tbody'));
        const head = element('tr');
        for (const name of ['Field', 'Confirmed', 'Worked, not confirmed']) {
            const cell = element('th', name);
            cell.scope = 'col';
            head.append(cell);
        }
        table.tHead.append(head);
        for (const [field, lists] of fields) {
            const line = element('tr');
            const name = element('th', field);
            name.scope = 'row';
            line.append(name, element('td', lists.confirmed.join(' ')), element('td', lists.worked.join(' ')));
            table.tBodies[0].append(line);
        }
        const asTable = element('details');
        const summary = element('summary', 'The grid squares by field, as a table');
        summary.id = id + '-fields';
        asTable.append(summary, table);
        part.append(sentence, shown, asTable);
        return part;
    }

    // The section for one log; `id` makes its elements' ids unique on the page.
    function draw(statistics, id) {
        const section = element('section', undefined, 'glance');
        const heading = element('h4', 'The log at a glance');
        heading.id = id;
        section.setAttribute('aria-labelledby', id);
        section.append(heading);
        const s = statistics;
        let sentence = plural(s.records, 'record', 'records') + ': ' +
            plural(s.qsos, 'QSO', 'QSOs') + ' written, ' + s.skipped + ' skipped.';
        if (s.first && s.last) sentence += ' First QSO ' + isoDate(s.first) + ', last ' + isoDate(s.last) + '.';
        if (s.calls !== undefined) sentence += ' ' + plural(s.calls, 'callsign', 'different callsigns') + '.';
        section.append(element('p', sentence, 'glance-summary'));
        if (!s.qsos) return section;

        const counts = element('div', undefined, 'glance-part');
        counts.append(yearsFigure(s.years || {}, id + '-years'));
        const bands = figure('QSOs per band', id + '-bands');
        bands.append(countsTable(bands.firstChild.id, 'Band', s.bands || {}, byWavelength));
        const modes = figure('QSOs per mode', id + '-modes');
        const modeCounts = s.modes || {};
        modes.append(countsTable(modes.firstChild.id, 'Mode', modeCounts,
            (a, b) => modeCounts[b] - modeCounts[a] || names.compare(a, b)));
        const side = element('div', undefined, 'side-by-side');
        side.append(bands, modes);
        counts.append(side);
        section.append(counts, entitiesPart(s.entities, id + '-entities'),
            gridsPart(s.grids, s.gridList, id + '-grids'));
        return section;
    }

    return { draw };
})();
