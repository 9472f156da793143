#!/usr/bin/python3
"""Runs Orca with its files written line by line: its debug log is written in
blocks, and a test hears what it says as it says it. Arguments go to Orca."""
import builtins
import runpy
import sys

block_buffered_open = builtins.open


def line_buffered_open(file, mode="r", *args, **kwargs):
    if mode == "w" and not args and "buffering" not in kwargs:
        kwargs["buffering"] = 1
    return block_buffered_open(file, mode, *args, **kwargs)


builtins.open = line_buffered_open
sys.argv[0] = "/usr/bin/orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")
