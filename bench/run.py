#!/usr/bin/env python3
"""Runs every benchmark case and prints one table of ratios against baselines measured in the same
run. scripts/bench builds everything and calls this inside a Wine session; bench/README.md says how
each row is measured.

Environment: BENCH_REPEAT (default 3) runs of each Wine case, BENCH_STARTUP_REPEAT (default 7) runs
of each start-up, BENCH_REPLACE_REPEAT (default 1) runs of Replace All; BENCH_ONLY=encodings runs
only the cases of the UTF-8 rows, BENCH_ONLY=longline those of the long-line and cancel rows,
BENCH_ONLY=counts only the case of the counts. Every ratio is the median of the per-run ratios."""
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
HARNESS = os.path.join(ROOT, "build", "windows-bench", "kakipo_bench.exe")
KAKIPO = os.path.join(ROOT, "build", "windows-bench", "kakipo.exe")
SEARCH_BENCH = os.path.join(ROOT, "build", "bench", "search_bench")
DATA = os.path.join(ROOT, "build", "bench-data")
WORDPAD = r"C:\Program Files\Windows NT\Accessories\wordpad.exe"
REPEAT = int(os.environ.get("BENCH_REPEAT", "3"))
STARTUP_REPEAT = int(os.environ.get("BENCH_STARTUP_REPEAT", "7"))
# Replace All of 100,000 occurrences alone takes two to three minutes a run.
REPLACE_REPEAT = int(os.environ.get("BENCH_REPLACE_REPEAT", "1"))
ONLY = os.environ.get("BENCH_ONLY", "")


def win(path):
    return "Z:" + path.replace("/", "\\")


def data(name):
    return win(os.path.join(DATA, name))


def peak_resident(pid):
    """The kernel's peak resident set of the process (VmHWM), in bytes."""
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return float(line.split()[1]) * 1024
    raise SystemExit(f"bench: no VmHWM for process {pid}")


def harness(*args):
    """Runs one harness case and returns its "name value" lines as a dict. Wine runs the program
    in the process it was started as, so the child's Linux id is the one to read memory from."""
    started = time.time()
    values = {}
    with tempfile.TemporaryFile(mode="w+") as err:
        proc = subprocess.Popen([os.path.join(ROOT, "scripts", "wine-exec"), HARNESS, *args],
                                stdout=subprocess.PIPE, stdin=subprocess.PIPE, stderr=err, text=True)
        for line in proc.stdout:
            parts = line.split()
            if parts == ["memory_probe"]:
                values["memory_kernel"] = peak_resident(proc.pid)
                proc.stdin.write("done\n")
                proc.stdin.flush()
            elif len(parts) == 2:
                values[parts[0]] = float(parts[1])
        proc.wait(timeout=1800)
        if proc.returncode != 0:
            err.seek(0)
            sys.stderr.write(err.read())
            raise SystemExit(f"bench: kakipo_bench {' '.join(args)} failed ({proc.returncode})")
    print(f"  {args[0]:10} {' '.join(args[3:]):5} {time.time() - started:6.1f} s  "
          + "  ".join(f"{k}={v:.4g}" for k, v in values.items()), file=sys.stderr, flush=True)
    return values


def native_search():
    """The engine's throughput as a share of memmem's by row, and fuzzy find's time as a multiple of
    the engine's by row."""
    done = subprocess.run([SEARCH_BENCH, "--benchmark_format=json", "--benchmark_min_time=0.5"],
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, check=True)
    rows = {}
    fuzzy = {}
    for b in json.loads(done.stdout)["benchmarks"]:
        name = b["name"].split("/")[1]
        if "vs_exact" in b:
            fuzzy[name] = b["vs_exact"]
        else:
            rows[name] = b["vs_memmem"]
    return rows, fuzzy


def median(xs):
    return statistics.median(xs) if xs else float("nan")


def remove_work_copies():
    """The copies each case opened and saved over, and the recovery folders."""
    for name in os.listdir(DATA):
        if name.startswith("work"):
            path = os.path.join(DATA, name)
            shutil.rmtree(path) if os.path.isdir(path) else os.remove(path)


def table_rows(rows, ratios, measured, baseline):
    """A function that appends one row of the table for a case and its budget."""
    def row(name, case, budget, unit="s"):
        r = median(ratios[case])
        m, b = median(measured[case]), median(baseline[case])
        ms, bs = (f"{m / 1e6:.0f} MB", f"{b / 1e6:.0f} MB") if unit == "MB" else (f"{m:.3g} s", f"{b:.3g} s")
        if budget is None:  # the control's own figure: nothing of ours to hold to a budget
            rows.append((name, ms, bs, f"{r:.2f}", "-", "-"))
        else:
            rows.append((name, ms, bs, f"{r:.2f}", f"<= {budget}", "yes" if r <= budget else "NO"))
    return row


def print_table(rows):
    print()
    print("| Case | Measured | Baseline | Ratio | Budget | Holds |")
    print("|---|---|---|---|---|---|")
    for r in rows:
        print("| " + " | ".join(r) + " |")


def only_these(cases, rows_of, notes, add, ratios, measured, baseline):
    """A set of cases alone (BENCH_ONLY): cases(add, extra) REPEAT times, then the table of the rows
    that rows_of(row, extra) adds, then what notes(extra) prints under it."""
    extra = {}
    for i in range(REPEAT):
        print(f"bench: run {i + 1} of {REPEAT}", file=sys.stderr)
        cases(add, extra)
    remove_work_copies()
    rows = []
    rows_of(rows, table_rows(rows, ratios, measured, baseline), extra)
    print()
    print(f"Ratios are medians of {REPEAT} runs; measured and baseline columns are medians too.")
    print_table(rows)
    print()
    notes(extra)
    return 0


def encoding_cases(work, add):
    """The UTF-8 rows' cases: the same 10 MB text opened and searched as CP932 and as UTF-8."""
    ours = harness("ours-find", data("big.txt"), work)
    utf8 = harness("ours-find", data("big-utf8.txt"), work)
    add("open_utf8", utf8["open"], ours["open"])
    add("find_utf8", utf8["find"], ours["find"])


def encoding_rows(row):
    row("Open 10 MB as UTF-8 (against CP932)", "open_utf8", 1.3)
    row("Find in 10 MB as UTF-8 (against CP932)", "find_utf8", 1.5)


def long_line_cases(work, add, extra, big_open=None):
    """One run of the long-line rows: one line of 100,000 characters of Japanese prose against 5 MB of
    ordinary lines (both UTF-8), ours and the bare control's; and the open's cancel pressed 3 s into
    the read of big.txt (against its whole open, big_open when the run has measured it) and of the
    long line."""
    ours_long = harness("open", data("long-line.txt"), work, "ours")
    ours_lines = harness("open", data("lines-5mb.txt"), work, "ours")
    bare_long = harness("open", data("long-line.txt"), work, "bare")
    bare_lines = harness("open", data("lines-5mb.txt"), work, "bare")
    add("long_line", ours_long["open"], ours_lines["open"])
    add("long_line_bare", bare_long["open"], bare_lines["open"])
    add("long_line_vs_bare", ours_long["open"], bare_long["open"])
    if big_open is None:
        big_open = harness("ours-find", data("big.txt"), work)["open"]
    cancel = harness("cancel", data("big.txt"), work, "3")
    add("cancel", cancel["cancel_to_end"], big_open)
    extra.setdefault("cancel_opened", []).append(cancel["opened"])
    cancel_long = harness("cancel", data("long-line.txt"), work, "3")
    extra.setdefault("cancel_long", []).append(cancel_long["cancel_to_end"])
    extra.setdefault("cancel_long_opened", []).append(cancel_long["opened"])


def long_line_rows(rows, row, extra):
    row("One line of 100,000 characters against 5 MB of lines (ours)", "long_line", 1.5)
    row("One line of 100,000 characters against 5 MB of lines (bare control)", "long_line_bare", None)
    row("One line of 100,000 characters, ours against the bare control", "long_line_vs_bare", 1.3)
    row("Cancel 3 s into the open of 10 MB, press to the end (against the whole open)", "cancel", 0.25)
    if max(extra["cancel_opened"]):  # a cancel that let the document open fails whatever the time
        rows[-1] = rows[-1][:5] + ("NO (it opened)",)


def long_line_notes(extra):
    print(f"Cancel 3 s into the open of the 100,000-character line: the open ended "
          f"{median(extra['cancel_long']):.3g} s after the press (the control lays a line out in one go), "
          f"the document {'opened all the same' if max(extra['cancel_long_opened']) else 'stayed as it was'}.")


def count_case(work, add, extra):
    """The counts of big.txt: typing with the count window open against closed, and the ticks that
    count the whole document after a pause."""
    counts = harness("counts", data("big.txt"), work)
    add("count_typing", counts["typing_count_open"], counts["typing_count_closed"])
    for key in ("count_ticks", "count_tick_median", "count_tick_longest", "count_work", "count_read_whole",
                "count_whole"):
        extra.setdefault(key, []).append(counts[key])


def count_rows(row):
    row("Typing into 10 MB, count window open vs closed", "count_typing", 1.1)


def count_lines(extra):
    """What counting the 10 MB document costs, printed under the table."""
    return (f"Counting the whole 10 MB document after a pause: {median(extra['count_ticks']):.0f} ticks of "
            f"{median(extra['count_tick_median']) * 1000:.1f} ms (longest "
            f"{median(extra['count_tick_longest']) * 1000:.1f} ms), {median(extra['count_work']):.2f} s of work "
            f"in all; the whole text read at once instead would hold the thread "
            f"{median(extra['count_read_whole']):.2f} s, and counting it {median(extra['count_whole']):.2f} s more.")


def main():
    work = data("")[:-1]
    if harness("gen", work) is None:
        return 1
    ratios = {}
    measured = {}
    baseline = {}
    extra = {}

    def add(case, ours, base):
        measured.setdefault(case, []).append(ours)
        baseline.setdefault(case, []).append(base)
        ratios.setdefault(case, []).append(ours / base)

    tables = (add, ratios, measured, baseline)
    if ONLY == "encodings":
        return only_these(lambda add, extra: encoding_cases(work, add),
                          lambda rows, row, extra: encoding_rows(row), lambda extra: None, *tables)
    elif ONLY == "longline":
        return only_these(lambda add, extra: long_line_cases(work, add, extra), long_line_rows, long_line_notes,
                          *tables)
    elif ONLY == "counts":
        return only_these(lambda add, extra: count_case(work, add, extra),
                          lambda rows, row, extra: count_rows(row),
                          lambda extra: print(count_lines(extra)), *tables)
    elif ONLY:
        raise SystemExit(f"bench: BENCH_ONLY={ONLY} is no set of cases (encodings, longline and counts are)")

    print("bench: start-up", file=sys.stderr)
    for _ in range(STARTUP_REPEAT):
        ours = harness("startup", win(KAKIPO))["startup"]
        theirs = harness("startup", WORDPAD)["startup"]
        add("startup", ours, theirs)

    for i in range(REPEAT):
        print(f"bench: run {i + 1} of {REPEAT}", file=sys.stderr)
        bare = harness("bare", data("big.txt"), work, "text")
        ours = harness("ours-text", data("big.txt"), work)
        add("open_txt", ours["open"], bare["open"])
        add("save_txt", ours["save"], bare["save"])
        add("find", ours["find"], bare["find"])
        add("find_fuzzy", ours["find_fuzzy"], ours["find"])
        add("memory", ours["memory"], bare["memory"])
        utf8 = harness("ours-find", data("big-utf8.txt"), work)
        add("open_utf8", utf8["open"], ours["open"])
        add("find_utf8", utf8["find"], ours["find"])
        bare_rich = harness("bare", data("big.kpo"), work, "rich")
        ours_rich = harness("ours-rich", data("big.kpo"), work)
        add("open_kpo", ours_rich["open"], bare_rich["open"])
        add("save_kpo", ours_rich["save"], bare_rich["save"])
        small = harness("small", data("small.txt"), work)
        add("tick", ours["tick"], small["tick"])
        add("tick_moved", ours["tick_moved"], small["tick_moved"])
        extra.setdefault("line_lookup", []).append(bare["line_lookup"])
        add("typing", ours["typing"], small["typing"])
        bare_small = harness("bare", data("small.txt"), work, "text")
        extra.setdefault("raw_typing", []).append(bare["typing200"] / bare_small["typing200"])
        extra.setdefault("raw_typing_big", []).append(bare["typing200"])
        extra.setdefault("raw_typing_small", []).append(bare_small["typing200"])
        paste = harness("paste", data("big.txt"))
        add("paste", paste["paste"], ours["open"])
        convert = harness("convert", data("convert.txt"))
        add("convert", convert["convert"], convert["paste"])
        extra.setdefault("convert_undo", []).append(convert["convert_undo"])
        quotes = harness("quotes", data("lines.txt"), work, "ours")
        add("quotes", quotes["quotes10000"], quotes["quotes10"])
        raw = harness("quotes", data("lines.txt"), work, "raw")
        extra.setdefault("raw_quotes", []).append(raw["quotes10000"] / raw["quotes10"])
        extra.setdefault("raw_quotes10000", []).append(raw["quotes10000"])
        extra.setdefault("raw_quotes10", []).append(raw["quotes10"])
        recovery = harness("recovery", data("big.txt"), work)
        add("recovery", recovery["typing_on"], recovery["typing_off"])
        extra.setdefault("snapshot", []).append(recovery["snapshot"])
        count_case(work, add, extra)
        if i < REPLACE_REPEAT:
            replace = harness("replace", data("replace.txt"), work)
            add("replace", replace["replace100000"], replace["replace10000"])
        long_line_cases(work, add, extra, ours["open"])

    remove_work_copies()

    print("bench: search engine (native)", file=sys.stderr)
    search, fuzzy = native_search()

    rows = []
    row = table_rows(rows, ratios, measured, baseline)
    row("Start-up", "startup", 1.0)
    row("Open 10 MB .txt", "open_txt", 1.3)
    row("Open 10 MB .kpo", "open_kpo", 1.3)
    row("Save 10 MB .txt", "save_txt", 1.3)
    row("Save 10 MB .kpo", "save_kpo", 1.3)
    row("Find, match at the end of 10 MB", "find", 1.5)
    row("Fuzzy Find, match at the end of 10 MB (against exact)", "find_fuzzy", 3)
    encoding_rows(row)
    row("Replace All, 100,000 occurrences", "replace", 12)
    row("Large paste of 10 MB", "paste", 1.5)
    row("Converting a 1 MB selection to full width (against pasting it)", "convert", 2)
    row("Quote markers on 10,000 lines", "quotes", 50)
    row("Caret tick, caret standing at the end", "tick", 2)
    row("Caret tick, just after the caret moved", "tick_moved", 2)
    row("Typing", "typing", 2)
    row("Typing into a modified 10 MB document, recovery on vs off", "recovery", 1.1)
    count_rows(row)
    row("Memory", "memory", 1.5, "MB")
    long_line_rows(rows, row, extra)
    case_rows = ["MatchCaseDown", "MatchCaseUp", "WholeWordMatchCaseDown"]
    folded_rows = ["FoldedDown", "FoldedUp", "WholeWordFoldedDown", "WholeWordFoldedUp"]
    worst_case = min(search[r] for r in case_rows)
    worst_folded = min(search[r] for r in folded_rows)
    rows.append(("Search engine, match case (slowest row)", "", "memmem", f"{worst_case:.2f}", ">= 0.5",
                 "yes" if worst_case >= 0.5 else "NO"))
    rows.append(("Search engine, folded (slowest row)", "", "memmem", f"{worst_folded:.2f}", ">= 0.25",
                 "yes" if worst_folded >= 0.25 else "NO"))
    worst_fuzzy = max(fuzzy.values())
    rows.append(("Fuzzy find, match at the end of 10 MB (slowest row)", "", "exact find", f"{worst_fuzzy:.2f}",
                 "<= 3", "yes" if worst_fuzzy <= 3 else "NO"))

    print()
    print(f"Ratios are medians of {REPEAT} runs ({STARTUP_REPEAT} for start-up, {min(REPLACE_REPEAT, REPEAT)} "
          "for Replace All); measured and baseline columns are medians too.")
    print_table(rows)
    print()
    print("The bare control alone, quote markers: 10,000 insertions "
          f"{median(extra['raw_quotes10000']):.3g} s, 10 insertions {median(extra['raw_quotes10']):.3g} s, "
          f"ratio {median(extra['raw_quotes']):.0f}.")
    print(f"The bare control alone, one EM_EXLINEFROMCHAR at the end of 10 MB: "
          f"{median(extra['line_lookup']) * 1000:.2f} ms, against a whole caret tick on 1 KB of "
          f"{median(baseline['tick_moved']) * 1000:.2f} ms.")
    print(f"The bare control alone, 200 characters typed at the end: 10 MB "
          f"{median(extra['raw_typing_big']):.3g} s, 1 KB {median(extra['raw_typing_small']):.3g} s, "
          f"ratio {median(extra['raw_typing']):.2f}.")
    print(f"Undoing the conversion of 1 MB: {median(extra['convert_undo']):.3g} s.")
    print(f"One recovery snapshot of the 10 MB document on the user-interface thread: "
          f"{median(extra['snapshot']):.3g} s (at most one per 30 s of typing that never pauses).")
    long_line_notes(extra)
    print(count_lines(extra))
    print("Search engine rows (bufKensak throughput / memmem's): "
          + ", ".join(f"{k} {v:.2f}" for k, v in search.items()))
    print("Fuzzy find rows (time / the exact engine's on the same UTF-8 text): "
          + ", ".join(f"{k} {v:.2f}" for k, v in fuzzy.items()))
    return 0


if __name__ == "__main__":
    sys.exit(main())
