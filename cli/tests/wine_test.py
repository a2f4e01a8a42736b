#!/usr/bin/env python3
"""pivlon-cli.exe under Wine: Japanese list names in `lists` and in a composed
mail come out right, in text and in the window program's mail file bytes.

    wine_test.py WINE_RUN PIVLON_CLI_EXE SAMPLE_DATA_FOLDER
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

WINE_RUN = PROGRAM = DATA = None
LIST = "日本語リスト"


def dumped_help_mail():
    """The window program's help mail of LIST, from its test dump (CR LF)."""
    with open(os.path.join(DATA, "expected-debug.txt"), "rb") as dump:
        text = dump.read()
    record = text.index(f"<<<<ML Name : {LIST}>>>>".encode("cp932"))
    heading = " ヘルプ ".encode("cp932")
    match = re.compile(b"======" + re.escape(heading) + b"======\r\n(.*?)======", re.S)
    return match.search(text, record).group(1)


class WineTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="pivlon-cli-wine-")
        shutil.copy(os.path.join(DATA, "dump-catalog.dat"), os.path.join(self.folder, "Pivlon.dat"))

    def tearDown(self):
        shutil.rmtree(self.folder)

    def run_cli(self, *arguments):
        # Wine's drive Z: is the root.
        folder = "Z:" + self.folder.replace("/", "\\")
        result = subprocess.run([WINE_RUN, PROGRAM, "--folder", folder, *arguments],
                                capture_output=True, timeout=120, check=False)
        self.assertEqual(result.returncode, 0, result.stderr)
        return result

    def test_lists_shows_japanese_names(self):
        lines = self.run_cli("lists").stdout.decode("utf-8").split("\n")
        self.assertIn(f"{LIST}\tFML\tfml@example.jp\t", lines)

    def test_compose_takes_and_writes_japanese_names(self):
        mail = dumped_help_mail()
        self.assertEqual(self.run_cli("compose", LIST, "help", "--format", "raw").stdout, mail)
        text = self.run_cli("compose", LIST, "help").stdout.decode("utf-8")
        self.assertEqual(text, mail.decode("cp932").replace("\r\n", "\n"))
        self.assertIn(f"Subject: Help {LIST}\n", text)


if __name__ == "__main__":
    WINE_RUN, PROGRAM, DATA = sys.argv[1:4]
    unittest.main(argv=sys.argv[:1], verbosity=2)
