#!/usr/bin/python3
"""Compares a scenario's output with its expected file.

    compare_output.py EXPECTED ACTUAL

Every decimal number (one with a point or an exponent) may differ by a small
tolerance; everything else, integers included, must match exactly. Exit 0 when
they agree, 1 with a diff and the first disagreement otherwise.

Why the tolerance: poses are single-precision floats printed with "%.6f". A
float carries 24 bits, so a compiler that orders or fuses the arithmetic
differently (the default build against Release) moves the last bit or two:
132.426422 against 132.426392 is two steps of a float near 132. RELATIVE allows about
eight such steps at any magnitude; ABSOLUTE covers values near zero that come
out of cancelling coordinates of a few hundred metres (a float step at 500 m is
3e-5). Anything the plug-in really does to a camera moves it by a millimetre or
a thousandth of a degree or more, which both still catch.
"""
import difflib
import re
import sys

ABSOLUTE = 1e-4
RELATIVE = 1e-6

# A decimal number, not glued to a preceding letter, digit or point (so "v2.5"
# or "1.2.3" stay text unless they are numbers on their own).
NUMBER = re.compile(r"(?<![\w.])[-+]?(?:\d+\.\d+|\.\d+|\d+(?=[eE]))(?:[eE][-+]?\d+)?(?![\w.])")


def split_line(line):
    """Returns the text between decimal numbers and the numbers themselves."""
    texts, numbers, start = [], [], 0
    for match in NUMBER.finditer(line):
        texts.append(line[start:match.start()])
        numbers.append(match.group())
        start = match.end()
    texts.append(line[start:])
    return texts, numbers


def numbers_agree(expected, actual):
    a, b = float(expected), float(actual)
    return abs(a - b) <= max(ABSOLUTE, RELATIVE * max(abs(a), abs(b)))


def line_difference(expected, actual):
    """Returns why two lines disagree, or None when they agree."""
    if expected == actual:
        return None
    expected_texts, expected_numbers = split_line(expected)
    actual_texts, actual_numbers = split_line(actual)
    if expected_texts != actual_texts or len(expected_numbers) != len(actual_numbers):
        return "text differs"
    for want, got in zip(expected_numbers, actual_numbers):
        if not numbers_agree(want, got):
            return "%s against %s is beyond the tolerance" % (want, got)
    return None


def first_difference(expected_lines, actual_lines):
    for number, (want, got) in enumerate(zip(expected_lines, actual_lines), 1):
        reason = line_difference(want, got)
        if reason:
            return number, reason
    if len(expected_lines) != len(actual_lines):
        return min(len(expected_lines), len(actual_lines)) + 1, "line counts differ"
    return None


def read_lines(path):
    with open(path, encoding="utf-8", errors="surrogateescape") as file:
        return file.read().splitlines()


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: compare_output.py EXPECTED ACTUAL\n")
        return 2
    expected, actual = read_lines(argv[1]), read_lines(argv[2])
    difference = first_difference(expected, actual)
    if difference is None:
        return 0
    sys.stdout.writelines(line + "\n" for line in difflib.unified_diff(
        expected, actual, argv[1], argv[2], lineterm=""))
    print("line %d: %s" % difference)
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
