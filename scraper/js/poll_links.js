// One look at the page while waiting for its ISO links.
var result = {
  status: 'not_ready',
  hasContainer: false,
  linkCount: 0,
  containerHTML: '',
  allLinks: [],
  currentURL: window.location.href,
  pageTitle: document.title,
  formAction: '',
  blocked: false,
  hasIsoLinks: false,
  productName: '',
  selectedLanguage: '',
  formFound: 'unknown',
  validating: false,
  validatingComplete: false,
  validatingMessage: '',
  downloadError: false,
  downloadErrorMessage: ''
};

function readDialog() {
  var probe = quibProbeProgressDialog();
  result.validating = probe.validating;
  result.validatingComplete = probe.validatingComplete;
  result.validatingMessage = probe.validatingMessage;
  if (probe.validating) result.status = 'validating';
}

function readDownloadError() {
  var message = quibShownErrorMessage();
  if (message === null) return;
  result.downloadError = true;
  result.downloadErrorMessage = message;
}

function readSelectedLanguage() {
  var list = document.getElementById('product-languages');
  var option = list && list.selectedIndex >= 0 ? list.options[list.selectedIndex] : null;
  var value = option ? quibValue(option) : '';
  if (value) {
    if (value.indexOf('language') !== -1) {
      try {
        var parsed = JSON.parse(value);
        if (parsed && parsed.language) result.selectedLanguage = String(parsed.language);
      } catch (e) {
        // Not JSON after all: the option's text decides below.
      }
    }
    if (!result.selectedLanguage) result.selectedLanguage = quibText(option);
  }
}

function addIsoLink(url, seen) {
  if (url.indexOf('.iso') === -1 || seen[url]) return false;
  seen[url] = true;
  result.allLinks.push(url);
  result.linkCount += 1;
  result.status = 'ready';
  result.hasIsoLinks = true;
  return true;
}

function readContainer(container) {
  var seen = {};
  result.hasContainer = true;
  result.containerHTML = container.innerHTML.substring(0, 1000);
  var anchors = container.querySelectorAll('a[href]');
  for (var i = 0; i < anchors.length; ++i) addIsoLink(anchors[i].href, seen);
  var inputs = container.querySelectorAll('input.product-download-hidden');
  for (var j = 0; j < inputs.length; ++j) {
    var value = inputs[j].value || '';
    if (value.indexOf('{') === -1) continue;
    try {
      var entry = JSON.parse(value);
      if (entry && typeof entry.Uri === 'string' && addIsoLink(entry.Uri, seen))
        result.productName = entry.Name || entry.LocalizedProductDisplayName || '';
    } catch (e) {
      // A malformed entry does not hide the others.
    }
  }
}

function readSubstituteContainer() {
  var ids = ['download', 'download-section', 'iso-download', 'form-download'];
  for (var i = 0; i < ids.length; ++i) {
    var element = document.getElementById(ids[i]);
    if (!element) continue;
    result.hasContainer = true;
    result.containerHTML = 'Found: ' + ids[i] + ' -> ' + element.innerHTML.substring(0, 1000);
    var anchors = element.querySelectorAll('a[href]');
    for (var j = 0; j < anchors.length; ++j) {
      if (anchors[j].href.indexOf('.iso') === -1) continue;
      result.allLinks.push(anchors[j].href);
      result.status = 'ready';
      result.hasIsoLinks = true;
    }
    return;
  }
}

function readForm() {
  var form = document.querySelector('form');
  if (!form) return;
  result.formAction = form.action || '';
  result.blocked = result.formAction.indexOf('/search/explore') !== -1;
}

function readSubmitButton() {
  var button = document.getElementById('submit-sku') || document.querySelector('button[type="submit"]');
  if (!button) return;
  var list = document.getElementById('product-languages');
  var events = [];
  if (button.onclick) events.push('onclick');
  if (button.getAttribute('onclick')) events.push('onclickAttr');
  if (list && list.onchange) events.push('select:onchange');
  if (list && list.getAttribute('onchange')) events.push('select:onchangeAttr');
  result.submitButton = button.id || button.className;
  result.buttonDisabled = !!button.disabled;
  result.buttonOnclick = button.onclick ? 'exists' : 'none';
  result.formFound = button.closest('form') ? 'yes' : 'no';
  result.debugEvents = events.join(',');
}

readDialog();
readDownloadError();
readSelectedLanguage();
var container = document.getElementById('download-links');
if (container) readContainer(container);
else readSubstituteContainer();
readForm();
readSubmitButton();
return JSON.stringify(result);
