#!/usr/bin/env python3
"""pivlon-cli's mails read back by real mail tools: Python's email package and
mutt for --format eml, urllib for --format mailto, and `open` through a stand-in
xdg-open on PATH.

    mail_clients_test.py PIVLON_CLI SAMPLE_DATA_FOLDER
"""
import email
import email.policy
import os
import shutil
import subprocess
import sys
import tempfile
import unittest
import urllib.parse

PROGRAM = DATA = None

# Its subject needs more than one encoded word.
LONG_NAME = "とても長い名前の日本語メーリングリストで件名が一行に収まらないもの"
LONG_LIST = f"[{LONG_NAME}]\r\nType=2\r\nTo=long@example.jp\r\n".encode("cp932")

SETTINGS = b"[ml-majordomo]\r\nMailAddr=me@example.org\r\nMemberNo=1234\r\nPassword=pw\r\n"

# Mails of every family, ASCII and Japanese, with and without a body.
MAILS = [
    ["ml-majordomo", "get", "--numbers", "1-3,7"],
    ["ml-majordomo", "change-address", "--specify-address", "--new-address", "new@example.org"],
    ["日本語リスト", "join"],
    ["日本語リスト", "digest-join", "--parameter", "3mp"],
    ["日本語リスト", "get", "--numbers", "1-10,13"],
    ["cml", "join"],
    [LONG_NAME, "help"],
    ["cml", "leave", "--member-number", "42", "--password", "秘密"],
]


class CliFolder(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="pivlon-cli-")
        shutil.copy(os.path.join(DATA, "dump-catalog.dat"), os.path.join(self.folder, "Pivlon.dat"))
        with open(os.path.join(self.folder, "Pivlon.ini"), "wb") as settings:
            settings.write(SETTINGS)
        with open(os.path.join(self.folder, "Pivlon.dat"), "ab") as catalog:
            catalog.write(LONG_LIST)

    def tearDown(self):
        shutil.rmtree(self.folder)

    def run_cli(self, *arguments, env=None):
        return subprocess.run([PROGRAM, "--folder", self.folder, *arguments],
                              capture_output=True, env=env, check=False)

    def output_of(self, *arguments):
        result = self.run_cli(*arguments)
        self.assertEqual(result.returncode, 0, result.stderr)
        return result.stdout

    def parts_of(self, mail):
        """To, subject and body of the text form, which is what the mail says."""
        text = self.output_of("compose", *mail).decode("utf-8")
        header, body = text.split("\n\n", 1)
        to_line, subject_line = header.split("\n")
        self.assertTrue(to_line.startswith("TO: ") and subject_line.startswith("Subject: "))
        return to_line[4:], subject_line[9:], body


class EmlTest(CliFolder):
    def test_the_email_package_decodes_what_the_mail_says(self):
        for mail in MAILS:
            with self.subTest(mail=mail):
                to, subject, body = self.parts_of(mail)
                eml = self.output_of("compose", *mail, "--format", "eml")
                self.assertTrue(all(byte < 0x80 for byte in eml), "7bit")
                lines = eml.split(b"\r\n")
                self.assertNotIn(b"\n", b"".join(lines))
                self.assertLessEqual(max(len(line) for line in lines[:5]), 76)
                message = email.message_from_bytes(eml, policy=email.policy.default)
                self.assertEqual(message["To"], to)
                self.assertEqual(message["Subject"], subject)
                self.assertEqual(message["MIME-Version"], "1.0")
                self.assertEqual(message["Content-Transfer-Encoding"], "7bit")
                charset = "us-ascii" if body.isascii() else "iso-2022-jp"
                self.assertEqual(message.get_content_charset(), charset)
                self.assertEqual(message.get_content().replace("\r\n", "\n"), body)

    def test_mutt_sends_the_draft_as_it_is(self):
        stub = os.path.join(self.folder, "sendmail")
        with open(stub, "w") as script:
            script.write('#!/bin/sh\nprintf "%s\\n" "$@" >"$0.args"\ncat >"$0.mail"\n')
        os.chmod(stub, 0o755)
        for mail in MAILS:
            with self.subTest(mail=mail):
                to, subject, body = self.parts_of(mail)
                draft = os.path.join(self.folder, "draft.eml")
                with open(draft, "wb") as file:
                    file.write(self.output_of("compose", *mail, "--format", "eml"))
                sent = subprocess.run(
                    ["mutt", "-n", "-F", "/dev/null", "-e", f"set sendmail={stub}",
                     "-e", "set from=me@example.org", "-e", "set charset=utf-8",
                     "-H", draft], stdin=subprocess.DEVNULL, capture_output=True,
                    env={**os.environ, "HOME": self.folder}, timeout=60, check=False)
                self.assertEqual(sent.returncode, 0, sent.stderr)
                with open(stub + ".args") as args:
                    self.assertIn(to, args.read().split("\n"))
                with open(stub + ".mail", "rb") as file:
                    message = email.message_from_bytes(file.read(), policy=email.policy.default)
                self.assertEqual(message["To"], to)
                self.assertEqual(message["Subject"], subject)
                self.assertEqual(message.get_content().replace("\r\n", "\n").rstrip("\n"),
                                 body.rstrip("\n"))


class MailtoTest(CliFolder):
    def test_a_uri_parser_reads_back_what_the_mail_says(self):
        for mail in MAILS:
            with self.subTest(mail=mail):
                to, subject, body = self.parts_of(mail)
                uri = self.output_of("compose", *mail, "--format", "mailto").decode("ascii")
                self.assertTrue(uri.endswith("\n"))
                parts = urllib.parse.urlsplit(uri.rstrip("\n"))
                self.assertEqual(parts.scheme, "mailto")
                self.assertEqual(urllib.parse.unquote(parts.path), to)
                fields = urllib.parse.parse_qs(parts.query, keep_blank_values=True,
                                               strict_parsing=True)
                self.assertEqual(fields["subject"], [subject])
                self.assertEqual(fields["body"], [body.replace("\n", "\r\n")])


class OpenTest(CliFolder):
    def with_xdg_open(self, status):
        bin_folder = os.path.join(self.folder, "bin")
        os.makedirs(bin_folder, exist_ok=True)
        stub = os.path.join(bin_folder, "xdg-open")
        with open(stub, "w") as script:
            script.write(f'#!/bin/sh\nprintf "%s" "$*" >"$0.uri"\nexit {status}\n')
        os.chmod(stub, 0o755)
        return stub, {**os.environ, "PATH": bin_folder + os.pathsep + os.environ["PATH"]}

    def test_hands_the_mailto_uri_to_xdg_open(self):
        stub, env = self.with_xdg_open(0)
        mail = ["ml-majordomo", "get", "--numbers", "5"]
        result = self.run_cli("open", *mail, env=env)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stdout, b"")
        self.assertTrue(result.stderr.startswith(b"pivlon-cli: warning: Majordomo get: "))
        with open(stub + ".uri", "rb") as uri:
            self.assertEqual(uri.read() + b"\n",
                             self.output_of("compose", *mail, "--format", "mailto"))

    def test_says_when_xdg_open_fails(self):
        _, env = self.with_xdg_open(3)
        result = self.run_cli("open", "cml", "help", env=env)
        self.assertEqual(result.returncode, 10)
        self.assertEqual(result.stdout, b"")
        self.assertEqual(result.stderr, b"pivlon-cli: the mail client was not reached: "
                                        b"xdg-open ended with status 3\n")


class ListsTest(CliFolder):
    def test_json_carries_every_list_in_catalog_order(self):
        import json
        lists = json.loads(self.output_of("lists", "--json"))
        self.assertEqual([(entry["name"], entry["family"]) for entry in lists],
                         [("ml-majordomo", "Majordomo"), ("日本語リスト", "FML"), ("cml", "CML"),
                          ("seven", None), ("noto", "FML"), ("nodigest", "Majordomo"),
                          (LONG_NAME, "FML")])
        self.assertEqual(lists[0]["dijest"], "ml-majordomo-digest")
        self.assertEqual(lists[3]["type"], 7)


if __name__ == "__main__":
    PROGRAM, DATA = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1], verbosity=2)
