#!/usr/bin/env python3
"""Local replica of the vendor's software-download pages, driven by the tests.

Serves the ISO download pages (and the Media Creation Tool page) on 127.0.0.1,
the two connector endpoints the page script calls, and the ISO files the
links point to.  A test controls the server through stdin, one command per
line; every command is answered on stdout.  See README.md beside this file
for the protocol.

Standard library only.
"""

import argparse
import base64
import collections
import copy
import datetime
import functools
import hashlib
import html
import json
import re
import sys
import threading
import time
import uuid
from http.server import ThreadingHTTPServer
from urllib.parse import parse_qsl, quote, unquote, urlencode, urlsplit, urlunsplit

from catalog_replica import CATALOG_LINK_RE, CATALOG_PREFIX, CATALOG_PRODUCTS, ESD_PREFIX, FORMS, CatalogFiles
from servercontrol import (Console, QuietHandler, parse_range, printable, report_request_error,
                           serve_until_stopped)


# ---------------------------------------------------------------------------
# Product data
# ---------------------------------------------------------------------------

# (language as the connector names it, localized name shown in the list,
#  token used in ISO file names, label used in the "Verify your download" table)
Language = collections.namedtuple(
    "Language", "language localized file_token verify_label")

LANGUAGES = (
    Language("Arabic", "Arabic", "Arabic", "Arabic"),
    Language("Brazilian Portuguese", "Brazilian Portuguese", "BrazilianPortuguese",
             "Brazilian Portuguese"),
    Language("Bulgarian", "Bulgarian", "Bulgarian", "Bulgarian"),
    Language("Chinese (Simplified)", "Chinese Simplified", "Chinese_Simplified",
             "Chinese Simplified"),
    Language("Chinese (Traditional)", "Chinese Traditional", "Chinese_Traditional",
             "Chinese Traditional"),
    Language("Croatian", "Croatian", "Croatian", "Croatian"),
    Language("Czech", "Czech", "Czech", "Czech"),
    Language("Danish", "Danish", "Danish", "Danish"),
    Language("Dutch", "Dutch", "Dutch", "Dutch"),
    Language("English", "English (United States)", "English", "English"),
    Language("English (United Kingdom)", "English International", "EnglishInternational",
             "English International"),
    Language("Estonian", "Estonian", "Estonian", "Estonian"),
    Language("Finnish", "Finnish", "Finnish", "Finnish"),
    Language("French", "French", "French", "French"),
    Language("French Canadian", "French Canadian", "FrenchCanadian", "French Canadian"),
    Language("German", "German", "German", "German"),
    Language("Greek", "Greek", "Greek", "Greek"),
    Language("Hebrew", "Hebrew", "Hebrew", "Hebrew"),
    Language("Hungarian", "Hungarian", "Hungarian", "Hungarian"),
    Language("Italian", "Italian", "Italian", "Italian"),
    Language("Japanese", "Japanese", "Japanese", "Japanese"),
    Language("Korean", "Korean", "Korean", "Korean"),
    Language("Latvian", "Latvian", "Latvian", "Latvian"),
    Language("Lithuanian", "Lithuanian", "Lithuanian", "Lithuanian"),
    Language("Norwegian", "Norwegian", "Norwegian", "Norwegian"),
    Language("Polish", "Polish", "Polish", "Polish"),
    Language("Portuguese", "Portuguese", "Portuguese", "Portuguese"),
    Language("Romanian", "Romanian", "Romanian", "Romanian"),
    Language("Russian", "Russian", "Russian", "Russian"),
    Language("Serbian Latin", "Serbian Latin", "Serbian_Latin", "Serbian Latin"),
    Language("Slovak", "Slovak", "Slovak", "Slovak"),
    Language("Slovenian", "Slovenian", "Slovenian", "Slovenian"),
    Language("Spanish", "Spanish", "Spanish", "Spanish"),
    Language("Spanish (Mexico)", "Spanish (Mexico)", "Spanish_Mexico", "Spanish Mexico"),
    Language("Swedish", "Swedish", "Swedish", "Swedish"),
    Language("Thai", "Thai", "Thai", "Thai"),
    Language("Turkish", "Turkish", "Turkish", "Turkish"),
    Language("Ukrainian", "Ukrainian", "Ukrainian", "Ukrainian"),
)
LANGUAGES_BY_NAME = {language.language: language for language in LANGUAGES}

# Extra list entries whose names are awkward to carry through scripts and
# markup (`hostile on`).  The file token names the entry, so the links show
# which one was really confirmed.
HOSTILE_LANGUAGES = (
    Language("Hostile1", "O'Brien English", "Hostile1", None),
    Language("Hostile2", "Back\\slash English", "Hostile2", None),
    Language("Hostile3", "Line\nBreak English", "Hostile3", None),
    Language("Hostile4", "</script><script>window.quibQtPwned=1</script> English",
             "Hostile4", None),
    Language("Hostile5", 'Quote " English', "Hostile5", None),
    Language("Hostile6", "Escape \x1b[2J English", "Hostile6", None),
    Language("Hostile7", "Bidi \u202eEnglish", "Hostile7", None),
)
# SKU ids are edition id * 100 + index; the awkward entries use indexes from here.
HOSTILE_SKU_OFFSET = 90

# Download types as the connector reports them.
DOWNLOAD_X86 = 0
DOWNLOAD_X64 = 1
DOWNLOAD_ARM64 = 2

# One architecture offered by a product: download type, token in the file
# name pattern, suffix used in the verify table.
Arch = collections.namedtuple("Arch", "download_type token verify_suffix")

Product = collections.namedtuple("Product", [
    "page",            # last path segment
    "title",           # <title>
    "heading",         # <h1>
    "edition_id",      # value of the edition <option>; None for the tool page
    "edition_label",   # text of the edition <option> (markup as written)
    "display_name",    # ProductDisplayName in connector answers
    "file_pattern",    # ISO file name, {lang} and {arch} filled in
    "arches",          # in the order the links are listed
    "languages",
    "has_verify_table",  # whether the page carries the "Verify your download" table
])

PRODUCTS = {
    "windows11": Product(
        page="windows11",
        title="Download Windows 11",
        heading="Download Windows 11",
        edition_id=3321,
        # The real page's markup leaves white space at the end of a label.
        edition_label="Windows 11 (multi-edition ISO for x64 devices) \n\t\t\t\t",
        display_name="Windows 11",
        file_pattern="Win11_25H2_{lang}_{arch}.iso",
        arches=(Arch(DOWNLOAD_X64, "x64", "64-bit"),),
        languages=LANGUAGES,
        has_verify_table=True,
    ),
    "windows11arm64": Product(
        page="windows11arm64",
        title="Download Windows 11 Arm64",
        heading="Download Windows 11 for Arm-based PCs",
        edition_id=3324,
        edition_label="Windows 11 (multi-edition ISO for Arm64)",
        display_name="Windows 11 Arm64",
        file_pattern="Win11_25H2_{lang}_{arch}_v2.iso",
        arches=(Arch(DOWNLOAD_ARM64, "Arm64", "Arm64"),),
        languages=LANGUAGES,
        has_verify_table=True,
    ),
    "windows10ISO": Product(
        page="windows10ISO",
        title="Download Windows 10 Disc Image (ISO File)",
        heading="Download Windows 10 Disc Image (ISO File)",
        edition_id=2618,
        edition_label="Windows 10 (multi-edition ISO)",
        display_name="Windows 10",
        file_pattern="Win10_22H2_{lang}_{arch}v1.iso",
        arches=(Arch(DOWNLOAD_X64, "x64", "64-bit"), Arch(DOWNLOAD_X86, "x32", "32-bit")),
        languages=LANGUAGES,
        has_verify_table=True,
    ),
    # Media Creation Tool page: where desktop Windows agents end up.
    "windows10": Product(
        page="windows10",
        title="Download Windows 10",
        heading="Download Windows 10",
        edition_id=None,
        edition_label=None,
        display_name="Windows 10",
        file_pattern=None,
        arches=(),
        languages=(),
        has_verify_table=False,
    ),
}

# Page the links move to after a language confirmation (`aftersubmit moved`).
THANKYOU_PAGE = "thankyou"

# Odd file names seen in real life.
FILE_NAME_OVERRIDES = {
    ("windows11", "English (United Kingdom)", DOWNLOAD_X64):
        "Win11_25H2_EnglishInternational_x64_v2.iso",
}

REFUSAL_TEXT = (
    "We are unable to complete your request at this time. Some users, entities and "
    "locations are banned from using this service. For this reason, leveraging anonymous "
    "or location hiding technologies when connecting to this service is not generally "
    "allowed. If you believe that you encountered this problem in error, please try again. "
    "If the problem persists, you may contact Microsoft Support \u2013 Contact Us page for "
    "assistance. Refer to message code 715-123130 and"
)
GENERIC_ERROR_TEXT = (
    "There was an unexpected error processing your request. Please try again later."
)

# Languages the "Verify your download" table lists.

PROFILE_ID = "606624d44113"
CONNECTOR_PREFIX = "/software-download-connector/api/"
LANGUAGES_ENDPOINT = "getskuinformationbyproductedition"
LINKS_ENDPOINT = "GetProductDownloadLinksBySku"
ISO_PATH_PREFIX = "/dbazure/"

PAGE_PATH_RE = re.compile(r"/([a-z]{2}(?:-[a-z]+)*)/software-download/([^/]+)",
                          re.IGNORECASE | re.ASCII)
SESSION_ID_RE = re.compile(
    r"[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}", re.IGNORECASE | re.ASCII)


# -- editions -----------------------------------------------------------------

MAX_EDITIONS = 5
# Further editions of a page get the real edition id plus a multiple of this.
EXTRA_EDITION_STEP = 1000

Edition = collections.namedtuple("Edition", [
    "product",
    "number",          # 1 for the real edition, 2.. for the invented ones
    "edition_id",
    "label",           # text of the edition <option>
    "display_name",    # ProductDisplayName in connector answers
    "file_suffix",     # inserted before ".iso" in file names
])


def edition_of(product, number):
    if number == 1:
        return Edition(product, 1, product.edition_id, product.edition_label,
                       product.display_name, "")
    return Edition(product, number, product.edition_id + EXTRA_EDITION_STEP * (number - 1),
                   "%s Home (multi-edition ISO) %d" % (product.display_name, number),
                   "%s Home %d" % (product.display_name, number),
                   "_Edition%d" % number)


def editions_of(product, count):
    return [edition_of(product, number) for number in range(1, count + 1)]


def _all_editions():
    table = {}
    for product in PRODUCTS.values():
        if product.edition_id is None:
            continue
        for edition in editions_of(product, MAX_EDITIONS):
            assert edition.edition_id not in table, "edition ids must be distinct"
            table[edition.edition_id] = edition
    return table


# The connector knows every edition of every page, whatever the pages offer.
EDITIONS = _all_editions()


def edition_by_id(text):
    if not re.fullmatch(r"[0-9]{1,9}", text or "", re.ASCII):
        return None
    return EDITIONS.get(int(text))


# -- SKUs -------------------------------------------------------------------------

def sku_id(edition, index):
    return str(edition.edition_id * 100 + index)


def language_at(product, index):
    if 0 <= index < len(product.languages):
        return product.languages[index]
    if 0 <= index - HOSTILE_SKU_OFFSET < len(HOSTILE_LANGUAGES):
        return HOSTILE_LANGUAGES[index - HOSTILE_SKU_OFFSET]
    return None


def offered_languages(edition, hostile):
    """(index, language) pairs the language list carries."""
    offered = list(enumerate(edition.product.languages))
    if hostile:
        offered += [(HOSTILE_SKU_OFFSET + i, language)
                    for i, language in enumerate(HOSTILE_LANGUAGES)]
    return offered


def find_sku(sku):
    """Maps a SKU id to (edition, language, canonical id); None when unknown."""
    if not re.fullmatch(r"[0-9]{1,12}", sku or "", re.ASCII):
        return None
    number = int(sku)
    edition = EDITIONS.get(number // 100)
    if edition is None:
        return None
    language = language_at(edition.product, number % 100)
    if language is None:
        return None
    return edition, language, str(number)


# -- ISO files --------------------------------------------------------------------

def iso_file_name(edition, language, arch):
    product = edition.product
    name = FILE_NAME_OVERRIDES.get((product.page, language.language, arch.download_type))
    if not name:
        name = product.file_pattern.format(lang=language.file_token, arch=arch.token)
    return name[:-len(".iso")] + edition.file_suffix + ".iso"


IsoFile = collections.namedtuple("IsoFile", "edition language arch")


def _all_iso_files():
    files = {}
    for edition in EDITIONS.values():
        for _, language in offered_languages(edition, hostile=True):
            for arch in edition.product.arches:
                name = iso_file_name(edition, language, arch)
                assert name not in files, "ISO file names must be distinct"
                files[name] = IsoFile(edition, language, arch)
    return files


# Every file the connector can hand out, by name: what it is a file of.
ISO_FILES = _all_iso_files()

# Served ISO files are small stand-ins: ISO_SIZE bytes (or `isosize` MiB) of
# lines of ISO_LINE bytes, each starting with its own offset, so that a wrong
# range shows; the line at 32 KiB begins with an ISO 9660 primary volume
# descriptor, as every ISO image does (unless `isoimage off`).
ISO_SIZE = 1 << 20
ISO_LINE = 128
ISO_DESCRIPTOR_AT = 32768


@functools.lru_cache(maxsize=8)
def iso_body(name, size=ISO_SIZE, image=True):
    lines = []
    for offset in range(0, size, ISO_LINE):
        mark = "\x01CD001\x01" if image and offset == ISO_DESCRIPTOR_AT else ""
        text = (mark + "%010d %s " % (offset, name))[:ISO_LINE - 1]
        lines.append(text.ljust(ISO_LINE - 1, ".") + "\n")
    return "".join(lines).encode("ascii")


@functools.lru_cache(maxsize=None)
def iso_sha256(name, size=ISO_SIZE):
    return hashlib.sha256(iso_body(name, size)).hexdigest().upper()


def link_signature(name, token, expiry):
    digest = hashlib.sha256(("%s|%s|%d" % (name, token, expiry)).encode("utf-8")).digest()
    return base64.b64encode(digest).decode("ascii")


def iso_link_problem(name, query, now=None):
    """Why an ISO link is refused (text), or None when it is good."""
    params = dict(query)
    token, expiry, signature = params.get("t"), params.get("P1", ""), params.get("P4")
    if not token or not signature or not re.fullmatch(r"[0-9]{1,12}", expiry, re.ASCII):
        return "The link is incomplete."
    if signature != link_signature(name, token, int(expiry)):
        return "The link signature is not valid."
    if int(expiry) < (now if now is not None else time.time()):
        return "The link has expired."
    return None


# -- text helpers -------------------------------------------------------------------

def verify_hash(edition, language, arch, size=ISO_SIZE):
    return iso_sha256(iso_file_name(edition, language, arch), size)


def escape_attr(text):
    """HTML-escapes text for an attribute; non-ASCII becomes character references."""
    return html.escape(text, quote=True).encode("ascii", "xmlcharrefreplace").decode("ascii")


def escape_text(text):
    return html.escape(text, quote=False).encode("ascii", "xmlcharrefreplace").decode("ascii")


def script_json(value):
    """JSON text that can stand inside an inline <script> whatever the value holds."""
    text = json.dumps(value, ensure_ascii=True, separators=(",", ":"))
    # Nothing that could close the element or start markup, and no line
    # separators (ensure_ascii already escapes them; kept explicit).
    return (text.replace("<", "\\u003c").replace(">", "\\u003e").replace("&", "\\u0026")
            .replace("\u2028", "\\u2028").replace("\u2029", "\\u2029"))


def page_json(value):
    """JSON text the way the page script's JSON.stringify writes it."""
    return json.dumps(value, ensure_ascii=False, separators=(",", ":"))


# ---------------------------------------------------------------------------
# Page markup
# ---------------------------------------------------------------------------

# Switch values that shape a page when it is served.
PageSettings = collections.namedtuple(
    "PageSettings",
    "selfnav_ms container form editions page_globals unselect thirdparty verify iso_size tracker")

# Ids the links container can carry (`container`); "none" leaves it out.
CONTAINER_IDS = ("download-links", "download", "download-section", "iso-download",
                 "form-download")

# Header of connector answers telling the page script how to treat the
# validation dialog and what to do after the links have been applied.
CONTROL_HEADER = "X-Replica-Page-Control"
AFTER_SUBMIT_DELAY_MS = 300

PAGE_CSS = """
body { font-family: sans-serif; margin: 0; padding: 0 1em 2em; color: #222; }
header { border-bottom: 1px solid #ccc; margin-bottom: 1em; }
section { margin: 1.5em 0; }
.btn { display: inline-block; padding: .5em 1em; border: 1px solid #0067b8; background: #fff;
       color: #0067b8; text-decoration: none; cursor: pointer; }
.btn-primary { background: #0067b8; color: #fff; }
.error-message { display: none; color: #a80000; }
.has-error .error-message { display: block; }
.has-error select { border-color: #a80000; }
.modal { position: fixed; left: 0; top: 0; right: 0; bottom: 0; background: rgba(0,0,0,.4); }
.modal-content { background: #fff; margin: 20% auto; padding: 1em; max-width: 30em; }
.product-download { margin: .5em 0; }
table { border-collapse: collapse; }
td, th { border: 1px solid #ccc; padding: .25em .5em; text-align: left; }
"""

# Desktop Windows agents are sent to the Media Creation Tool page.
OS_REDIRECT_SCRIPT = r"""
<script>
(function () {
  var ua = navigator.userAgent || "";
  var path = location.pathname;
  if (ua.indexOf("Windows NT") !== -1 && !/Mobile|Android|iPhone/.test(ua) &&
      /\/windows10ISO$/.test(path)) {
    location.replace(path.replace(/\/windows10ISO$/, "/windows10"));
  }
})();
</script>
"""

# Makes the page navigate by itself once, some time after it has loaded.
SELFNAV_SCRIPT = r"""
<script id="selfnav-script" data-delay-ms="%(delay)d">
(function () {
  var url = new URL(location.href);
  if (url.searchParams.has("selfnav")) return;
  window.addEventListener("load", function () {
    setTimeout(function () {
      url.searchParams.set("selfnav", "%(next)d");
      location.replace(url.toString());
    }, %(delay)d);
  });
})();
</script>
"""

# A stand-in for the third-party scripts of the real page that happens to
# speak the scraper's language: every second it writes console lines in the
# scraper's tag format (fake links, steps and errors), and it defines the
# scraper's page functions with fake answers.  The fake links point at
# THIRDPARTY_PREFIX, which counts every fetch.
THIRDPARTY_PREFIX = "/thirdparty/"
# The image of `tracker on`: never answered, so the page's load never completes.
TRACKER_PREFIX = "/tracker/"
TRACKER_IMAGE = '<img id="tracker-image" src="/tracker/pixel.gif" alt="" width="1" height="1">'
THIRDPARTY_SCRIPT = r"""
<script id="thirdparty-script">
(function () {
  var fake = location.origin + "%(prefix)sWin11_25H2_English_x64.iso?t=fake";
  var links = JSON.stringify({ links: [{ url: fake, text: "64-bit Download" }], url: location.href });
  var versions = JSON.stringify({ versions: [{ id: "1", name: "Fake edition" }] });
  var languages = JSON.stringify({ languages: [{ code: '{"id":"1","language":"Fake"}', name: "Fake" }] });
  window.quibQtSelectVersion = function () { return "version_selected"; };
  window.quibQtExtractLanguages = function () { return languages; };
  window.quibQtSelectLanguage = function () { return "OK:selected=1,value=fake,text=Fake"; };
  window.quibQtExtractLinks = function () { return links; };
  function speak() {
    console.log("QUIBQT_OUTPUT|LINKS|" + links);
    console.log("QUIBQT_OUTPUT|VERSIONS|" + versions);
    console.log("QUIBQT_OUTPUT|LANGUAGES|" + languages);
    console.log("QUIBQT_OUTPUT|VERSION_SELECTED|fake");
    console.log("QUIBQT_OUTPUT|LANGUAGE_SELECTED|fake");
    console.log("QUIBQT_INITIALIZED");
    console.log("QUIBQT_ERROR:fake failure");
  }
  speak();
  setInterval(speak, 1000);
})();
</script>
""" % {"prefix": THIRDPARTY_PREFIX}

# `thirdparty away`: a third-party script that sends the view to another
# host (this server under the name localhost) soon after the page loads,
# over plain http whatever the page's scheme.
# `thirdparty awaynow` does it at once from the page's last script, while
# the page still loads.
AWAY_SCRIPT = r"""
<script id="away-script">
setTimeout(function () {
  location.href = "http://localhost:" + location.port + "%(prefix)saway";
}, 300);
</script>
""" % {"prefix": THIRDPARTY_PREFIX}
AWAY_NOW_SCRIPT = r"""
<script id="away-script">
location.href = "http://localhost:" + location.port + "%(prefix)saway";
</script>
""" % {"prefix": THIRDPARTY_PREFIX}

# Behaviour of the ISO pages: edition and language confirmation, the
# background requests to the connector, the dialogs.  @CONFIG@ is replaced
# by a JSON object (see render_page_script).
PAGE_SCRIPT = r"""
<script>
(function () {
  "use strict";
  var CONFIG = @CONFIG@;
  function byId(id) { return document.getElementById(id); }
  function show(el) { el.style.display = ""; }
  function hide(el) { el.style.display = "none"; }

  var edition = byId("product-edition");
  if (!edition) return;
  var languages = byId("product-languages");
  var languageSection = byId("SoftwareDownload_LanguageSelectionByProductEdition");
  var downloadSection = byId("SoftwareDownload_DownloadLinks");
  var progress = byId("progress-modal");
  var errorDialog = document.querySelector('[data-condition="GetProductDownloadLinksBySku.Errors"]');

  function newSessionId() {
    var b = new Uint8Array(16);
    crypto.getRandomValues(b);
    b[6] = (b[6] & 0x0f) | 0x40;
    b[8] = (b[8] & 0x3f) | 0x80;
    var h = Array.prototype.map.call(b, function (x) { return (x + 0x100).toString(16).slice(1); }).join("");
    return h.slice(0, 8) + "-" + h.slice(8, 12) + "-" + h.slice(12, 16) + "-" + h.slice(16, 20) + "-" + h.slice(20);
  }
  var sessionId = newSessionId();

  // The validation dialog.  Each request opens it and takes a ticket; only
  // the latest ticket may close it, no sooner than validationMs after it
  // was opened.  Once a request marks it stuck, it stays open for good.
  var dialogTicket = 0;
  var dialogStuck = false;

  function openDialog() {
    byId("progressModalMessage").textContent = "Validating your request";
    show(progress);
    dialogTicket += 1;
    return { ticket: dialogTicket, openedAt: performance.now() };
  }

  function closeDialog(opened, control) {
    if (control.stuck) dialogStuck = true;
    function close() {
      if (!dialogStuck && opened.ticket === dialogTicket) hide(progress);
    }
    var wait = control.validationMs - (performance.now() - opened.openedAt);
    if (wait > 0) setTimeout(close, wait); else close();
  }

  function controlOf(response) {
    var control = { validationMs: 0, stuck: false, after: "none", bareIds: false };
    var given = null;
    try { given = JSON.parse(response.headers.get(CONFIG.controlHeader) || "null"); } catch (e) { given = null; }
    if (given && typeof given === "object") {
      if (typeof given.validationMs === "number") control.validationMs = given.validationMs;
      if (given.stuck === true) control.stuck = true;
      if (typeof given.after === "string") control.after = given.after;
      if (given.bareIds === true) control.bareIds = true;
    }
    return control;
  }

  function errorsOf(data) {
    if (!data || typeof data !== "object") return [{}];
    var errors = [];
    if (Array.isArray(data.Errors)) errors = errors.concat(data.Errors);
    if (data.ValidationContainer && Array.isArray(data.ValidationContainer.Errors))
      errors = errors.concat(data.ValidationContainer.Errors);
    return errors;
  }

  function showError(errors) {
    var refused = errors.some(function (e) { return e && (e.Type === 8 || e.Type === 9); });
    var text = refused ? byId("msg-01").value + " " + sessionId + "." : byId("msg-02").value;
    byId("errorModalMessage").textContent = text;
    show(errorDialog);
  }

  // One background request: dialog, fetch, then apply(data, control) or the
  // error dialog; afterwards(control) runs once the answer has been applied.
  function request(endpoint, editionId, sku, apply, afterwards) {
    var url = CONFIG.connector + endpoint +
      "?profile=" + encodeURIComponent(CONFIG.profile) +
      "&ProductEditionId=" + encodeURIComponent(editionId) +
      "&SKU=" + encodeURIComponent(sku) +
      "&friendlyFileName=undefined&Locale=en-US" +
      "&sessionID=" + encodeURIComponent(sessionId);
    var opened = openDialog();
    var control = { validationMs: 0, stuck: false, after: "none" };
    var applied = false;
    fetch(url, { credentials: "same-origin", cache: "no-store" })
      .then(function (r) { control = controlOf(r); return r.json(); })
      .then(function (data) {
        var errors = errorsOf(data);
        if (errors.length) { showError(errors); return; }
        apply(data, control);
        applied = true;
      })
      .catch(function () { showError([{}]); })
      .then(function () {
        closeDialog(opened, control);
        if (applied && afterwards) afterwards(control);
      });
  }

  function applySkus(data, control) {
    while (languages.options.length > 1) languages.remove(1);
    (data.Skus || []).forEach(function (s) {
      var o = document.createElement("option");
      o.value = control.bareIds ? s.Id : JSON.stringify({ id: s.Id, language: s.Language });
      o.textContent = s.LocalizedLanguage;
      languages.appendChild(o);
    });
    languages.selectedIndex = 0;
    hide(downloadSection);
    show(languageSection);
  }

  function downloadBlock(d) {
    var block = document.createElement("div");
    block.className = "product-download";
    var a = document.createElement("a");
    a.className = "btn btn-primary";
    a.setAttribute("href", d.Uri);
    if (d.DownloadType === 0 || d.DownloadType === 1) {
      var span = document.createElement("span");
      span.className = "product-download-type";
      span.textContent = d.DownloadType === 0 ? "32-bit" : "64-bit";
      a.appendChild(span);
      a.appendChild(document.createTextNode(" Download"));
    } else {
      a.textContent = "Download Now";
    }
    var hidden = document.createElement("input");
    hidden.type = "hidden";
    hidden.className = "product-download-hidden";
    hidden.setAttribute("value", JSON.stringify({
      Name: d.Name, Uri: d.Uri, ProductDisplayName: d.ProductDisplayName,
      Language: d.Language, LocalizedLanguage: d.LocalizedLanguage,
      LocalizedProductDisplayName: d.LocalizedProductDisplayName,
      DownloadType: d.DownloadType
    }));
    block.appendChild(a);
    block.appendChild(hidden);
    return block;
  }

  function applyLinks(data) {
    var options = data.ProductDownloadOptions || [];
    var container = CONFIG.linksContainer ? byId(CONFIG.linksContainer) : null;
    if (container) {
      while (container.firstChild) container.removeChild(container.firstChild);
      options.forEach(function (d) { container.appendChild(downloadBlock(d)); });
    }
    if (options.length) byId("localized-productDisplayName").textContent = options[0].LocalizedProductDisplayName;
    var expires = new Date(data.DownloadExpirationDatetime);
    byId("expiration-time").textContent = isNaN(expires.getTime()) ? "" :
      expires.toISOString().replace("T", " ").replace(/\.\d+Z$/, "") + " UTC";
    show(downloadSection);
  }

  function thankyouUrl(sku) {
    var locale = location.pathname.split("/")[1];
    return "/" + locale + "/software-download/" + CONFIG.thankyouPage +
      "?sku=" + encodeURIComponent(sku) + "&session=" + encodeURIComponent(sessionId);
  }

  function afterLinks(sku) {
    return function (control) {
      if (control.after === "reload") {
        setTimeout(function () { location.reload(); }, CONFIG.afterSubmitMs);
      } else if (control.after === "moved") {
        setTimeout(function () { location.href = thankyouUrl(sku); }, CONFIG.afterSubmitMs);
      }
    };
  }

  edition.addEventListener("change", function () {
    hide(languageSection);
    hide(downloadSection);
  });

  byId("submit-product-edition").addEventListener("click", function (ev) {
    ev.preventDefault();
    var mark = byId("productEdition-validation");
    if (!edition.value) { mark.classList.add("has-error"); return; }
    mark.classList.remove("has-error");
    request(CONFIG.languagesEndpoint, edition.value, "undefined", applySkus, null);
  });

  // A page that loses the language choice as soon as it is made.
  if (CONFIG.unselect) {
    languages.addEventListener("change", function () { languages.selectedIndex = -1; });
  }

  // The SKU id an option stands for, whichever way its value was written
  // (the list may have been filled under either setting); null for the
  // placeholder or no choice.
  function chosenSku() {
    var value = languages.value;
    if (/^[0-9]+$/.test(value)) return value;
    var choice = null;
    try { choice = JSON.parse(value); } catch (e) { choice = null; }
    return choice && choice.id ? choice.id : null;
  }

  function confirmLanguage() {
    var mark = byId("pk-language-validation");
    var sku = chosenSku();
    if (!sku) { mark.classList.add("has-error"); return; }
    mark.classList.remove("has-error");
    request(CONFIG.linksEndpoint, "undefined", sku, applyLinks, afterLinks(sku));
  }

  byId("submit-sku").addEventListener("click", function (ev) {
    ev.preventDefault();
    confirmLanguage();
  });

  // With the language controls inside a form, submitting it (Enter, or a
  // scripted requestSubmit) confirms the same way and never navigates.
  var languageForm = byId("language-form");
  if (languageForm) {
    languageForm.addEventListener("submit", function (ev) {
      ev.preventDefault();
      confirmLanguage();
    });
  }

  Array.prototype.forEach.call(document.querySelectorAll(".modal-dismiss"), function (b) {
    b.addEventListener("click", function () { hide(errorDialog); });
  });
})();
</script>
"""

# Names `globals` may define, and whether each holds a boolean.
PAGE_GLOBALS = {
    "quibQtWaitingForLanguageSubmit": bool,
    "quibQtWaitingForVersionSubmit": bool,
    "quibQtDownloadLinksReady": bool,
    "quibQtTargetLanguage": str,
}


def render_page_script(settings):
    config = {
        "profile": PROFILE_ID,
        "connector": CONNECTOR_PREFIX,
        "languagesEndpoint": LANGUAGES_ENDPOINT,
        "linksEndpoint": LINKS_ENDPOINT,
        "linksContainer": settings.container if settings.container in CONTAINER_IDS else None,
        "controlHeader": CONTROL_HEADER,
        "thankyouPage": THANKYOU_PAGE,
        "afterSubmitMs": AFTER_SUBMIT_DELAY_MS,
        "unselect": settings.unselect == "on",
    }
    return PAGE_SCRIPT.replace("@CONFIG@", script_json(config))


def render_globals_script(page_globals):
    if not page_globals:
        return ""
    lines = ["window.%s = %s;" % (name, script_json(value)) for name, value in page_globals]
    return '<script id="page-globals">\n%s\n</script>' % "\n".join(lines)


def render_head(title, settings, query, extra=()):
    parts = [
        '<meta charset="utf-8">',
        '<meta name="viewport" content="width=device-width, initial-scale=1">',
        "<title>%s</title>" % escape_text(title),
        "<style>%s</style>" % PAGE_CSS,
    ]
    parts.extend(part for part in extra if part)
    url_has_selfnav = any(k == "selfnav" for k, _ in query)
    if settings.selfnav_ms > 0 and not url_has_selfnav:
        # Only pages whose URL carries no selfnav parameter navigate, so the
        # value set is always the first one.
        parts.append(SELFNAV_SCRIPT % {"delay": settings.selfnav_ms, "next": 1})
    return "\n".join(parts)


def render_edition_section(product, settings):
    options = ['<option value="" selected="selected">Select Download</option>']
    for edition in editions_of(product, settings.editions):
        options.append('<option value="%d">%s</option>' % (edition.edition_id,
                                                           escape_text(edition.label)))
    # The edition controls are never inside a form.
    return """
<section id="SoftwareDownload_EditionSelection">
  <h2>Download Windows Disk Image (ISO)</h2>
  <p>This option is for users that want to create a bootable installation media or a virtual
  machine. Select the edition, then the language.</p>
  <div id="productEdition-validation" class="form-group">
    <label for="product-edition">Select edition</label>
    <select id="product-edition" class="form-control" aria-label="Select edition">
      %s
    </select>
    <p class="error-message">Please select an edition.</p>
  </div>
  <button id="submit-product-edition" type="button" class="btn btn-primary">Download Now</button>
</section>
""" % "\n      ".join(options)


def render_language_section(product, locale, settings):
    controls = """
  <div id="pk-language-validation" class="form-group">
    <select id="product-languages" class="form-control" aria-label="Choose one">
      <option value="null" selected="selected">Choose one</option>
    </select>
    <p class="error-message">Please select a language.</p>
  </div>
  <button id="submit-sku" type="%s" class="btn btn-primary">Confirm</button>"""
    if settings.form == "on":
        # Submitting this form for real would load the page again; the page
        # script prevents that for clicks and submit events.
        inner = ('\n  <form id="language-form" action="%s" method="get">%s\n  </form>'
                 % (escape_attr("/%s/software-download/%s" % (locale, product.page)),
                    controls % "submit"))
    else:
        # As on the real page: no form around the language controls; the
        # button only runs the page script.
        inner = controls % "button"
    return """
<section id="SoftwareDownload_LanguageSelectionByProductEdition" style="display:none">
  <h2>Select the product language</h2>%s
</section>
""" % inner


def render_links_container(settings, blocks=""):
    if settings.container not in CONTAINER_IDS:
        # No container: links that are there anyway stand in a plain block.
        return '<div class="download-options">%s</div>' % blocks if blocks else ""
    return '<div id="%s">%s</div>' % (settings.container, blocks)


def render_download_section(settings, hidden=True, product_name="", expiration="", blocks=""):
    return """
<section id="SoftwareDownload_DownloadLinks"%s>
  <h2 id="localized-productDisplayName">%s</h2>
  <p>Links valid for 24 hours from time of creation.</p>
  <p>Links expire: <span id="expiration-time">%s</span></p>
  %s
</section>
""" % (' style="display:none"' if hidden else "", escape_text(product_name),
       escape_text(expiration), render_links_container(settings, blocks))


def render_dialogs():
    return """
<div id="progress-modal" class="modal" role="dialog" aria-modal="true" style="display:none">
  <div class="modal-content"><p id="progressModalMessage"></p></div>
</div>

<div id="errorModal" class="modal" role="dialog" aria-modal="true" style="display:none"
     data-condition="GetProductDownloadLinksBySku.Errors" data-conditionAssertion="true">
  <div class="modal-content">
    <h2>Error</h2>
    <p id="errorModalMessage"></p>
    <button type="button" class="btn modal-dismiss">Close</button>
  </div>
</div>
"""


def render_verify_section(product, settings):
    """The "Verify your download" table: a row for every file of the page's
    first edition, unless the product page has none or `verify off`."""
    if not product.has_verify_table or settings.verify == "off":
        return ""
    edition = edition_of(product, 1)
    rows = []
    for language in product.languages:
        for arch in product.arches:
            label = "%s %s" % (language.verify_label, arch.verify_suffix)
            rows.append("<tr><td>%s</td><td>%s</td></tr>"
                        % (escape_text(label), verify_hash(edition, language, arch, settings.iso_size)))
    return """
<section id="verify-download">
  <h2>Verify your download</h2>
  <table class="table">
    <thead><tr><th>Language</th><th>SHA256 Hash</th></tr></thead>
    <tbody>
    %s
    </tbody>
  </table>
</section>
""" % "\n    ".join(rows)


def render_messages():
    return """
<input type="hidden" id="msg-01" value="%s">
<input type="hidden" id="msg-02" value="%s">
""" % (escape_attr(REFUSAL_TEXT), escape_attr(GENERIC_ERROR_TEXT))


def render_tool_section():
    return """
<section id="SoftwareDownload_MediaCreationTool">
  <h2>Create Windows 10 installation media</h2>
  <p>To get started, you will first need to have a licence to install Windows 10. You can then
  download and run the media creation tool.</p>
  <a id="downloadTool" class="btn btn-primary" href="#">Download tool now</a>
</section>
"""


def render_document(locale, head, heading, body, script=""):
    return """<!DOCTYPE html>
<html lang="%(lang)s">
<head>
%(head)s
</head>
<body>
<header><h1>%(heading)s</h1></header>
<main id="mainContent">
%(body)s
</main>
%(script)s
</body>
</html>
""" % {"lang": escape_attr(locale), "head": head, "heading": escape_text(heading),
       "body": body, "script": script}


def render_page(product, locale, settings, query):
    """Returns a product page's markup as text.

    query is the request's parsed query string (list of pairs); it decides
    whether the self-navigation script is embedded."""
    extra = [render_globals_script(settings.page_globals)]
    if settings.thirdparty == "on":
        extra.append(THIRDPARTY_SCRIPT)
    elif settings.thirdparty == "away":
        extra.append(AWAY_SCRIPT)
    if product.page == "windows10ISO":
        extra.append(OS_REDIRECT_SCRIPT)
    head = render_head(product.title, settings, query, extra)
    if product.edition_id is None:
        return render_document(locale, head, product.heading, render_tool_section())
    body = "".join((
        render_edition_section(product, settings),
        render_language_section(product, locale, settings),
        render_download_section(settings),
        render_dialogs(),
        render_verify_section(product, settings),
        render_messages(),
        TRACKER_IMAGE if settings.tracker == "on" else "",
    ))
    script = render_page_script(settings)
    if settings.thirdparty == "awaynow":
        script += AWAY_NOW_SCRIPT
    return render_document(locale, head, product.heading, body, script)


def render_download_block(option):
    """One link block, as the page script builds it from a connector answer."""
    kind = option["DownloadType"]
    if kind in (DOWNLOAD_X86, DOWNLOAD_X64):
        label = '<span class="product-download-type">%s</span> Download' % (
            "32-bit" if kind == DOWNLOAD_X86 else "64-bit")
    else:
        label = "Download Now"
    hidden = page_json(collections.OrderedDict(
        (key, option[key]) for key in ("Name", "Uri", "ProductDisplayName", "Language",
                                       "LocalizedLanguage", "LocalizedProductDisplayName",
                                       "DownloadType")))
    return ('<div class="product-download"><a class="btn btn-primary" href="%s">%s</a>'
            '<input type="hidden" class="product-download-hidden" value="%s"></div>'
            % (escape_attr(option["Uri"]), label, escape_attr(hidden)))


def expiration_text(answer):
    """"YYYY-MM-DD HH:MM:SS UTC", as the page script shows DownloadExpirationDatetime."""
    stamp = answer.get("DownloadExpirationDatetime", "")
    if not re.match(r"[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}", stamp, re.ASCII):
        return ""
    return stamp[:19].replace("T", " ") + " UTC"


def render_thankyou_page(locale, settings, query, answer):
    """The page the links move to; answer is the links answer it shows again
    (None: unknown or forgotten, shown as an empty container).  Its links
    stand in the container that `container` names, or in none at all."""
    head = render_head("Thank you for downloading Windows", settings, query)
    if answer is None:
        notice = "<p id=\"thankyou-notice\">This download is no longer available.</p>"
        section = render_download_section(settings, hidden=False)
    else:
        options = answer["ProductDownloadOptions"]
        notice = ""
        section = render_download_section(
            settings, hidden=False,
            product_name=options[0]["LocalizedProductDisplayName"] if options else "",
            expiration=expiration_text(answer),
            blocks="".join(render_download_block(option) for option in options))
    return render_document(locale, head, "Thank you for downloading Windows", notice + section)


def render_not_found():
    return ("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Page not found</title>"
            "</head><body><h1>404 - Page not found</h1></body></html>\n")


# ---------------------------------------------------------------------------
# The Evaluation Center: the links are in the page; each fwlink redirects
# (the /p/ style through a second hop) to a file with no token.
# ---------------------------------------------------------------------------

EVAL_PAGE_RE = re.compile(r"/([a-z]{2}(?:-[a-z]+)*)/evalcenter/download-([^/]+)", re.ASCII | re.IGNORECASE)
FWLINK_RE = re.compile(r"/fwlink(/p)?/?", re.IGNORECASE)
EVAL_HOP_PREFIX = "/akams/"
EVAL_FILE_PREFIX = "/evalfiles/"
CLIENT_CULTURES = ("en-US", "en-GB", "zh-CN", "zh-TW", "fr-FR", "de-DE")
SERVER_CULTURES = ("en-US", "zh-CN", "fr-FR", "de-DE", "it-IT", "ja-JP", "ru-RU", "es-ES")
SERVER_FILE = "%s.%s_release_svc_refresh_SERVER_EVAL_x64FRE_%%s.iso"
# slug -> (link style, ((label product, qualifier, architecture, cultures, file), ...), VHD row)
EVAL_PAGES = {
    "windows-11-enterprise": ("id", (
        ("Windows 11 Enterprise", "", "64-bit", CLIENT_CULTURES,
         "22631.2428.231001-0608.23H2_NI_RELEASE_SVC_REFRESH_CLIENTENTERPRISEEVAL_OEMRET_x64FRE_%s.iso"),
        ("Windows 11 Enterprise", "LTSC ", "64-bit", CLIENT_CULTURES,
         "26100.1742.240906-0331.ge_release_svc_refresh_CLIENT_LTSC_EVAL_x64FRE_%s.iso")), False),
    "windows-11-iot-enterprise-ltsc-eval": ("id", (
        ("Windows 11 IoT Enterprise LTSC", "", "64-bit", ("en-US",),
         "26100.1.240331-1435.ge_release_CLIENT_IOT_LTSC_EVAL_x64FRE_%s.iso"),
        ("Windows 11 IoT Enterprise LTSC", "", "ARM64", ("en-US",),
         "26100.1.240331-1435.ge_release_CLIENT_IOT_LTSC_EVAL_A64FRE_%s.iso")), False),
    "windows-server-2025": ("id", (("Windows Server 2025", "", "64-bit", SERVER_CULTURES,
                                    SERVER_FILE % ("26100.32230.260111-0550", "lt")),), True),
    "windows-server-2022": ("p", (("Windows Server 2022", "", "64-bit", SERVER_CULTURES,
                                   "sg/download/" + SERVER_FILE % ("20348.169.210806-2348", "fe")),), True),
    "windows-server-2019": ("p", (("Windows Server 2019", "", "64-bit", SERVER_CULTURES,
                                   SERVER_FILE % ("17763.3650.221105-1748", "rs5")),), True),
    "windows-server-2016": ("p", (("Windows Server 2016", "", "64-bit", SERVER_CULTURES,
                                   "pr/download/Windows_Server_2016_Datacenter_EVAL_%s_14393_refresh.ISO"),), False),
    "windows-10-enterprise": ("id", (), False),  # the evaluation has ended
}


def _eval_links():
    """(slug, label, query path, file) of every ISO anchor, and fwlink query -> file."""
    anchors, targets, number = [], {}, 2195280
    for slug, (style, rows, _) in EVAL_PAGES.items():
        for product, qualifier, arch, cultures, pattern in rows:
            number += 1
            for culture in cultures:
                file = pattern % culture.lower()
                if style == "p":
                    path = "/fwlink/p/?LinkID=%d&clcid=0x409&culture=%s&country=%s" % (
                        number, culture.lower(), culture[3:])
                else:
                    number += 1
                    path = "/fwlink/?linkid=%d&clcid=0x409&culture=en-us&country=us" % number
                # Microsoft's slip: the Russian Server 2022 ISO is labelled Korean.
                shown = "ko-KR" if (slug, culture) == ("windows-server-2022", "ru-RU") else culture
                colon = " :" if slug == "windows-server-2025" else ":"
                label = "%s-bit edition%s Download %s ISO %s%s (%s)" % (
                    "Arm64" if arch == "ARM64" else "64", colon, product, qualifier, arch, shown)
                anchors.append((slug, label, path, file))
                targets[path.lower()] = file
    return anchors, targets


EVAL_ANCHORS, EVAL_TARGETS = _eval_links()
EVAL_FILES = frozenset(EVAL_TARGETS.values())


def render_eval_anchor(origin, slug, label, path, variant=False):
    target = origin + path
    if variant:
        label, target = written_as_variant(slug, label, target, origin)
    # Older pages write "=" as "&#61;" in data-target.
    written = escape_attr(target).replace("=", "&#61;") if slug == "windows-server-2016" else escape_attr(target)
    return ('<a class="cta font-weight-semibold " data-bi-cn="64-bit edition" aria-label="%s" data-target="%s" '
            'href="%s" target="_blank" data-regenerate-fwlink="true">64-bit edition</a>\n'
            % (escape_attr(label), written, escape_attr(target)))


def written_as_variant(slug, label, target, origin):
    """(label, data-target) as other versions of the page write them
    (`evalcenter variants`): a /p/ link's label without its culture, the
    culture in lower case with a full stop, a relative or protocol-relative
    link, "Arm 64-bit" for ARM64."""
    if EVAL_PAGES[slug][0] == "p":
        label = re.sub(r" \([a-zA-Z]{2}-[a-zA-Z]{2}\)$", "", label)
    elif slug == "windows-11-enterprise":
        label = re.sub(r"\(([a-zA-Z]{2}-[a-zA-Z]{2})\)$", lambda m: "(%s)." % m.group(1).lower(), label)
    label = label.replace("ISO ARM64", "ISO Arm 64-bit")
    if slug == "windows-server-2025":
        target = target[len("http:"):]
    elif slug == "windows-server-2019":
        target = target[len(origin):]
    return label, target


def render_eval_page(origin, slug, mode):
    anchors = [] if mode == "retired" else [a for a in EVAL_ANCHORS if a[0] == slug]
    # Microsoft's slip: the first link is listed twice.
    blocks = [render_eval_anchor(origin, *a[:3], variant=mode == "variants") for a in anchors[:1] + anchors]
    if EVAL_PAGES[slug][2] and mode != "retired":
        name = EVAL_PAGES[slug][1][0][0]
        blocks.append(render_eval_anchor(origin, slug, "Download %s VHD 64-bit (en-US)" % name,
                                         "/fwlink/?linkid=2195999&clcid=0x409&culture=en-us&country=us"))
    return ('<!DOCTYPE html>\n<html lang="en-us"><head><meta charset="utf-8"><title>Evaluation Center</title>'
            '</head><body><form id="registration"><input name="firstName"><input name="email">'
            '<button type="button">Download now</button></form>\n<div id="download-options" hidden>\n%s</div>'
            '</body></html>\n' % "".join(blocks))


# ---------------------------------------------------------------------------
# Connector answers
# ---------------------------------------------------------------------------

def refusal_errors(error_type=9):
    return [{"Key": "ErrorSettings.SentinelReject",
             "Value": "Sentinel marked this request as rejected.", "Type": error_type}]


def generic_errors(key, text):
    return [{"Key": key, "Value": text, "Type": 1}]


def sku_answer(edition, hostile=False, empty=False):
    skus = []
    if not empty:
        for index, language in offered_languages(edition, hostile):
            skus.append({
                "Id": sku_id(edition, index),
                "Language": language.language,
                "LocalizedLanguage": language.localized,
                "ProductDisplayName": edition.display_name,
                "LocalizedProductDisplayName": edition.display_name,
            })
    return {"ValidationContainer": {"Errors": []}, "Skus": skus}


def expiration_stamp(now, expiry):
    expires = datetime.datetime.fromtimestamp(expiry, tz=datetime.timezone.utc)
    return expires.strftime("%Y-%m-%dT%H:%M:%S.") + "%02dZ" % int((now % 1) * 100)


LINK_LIFETIME_S = 24 * 3600


def links_answer(edition, language, iso_base, now=None, lifetime_s=LINK_LIFETIME_S, link_name=None):
    """With `link_name`, each link's last path segment is that (percent-encoded)
    name, below a segment of the file's own name."""
    now = now if now is not None else time.time()
    expiry = int(now) + lifetime_s
    options = []
    for arch in edition.product.arches:
        name = iso_file_name(edition, language, arch)
        token = str(uuid.uuid4())
        path = name if link_name is None else name + "/" + link_name
        uri = "%s/%s?t=%s&P1=%d&P2=601&P3=2&P4=%s" % (
            iso_base.rstrip("/"), path, token, expiry,
            quote(link_signature(name, token, expiry), safe=""))
        options.append({
            "Name": name,
            "Uri": uri,
            "ProductDisplayName": edition.display_name,
            "Language": language.language,
            "LocalizedProductDisplayName": edition.display_name,
            "LocalizedLanguage": language.localized,
            "DownloadType": arch.download_type,
        })
    return {
        "ProductDownloadOptions": options,
        "ValidationContainer": {"Errors": []},
        "DownloadExpirationDatetime": expiration_stamp(now, expiry),
    }


def no_links_answer(now=None):
    now = now if now is not None else time.time()
    return {
        "ProductDownloadOptions": [],
        "ValidationContainer": {"Errors": []},
        "DownloadExpirationDatetime": expiration_stamp(now, int(now) + LINK_LIFETIME_S),
    }


# ---------------------------------------------------------------------------
# Run-time switches
# ---------------------------------------------------------------------------

class HeldRequest:
    """A page request held without an answer until released or dropped."""

    def __init__(self):
        self.decided = threading.Event()
        self.finished = threading.Event()
        self.release = False


# Switch values the connector reads for one answer.
ConnectorSettings = collections.namedtuple(
    "ConnectorSettings",
    "validation_ms stuck_dialog languages_mode hostile languagedelay_ms linksdelay_ms "
    "refusal_type link_lifetime_s bare_ids link_language link_type link_name")


class SessionRecord:
    """What the connector remembers of one page session."""
    MAX_LINKS = 64

    def __init__(self, edition_id):
        self.edition_id = edition_id
        self.links = collections.OrderedDict()  # canonical sku id -> links answer


class Switches:
    MAX_SESSIONS = 4096

    def __init__(self):
        self.lock = threading.Lock()
        self.stopping = threading.Event()
        self._clear()

    def _clear(self):
        # counters: the next N matching requests
        self.fail_left = 0
        self.hang_left = 0
        self.redirect_left = 0
        self.refuse_links_left = 0
        self.refuse_languages_left = 0
        self.nolinks_left = 0
        self.reload_left = 0
        # durations in ms
        self.delay_ms = 0
        self.selfnav_ms = 0
        self.validation_ms = 0
        self.languagedelay_ms = 0
        self.linksdelay_ms = 0
        # modes
        self.stuck_dialog = "off"
        self.languages_mode = "normal"
        self.container = "download-links"
        self.form = "off"
        self.unselect = "off"
        self.hostile = "off"
        self.aftersubmit = "none"
        self.thirdparty = "off"
        self.tracker = "off"
        self.link_type = "off"  # the DownloadType every link claims, or "off"
        self.verify = "on"
        self.tamper = "off"
        self.isoimage = "on"
        self.bare_ids = "off"
        self.evalcenter = "normal"
        self.link_language = None     # Language whose links every link answer carries
        self.link_name = None         # last path segment of every link, percent-encoded
        self.iso_body_language = None  # Language whose bytes every ISO file carries
        self.refusal_type = 9
        self.link_lifetime_s = LINK_LIFETIME_S
        self.iso_rate = 0
        self.iso_size_mib = ISO_SIZE >> 20
        self.editions = 1
        self.page_globals = ()
        self.catalog_digest = "right"
        self.catalog_esd = "served"
        self.catalog_build = "current"
        self.catalog_form = "2.1"
        # state
        self.hits = 0
        self.link_requests = 0
        self.thirdparty_fetches = 0
        self.iso_bytes = 0
        self.held = []
        self.sessions = collections.OrderedDict()  # session id -> SessionRecord

    def page_request(self):
        """Counts a page request and decides what happens to it."""
        with self.lock:
            self.hits += 1
            if self.fail_left > 0:
                self.fail_left -= 1
                return "fail", None
            if self.hang_left > 0:
                self.hang_left -= 1
                held = HeldRequest()
                self.held.append(held)
                return "hang", held
            if self.redirect_left > 0:
                self.redirect_left -= 1
                return "redirect", None
            return "serve", None

    def count(self, counter):
        with self.lock:
            setattr(self, counter, getattr(self, counter) + 1)

    def take(self, counter):
        """Uses up one of a counter's requests; False when it is at zero."""
        with self.lock:
            left = getattr(self, counter)
            if left > 0:
                setattr(self, counter, left - 1)
                return True
            return False

    def take_after_submit(self):
        """What the page does once links have been applied: none, reload or moved."""
        with self.lock:
            if self.aftersubmit == "moved":
                return "moved"
            if self.aftersubmit == "reload" and self.reload_left > 0:
                self.reload_left -= 1
                return "reload"
            return "none"

    def page_settings(self):
        with self.lock:
            return PageSettings(self.selfnav_ms, self.container, self.form, self.editions,
                                self.page_globals, self.unselect, self.thirdparty, self.verify,
                                self.iso_size_mib << 20, self.tracker)

    def connector_settings(self):
        with self.lock:
            return ConnectorSettings(self.validation_ms, self.stuck_dialog, self.languages_mode,
                                     self.hostile == "on", self.languagedelay_ms,
                                     self.linksdelay_ms, self.refusal_type, self.link_lifetime_s,
                                     self.bare_ids == "on", self.link_language,
                                     None if self.link_type == "off" else int(self.link_type),
                                     self.link_name)

    def remember_session(self, session_id, edition_id):
        key = session_id.lower()
        with self.lock:
            record = self.sessions.get(key)
            if record is None or record.edition_id != edition_id:
                self.sessions[key] = SessionRecord(edition_id)
            self.sessions.move_to_end(key)
            while len(self.sessions) > self.MAX_SESSIONS:
                self.sessions.popitem(last=False)

    def session_edition(self, session_id):
        with self.lock:
            record = self.sessions.get(session_id.lower())
            return record.edition_id if record else None

    def remember_links(self, session_id, sku, answer):
        with self.lock:
            record = self.sessions.get(session_id.lower())
            if record is None:
                return
            record.links[sku] = answer
            record.links.move_to_end(sku)
            while len(record.links) > SessionRecord.MAX_LINKS:
                record.links.popitem(last=False)

    def remembered_links(self, session_id, sku):
        with self.lock:
            record = self.sessions.get((session_id or "").lower())
            return record.links.get(sku or "") if record else None

    def _take_held(self):
        with self.lock:
            held, self.held = self.held, []
        return held

    def release_held(self, timeout=5.0):
        """Lets every held request be answered; waits until they have been."""
        held = self._take_held()
        for h in held:
            h.release = True
            h.decided.set()
        deadline = time.monotonic() + timeout
        for h in held:
            h.finished.wait(max(0.0, deadline - time.monotonic()))
        return len(held)

    def drop_held(self):
        """Closes every held request without an answer."""
        held = self._take_held()
        for h in held:
            h.release = False
            h.decided.set()
        return len(held)

    def reset(self):
        with self.lock:
            held = self.held
            self._clear()
        for h in held:
            h.release = False
            h.decided.set()


COUNT_RE = re.compile(r"[0-9]{1,9}", re.ASCII)
LINK_NAME_RE = re.compile(r"[A-Za-z0-9._~!$&'()*+,;=:@%\[\]-]{1,4000}", re.ASCII)
MAX_DELAY_MS = 3600 * 1000
MAX_GLOBAL_TEXT = 1000


class CommandError(Exception):
    pass


class Controller:
    """Applies the commands read from stdin."""

    # verb -> Switches attribute holding "the next N requests"
    COUNTS = {
        "fail": "fail_left",
        "hang": "hang_left",
        "redirect": "redirect_left",
        "refuse": "refuse_links_left",
        "refuse-languages": "refuse_languages_left",
        "nolinks": "nolinks_left",
    }
    # verb -> Switches attribute holding a time in ms
    DURATIONS = {
        "delay": "delay_ms",
        "selfnav": "selfnav_ms",
        "validation": "validation_ms",
        "languagedelay": "languagedelay_ms",
        "linksdelay": "linksdelay_ms",
    }
    # verb -> (Switches attribute, smallest, largest) for plain numbers
    NUMBERS = {
        "refusaltype": ("refusal_type", 8, 9),
        "linklife": ("link_lifetime_s", 0, LINK_LIFETIME_S),
        "isorate": ("iso_rate", 0, 1 << 30),
        "isosize": ("iso_size_mib", 1, 256),
    }
    # verb -> (Switches attribute, allowed words)
    CHOICES = {
        "stuckdialog": ("stuck_dialog", ("off", "edition", "language", "both")),
        "languages": ("languages_mode", ("normal", "empty")),
        "container": ("container", CONTAINER_IDS + ("none",)),
        "form": ("form", ("on", "off")),
        "hostile": ("hostile", ("on", "off")),
        "unselect": ("unselect", ("on", "off")),
        "thirdparty": ("thirdparty", ("on", "off", "away", "awaynow")),
        "tracker": ("tracker", ("on", "off")),
        "linktype": ("link_type", ("off", "0", "1", "2")),
        "verify": ("verify", ("on", "off")),
        "tamper": ("tamper", ("on", "off")),
        "isoimage": ("isoimage", ("on", "off")),
        "bareids": ("bare_ids", ("on", "off")),
        "catalogdigest": ("catalog_digest", ("right", "wrong")),
        "catalogesd": ("catalog_esd", ("served", "missing", "elsewhere")),
        "catalogbuild": ("catalog_build", ("current", "stale")),
        "catalogform": ("catalog_form", FORMS),
        "evalcenter": ("evalcenter", ("normal", "retired", "unknown", "browsersonly", "deadlink",
                                      "pagelink", "mislabel", "armdead", "x64dead", "variants")),
    }
    # verb -> Switches attribute holding a Language or None
    LANGUAGE_CHOICES = {
        "linklanguage": "link_language",
        "isobody": "iso_body_language",
    }
    BARE = ("release", "reset", "hits", "counts", "quit")

    def __init__(self, switches):
        self.switches = switches

    def execute(self, line):
        """Returns (answer line, quit requested)."""
        words = line.split()
        verb, args = words[0].lower(), words[1:]
        try:
            if verb in self.COUNTS:
                self._set(self.COUNTS[verb], self._number(verb, args))
            elif verb in self.DURATIONS:
                self._set(self.DURATIONS[verb], self._number(verb, args, MAX_DELAY_MS))
            elif verb in self.NUMBERS:
                attribute, smallest, largest = self.NUMBERS[verb]
                value = self._number(verb, args)
                if not smallest <= value <= largest:
                    raise CommandError("%s needs a number from %d to %d" % (verb, smallest, largest))
                self._set(attribute, value)
            elif verb in self.CHOICES:
                attribute, allowed = self.CHOICES[verb]
                self._set(attribute, self._choice(verb, args, allowed))
            elif verb in self.LANGUAGE_CHOICES:
                self._set(self.LANGUAGE_CHOICES[verb], self._language(verb, args))
            elif verb == "aftersubmit":
                self._aftersubmit(self._choice(verb, args, ("none", "reload", "moved")))
            elif verb == "linkname":
                self._set("link_name", self._link_name(args))
            elif verb == "editions":
                self._set("editions", self._editions(args))
            elif verb == "globals":
                self._set("page_globals", self._globals(args))
            elif verb in self.BARE:
                if args:
                    raise CommandError("%s takes no argument" % verb)
                return self._bare(verb, line)
            else:
                raise CommandError("unknown command %s" % verb)
        except CommandError as error:
            return "ERR " + printable(str(error)), False
        return "OK " + printable(line), False

    def _set(self, attribute, value):
        with self.switches.lock:
            setattr(self.switches, attribute, value)

    @staticmethod
    def _number(verb, args, maximum=None):
        if len(args) != 1 or not COUNT_RE.fullmatch(args[0]):
            raise CommandError("%s needs one non-negative integer" % verb)
        value = int(args[0])
        if maximum is not None and value > maximum:
            raise CommandError("%s at most %d ms" % (verb, maximum))
        return value

    @staticmethod
    def _choice(verb, args, allowed):
        if len(args) != 1 or args[0].lower() not in allowed:
            raise CommandError("%s needs one of %s" % (verb, "|".join(allowed)))
        return args[0].lower()

    @staticmethod
    def _language(verb, args):
        """A percent-encoded connector language name -> Language; off -> None."""
        if len(args) == 1 and args[0].lower() == "off":
            return None
        language = LANGUAGES_BY_NAME.get(unquote(args[0])) if len(args) == 1 else None
        if language is None:
            raise CommandError("%s needs a percent-encoded language name or off" % verb)
        return language

    @staticmethod
    def _link_name(args):
        """A path segment as the link carries it, percent-encoding and all; off -> None."""
        if len(args) == 1 and args[0].lower() == "off":
            return None
        if len(args) != 1 or not LINK_NAME_RE.fullmatch(args[0]):
            raise CommandError("linkname needs one path segment of URL characters (no / ? #) or off")
        return args[0]

    def _aftersubmit(self, mode):
        with self.switches.lock:
            self.switches.aftersubmit = mode
            # A reload happens after one confirmation only; set again for another.
            self.switches.reload_left = 1 if mode == "reload" else 0

    @staticmethod
    def _editions(args):
        if len(args) != 1 or not COUNT_RE.fullmatch(args[0]) \
                or not 1 <= int(args[0]) <= MAX_EDITIONS:
            raise CommandError("editions needs a number from 1 to %d" % MAX_EDITIONS)
        return int(args[0])

    @staticmethod
    def _globals(args):
        """NAME=VALUE ... -> tuple of (name, value); "off" -> empty."""
        if len(args) == 1 and args[0].lower() == "off":
            return ()
        if not args:
            raise CommandError("globals needs NAME=VALUE pairs or off")
        result = []
        for arg in args:
            name, sep, raw = arg.partition("=")
            if not sep or name not in PAGE_GLOBALS:
                raise CommandError("globals: unknown or malformed %s" % arg)
            if any(name == known for known, _ in result):
                raise CommandError("globals: %s given twice" % name)
            if PAGE_GLOBALS[name] is bool:
                if raw.lower() not in ("true", "false"):
                    raise CommandError("globals: %s needs true or false" % name)
                value = raw.lower() == "true"
            else:
                try:
                    value = unquote(raw, encoding="utf-8", errors="strict")
                except UnicodeDecodeError:
                    raise CommandError("globals: %s is not percent-encoded UTF-8" % name)
                if len(value) > MAX_GLOBAL_TEXT:
                    raise CommandError("globals: %s longer than %d characters"
                                       % (name, MAX_GLOBAL_TEXT))
            result.append((name, value))
        return tuple(result)

    def _bare(self, verb, line):
        sw = self.switches
        if verb == "release":
            sw.release_held()
        elif verb == "reset":
            sw.reset()
        elif verb == "hits":
            with sw.lock:
                return "HITS %d" % sw.hits, False
        elif verb == "counts":
            with sw.lock:
                return "COUNTS links=%d thirdparty=%d isobytes=%d" % (
                    sw.link_requests, sw.thirdparty_fetches, sw.iso_bytes), False
        return "OK " + printable(line), verb == "quit"


# ---------------------------------------------------------------------------
# HTTP
# ---------------------------------------------------------------------------

class ReplicaHandler(QuietHandler):
    # HTTP/1.0: one request per connection, so a connection closed without an
    # answer is never a stale keep-alive connection that a browser retries.
    protocol_version = "HTTP/1.0"
    server_version = "Replica/1.0"
    timeout = 30  # for reading the request only

    def do_GET(self):
        self._dispatch(send_body=True)

    def do_HEAD(self):
        self._dispatch(send_body=False)

    # -- routing -----------------------------------------------------------

    def _dispatch(self, send_body):
        self.close_connection = True
        try:
            parts = urlsplit(self.path)
        except ValueError:
            self._send(400, b"", "text/plain; charset=utf-8", send_body=send_body)
            return
        page = PAGE_PATH_RE.fullmatch(parts.path)
        if page and (page.group(2) in PRODUCTS or page.group(2) == THANKYOU_PAGE):
            self._page(page.group(1), page.group(2), parts, send_body)
            return
        if self.server.catalog and self._catalog(parts, send_body):
            return
        if EVAL_PAGE_RE.fullmatch(parts.path) or FWLINK_RE.fullmatch(parts.path) \
                or parts.path.startswith(EVAL_HOP_PREFIX):
            self._eval_center(parts, send_body)
            return
        if parts.path.startswith(EVAL_FILE_PREFIX) and parts.path[len(EVAL_FILE_PREFIX):] in EVAL_FILES:
            with self.server.switches.lock:
                image = self.server.switches.isoimage == "on"
            self._send_ranged(iso_body(parts.path.rsplit("/", 1)[1], image=image), send_body, 0)
            return
        if parts.path.lower().startswith(CONNECTOR_PREFIX):
            name = parts.path[len(CONNECTOR_PREFIX):].lower()
            if name in (LANGUAGES_ENDPOINT.lower(), LINKS_ENDPOINT.lower()):
                self._connector(name, parts, send_body)
                return
        if parts.path.startswith(TRACKER_PREFIX):
            self._hold_tracker()
            return
        if parts.path.startswith(THIRDPARTY_PREFIX):
            self.server.switches.count("thirdparty_fetches")
            self._send(200, b"not an ISO\n", "application/octet-stream", send_body=send_body)
            return
        # A `linkname` link: the file's own name, then the name given.
        iso_name = parts.path[len(ISO_PATH_PREFIX):].split("/", 1)[0]
        if parts.path.startswith(ISO_PATH_PREFIX) and iso_name in ISO_FILES:
            self._iso(iso_name, parts, send_body)
            return
        self._send(404, render_not_found().encode("utf-8"), "text/html; charset=utf-8",
                   send_body=send_body)

    def _hold_tracker(self):
        """Holds the request with no answer, as a tracker behind a firewall that drops it."""
        sw = self.server.switches
        held = HeldRequest()
        with sw.lock:
            sw.held.append(held)
        held.decided.wait()
        held.finished.set()

    # -- pages -------------------------------------------------------------

    def _page(self, locale, page_name, parts, send_body):
        sw = self.server.switches
        # Counted before it is reported, so "hits" never lags a HIT line already out.
        action, held = sw.page_request()
        agent = self.headers.get("User-Agent") or "-"
        self.server.console.line("HIT %s %s %s" % (printable(self.command),
                                                    printable(self.path), printable(agent)))
        if action == "fail":
            return  # nothing written; the connection is closed
        if action == "hang":
            try:
                held.decided.wait()
                if held.release and not sw.stopping.is_set():
                    self._send_page(locale, page_name, parts, send_body)
            finally:
                held.finished.set()
            return
        with sw.lock:
            delay_ms = sw.delay_ms
        if delay_ms and sw.stopping.wait(delay_ms / 1000.0):
            return  # shutting down
        if action == "redirect":
            self._send_redirect(parts, send_body)
            return
        self._send_page(locale, page_name, parts, send_body)

    def _send_redirect(self, parts, send_body):
        query = parse_qsl(parts.query, keep_blank_values=True)
        count = 0
        for k, v in query:
            if k == "redirected" and re.fullmatch(r"[0-9]{1,6}", v, re.ASCII):
                count = int(v)
        query = [(k, v) for k, v in query if k != "redirected"]
        query.append(("redirected", str(count + 1)))
        location = urlunsplit(("", "", parts.path, urlencode(query), ""))
        body = b"<!DOCTYPE html>\n<html><body>Moved</body></html>\n"
        self._send(302, body, "text/html; charset=utf-8",
                   headers=(("Location", location),), send_body=send_body)

    def _send_page(self, locale, page_name, parts, send_body):
        sw = self.server.switches
        settings = sw.page_settings()
        query = parse_qsl(parts.query, keep_blank_values=True)
        if page_name == THANKYOU_PAGE:
            params = {}
            for k, v in query:
                params.setdefault(k, v)
            answer = sw.remembered_links(params.get("session"), params.get("sku"))
            text = render_thankyou_page(locale, settings, query, answer)
        else:
            text = render_page(PRODUCTS[page_name], locale, settings, query)
        self._send(200, text.encode("utf-8"), "text/html; charset=utf-8", send_body=send_body)

    # -- the product catalog -------------------------------------------------

    def _catalog(self, parts, send_body):
        """Answers a catalog link, CAB or ESD; False for any other path."""
        origin = "http://127.0.0.1:%d" % self.server.server_address[1]
        link = CATALOG_LINK_RE.fullmatch(parts.query)
        if FWLINK_RE.fullmatch(parts.path) and link:
            location = "%s%sproducts_%s.cab" % (origin, CATALOG_PREFIX, CATALOG_PRODUCTS[link.group(1)])
            self._send(302, b"", "text/html", headers=(("Location", location),), send_body=send_body)
            return True
        with self.server.switches.lock:
            switches = copy.copy(self.server.switches)
        product = parts.path[len(CATALOG_PREFIX):] if parts.path.startswith(CATALOG_PREFIX) else ""
        if product in ("products_win11.cab", "products_win10.cab"):
            cab = self.server.catalog.cab(product[9:14], origin, switches)
            self._send(200, cab, "application/vnd.ms-cab-compressed", send_body=send_body)
            return True
        if not parts.path.startswith(ESD_PREFIX):
            return False
        body = self.server.catalog.esd_body(parts.path)
        if body is None or switches.catalog_esd == "missing":
            self._send(404, render_not_found().encode("utf-8"), "text/html", send_body=send_body)
        else:
            self._send_ranged(body, send_body, 0)
        return True

    # -- the Evaluation Center ---------------------------------------------

    def _eval_center(self, parts, send_body):
        with self.server.switches.lock:
            mode = self.server.switches.evalcenter
        page = EVAL_PAGE_RE.fullmatch(parts.path)
        if page:
            self.server.switches.count("hits")
            self.server.console.line("HIT %s %s %s" % (printable(self.command), printable(self.path),
                                                        printable(self.headers.get("User-Agent") or "-")))
        agent = self.headers.get("User-Agent") or ""
        refused = mode == "browsersonly" and not agent.startswith("Mozilla/")
        if refused or (page and (mode == "unknown" or page.group(2).lower() not in EVAL_PAGES)):
            self._send(403, b"<html><body>Access Denied</body></html>\n", "text/html", send_body=send_body)
            return
        origin = "http://127.0.0.1:%d" % self.server.server_address[1]
        if page:
            text = render_eval_page(origin, page.group(2).lower(), mode)
            self._send(200, text.encode("utf-8"), "text/html; charset=utf-8", send_body=send_body)
            return
        if parts.path.startswith(EVAL_HOP_PREFIX):
            file, hop = parts.path[len(EVAL_HOP_PREFIX):], False
        else:
            file = EVAL_TARGETS.get(unquote(parts.path + "?" + parts.query).lower())
            hop = bool(FWLINK_RE.fullmatch(parts.path).group(1))  # the /p/ style: a second hop
        if file is None:
            self._send(404, render_not_found().encode("utf-8"), "text/html", send_body=send_body)
            return
        if mode == "mislabel" and file.replace("_de-de", "_fr-fr") in EVAL_FILES:
            # Microsoft's slip, as on Server 2022, on a page whose label alone names the culture.
            file = file.replace("_de-de", "_fr-fr")
        dead = mode == "deadlink" or (mode == "armdead" and "_A64FRE_" in file) \
            or (mode == "x64dead" and "_x64FRE_" in file)
        location = origin + (EVAL_HOP_PREFIX if hop else EVAL_FILE_PREFIX) \
            + ("gone/" if dead and not hop else "") + file
        if mode == "pagelink" and not hop:
            # A retired link: Microsoft sends it to an ordinary page of the site.
            location = origin + "/en-us/software-download/windows10"
        self._send(302, b"", "text/html", headers=(("Location", location),), send_body=send_body)

    # -- connector ---------------------------------------------------------

    def _connector(self, name, parts, send_body):
        sw = self.server.switches
        params = {}
        for k, v in parse_qsl(parts.query, keep_blank_values=True):
            params.setdefault(k.lower(), v)
        settings = sw.connector_settings()
        if name == LANGUAGES_ENDPOINT.lower():
            answer, control = self._language_list(params, settings)
            delay_ms = settings.languagedelay_ms
        else:
            sw.count("link_requests")
            answer, control = self._download_links(params, settings)
            delay_ms = settings.linksdelay_ms
        if delay_ms and sw.stopping.wait(delay_ms / 1000.0):
            return  # shutting down
        body = json.dumps(answer, separators=(",", ":")).encode("utf-8")
        self._send(200, body, "application/json; charset=utf-8",
                   headers=((CONTROL_HEADER, json.dumps(control, separators=(",", ":"))),),
                   send_body=send_body)

    def _language_list(self, params, settings):
        sw = self.server.switches
        control = {"validationMs": settings.validation_ms,
                   "stuck": settings.stuck_dialog in ("edition", "both"),
                   "bareIds": settings.bare_ids}
        session = params.get("sessionid", "")
        if sw.take("refuse_languages_left"):
            return {"ValidationContainer": {"Errors": refusal_errors(settings.refusal_type)},
                    "Skus": []}, control
        if not SESSION_ID_RE.fullmatch(session):
            return invalid_session_answer(), control
        edition = edition_by_id(params.get("producteditionid"))
        if edition is None:
            return {"ValidationContainer": {"Errors": generic_errors(
                "ErrorSettings.InvalidProductEdition", "Unknown product edition.")},
                "Skus": []}, control
        sw.remember_session(session, edition.edition_id)
        return sku_answer(edition, hostile=settings.hostile,
                          empty=settings.languages_mode == "empty"), control

    def _download_links(self, params, settings):
        sw = self.server.switches
        control = {"validationMs": settings.validation_ms,
                   "stuck": settings.stuck_dialog in ("language", "both"),
                   "after": "none"}
        session = params.get("sessionid", "")
        if sw.take("refuse_links_left"):
            return {"Errors": refusal_errors(settings.refusal_type)}, control
        if not SESSION_ID_RE.fullmatch(session):
            return invalid_session_answer(), control
        found = find_sku(params.get("sku"))
        if found is None:
            return {"ValidationContainer": {"Errors": generic_errors(
                "ErrorSettings.InvalidSku", "Unknown SKU.")}}, control
        edition, language, sku = found
        if sw.session_edition(session) != edition.edition_id:
            # The link request must come from the session that listed the languages.
            return {"ValidationContainer": {"Errors": generic_errors(
                "ErrorSettings.SessionMismatch", "Session does not match the request.")}}, control
        if sw.take("nolinks_left"):
            return no_links_answer(), control
        # `linklanguage`: the links of another language than the one confirmed,
        # remembered under the SKU asked for, so the thankyou page shows them too.
        answer = links_answer(edition, settings.link_language or language, self.server.iso_base,
                              lifetime_s=settings.link_lifetime_s, link_name=settings.link_name)
        if settings.link_type is not None:
            for option in answer["ProductDownloadOptions"]:
                option["DownloadType"] = settings.link_type
        sw.remember_links(session, sku, answer)
        control["after"] = sw.take_after_submit()
        return answer, control

    # -- ISO files -----------------------------------------------------------

    def _iso(self, name, parts, send_body):
        problem = iso_link_problem(name, parse_qsl(parts.query, keep_blank_values=True))
        if problem:
            # As the real file servers do: a short XML error body.
            body = ('<?xml version="1.0" encoding="utf-8"?><Error><Code>AccessDenied</Code>'
                    '<Message>%s</Message></Error>\n' % escape_text(problem))
            self._send(403, body.encode("utf-8"), "application/xml", send_body=send_body)
            return
        with self.server.switches.lock:
            rate = self.server.switches.iso_rate
            size = self.server.switches.iso_size_mib << 20
            tamper = self.server.switches.tamper == "on"
            image = self.server.switches.isoimage == "on"
            body_language = self.server.switches.iso_body_language
        if body_language is not None:
            # Another language's bytes under this name: the file matches that
            # language's row, not its own.
            served = ISO_FILES[name]
            body = iso_body(iso_file_name(served.edition, body_language, served.arch), size, image)
        else:
            body = iso_body(name, size, image)
        if tamper:
            # One byte changed: the file no longer matches its row.
            body = b"X" + body[1:]
        self._send_ranged(body, send_body, rate)

    def _send_ranged(self, body, send_body, rate):
        """The body, or the one range the request asks for."""
        size = len(body)
        wanted = parse_range(self.headers.get("Range"), size)
        headers = [("Accept-Ranges", "bytes")]
        if wanted == "unsatisfiable":
            headers.append(("Content-Range", "bytes */%d" % size))
            self._send(416, b"", "application/octet-stream", headers=headers,
                       send_body=send_body)
        elif wanted is None:
            self._send(200, body, "application/octet-stream", headers=headers,
                       send_body=send_body, rate=rate, counted=True)
        else:
            start, end = wanted
            headers.append(("Content-Range", "bytes %d-%d/%d" % (start, end, size)))
            self._send(206, body[start:end + 1], "application/octet-stream", headers=headers,
                       send_body=send_body, rate=rate, counted=True)

    def _send(self, code, body, content_type, headers=(), send_body=True, rate=0, counted=False):
        """With `counted`, the bytes sent add to the `isobytes` count."""
        self.send_response(code)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Cache-Control", "no-store")
        self.send_header("Connection", "close")
        for key, value in headers:
            self.send_header(key, value)
        self.end_headers()
        if not send_body:
            return
        # At `rate` bytes a second, in twentieths of a second; else at once.
        piece = max(1, rate // 20) if rate else max(1, len(body))
        for start in range(0, len(body), piece):
            if rate and self.server.switches.stopping.wait(0.05):
                return
            self.wfile.write(body[start:start + piece])
            if counted:
                with self.server.switches.lock:
                    self.server.switches.iso_bytes += len(body[start:start + piece])


def invalid_session_answer():
    return {"ValidationContainer": {"Errors": generic_errors(
        "ErrorSettings.InvalidSession", "The session id is missing or invalid.")}}


class ReplicaServer(ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = True
    request_queue_size = 64

    def __init__(self, address, switches, console, iso_base, catalog):
        self.switches = switches
        self.console = console
        self.catalog = catalog
        super().__init__(address, ReplicaHandler)
        # By default the links point back here.
        self.iso_base = iso_base or "http://127.0.0.1:%d%s" % (
            self.server_address[1], ISO_PATH_PREFIX.rstrip("/"))

    def handle_error(self, request, client_address):
        report_request_error("vendor_replica")


# ---------------------------------------------------------------------------
# Main
# ---------------------------------------------------------------------------

def main(argv=None):
    parser = argparse.ArgumentParser(description="Local replica of the vendor download pages.")
    parser.add_argument("--port", type=int, default=0,
                        help="port to listen on (default: a free one)")
    parser.add_argument("--iso-base", default=None,
                        help="base URL that ISO links in connector answers point to "
                             "(default: this server's own %s)" % ISO_PATH_PREFIX)
    parser.add_argument("--catalog", action="store_true",
                        help="serve the product catalog and its ESDs (made at start)")
    options = parser.parse_args(argv)
    if not 0 <= options.port <= 65535:
        parser.error("--port must be between 0 and 65535")

    console = Console(sys.stdout)
    switches = Switches()
    catalog = CatalogFiles() if options.catalog else None
    server = ReplicaServer(("127.0.0.1", options.port), switches, console, options.iso_base, catalog)
    serve_until_stopped(server, Controller(switches), console, switches.stopping,
                        before_shutdown=switches.drop_held)


if __name__ == "__main__":
    main()
