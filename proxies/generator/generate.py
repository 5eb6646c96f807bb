#!/usr/bin/env python3
"""Writes the proxy classes of the catalogue: one header and one source per class under
proxies/<package path>/, and the member table of the proxy tests.

    python3 proxies/generator/generate.py           write the files
    python3 proxies/generator/generate.py --check   exit 1 if a written file differs or is stale
"""

import os
import sys

import catalogue
import emit
import model

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
PROXIES = os.path.join(ROOT, "proxies")


def outputs(m):
    """Path relative to the repository -> text."""
    files = {}
    for proxy in m.proxies:
        files["proxies/" + proxy.header] = emit.HeaderEmitter(proxy, m).emit()
        files["proxies/" + proxy.source] = emit.SourceEmitter(proxy, m).emit()
    files[emit.MemberTableEmitter.PATH] = emit.MemberTableEmitter(m).emit()
    return files


def generated_files_present():
    """Files in the tree that say they are generated (so a class dropped from the catalogue
    leaves no stale proxy behind)."""
    found = set()
    for top in (PROXIES, os.path.join(ROOT, "tests", "native")):
        for directory, _, names in os.walk(top):
            for name in names:
                path = os.path.join(directory, name)
                if name.endswith((".h", ".cpp")):
                    with open(path, encoding="utf-8") as f:
                        if f.readline().rstrip("\n") == emit.GENERATED:
                            found.add(os.path.relpath(path, ROOT))
    return found


def read(path):
    try:
        with open(os.path.join(ROOT, path), encoding="utf-8") as f:
            return f.read()
    except FileNotFoundError:
        return None


def check(files):
    differing = sorted(p for p, text in files.items() if read(p) != text)
    stale = sorted(generated_files_present() - set(files))
    for path in differing:
        print("differs from what the catalogue makes: " + path)
    for path in stale:
        print("generated but no longer in the catalogue: " + path)
    if differing or stale:
        print("run python3 proxies/generator/generate.py")
        return 1
    print("%d generated files match the catalogue" % len(files))
    return 0


def write(files):
    for path in sorted(generated_files_present() - set(files)):
        os.remove(os.path.join(ROOT, path))
    for path, text in files.items():
        if read(path) != text:
            os.makedirs(os.path.dirname(os.path.join(ROOT, path)), exist_ok=True)
            with open(os.path.join(ROOT, path), "w", encoding="utf-8") as f:
                f.write(text)
    print("%d files generated" % len(files))
    return 0


def main(argv):
    try:
        files = outputs(model.Model(catalogue.load()))
    except catalogue.CatalogueError as error:
        print("catalogue: %s" % error, file=sys.stderr)
        return 2
    return check(files) if argv[1:] == ["--check"] else write(files)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
