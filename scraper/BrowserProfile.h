// The off-screen browser's profile for one run of the program: cookies and
// cache in memory only, the rest of the page's storage in a folder of this
// run's own, gone when it ends, and no downloads. Runs side by side share
// nothing and keep nothing of the page and its trackers.
#pragma once

class QWebEngineProfile;

// The profile the pages run in: the default one, kept to this run; where
// no folder of this run's own can be made, one that keeps everything in
// memory, so that nothing ever falls back to storage shared between runs.
QWebEngineProfile *pageProfile();
