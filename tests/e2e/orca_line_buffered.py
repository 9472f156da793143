#!/usr/bin/python3
"""Runs Orca with its files written line by line: its debug log is written in
blocks, and a test hears what it says as it says it. Orca starts no speech
synthesizer: without one it writes what it says to the debug log only. Speech
stays on in the test's settings, since Orca 48 says nothing of a message (a
notification, a dialog's text) while speech is off. Arguments go to Orca."""
import builtins
import importlib.abc
import importlib.util
import runpy
import sys

block_buffered_open = builtins.open


def line_buffered_open(file, mode="r", *args, **kwargs):
    if mode == "w" and not args and "buffering" not in kwargs:
        kwargs["buffering"] = 1
    return block_buffered_open(file, mode, *args, **kwargs)


class NoSynthesizer(importlib.abc.MetaPathFinder):
    """Orca's speech module, loaded when and as Orca loads it, with no synthesizer
    to start."""

    def find_spec(self, name, path, target=None):
        if name != "orca.speech":
            return None
        sys.meta_path.remove(self)
        found = importlib.util.find_spec(name)
        load = found.loader.exec_module

        def exec_module(module):
            load(module)
            module.init = lambda *args, **kwargs: None

        found.loader.exec_module = exec_module
        return found


builtins.open = line_buffered_open
sys.meta_path.insert(0, NoSynthesizer())
sys.argv[0] = "/usr/bin/orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")
