// Makes land-110m.svgpath, the world's land that the page draws under the grid squares worked,
// from Natural Earth's 1:110m land as the npm package world-atlas 2.0.2 ships it (TopoJSON):
//
//   npm install --prefix DIR world-atlas@2.0.2
//   node src/web/world/make-land-outline.mjs DIR/node_modules/world-atlas/land-110m.json \
//       > src/web/world/land-110m.svgpath
//
// The result is the data of one SVG path, in tenths of a degree of an equirectangular map 3600
// wide and 1800 high: x is the longitude plus 180, y is 90 less the latitude. A Maidenhead grid
// square is then a 20 by 10 rectangle of it. Every point is rounded to a tenth of a degree (about
// the drawing's own precision at this scale) and written relative to the one before, which keeps
// the page small.
import fs from 'node:fs';

const [source] = process.argv.slice(2);
if (!source) {
    console.error('usage: node make-land-outline.mjs LAND_110M_JSON > land-110m.svgpath');
    process.exit(2);
}
const topology = JSON.parse(fs.readFileSync(source, 'utf8'));
const { scale, translate } = topology.transform;

// Each arc is stored quantized, each point as the difference from the one before.
const arcs = topology.arcs.map((arc) => {
    let x = 0;
    let y = 0;
    return arc.map(([dx, dy]) => {
        x += dx;
        y += dy;
        const longitude = x * scale[0] + translate[0];
        const latitude = y * scale[1] + translate[1];
        return [Math.round((longitude + 180) * 10), Math.round((90 - latitude) * 10)];
    });
});

// A ring is a list of arcs, ~i standing for arc i backwards; each arc starts where the one
// before ended, so that point is taken once.
function ringPoints(arcIndexes) {
    const points = [];
    for (const index of arcIndexes) {
        const arc = index >= 0 ? arcs[index] : arcs[~index].slice().reverse();
        for (const point of points.length === 0 ? arc : arc.slice(1)) {
            const last = points[points.length - 1];
            if (!last || last[0] !== point[0] || last[1] !== point[1]) points.push(point);
        }
    }
    const first = points[0];
    const last = points[points.length - 1];
    if (points.length > 1 && first[0] === last[0] && first[1] === last[1]) points.pop();
    return points;
}

function polygonsOf(geometry) {
    if (geometry.type === 'Polygon') return [geometry.arcs];
    if (geometry.type === 'MultiPolygon') return geometry.arcs;
    if (geometry.type === 'GeometryCollection') return geometry.geometries.flatMap(polygonsOf);
    throw new Error(`${source}: a ${geometry.type} where land was expected`);
}

// A ring that crosses the 180th meridian is stored as one, with a step across the whole map
// where it crosses: it is drawn as the pieces on either side, each closed along the map's edge.
function piecesOf(points) {
    const crossings = [];
    points.forEach((point, i) => {
        const next = points[(i + 1) % points.length];
        if (Math.abs(next[0] - point[0]) > 1800) crossings.push(i + 1);
    });
    if (crossings.length === 0) return [points];
    const pieces = [];
    crossings.forEach((start, k) => {
        const end = k + 1 < crossings.length ? crossings[k + 1] : crossings[0] + points.length;
        const piece = [];
        for (let i = start; i < end; ++i) piece.push(points[i % points.length]);
        pieces.push(piece);
    });
    return pieces;
}

// Numbers follow each other with a space, or with nothing before a minus sign.
let data = '';
function write(command, numbers) {
    data += command;
    numbers.forEach((number, i) => {
        data += (i > 0 && number >= 0 ? ' ' : '') + number;
    });
}

// After a closed subpath the pen is back at its start, where the next move is measured from.
let pen = [0, 0];
for (const polygon of polygonsOf(topology.objects.land)) {
    for (const ring of polygon) {
        for (const points of piecesOf(ringPoints(ring))) {
            if (points.length < 3) continue; // too small to see at a tenth of a degree
            write('m', [points[0][0] - pen[0], points[0][1] - pen[1]]);
            const steps = [];
            for (let i = 1; i < points.length; ++i) {
                steps.push(points[i][0] - points[i - 1][0], points[i][1] - points[i - 1][1]);
            }
            write('l', steps);
            data += 'z';
            pen = points[0];
        }
    }
}
process.stdout.write(data + '\n');
