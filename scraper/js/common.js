// Helpers shared by every script the scraper runs in the vendor's page.
// Each script is wrapped in a function of its own, so nothing here leaks
// into the page's globals.

function quibValue(option) {
  if (option.value !== undefined && option.value !== null) return String(option.value);
  return option.getAttribute('value') || '';
}

function quibText(element) {
  var text = element.textContent || element.innerText || '';
  return String(text).trim();
}

// The options of a list that stand for a real choice: a value other than
// the literal null, and a label other than the list's placeholder.
function quibOptionEntries(list, placeholder) {
  var entries = [];
  var options = list.querySelectorAll('option');
  for (var i = 0; i < options.length; ++i) {
    var value = quibValue(options[i]);
    var label = quibText(options[i]);
    if (value && value !== 'null' && label && label !== placeholder) entries.push({ value: value, label: label });
  }
  return entries;
}

function quibIsHidden(element) {
  var style = window.getComputedStyle(element);
  return style.display === 'none' || style.visibility === 'hidden' || style.opacity === '0';
}

// Reads the page's validation dialog. The first look at the element records
// whether it was showing then, so a later look can tell that it has closed.
function quibProbeProgressDialog() {
  var probe = { validating: false, validatingComplete: false, validatingMessage: '' };
  var dialog = document.getElementById('progress-modal');
  if (!dialog) return probe;
  var hidden = quibIsHidden(dialog);
  var showing = !hidden && dialog.getAttribute('aria-hidden') !== 'true';
  if (dialog.quibQtChecked === undefined) {
    dialog.quibQtChecked = true;
    dialog.quibQtWasShown = showing;
  }
  if (dialog.quibQtWasShown && hidden) probe.validatingComplete = true;
  if (showing) {
    var message = document.getElementById('progressModalMessage');
    probe.validating = true;
    probe.validatingMessage = message ? message.textContent : '';
  }
  return probe;
}

// The text of the page's error dialog while it is shown (Microsoft's
// refusal among others), or null when it is not.
function quibShownErrorMessage() {
  var box = document.querySelector(
    '[data-condition="GetProductDownloadLinksBySku.Errors"][data-conditionassertion="true"]');
  if (!box || window.getComputedStyle(box).display === 'none') return null;
  var message = document.getElementById('errorModalMessage');
  return message ? message.textContent : '';
}
