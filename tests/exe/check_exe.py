#!/usr/bin/python3
"""Checks the built pellavine.exe and libcef.dll from the binaries themselves.

    check_exe.py EXE CAPI_DIR [DLL]              check the executable (and
                                                 the library beside it)
    check_exe.py --self-check EXE CAPI_DIR [DLL] also check that broken
                                                 copies fail

What is checked, all read from the file with Debian's python3-pefile:

- the header: machine i386, PE32, GUI subsystem, 5.01 as both the minimum
  subsystem version and the operating-system version;
- the imports: only the system DLLs listed in SYSTEM_DLLS, and libcef.dll;
  none of the system functions that exist only from Vista on (AFTER_XP);
  every function taken from libcef.dll, by name, is one that the library's C
  interface declares (the CEF_EXPORT functions of CAPI_DIR/*.h), so a
  misspelt export can never reach a user as "entry point not found";
- the manifest (RT_MANIFEST 1), parsed as XML: version 6 of the common
  controls, asInvoker, and the supportedOS entries of Windows Vista, 7, 8,
  8.1 and 10;
- the icon: one icon group with one entry, 128x128 at 32 bits per pixel,
  and the icon image it names exists and decodes as that;
- the library (DLL, libcef.dll), which the program loads at start: its
  imports, against the same system DLLs and the same Vista-only functions,
  for a library that XP cannot load keeps the program from starting too.

The self-check runs the same checks on copies of the executable with one
thing broken each (a misspelt libcef import, a non-system DLL, a Vista-only
import, subsystem 4.0,
another execution level, a 64x64 icon entry; a library with a Vista-only
import) and fails unless each copy is refused for that reason.

Exit code 0 when everything holds, 1 with one line per finding otherwise.
"""

import pathlib
import re
import struct
import sys
import xml.etree.ElementTree as ET
import zlib

try:
    import pefile
except ImportError:
    sys.exit("check_exe: Python module pefile missing: install Debian's "
             "python3-pefile (scripts/setup does) and run this with "
             "/usr/bin/python3")

# The DLLs the program may import besides libcef.dll: parts of Windows
# itself, present on every version from XP (5.01) on. Lower case.
SYSTEM_DLLS = {
    "kernel32.dll",  # processes, threads, memory, errors
    "user32.dll",    # windows, messages, message boxes, system metrics
    "gdi32.dll",     # drawing
    "advapi32.dll",  # registry, security
    "shell32.dll",   # shell folders and execution
    "comctl32.dll",  # common controls
    "comdlg32.dll",  # common dialogs
    "ole32.dll",     # COM
    "oleaut32.dll",  # COM automation types
    "winspool.drv",  # printing
    "winhttp.dll",   # HTTP client (XP from Service Pack 1 on)
    # The system's C library. mingw-w64's C runtime is built on it; the
    # compiler's own runtimes (libgcc, libstdc++, winpthreads) are linked
    # statically and must not show up as DLLs.
    "msvcrt.dll",
}
LIBRARY_DLL = "libcef.dll"

# System functions that Windows has only from Vista on and that compilers'
# runtimes are known to pull in (timing, condition variables, slim locks,
# one-time initialisation, fiber-local storage, locale names). Importing one
# keeps the program from loading on XP, which its header names.
AFTER_XP = {
    "kernel32.dll": {
        "GetTickCount64", "InitializeConditionVariable",
        "SleepConditionVariableCS", "SleepConditionVariableSRW",
        "WakeConditionVariable", "WakeAllConditionVariable",
        "InitializeSRWLock", "AcquireSRWLockExclusive",
        "AcquireSRWLockShared", "ReleaseSRWLockExclusive",
        "ReleaseSRWLockShared", "TryAcquireSRWLockExclusive",
        "TryAcquireSRWLockShared", "InitOnceExecuteOnce",
        "InitOnceBeginInitialize", "InitOnceComplete", "FlsAlloc",
        "FlsFree", "FlsGetValue", "FlsSetValue", "CreateEventExW",
        "CreateMutexExW", "CreateSemaphoreExW", "GetLocaleInfoEx",
        "LCMapStringEx", "CompareStringEx", "LocaleNameToLCID",
        "GetUserDefaultLocaleName", "GetFileInformationByHandleEx",
        "SetFileInformationByHandle", "GetFinalPathNameByHandleW",
        "CreateSymbolicLinkW", "QueryFullProcessImageNameW", "CancelIoEx",
        "GetCurrentProcessorNumber", "GetThreadId", "GetProcessId",
    },
    "user32.dll": {"SetProcessDPIAware", "ChangeWindowMessageFilter"},
}

IMAGE_FILE_MACHINE_I386 = 0x14C
PE32_MAGIC = 0x10B
IMAGE_SUBSYSTEM_WINDOWS_GUI = 2

RT_ICON = 3
RT_GROUP_ICON = 14
RT_MANIFEST = 24
CREATEPROCESS_MANIFEST_RESOURCE_ID = 1

ASM_V1 = "urn:schemas-microsoft-com:asm.v1"
ASM_V2 = "urn:schemas-microsoft-com:asm.v2"
ASM_V3 = "urn:schemas-microsoft-com:asm.v3"
COMPAT_V1 = "urn:schemas-microsoft-com:compatibility.v1"
SUPPORTED_OS = {
    "e2011457-1546-43c5-a5fe-008deee3d3f0": "Windows Vista",
    "35138b9a-5d96-4fbd-8e2d-a2440225f93a": "Windows 7",
    "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38": "Windows 8",
    "1f676c76-80e1-4239-95bb-83d0f6d0da78": "Windows 8.1",
    "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a": "Windows 10",
}

ICON_SIZE = 128
ICON_BITS = 32


def declared_exports(capi_dir):
    """Names of the functions that CAPI_DIR/*.h declare with CEF_EXPORT."""
    names = set()
    headers = sorted(pathlib.Path(capi_dir).glob("*.h"))
    if not headers:
        raise SystemExit(f"check_exe: no headers in {capi_dir}")
    for header in headers:
        text = header.read_text(encoding="utf-8")
        text = re.sub(r"/\*.*?\*/", " ", text, flags=re.S)
        text = re.sub(r"//[^\n]*", " ", text)
        # Preprocessor lines (the #define of CEF_EXPORT itself) are no
        # declarations.
        text = re.sub(r"^[ \t]*#[^\n]*(\\\n[^\n]*)*", " ", text, flags=re.M)
        found = re.findall(
            r"\bCEF_EXPORT\b[^;{}()]*?\b([A-Za-z_]\w*)\s*\(", text)
        # Every CEF_EXPORT must yield one name, or the parser missed a form.
        uses = len(re.findall(r"\bCEF_EXPORT\b", text))
        if len(found) != uses:
            raise SystemExit(
                f"check_exe: {header.name}: {uses} CEF_EXPORT declarations "
                f"but {len(found)} function names understood")
        names.update(found)
    strange = sorted(n for n in names if not n.startswith("cef_"))
    if strange or not names:
        raise SystemExit(f"check_exe: unexpected export names {strange}")
    return names


def parse(data):
    pe = pefile.PE(data=data, fast_load=True)
    pe.parse_data_directories(directories=[
        pefile.DIRECTORY_ENTRY[d] for d in (
            "IMAGE_DIRECTORY_ENTRY_IMPORT",
            "IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT",
            "IMAGE_DIRECTORY_ENTRY_RESOURCE")])
    return pe


def check_header(pe, errors):
    machine = pe.FILE_HEADER.Machine
    if machine != IMAGE_FILE_MACHINE_I386:
        errors.append(f"header: machine {machine:#x}, not i386 (0x14c)")
    opt = pe.OPTIONAL_HEADER
    if opt.Magic != PE32_MAGIC:
        errors.append(f"header: optional header magic {opt.Magic:#x}, "
                      "not PE32 (0x10b)")
    if opt.Subsystem != IMAGE_SUBSYSTEM_WINDOWS_GUI:
        errors.append(f"header: subsystem {opt.Subsystem}, not GUI (2)")
    for what, major, minor in (
            ("subsystem version", opt.MajorSubsystemVersion,
             opt.MinorSubsystemVersion),
            ("operating-system version", opt.MajorOperatingSystemVersion,
             opt.MinorOperatingSystemVersion)):
        if (major, minor) != (5, 1):
            errors.append(f"header: {what} {major}.{minor:02d}, not 5.01")


def imported(pe):
    """{dll name as written: [entries]} of the normal and delay-load imports."""
    dlls = {}
    for attr in ("DIRECTORY_ENTRY_IMPORT", "DIRECTORY_ENTRY_DELAY_IMPORT"):
        for entry in getattr(pe, attr, []):
            name = entry.dll.decode("ascii", "replace")
            dlls.setdefault(name, []).extend(entry.imports)
    return dlls


def check_system_imports(dlls, errors, allowed=()):
    """Only system DLLs (and those in ALLOWED), and nothing Vista-only."""
    for name in sorted(dlls):
        if name.lower() not in SYSTEM_DLLS and name.lower() not in allowed:
            errors.append(f"imports: {name} is neither a known system DLL "
                          f"nor {LIBRARY_DLL}")
    for dll, names in dlls.items():
        for imp in names:
            if imp.name and imp.name.decode("ascii", "replace") in \
                    AFTER_XP.get(dll.lower(), ()):
                errors.append(f"imports: {dll}!{imp.name.decode()} exists "
                              "only from Vista on; the header names XP")


def check_imports(pe, exports, errors):
    dlls = imported(pe)
    lower = {name.lower(): name for name in dlls}
    check_system_imports(dlls, errors, allowed=(LIBRARY_DLL,))
    if LIBRARY_DLL not in lower:
        errors.append(f"imports: {LIBRARY_DLL} is not imported")
        return
    for imp in dlls[lower[LIBRARY_DLL]]:
        if imp.name is None:
            errors.append(f"imports: {LIBRARY_DLL} ordinal {imp.ordinal} "
                          "imported by number, not by name")
            continue
        name = imp.name.decode("ascii", "replace")
        if name not in exports:
            errors.append(f"imports: {LIBRARY_DLL}!{name} is not declared "
                          "by the library's C interface (include/capi)")


def resources(pe, type_id):
    """{resource id or name: [data entries, one per language]} of a type."""
    found = {}
    root = getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None)
    for rtype in root.entries if root else []:
        if rtype.id != type_id:
            continue
        for res in rtype.directory.entries:
            key = res.id if res.name is None else str(res.name)
            found[key] = [lang.data for lang in res.directory.entries]
    return found


def resource_bytes(pe, data_entry):
    return pe.get_data(data_entry.struct.OffsetToData, data_entry.struct.Size)


def check_manifest(pe, errors):
    manifests = resources(pe, RT_MANIFEST)
    if list(manifests) != [CREATEPROCESS_MANIFEST_RESOURCE_ID] or \
            len(manifests[CREATEPROCESS_MANIFEST_RESOURCE_ID]) != 1:
        errors.append("manifest: want exactly one RT_MANIFEST resource, "
                      f"id 1 in one language; found {manifests or 'none'}")
        return
    raw = resource_bytes(pe, manifests[1][0])
    try:
        root = ET.fromstring(raw)
    except ET.ParseError as e:
        errors.append(f"manifest: not well-formed XML: {e}")
        return
    if root.tag != f"{{{ASM_V1}}}assembly" or \
            root.get("manifestVersion") != "1.0":
        errors.append(f"manifest: root {root.tag}, not an asm.v1 assembly "
                      "of manifestVersion 1.0")

    controls = [
        ident for ident in root.iterfind(
            f"{{{ASM_V1}}}dependency/{{{ASM_V1}}}dependentAssembly/"
            f"{{{ASM_V1}}}assemblyIdentity")
        if ident.get("name") == "Microsoft.Windows.Common-Controls"]
    want = {"type": "win32", "version": "6.0.0.0",
            "publicKeyToken": "6595b64144ccf1df"}
    if len(controls) != 1:
        errors.append("manifest: want one dependency on "
                      f"Microsoft.Windows.Common-Controls, found "
                      f"{len(controls)}")
    else:
        got = {k: controls[0].get(k) for k in want}
        if {k: (v or "").lower() for k, v in got.items()} != want:
            errors.append(f"manifest: common controls dependency {got}, "
                          f"want {want}")
        if controls[0].get("processorArchitecture") not in ("x86", "*"):
            errors.append("manifest: common controls processorArchitecture "
                          f"{controls[0].get('processorArchitecture')}")

    levels = []
    for ns in (ASM_V2, ASM_V3):
        levels += root.iterfind(
            f"{{{ns}}}trustInfo/{{{ns}}}security/{{{ns}}}requestedPrivileges/"
            f"{{{ns}}}requestedExecutionLevel")
    got_levels = [(e.get("level"), e.get("uiAccess", "false")) for e in levels]
    if got_levels != [("asInvoker", "false")]:
        errors.append(f"manifest: requestedExecutionLevel {got_levels}, "
                      "want one asInvoker without uiAccess")

    ids = [os_.get("Id", "") for os_ in root.iterfind(
        f"{{{COMPAT_V1}}}compatibility/{{{COMPAT_V1}}}application/"
        f"{{{COMPAT_V1}}}supportedOS")]
    got_ids = sorted(i.strip("{}").lower() for i in ids)
    if got_ids != sorted(SUPPORTED_OS):
        missing = [SUPPORTED_OS[g] for g in SUPPORTED_OS if g not in got_ids]
        extra = [g for g in got_ids if g not in SUPPORTED_OS]
        errors.append(f"manifest: supportedOS entries {ids}; missing "
                      f"{missing}, unknown or repeated {extra}")


def decode_icon_image(data):
    """(width, height, bits per pixel, problem or None) of an RT_ICON image."""
    if data.startswith(b"\x89PNG\r\n\x1a\n"):
        pos, chunks = 8, []
        while pos + 12 <= len(data):
            length, kind = struct.unpack(">I4s", data[pos:pos + 8])
            body = data[pos + 8:pos + 8 + length]
            crc, = struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])
            if len(body) != length or zlib.crc32(kind + body) != crc:
                return 0, 0, 0, f"PNG chunk {kind} damaged"
            chunks.append((kind, body))
            pos += 12 + length
        if not chunks or chunks[0][0] != b"IHDR" or chunks[-1][0] != b"IEND":
            return 0, 0, 0, "PNG without IHDR first and IEND last"
        w, h, depth, colour = struct.unpack(">IIBB", chunks[0][1][:10])
        bpp = {(8, 6): 32, (8, 2): 24}.get((depth, colour), 0)
        pixels = zlib.decompress(b"".join(b for k, b in chunks if k == b"IDAT"))
        if bpp and len(pixels) != h * (1 + w * bpp // 8):
            return w, h, bpp, "PNG pixel data of the wrong length"
        return w, h, bpp, None
    if len(data) < 40:
        return 0, 0, 0, "neither PNG nor a bitmap header"
    (size, w, h2, planes, bpp, compression) = struct.unpack(
        "<IiiHHI", data[:20])
    if size != 40 or planes != 1 or compression != 0:
        return w, h2 // 2, bpp, (f"bitmap header size {size}, planes "
                                 f"{planes}, compression {compression}")
    h = h2 // 2  # colour image and AND mask, one above the other
    row = w * bpp // 8
    mask_row = (w + 31) // 32 * 4
    want = 40 + h * row + h * mask_row
    if bpp != 32 or len(data) != want:
        return w, h, bpp, f"{len(data)} bytes, want {want} for {w}x{h}x{bpp}"
    alpha = data[40 + 3:40 + h * row:4]
    if not any(alpha):
        return w, h, bpp, "alpha channel all transparent"
    return w, h, bpp, None


def check_icon(pe, errors):
    groups = resources(pe, RT_GROUP_ICON)
    icons = resources(pe, RT_ICON)
    if len(groups) != 1 or any(len(v) != 1 for v in groups.values()):
        errors.append(f"icon: want one icon group in one language, found "
                      f"{groups or 'none'}")
        return
    raw = resource_bytes(pe, next(iter(groups.values()))[0])
    reserved, kind, count = struct.unpack("<HHH", raw[:6])
    if reserved != 0 or kind != 1 or count != 1 or len(raw) != 6 + 14:
        errors.append(f"icon: group header reserved {reserved}, type {kind}, "
                      f"{count} entries in {len(raw)} bytes; want one icon")
        return
    width, height, colours, _, planes, bits, size, icon_id = struct.unpack(
        "<BBBBHHIH", raw[6:20])
    width, height = width or 256, height or 256
    if (width, height, bits) != (ICON_SIZE, ICON_SIZE, ICON_BITS) or \
            colours != 0 or planes not in (0, 1):
        errors.append(f"icon: group entry {width}x{height}, {bits} bits per "
                      f"pixel, {colours} colours, {planes} planes; want "
                      f"{ICON_SIZE}x{ICON_SIZE} at {ICON_BITS} bits")
    if list(icons) != [icon_id] or len(icons[icon_id]) != 1:
        errors.append(f"icon: group entry names icon {icon_id}; icons "
                      f"present {list(icons)}; want exactly that one")
        return
    data = resource_bytes(pe, icons[icon_id][0])
    if len(data) != size:
        errors.append(f"icon: image {icon_id} has {len(data)} bytes, the "
                      f"group entry says {size}")
    w, h, bpp, problem = decode_icon_image(data)
    if problem or (w, h, bpp) != (ICON_SIZE, ICON_SIZE, ICON_BITS):
        errors.append(f"icon: image {icon_id} decodes as {w}x{h} at {bpp} "
                      f"bits per pixel ({problem or 'wrong size'})")


def check(data, exports):
    errors = []
    try:
        pe = parse(data)
    except pefile.PEFormatError as e:
        return [f"not a PE file: {e}"]
    check_header(pe, errors)
    check_imports(pe, exports, errors)
    check_manifest(pe, errors)
    check_icon(pe, errors)
    return errors


def check_library(data):
    """Findings about libcef.dll: what it imports must load on XP too."""
    try:
        pe = parse(data)
    except pefile.PEFormatError as e:
        return [f"not a PE file: {e}"]
    errors = []
    check_system_imports(imported(pe), errors)
    return errors


def vista_import(data):
    """A copy importing a Vista-only function in place of an XP one of the
    same length."""
    pe = parse(data)
    kernel = next(e for e in pe.DIRECTORY_ENTRY_IMPORT
                  if e.dll.decode().lower() == "kernel32.dll")
    xp = next(i for i in kernel.imports if i.name == b"SetThreadContext")
    return patched(data, xp.name_offset, b"InitOnceComplete")


def patched(data, offset, new):
    copy = bytearray(data)
    copy[offset:offset + len(new)] = new
    return bytes(copy)


def broken_copies(data):
    """(what is broken, the finding expected, the bytes) of broken copies."""
    pe = parse(data)
    imports = {e.dll.decode().lower(): e for e in pe.DIRECTORY_ENTRY_IMPORT}

    cef_import = next(i for i in imports[LIBRARY_DLL].imports if i.name)
    misspelt = cef_import.name[:-1] + b"X"
    yield ("misspelt libcef import", f"{LIBRARY_DLL}!{misspelt.decode()} ",
           patched(data, cef_import.name_offset, misspelt))

    system = next(e for name, e in imports.items() if name != LIBRARY_DLL)
    stranger = b"X" + system.dll[1:]  # say, XERNEL32.dll
    yield ("non-system DLL", f"{stranger.decode()} is neither",
           patched(data, pe.get_offset_from_rva(system.struct.Name), stranger))

    yield ("Vista-only import", "KERNEL32.dll!InitOnceComplete exists only",
           vista_import(data))

    version = pe.OPTIONAL_HEADER.get_field_absolute_offset(
        "MajorSubsystemVersion")
    yield ("subsystem version 4.0", "subsystem version 4.00",
           patched(data, version, struct.pack("<HH", 4, 0)))

    manifest = resources(pe, RT_MANIFEST)[CREATEPROCESS_MANIFEST_RESOURCE_ID][0]
    start = pe.get_offset_from_rva(manifest.struct.OffsetToData)
    level = data.index(b'level="asInvoker"', start) + len(b'level="')
    yield ("highestAvailable", "requestedExecutionLevel",
           patched(data, level, b"highestAv"))

    # The group entry's width and height: make it say 64x64.
    group = next(iter(resources(pe, RT_GROUP_ICON).values()))[0]
    entry = pe.get_offset_from_rva(group.struct.OffsetToData) + 6
    yield ("64x64 icon entry", "group entry 64x64",
           patched(data, entry, bytes([64, 64])))


def main(argv):
    self_check = "--self-check" in argv
    args = [a for a in argv if a != "--self-check"]
    if len(args) not in (2, 3):
        sys.exit(__doc__)
    exe, capi_dir = args[:2]
    library = args[2] if len(args) == 3 else None
    data = pathlib.Path(exe).read_bytes()
    library_data = pathlib.Path(library).read_bytes() if library else None
    exports = declared_exports(capi_dir)

    errors = [f"{exe}: {e}" for e in check(data, exports)]
    if library:
        errors += [f"{library}: {e}" for e in check_library(library_data)]
    for e in errors:
        print(e)
    if errors:
        return 1
    print(f"{exe}: header, {len(exports)} declared library functions, "
          "imports, manifest and icon as specified")
    if library:
        print(f"{library}: imports as specified")

    if self_check:
        copies = [(what, expected, lambda c=copy: check(c, exports))
                  for what, expected, copy in broken_copies(data)]
        if library:
            copies.append((
                "library with a Vista-only import",
                "KERNEL32.dll!InitOnceComplete exists only",
                lambda: check_library(vista_import(library_data))))
        failed = 0
        for what, expected, run in copies:
            found = run()
            if not any(expected in e for e in found):
                failed += 1
                print(f"self-check: a copy with {what} was not refused for "
                      f"it (wanted a finding with {expected!r}; got "
                      f"{found})")
            else:
                print(f"self-check: a copy with {what} is refused")
        if failed:
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
