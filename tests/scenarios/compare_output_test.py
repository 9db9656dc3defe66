#!/usr/bin/python3
"""The scenario comparison: what it forgives between build types and what it
still reports. Runs compare_output.py as run_scenario.sh does, on small files."""
import os
import subprocess
import sys
import tempfile
import unittest

COMPARER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "compare_output.py")

EXPECTED = """plugin: Ovilux | ovilux | cameras
smooth frames on to the tail camera
camera = -6.564971 501.585785 -4.242641 -10.000000 132.426422 0.000000 1.000000
camera = -20.000000 503.000000 -0.000001 -10.000000 90.000000 0.000000 1.000000
print sim/graphics/view/view_type = 1026
exit 0
"""


def with_line(text, old, new):
    assert old in text
    return text.replace(old, new, 1)


class CompareOutput(unittest.TestCase):
    def compare(self, actual):
        with tempfile.TemporaryDirectory() as folder:
            expected_path = os.path.join(folder, "expected.txt")
            actual_path = os.path.join(folder, "actual.txt")
            with open(expected_path, "w") as file:
                file.write(EXPECTED)
            with open(actual_path, "w") as file:
                file.write(actual)
            result = subprocess.run([sys.executable, COMPARER, expected_path, actual_path],
                                    stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
            return result.returncode, result.stdout

    def assert_agrees(self, actual):
        status, output = self.compare(actual)
        self.assertEqual(status, 0, output)

    def assert_reports(self, actual, reason):
        status, output = self.compare(actual)
        self.assertEqual(status, 1, output)
        self.assertIn(reason, output)

    def test_same_output_agrees(self):
        self.assert_agrees(EXPECTED)

    def test_last_bits_of_a_float_agree(self):
        # What a Release build printed for the smooth join's heading.
        self.assert_agrees(with_line(EXPECTED, "132.426422", "132.426392"))
        self.assert_agrees(with_line(EXPECTED, "-0.000001", "0.000000"))
        self.assert_agrees(with_line(EXPECTED, "-0.000001", "-0.000080"))
        self.assert_agrees(with_line(EXPECTED, "501.585785", "501.586200"))

    def test_a_real_move_is_reported(self):
        self.assert_reports(with_line(EXPECTED, "132.426422", "132.427422"),
                            "line 3: 132.426422 against 132.427422 is beyond the tolerance")
        self.assert_reports(with_line(EXPECTED, "-0.000001", "-0.000201"),
                            "line 4: -0.000001 against -0.000201 is beyond the tolerance")
        self.assert_reports(with_line(EXPECTED, "-6.564971", "6.564971"), "beyond the tolerance")
        self.assert_reports(with_line(EXPECTED, "501.585785", "501.587785"), "beyond the tolerance")

    def test_integers_and_text_must_match_exactly(self):
        self.assert_reports(with_line(EXPECTED, "1026", "1025"), "line 5: text differs")
        self.assert_reports(with_line(EXPECTED, "exit 0", "exit 1"), "line 6: text differs")
        self.assert_reports(with_line(EXPECTED, "tail camera", "nose camera"), "line 2: text differs")
        self.assert_reports(with_line(EXPECTED, "90.000000 0.000000", "90.000000  0.000000"),
                            "line 4: text differs")
        self.assert_reports(with_line(EXPECTED, "1.000000\n", "1.000000 2.000000\n"),
                            "line 3: text differs")
        self.assert_reports(with_line(EXPECTED, "0.000000 1.000000\ncamera = -20",
                                      "nan 1.000000\ncamera = -20"), "line 3: text differs")

    def test_missing_and_extra_lines_are_reported(self):
        self.assert_reports(EXPECTED.replace("exit 0\n", ""), "line 6: line counts differ")
        self.assert_reports(EXPECTED + "speak: Cameras Saved\n", "line 7: line counts differ")

    def test_a_difference_is_shown_as_a_diff(self):
        status, output = self.compare(with_line(EXPECTED, "tail camera", "nose camera"))
        self.assertEqual(status, 1)
        self.assertIn("-smooth frames on to the tail camera", output)
        self.assertIn("+smooth frames on to the nose camera", output)


if __name__ == "__main__":
    unittest.main()
