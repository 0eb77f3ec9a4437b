// Presses the language confirmation the way a user's tap would.
window.quibQtWaitingForLanguageSubmit = false;
var confirm = document.getElementById('submit-sku');
if (confirm) {
  confirm.disabled = false;
  confirm.click();
  ['click', 'mousedown', 'mouseup'].forEach(function (type) {
    confirm.dispatchEvent(new MouseEvent(type, { bubbles: true, cancelable: true }));
  });
}
