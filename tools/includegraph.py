#!/usr/bin/env python3
"""Holds the includes of src/ to the project's layering: no module (a header with its source file) may reach
itself again through its includes, no room of the skin engine may include a room after it in
loading <- raster <- controls <- frame, and nothing below the windows includes Qt Widgets, neither itself nor
through a module of a layer above. Prints every fault; exits with 1 if there is one."""
import os
import re
import subprocess
import sys

SKIN_ROOMS = ['loading', 'raster', 'controls', 'frame']
INCLUDE = re.compile(r'^#include "([^"]+)\.h"', re.M)
QT_INCLUDE = re.compile(r'^#include <(Qt\w+/)?(Q\w+)>', re.M)
# The layers below the windows, by folder of src/, and the tools built on them outside src/: they link Qt Gui at
# most. A module here includes only modules of these folders, and no Qt Widgets header.
WIDGET_FREE = ['platform', 'bank', 'records', 'paper', 'skin/loading', 'skin/raster']
WIDGET_FREE_OUTSIDE_SRC = ['tools/bank', 'content/bank']
# Known faults, each (module, what it includes) until the include goes.
WIDGET_EXCEPTIONS = set()


def module_graph(src):
    edges = {}
    for folder, _, files in os.walk(src):
        for name in files:
            if not name.endswith(('.h', '.cpp')):
                continue
            path = os.path.join(folder, name)
            module = os.path.relpath(path, src).rsplit('.', 1)[0]
            with open(path, encoding='utf-8') as text:
                for included in INCLUDE.findall(text.read()):
                    if included != module:
                        edges.setdefault(module, set()).add(included)
    return edges


def cycles(edges):
    """The strongly connected components of more than one module (Tarjan's algorithm, without recursion)."""
    index, low, on_stack, stack, found = {}, {}, set(), [], []
    counter = 0
    for root in sorted(edges):
        if root in index:
            continue
        work = [(root, iter(sorted(edges.get(root, ()))))]
        index[root] = low[root] = counter
        counter += 1
        stack.append(root)
        on_stack.add(root)
        while work:
            module, successors = work[-1]
            advanced = False
            for successor in successors:
                if successor not in index:
                    index[successor] = low[successor] = counter
                    counter += 1
                    stack.append(successor)
                    on_stack.add(successor)
                    work.append((successor, iter(sorted(edges.get(successor, ())))))
                    advanced = True
                    break
                if successor in on_stack:
                    low[module] = min(low[module], index[successor])
            if advanced:
                continue
            work.pop()
            if work:
                low[work[-1][0]] = min(low[work[-1][0]], low[module])
            if low[module] == index[module]:
                component = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    component.append(member)
                    if member == module:
                        break
                if len(component) > 1:
                    found.append(sorted(component))
    return found


def upward_skin_includes(edges):
    def room(module):
        parts = module.split('/')
        return SKIN_ROOMS.index(parts[1]) if len(parts) > 2 and parts[0] == 'skin' and parts[1] in SKIN_ROOMS else None

    for module, included in sorted(edges.items()):
        for target in sorted(included):
            if room(module) is not None and room(target) is not None and room(target) > room(module):
                yield module, target


def qt_widgets_headers():
    """The names of the headers Qt Widgets installs (QWidget, QMessageBox, ...)."""
    headers = subprocess.run(['qtpaths6', '--query', 'QT_INSTALL_HEADERS'], check=True, capture_output=True,
                             text=True).stdout.strip()
    return set(os.listdir(os.path.join(headers, 'QtWidgets')))


def widget_free(module):
    return any(module.startswith(folder + '/') for folder in WIDGET_FREE)


def widgets_below_windows(root):
    """Every (module, include) of a widget-free folder that brings in Qt Widgets, known exceptions left out, and
    the exceptions that no longer happen."""
    widgets = qt_widgets_headers()
    found = set()
    for base, folders in (('src', WIDGET_FREE), ('.', WIDGET_FREE_OUTSIDE_SRC)):
        for folder in folders:
            for parent, _, files in os.walk(os.path.join(root, base, folder)):
                for name in files:
                    if not name.endswith(('.h', '.cpp')):
                        continue
                    path = os.path.join(parent, name)
                    module = os.path.relpath(path, os.path.join(root, base)).rsplit('.', 1)[0]
                    with open(path, encoding='utf-8') as source:
                        text = source.read()
                    for package, header in QT_INCLUDE.findall(text):
                        if package == 'QtWidgets/' or header == 'QtWidgets' or header in widgets:
                            found.add((module, '<' + package + header + '>'))
                    for included in INCLUDE.findall(text):
                        if '/' in included and not widget_free(included):
                            found.add((module, included))
    return sorted(found - WIDGET_EXCEPTIONS), sorted(WIDGET_EXCEPTIONS - found)


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')
    edges = module_graph(os.path.join(root, 'src'))
    faults = 0
    for component in cycles(edges):
        print('modules that include each other: ' + ' -> '.join(component))
        faults += 1
    for module, target in upward_skin_includes(edges):
        print(f'{module} includes {target}, a skin room after its own')
        faults += 1
    widgets, stale = widgets_below_windows(root)
    for module, included in widgets:
        print(f'{module} includes {included}: no widgets below the windows')
        faults += 1
    for module, included in stale:
        print(f'{module} no longer includes {included}: take it off the known exceptions')
        faults += 1
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main())
