// Reads the page's edition list.
var answer = { versions: [], url: window.location.href };
var list = document.getElementById('product-edition');
if (list) {
  answer.versions = quibOptionEntries(list, 'Select Download').map(function (entry) {
    return { id: entry.value, name: entry.label };
  });
}
return JSON.stringify(answer);
