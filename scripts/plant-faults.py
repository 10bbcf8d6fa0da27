#!/usr/bin/env python3
"""Plants known faults into a Markroll tree one at a time and records which of them the tests catch.

    python3 scripts/plant-faults.py --tree DIR --build BUILDDIR [--only ID,ID] [--out results.tsv]

For every fault of the fault file (scripts/faults.txt beside this script unless --faults names another), the
original snippet is looked for in every file under DIR/src and DIR/cli; it must occur exactly once in the whole
tree, wherever the file now lives. The snippet is replaced, BUILDDIR is rebuilt and the whole suite is run; then
the file is put back byte for byte, also after an error or Ctrl-C. A fault is

    killed     the build succeeded and at least one test failed
    survived   the build succeeded and every test passed: the suite does not see this fault
    nocompile  the build failed, so the fault says nothing about the tests
    missing    the snippet occurs nowhere in the tree, or more than once

Before the first fault the unchanged tree is built and tested once; a suite that is not green is no baseline
and the run stops. Each result is a TSV row (id, area, status, failing test count, failing test names,
seconds), written as soon as it is known. Build and test output of every step goes to BUILDDIR/plant-faults-logs.
Files that a test run leaves in the build directory (a fault can make a test write where it should not) are
removed after the run, so they cannot fail the tests of the faults that follow.

The file being changed is also saved under BUILDDIR/plant-faults-journal until it is restored, so a run that was
killed outright is repaired by the next run (or by --check) before anything else happens.

Fault file: blocks that start with "[ID]", then "area: ...", "desc: ...", "original: ..." and
"replacement: ..." lines (the value is taken without the blanks around it). A snippet of several lines is
written as "original<<END" (or "replacement<<END"), the lines, then "END" alone; the lines are taken exactly.
Lines starting with "#" outside a snippet are comments.
"""

import argparse
import hashlib
import json
import os
import re
import signal
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

SEARCH_DIRS = ("src", "cli")
JOURNAL_DIR = "plant-faults-journal"
LOG_DIR = "plant-faults-logs"
TEST_TIMEOUT = 300


@dataclass
class Fault:
    id: str
    area: str
    desc: str
    original: str
    replacement: str
    line: int  # where the block starts in the fault file


class FaultFileError(Exception):
    pass


def parse_faults(path):
    faults = []
    current = None
    fields = {}
    lines = Path(path).read_text(encoding="utf-8").split("\n")
    i = 0

    def finish():
        if current is None:
            return
        fid, start = current
        missing = [k for k in ("area", "desc", "original", "replacement") if k not in fields]
        if missing:
            raise FaultFileError(f"{path}:{start}: fault {fid} lacks {', '.join(missing)}")
        if not fields["original"]:
            raise FaultFileError(f"{path}:{start}: fault {fid} has an empty original snippet")
        if fields["original"] == fields["replacement"]:
            raise FaultFileError(f"{path}:{start}: fault {fid} replaces its snippet by itself")
        faults.append(Fault(fid, fields["area"], fields["desc"], fields["original"], fields["replacement"], start))

    while i < len(lines):
        line = lines[i]
        i += 1
        stripped = line.strip()
        if not stripped or stripped.startswith("#"):
            continue
        header = re.fullmatch(r"\[([A-Za-z0-9_.-]+)\]", stripped)
        if header:
            finish()
            current = (header.group(1), i)
            fields = {}
            continue
        if current is None:
            raise FaultFileError(f"{path}:{i}: text before the first [ID] header")
        heredoc = re.fullmatch(r"(original|replacement)<<(\S+)", stripped)
        if heredoc:
            key, end = heredoc.groups()
            body = []
            while i < len(lines) and lines[i] != end:
                body.append(lines[i])
                i += 1
            if i >= len(lines):
                raise FaultFileError(f"{path}:{current[1]}: fault {current[0]}: no closing {end}")
            i += 1
            fields[key] = "\n".join(body)
            continue
        match = re.fullmatch(r"(area|desc|original|replacement):(.*)", line.lstrip())
        if not match:
            raise FaultFileError(f"{path}:{i}: cannot read this line of fault {current[0]}")
        key, value = match.groups()
        if key in fields:
            raise FaultFileError(f"{path}:{i}: fault {current[0]} gives {key} twice")
        fields[key] = value.strip()
    finish()

    seen = set()
    for f in faults:
        if f.id in seen:
            raise FaultFileError(f"{path}:{f.line}: fault id {f.id} is used twice")
        seen.add(f.id)
    return faults


def tree_files(tree):
    for top in SEARCH_DIRS:
        root = tree / top
        if not root.is_dir():
            continue
        for dirpath, dirnames, filenames in os.walk(root):
            dirnames.sort()
            for name in sorted(filenames):
                path = Path(dirpath) / name
                if path.is_file() and not path.is_symlink():
                    yield path


def locate(tree, snippet):
    """Every (file, offset) where snippet occurs under the searched folders of tree."""
    needle = snippet.encode("utf-8")
    hits = []
    for path in tree_files(tree):
        data = path.read_bytes()
        start = data.find(needle)
        while start >= 0:
            hits.append((path, start))
            start = data.find(needle, start + 1)
    return hits


def describe_hits(tree, hits):
    return ", ".join(f"{p.relative_to(tree)}@{off}" for p, off in hits)


# ----- journal: the original of the file being changed, kept until it is restored -----


def journal_paths(build):
    d = build / JOURNAL_DIR
    return d, d / "entry.json", d / "original.bin"


def sha(data):
    return hashlib.sha256(data).hexdigest()


def journal_write(build, path, original, mutated):
    d, entry, orig = journal_paths(build)
    d.mkdir(parents=True, exist_ok=True)
    orig.write_bytes(original)
    tmp = entry.with_suffix(".tmp")
    tmp.write_text(json.dumps({"path": str(path), "original": sha(original), "mutated": sha(mutated)}))
    os.replace(tmp, entry)


def journal_clear(build):
    d, entry, orig = journal_paths(build)
    for p in (entry, orig):
        if p.exists():
            p.unlink()


def journal_recover(build):
    """Puts back a file that an interrupted run left changed. False when that is not safe to do."""
    _, entry, orig = journal_paths(build)
    if not entry.exists():
        return True
    info = json.loads(entry.read_text())
    path = Path(info["path"])
    original = orig.read_bytes()
    if sha(original) != info["original"]:
        print(f"error: the journal copy of {path} is damaged; restore it by hand", file=sys.stderr)
        return False
    current = path.read_bytes() if path.exists() else None
    if current is not None and sha(current) == info["original"]:
        print(f"note: {path} was already restored; clearing the journal")
    elif current is not None and sha(current) == info["mutated"]:
        path.write_bytes(original)
        print(f"note: restored {path}, left changed by an interrupted run")
    else:
        print(f"error: {path} was left by an interrupted run and has changed since; the original is in {orig}",
              file=sys.stderr)
        return False
    journal_clear(build)
    return True


# ----- running the build and the tests -----


def run(cmd, log, env=None):
    """Runs cmd in a process group of its own, output to log; returns (exit status, output, seconds)."""
    start = time.monotonic()
    with open(log, "wb") as out:
        out.write(("$ " + " ".join(cmd) + "\n").encode())
        out.flush()
        proc = subprocess.Popen(cmd, stdout=out, stderr=subprocess.STDOUT, env=env, start_new_session=True)
        try:
            rc = proc.wait()
        except BaseException:
            # Interrupted: end the compiler or test runner with everything it started.
            for sig in (signal.SIGTERM, signal.SIGKILL):
                try:
                    os.killpg(proc.pid, sig)
                except ProcessLookupError:
                    break
                try:
                    proc.wait(timeout=10)
                    break
                except subprocess.TimeoutExpired:
                    continue
            raise
    text = Path(log).read_text(encoding="utf-8", errors="replace")
    return rc, text, time.monotonic() - start


FAILED_LINE = re.compile(r"^\s*\d+\s+-\s+(.+?)\s+\(([^()]*)\)\s*$")


def failed_tests(output):
    """The names under ctest's "The following tests FAILED:" list."""
    names = []
    lines = output.splitlines()
    for i, line in enumerate(lines):
        if line.strip() == "The following tests FAILED:":
            for entry in lines[i + 1 :]:
                m = FAILED_LINE.match(entry)
                if not m:
                    break
                names.append(m.group(1))
            break
    return names


def build_files(build):
    """Every file and folder under the build directory but this tool's own and ctest's logs."""
    skip = {build / LOG_DIR, build / JOURNAL_DIR, build / "Testing"}
    found = set()
    for dirpath, dirnames, filenames in os.walk(build):
        here = Path(dirpath)
        dirnames[:] = [d for d in dirnames if here / d not in skip]
        found.update(here / d for d in dirnames)
        found.update(here / f for f in filenames)
    return found


def remove_new_files(build, before):
    """Removes what appeared under the build directory since `before`: a fault can make a test leave a file
    in its working folder, and every later run would then fail because of it, not because of its own fault."""
    new = sorted(build_files(build) - before, key=lambda p: len(p.parts), reverse=True)
    for p in new:
        if p.is_dir() and not p.is_symlink():
            if not any(p.iterdir()):
                p.rmdir()
        elif p.exists() or p.is_symlink():
            p.unlink()
    return [str(p.relative_to(build)) for p in new]


def tests_run(output):
    m = re.search(r"tests passed, (\d+) tests failed out of (\d+)", output)
    return int(m.group(2)) if m else 0


class Runner:
    def __init__(self, tree, build, jobs, logs):
        self.tree = tree
        self.build = build
        self.jobs = jobs
        self.logs = logs
        self.env = dict(os.environ, QT_QPA_PLATFORM="offscreen")

    def build_tree(self, tag):
        return run(["cmake", "--build", str(self.build), f"-j{self.jobs}"], self.logs / f"{tag}.build.log")

    def test_tree(self, tag):
        cmd = ["ctest", "--test-dir", str(self.build), f"-j{self.jobs}", "--timeout", str(TEST_TIMEOUT)]
        before = build_files(self.build)
        try:
            return run(cmd, self.logs / f"{tag}.ctest.log", env=self.env)
        finally:
            left = remove_new_files(self.build, before)
            if left:
                print(f"note: {tag}: removed what the tests left in the build directory: {', '.join(left)}",
                      flush=True)


# ----- the run -----


def git_status(tree):
    r = subprocess.run(["git", "-C", str(tree), "status", "--porcelain"], capture_output=True, text=True)
    if r.returncode != 0:
        raise RuntimeError(f"git status failed in {tree}: {r.stderr.strip()}")
    return r.stdout


def on_signal(signum, frame):
    raise KeyboardInterrupt(f"signal {signum}")


def tsv_field(text):
    return text.replace("\t", " ").replace("\n", " ")


def main():
    here = Path(__file__).resolve().parent
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--tree", required=True, type=Path, help="source tree whose src/ and cli/ get the faults")
    ap.add_argument("--build", required=True, type=Path, help="configured build directory of that tree")
    ap.add_argument("--only", help="comma-separated fault ids to run (default: all)")
    ap.add_argument("--out", type=Path, help="TSV file for the results (default: standard output only)")
    ap.add_argument("--faults", type=Path, default=here / "faults.txt", help="fault file (default: %(default)s)")
    ap.add_argument("-j", "--jobs", type=int, default=1, help="parallel build and test jobs (default: 1)")
    ap.add_argument("--check", action="store_true", help="only check that every snippet is found exactly once")
    args = ap.parse_args()

    tree = args.tree.resolve()
    build = args.build.resolve()
    signal.signal(signal.SIGTERM, on_signal)
    signal.signal(signal.SIGHUP, on_signal)

    try:
        faults = parse_faults(args.faults)
    except (OSError, FaultFileError) as e:
        print(f"error: {e}", file=sys.stderr)
        return 2
    if args.only:
        wanted = [x.strip() for x in args.only.split(",") if x.strip()]
        known = {f.id for f in faults}
        unknown = [x for x in wanted if x not in known]
        if unknown:
            print(f"error: no such fault: {', '.join(unknown)}", file=sys.stderr)
            return 2
        faults = [f for f in faults if f.id in wanted]
    if not (tree / "src").is_dir():
        print(f"error: {tree} has no src folder", file=sys.stderr)
        return 2
    if not args.check and not (build / "CMakeCache.txt").exists():
        print(f"error: {build} is not a configured build directory", file=sys.stderr)
        return 2
    if (build / JOURNAL_DIR).exists() and not journal_recover(build):
        return 2

    # Every snippet is checked before anything is built, so a stale fault file shows at once.
    located = {}
    bad = 0
    for f in faults:
        hits = locate(tree, f.original)
        located[f.id] = hits
        if len(hits) != 1:
            bad += 1
            where = f" ({describe_hits(tree, hits)})" if hits else ""
            print(f"error: fault {f.id}: the original snippet occurs {len(hits)} times in src/ and cli/{where}",
                  file=sys.stderr)
    if args.check:
        print(f"{len(faults) - bad} of {len(faults)} faults found exactly once")
        return 1 if bad else 0

    status_before = git_status(tree)
    logs = build / LOG_DIR
    logs.mkdir(parents=True, exist_ok=True)
    runner = Runner(tree, build, args.jobs, logs)

    print(f"baseline: building {build}", flush=True)
    rc, out, secs = runner.build_tree("baseline")
    if rc != 0:
        print(f"error: the unchanged tree does not build (see {logs / 'baseline.build.log'})", file=sys.stderr)
        return 2
    rc, out, tsecs = runner.test_tree("baseline")
    total = tests_run(out)
    if rc != 0 or total == 0:
        failed = failed_tests(out)
        why = f"{len(failed)} failing: {', '.join(failed)}" if failed else "no tests ran" if total == 0 else "ctest failed"
        print(f"error: the baseline is not green ({why}); see {logs / 'baseline.ctest.log'}", file=sys.stderr)
        return 2
    print(f"baseline: {total} tests pass (build {secs:.0f} s, tests {tsecs:.0f} s)", flush=True)

    out_file = open(args.out, "w", encoding="utf-8") if args.out else None
    counts = {"killed": 0, "survived": 0, "nocompile": 0, "missing": 0}
    started = time.monotonic()
    interrupted = False

    def record(f, status, names, secs):
        counts[status] += 1
        row = [f.id, f.area, status, str(len(names)), ",".join(names) if names else "-", f"{secs:.0f}"]
        row = [tsv_field(x) for x in row]
        print(f"{f.id:28} {status:9} {len(names):3}  {secs:5.0f} s  {row[4]}", flush=True)
        if out_file:
            out_file.write("\t".join(row) + "\n")
            out_file.flush()

    if out_file:
        out_file.write("id\tarea\tstatus\tfailed\ttests\tseconds\n")
    try:
        for n, f in enumerate(faults, 1):
            print(f"[{n}/{len(faults)}] {f.id}: {f.desc}", flush=True)
            t0 = time.monotonic()
            hits = locate(tree, f.original)  # again: the tree may have been edited while the run went on
            if len(hits) != 1:
                record(f, "missing", [], 0)
                continue
            path, offset = hits[0]
            original = path.read_bytes()
            needle = f.original.encode("utf-8")
            mutated = original[:offset] + f.replacement.encode("utf-8") + original[offset + len(needle) :]
            journal_write(build, path, original, mutated)
            try:
                path.write_bytes(mutated)
                rc, out, _ = runner.build_tree(f.id)
                if rc != 0:
                    record(f, "nocompile", [], time.monotonic() - t0)
                    continue
                rc, out, _ = runner.test_tree(f.id)
                names = failed_tests(out)
                if rc != 0 and not names:
                    names = [f"(ctest exit status {rc})"]
                record(f, "killed" if rc != 0 else "survived", names if rc != 0 else [], time.monotonic() - t0)
            finally:
                path.write_bytes(original)
                if path.read_bytes() != original:
                    raise RuntimeError(f"could not restore {path}")
                journal_clear(build)
    except KeyboardInterrupt:
        interrupted = True
        print("\ninterrupted; the tree is restored", file=sys.stderr)
    finally:
        if out_file:
            out_file.close()

    # The build directory last held a changed file; bring it back in line with the restored tree.
    if not interrupted and faults:
        rc, _, _ = runner.build_tree("final")
        if rc != 0:
            print(f"warning: rebuilding the restored tree failed (see {logs / 'final.build.log'})", file=sys.stderr)

    ok = True
    if git_status(tree) != status_before:
        print(f"error: git status of {tree} differs from before the run", file=sys.stderr)
        ok = False
    done = sum(counts.values())
    if done:
        print(f"average {(time.monotonic() - started) / done:.0f} s a fault")
    print(
        f"{counts['killed']} killed, {counts['survived']} survived"
        + (f", {counts['nocompile']} did not compile" if counts["nocompile"] else "")
        + (f", {counts['missing']} missing" if counts["missing"] else "")
    )
    if interrupted or not ok:
        return 130 if interrupted else 2
    return 1 if counts["missing"] or counts["nocompile"] else 0


if __name__ == "__main__":
    sys.exit(main())
