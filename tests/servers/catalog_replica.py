"""The replica's product catalog, as the Media Creation Tool reads it.

products.xml (CRLF line endings, in the form of catalog 1.0, 2.0 or 2.1),
packed with `gcab -c` into the CAB that `/fwlink/?linkid=2156292` (Windows
11) and `/fwlink/?LinkId=841361` (Windows 10) redirect to, and the ESDs it
lists, made with make_esd.sh beside this file. See README.md.

Standard library only (and the gcab and wimlib-imagex programs).
"""

import collections
import hashlib
import os
import re
import subprocess
import tempfile
import threading
from xml.sax.saxutils import escape

HERE = os.path.dirname(os.path.abspath(__file__))
CATALOG_LINK_RE = re.compile(r"linkid=(2156292|841361)", re.IGNORECASE)
CATALOG_PRODUCTS = {"2156292": "win11", "841361": "win10"}
CATALOG_PREFIX = "/catalog/"
ESD_PREFIX = "/esd/"

# One ESD each; each serves both editions and is listed once for each.
Esd = collections.namedtuple("Esd", "product language_code language arch")
ESDS = (
    Esd("win11", "en-us", "English (United States)", "x64"),
    Esd("win11", "fr-fr", "French (France)", "x64"),
    Esd("win11", "en-us", "English (United States)", "ARM64"),
    Esd("win10", "en-us", "English (United States)", "x64"),
    Esd("win10", "en-us", "English (United States)", "x86"),
)
EDITIONS = (("Professional", "Windows Pro"), ("Core", "Windows Home"))
BUILDS = {
    ("win11", "current"): "26200.6584.250915-1905.25h2_ge_release_svc_refresh",
    ("win11", "stale"): "22631.2861.231204-0538.ni_release_svc_refresh",
    ("win10", "current"): "19045.3803.231204-0416.22h2_release_svc_refresh",
    ("win10", "stale"): "19041.1.191206-1406.vb_release",
}
ARCH_TOKENS = {"x64": "x64", "ARM64": "A64", "x86": "x86"}
FORMS = ("1.0", "2.0", "2.1")


def esd_file_name(esd, build):
    return "%s_CLIENTCONSUMER_RET_%sFRE_%s.esd" % (BUILDS[(esd.product, build)], ARCH_TOKENS[esd.arch],
                                                 esd.language_code)


class CatalogFiles:
    """The ESDs, made once at start in a folder of their own."""

    def __init__(self):
        self._folder = tempfile.TemporaryDirectory(prefix="replica-catalog-")
        self._lock = threading.Lock()
        self.bodies = []
        for index, esd in enumerate(ESDS):
            path = os.path.join(self._folder.name, "%d.esd" % index)
            subprocess.run([os.path.join(HERE, "make_esd.sh"), path,
                            "%s-%s-%s" % (esd.product, esd.language_code, esd.arch), esd.arch.lower()], check=True)
            with open(path, "rb") as file:
                self.bodies.append(file.read())

    def esd_body(self, path):
        """The ESD of `/esd/<index>/<file name>`, or None."""
        match = re.fullmatch(r"/esd/([0-9])/[^/]+\.esd", path)
        index = int(match.group(1)) if match else len(ESDS)
        return self.bodies[index] if index < len(ESDS) else None

    def products_xml(self, product, origin, switches):
        """products.xml of `product` as the switches have it, CRLF line ends."""
        form, build = switches.catalog_form, switches.catalog_build
        # The same server under another name: a host the catalog's files may not come from.
        esd_origin = origin.replace("//127.0.0.1:", "//localhost:") if switches.catalog_esd == "elsewhere" else origin
        files = []
        for index, esd in enumerate(ESDS):
            if esd.product != product:
                continue
            body = self.bodies[index]
            digest = hashlib.sha256(body) if form == "2.1" else hashlib.sha1(body)
            value = digest.hexdigest().upper()
            if switches.catalog_digest == "wrong":
                value = ("0" if value[0] != "0" else "1") + value[1:]
            name = esd_file_name(esd, build)
            for edition, edition_name in EDITIONS:
                files.append(self._file(esd, name, edition, edition_name, len(body), value, form,
                                        "%s/esd/%d/%s" % (esd_origin, index, name)))
        # Entries no reader should take: no digest, an unknown architecture.
        files.append(self._file(ESDS[0], "no_digest.esd", "Core", "Windows Home", 1, "", form,
                                origin + "/esd/9/no_digest.esd"))
        files.append(self._file(Esd(product, "en-us", "English (United States)", "ia64"), "itanium.esd",
                                "Core", "Windows Home", 1, "0" * 64, "2.1", origin + "/esd/9/itanium.esd"))
        media = ['<PublishedMedia id="1" release="1">', "<Files>"] + files + ["</Files>", "</PublishedMedia>"]
        if form != "1.0":
            media = ["<MCT>", "<Catalogs>", '<Catalog version="%s">' % form] + media \
                + ["</Catalog>", "</Catalogs>", "</MCT>"]
        lines = ['<?xml version="1.0" encoding="UTF-8"?>'] + media
        return ("\r\n".join(lines) + "\r\n").encode("utf-8")

    @staticmethod
    def _file(esd, name, edition, edition_name, size, digest, form, path):
        digest_field = "Sha256" if form == "2.1" else "Sha1"
        fields = (("FileName", name), ("LanguageCode", esd.language_code), ("Language", esd.language),
                  ("Edition", edition), ("Edition_Loc", edition_name), ("Architecture", esd.arch),
                  ("Size", str(size)), (digest_field, digest), ("FilePath", path), ("Key", ""))
        return "<File>" + "".join("<%s>%s</%s>" % (key, escape(value), key) for key, value in fields
                                  if value or key == "Key") + "</File>"

    def cab(self, product, origin, switches):
        """The CAB holding that products.xml, made with `gcab -c`."""
        xml = self.products_xml(product, origin, switches)
        with self._lock, tempfile.TemporaryDirectory(prefix="replica-cab-") as folder:
            with open(os.path.join(folder, "products.xml"), "wb") as file:
                file.write(xml)
            subprocess.run(["gcab", "-c", "-z", "products.cab", "products.xml"], cwd=folder, check=True,
                           stdout=subprocess.DEVNULL)
            with open(os.path.join(folder, "products.cab"), "rb") as file:
                return file.read()
