#!/usr/bin/env python3
"""A host without C++: drives clsVelmoITNet22SU through the library's C automation
interface with nothing but the Python standard library (ctypes).

    python3 host.py --library /path/to/libVelmoITNet22SU.so \
        --connection "Server=localhost;Database=velmo;Uid=app;Pwd=secret" --version 5.2.0

It creates the object, hands over the connection (clsAPI), has the account table
created (Create_IT_Tbl115BAC), asks whether online sign-in is on (EnableSignUP) and
writes and reads back a property. Exit status 0 when every call succeeded.
"""

import argparse
import ctypes
import ctypes.util
import sys

PROG_ID = b"VelmoITNet22SU.clsVelmoITNet22SU"

S_OK = 0
VT_EMPTY, VT_I2, VT_I4, VT_STRING, VT_CONNECTION, VT_BOOL = 0, 2, 3, 8, 9, 11
INVOKE_METHOD, INVOKE_PROPERTYGET, INVOKE_PROPERTYPUT = 1, 2, 4


class VariantValue(ctypes.Union):
    _fields_ = [
        ("i2", ctypes.c_int16),
        ("i4", ctypes.c_int32),
        ("boolean", ctypes.c_int32),
        ("r8", ctypes.c_double),
        # A plain pointer, so that strings the library returns can be freed.
        ("string", ctypes.c_void_p),
    ]


class Variant(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int32), ("value", VariantValue)]


class AutomationError(Exception):
    def __init__(self, call, code, message):
        super().__init__(f"{call} failed (0x{code & 0xFFFFFFFF:08X}): {message}")


class VelmoLibrary:
    """The C entry points with their signatures."""

    def __init__(self, path):
        lib = ctypes.CDLL(path)
        lib.VelmoCreateInstance.argtypes = [ctypes.c_char_p, ctypes.POINTER(ctypes.c_void_p)]
        lib.VelmoCreateInstance.restype = ctypes.c_int32
        lib.VelmoInvoke.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int32,
                                    ctypes.POINTER(Variant), ctypes.c_int32,
                                    ctypes.POINTER(Variant)]
        lib.VelmoInvoke.restype = ctypes.c_int32
        lib.VelmoRelease.argtypes = [ctypes.c_void_p]
        lib.VelmoRelease.restype = None
        lib.VelmoVariantClear.argtypes = [ctypes.POINTER(Variant)]
        lib.VelmoVariantClear.restype = None
        lib.VelmoErrorMessage.argtypes = []
        lib.VelmoErrorMessage.restype = ctypes.c_char_p
        self.lib = lib

    def check(self, call, code):
        if code != S_OK:
            raise AutomationError(call, code, self.lib.VelmoErrorMessage().decode("utf-8"))


class VelmoObject:
    """clsVelmoITNet22SU as seen from Python: members called by name."""

    def __init__(self, library):
        self.library = library
        self.handle = ctypes.c_void_p()
        library.check("VelmoCreateInstance",
                      library.lib.VelmoCreateInstance(PROG_ID, ctypes.byref(self.handle)))
        self._keep = []

    def release(self):
        self.library.lib.VelmoRelease(self.handle)
        self.handle = ctypes.c_void_p()

    def _variant(self, value):
        variant = Variant()
        if value is None:
            variant.type = VT_EMPTY
        elif isinstance(value, Connection):
            variant.type = VT_CONNECTION
            variant.value.string = self._text_pointer(value.connection_string)
        elif isinstance(value, bool):
            variant.type = VT_BOOL
            variant.value.boolean = -1 if value else 0
        elif isinstance(value, int):
            # 32 bits, so that the library (not ctypes) refuses a value too big for 16.
            variant.type = VT_I4
            variant.value.i4 = value
        else:
            variant.type = VT_STRING
            variant.value.string = self._text_pointer(str(value))
        return variant

    def _text_pointer(self, text):
        buffer = ctypes.create_string_buffer(text.encode("utf-8"))
        self._keep.append(buffer)
        return ctypes.cast(buffer, ctypes.c_void_p).value

    def _invoke(self, name, kind, *arguments):
        array = (Variant * max(len(arguments), 1))(*[self._variant(a) for a in arguments])
        result = Variant()
        code = self.library.lib.VelmoInvoke(self.handle, name.encode("ascii"), kind, array,
                                            len(arguments), ctypes.byref(result))
        self._keep.clear()
        self.library.check(name, code)
        try:
            if result.type == VT_BOOL:
                return result.value.boolean != 0
            if result.type == VT_I2:
                return result.value.i2
            if result.type == VT_STRING:
                return ctypes.string_at(result.value.string).decode("utf-8")
            return None
        finally:
            self.library.lib.VelmoVariantClear(ctypes.byref(result))

    def call(self, name, *arguments):
        return self._invoke(name, INVOKE_METHOD, *arguments)

    def get(self, name):
        return self._invoke(name, INVOKE_PROPERTYGET)

    def put(self, name, value):
        self._invoke(name, INVOKE_PROPERTYPUT, value)


class Connection:
    """The database connection handed to clsAPI, named by its connection string."""

    def __init__(self, connection_string):
        self.connection_string = connection_string


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--library", default=ctypes.util.find_library("VelmoITNet22SU"),
                        help="path of libVelmoITNet22SU")
    parser.add_argument("--connection", required=True, help="the database's connection string")
    parser.add_argument("--client", default="CLIENT1", help="the host's client code")
    parser.add_argument("--year", default="2026-27", help="the assessment year")
    parser.add_argument("--version", default="",
                        help="the host's version; when left out it is read from dbversion")
    options = parser.parse_args()
    if not options.library:
        parser.error("libVelmoITNet22SU not found; give --library")

    api = VelmoObject(VelmoLibrary(options.library))
    try:
        arguments = [0, options.client, options.year, Connection(options.connection), "",
                     options.connection, False, ""]
        if options.version:
            arguments += [True, options.version]
        api.call("clsAPI", *arguments)
        print("clsAPI: done")
        api.call("Create_IT_Tbl115BAC")
        print("Create_IT_Tbl115BAC: done")
        print(f"EnableSignUP: {api.call('EnableSignUP')}")
        api.put("vPANNo", "ABCDE1234F")
        api.put("sFileFrom", 3)
        print(f"vPANNo: {api.get('vPANNo')}")
        print(f"sFileFrom: {api.get('sFileFrom')}")
    except AutomationError as error:
        print(error, file=sys.stderr)
        return 1
    finally:
        api.release()
    return 0


if __name__ == "__main__":
    sys.exit(main())
