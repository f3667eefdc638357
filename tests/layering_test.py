#!/usr/bin/env python3
"""Keeps the include arrows between the source folders one way:
    core <- every subsystem (documents, editing, search, help, any new logic folder) <- app <- win32
core includes only core, a subsystem only core and itself, app only core, the subsystems and app.
The logic's own <...> includes are the C++ library's (no ".h") or the compiler's intrinsics, so no
Windows header gets in. Usage: layering_test.py [SRC_DIR]; prints the arrows, exits 1 on a wrong one."""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def allowed(folder, subsystems):
    if folder == "core":
        return {"core"}
    if folder == "app":
        return {"core", "app"} | subsystems
    return {"core", folder}


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent / "src")
    folders = sorted(p.name for p in src.iterdir() if p.is_dir())
    logic = [f for f in folders if f != "win32"]
    subsystems = set(logic) - {"core", "app"}
    if "core" not in logic or "app" not in logic or not subsystems:
        print(f"layering: {src} does not look like the source tree")
        return 1

    arrows = {f: set() for f in logic}
    wrong = []
    for folder in logic:
        for path in sorted((src / folder).rglob("*")):
            if path.suffix not in (".h", ".cpp", ".inc"):
                continue
            text = path.read_text(encoding="utf-8")
            for match in INCLUDE.finditer(text):
                kind, name = match.groups()
                line = text.count("\n", 0, match.start()) + 1
                where = f"{path.relative_to(src.parent)}:{line}"
                if kind == "<":
                    if name.endswith(".h") and not name.endswith("intrin.h"):
                        wrong.append(f"{where}: <{name}> is no C++ library header")
                    continue
                target = name.split("/")[0] if "/" in name else folder
                if target != folder:
                    arrows[folder].add(target)
                if target not in allowed(folder, subsystems):
                    wrong.append(f"{where}: {folder} includes {name}")

    for folder in logic:
        print(f"{folder} -> {', '.join(sorted(arrows[folder])) or '(nothing)'}")
    for w in wrong:
        print(w)
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
