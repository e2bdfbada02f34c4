#!/usr/bin/env python3
"""Routed designs and our sessions checked by an independent reader: pcb-rnd.

For each routed design (one whose wiring section holds a wire or a via), boards are loaded
into pcb-rnd in batch mode and their unconnected connections counted with `AddRats(AllRats)`
("N rat lines remaining"), beside the short warnings pcb-rnd prints:

  own      the design as it is, with its own wiring;
  bare     the design with its wiring section taken out;
  session  the bare design with a wiring section made from the network_out of the session that
           `pcbhost import --ses` writes for the design: every wire and via of the session,
           in the design's unit, layer and padstack names spelled as the design spells them
           (the session gives unquoted words as the import read them, upper-cased), each with
           its net. pcb-rnd reads it with the same design reader as "own".
  ses      (with --import-ses) the bare design with the session read by pcb-rnd's `ImportSes`.
           pcb-rnd 3.0 reads there only the dialect of sessions made for boards it wrote
           itself (layers named "<group id>__<group name>", numbers in nm whatever the
           resolution, vias named "via_<diameter>_<drill>"): on any other session it loads no
           wire; the column gives the wires and vias it says it loaded.

A faithful session leaves as few rats as the design's own wiring ("session" equal to "own");
"bare" shows how many connections the wiring makes. pcb-rnd is not a build requirement and
this check is not part of CI (Debian: `apt-get install pcb-rnd`).

Usage: scripts/pcbrnd_check.py [--pcbhost PATH] [--limit N] [--timeout S] [--import-ses]
                               [DESIGN ...]
Without designs, every routed design of $SPECCTRAIF_CORPUS (else ../shared/corpus) is taken,
smallest first.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile

RATS = re.compile(r"(\d+) rat lines? remaining")
# What AddRats says when it adds no rat line.
NO_RATS = re.compile(r"Nothing more to add|The layout is complete")
SHORT = re.compile(r"^W: SHORT: ", re.M)
LOADED = re.compile(r"import_dsn: loaded (\d+) wires and (\d+) vias")


def read(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return f.read()


def block_end(text, start, quote='"'):
    """The index after the parenthesis that closes the block opening at start."""
    depth = 0
    at = start
    while at < len(text):
        c = text[at]
        if c == quote:
            close = text.find(quote, at + 1)
            at = len(text) if close < 0 else close + 1
            continue
        if c == "(":
            depth += 1
        elif c == ")":
            depth -= 1
            if depth == 0:
                return at + 1
        at += 1
    return len(text)


def wiring_start(text):
    match = re.search(r"\(\s*wiring\b", text)
    return match.start() if match else -1


def is_routed(text):
    start = wiring_start(text)
    return start >= 0 and re.search(r"\(\s*(wire|via)\b", text[start:block_end(text, start)])


def without_wiring(text):
    start = wiring_start(text)
    return text if start < 0 else text[:start] + text[block_end(text, start):]


MM_PER = {"inch": 25.4, "mil": 0.0254, "cm": 10.0, "mm": 1.0, "um": 0.001}


def tokens(text, quote):
    """Parentheses and words of a text; a quoted word keeps its quotes."""
    return re.findall(r"[()]|%s[^%s]*%s|[^\s()]+" % (quote, quote, quote), text)


def tree(words):
    """Nested lists from tokens."""
    stack = [[]]
    for word in words:
        if word == "(":
            stack.append([])
        elif word == ")":
            if len(stack) > 1:
                done = stack.pop()
                stack[-1].append(done)
        else:
            stack[-1].append(word)
    while len(stack) > 1:
        done = stack.pop()
        stack[-1].append(done)
    return stack[0]


def child(block, head):
    for item in block:
        if isinstance(item, list) and item and isinstance(item[0], str) and item[0].lower() == head:
            return item
    return None


def design_unit_mm(text):
    unit = re.search(r"\(\s*unit\s+(\w+)", text)
    resolution = re.search(r"\(\s*resolution\s+(\w+)", text)
    word = (unit or resolution).group(1).lower() if (unit or resolution) else "mil"
    return MM_PER.get(word, 0.0254)


def design_names(text, keyword):
    """The design's names after a keyword ('layer', 'padstack') by their upper-cased spelling."""
    names = re.findall(r'\(\s*%s\s+("[^"]*"|[^\s()]+)' % keyword, text)
    return {n.strip('"').upper(): n.strip('"') for n in names}


def quoted(name):
    return '"%s"' % name if re.search(r'[\s()]', name) or not name else name


def session_as_wiring(session, design):
    """A design wiring section holding the wires and vias of a session's network_out."""
    root = tree(tokens(session, "'"))
    routes = child(root[0], "routes") if root and isinstance(root[0], list) else None
    resolution = child(routes, "resolution") if routes else None
    network = child(routes, "network_out") if routes else None
    if not resolution or not network:
        return "(wiring)"
    scale = MM_PER[resolution[1].lower()] / float(resolution[2]) / design_unit_mm(design)
    layers = design_names(design, "layer")
    padstacks = design_names(design, "padstack")
    number = lambda word: "%.6g" % (float(word) * scale)
    lines = ["(wiring"]
    for net in network:
        if not (isinstance(net, list) and net and net[0] == "net"):
            continue
        name = quoted(net[1].strip("'"))
        for item in net[2:]:
            if not isinstance(item, list) or not item:
                continue
            if item[0] == "wire" and len(item) > 1 and isinstance(item[1], list):
                shape = item[1]
                layer = layers.get(shape[1].strip("'").upper(), shape[1].strip("'"))
                coords = " ".join(number(w) for w in shape[3:] if isinstance(w, str))
                lines.append("  (wire (%s %s %s %s) (net %s))" % (
                    shape[0], quoted(layer), number(shape[2]), coords, name))
            elif item[0] == "via":
                padstack = padstacks.get(item[1].strip("'").upper(), item[1].strip("'"))
                lines.append("  (via %s %s %s (net %s))" % (
                    quoted(padstack), number(item[2]), number(item[3]), name))
    lines.append(")")
    return "\n".join(lines)


def with_wiring(text, wiring):
    """The design with its wiring section replaced (or added before its closing parenthesis)."""
    start = wiring_start(text)
    if start >= 0:
        return text[:start] + wiring + text[block_end(text, start):]
    end = text.rstrip().rfind(")")
    return text[:end] + wiring + "\n" + text[end:]


def count_rats(board, actions, timeout):
    """Loads the board into pcb-rnd, runs the actions, then AddRats; the rats, the short
    warnings it printed and what ImportSes loaded (or None for each that it did not say)."""
    script = "".join(a + "\n" for a in actions) + "AddRats(AllRats)\n"
    try:
        run = subprocess.run(["pcb-rnd", "--gui", "batch", board], input=script, text=True,
                             capture_output=True, timeout=timeout, errors="replace")
    except subprocess.TimeoutExpired:
        return None, None
    said = run.stdout + run.stderr
    found = RATS.findall(said)
    if found:
        rats = int(found[-1])
    elif NO_RATS.search(said):
        rats = 0
    else:
        return None, None, None
    loaded = LOADED.findall(said)
    return rats, len(SHORT.findall(said)), "/".join(loaded[-1]) if loaded else None


def check(design, pcbhost, timeout, import_ses):
    with tempfile.TemporaryDirectory(prefix="pcbrnd-check-") as folder:
        text = read(design)
        own = os.path.join(folder, "own.dsn")
        bare = os.path.join(folder, "bare.dsn")
        ours = os.path.join(folder, "ours.dsn")
        shutil.copyfile(design, own)
        with open(bare, "w", encoding="utf-8") as f:
            f.write(without_wiring(text))
        run = subprocess.run([pcbhost, "import", own, "--ses", "--force"], capture_output=True,
                             text=True)
        session = os.path.join(folder, "own.ses")
        if run.returncode != 0 or not os.path.exists(session):
            return None
        with open(ours, "w", encoding="utf-8") as f:
            f.write(with_wiring(text, session_as_wiring(read(session), text)))
        figures = {
            "own": count_rats(own, [], timeout),
            "bare": count_rats(bare, [], timeout),
            "session": count_rats(ours, [], timeout),
        }
        if import_ses:
            figures["ses"] = count_rats(bare, ["ImportSes(%s)" % session], timeout)
        return figures


def routed_corpus():
    corpus = os.environ.get("SPECCTRAIF_CORPUS") or os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "shared", "corpus")
    if not os.path.isdir(corpus):
        sys.exit("no corpus folder %s; set SPECCTRAIF_CORPUS" % corpus)
    designs = [os.path.join(corpus, n) for n in os.listdir(corpus) if n.endswith(".dsn")]
    designs = [d for d in designs if is_routed(read(d))]
    return sorted(designs, key=os.path.getsize)


def shown(figures):
    return " ".join("%6s" % ("-" if f is None else f) for f in figures[:2])


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("designs", nargs="*")
    parser.add_argument("--pcbhost", default=os.path.join("build", "default", "bin", "pcbhost"))
    parser.add_argument("--limit", type=int, default=0, help="check only the first N designs")
    parser.add_argument("--import-ses", action="store_true",
                        help="also give pcb-rnd the session itself through ImportSes")
    parser.add_argument("--timeout", type=int, default=600, help="seconds per pcb-rnd run")
    args = parser.parse_args()
    if not shutil.which("pcb-rnd"):
        sys.exit("pcb-rnd is not installed (Debian: apt-get install pcb-rnd)")
    pcbhost = os.path.abspath(args.pcbhost)
    if not os.access(pcbhost, os.X_OK):
        sys.exit("no pcbhost at %s" % pcbhost)
    designs = args.designs or routed_corpus()
    if args.limit:
        designs = designs[:args.limit]

    columns = ["own", "bare", "session"] + (["ses"] if args.import_ses else [])
    print("%-60s" % "design" + "".join(" %7s shorts" % c for c in columns) +
          (" wires/vias" if args.import_ses else ""))
    differing = 0
    for design in designs:
        figures = check(design, pcbhost, args.timeout, args.import_ses)
        name = os.path.basename(design)[:60]
        if figures is None:
            print("%-60s pcbhost import failed" % name)
            differing += 1
            continue
        line = "%-60s" % name + "".join(" " + shown(figures[c]) for c in columns)
        if args.import_ses:
            line += " %10s" % (figures["ses"][2] or "-")
        print(line, flush=True)
        differing += figures["own"][0] != figures["session"][0]
    print("%d of %d designs: the session leaves other rats than the design's own wiring" %
          (differing, len(designs)))


if __name__ == "__main__":
    main()
