#!/usr/bin/env python3
"""Exits 0 when the X11 selection named on the command line has an owner on $DISPLAY, 1 when
it has none. Usage: selection_owner.py NAME"""
import ctypes
import ctypes.util
import sys


def main():
    x = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x.XGetSelectionOwner.restype = ctypes.c_ulong
    x.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    display = x.XOpenDisplay(None)
    if not display:
        return 2
    atom = x.XInternAtom(display, sys.argv[1].encode(), 0)
    return 0 if x.XGetSelectionOwner(display, atom) else 1


if __name__ == "__main__":
    sys.exit(main())
