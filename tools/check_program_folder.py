#!/usr/bin/env python3
"""Checks the program folder a Windows user gets, by reading its files' PE headers and resources:
quonmain.exe names itself in a version resource, carries the manifest (common controls v6, DPI
awareness, supported Windows versions), shows its own icon first (16 to 256 px), has tray icons at
the sizes the notification area asks for (built in and in icons\\default\\), and ships without debug
information; every library in the folder exports plain, undecorated names and imports only Windows'
own DLLs.

Usage: check_program_folder.py <program folder> [expected machine: x86_64 | i686]
Prints one line per fault and exits 1 when there is any."""
import os
import struct
import sys

RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
MACHINES = {0x8664: "x86_64", 0x14C: "i686"}


class Pe:
    def __init__(self, path):
        self.path = path
        with open(path, "rb") as f:
            self.data = f.read()
        d = self.data
        if d[:2] != b"MZ":
            raise ValueError("not a PE file")
        pe = struct.unpack_from("<I", d, 0x3C)[0]
        if d[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        self.machine, nsect, _, _, _, optsize, self.characteristics = struct.unpack_from("<HHIIIHH", d, pe + 4)
        opt = pe + 24
        magic = struct.unpack_from("<H", d, opt)[0]
        dirs = opt + (112 if magic == 0x20B else 96)
        self.dirs = [struct.unpack_from("<II", d, dirs + 8 * i) for i in range(16)]
        self.sections = []
        for i in range(nsect):
            off = opt + optsize + 40 * i
            name = d[off:off + 8].rstrip(b"\0").decode("latin-1")
            vsize, va, rawsize, rawptr = struct.unpack_from("<IIII", d, off + 8)
            if name.startswith("/"):  # long name in the string table
                symtab, nsyms = struct.unpack_from("<II", d, pe + 12)
                strtab = symtab + 18 * nsyms
                start = strtab + int(name[1:])
                name = d[start:d.index(b"\0", start)].decode("latin-1")
            self.sections.append((name, va, max(vsize, rawsize), rawptr))

    def offset(self, rva):
        for _, va, size, raw in self.sections:
            if va <= rva < va + size:
                return rva - va + raw
        raise ValueError("address outside every section")

    def cstring(self, rva):
        off = self.offset(rva)
        return self.data[off:self.data.index(b"\0", off)].decode("latin-1")

    def resources(self):
        """{type: [(name, language, bytes)]} in the order the resource directory lists them."""
        rva, size = self.dirs[2]
        if not size:
            return {}
        base = self.offset(rva)
        d = self.data

        def entries(off):
            named, ids = struct.unpack_from("<HH", d, base + off + 12)
            for i in range(named + ids):
                key, target = struct.unpack_from("<II", d, base + off + 16 + 8 * i)
                if key & 0x80000000:
                    noff = base + (key & 0x7FFFFFFF)
                    n = struct.unpack_from("<H", d, noff)[0]
                    key = d[noff + 2:noff + 2 + 2 * n].decode("utf-16-le")
                yield key, target

        out = {}
        for rtype, t in entries(0):
            for name, n in entries(t & 0x7FFFFFFF):
                for lang, leaf in entries(n & 0x7FFFFFFF):
                    drva, dsize = struct.unpack_from("<II", d, base + leaf)
                    off = self.offset(drva)
                    out.setdefault(rtype, []).append((name, lang, d[off:off + dsize]))
        return out

    def exports(self):
        rva, size = self.dirs[0]
        if not size:
            return []
        off = self.offset(rva)
        count, names_rva = struct.unpack_from("<I", self.data, off + 24)[0], struct.unpack_from("<I", self.data, off + 32)[0]
        names = self.offset(names_rva)
        return [self.cstring(struct.unpack_from("<I", self.data, names + 4 * i)[0]) for i in range(count)]

    def imports(self):
        rva, size = self.dirs[1]
        out = []
        if not size:
            return out
        off = self.offset(rva)
        while True:
            fields = struct.unpack_from("<IIIII", self.data, off)
            if not any(fields):
                return out
            out.append(self.cstring(fields[3]))
            off += 20


def group_icon_sizes(group):
    count = struct.unpack_from("<H", group, 4)[0]
    sizes = []
    for i in range(count):
        w = group[6 + 14 * i]
        sizes.append(w or 256)
    return sizes


def icon_image_width(image):
    if image[:8] == b"\x89PNG\r\n\x1a\n":
        return struct.unpack_from(">I", image, 16)[0]
    return struct.unpack_from("<i", image, 4)[0]  # BITMAPINFOHEADER biWidth


def group_icon_faults(name, group, images):
    """An icon group names its images by id: each must exist, with the size the group says."""
    faults = []
    count = struct.unpack_from("<H", group, 4)[0]
    for i in range(count):
        width = group[6 + 14 * i] or 256
        size, image_id = struct.unpack_from("<IH", group, 6 + 14 * i + 8)
        image = images.get(image_id)
        if image is None or len(image) != size or icon_image_width(image) != width:
            faults.append(f"quonmain.exe: icon {name}: its {width} px image (id {image_id}) is missing or another one")
    return faults


def version_strings(blob):
    """The StringFileInfo values of a version resource, read as UTF-16 text pairs."""
    text = blob.decode("utf-16-le", errors="replace")
    values = {}
    for key in ("FileDescription", "FileVersion", "InternalName", "OriginalFilename", "ProductName",
                "ProductVersion"):
        at = text.find(key + "\0")
        if at < 0:
            continue
        rest = text[at + len(key) + 1:].lstrip("\0")
        values[key] = rest[:rest.find("\0")]
    return values


SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "shell32.dll", "winmm.dll",
               "gdiplus.dll", "ole32.dll", "oleaut32.dll", "advapi32.dll", "msvcrt.dll", "comdlg32.dll",
               "shlwapi.dll", "version.dll", "uxtheme.dll", "msimg32.dll", "rpcrt4.dll", "uuid.dll"}


def check(folder, machine):
    faults = []
    exe_path = os.path.join(folder, "quonmain.exe")
    exe = Pe(exe_path)
    files = [exe_path] + [os.path.join(folder, f) for f in sorted(os.listdir(folder)) if f.lower().endswith(".dll")]
    for path in files:
        pe = exe if path == exe_path else Pe(path)
        name = os.path.basename(path)
        if machine and MACHINES.get(pe.machine) != machine:
            faults.append(f"{name}: built for {MACHINES.get(pe.machine, hex(pe.machine))}, not {machine}")
        debug = [s[0] for s in pe.sections if s[0].startswith(".debug") or s[0].startswith(".zdebug")]
        if debug:
            faults.append(f"{name}: ships debug information ({', '.join(debug)})")
        for dll in pe.imports():
            if dll.lower() not in SYSTEM_DLLS:
                faults.append(f"{name}: imports {dll}, which Windows does not have")
        decorated = [e for e in pe.exports() if "@" in e]
        if decorated:
            faults.append(f"{name}: exports decorated names {decorated}")
        version = version_strings(b"".join(r[2] for r in pe.resources().get(RT_VERSION, [])))
        if version.get("ProductName") != "Quon Tollen II" or version.get("FileVersion") != "2.1" \
                or version.get("ProductVersion") != "2.1" or not version.get("FileDescription") \
                or version.get("OriginalFilename", "").lower() != name.lower():
            faults.append(f"{name}: version resource is {version or 'missing'}")

    res = exe.resources()
    manifest = b"".join(r[2] for r in res.get(RT_MANIFEST, [])).decode("utf-8", errors="replace")
    for needed in ("Microsoft.Windows.Common-Controls", "<dpiAware", "<dpiAwareness", "<supportedOS"):
        if needed not in manifest:
            faults.append(f"quonmain.exe: the manifest lacks {needed}")
    groups = res.get(RT_GROUP_ICON, [])
    if not groups or groups[0][0] != "APPICON":
        faults.append(f"quonmain.exe: the first icon group is {groups[0][0] if groups else 'missing'}, not APPICON")
    sizes = {name: group_icon_sizes(blob) for name, _, blob in groups}
    images = {}
    for image_id, _, blob in res.get(RT_ICON, []):
        if image_id in images:
            faults.append(f"quonmain.exe: two icon images share the id {image_id}")
        images[image_id] = blob
    for name, _, blob in groups:
        faults += group_icon_faults(name, blob, images)
    app = sizes.get("APPICON", [])
    for n in (16, 20, 24, 32, 48, 256):
        if n not in app:
            faults.append(f"quonmain.exe: the program's icon has no {n} px image (has {app})")
    for tray in ("ICO_OFFLINE", "ICO_IDLE", "ICO_ONLINE", "ICO_MAXIMUM"):
        missing = [n for n in (16, 20, 24, 32) if n not in sizes.get(tray, [])]
        if missing:
            faults.append(f"quonmain.exe: tray icon {tray} lacks {missing} px")
    icon_dir = os.path.join(folder, "icons", "default")
    for f in sorted(os.listdir(icon_dir)) if os.path.isdir(icon_dir) else []:
        with open(os.path.join(icon_dir, f), "rb") as ico:
            head = ico.read(6 + 16 * 64)
        count = struct.unpack_from("<H", head, 4)[0]
        have = [head[6 + 16 * i] or 256 for i in range(count)]
        missing = [n for n in (16, 20, 24, 32) if n not in have]
        if missing:
            faults.append(f"icons/default/{f} lacks {missing} px")
    return faults


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    faults = check(sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else None)
    for f in faults:
        print(f)
    if not faults:
        print(f"{sys.argv[1]}: the program folder is ready to ship")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
