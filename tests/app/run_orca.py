#!/usr/bin/python3
"""Starts Orca as /usr/bin/orca does, with its debug file written line by line: Orca buffers
it, and the test reads what Orca says from it while Orca runs."""
import builtins
import runpy
import sys

_open = builtins.open


def open_line_buffered(file, mode="r", buffering=-1, *args, **kwargs):
    if "w" in mode and "b" not in mode:
        buffering = 1
    return _open(file, mode, buffering, *args, **kwargs)


builtins.open = open_line_buffered
sys.argv = ["orca", *sys.argv[1:]]
runpy.run_path("/usr/bin/orca", run_name="__main__")
