// The page functions the scraper calls after every load. They live in the
// scraper's own script world: the page's scripts cannot see or replace them.

// A newer choice replaces a confirmation still waiting on the page's timer,
// so one choice is never confirmed twice.
function quibConfirmLater(list, confirm, delayMs) {
  clearTimeout(list.quibQtPendingConfirm);
  list.quibQtPendingConfirm = setTimeout(confirm, delayMs);
}

window.quibQtSelectVersion = function (versionId) {
  var list = document.getElementById('product-edition');
  if (!list) return 'not_found';
  list.value = versionId;
  list.dispatchEvent(new Event('change', { bubbles: true }));
  quibConfirmLater(list, function () {
    var confirm = document.getElementById('submit-product-edition');
    if (confirm) {
      confirm.disabled = false;
      confirm.click();
    }
  }, 300);
  return 'version_selected';
};

window.quibQtExtractLanguages = function () {
  var answer = { languages: [], url: window.location.href };
  var list = document.getElementById('product-languages');
  if (list) {
    answer.count = list.querySelectorAll('option').length;
    answer.languages = quibOptionEntries(list, 'Choose one').map(function (entry) {
      return { code: entry.value, name: entry.label };
    });
  }
  // The edition's request may have been refused: the page then says so.
  var shownError = quibShownErrorMessage();
  if (shownError !== null) answer.pageError = shownError;
  return JSON.stringify(answer);
};

function quibSubmitLanguage(list) {
  var confirm = document.getElementById('submit-sku');
  if (confirm) {
    confirm.disabled = false;
    confirm.click();
  } else if (list.form) {
    list.form.submit();
  } else {
    var submit = document.querySelector('button[type="submit"]');
    if (submit) {
      submit.disabled = false;
      submit.click();
    }
  }
}

var quibLinkSelector = 'a.btn.btn-primary, a[class*="product-download"]';

// The links of an earlier choice must not pass for those of the new one
// while the page is still asking for them.
function quibForgetOfferedLinks() {
  var anchors = document.querySelectorAll(quibLinkSelector);
  for (var i = 0; i < anchors.length; ++i) {
    if ((anchors[i].href || '').indexOf('.iso') !== -1) anchors[i].remove();
  }
  var inputs = document.querySelectorAll('input.product-download-hidden');
  for (var j = 0; j < inputs.length; ++j) inputs[j].remove();
}

// The error dialog of an earlier answer is closed, as a person would close
// it before choosing again: what it said is no answer to the new choice.
function quibCloseErrorDialog() {
  var dialog = document.querySelector('[data-condition="GetProductDownloadLinksBySku.Errors"]');
  if (!dialog || window.getComputedStyle(dialog).display === 'none') return;
  var buttons = dialog.querySelectorAll('button, [data-dismiss]');
  for (var i = 0; i < buttons.length; ++i) buttons[i].click();
  if (window.getComputedStyle(dialog).display !== 'none') dialog.style.display = 'none';
}

// An option's SKU id: its value is JSON text with an "id", or the bare id.
function quibOptionId(option) {
  var value = quibValue(option);
  if (value === 'null') return '';
  try {
    var parsed = JSON.parse(value);
    if (parsed && typeof parsed === 'object') return typeof parsed.id === 'string' ? parsed.id : '';
  } catch (e) {
    // Not JSON: the value is the id itself.
  }
  return value;
}

// The option chosen is the one whose id the scraper read from this list;
// names are never compared, so no language can stand in for another.
window.quibQtSelectLanguage = function (skuId) {
  var list = document.getElementById('product-languages');
  if (!list) return 'ERROR:langSel_not_found';
  var options = list.querySelectorAll('option');
  if (options.length <= 1) return 'ERROR:no_options';
  var chosen = -1;
  for (var i = 0; i < options.length && chosen < 0; ++i) {
    if (quibOptionId(options[i]) === String(skuId)) chosen = i;
  }
  if (chosen < 0) return 'ERROR:option_not_found';
  quibForgetOfferedLinks();
  quibCloseErrorDialog();
  list.selectedIndex = chosen;
  list.dispatchEvent(new Event('change', { bubbles: true }));
  list.dispatchEvent(new Event('input', { bubbles: true }));
  quibConfirmLater(list, function () { quibSubmitLanguage(list); }, 1500);
  return 'OK:selected=' + chosen + ',value=' + quibValue(options[chosen]) + ',text=' + quibText(options[chosen]);
};

// The id of the language the list has selected now, or '' when none.
function quibSelectedLanguageId() {
  var list = document.getElementById('product-languages');
  if (!list || list.selectedIndex < 0) return '';
  var option = list.options[list.selectedIndex];
  return option ? quibOptionId(option) : '';
}

// Hidden inputs hold HTML-escaped JSON. A textarea decodes character
// references without building elements, so nothing in the value can load or
// run anything.
function quibDecodeEntities(text) {
  var decoder = document.createElement('textarea');
  decoder.innerHTML = text;
  return decoder.value;
}

// The "Verify your download" table: rows whose second cell is a SHA-256.
function quibPublishedHashes() {
  var hashes = [];
  var rows = document.querySelectorAll('tr');
  for (var i = 0; i < rows.length; ++i) {
    var cells = rows[i].querySelectorAll('td');
    if (cells.length < 2) continue;
    var value = quibText(cells[1]);
    if (/^[0-9a-fA-F]{64}$/.test(value)) hashes.push({ label: quibText(cells[0]), sha256: value });
  }
  return hashes;
}

// The page's record of each offered file, by its address: the language the
// file is for comes only from here.
function quibHiddenLinkEntries() {
  var entries = [];
  var inputs = document.querySelectorAll('input.product-download-hidden');
  for (var i = 0; i < inputs.length; ++i) {
    var value = inputs[i].value || inputs[i].getAttribute('value') || '';
    if (!value) continue;
    try {
      var entry = JSON.parse(quibDecodeEntities(value));
      var uri = entry && typeof entry.Uri === 'string' ? entry.Uri : '';
      if (uri.indexOf('.iso') === -1) continue;
      entries.push({
        url: uri,
        text: typeof entry.Name === 'string' ? entry.Name : '',
        language: typeof entry.Language === 'string' ? entry.Language : '',
        downloadType: typeof entry.DownloadType === 'number' ? entry.DownloadType : null
      });
    } catch (e) {
      // A malformed entry is skipped; the others still count.
    }
  }
  return entries;
}

window.quibQtExtractLinks = function () {
  var answer = {
    links: [], url: window.location.href, hashes: quibPublishedHashes(), selectedLanguageId: quibSelectedLanguageId()
  };
  var hidden = quibHiddenLinkEntries();
  var recordOf = Object.create(null);
  for (var h = 0; h < hidden.length; ++h) recordOf[hidden[h].url] = hidden[h];
  var taken = {};
  var anchors = document.querySelectorAll(quibLinkSelector);
  for (var i = 0; i < anchors.length; ++i) {
    var href = anchors[i].href || anchors[i].getAttribute('href') || '';
    if (href.indexOf('.iso') !== -1 && !taken[href]) {
      taken[href] = true;
      var record = recordOf[href];
      answer.links.push({
        url: href, text: quibText(anchors[i]), language: record ? record.language : '',
        downloadType: record ? record.downloadType : null
      });
    }
  }
  for (var j = 0; j < hidden.length; ++j) {
    if (!taken[hidden[j].url]) {
      taken[hidden[j].url] = true;
      answer.links.push(hidden[j]);
    }
  }
  return JSON.stringify(answer);
};

return 'helpers_defined';
