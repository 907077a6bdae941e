// The year's chart that `skyledger-cli chart 2026-01-01 366` prints, computed
// with astronomy-engine for the same place: sunrise, sunset, moonrise and
// moonset with their bearings, the Moon's illuminated percentage at local
// noon and its phase angle. Only the computation and the printing are the
// same in kind; the theories differ, so the times may differ by a minute.
// Usage: node year_chart.js LAT LON_EAST ZONE_HOURS_EAST [DAYS]
'use strict';
const A = require('astronomy-engine');

const [lat, lon, zone] = process.argv.slice(2, 5).map(Number);
const days = Number(process.argv[5] || 366);
const observer = new A.Observer(lat, lon, 0);
const start = Date.UTC(2026, 0, 1) - zone * 3600e3;

function clock(time) {
  if (time === null) return '';
  const local = new Date(time.date.getTime() + zone * 3600e3);
  return local.toISOString().slice(11, 16);
}

function bearing(body, time) {
  if (time === null) return '';
  const eq = A.Equator(body, time, observer, true, true);
  const hor = A.Horizon(time, observer, eq.ra, eq.dec, 'normal');
  return hor.azimuth.toFixed(0).padStart(3, '0');
}

function event(body, direction, dayStart) {
  const t = A.SearchRiseSet(body, observer, direction, dayStart, 1);
  return t !== null && t.ut < dayStart.ut + 1 ? t : null;
}

const lines = [];
for (let i = 0; i < days; ++i) {
  const dayStart = A.MakeTime(new Date(start + i * 86400e3));
  const noon = dayStart.AddDays(0.5);
  const row = [new Date(start + i * 86400e3 + zone * 3600e3).toISOString().slice(0, 10)];
  for (const [body, direction] of [[A.Body.Sun, +1], [A.Body.Sun, -1], [A.Body.Moon, +1], [A.Body.Moon, -1]]) {
    const t = event(body, direction, dayStart);
    row.push(clock(t), bearing(body, t));
  }
  row.push((A.Illumination(A.Body.Moon, noon).phase_fraction * 100).toFixed(0));
  row.push(A.MoonPhase(noon).toFixed(1));
  lines.push(row.join('\t'));
}
process.stdout.write(lines.join('\n') + '\n');
