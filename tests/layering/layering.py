#!/usr/bin/env python3
"""Lumora's two layering rules:
  - the folders of src/ include each other in one direction only: no circle of any
    length (browse and browse/window are two folders);
  - no unit of the logic library reads a widget header, however it is spelled and
    through whatever header: judged by what the compiler read, the dependency file it
    wrote beside each object file (OBJECT.d).

  layering.py --src SRC --objects LIST --widgets QT_WIDGETS_INCLUDE_DIR

LIST names the logic library's object files, one a line. A unit that has no
dependency file yet fails the check: the logic library has to be built first.
"""

import argparse
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def folder_includes(src):
    """{folder: {included folder: [where, ...]}} for quoted includes between folders."""
    edges = {}
    for root, dirs, files in os.walk(src):
        dirs.sort()
        here = os.path.relpath(root, src)
        for name in sorted(files):
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(root, name)
            with open(path, encoding="utf-8", errors="replace") as f:
                for number, line in enumerate(f, 1):
                    match = INCLUDE.match(line)
                    if not match:
                        continue
                    # Found beside the including file first, else from src/, as the compiler does.
                    for base in (root, src):
                        target = os.path.normpath(os.path.join(base, match.group(1)))
                        if os.path.isfile(target):
                            break
                    else:
                        continue
                    there = os.path.relpath(os.path.dirname(target), src)
                    if there != here and not there.startswith(".."):
                        where = f"{os.path.relpath(path, src)}:{number}: #include \"{match.group(1)}\""
                        edges.setdefault(here, {}).setdefault(there, []).append(where)
    return edges


def strongly_connected(edges):
    """The groups of folders that reach each other (Tarjan's algorithm)."""
    index, low, stack, on_stack, groups = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for next_node in sorted(edges.get(node, {})):
            if next_node not in index:
                visit(next_node)
                low[node] = min(low[node], low[next_node])
            elif next_node in on_stack:
                low[node] = min(low[node], index[next_node])
        if low[node] == index[node]:
            group = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.append(member)
                if member == node:
                    break
            groups.append(sorted(group))

    for node in sorted(edges):
        if node not in index:
            visit(node)
    return [g for g in groups if len(g) > 1]


def shortest_circle(edges, start, members):
    """A shortest circle from start back to it through members."""
    came_from, frontier = {start: None}, [start]
    while frontier:
        following = []
        for node in frontier:
            for next_node in sorted(edges.get(node, {})):
                if next_node == start:
                    circle = [start]
                    while node is not None:
                        circle.insert(1, node)
                        node = came_from[node]
                    return circle[1:] + [start]
                if next_node in members and next_node not in came_from:
                    came_from[next_node] = node
                    following.append(next_node)
        frontier = following
    raise AssertionError(f"no circle through {start}")


def circles(src):
    """Problems: the shortest circle through each folder that is on one. Also the number
    of folder dependencies looked at."""
    edges = folder_includes(src)
    found = []
    for group in strongly_connected(edges):
        for member in group:
            circle = shortest_circle(edges, member, set(group))[:-1]
            # Told once, from its first folder, however many of its folders found it.
            first = circle.index(min(circle))
            circle = circle[first:] + circle[:first] + [circle[first]]
            if circle not in found:
                found.append(circle)
    problems = []
    for circle in found:
        lines = ["folders include each other in a circle: " + " -> ".join(circle)]
        for here, there in zip(circle, circle[1:]):
            lines += ["  " + where for where in edges[here][there]]
        problems.append("\n".join(lines))
    return problems, sum(len(to) for to in edges.values())


def dependencies(depfile):
    """The files a make-style dependency file names after its target."""
    with open(depfile, encoding="utf-8", errors="replace") as f:
        text = f.read().replace("\\\n", " ")
    files = []
    for rule in text.splitlines():
        _, _, deps = rule.partition(": ")
        # A blank inside a name is written "\ ".
        files += [d.replace("\\ ", " ") for d in re.split(r"(?<!\\)\s+", deps) if d]
    return files


def widget_reads(src, objects, widgets):
    """Problems: each logic unit that read a file under Qt Widgets' include folder or a
    window/ folder of src. Also the number of units whose dependencies were read."""
    src, widgets = os.path.realpath(src), os.path.realpath(widgets)
    with open(objects, encoding="utf-8") as f:
        objects = [line.strip() for line in f if line.strip()]
    problems = []
    for obj in objects:
        if not os.path.isfile(obj + ".d"):
            problems.append(f"{obj}.d: missing; build the logic library before this check")
            continue
        widget_headers = []
        for dep in dependencies(obj + ".d"):
            # The build names its sources and include folders by absolute paths, and so
            # does the compiler; a relative one could hide a window header.
            if not os.path.isabs(dep):
                problems.append(f"{obj}: reads {dep}, a relative path this check cannot place")
                continue
            path = os.path.realpath(dep)
            inside = os.path.relpath(path, src)
            if os.path.commonpath([path, widgets]) == widgets:
                widget_headers.append(path)
            elif not inside.startswith("..") and "window" in inside.split(os.sep)[:-1]:
                problems.append(f"{obj}: reads the window header {path}")
        if widget_headers:
            problems.append(f"{obj}: reads the widget header {widget_headers[0]}"
                            + (f" and {len(widget_headers) - 1} more" if len(widget_headers) > 1 else ""))
    return problems, len(objects)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--src", required=True)
    parser.add_argument("--objects", required=True)
    parser.add_argument("--widgets", required=True)
    args = parser.parse_args()

    problems, includes = circles(args.src)
    widget_problems, units = widget_reads(args.src, args.objects, args.widgets)
    for problem in problems + widget_problems:
        print(problem, file=sys.stderr)
    if units == 0:
        print(f"{args.objects}: names no logic unit", file=sys.stderr)
        return 1
    if problems or widget_problems:
        return 1
    print(f"no circle among {includes} folder dependencies; no widget or window header in the "
          f"dependencies of {units} logic units")
    return 0


if __name__ == "__main__":
    sys.exit(main())
