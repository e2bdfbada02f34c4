#!/usr/bin/env python3
"""Census of what each design of a folder loses on its way to the board.

For every .dsn file of DESIGN_DIR: counts what the design holds with a small S-expression
reader of its own, imports a copy with `pcbhost import`, counts what the board document holds
and classifies the import report's lines. Prints one row per design, the totals, the report
messages grouped by their text (numbers and names stripped) and the designs whose losses no
report line names.

What is counted, on each side:
  components  design: placements `(place REF ...)` under `(placement (component IMAGE ...))`
              board: component objects (two designators that differ only in case are one
              name to the lexer, which upper-cases unquoted words, yet two components)
  pads        design: the `(pin ...)` statements of the image of each placement
              board: pad objects held by a component
  nets        design: `(net NAME ...)` of the network (unique names, pins or not)
              board: net objects
  wires       design: segments of `(wire (path L W x y ...))` (n points: n-1 segments; a
              segment whose ends coincide is not counted), one per `(wire (qarc ...))`, one
              per `(wire (polygon ...))`, one per line of four numbers of the foreign
              `(wire (polyline_path L W x1 y1 x2 y2 ...))`, which the import reports and drops
              board: free tracks of nonzero length and arcs, of nonzero width, on copper
              layers (signal layers 1-32 and internal planes 39-54), one per polygon or split
              plane on those layers that has a net, unless width-0 tracks trace its whole
              ring: those are the solids of the structure's planes
  vias        design: `(via PADSTACK x y ...)` of the wiring
              board: via objects held by no component
Names lost are compared ignoring case, as the lexer upper-cases unquoted words.
"""
import argparse
import concurrent.futures
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
from collections import Counter

KINDS = ("components", "pads", "nets", "wires", "vias")


# ---- S-expression reader -------------------------------------------------------------------

def tokens(text):
    """Yields '(' , ')' and atoms; quoted strings keep no quotes."""
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if c.isspace():
            i += 1
        elif c in "()":
            yield c
            i += 1
        elif c == '"':
            j = text.find('"', i + 1)
            j = n if j < 0 else j
            yield text[i + 1:j]
            i = j + 1
        else:
            j = i
            while j < n and not text[j].isspace() and text[j] not in '()':
                j += 1
            yield text[i:j]
            i = j


def parse(text):
    """The top list of the text; unbalanced input is closed at its end."""
    stack = [[]]
    for token in tokens(text):
        if token == "(":
            stack.append([])
        elif token == ")":
            if len(stack) > 1:
                done = stack.pop()
                stack[-1].append(done)
        else:
            stack[-1].append(token)
    while len(stack) > 1:
        done = stack.pop()
        stack[-1].append(done)
    top = stack[0]
    return top[0] if top and isinstance(top[0], list) else []


def head(node):
    return node[0].lower() if isinstance(node, list) and node and isinstance(node[0], str) \
        else ""


def children(node, name):
    return [c for c in node[1:] if head(c) == name] if isinstance(node, list) else []


def child(node, name):
    found = children(node, name)
    return found[0] if found else None


def numbers(items):
    out = []
    for item in items:
        if isinstance(item, str):
            try:
                out.append(float(item))
            except ValueError:
                pass
    return out


# ---- what the design holds -----------------------------------------------------------------

def design_counts(text):
    root = parse(text)
    images = {}
    library = child(root, "library")
    for image in children(library, "image") if library else []:
        if len(image) > 1 and isinstance(image[1], str):
            images[image[1]] = len(children(image, "pin"))
    refs, pads = set(), 0
    placement = child(root, "placement")
    for component in children(placement, "component") if placement else []:
        name = component[1] if len(component) > 1 and isinstance(component[1], str) else ""
        for place in children(component, "place"):
            if len(place) > 1 and isinstance(place[1], str) and place[1] not in refs:
                refs.add(place[1])
                pads += images.get(name, 0)
    network = child(root, "network")
    nets = set()
    for net in children(network, "net") if network else []:
        if len(net) > 1 and isinstance(net[1], str):
            nets.add(net[1])
    wires = vias = 0
    wiring = child(root, "wiring")
    for statement in wiring[1:] if wiring else []:
        if head(statement) == "via":
            vias += 1
        elif head(statement) == "wire":
            wires += wire_count(statement)
    return {"components": len(refs), "pads": pads, "nets": len(nets), "wires": wires,
            "vias": vias}, nets, refs


def wire_count(wire):
    shape = wire[1] if len(wire) > 1 and isinstance(wire[1], list) else []
    if head(shape) in ("qarc", "polygon"):
        return 1
    if head(shape) == "polyline_path":
        # A foreign shape the import does not know: counted so that its loss shows.
        values = numbers(shape[3:])
        lines = [values[i:i + 4] for i in range(0, len(values) - 3, 4)]
        return sum(1 for x1, y1, x2, y2 in lines if (x1, y1) != (x2, y2))
    if head(shape) != "path":
        return 0
    values = numbers(shape[3:])
    points = [(values[i], values[i + 1]) for i in range(0, len(values) - 1, 2)]
    return sum(1 for a, b in zip(points, points[1:]) if a != b)


# ---- what the board holds ------------------------------------------------------------------

def is_copper(layer):
    return 1 <= layer <= 32 or 39 <= layer <= 54


def edge(layer, a, b):
    a, b = tuple(a), tuple(b)
    return (layer,) + (a + b if a <= b else b + a)


def hairline_edges(objects):
    """The width-0 tracks of the board, as (layer, end, end) with the smaller end first."""
    return {edge(o.get("layer", 0), (o.get("x1"), o.get("y1")), (o.get("x2"), o.get("y2")))
            for o in objects if o.get("kindName") == "track" and o.get("width", 0) == 0}


def is_traced(solid, hairlines):
    """Whether width-0 tracks trace every edge of the solid's ring: a plane's outline."""
    ring = [tuple(p) for p in solid.get("outline", [])]
    if len(ring) < 2:
        return False
    if ring[0] != ring[-1]:
        ring.append(ring[0])
    edges = [edge(solid.get("layer", 0), a, b) for a, b in zip(ring, ring[1:]) if a != b]
    return bool(edges) and all(e in hairlines for e in edges)


def is_point(track):
    """A track whose ends coincide: the import keeps a path's repeated vertex as one."""
    return track.get("kindName") == "track" and \
        (track.get("x1"), track.get("y1")) == (track.get("x2"), track.get("y2"))


def board_counts(board):
    objects = board.get("objects", [])
    hairlines = hairline_edges(objects)
    counts = Counter()
    nets, refs = set(), set()
    for o in objects:
        kind, held = o.get("kindName"), o.get("container", 0) != 0
        copper = is_copper(o.get("layer", 0))
        if kind == "component":
            counts["components"] += 1
            refs.add(o.get("designator", "").upper())
        elif kind == "pad" and held:
            counts["pads"] += 1
        elif kind == "net":
            nets.add(o.get("name", "").upper())
        elif kind in ("track", "arc") and not held and copper and o.get("width", 0) > 0 \
                and not is_point(o):
            counts["wires"] += 1
        elif kind in ("polygon", "splitPlane") and copper and o.get("net", 0) != 0 \
                and not is_traced(o, hairlines):
            counts["wires"] += 1
        elif kind == "via" and not held:
            counts["vias"] += 1
    counts["nets"] = len(nets)
    return {k: counts[k] for k in KINDS}, nets, refs


# ---- the import report ---------------------------------------------------------------------

# Lines that name no loss: what the translator leaves out by design and plain notes.
NOT_A_LOSS = re.compile(
    r"Skipped block .* keyword: (PROPERTY|PLACE_RULE|PAIR|BUNDLE|PART_LIBRARY|PLACE_BOUNDARY|"
    r"VIA_AT_SMD|CLEARANCE_CLASS)\s*$|Board offseted|has no net assigned|Zero sized pad")


def message_class(line):
    """The text of a report line with names and numbers stripped."""
    line = re.sub(r"<[^>]*>", "<>", line)
    line = re.sub(r"'[^']*'|\"[^\"]*\"", "''", line)
    line = re.sub(r"\S*\d\S*", "#", line)
    line = re.sub(r"(keyword|token|layer|net|image|component|padstack|Pin):? +[^\s,.]+",
                  r"\1 _", line, flags=re.I)
    return re.sub(r"\s+", " ", line).strip()


def report_lines(report):
    return [l.strip() for l in report.splitlines()
            if l.strip().startswith(("ERROR", "WARNING")) or "Unexpected" in l]


# ---- one design ----------------------------------------------------------------------------

def census_one(path, pcbhost):
    with open(path, encoding="latin-1") as f:
        text = f.read()
    design, design_nets, design_refs = design_counts(text)
    row = {"name": os.path.basename(path), "design": design, "board": None, "lines": [],
           "failure": None}
    with tempfile.TemporaryDirectory(prefix="census-") as folder:
        copy = os.path.join(folder, "design.dsn")
        shutil.copyfile(path, copy)
        out = os.path.join(folder, "X.pcbdoc")
        try:
            run = subprocess.run([pcbhost, "import", copy, "--out", out, "--force"],
                                 capture_output=True, timeout=600, cwd=folder)
        except subprocess.TimeoutExpired:
            row["failure"] = "import timed out"
            return row
        rpt = os.path.join(folder, "design.rpt")
        if os.path.exists(rpt):
            with open(rpt, encoding="latin-1") as f:
                row["lines"] = report_lines(f.read())
        if run.returncode != 0 or not os.path.exists(out):
            row["failure"] = "import exit %d: %s" % (
                run.returncode, run.stderr.decode("latin-1").strip()[-200:])
            return row
        with open(out, encoding="utf-8", errors="replace") as f:
            board, board_nets, board_refs = board_counts(json.load(f))
    row["board"] = board
    row["lost_nets"] = sorted(n for n in design_nets if n.upper() not in board_nets)
    row["lost_refs"] = sorted(r for r in design_refs if r.upper() not in board_refs)
    return row


def lost(row):
    if row["board"] is None:
        return dict(row["design"])
    return {k: max(0, row["design"][k] - row["board"][k]) for k in KINDS}


# ---- output --------------------------------------------------------------------------------

def print_table(rows):
    header = "%-58s " % "design" + " ".join("%17s" % k for k in KINDS)
    print("Per design: design/board/lost")
    print(header)
    total = {side: Counter() for side in ("design", "board", "lost")}
    for row in rows:
        loss = lost(row)
        board = row["board"] or {k: 0 for k in KINDS}
        cells = ["%5d/%5d/%5d" % (row["design"][k], board[k], loss[k]) for k in KINDS]
        flag = "  FAILED: " + row["failure"] if row["failure"] else ""
        print("%-58s " % row["name"][:58] + " ".join("%17s" % c for c in cells) + flag)
        for k in KINDS:
            total["design"][k] += row["design"][k]
            total["board"][k] += board[k]
            total["lost"][k] += loss[k]
    print()
    print("Totals over %d designs (%d failed imports)"
          % (len(rows), sum(1 for r in rows if r["failure"])))
    for side in ("design", "board", "lost"):
        print("  %-7s" % side + " ".join("%s=%d" % (k, total[side][k]) for k in KINDS))


def print_causes(rows):
    print()
    print("Report messages (names and numbers stripped): lines, designs, losses of those designs")
    groups, designs = Counter(), {}
    for row in rows:
        for line in row["lines"]:
            key = message_class(line)
            groups[key] += 1
            designs.setdefault(key, set()).add(row["name"])
    by_name = {r["name"]: lost(r) for r in rows}
    for key, count in groups.most_common():
        names = designs[key]
        loss = Counter()
        for n in names:
            loss.update(by_name[n])
        lost_text = " ".join("%s=%d" % (k, loss[k]) for k in KINDS if loss[k])
        print("  %6d lines %4d designs  %s%s" % (count, len(names), key[:110],
                                               ("\n" + " " * 28 + "lost: " + lost_text)
                                               if lost_text else ""))


def print_silent(rows):
    print()
    print("Silent losses (something lost, no report line names a loss):")
    silent = 0
    for row in rows:
        loss = lost(row)
        naming = [l for l in row["lines"] if not NOT_A_LOSS.search(l)]
        if any(loss.values()) and not naming and not row["failure"]:
            silent += 1
            print("  %s: %s" % (row["name"], " ".join(
                "%s=%d" % (k, loss[k]) for k in KINDS if loss[k])))
    print("  %d designs" % silent)
    print()
    print("Designs losing nets or components by name:")
    for row in rows:
        if row.get("lost_nets") or row.get("lost_refs"):
            print("  %s: %d nets (%s) %d components (%s)" % (
                row["name"], len(row["lost_nets"]), " ".join(row["lost_nets"][:5]),
                len(row["lost_refs"]), " ".join(row["lost_refs"][:5])))


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("design_dir")
    parser.add_argument("--pcbhost", default=os.path.join("build", "default", "bin", "pcbhost"))
    parser.add_argument("--jobs", type=int, default=2)
    args = parser.parse_args()
    pcbhost = os.path.abspath(args.pcbhost)
    if not os.access(pcbhost, os.X_OK):
        sys.exit("no pcbhost at %s" % pcbhost)
    paths = sorted(os.path.join(args.design_dir, n) for n in os.listdir(args.design_dir)
                   if n.lower().endswith(".dsn"))
    with concurrent.futures.ThreadPoolExecutor(max(1, args.jobs)) as pool:
        rows = list(pool.map(lambda p: census_one(p, pcbhost), paths))
    print_table(rows)
    print_causes(rows)
    print_silent(rows)


if __name__ == "__main__":
    main()
