#!/usr/bin/env python3
"""Builds Morvek's Debian package from a configured build tree and fails when it is broken.

Usage: check_package.py BUILD_DIR [--manuals] [--keep DIR]

It packs the build with cpack into a temporary folder, then checks the package as a user's
machine would meet it: its control data (name, version, dependencies on the Qt 6 runtime),
that the dependencies resolve on this system, its file list, an installation with dpkg into an
empty root, the desktop entry, the AppStream metadata and the MIME type with their own
validators, the icon files against the sizes their folders promise, that the installed
programs start and answer --version, that their manual pages render, that the copyright file
is machine-readable and names every typeface the manuals embed, that lintian finds no error
and no warning, and that dpkg -r leaves no file behind. --manuals also requires the four help
manuals.
"""
import gzip
import re
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

APP_ID = "io.github.morvek.Morvek"
PROGRAMS = ("morvek", "morvek-cli", "torvane-sim")
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
MANUALS = ("Morvek_en.pdf", "Morvek_de.pdf", "Morvek_fr.pdf", "Morvek_cz.pdf")
# Libraries every binary of the window needs at run time, as Debian 12 names their packages.
RUNTIME = ("libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6serialport6",
           "libqt6printsupport6", "qt6-qpa-plugins", "libc6", "libstdc++6")

failures = []


def fail(text):
    failures.append(text)
    print("FAIL: " + text)


def run(args, **kwargs):
    began = time.monotonic()
    done = subprocess.run(args, capture_output=True, text=True, **kwargs)
    if os.environ.get("MORVEK_PACKAGE_TIMES"):
        print("%5.1f s  %s" % (time.monotonic() - began, " ".join(args[:3])))
    return done


def expected_files(with_manuals):
    files = ["/usr/bin/morvek", "/usr/bin/morvek-cli", "/usr/bin/torvane-sim",
             "/usr/share/applications/%s.desktop" % APP_ID,
             "/usr/share/metainfo/%s.metainfo.xml" % APP_ID,
             "/usr/share/mime/packages/morvek-parameters.xml",
             "/usr/share/doc/morvek/copyright", "/usr/share/doc/morvek/changelog.gz"]
    files += ["/usr/share/man/man1/%s.1.gz" % p for p in PROGRAMS]
    files += ["/usr/share/icons/hicolor/%dx%d/apps/morvek.png" % (s, s) for s in ICON_SIZES]
    if with_manuals:
        files += ["/usr/share/morvek/" + m for m in MANUALS]
    return files


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


def depends_names(depends):
    """Package names of a Depends field; alternatives count as their first name."""
    names = []
    for entry in depends.split(","):
        first = entry.split("|")[0].strip()
        if first:
            names.append(first.split()[0].split(":")[0])
    return names


def check_control(deb):
    info = run(["dpkg-deb", "-f", deb])
    if info.returncode != 0:
        fail("dpkg-deb cannot read the control data: " + info.stderr.strip())
        return
    fields = {}
    for line in info.stdout.splitlines():
        if ":" in line and not line.startswith(" "):
            key, value = line.split(":", 1)
            fields[key.strip()] = value.strip()
    if fields.get("Package") != "morvek":
        fail("package name is %r, not morvek" % fields.get("Package"))
    if not fields.get("Version"):
        fail("the package has no version")
    names = depends_names(fields.get("Depends", ""))
    for lib in RUNTIME:
        if lib not in names:
            fail("Depends lacks %s (has: %s)" % (lib, ", ".join(names) or "nothing"))
    # Every dependency must be a package this system knows (Debian 12 here), so apt can
    # install the package; a name from a newer release (…t64) would leave it uninstallable.
    installed = run(["dpkg-query", "-W", "-f=${Package} ${Status}\n"] + names)
    unknown = [n for n in names if "%s install ok installed" % n not in installed.stdout]
    if unknown:
        known = run(["apt-cache", "show", "--no-all-versions"] + unknown)
        if known.returncode != 0:
            fail("dependencies unknown on this system: " + ", ".join(unknown))


def check_listing(deb, with_manuals):
    listing = run(["dpkg-deb", "-c", deb])
    if listing.returncode != 0:
        fail("dpkg-deb -c: " + listing.stderr.strip())
        return
    paths = set()
    for line in listing.stdout.splitlines():
        path = line.split()[5] if len(line.split()) > 5 else ""
        paths.add(path.lstrip(".").rstrip("/"))
    for path in expected_files(with_manuals):
        if path not in paths:
            fail("the package lacks " + path)
    for path in paths:
        if path and path != "/usr" and not path.startswith("/usr/"):
            fail("the package writes outside /usr: " + path)


def install_into_empty_root(deb, root):
    admin = os.path.join(root, "var/lib/dpkg")
    for sub in ("info", "updates", "triggers"):
        os.makedirs(os.path.join(admin, sub), exist_ok=True)
    open(os.path.join(admin, "status"), "w").close()
    open(os.path.join(admin, "available"), "w").close()
    # The root holds nothing else, so its dependencies cannot be met there: they were checked
    # against this system above.
    done = run(["dpkg", "--root=" + root, "--log=/dev/null", "--force-depends",
                "--force-not-root", "--force-script-chrootless", "--no-triggers", "-i", deb])
    if done.returncode != 0:
        fail("dpkg -i into an empty root failed:\n" + done.stdout + done.stderr)
        return False
    status = run(["dpkg-query", "--root=" + root, "-W", "-f=${Status}", "morvek"])
    if "install ok" not in status.stdout:
        fail("dpkg does not list morvek as installed: " + status.stdout + status.stderr)
    return True


def check_desktop_files(root, scratch, with_manuals):
    for path in expected_files(with_manuals):
        if not os.path.isfile(root + path):
            fail("not installed: " + path)
    desktop = root + "/usr/share/applications/%s.desktop" % APP_ID
    if shutil.which("desktop-file-validate") and os.path.isfile(desktop):
        v = run(["desktop-file-validate", desktop])
        if v.returncode != 0 or v.stdout.strip():
            fail("desktop-file-validate:\n" + v.stdout + v.stderr)
        text = open(desktop, encoding="utf-8").read()
        for line in ("Exec=morvek %f", "Icon=morvek", "MimeType=application/x-morvek-parameters;"):
            if line not in text.splitlines():
                fail("the desktop entry lacks " + line)
    metainfo = root + "/usr/share/metainfo/%s.metainfo.xml" % APP_ID
    if shutil.which("appstreamcli") and os.path.isfile(metainfo):
        v = run(["appstreamcli", "validate", "--no-net", "--pedantic", metainfo])
        if v.returncode != 0:
            fail("appstreamcli validate:\n" + v.stdout + v.stderr)
        if "@PROJECT_VERSION@" in open(metainfo, encoding="utf-8").read():
            fail("the metainfo still holds the @PROJECT_VERSION@ placeholder")
    # The database is built in a copy: the files it writes belong to the system's trigger,
    # not to the package, and dpkg -r must find only the package's own files.
    mime = os.path.join(scratch, "share/mime")
    if shutil.which("update-mime-database") and os.path.isdir(root + "/usr/share/mime"):
        shutil.copytree(root + "/usr/share/mime", mime)
        # With the root's folder on the search path the tool has nothing to say but errors.
        env = dict(os.environ, XDG_DATA_DIRS=os.path.join(scratch, "share"))
        v = run(["update-mime-database", mime], env=env)
        globs = os.path.join(mime, "globs2")
        if v.returncode != 0 or v.stderr.strip():
            fail("update-mime-database:\n" + v.stdout + v.stderr)
        elif not os.path.isfile(globs) or \
                "application/x-morvek-parameters:*.ign" not in open(globs).read():
            fail("the MIME database built from the package does not map *.ign to Morvek")
    for size in ICON_SIZES:
        path = root + "/usr/share/icons/hicolor/%dx%d/apps/morvek.png" % (size, size)
        if os.path.isfile(path) and png_size(path) != (size, size):
            fail("%s is %s, not %dx%d" % (path, png_size(path), size, size))


def check_programs_start(root, scratch):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen",
               MORVEK_CONFIG_DIR=os.path.join(scratch, "config"))
    bin_dir = os.path.join(root, "usr/bin")
    ign = os.path.join(scratch, "new.ign")
    v = run([os.path.join(bin_dir, "morvek-cli"), "new", "--bike", "0", "-o", ign], env=env,
            timeout=30)
    if v.returncode != 0 or not open(ign, "rb").read().startswith(b"KALVORIN_KEY"):
        fail("installed morvek-cli cannot write a parameter file: " + v.stderr)
    v = run([os.path.join(bin_dir, "torvane-sim"), "--help"], env=env, timeout=30)
    if v.returncode != 0 or "torvane-sim" not in v.stdout + v.stderr:
        fail("installed torvane-sim does not start: " + v.stderr)
    # The window opens the file named on its command line and closes at once.
    v = run([os.path.join(bin_dir, "morvek"), "--quit-after-show", ign], env=env, timeout=60)
    if v.returncode != 0:
        fail("installed morvek does not start (exit %d): %s" % (v.returncode, v.stderr))
    settings = os.path.join(env["MORVEK_CONFIG_DIR"], "Morvek_v84.ini")
    if not os.path.isfile(settings) or "new.ign" not in open(settings, errors="replace").read():
        fail("installed morvek did not open the file named on its command line")


def check_versions(root, version):
    for program in PROGRAMS:
        v = run([os.path.join(root, "usr/bin", program), "--version"], timeout=30)
        first = v.stdout.splitlines()[0] if v.stdout else ""
        if v.returncode != 0 or not first.startswith("%s %s" % (program, version)):
            fail("%s --version: exit %d, first line %r" % (program, v.returncode, first))
        for said in ("Built ", "GPL-3.0-or-later"):
            if said not in v.stdout:
                fail("%s --version does not say %r:\n%s" % (program, said, v.stdout))


def check_man_pages(root):
    env = dict(os.environ, LC_ALL="C.UTF-8", MANROFFSEQ="", MANWIDTH="80")
    for program in PROGRAMS:
        page = root + "/usr/share/man/man1/%s.1.gz" % program
        if not os.path.isfile(page):
            continue
        v = run(["man", "--warnings", "-E", "UTF-8", "-l", "-Tutf8", "-Z", page], env=env)
        if v.returncode != 0 or v.stderr.strip():
            fail("man -l %s: %s" % (program, v.stderr))
        text = run(["man", "-l", page], env=env).stdout
        help_text = run([root + "/usr/bin/" + program, "--help"], timeout=30).stdout
        # The page is the program's --help: its first line and its last option are there.
        for line in (help_text.splitlines()[0], help_text.strip().splitlines()[-1]):
            if " ".join(line.split()) not in " ".join(text.split()):
                fail("the manual page of %s lacks its --help line %r" % (program, line))


def check_copyright(root, with_manuals):
    path = root + "/usr/share/doc/morvek/copyright"
    if not os.path.isfile(path):
        return
    text = open(path, encoding="utf-8").read()
    if not text.startswith(
            "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"):
        fail("the copyright file is not in the machine-readable format")
    # Every license a Files stanza names has its own paragraph.
    named = set()
    for value in re.findall(r"^License: (.+)$", text, re.M):
        named.update(n.strip() for n in value.split(" and "))
    standalone = set(re.findall(r"^\n?License: (\S+)\n ", text, re.M))
    for name in named:
        if name not in standalone:
            fail("the copyright file names the license %s without its text" % name)
    # Every typeface the manuals embed is named, so its license is stated.
    flat = text.replace(" ", "")
    if with_manuals and shutil.which("pdffonts"):
        for manual in MANUALS:
            listing = run(["pdffonts", root + "/usr/share/morvek/" + manual]).stdout
            for line in listing.splitlines()[2:]:
                font = line.split()[0].split("+")[-1].split("-")[0]
                if font and font not in flat:
                    fail("%s embeds %s, which the copyright file does not name" % (manual, font))


def check_changelog(root, version):
    path = root + "/usr/share/doc/morvek/changelog.gz"
    if os.path.isfile(path):
        first = gzip.open(path, "rt", encoding="utf-8").readline()
        if not first.startswith("morvek (%s) " % version):
            fail("the changelog's first entry is %r, not version %s" % (first, version))


def check_no_made_up_addresses(root):
    for folder, _, names in os.walk(os.path.join(root, "usr/share")):
        for name in names:
            path = os.path.join(folder, name)
            data = open(path, "rb").read()
            if path.endswith(".gz"):
                data = gzip.decompress(data)
            # Spelt in two pieces, so a search of the sources for the address finds nothing.
            if any(b"example." + tld in data for tld in (b"org", b"com", b"net")):
                fail("%s holds a made-up example address" % path)
    metainfo = root + "/usr/share/metainfo/%s.metainfo.xml" % APP_ID
    if os.path.isfile(metainfo):
        for image in re.findall(r"<image[^>]*>([^<]*)</image>", open(metainfo).read()):
            local = image[len("file://"):] if image.startswith("file://") else image
            if not os.path.isfile(root + local):
                fail("the AppStream screenshot %s is not a file the package installs" % image)


def check_lintian(deb):
    if not shutil.which("lintian"):
        fail("lintian is not installed (scripts/setup installs it)")
        return
    v = run(["lintian", "--tag-display-limit", "0", "--display-info", deb], timeout=240)
    hints = [line for line in v.stdout.splitlines() if re.match(r"^[EWIPX]: ", line)]
    bad = [line for line in hints if line[0] in "EW"]
    for line in bad:
        fail("lintian: " + line)
    print("lintian: %d error(s) or warning(s), %d note(s)" % (len(bad), len(hints) - len(bad)))


def remove_from_root(root):
    done = run(["dpkg", "--root=" + root, "--log=/dev/null", "--force-not-root",
                "--force-script-chrootless", "--no-triggers", "-r", "morvek"])
    if done.returncode != 0:
        fail("dpkg -r failed:\n" + done.stdout + done.stderr)
        return
    left = []
    for folder, _, names in os.walk(root):
        if os.path.relpath(folder, root).startswith("var/lib/dpkg"):
            continue
        left += [os.path.join(folder, n) for n in names]
    if left:
        fail("dpkg -r left files behind: " + ", ".join(sorted(left)[:10]))
    status = run(["dpkg-query", "--root=" + root, "-W", "-f=${Status}", "morvek"])
    if "not-installed" not in status.stdout and status.returncode == 0:
        fail("after dpkg -r, morvek is still %r" % status.stdout)


def main():
    args = sys.argv[1:]
    if not args:
        print(__doc__)
        return 2
    build = os.path.abspath(args[0])
    with_manuals = "--manuals" in args
    keep = args[args.index("--keep") + 1] if "--keep" in args else None
    work = tempfile.mkdtemp(prefix="morvek-package-")
    try:
        packed = run(["cpack", "--config", os.path.join(build, "CPackConfig.cmake"), "-B",
                      os.path.join(work, "out")])
        debs = [os.path.join(work, "out", f) for f in os.listdir(os.path.join(work, "out"))
                if f.endswith(".deb")] if packed.returncode == 0 else []
        if len(debs) != 1:
            fail("cpack made no package:\n" + packed.stdout + packed.stderr)
            return 1
        deb = debs[0]
        print("package: %s (%d kB)" % (os.path.basename(deb), os.path.getsize(deb) // 1024))
        version = run(["dpkg-deb", "-f", deb, "Version"]).stdout.strip()
        check_control(deb)
        check_listing(deb, with_manuals)
        check_lintian(deb)
        root = os.path.join(work, "root")
        scratch = os.path.join(work, "scratch")
        os.makedirs(scratch)
        if install_into_empty_root(deb, root):
            check_desktop_files(root, scratch, with_manuals)
            check_programs_start(root, scratch)
            check_versions(root, version)
            check_man_pages(root)
            check_copyright(root, with_manuals)
            check_changelog(root, version)
            check_no_made_up_addresses(root)
            remove_from_root(root)
        if keep:
            os.makedirs(keep, exist_ok=True)
            shutil.copy(deb, keep)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("package check: %d failure(s)" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
