#!/usr/bin/env python3
"""Fails when a source file includes against the order of the libraries, or
when Qt reaches code outside the windows' ui/ folders."""
import pathlib
import re
import sys

# Each library may include itself and the ones before it; libraries of one
# row stand side by side and may not include each other. The placement
# anchors of the portrait are saved with works and place templates.
ORDER = [
    {"platform"},
    {"images"},
    {"interface"},
    {"work"},
    {"editing"},
    {"portrait"},
    {"workfile", "templates", "media"},
    {"shell"},
    {"internet", "output"},
]
RANK = {name: rank for rank, names in enumerate(ORDER) for name in names}
INCLUDE = re.compile(r'^\s*#\s*include\s+([<"])([^>"]+)[>"]', re.M)
QT_HEADER = re.compile(r"^Q[A-Z]\w*$|^Qt\w*/")


def library_of(path: pathlib.Path, src: pathlib.Path) -> str:
    return path.relative_to(src).parts[0]


def problems(root: pathlib.Path):
    src = root / "src"
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp") or path.parent == src and path.name == "main.cpp":
            continue
        relative = path.relative_to(root)
        in_ui = "ui" in path.relative_to(src).parts[1:-1]
        owner = library_of(path, src)
        text = path.read_text(encoding="utf-8")
        for kind, header in INCLUDE.findall(text):
            if kind == "<":
                if QT_HEADER.match(header) and not in_ui:
                    yield f"{relative}: Qt header <{header}> outside a ui/ folder"
                continue
            target = header.split("/")[0]
            if target not in RANK or owner not in RANK:
                continue
            if RANK[target] > RANK[owner] or (RANK[target] == RANK[owner] and target != owner):
                yield f"{relative}: includes {header}, which {owner} may not depend on"
            if "/ui/" in header and not in_ui:
                yield f"{relative}: model code includes the window header {header}"


def main() -> int:
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    found = list(problems(root))
    for line in found:
        print(line)
    print(f"layering: {len(found)} problem(s)")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
