// Presses the language confirmation once more.
var confirm = document.getElementById('submit-sku');
if (confirm) {
  confirm.disabled = false;
  confirm.click();
}
