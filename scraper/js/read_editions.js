// Reads the page's edition list.
var answer = { versions: [], url: window.location.href };
var list = document.getElementById('product-edition');
if (list) {
  var options = list.querySelectorAll('option');
  for (var i = 0; i < options.length; ++i) {
    var value = quibValue(options[i]);
    var name = quibText(options[i]);
    if (value && value !== 'null' && name && name !== 'Select Download')
      answer.versions.push({ id: value, name: name });
  }
}
return JSON.stringify(answer);
