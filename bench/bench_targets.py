#!/usr/bin/env python3
"""Measures whole pcbhost processes on generated routed designs of several sizes, side by side
in one run: the bare tokenizer, the import, both exports, info and render. Prints one Markdown
table, the growth exponents between the smallest and the largest size, and the speed and
memory targets with pass or fail beside each.

Each step is run N times; the table gives the median wall time and the largest peak resident
memory (from /usr/bin/time). Designs are generated once per size and reused. MB means MiB."""

import argparse
import math
import os
import resource
import statistics
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass, field

MIB = 1 << 20

# Targets of the import at the reference size (64 MB) and over all sizes.
IMPORT_MB_PER_S = 15.0
IMPORT_OVER_LEXER = 40.0
GROWTH_EXPONENT = 1.1
PEAK_OVER_DESIGN = 10.0
DOCUMENT_OVER_DESIGN = 3.0
INFO_SECONDS = 3.0
RENDER_SECONDS = 10.0
REFERENCE_MB = 64
LARGEST_MB = 256


@dataclass
class Measure:
    seconds: list = field(default_factory=list)
    peak_kib: int = 0
    failure: str = ""
    output_bytes: int = 0

    @property
    def median(self):
        return statistics.median(self.seconds) if self.seconds else math.nan


@dataclass
class Step:
    name: str
    output: str  # extension of the file the step writes, "" for none

    def command(self, bin_dir, design, stem):
        pcbhost = os.path.join(bin_dir, "pcbhost")
        document = stem + ".pcbdoc"
        if self.name == "lexer":
            return [os.path.join(bin_dir, "lex_design"), design]
        if self.name == "import":
            return [pcbhost, "import", design, "--out", document, "--force"]
        if self.name in ("export-session", "export-routes"):
            return [pcbhost, self.name, document, "--out", stem + "." + self.output]
        if self.name == "info":
            return [pcbhost, "info", document]
        return [pcbhost, "render", document, "--out", stem + ".svg"]


STEPS = [Step("lexer", ""), Step("import", "pcbdoc"), Step("export-session", "ses"),
         Step("export-routes", "rte"), Step("info", ""), Step("render", "svg")]


def run_timed(command, limit_bytes=None):
    """Runs the command once; answers (seconds, peak KiB, exit status, standard error)."""
    with tempfile.NamedTemporaryFile(mode="r", suffix=".time") as report:
        def limit():
            if limit_bytes:
                resource.setrlimit(resource.RLIMIT_AS, (limit_bytes, limit_bytes))
        start = time.perf_counter()
        done = subprocess.run(["/usr/bin/time", "-f", "%M", "-o", report.name] + command,
                              stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True,
                              preexec_fn=limit)
        seconds = time.perf_counter() - start
        lines = [line for line in report.read().splitlines() if line.strip()]
    peak = int(lines[-1]) if lines and lines[-1].strip().isdigit() else 0
    return seconds, peak, done.returncode, done.stderr


def ensure_design(bin_dir, folder, megabytes):
    path = os.path.join(folder, f"routed_{megabytes}mb.dsn")
    if not os.path.exists(path):
        print(f"generating {path}", file=sys.stderr)
        subprocess.run([os.path.join(bin_dir, "generate_design"), path + ".part", str(megabytes)],
                       check=True)
        os.replace(path + ".part", path)
    return path


def measure_size(bin_dir, folder, megabytes, runs):
    design = ensure_design(bin_dir, folder, megabytes)
    stem = os.path.join(folder, f"routed_{megabytes}mb")
    results = {}
    for step in STEPS:
        measure = Measure()
        results[step.name] = measure
        if step.name != "lexer" and step.name != "import" and results["import"].failure:
            measure.failure = "no board"
            continue
        for _ in range(runs):
            print(f"{megabytes} MB: {step.name}", file=sys.stderr)
            seconds, peak, status, errors = run_timed(step.command(bin_dir, design, stem))
            if status != 0:
                last = errors.strip().splitlines()[-1:] or [""]
                measure.failure = f"exit {status}: {last[0][:80]}"
                break
            measure.seconds.append(seconds)
            measure.peak_kib = max(measure.peak_kib, peak)
        if step.output and not measure.failure:
            measure.output_bytes = os.path.getsize(stem + "." + step.output)
    return os.path.getsize(design), results


def exponent(small, large, pick):
    (size1, results1), (size2, results2) = small, large
    value1, value2 = pick(results1), pick(results2)
    if size1 == size2 or not value1 or not value2 or math.isnan(value1) or math.isnan(value2):
        return math.nan
    return math.log(value2 / value1) / math.log(size2 / size1)


def print_table(sizes, table, runs):
    print(f"| design | step | seconds (median of {runs}) | MB/s | peak MB | peak / design "
          "| output / design |")
    print("|---|---|---|---|---|---|---|")
    for megabytes in sizes:
        design_bytes, results = table[megabytes]
        for step in STEPS:
            m = results[step.name]
            if m.failure:
                print(f"| {megabytes} MB | {step.name} | failed ({m.failure}) | | | | |")
                continue
            rate = design_bytes / MIB / m.median
            peak = m.peak_kib / 1024
            output = f"{m.output_bytes / design_bytes:.2f}" if step.output else ""
            print(f"| {megabytes} MB | {step.name} | {m.median:.3f} | {rate:.1f} | {peak:.0f} "
                  f"| {peak * MIB / design_bytes:.1f} | {output} |")


def print_exponents(sizes, table):
    small, large = table[sizes[0]], table[sizes[-1]]
    print()
    print(f"Growth exponents from {sizes[0]} to {sizes[-1]} MB "
          "(log(t2/t1)/log(s2/s1); 1 is linear):")
    for step in STEPS:
        seconds = exponent(small, large, lambda r, n=step.name: r[n].median)
        memory = exponent(small, large, lambda r, n=step.name: r[n].peak_kib)
        print(f"- {step.name}: time {seconds:.2f}, peak memory {memory:.2f}")
    return exponent(small, large, lambda r: r["import"].median)


def verdict(ok):
    return "PASS" if ok else "FAIL"


def out_of_memory_check(bin_dir, folder, design, peak_kib):
    """Imports under an address-space limit below the import's need: pcbhost must end with one
    error line and exit 1, and leave no board document behind."""
    document = os.path.join(folder, "out_of_memory.pcbdoc")
    if os.path.exists(document):
        os.remove(document)
    before = set(os.listdir(folder))
    limit = max(40 * MIB, peak_kib * 1024 // 2)
    _, _, status, errors = run_timed(
        [os.path.join(bin_dir, "pcbhost"), "import", design, "--out", document], limit)
    left = sorted(set(os.listdir(folder)) - before)
    lines = [line for line in errors.splitlines() if line.strip()]
    ok = status == 1 and len(lines) == 1 and not left
    detail = f"address space {limit // MIB} MB: exit {status}, {len(lines)} error line(s)"
    if lines:
        detail += f' ("{lines[-1][:70]}")'
    if left:
        detail += ", left " + ", ".join(
            f"{name} ({os.path.getsize(os.path.join(folder, name))} bytes)" for name in left)
    for name in left:
        os.remove(os.path.join(folder, name))
    return ok, detail


def print_targets(sizes, table, import_exponent, oom):
    reference = REFERENCE_MB if REFERENCE_MB in table else sizes[-1]
    note = "" if reference == REFERENCE_MB else f" (measured at {reference} MB, not 64 MB)"
    design_bytes, ref = table[reference]
    imp = ref["import"]
    print()
    print("Targets:")

    def line(ok, text):
        print(f"- {verdict(ok)}: {text}")

    rate = design_bytes / MIB / imp.median if not imp.failure else 0.0
    line(not imp.failure and rate >= IMPORT_MB_PER_S,
         f"import at >= {IMPORT_MB_PER_S:g} MB/s at 64 MB: {rate:.1f} MB/s{note}")
    worst_ratio, worst_at = 0.0, sizes[0]
    for megabytes in sizes:
        results = table[megabytes][1]
        if results["import"].failure or results["lexer"].failure:
            worst_ratio, worst_at = math.inf, megabytes
            continue
        ratio = results["import"].median / results["lexer"].median
        if ratio > worst_ratio:
            worst_ratio, worst_at = ratio, megabytes
    line(worst_ratio <= IMPORT_OVER_LEXER,
         f"import within {IMPORT_OVER_LEXER:g}x the bare tokenizer: worst {worst_ratio:.0f}x "
         f"(at {worst_at} MB)")
    if len(sizes) < 2:
        print(f"- not measured: import growth exponent <= {GROWTH_EXPONENT:g} (needs two sizes)")
    else:
        line(not math.isnan(import_exponent) and import_exponent <= GROWTH_EXPONENT,
             f"import growth exponent <= {GROWTH_EXPONENT:g} (16 to 256 MB): "
             f"{import_exponent:.2f} from {sizes[0]} to {sizes[-1]} MB")
    worst_peak, worst_step = 0.0, ""
    for megabytes in sizes:
        size, results = table[megabytes]
        for step in STEPS:
            ratio = results[step.name].peak_kib * 1024 / size
            if ratio > worst_peak:
                worst_peak, worst_step = ratio, f"{step.name} at {megabytes} MB"
    line(worst_peak <= PEAK_OVER_DESIGN,
         f"peak memory <= {PEAK_OVER_DESIGN:g}x the design: worst {worst_peak:.1f}x ({worst_step})")
    if LARGEST_MB in table:
        line(not table[LARGEST_MB][1]["import"].failure, "the 256 MB design imports")
    else:
        print("- not measured: the 256 MB design imports")
    for export in ("export-session", "export-routes"):
        m = ref[export]
        line(not m.failure and not imp.failure and m.median <= imp.median,
             f"{export} no slower than the import: {m.median:.2f} s against {imp.median:.2f} s"
             f"{note}")
    for step, limit in (("info", INFO_SECONDS), ("render", RENDER_SECONDS)):
        m = ref[step]
        line(not m.failure and m.median <= limit,
             f"{step} <= {limit:g} s on the 64 MB board: {m.median:.2f} s{note}")
    worst_document = max((table[s][1]["import"].output_bytes / table[s][0] for s in sizes),
                         default=0.0)
    line(0 < worst_document <= DOCUMENT_OVER_DESIGN,
         f".pcbdoc <= {DOCUMENT_OVER_DESIGN:g}x the design: worst {worst_document:.2f}x")
    failures = [f"{s} MB {n}: {table[s][1][n].failure}" for s in sizes for n in table[s][1]
                if table[s][1][n].failure.startswith("exit -")]
    ok, detail = oom
    line(ok and not failures,
         "out of memory ends pcbhost with one line and exit 1, no half file: " + detail
         + ("; aborted: " + "; ".join(failures) if failures else ""))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--sizes", type=int, nargs="+", default=[16, 64, 256],
                        help="design sizes in MB (default: 16 64 256)")
    parser.add_argument("--runs", type=int, default=3, help="runs per step (median; default 3)")
    parser.add_argument("--bin", required=True, help="folder of pcbhost and the bench tools")
    parser.add_argument("--designs", required=True, help="folder of the generated designs")
    options = parser.parse_args()
    sizes = sorted(set(options.sizes))
    os.makedirs(options.designs, exist_ok=True)
    table = {mb: measure_size(options.bin, options.designs, mb, options.runs) for mb in sizes}
    smallest_design = os.path.join(options.designs, f"routed_{sizes[0]}mb.dsn")
    oom = out_of_memory_check(options.bin, options.designs, smallest_design,
                              table[sizes[0]][1]["import"].peak_kib)
    print_table(sizes, table, options.runs)
    import_exponent = print_exponents(sizes, table)
    print_targets(sizes, table, import_exponent, oom)


if __name__ == "__main__":
    main()
