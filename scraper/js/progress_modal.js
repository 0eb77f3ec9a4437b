// Is the page's validation dialog up?
return JSON.stringify(quibProbeProgressDialog());
