#!/usr/bin/env python3
"""Routed designs and our sessions checked by an independent reader: pcb-rnd.

For each routed design (one whose wiring section holds a wire or a via), three boards are
loaded into pcb-rnd in batch mode and their unconnected connections counted with
`AddRats(AllRats)` ("N rat lines remaining"):

  own      the design as it is, with its own wiring;
  bare     the design with its wiring section taken out;
  session  the bare design with the session that `pcbhost import --ses` writes for the design,
           read by pcb-rnd's `ImportSes`.

A faithful session leaves as few rats as the design's own wiring ("session" equal to "own");
"bare" shows how many connections the wiring makes. The session column also gives the wires
and vias ImportSes says it loaded. pcb-rnd 3.0's ImportSes reads only the dialect of the
sessions made for boards it wrote itself (layers named "<group id>__<group name>", numbers in
nm whatever the resolution, vias named "via_<diameter>_<drill>"), so on a session of any other
writer it loads no wire and no via, and the session's rats equal the bare design's. pcb-rnd is not a build requirement and
this check is not part of CI (Debian: `apt-get install pcb-rnd`).

Usage: scripts/pcbrnd_check.py [--pcbhost PATH] [--limit N] [--timeout S] [DESIGN ...]
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


def check(design, pcbhost, timeout):
    with tempfile.TemporaryDirectory(prefix="pcbrnd-check-") as folder:
        text = read(design)
        own = os.path.join(folder, "own.dsn")
        bare = os.path.join(folder, "bare.dsn")
        shutil.copyfile(design, own)
        with open(bare, "w", encoding="utf-8") as f:
            f.write(without_wiring(text))
        run = subprocess.run([pcbhost, "import", own, "--ses", "--force"], capture_output=True,
                             text=True)
        session = os.path.join(folder, "own.ses")
        if run.returncode != 0 or not os.path.exists(session):
            return None
        return {
            "own": count_rats(own, [], timeout),
            "bare": count_rats(bare, [], timeout),
            "session": count_rats(bare, ["ImportSes(%s)" % session], timeout),
        }


def routed_corpus():
    corpus = os.environ.get("SPECCTRAIF_CORPUS") or os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "shared", "corpus")
    if not os.path.isdir(corpus):
        sys.exit("no corpus folder %s; set SPECCTRAIF_CORPUS" % corpus)
    designs = [os.path.join(corpus, n) for n in os.listdir(corpus) if n.endswith(".dsn")]
    designs = [d for d in designs if is_routed(read(d))]
    return sorted(designs, key=os.path.getsize)


def shown(figures):
    return " ".join("%7s" % ("-" if f is None else f) for f in figures[:2])


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("designs", nargs="*")
    parser.add_argument("--pcbhost", default=os.path.join("build", "default", "bin", "pcbhost"))
    parser.add_argument("--limit", type=int, default=0, help="check only the first N designs")
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

    print("%-60s %7s %7s %7s %7s %7s %7s %11s" % ("design", "own", "shorts", "bare", "shorts",
                                                  "session", "shorts", "wires/vias"))
    differing = 0
    for design in designs:
        figures = check(design, pcbhost, args.timeout)
        name = os.path.basename(design)[:60]
        if figures is None:
            print("%-60s pcbhost import failed" % name)
            differing += 1
            continue
        loaded = figures["session"][2]
        print("%-60s %s %s %s %11s" % (name, shown(figures["own"]), shown(figures["bare"]),
                                       shown(figures["session"]), loaded or "-"), flush=True)
        differing += figures["own"][0] != figures["session"][0]
    print("%d of %d designs: the session's figures differ from the design's own" %
          (differing, len(designs)))


if __name__ == "__main__":
    main()
