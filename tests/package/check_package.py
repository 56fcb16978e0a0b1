#!/usr/bin/env python3
"""Checks the shipped zips that scripts/package left in dist/ (run it after that script).

For each target: the zip holds exactly Halvane/Halvane.exe and Halvane/ArkwenFeedbackInformation.dll;
both are PE files of the target's machine, import no MinGW runtime DLL and carry no link time;
the library exports the nine entry points undecorated; the program's version record says the
project's version. Then cpack packs each target again into another folder: the bytes must match.
"""

import re
import struct
import subprocess
import sys
import tempfile
import unittest
import zipfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
VERSION = re.search(r"project\(Halvane VERSION ([0-9.]+)", (ROOT / "CMakeLists.txt").read_text())[1]
# (zip suffix, release preset, PE machine)
TARGETS = [("win64", "release-x64", 0x8664), ("win32", "release-i686", 0x14C)]
EXE = "Halvane/Halvane.exe"
DLL = "Halvane/ArkwenFeedbackInformation.dll"
EXPORTS = sorted(["InitFreedbackDll", "FeedbackQuestion", "OpenUrl", "GetInterNetState",
                  "CustomerFeedback", "CustomerFeedbackEx", "WriteCustomerFeedbackInfoFile",
                  "GetToolIsNewVersion", "OpenToolDownUrl"])
RUNTIME_DLLS = re.compile(r"libstdc\+\+|libgcc|libwinpthread", re.I)
RT_VERSION = 16


class Pe:
    """The parts of a PE image the checks read: headers, data directories, sections."""

    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        self.machine, sections, self.timestamp = struct.unpack_from("<HHI", data, pe + 4)
        opt_size = struct.unpack_from("<H", data, pe + 20)[0]
        opt = pe + 24
        dirs = opt + (112 if struct.unpack_from("<H", data, opt)[0] == 0x20B else 96)
        self.dirs = [struct.unpack_from("<II", data, dirs + 8 * i) for i in range(16)]
        table = opt + opt_size
        self.sections = [struct.unpack_from("<IIII", data, table + 40 * i + 8) for i in range(sections)]

    def offset(self, rva):
        for vsize, va, raw_size, raw in self.sections:
            if va <= rva < va + max(vsize, raw_size):
                return raw + rva - va
        raise ValueError(f"RVA {rva:#x} outside every section")

    def u32(self, rva, index=0):
        return struct.unpack_from("<I", self.data, self.offset(rva) + 4 * index)[0]

    def cstr(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def exports(self):
        rva = self.dirs[0][0]
        count, names = self.u32(rva, 6), self.u32(rva, 8)
        return self.u32(rva, 1), sorted(self.cstr(self.u32(names, i)) for i in range(count))

    def imports(self):
        rva, found = self.dirs[1][0], []
        while self.u32(rva, 3):
            found.append(self.cstr(self.u32(rva, 3)))
            rva += 20
        return found

    def resource(self, type_id):
        """The first resource of the type (first name, first language); None when there is none."""
        base = self.dirs[2][0]

        def entries(directory):
            named, ids = struct.unpack_from("<HH", self.data, self.offset(base + directory) + 12)
            start = base + directory + 16
            return [(self.u32(start, 2 * i), self.u32(start, 2 * i + 1)) for i in range(named + ids)]

        types = [target for key, target in entries(0) if key == type_id]
        if not types:
            return None
        node = types[0]
        while node & 0x80000000:  # subdirectory: name, then language
            node = entries(node & 0x7FFFFFFF)[0][1]
        data_rva, size = self.u32(base + node), self.u32(base + node, 1)
        return self.data[self.offset(data_rva):self.offset(data_rva) + size]


def version_blocks(data, at=0):
    """Walks a version record: yields (key, value bytes) of every block, depth first."""
    length, value_length, text = struct.unpack_from("<HHH", data, at)
    end = data.index(b"\0\0", at + 6)
    while (end - at) % 2:
        end = data.index(b"\0\0", end + 1)
    key = data[at + 6:end].decode("utf-16-le")
    value_at = (end + 2 + 3) & ~3
    size = value_length * 2 if text else value_length
    yield key, data[value_at:value_at + size]
    child = (value_at + size + 3) & ~3
    while child < at + length:
        yield from version_blocks(data, child)
        child = (child + struct.unpack_from("<H", data, child)[0] + 3) & ~3


def fixed_versions(value):
    """File and product version of a VS_FIXEDFILEINFO as dotted texts."""
    signature, _, fms, fls, pms, pls = struct.unpack_from("<6I", value)
    if signature != 0xFEEF04BD:
        raise ValueError("no VS_FIXEDFILEINFO signature")
    dotted = lambda ms, ls: f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"
    return dotted(fms, fls), dotted(pms, pls)


class PackageTest(unittest.TestCase):
    dist = ROOT / "dist"

    def zip_path(self, suffix):
        path = self.dist / f"Halvane-{VERSION}-{suffix}.zip"
        self.assertTrue(path.is_file(), f"{path} missing: run scripts/package first")
        return path

    def test_each_zip_holds_the_folder_with_two_files(self):
        for suffix, _, _ in TARGETS:
            with self.subTest(suffix), zipfile.ZipFile(self.zip_path(suffix)) as z:
                files = sorted(n for n in z.namelist() if not n.endswith("/"))
                folders = [n for n in z.namelist() if n.endswith("/")]
                self.assertEqual(files, sorted([EXE, DLL]))
                self.assertIn(folders, ([], ["Halvane/"]))
                self.assertIsNone(z.testzip())

    def test_binaries_are_of_the_target_and_stand_alone(self):
        for suffix, _, machine in TARGETS:
            with zipfile.ZipFile(self.zip_path(suffix)) as z:
                for name in (EXE, DLL):
                    with self.subTest(suffix=suffix, file=name):
                        pe = Pe(z.read(name))
                        self.assertEqual(hex(pe.machine), hex(machine))
                        self.assertEqual(pe.timestamp, 0, "link time in the header")
                        imports = [d.lower() for d in pe.imports()]
                        runtime = [d for d in imports if RUNTIME_DLLS.search(d)]
                        self.assertEqual(runtime, [], "the runtime must be linked in")
                        # Loaded on first use from the system folder, never at start-up.
                        self.assertNotIn("winhttp.dll", imports)
                        self.assertNotIn("riched20.dll", imports)

    def test_library_exports_the_nine_entry_points(self):
        for suffix, _, _ in TARGETS:
            with self.subTest(suffix), zipfile.ZipFile(self.zip_path(suffix)) as z:
                stamp, names = Pe(z.read(DLL)).exports()
                self.assertEqual(names, EXPORTS)
                self.assertEqual(stamp, 0, "link time in the export table")

    def test_program_carries_the_version_record(self):
        for suffix, _, _ in TARGETS:
            with self.subTest(suffix), zipfile.ZipFile(self.zip_path(suffix)) as z:
                record = Pe(z.read(EXE)).resource(RT_VERSION)
                self.assertIsNotNone(record, "no version resource")
                blocks = list(version_blocks(record))
                self.assertEqual(blocks[0][0], "VS_VERSION_INFO")
                self.assertEqual(fixed_versions(blocks[0][1]), (VERSION, VERSION))
                texts = {k: v.decode("utf-16-le").rstrip("\0") for k, v in blocks[1:] if v}
                self.assertIn("080404b0", [k for k, _ in blocks])
                for key, value in [("FileVersion", VERSION), ("ProductVersion", VERSION),
                                   ("InternalName", "Halvane.exe"),
                                   ("OriginalFilename", "Halvane.exe"),
                                   ("FileDescription", "Halvane")]:
                    self.assertEqual(texts.get(key), value, key)

    def test_packing_again_gives_the_same_bytes(self):
        for suffix, preset, _ in TARGETS:
            with self.subTest(suffix), tempfile.TemporaryDirectory() as again:
                subprocess.run(["cpack", "--preset", preset, "-B", again], cwd=ROOT, check=True,
                               stdout=subprocess.DEVNULL)
                repacked = Path(again) / self.zip_path(suffix).name
                self.assertEqual(repacked.read_bytes(), self.zip_path(suffix).read_bytes())


if __name__ == "__main__":
    unittest.main(verbosity=2)
