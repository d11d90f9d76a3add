#!/usr/bin/env python3
"""Measures the error of every result of twopoint-calc against exact or
independent solutions and prints the accuracy table of the user manual.

    tools/accuracy.py [--calc build/bin/twopoint-calc] [--samples N] [--seed S]
                      [--update docs/manual.html]

References (Debian packages; scripts/install-deps.sh accuracy installs them):
  geographiclib-tools  TransverseMercatorProj (exact, and Krueger's series to
                       the 6th order), GeodSolve (geodesics to 15 nm),
                       RhumbSolve; on a sphere for the navigation values
  proj-bin             cct: cartesian co-ordinates, Helmert steps and
                       datum shifts, and the EGM96 15' grid of proj-data
  published examples   EPSG Guidance Note 7-2 (IOGP) and the EPSG dataset's
                       "ED50 to ED87 (1)"; NGA's EGM96 test points

Points are drawn at random from a fixed seed, so a rerun prints the same
table. --update replaces the table between the accuracy markers of the manual.
"""
import argparse
import math
import random
import re
import subprocess
import sys

WGS84_A, WGS84_RF = 6378137.0, 298.257223563
HAYFORD_A, HAYFORD_RF = 6378388.0, 297.0
NMILE_SPHERE_A = 10800.0 / math.pi  # a sphere on which one arc minute is one nautical mile
MARKER_BEGIN = "<!-- accuracy table: begin -->"
MARKER_END = "<!-- accuracy table: end -->"


def run(command, lines):
    """Runs a program over input lines and returns its output lines, split into fields."""
    result = subprocess.run(command, input="\n".join(lines) + "\n", capture_output=True, text=True)
    out = result.stdout.splitlines()
    if len(out) != len(lines) or any(line.startswith("error") for line in out):
        sys.exit(f"accuracy: {' '.join(command)} failed: {result.stderr.strip() or out[:3]}")
    return [line.replace(",", " ").split() for line in out]


def numbers(rows, columns):
    return [[float(row[c]) for c in columns] for row in rows]


def angle_diff(a, b):
    """Difference of two directions in degrees, in -180 .. 180."""
    return (a - b + 180.0) % 360.0 - 180.0


def metres_per_degree(lat):
    """Metres per degree of latitude and of longitude on WGS84 (for turning angle errors into lengths)."""
    e2 = (2 - 1 / WGS84_RF) / WGS84_RF
    s = math.sin(math.radians(lat))
    w = math.sqrt(1 - e2 * s * s)
    rho = WGS84_A * (1 - e2) / w**3
    nu = WGS84_A / w
    return math.radians(1) * rho, math.radians(1) * nu * math.cos(math.radians(lat))


def horizontal_error(lat, dlat, dlon):
    m_lat, m_lon = metres_per_degree(lat)
    return math.hypot(dlat * m_lat, dlon * m_lon)


class Table:
    def __init__(self):
        self.rows = []

    # Larger units for large errors, so that every figure reads without an exponent.
    LARGER = {"mm": ((1e6, "km"), (1e3, "m")), "ppb": ((1e3, "ppm"),)}

    def add(self, result, reference, errors, unit):
        errors = [abs(e) for e in errors]
        rms = math.sqrt(sum(e * e for e in errors) / len(errors))
        worst = max(errors)
        for factor, larger in self.LARGER.get(unit, ()):
            if worst >= factor:
                worst, rms, unit = worst / factor, rms / factor, larger
                break
        self.rows.append((result, reference, str(len(errors)), f"{figure(worst)} {unit}", f"{figure(rms)} {unit}"))

    def text(self):
        head = ("Result", "Reference", "Samples", "Max error", "RMS error")
        lines = ["| " + " | ".join(head) + " |", "|" + "---|" * len(head)]
        lines += ["| " + " | ".join(row) + " |" for row in self.rows]
        return "\n".join(lines)

    def html(self):
        head = ("Result", "Reference", "Samples", "Max error", "RMS error")
        out = ["<table class=\"accuracy\">", "<tr>" + "".join(f"<th>{h}</th>" for h in head) + "</tr>"]
        for row in self.rows:
            out.append("<tr>" + "".join(f"<td>{html_escape(c)}</td>" for c in row) + "</tr>")
        out.append("</table>")
        return "\n".join(out)


def figure(value):
    """Three significant digits, without an exponent down to 0.0001."""
    if value < 1e-4:
        return f"{value:.1e}"
    text = f"{float(f'{value:.3g}'):.6f}".rstrip("0").rstrip(".")
    return text


def html_escape(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def cartesian(table, calc, rng, n):
    pts = [(rng.uniform(-89.9, 89.9), rng.uniform(-180, 180), rng.uniform(-100, 9000)) for _ in range(n)]
    ours = numbers(run([calc, "geog2cart", "--full"], [f"{a!r} {b!r} {h!r}" for a, b, h in pts]), [0, 1, 2])
    ref = numbers(run(["cct", "-d", "6", "+proj=cart", "+ellps=WGS84"], [f"{b!r} {a!r} {h!r} 0" for a, b, h in pts]),
                  [0, 1, 2])
    table.add("Geographic to cartesian", "PROJ cct +proj=cart",
              [math.dist(o, r) * 1000 for o, r in zip(ours, ref)], "mm")
    back = numbers(run([calc, "cart2geog", "--full"], [f"{x!r} {y!r} {z!r}" for x, y, z in ours]), [0, 1, 2])
    table.add("Cartesian to geographic", "round trip, horizontal and height",
              [math.hypot(horizontal_error(p[0], b[0] - p[0], angle_diff(b[1], p[1])), b[2] - p[2]) * 1000
               for p, b in zip(pts, back)], "mm")


def transverse_mercator(table, calc, rng, n):
    """UTM zone 31 (central meridian 3 deg E), on WGS84, within the zone and to 6 deg from its meridian."""
    for width, label in ((3.0, "within 3 deg of the central meridian"), (6.0, "3 to 6 deg from the central meridian")):
        pts = []
        while len(pts) < n:
            lat, dlon = rng.uniform(-80, 84), rng.uniform(-width, width)
            if abs(dlon) > width - 3.0 or width == 3.0:
                pts.append((lat, 3.0 + dlon))
        ours = []
        for south in (False, True):
            subset = [p for p in pts if (p[0] < 0) == south]
            cmd = [calc, "geog2grid", "--zone", "31", "--full"] + (["--south"] if south else [])
            out = numbers(run(cmd, [f"{a!r} {b!r}" for a, b in subset]), [0, 1, 2, 3])
            ours += [(p, (o[0] - (1e7 if south else 0), o[1] - 5e5, o[2], o[3])) for p, o in zip(subset, out)]
        pts = [p for p, _ in ours]
        ours = [o for _, o in ours]
        lines = [f"{a!r} {b!r}" for a, b in pts]
        exact = numbers(run(["TransverseMercatorProj", "-k", "0.9996", "-l", "3", "-p", "9"], lines), [0, 1, 2, 3])
        series = numbers(run(["TransverseMercatorProj", "-s", "-k", "0.9996", "-l", "3", "-p", "9"], lines),
                         [0, 1, 2, 3])
        table.add(f"Grid N, E ({label})", "exact TM (GeographicLib)",
                  [math.hypot(o[0] - r[1], o[1] - r[0]) * 1000 for o, r in zip(ours, exact)], "mm")
        table.add(f"Grid N, E ({label})", "Krueger series, 6th order",
                  [math.hypot(o[0] - r[1], o[1] - r[0]) * 1000 for o, r in zip(ours, series)], "mm")
        table.add(f"Convergence ({label})", "exact TM (GeographicLib)",
                  [angle_diff(o[2], r[2]) * 3600 for o, r in zip(ours, exact)], "\"")
        table.add(f"Scale factor ({label})", "exact TM (GeographicLib)",
                  [(o[3] - r[3]) * 1e9 for o, r in zip(ours, exact)], "ppb")
        back = []
        for south in (False, True):
            subset = [(p, o) for p, o in zip(pts, ours) if (p[0] < 0) == south]
            cmd = [calc, "grid2geog", "--zone", "31", "--full"] + (["--south"] if south else [])
            out = numbers(run(cmd, [f"{o[0] + (1e7 if south else 0)!r} {o[1] + 5e5!r}" for _, o in subset]), [0, 1])
            back += [horizontal_error(p[0], b[0] - p[0], angle_diff(b[1], p[1])) * 1000
                     for (p, _), b in zip(subset, out)]
        table.add(f"Grid to geographic ({label})", "round trip", back, "mm")


def radii(table, calc, rng, n):
    lats = [rng.uniform(-90, 90) for _ in range(n)]
    ours = numbers(run([calc, "radii", "--full"], [repr(a) for a in lats]), [0, 1])
    e2 = (2 - 1 / WGS84_RF) / WGS84_RF
    errors = []
    for lat, (nu, rho) in zip(lats, ours):
        w = math.sqrt(1 - e2 * math.sin(math.radians(lat)) ** 2)
        errors.append(max(abs(nu - WGS84_A / w), abs(rho - WGS84_A * (1 - e2) / w**3)) * 1000)
    table.add("Radii of curvature nu, rho", "closed formulas", errors, "mm")


def random_line(rng, lo, hi):
    """A start point and an end point at a distance between lo and hi metres (by GeodSolve's direct problem)."""
    lat1, lon1 = rng.uniform(-80, 80), rng.uniform(-180, 180)
    return lat1, lon1, rng.uniform(0, 360), math.exp(rng.uniform(math.log(lo), math.log(hi)))


def geodesics(table, calc, rng, n):
    for lo, hi, label in ((100, 10e3, "0.1 to 10 km"), (10e3, 100e3, "10 to 100 km"), (100e3, 1000e3, "100 to 1000 km"),
                          (1000e3, 5000e3, "1000 to 5000 km"), (5000e3, 15000e3, "5000 to 15000 km")):
        lines = [random_line(rng, lo, hi) for _ in range(n)]
        direct_in = [f"{a!r} {b!r} {z!r} {s!r}" for a, b, z, s in lines]
        ends = numbers(run(["GeodSolve", "-p", "9"], direct_in), [0, 1, 2])
        ours = numbers(run([calc, "direct", "--full"], direct_in), [0, 1])
        table.add(f"Direct problem, {label}", "GeodSolve (Karney)",
                  [horizontal_error(e[0], o[0] - e[0], angle_diff(o[1], e[1])) * 1000 for o, e in zip(ours, ends)],
                  "mm")
        inverse_in = [f"{a!r} {b!r} {e[0]!r} {e[1]!r}" for (a, b, _, _), e in zip(lines, ends)]
        ours = numbers(run([calc, "inverse", "--full"], inverse_in), [0, 1, 2])
        table.add(f"Inverse distance, {label}", "GeodSolve (Karney)",
                  [(o[0] - s) * 1000 for o, (_, _, _, s) in zip(ours, lines)], "mm")
        table.add(f"Inverse azimuths, {label}", "GeodSolve (Karney)",
                  [max(abs(angle_diff(o[1], z)), abs(angle_diff(o[2], e[2] + 180.0))) * 3600
                   for o, (_, _, z, _), e in zip(ours, lines, ends)], "\"")


def navigation(table, calc, rng, n):
    pts = [(rng.uniform(-75, 75), rng.uniform(-180, 180), rng.uniform(-75, 75), rng.uniform(-180, 180))
           for _ in range(n)]
    lines = [f"{a!r} {b!r} {c!r} {d!r}" for a, b, c, d in pts]
    ours = numbers(run([calc, "sphere", "--full"], lines), [0, 1, 2, 3])
    sphere = ["-e", repr(NMILE_SPHERE_A), "0", "-p", "9"]
    gc = numbers(run(["GeodSolve", "-i"] + sphere, lines), [0, 2])
    rl = numbers(run(["RhumbSolve", "-i"] + sphere, lines), [0, 1])
    table.add("Great circle distance", "GeodSolve on the sphere", [o[0] - r[1] for o, r in zip(ours, gc)], "NM")
    table.add("Great circle course", "GeodSolve on the sphere",
              [angle_diff(o[1], r[0]) * 3600 for o, r in zip(ours, gc)], "\"")
    table.add("Rhumb line distance", "RhumbSolve on the sphere", [o[2] - r[1] for o, r in zip(ours, rl)], "NM")
    table.add("Rhumb line course", "RhumbSolve on the sphere",
              [angle_diff(o[3], r[0]) * 3600 for o, r in zip(ours, rl)], "\"")


def dms(d, m, s):
    return d + m / 60.0 + s / 3600.0


def datum_shifts(table, calc, rng, n):
    # EPSG Guidance Note 7-2, position vector transformation (EPSG method 9606): WGS 72 to WGS 84.
    out = numbers(run([calc, "helmert", "--full", "--params", "0,0,4.5,0,0,0.554,0.219"],
                      ["3657660.66 255768.55 5201382.11"]), [0, 1, 2])
    table.add("Seven-parameter shift (cartesian)", "EPSG 7-2 example, WGS 72 to WGS 84 (to 1 cm)",
              [math.dist(out[0], (3657660.78, 255778.43, 5201387.75)) * 1000], "mm")
    # The same formula against PROJ's Helmert on random points with parameters of the catalogue's size.
    params = "-116.641,-56.931,-110.559,0.893,0.921,-0.917,-3.52"
    pts = [(rng.uniform(-6.4e6, 6.4e6), rng.uniform(-6.4e6, 6.4e6), rng.uniform(-6.4e6, 6.4e6)) for _ in range(n)]
    lines = [f"{x!r} {y!r} {z!r}" for x, y, z in pts]
    ours = numbers(run([calc, "helmert", "--full", "--params", params], lines), [0, 1, 2])
    x, y, z, rx, ry, rz, s = params.split(",")
    ref = numbers(run(["cct", "-d", "6", "+proj=helmert", f"+x={x}", f"+y={y}", f"+z={z}", f"+rx={rx}", f"+ry={ry}",
                       f"+rz={rz}", f"+s={s}", "+convention=position_vector"], [l + " 0" for l in lines]), [0, 1, 2])
    table.add("Seven-parameter shift (cartesian)", "PROJ cct +proj=helmert",
              [math.dist(o, r) * 1000 for o, r in zip(ours, ref)], "mm")
    # EPSG Guidance Note 7-2, geocentric translations (EPSG method 9603): WGS 84 to ED50, through
    # geographic -> cartesian -> translation -> geographic on International 1924.
    wgs = (dms(53, 48, 33.820), dms(2, 7, 46.380), 73.0)
    xyz = numbers(run([calc, "geog2cart", "--full"], ["%r %r %r" % wgs]), [0, 1, 2])[0]
    ed = numbers(run([calc, "helmert", "--full", "--reverse", "--params", "-84.87,-96.49,-116.95,0,0,0,0"],
                     ["%r %r %r" % tuple(xyz)]), [0, 1, 2])[0]
    geo = numbers(run([calc, "cart2geog", "--full", "--datum", "ED50 - European Datum 1950 (UKOOA)"],
                      ["%r %r %r" % tuple(ed)]), [0, 1, 2])[0]
    want = (dms(53, 48, 36.565), dms(2, 7, 51.477), 28.02)
    table.add("Geocentric translation with the ellipsoid change",
              "EPSG 7-2 example, WGS 84 to ED50 (published to 0.001\", 1 cm)",
              [math.hypot(horizontal_error(want[0], geo[0] - want[0], geo[1] - want[1]), geo[2] - want[2]) * 1000],
              "mm")
    # The datum-shift route (datum -> WGS84 -> datum) against cs2cs with the same parameters.
    frm, to = "ED50 - Offshore Norway, South of 62 deg", "ED87 - European Datum 1987"
    pts = [(rng.uniform(54, 62), rng.uniform(-2, 9), rng.uniform(-100, 500)) for _ in range(n)]
    ours = numbers(run([calc, "shift", "--full", "--from", frm, "--to", to], [f"{a!r} {b!r} {h!r}" for a, b, h in pts]),
                   [0, 1, 2])
    helmert = lambda p: ["+proj=helmert"] + [f"+{k}={v}" for k, v in zip(("x", "y", "z", "rx", "ry", "rz", "s"), p)]
    ref = numbers(run(["cct", "-d", "9", "+proj=pipeline", "+step", "+proj=cart", "+ellps=intl", "+step"]
                      + helmert((-90.365, -101.13, -123.384, 0.333, 0.077, 0.894, 1.994))
                      + ["+convention=position_vector", "+step", "+inv"]
                      + helmert((-82.981, -99.719, -110.709, -0.1047, 0.031, 0.0804, -0.3143))
                      + ["+convention=position_vector", "+step", "+inv", "+proj=cart", "+ellps=intl"],
                      [f"{b!r} {a!r} {h!r} 0" for a, b, h in pts]), [0, 1, 2])
    table.add("Datum shift through WGS84 (ED50 to ED87)", "PROJ cct, the same two Helmert steps",
              [math.hypot(horizontal_error(r[1], o[0] - r[1], angle_diff(o[1], r[0])), o[2] - r[2]) * 1000
               for o, r in zip(ours, ref)], "mm")
    # The EPSG dataset's example of "ED50 to ED87 (1)", the North Sea polynomial.
    out = numbers(run([calc, "northsea", "--full", "--mode", "ED50-ED87"], [f"{dms(52, 30, 30)!r} 2 0"]), [0, 1])[0]
    want = (dms(52, 30, 29.9887), dms(2, 0, 0.0353))
    table.add("North Sea polynomial ED50 to ED87", "EPSG \"ED50 to ED87 (1)\" example (to 0.0001\")",
              [horizontal_error(want[0], out[0] - want[0], out[1] - want[1]) * 1000], "mm")


def geoid(table, calc, rng, n):
    pts = [(rng.uniform(-89.9, 89.9), rng.uniform(-179.9, 179.9)) for _ in range(n)]
    ours = numbers(run([calc, "geoid", "--full"], [f"{a!r} {b!r}" for a, b in pts]), [0])
    ref = numbers(run(["cct", "-d", "6", "+proj=vgridshift", "+grids=egm96_15.gtx", "+multiplier=1"],
                      [f"{b!r} {a!r} 0 0" for a, b in pts]), [2])
    table.add("Geoid undulation", "PROJ on the published EGM96 15' grid",
              [(o[0] - r[0]) * 1000 for o, r in zip(ours, ref)], "mm")
    # NGA's published EGM96 test points (longitudes 0 .. 360, undulations to 1 mm).
    tests = [(38.6281550, 269.7791550, -31.628), (-14.6212170, 305.0211140, -2.969),
             (46.8743190, 102.4487290, -43.575), (-23.6174460, 133.8747120, 15.871),
             (38.6254730, 359.9995000, 50.066), (-0.4667440, 0.0023000, 17.329)]
    lines = [f"{a!r} {angle_diff(b, 0)!r}" for a, b, _ in tests]
    ours = numbers(run([calc, "geoid", "--full"], lines), [0])
    table.add("Geoid undulation", "NGA's EGM96 test points (to 1 mm)",
              [(o[0] - t[2]) * 1000 for o, t in zip(ours, tests)], "mm")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--calc", default="build/bin/twopoint-calc")
    parser.add_argument("--samples", type=int, default=2000, help="random points per row (default 2000)")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--update", metavar="MANUAL", help="write the table into the manual between its markers")
    args = parser.parse_args()
    rng = random.Random(args.seed)
    table = Table()
    for measure in (cartesian, transverse_mercator, radii, geodesics, navigation, datum_shifts, geoid):
        measure(table, args.calc, rng, args.samples)
    print(table.text())
    if args.update:
        with open(args.update, encoding="utf-8") as f:
            manual = f.read()
        pattern = re.compile(re.escape(MARKER_BEGIN) + ".*?" + re.escape(MARKER_END), re.S)
        if not pattern.search(manual):
            sys.exit(f"accuracy: {args.update} has no accuracy markers")
        note = f"<p class=\"measured\">Measured by tools/accuracy.py --samples {args.samples} --seed {args.seed}.</p>"
        manual = pattern.sub(lambda _: f"{MARKER_BEGIN}\n{table.html()}\n{note}\n{MARKER_END}", manual)
        with open(args.update, "w", encoding="utf-8") as f:
            f.write(manual)


if __name__ == "__main__":
    main()
