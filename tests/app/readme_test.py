#!/usr/bin/env python3
"""The README read as a new user reads it, against what the program and its data do.

  readme_test.py controls README DEMO_DATA_TREE
      The controls table names every action of the demo's "Data/Controls.xml" once, with the
      key or button bound to it there.
  readme_test.py written-back README PROGRAM
      The settings the README says a first start writes back are those a first start in an
      empty folder leaves in its "Data/" folder, no more and no fewer.
"""
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

# The README's words for keys and buttons, as the bindings name them.
BINDING_NAMES = {
    "left button": "M1", "right button": "M2", "middle button": "M3", "mouse wheel": "MW",
    "left Shift": "LShift", "right Shift": "RShift", "left Ctrl": "LControl",
    "right Ctrl": "RControl", "left Alt": "LAlt", "right Alt": "RAlt",
}


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def readme_table(readme):
    """(action, binding) pairs of the table whose header names actions and bindings."""
    pairs = []
    lines = readme.splitlines()
    try:
        start = next(i for i, line in enumerate(lines) if re.match(r"^\|\s*action\s*\|\s*binding\s*\|", line))
    except StopIteration:
        fail("the README has no table of actions and bindings")
    for line in lines[start + 2:]:
        if not line.startswith("|"):
            break
        cells = [cell.strip() for cell in line.strip().strip("|").split("|")]
        for action_cell, binding_cell in zip(cells[0::2], cells[1::2]):
            actions = [a.strip() for a in action_cell.split("/")]
            bindings = [b.strip() for b in binding_cell.split("/")]
            if len(actions) != len(bindings):
                fail(f"the README's row '{action_cell} | {binding_cell}' pairs no binding with each action")
            pairs += zip(actions, bindings)
    return pairs


def shipped_bindings(data_tree):
    with open(os.path.join(data_tree, "Data", "Controls.xml"), encoding="latin-1") as f:
        text = f.read()
    records = re.findall(r'<string name="Function">([^<]*)</string><string name="KeyName">([^<]*)</string>', text)
    if not records:
        fail("Data/Controls.xml holds no bindings")
    return dict(records)


def check_controls(readme_path, data_tree):
    with open(readme_path, encoding="utf-8") as f:
        pairs = readme_table(f.read())
    shipped = shipped_bindings(data_tree)
    seen = {}
    for action, words in pairs:
        if action in seen:
            fail(f"the README names {action} twice")
        seen[action] = BINDING_NAMES.get(words, words)
    if set(seen) != set(shipped):
        fail(f"the README's actions {sorted(seen)} are not those of Data/Controls.xml {sorted(shipped)}")
    for action, key in shipped.items():
        if seen[action] != key:
            fail(f"the README binds {action} to {seen[action]}, Data/Controls.xml to {key}")


def readme_written_back(readme):
    """The "Data/" files named in the README's item on the settings the game writes back."""
    match = re.search(r"^- Settings the game writes back:(.*?)(?=^- |^$)", readme, re.M | re.S)
    if not match:
        fail("the README does not say which settings the game writes back")
    return set(re.findall(r"`(Data/[^`]+)`", match.group(1)))


def first_start_leaves(program):
    """The files a first start in an empty folder leaves in "Data/", once it has run a frame and
    stopped as asked."""
    env = dict(os.environ, SDL_VIDEODRIVER=os.environ.get("SDL_VIDEODRIVER", "offscreen"))
    with tempfile.TemporaryDirectory() as folder, open(os.path.join(folder, "out.txt"), "w+") as out:
        game = subprocess.Popen([os.path.abspath(program)], cwd=folder, stdin=subprocess.PIPE, stdout=out,
                                stderr=subprocess.STDOUT, env=env, text=True)
        game.stdin.write("getvar fps\n")
        game.stdin.flush()
        deadline = time.time() + 60
        while time.time() < deadline and " fps  =  " not in open(out.name).read():
            time.sleep(0.1)
        game.send_signal(signal.SIGTERM)
        if game.wait(60) != 0:
            fail(f"the first start ended with status {game.returncode}")
        data = os.path.join(folder, "Data")
        return {"Data/" + name for name in os.listdir(data)} if os.path.isdir(data) else set()


def check_written_back(readme_path, program):
    with open(readme_path, encoding="utf-8") as f:
        promised = readme_written_back(f.read())
    left = first_start_leaves(program)
    if promised != left:
        fail(f"the README names {sorted(promised - left)} that a first start does not write and "
             f"leaves out {sorted(left - promised)} that it does")


if __name__ == "__main__":
    if len(sys.argv) != 4 or sys.argv[1] not in ("controls", "written-back"):
        fail(__doc__)
    (check_controls if sys.argv[1] == "controls" else check_written_back)(sys.argv[2], sys.argv[3])
    print("1 passed, 0 failed")
