// Reads the Evaluation Center's download anchors: each one's label, which
// names the file, and its link. They are in the page behind the
// registration form, which need not be sent.
var answer = { links: [], url: window.location.href };
var anchors = document.querySelectorAll('a[aria-label]');
for (var i = 0; i < anchors.length; ++i) {
  var link = anchors[i].getAttribute('data-target') || anchors[i].getAttribute('href') || '';
  answer.links.push({ label: anchors[i].getAttribute('aria-label'), link: link });
}
return JSON.stringify(answer);
