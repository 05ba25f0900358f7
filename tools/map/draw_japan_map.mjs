// Draws the map of the natural-time dialog, data/JapanMap.png: a 400 × 400 picture of Japan on which
// a click's horizontal pixel gives the longitude, so the longitude scale is fixed:
//
//   x = 153 + (longitude − 135) · 17          (135°E, the standard-time meridian, at x = 153;
//                                               17 pixels per degree, 126.0°E..149.5°E across)
//   y = (46.0 − latitude) · 19.5               (46.0°N at the top edge, 25.5°N at the bottom)
//
// The vertical scale, 19.5 pixels per degree of latitude, is 17 / cos 29.3°: shapes are true near
// 29°N and a little wide further north (a degree of longitude is shorter there), which lets the
// country from Okinawa Island (26.1°N, x ≈ 30) to the north cape of Hokkaido (45.5°N, y ≈ 10) fit
// the square. The islands west of 126°E (Ishigaki, Yonaguni) fall outside the picture.
//
// Japan is filled in a light ochre, the neighbouring countries in grey, the sea in pale blue; the
// coasts are drawn darker and the 135°E meridian as a thin red line. Edges are smoothed by
// sampling each pixel 4 × 4 times.
//
// Source: the Natural Earth 1:50m admin-0 country outlines as redistributed in TopoJSON by the npm
// package "world-atlas" (version 2; Natural Earth is in the public domain, the package is under the
// ISC licence). The TopoJSON arcs are decoded here; no other package is needed. The script is not
// part of the build; run it by hand when the picture should change, and commit the PNG:
//
//   mkdir -p /tmp/atlas && (cd /tmp/atlas && npm pack world-atlas@2 && tar xzf world-atlas-2.*.tgz)
//   node tools/map/draw_japan_map.mjs /tmp/atlas/package/countries-50m.json data/JapanMap.png
import { readFileSync, writeFileSync } from "node:fs";
import { deflateSync } from "node:zlib";

const kSize = 400;
const kMeridianX = 153;            // pixel of 135°E
const kPixelsPerLongitude = 17;
const kTopLatitude = 46.0;
const kPixelsPerLatitude = 19.5;
const kSamples = 4;                // per pixel and direction

const kSea = [214, 232, 244];
const kJapan = [243, 233, 200];
const kOtherLand = [222, 222, 218];
const kCoast = [96, 88, 72];
const kMeridian = [210, 60, 60];

function pixelX(longitude) { return kMeridianX + (longitude - 135) * kPixelsPerLongitude; }
function pixelY(latitude) { return (kTopLatitude - latitude) * kPixelsPerLatitude; }

// The arcs of a quantized topology as absolute longitude/latitude points.
function decodeArcs(topology) {
  const [sx, sy] = topology.transform.scale;
  const [tx, ty] = topology.transform.translate;
  return topology.arcs.map((arc) => {
    let x = 0, y = 0;
    return arc.map(([dx, dy]) => {
      x += dx;
      y += dy;
      return [x * sx + tx, y * sy + ty];
    });
  });
}

// A ring given as arc indices (a negative index ~i is arc i reversed) as one list of points.
function ringPoints(arcs, indices) {
  const points = [];
  for (const index of indices) {
    const arc = index >= 0 ? arcs[index] : arcs[~index].slice().reverse();
    points.push(...(points.length ? arc.slice(1) : arc));
  }
  return points;
}

function ringsOf(geometry, arcs) {
  const polygons = geometry.type === "Polygon" ? [geometry.arcs] : geometry.type === "MultiPolygon" ? geometry.arcs : [];
  return polygons.flat().map((ring) => ringPoints(arcs, ring).map(([lon, lat]) => [pixelX(lon), pixelY(lat)]));
}

// Coverage of each pixel by the rings, 0..kSamples², by the even-odd rule on a finer grid.
function coverage(rings) {
  const counts = new Uint8Array(kSize * kSize);
  const edges = [];
  for (const ring of rings) {
    for (let i = 0; i < ring.length; ++i) {
      const [x0, y0] = ring[i];
      const [x1, y1] = ring[(i + 1) % ring.length];
      if (y0 !== y1) edges.push([x0, y0, x1, y1]);
    }
  }
  for (let row = 0; row < kSize * kSamples; ++row) {
    const y = (row + 0.5) / kSamples;
    const crossings = [];
    for (const [x0, y0, x1, y1] of edges) {
      if ((y0 <= y) !== (y1 <= y)) crossings.push(x0 + ((y - y0) * (x1 - x0)) / (y1 - y0));
    }
    crossings.sort((a, b) => a - b);
    const pixelRow = Math.floor(row / kSamples);
    for (let i = 0; i + 1 < crossings.length; i += 2) {
      const first = Math.max(0, Math.ceil(crossings[i] * kSamples - 0.5));
      const last = Math.min(kSize * kSamples - 1, Math.floor(crossings[i + 1] * kSamples - 0.5));
      for (let column = first; column <= last; ++column) counts[pixelRow * kSize + Math.floor(column / kSamples)] += 1;
    }
  }
  return counts;
}

function mix(a, b, t) { return a.map((value, i) => Math.round(value + (b[i] - value) * t)); }

function crc32(bytes) {
  let crc = ~0;
  for (const byte of bytes) {
    crc ^= byte;
    for (let k = 0; k < 8; ++k) crc = (crc >>> 1) ^ (0xedb88320 & -(crc & 1));
  }
  return ~crc >>> 0;
}

function chunk(type, data) {
  const body = Buffer.concat([Buffer.from(type, "latin1"), data]);
  const length = Buffer.alloc(4);
  length.writeUInt32BE(data.length);
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(body));
  return Buffer.concat([length, body, crc]);
}

// An 8-bit palette PNG of the pixels (each an [r, g, b]).
function encodePng(pixels) {
  const palette = new Map();
  const indices = Buffer.alloc(kSize * (kSize + 1));
  pixels.forEach((rgb, i) => {
    const key = rgb.join(",");
    if (!palette.has(key)) palette.set(key, palette.size);
    indices[Math.floor(i / kSize) * (kSize + 1) + 1 + (i % kSize)] = palette.get(key);
  });
  if (palette.size > 256) throw new Error(`too many colours: ${palette.size}`);
  const header = Buffer.alloc(13);
  header.writeUInt32BE(kSize, 0);
  header.writeUInt32BE(kSize, 4);
  header[8] = 8;  // bit depth
  header[9] = 3;  // palette
  const plte = Buffer.from([...palette.keys()].flatMap((key) => key.split(",").map(Number)));
  return Buffer.concat([
    Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]),
    chunk("IHDR", header),
    chunk("PLTE", plte),
    chunk("IDAT", deflateSync(indices, { level: 9 })),
    chunk("IEND", Buffer.alloc(0)),
  ]);
}

function main() {
  const [input, output] = process.argv.slice(2);
  if (!input || !output) {
    console.error("usage: node draw_japan_map.mjs countries-50m.json OUTPUT.png");
    process.exit(2);
  }
  const topology = JSON.parse(readFileSync(input, "utf8"));
  const arcs = decodeArcs(topology);
  const countries = topology.objects.countries.geometries;
  const japan = countries.filter((geometry) => geometry.properties.name === "Japan");
  if (japan.length !== 1) throw new Error("no outline of Japan in the data");
  const japanCover = coverage(ringsOf(japan[0], arcs));
  const landCover = coverage(countries.flatMap((geometry) => ringsOf(geometry, arcs)));

  const full = kSamples * kSamples;
  const levels = 4;  // shades of a smoothed edge: few, so the palette stays small
  const quantize = (count) => Math.round((count / full) * levels) / levels;
  const pixels = [];
  for (let i = 0; i < kSize * kSize; ++i) {
    const land = quantize(landCover[i]);
    const ownLand = quantize(japanCover[i]);
    let rgb = mix(kSea, ownLand > 0 ? kJapan : kOtherLand, land);
    // Coast: a land pixel beside the sea, or a pixel the coastline crosses.
    const x = i % kSize, y = Math.floor(i / kSize);
    const besideSea = landCover[i] > 0 && [[1, 0], [-1, 0], [0, 1], [0, -1]].some(([dx, dy]) => {
      const nx = x + dx, ny = y + dy;
      return nx >= 0 && ny >= 0 && nx < kSize && ny < kSize && landCover[ny * kSize + nx] === 0;
    });
    if ((land > 0 && land < 1) || besideSea) rgb = mix(rgb, kCoast, ownLand > 0 ? 0.75 : 0.4);
    if (x === kMeridianX && y % 6 < 4) rgb = mix(rgb, kMeridian, 0.8);
    pixels.push(rgb);
  }
  writeFileSync(output, encodePng(pixels));
}

main();
