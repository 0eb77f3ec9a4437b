#!/usr/bin/env python3
"""Local replica of the vendor's software-download pages, driven by the tests.

Serves the ISO download pages (and the Media Creation Tool page) on 127.0.0.1
and the two connector endpoints the page script calls.  A test controls the
server through stdin, one command per line; every command is answered on
stdout.  See README.md beside this file for the protocol.

Standard library only.
"""

import argparse
import base64
import collections
import datetime
import hashlib
import html
import json
import os
import re
import signal
import socket
import sys
import threading
import time
import traceback
import uuid
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import parse_qsl, quote, urlencode, urlsplit, urlunsplit


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
    "arches",
    "languages",
    "verify_rows",     # how many languages the verify table lists
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
        verify_rows=6,
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
        verify_rows=4,
    ),
    "windows10ISO": Product(
        page="windows10ISO",
        title="Download Windows 10 Disc Image (ISO File)",
        heading="Download Windows 10 Disc Image (ISO File)",
        edition_id=2618,
        edition_label="Windows 10 (multi-edition ISO)",
        display_name="Windows 10",
        file_pattern="Win10_22H2_{lang}_{arch}v1.iso",
        arches=(Arch(DOWNLOAD_X86, "x32", "32-bit"), Arch(DOWNLOAD_X64, "x64", "64-bit")),
        languages=LANGUAGES,
        verify_rows=4,
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
        verify_rows=0,
    ),
}

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
VERIFY_LANGUAGES = ("Arabic", "English", "English (United Kingdom)", "French", "German",
                    "Japanese")

PROFILE_ID = "606624d44113"
CONNECTOR_PREFIX = "/software-download-connector/api/"
DEFAULT_ISO_BASE = "https://software.download.prss.microsoft.com/dbazure"

PAGE_PATH_RE = re.compile(r"/([a-z]{2}(?:-[a-z]+)*)/software-download/([^/]+)",
                          re.IGNORECASE | re.ASCII)
SESSION_ID_RE = re.compile(
    r"[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}", re.IGNORECASE | re.ASCII)


def sku_id(product, index):
    return str(product.edition_id * 100 + index)


def find_sku(sku):
    """Maps a SKU id back to (product, language); None when unknown."""
    if not re.fullmatch(r"[0-9]{1,12}", sku or "", re.ASCII):
        return None
    number = int(sku)
    for product in PRODUCTS.values():
        if product.edition_id is None:
            continue
        index = number - product.edition_id * 100
        if 0 <= index < len(product.languages):
            return product, product.languages[index]
    return None


def product_by_edition(edition):
    if not re.fullmatch(r"[0-9]{1,9}", edition or "", re.ASCII):
        return None
    for product in PRODUCTS.values():
        if product.edition_id is not None and product.edition_id == int(edition):
            return product
    return None


def verify_hash(product, label):
    return hashlib.sha256(("%s|%s" % (product.page, label)).encode("utf-8")).hexdigest().upper()


def iso_file_name(product, language, arch):
    override = FILE_NAME_OVERRIDES.get((product.page, language.language, arch.download_type))
    if override:
        return override
    return product.file_pattern.format(lang=language.file_token, arch=arch.token)


def escape_attr(text):
    """HTML-escapes text for an attribute; non-ASCII becomes character references."""
    return html.escape(text, quote=True).encode("ascii", "xmlcharrefreplace").decode("ascii")


# ---------------------------------------------------------------------------
# Page markup
# ---------------------------------------------------------------------------

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

# Behaviour of the ISO pages: edition and language confirmation, the
# background requests to the connector, the dialogs.
PAGE_SCRIPT = r"""
<script>
(function () {
  "use strict";
  var PROFILE = "%(profile)s";
  var CONNECTOR = "%(connector)s";
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

  function request(endpoint, editionId, sku, apply) {
    var url = CONNECTOR + endpoint +
      "?profile=" + encodeURIComponent(PROFILE) +
      "&ProductEditionId=" + encodeURIComponent(editionId) +
      "&SKU=" + encodeURIComponent(sku) +
      "&friendlyFileName=undefined&Locale=en-US" +
      "&sessionID=" + encodeURIComponent(sessionId);
    byId("progressModalMessage").textContent = "Validating your request";
    show(progress);
    fetch(url, { credentials: "same-origin", cache: "no-store" })
      .then(function (r) { return r.json(); })
      .then(function (data) {
        var errors = errorsOf(data);
        if (errors.length) showError(errors); else apply(data);
      })
      .catch(function () { showError([{}]); })
      .then(function () { hide(progress); });
  }

  function applySkus(data) {
    while (languages.options.length > 1) languages.remove(1);
    (data.Skus || []).forEach(function (s) {
      var o = document.createElement("option");
      o.value = JSON.stringify({ id: s.Id, language: s.Language });
      o.textContent = s.LocalizedLanguage;
      languages.appendChild(o);
    });
    languages.selectedIndex = 0;
    hide(downloadSection);
    show(languageSection);
  }

  function applyLinks(data) {
    var container = byId("download-links");
    while (container.firstChild) container.removeChild(container.firstChild);
    var options = data.ProductDownloadOptions || [];
    options.forEach(function (d) {
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
      container.appendChild(block);
    });
    if (options.length) byId("localized-productDisplayName").textContent = options[0].LocalizedProductDisplayName;
    var expires = new Date(data.DownloadExpirationDatetime);
    byId("expiration-time").textContent = isNaN(expires.getTime()) ? "" :
      expires.toISOString().replace("T", " ").replace(/\.\d+Z$/, "") + " UTC";
    show(downloadSection);
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
    request("getskuinformationbyproductedition", edition.value, "undefined", applySkus);
  });

  byId("submit-sku").addEventListener("click", function (ev) {
    ev.preventDefault();
    var mark = byId("pk-language-validation");
    var choice = null;
    try { choice = JSON.parse(languages.value); } catch (e) { choice = null; }
    if (!choice || !choice.id) { mark.classList.add("has-error"); return; }
    mark.classList.remove("has-error");
    request("GetProductDownloadLinksBySku", "undefined", choice.id, applyLinks);
  });

  Array.prototype.forEach.call(document.querySelectorAll(".modal-dismiss"), function (b) {
    b.addEventListener("click", function () { hide(errorDialog); });
  });
})();
</script>
"""


def render_head(product, selfnav_ms, url_has_selfnav):
    parts = [
        '<meta charset="utf-8">',
        '<meta name="viewport" content="width=device-width, initial-scale=1">',
        "<title>%s</title>" % html.escape(product.title),
        "<style>%s</style>" % PAGE_CSS,
    ]
    if product.page == "windows10ISO":
        parts.append(OS_REDIRECT_SCRIPT)
    if selfnav_ms > 0 and not url_has_selfnav:
        # Only pages whose URL carries no selfnav parameter navigate, so the
        # value set is always the first one.
        parts.append(SELFNAV_SCRIPT % {"delay": selfnav_ms, "next": 1})
    return "\n".join(parts)


def render_iso_sections(product):
    edition_options = ['<option value="" selected="selected">Select Download</option>',
                       '<option value="%d">%s</option>' % (product.edition_id,
                                                           html.escape(product.edition_label))]
    rows = []
    listed = [lang for lang in product.languages if lang.language in VERIFY_LANGUAGES]
    for language in listed[:product.verify_rows]:
        for arch in product.arches:
            label = "%s %s" % (language.verify_label, arch.verify_suffix)
            rows.append("<tr><td>%s</td><td>%s</td></tr>"
                        % (html.escape(label), verify_hash(product, label)))
    return """
<section id="SoftwareDownload_EditionSelection">
  <h2>Download Windows Disk Image (ISO)</h2>
  <p>This option is for users that want to create a bootable installation media or a virtual
  machine. Select the edition, then the language.</p>
  <div id="productEdition-validation" class="form-group">
    <label for="product-edition">Select edition</label>
    <select id="product-edition" class="form-control" aria-label="Select edition">
      %(edition_options)s
    </select>
    <p class="error-message">Please select an edition.</p>
  </div>
  <button id="submit-product-edition" type="button" class="btn btn-primary">Download Now</button>
</section>

<section id="SoftwareDownload_LanguageSelectionByProductEdition" style="display:none">
  <h2>Select the product language</h2>
  <div id="pk-language-validation" class="form-group">
    <select id="product-languages" class="form-control" aria-label="Choose one">
      <option value="null" selected="selected">Choose one</option>
    </select>
    <p class="error-message">Please select a language.</p>
  </div>
  <button id="submit-sku" type="button" class="btn btn-primary">Confirm</button>
</section>

<section id="SoftwareDownload_DownloadLinks" style="display:none">
  <h2 id="localized-productDisplayName"></h2>
  <p>Links valid for 24 hours from time of creation.</p>
  <p>Links expire: <span id="expiration-time"></span></p>
  <div id="download-links"></div>
</section>

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

<section id="verify-download">
  <h2>Verify your download</h2>
  <table class="table">
    <thead><tr><th>Language</th><th>SHA256 Hash</th></tr></thead>
    <tbody>
    %(rows)s
    </tbody>
  </table>
</section>

<input type="hidden" id="msg-01" value="%(msg01)s">
<input type="hidden" id="msg-02" value="%(msg02)s">
""" % {
        "edition_options": "\n      ".join(edition_options),
        "rows": "\n    ".join(rows),
        "msg01": escape_attr(REFUSAL_TEXT),
        "msg02": escape_attr(GENERIC_ERROR_TEXT),
    }


def render_tool_section():
    return """
<section id="SoftwareDownload_MediaCreationTool">
  <h2>Create Windows 10 installation media</h2>
  <p>To get started, you will first need to have a licence to install Windows 10. You can then
  download and run the media creation tool.</p>
  <a id="downloadTool" class="btn btn-primary" href="#">Download tool now</a>
</section>
"""


def render_page(product, locale, selfnav_ms, query):
    """Returns the page markup as text.

    query is the request's parsed query string (list of pairs); it decides
    whether the self-navigation script is embedded."""
    has_selfnav = any(k == "selfnav" for k, _ in query)
    head = render_head(product, selfnav_ms, has_selfnav)
    if product.edition_id is None:
        body = render_tool_section()
        script = ""
    else:
        body = render_iso_sections(product)
        script = PAGE_SCRIPT % {"profile": PROFILE_ID, "connector": CONNECTOR_PREFIX}
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
""" % {"lang": html.escape(locale), "head": head, "heading": html.escape(product.heading),
       "body": body, "script": script}


def render_not_found():
    return ("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Page not found</title>"
            "</head><body><h1>404 - Page not found</h1></body></html>\n")


# ---------------------------------------------------------------------------
# Connector answers
# ---------------------------------------------------------------------------

def refusal_errors():
    return [{"Key": "ErrorSettings.SentinelReject",
             "Value": "Sentinel marked this request as rejected.", "Type": 9}]


def generic_errors(key, text):
    return [{"Key": key, "Value": text, "Type": 1}]


def sku_answer(product):
    skus = []
    for index, language in enumerate(product.languages):
        skus.append({
            "Id": sku_id(product, index),
            "Language": language.language,
            "LocalizedLanguage": language.localized,
            "ProductDisplayName": product.display_name,
            "LocalizedProductDisplayName": product.display_name,
        })
    return {"ValidationContainer": {"Errors": []}, "Skus": skus}


def links_answer(product, language, iso_base, now=None):
    now = now if now is not None else time.time()
    expiry = int(now) + 24 * 3600
    options = []
    for arch in product.arches:
        name = iso_file_name(product, language, arch)
        token = str(uuid.uuid4())
        signature = base64.b64encode(
            hashlib.sha256(("%s|%s|%d" % (name, token, expiry)).encode()).digest()).decode()
        uri = "%s/%s?t=%s&P1=%d&P2=601&P3=2&P4=%s" % (
            iso_base.rstrip("/"), name, token, expiry, quote(signature, safe=""))
        options.append({
            "Name": name,
            "Uri": uri,
            "ProductDisplayName": product.display_name,
            "Language": language.language,
            "LocalizedProductDisplayName": product.display_name,
            "LocalizedLanguage": language.localized,
            "DownloadType": arch.download_type,
        })
    expires = datetime.datetime.fromtimestamp(expiry, tz=datetime.timezone.utc)
    return {
        "ProductDownloadOptions": options,
        "ValidationContainer": {"Errors": []},
        "DownloadExpirationDatetime": expires.strftime("%Y-%m-%dT%H:%M:%S.") + "%02dZ" % (
            int((now % 1) * 100)),
    }


# ---------------------------------------------------------------------------
# Run-time switches
# ---------------------------------------------------------------------------

class Console:
    """Serialized, flushed lines on stdout."""

    def __init__(self, stream):
        self._stream = stream
        self._lock = threading.Lock()

    def line(self, text):
        with self._lock:
            try:
                self._stream.write(text + "\n")
                self._stream.flush()
            except (OSError, ValueError):
                pass  # nobody listening any more


class HeldRequest:
    """A page request held without an answer until released or dropped."""

    def __init__(self):
        self.decided = threading.Event()
        self.finished = threading.Event()
        self.release = False


class Switches:
    MAX_SESSIONS = 4096

    def __init__(self):
        self.lock = threading.Lock()
        self.stopping = threading.Event()
        self._clear()

    def _clear(self):
        self.fail_left = 0
        self.hang_left = 0
        self.redirect_left = 0
        self.refuse_left = 0
        self.delay_ms = 0
        self.selfnav_ms = 0
        self.hits = 0
        self.held = []
        self.sessions = collections.OrderedDict()  # session id -> edition id

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

    def take_refusal(self):
        with self.lock:
            if self.refuse_left > 0:
                self.refuse_left -= 1
                return True
            return False

    def remember_session(self, session_id, edition_id):
        with self.lock:
            self.sessions[session_id.lower()] = edition_id
            self.sessions.move_to_end(session_id.lower())
            while len(self.sessions) > self.MAX_SESSIONS:
                self.sessions.popitem(last=False)

    def session_edition(self, session_id):
        with self.lock:
            return self.sessions.get(session_id.lower())

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
MAX_DELAY_MS = 3600 * 1000


class Controller:
    """Applies the commands read from stdin."""

    COUNTED = ("fail", "hang", "redirect", "refuse")
    TIMED = ("delay", "selfnav")
    BARE = ("release", "reset", "hits", "quit")

    def __init__(self, switches):
        self.switches = switches

    def execute(self, line):
        """Returns (answer line, quit requested)."""
        words = line.split()
        verb, args = words[0].lower(), words[1:]
        sw = self.switches
        if verb in self.COUNTED or verb in self.TIMED:
            if len(args) != 1 or not COUNT_RE.fullmatch(args[0]):
                return "ERR %s needs one non-negative integer" % verb, False
            value = int(args[0])
            if verb in self.TIMED and value > MAX_DELAY_MS:
                return "ERR %s at most %d ms" % (verb, MAX_DELAY_MS), False
            with sw.lock:
                setattr(sw, {"fail": "fail_left", "hang": "hang_left",
                             "redirect": "redirect_left", "refuse": "refuse_left",
                             "delay": "delay_ms", "selfnav": "selfnav_ms"}[verb], value)
            return "OK " + line, False
        if verb in self.BARE:
            if args:
                return "ERR %s takes no argument" % verb, False
            if verb == "release":
                sw.release_held()
            elif verb == "reset":
                sw.reset()
            elif verb == "hits":
                with sw.lock:
                    return "HITS %d" % sw.hits, False
            return "OK " + line, verb == "quit"
        return "ERR unknown command %s" % verb, False


# ---------------------------------------------------------------------------
# HTTP
# ---------------------------------------------------------------------------

def printable(text):
    """Replaces control characters so one value stays on one output line."""
    return "".join(c if ord(c) >= 0x20 and not 0x7f <= ord(c) <= 0x9f else "?" for c in text)


class ReplicaHandler(BaseHTTPRequestHandler):
    # HTTP/1.0: one request per connection, so a connection closed without an
    # answer is never a stale keep-alive connection that a browser retries.
    protocol_version = "HTTP/1.0"
    server_version = "Replica/1.0"
    sys_version = ""
    timeout = 30  # for reading the request only

    def version_string(self):
        return self.server_version

    def log_message(self, format, *args):
        pass

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
        if page and page.group(2) in PRODUCTS:
            self._page(page.group(1), PRODUCTS[page.group(2)], parts, send_body)
            return
        if parts.path.lower().startswith(CONNECTOR_PREFIX):
            name = parts.path[len(CONNECTOR_PREFIX):].lower()
            if name in ("getskuinformationbyproductedition", "getproductdownloadlinksbysku"):
                self._connector(name, parts, send_body)
                return
        self._send(404, render_not_found().encode("utf-8"), "text/html; charset=utf-8",
                   send_body=send_body)

    def _page(self, locale, product, parts, send_body):
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
                    self._send_page(locale, product, parts, send_body)
            finally:
                held.finished.set()
            return
        with sw.lock:
            delay_ms = sw.delay_ms
        if delay_ms and sw.stopping.wait(delay_ms / 1000.0):
            return  # shutting down
        if action == "redirect":
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
            return
        self._send_page(locale, product, parts, send_body)

    def _send_page(self, locale, product, parts, send_body):
        with self.server.switches.lock:
            selfnav_ms = self.server.switches.selfnav_ms
        query = parse_qsl(parts.query, keep_blank_values=True)
        body = render_page(product, locale, selfnav_ms, query).encode("utf-8")
        self._send(200, body, "text/html; charset=utf-8", send_body=send_body)

    def _connector(self, name, parts, send_body):
        sw = self.server.switches
        params = {}
        for k, v in parse_qsl(parts.query, keep_blank_values=True):
            params.setdefault(k.lower(), v)
        session = params.get("sessionid", "")
        if sw.take_refusal():
            if name == "getskuinformationbyproductedition":
                answer = {"ValidationContainer": {"Errors": refusal_errors()}, "Skus": []}
            else:
                answer = {"Errors": refusal_errors()}
        elif not SESSION_ID_RE.fullmatch(session):
            answer = {"ValidationContainer": {"Errors": generic_errors(
                "ErrorSettings.InvalidSession", "The session id is missing or invalid.")}}
        elif name == "getskuinformationbyproductedition":
            product = product_by_edition(params.get("producteditionid"))
            if product is None:
                answer = {"ValidationContainer": {"Errors": generic_errors(
                    "ErrorSettings.InvalidProductEdition", "Unknown product edition.")},
                    "Skus": []}
            else:
                sw.remember_session(session, product.edition_id)
                answer = sku_answer(product)
        else:
            found = find_sku(params.get("sku"))
            if found is None:
                answer = {"ValidationContainer": {"Errors": generic_errors(
                    "ErrorSettings.InvalidSku", "Unknown SKU.")}}
            elif sw.session_edition(session) != found[0].edition_id:
                # The link request must come from the session that listed the languages.
                answer = {"ValidationContainer": {"Errors": generic_errors(
                    "ErrorSettings.SessionMismatch", "Session does not match the request.")}}
            else:
                answer = links_answer(found[0], found[1], self.server.iso_base)
        body = json.dumps(answer, separators=(",", ":")).encode("utf-8")
        self._send(200, body, "application/json; charset=utf-8", send_body=send_body)

    def _send(self, code, body, content_type, headers=(), send_body=True):
        self.send_response(code)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Cache-Control", "no-store")
        self.send_header("Connection", "close")
        for key, value in headers:
            self.send_header(key, value)
        self.end_headers()
        if send_body:
            self.wfile.write(body)


class ReplicaServer(ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = True
    request_queue_size = 64

    def __init__(self, address, switches, console, iso_base):
        self.switches = switches
        self.console = console
        self.iso_base = iso_base
        super().__init__(address, ReplicaHandler)

    def handle_error(self, request, client_address):
        error = sys.exc_info()[1]
        if isinstance(error, (ConnectionError, TimeoutError, socket.timeout)):
            return  # the client went away; nothing to report
        sys.stderr.write("vendor_replica: error while handling a request:\n")
        traceback.print_exc(file=sys.stderr)
        sys.stderr.flush()


# ---------------------------------------------------------------------------
# Main
# ---------------------------------------------------------------------------

def read_commands(controller, console, stop):
    """Reads commands from stdin until EOF or quit, then asks for shutdown."""
    pending = b""
    try:
        while not stop.is_set():
            try:
                chunk = os.read(0, 4096)
            except InterruptedError:
                continue
            lines = (pending + chunk).split(b"\n")
            pending = lines.pop() if chunk else b""
            for raw in lines:
                line = raw.decode("utf-8", "replace").strip()
                if not line:
                    continue
                answer, wants_quit = controller.execute(line)
                console.line(answer)
                if wants_quit:
                    return
            if not chunk:
                return  # EOF
    except OSError:
        return  # stdin unusable: treat like EOF
    finally:
        stop.set()


def main(argv=None):
    parser = argparse.ArgumentParser(description="Local replica of the vendor download pages.")
    parser.add_argument("--port", type=int, default=0,
                        help="port to listen on (default: a free one)")
    parser.add_argument("--iso-base", default=DEFAULT_ISO_BASE,
                        help="base URL that ISO links in connector answers point to")
    options = parser.parse_args(argv)
    if not 0 <= options.port <= 65535:
        parser.error("--port must be between 0 and 65535")

    console = Console(sys.stdout)
    switches = Switches()
    server = ReplicaServer(("127.0.0.1", options.port), switches, console, options.iso_base)
    console.line("PORT %d" % server.server_address[1])

    stop = switches.stopping
    signalled = []

    def on_signal(signum, frame):
        signalled.append(signum)  # the main loop notices; no locks taken here

    signal.signal(signal.SIGTERM, on_signal)
    signal.signal(signal.SIGINT, on_signal)

    serving = threading.Thread(target=server.serve_forever, kwargs={"poll_interval": 0.1},
                               name="serve", daemon=True)
    serving.start()
    reader = threading.Thread(target=read_commands, args=(Controller(switches), console, stop),
                              name="commands", daemon=True)
    reader.start()

    while not stop.is_set() and not signalled:
        time.sleep(0.05)

    stop.set()
    switches.drop_held()
    server.shutdown()
    server.server_close()
    try:
        sys.stdout.flush()
    except (OSError, ValueError):
        pass
    # The command reader may still be blocked on stdin; leave without waiting for it.
    os._exit(0)


if __name__ == "__main__":
    main()
