#!/usr/bin/env python3
"""layering.py on small planted trees: each rule fails on the tree that breaks it, and a
tree that keeps both passes. The logic units of each tree are run through the compiler
for their dependency files, as the build makes them.

  layering_test.py COMPILER QT_WIDGETS_INCLUDE_DIR QT_INCLUDE_DIR
"""

import os
import subprocess
import sys
import tempfile

CHECKER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "layering.py")

# toolkit <- browse <- browse/window, and the window folder may use widgets.
CLEAN = {
    "toolkit/Text.h": "#include <QtCore/QString>\n",
    "toolkit/Text.cpp": '#include "toolkit/Text.h"\n',
    "browse/Rows.h": '#include "toolkit/Text.h"\n',
    "browse/Rows.cpp": '#include "browse/Rows.h"\n',
    "browse/window/Names.h": "",
    "browse/window/Box.h": '#include <QtWidgets/QWidget>\n#include "browse/Rows.h"\n',
    "browse/window/Box.cpp": '#include "browse/window/Box.h"\n#include "browse/window/Names.h"\n',
}


def widget_in_rows(spelling):
    return {"browse/Rows.cpp": f'#include "browse/Rows.h"\n#include {spelling}\n'}


# What each tree changes in the clean one (None: a logic unit that was never built), and
# what the checker says about it (None: it passes).
CASES = [
    ("clean tree", {}, None),
    ("three folders in a circle",
     {"toolkit/Text.h": '#include "album/Pages.h"\n', "album/Pages.h": '#include "browse/Rows.h"\n'},
     "circle: album -> browse -> toolkit -> album"),
    ("<QWidget>", widget_in_rows("<QWidget>"), "reads the widget header"),
    ("<QtWidgets/QWidget>", widget_in_rows("<QtWidgets/QWidget>"), "reads the widget header"),
    ("<QtWidgets>", widget_in_rows("<QtWidgets>"), "reads the widget header"),
    ("<qwidget.h>", widget_in_rows("<qwidget.h>"), "reads the widget header"),
    ("<QtWidgets/qpushbutton.h>", widget_in_rows("<QtWidgets/qpushbutton.h>"), "reads the widget header"),
    ("widget through a logic header",
     {"toolkit/Text.h": "#include <QtCore/QString>\n#include <QtWidgets/QPushButton>\n"}, "reads the widget header"),
    ("window header in a logic unit", widget_in_rows('"browse/window/Names.h"'), "reads the window header"),
    ("logic unit not built", {"browse/Late.cpp": None}, "Late.cpp.o.d: missing"),
]


def run(compiler, include_dirs, changes):
    with tempfile.TemporaryDirectory() as root:
        src, objects = os.path.join(root, "src"), []
        files = dict(CLEAN, **changes)
        for name, text in files.items():
            os.makedirs(os.path.dirname(os.path.join(src, name)), exist_ok=True)
            with open(os.path.join(src, name), "w") as f:
                f.write("#pragma once\n" if name.endswith(".h") else "")
                f.write(text or "")
        for name, text in files.items():
            if name.endswith(".cpp") and "/window/" not in name:
                obj = os.path.join(root, "obj", name + ".o")
                objects.append(obj)
                os.makedirs(os.path.dirname(obj), exist_ok=True)
                if text is not None:
                    subprocess.run([compiler, "-std=c++20", "-fPIC", "-I", src]
                                   + [a for d in include_dirs for a in ("-I", d)]
                                   + ["-M", "-MF", obj + ".d", os.path.join(src, name)], check=True)
        with open(os.path.join(root, "objects.txt"), "w") as f:
            f.write("\n".join(objects) + "\n")
        return subprocess.run([sys.executable, CHECKER, "--src", src, "--objects", os.path.join(root, "objects.txt"),
                               "--widgets", include_dirs[0]], capture_output=True, text=True)


def main():
    compiler, include_dirs = sys.argv[1], sys.argv[2:]
    failed = 0
    for name, changes, expected in CASES:
        result = run(compiler, include_dirs, changes)
        ok = result.returncode == 0 if expected is None else result.returncode == 1 and expected in result.stderr
        if not ok:
            failed += 1
            print(f"FAILED {name}: exit {result.returncode}, wanted {expected or 'a pass'}\n{result.stderr}")
    print(f"{len(CASES) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
