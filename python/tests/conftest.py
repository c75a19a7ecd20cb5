"""Shared pieces of the module's tests: the reference tables of tests/data and the batch
program, when the build tree has one, to compare with."""
import csv
import os
import subprocess
from pathlib import Path

import pytest

DATA = Path(os.environ.get("EMBERLIN_TEST_DATA_DIR",
                           Path(__file__).resolve().parents[2] / "tests" / "data"))


def read_table(name):
    """Rows of a tests/data CSV as dicts of the cells' texts, comments skipped."""
    with open(DATA / name, newline="") as table:
        lines = [line for line in table if line.strip() and not line.startswith("#")]
    return list(csv.DictReader(lines))


def tolerance(text):
    """Half a unit of the last printed digit; an integer's trailing zeros beyond three
    significant digits are not printed digits (the C++ tests' rule)."""
    if "." in text:
        return 0.5 * 10.0 ** -(len(text) - text.index(".") - 1)
    significant = max(3, len(text.rstrip("0")))
    return 0.5 * 10.0 ** (len(text) - min(significant, len(text)))


@pytest.fixture
def batch(tmp_path):
    """Runs `emberlin COMMAND` over the rows given (a heading and lists of cells) and
    returns the output rows as dicts; skips where this tree builds no program."""
    program = os.environ.get("EMBERLIN_PROGRAM")
    if not program:
        pytest.skip("no batch program in this build tree (EMBERLIN_WITH_QT=OFF)")

    def run(command, heading, rows, options=()):
        source = tmp_path / "in.csv"
        with open(source, "w", newline="") as f:
            writer = csv.writer(f)
            writer.writerow(heading)
            writer.writerows(rows)
        target = tmp_path / "out.csv"
        done = subprocess.run([program, command, *options, str(source), "-o", str(target)],
                              capture_output=True, text=True, timeout=60)
        assert done.returncode == 0, done.stderr
        with open(target, newline="") as f:
            return list(csv.DictReader(f))

    return run
