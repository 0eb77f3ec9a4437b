// The off-screen browser's profile for one run of the program: cookies and
// cache in memory only, the rest of the page's storage in a folder of this
// run's own, gone when it ends, and no downloads. Runs side by side share
// nothing and keep nothing of the page and its trackers.
#pragma once

class QWebEngineProfile;

// Once per profile; later calls leave it as it is.
void keepProfileToThisRun(QWebEngineProfile *profile);
