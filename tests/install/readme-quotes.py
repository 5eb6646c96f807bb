"""Exits 1 unless every code block of a README section appears verbatim in one of the files.

    python3 readme-quotes.py README.md "Section heading" FILE...
"""
import re
import sys

readme, heading, paths = sys.argv[1], sys.argv[2], sys.argv[3:]
section = re.split(r"\n##+ ", open(readme).read().split("### %s\n" % heading, 1)[1])[0]
sources = [open(path).read() for path in paths]
blocks = re.findall(r"```\w*\n(.*?)```", section, re.S)
unquoted = [block for block in blocks if not any(block in source for source in sources)]
print("%s: %d code blocks, %d not quoted verbatim" % (heading, len(blocks), len(unquoted)))
sys.stdout.write("".join(unquoted))
sys.exit(1 if unquoted or not blocks else 0)
