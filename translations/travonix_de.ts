<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>Travonix

Version %1.%2.%3.%4 (Build: %5)

Copyright © 2024-%6 Zamrel Software.
All rights reserved.</source>
        <extracomment>%1 to %4 are the four version numbers, %5 the build date, %6 its year.</extracomment>
        <translation>Travonix

Version %1.%2.%3.%4 (Build: %5)

Copyright © 2024-%6 Zamrel Software.
Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <extracomment>%1 is the name of the language the window is in, in that language (&quot;Deutsch&quot;).</extracomment>
        <translation>Sprache: %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>CatalogChoices</name>
    <message>
        <source>Windows 11 (built from installation files)</source>
        <translation>Windows 11 (aus Installationsdateien erstellt)</translation>
    </message>
    <message>
        <source>Windows 11 ARM64 (built from installation files)</source>
        <translation>Windows 11 ARM64 (aus Installationsdateien erstellt)</translation>
    </message>
    <message>
        <source>Windows 10 (built from installation files)</source>
        <translation>Windows 10 (aus Installationsdateien erstellt)</translation>
    </message>
    <message>
        <source>The product catalog lists no file for this product.</source>
        <translation>Der Produktkatalog führt für dieses Produkt keine Datei.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog lists build %1, older than the current release %2 (build %3): it may be a stale copy; a later try may get the newer one.</source>
        <translation>Der Produktkatalog von Microsoft führt Build %1, älter als das aktuelle Release %2 (Build %3): Er ist vielleicht eine veraltete Kopie; ein späterer Versuch erhält möglicherweise den neueren.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog names no build.</source>
        <translation>Der Produktkatalog von Microsoft nennt keinen Build.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog, build %1</source>
        <translation>Produktkatalog von Microsoft, Build %1</translation>
    </message>
</context>
<context>
    <name>DigestVerdict</name>
    <message>
        <source>Microsoft publishes no SHA-256 for this file; its SHA-256 is %1</source>
        <translation>Microsoft veröffentlicht für diese Datei keinen SHA-256-Wert; ihr SHA-256-Wert ist %1</translation>
    </message>
    <message>
        <source>Microsoft publishes no SHA-256 for this file, so it was not checked.</source>
        <translation>Microsoft veröffentlicht für diese Datei keinen SHA-256-Wert, daher wurde sie nicht geprüft.</translation>
    </message>
    <message>
        <source>Its SHA-256 matches the value Microsoft publishes:
%1</source>
        <translation>Ihr SHA-256-Wert stimmt mit dem von Microsoft veröffentlichten Wert überein:
%1</translation>
    </message>
    <message>
        <source>Warning: its SHA-256 matches the value Microsoft publishes for &quot;%1&quot;, not the one for the language and architecture you chose:
%2</source>
        <extracomment>%1 is the row of the page&apos;s table of SHA-256 values, %2 the file&apos;s SHA-256.</extracomment>
        <translation>Warnung: Ihr SHA-256-Wert stimmt mit dem Wert überein, den Microsoft für „%1“ veröffentlicht, nicht mit dem für die gewählte Sprache und Architektur:
%2</translation>
    </message>
    <message>
        <source>The downloaded file is not an ISO image: it lacks the length the server announced or the volume descriptors every ISO image begins with. It was not saved as %1, which is as it was.

Its SHA-256: %2

The downloaded bytes are kept in %3. Try the download again later.</source>
        <translation>Die heruntergeladene Datei ist kein ISO-Abbild: Ihr fehlt die vom Server angekündigte Länge oder die Volumedeskriptoren, mit denen jedes ISO-Abbild beginnt. Sie wurde nicht als %1 gespeichert; diese Datei bleibt, wie sie war.

Ihr SHA-256-Wert: %2

Die heruntergeladenen Daten liegen in %3. Versuchen Sie den Download später erneut.</translation>
    </message>
    <message>
        <source>The downloaded file is the %1 one, not the %2 one you chose: its SHA-256 matches the value Microsoft publishes for &quot;%3&quot;. It was not saved as %4, which is as it was.

Downloaded: %5

The downloaded bytes are kept in %6.</source>
        <extracomment>%1 and %2 are languages, %3 the row of the page&apos;s table, %4 the file chosen, %5 a SHA-256, %6 a path.</extracomment>
        <translation>Die heruntergeladene Datei ist die für %1, nicht die für %2, die Sie gewählt haben: Ihr SHA-256-Wert stimmt mit dem Wert überein, den Microsoft für „%3“ veröffentlicht. Sie wurde nicht als %4 gespeichert; diese Datei bleibt, wie sie war.

Heruntergeladen: %5

Die heruntergeladenen Daten liegen in %6.</translation>
    </message>
    <message>
        <source>(none listed for this language and architecture)</source>
        <translation>(für diese Sprache und Architektur nicht aufgeführt)</translation>
    </message>
    <message>
        <source>The downloaded file does not match the SHA-256 that Microsoft publishes, so it was not saved as %1, which is as it was.

Published: %2
Downloaded: %3

The downloaded bytes are kept in %4.</source>
        <translation>Die heruntergeladene Datei stimmt nicht mit dem von Microsoft veröffentlichten SHA-256-Wert überein und wurde daher nicht als %1 gespeichert; diese Datei bleibt, wie sie war.

Veröffentlicht: %2
Heruntergeladen: %3

Die heruntergeladenen Daten liegen in %4.</translation>
    </message>
    <message>
        <source>Its %1 matches the value of Microsoft&apos;s product catalog:
%2</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 its value.</extracomment>
        <translation>Ihr %1-Wert stimmt mit dem Wert aus dem Produktkatalog von Microsoft überein:
%2</translation>
    </message>
    <message>
        <source>The downloaded file does not match the %1 of Microsoft&apos;s product catalog, so it was not saved as %2, which is as it was.

Published: %3
Downloaded: %4

The downloaded bytes are kept in %5.</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 the file chosen, %3 and %4 digests, %5 a path.</extracomment>
        <translation>Die heruntergeladene Datei stimmt nicht mit dem %1-Wert aus dem Produktkatalog von Microsoft überein und wurde daher nicht als %2 gespeichert; diese Datei bleibt, wie sie war.

Veröffentlicht: %3
Heruntergeladen: %4

Die heruntergeladenen Daten liegen in %5.</translation>
    </message>
</context>
<context>
    <name>DownloadFailure</name>
    <message>
        <source>Not enough disk space for %1. Free some space and start the download again to continue where it stopped.</source>
        <translation>Nicht genügend Speicherplatz für %1. Geben Sie Speicherplatz frei und starten Sie den Download erneut, um dort fortzufahren, wo er angehalten hat.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>In %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Only %1 links can be downloaded, and this one is not: %2</source>
        <extracomment>%1 is the scheme allowed (https), %2 the link.</extracomment>
        <translation>Nur %1-Links können heruntergeladen werden, dieser ist keiner: %2</translation>
    </message>
    <message>
        <source>The file name %1 holds control characters, which no file should have; choose another name.</source>
        <translation>Der Dateiname %1 enthält Steuerzeichen, die kein Dateiname haben sollte; wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>The downloaded data is gone: %1</source>
        <translation>Die heruntergeladenen Daten sind nicht mehr vorhanden: %1</translation>
    </message>
    <message>
        <source>Cannot move the download to %1: %2</source>
        <translation>Der Download kann nicht nach %1 verschoben werden: %2</translation>
    </message>
    <message>
        <source>The server keeps sending the wrong part of the file.</source>
        <translation>Der Server sendet immer wieder den falschen Teil der Datei.</translation>
    </message>
    <message>
        <source>Another download of this file is running, and %1 is in use by it. Let that one finish, or stop it and start again.</source>
        <translation>Ein anderer Download dieser Datei läuft, und %1 wird von ihm verwendet. Lassen Sie ihn fertig werden, oder beenden Sie ihn und starten Sie erneut.</translation>
    </message>
    <message>
        <source>Cannot create file: %1: %2</source>
        <translation>Die Datei kann nicht erstellt werden: %1: %2</translation>
    </message>
</context>
<context>
    <name>DownloadQuestions</name>
    <message>
        <source>Download in Progress</source>
        <translation>Download läuft</translation>
    </message>
    <message>
        <source>The ISO is still downloading (%1).

Keep the part to continue it later, discard it, or keep downloading?</source>
        <translation>Die ISO wird noch heruntergeladen (%1).

Den Teil behalten, um ihn später fortzusetzen, ihn verwerfen oder weiter herunterladen?</translation>
    </message>
    <message>
        <source>Keep the Part</source>
        <translation>Teil behalten</translation>
    </message>
    <message>
        <source>Discard It</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Keep Downloading</source>
        <translation>Weiter herunterladen</translation>
    </message>
    <message>
        <source>Cancel Download</source>
        <translation>Download abbrechen</translation>
    </message>
    <message>
        <source>%1 of the ISO are downloaded.

Discard them, or pause and keep them to continue later?</source>
        <translation>%1 der ISO sind heruntergeladen.

Verwerfen oder anhalten und behalten, um später fortzufahren?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Continue Download</source>
        <translation>Download fortsetzen</translation>
    </message>
    <message>
        <source>An earlier download of this ISO left %1 in %2.

Continue where it stopped, or start over?</source>
        <translation>Ein früherer Download dieser ISO hat %1 in %2 hinterlassen.

Dort fortsetzen, wo er angehalten hat, oder neu beginnen?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Neu beginnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>EsdPlace</name>
    <message>
        <source>%1 has %2 free; the ESD and the media built from it need about %3.</source>
        <extracomment>%1 is a folder, %2 and %3 sizes.</extracomment>
        <translation>%1 hat %2 frei; die ESD-Datei und das daraus erstellte Medium brauchen etwa %3.</translation>
    </message>
</context>
<context>
    <name>ExistingFile</name>
    <message>
        <source>Already Downloaded</source>
        <translation>Bereits heruntergeladen</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Erneut herunterladen</translation>
    </message>
    <message>
        <source>Checking the file already there…</source>
        <translation>Die vorhandene Datei wird geprüft…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>%1 is already there, and its %2 matches the value Microsoft publishes:
%3

Keep it instead of downloading it again?</source>
        <extracomment>%1 is the file&apos;s path, %2 the digest&apos;s name (SHA-1, SHA-256), %3 its value.</extracomment>
        <translation>%1 ist bereits vorhanden, und ihr %2-Wert stimmt mit dem von Microsoft veröffentlichten Wert überein:
%3

Diese Datei behalten, statt sie erneut herunterzuladen?</translation>
    </message>
</context>
<context>
    <name>LinkExpiry</name>
    <message>
        <source>Link valid until %1</source>
        <extracomment>%1 is the local date and time.</extracomment>
        <translation>Link gültig bis %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Loading Microsoft download page...</source>
        <translation>Downloadseite wird geladen...</translation>
    </message>
    <message>
        <source>Extracting available editions...</source>
        <translation>Editionen werden gelesen...</translation>
    </message>
    <message>
        <source>Loading language options...</source>
        <translation>Sprachen werden geladen...</translation>
    </message>
    <message>
        <source>Extracting available languages...</source>
        <translation>Sprachen werden gelesen...</translation>
    </message>
    <message>
        <source>Submitting your selection...</source>
        <translation>Auswahl wird gesendet...</translation>
    </message>
    <message>
        <source>Extracting download links...</source>
        <translation>Links werden gelesen...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Download Windows 10/11 ISO from Microsoft&apos;s official website</source>
        <translation>Windows 10/11-ISO von der offiziellen Website von Microsoft herunterladen</translation>
    </message>
    <message>
        <source>Please select the Windows version you&apos;d like to download</source>
        <translation>Windows-Version zum Herunterladen auswählen</translation>
    </message>
    <message>
        <source>Download link:</source>
        <translation>Downloadlink:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Edition:</source>
        <translation>Edition:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Architecture:</source>
        <translation>Architektur:</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>The button that asks the page again; the failure boxes name it.</extracomment>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Free: make a bootable USB stick</source>
        <extracomment>A link to the maker&apos;s free USB stick tool, beside About.</extracomment>
        <translation>Gratis: bootfähiger USB-Stick</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>The button that saves the ISO (a verb); it reads Cancel while the file downloads.</extracomment>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Checking the part already downloaded… %1%</source>
        <extracomment>%1 is how much of the part is checked, in percent.</extracomment>
        <translation>Bereits heruntergeladener Teil wird geprüft… %1 %</translation>
    </message>
    <message>
        <source>Unsupported OS</source>
        <translation>Nicht unterstütztes Betriebssystem</translation>
    </message>
    <message>
        <source>This feature requires Windows 8.1 or higher.

Please upgrade your operating system.</source>
        <translation>Diese Funktion erfordert Windows 8.1 oder höher.

Bitte aktualisieren Sie Ihr Betriebssystem.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>choose Retry to load the download page again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>„Wiederholen“ wählen, um die Downloadseite erneut zu laden</translation>
    </message>
    <message>
        <source>choose Retry to ask for the edition&apos;s languages again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>„Wiederholen“ wählen, um die Sprachen der Edition erneut abzufragen</translation>
    </message>
    <message>
        <source>choose Retry to ask for the download links again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>„Wiederholen“ wählen, um die Downloadlinks erneut abzufragen</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>Request cancelled</source>
        <translation>Anfrage abgebrochen</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>%1 is the page&apos;s or the scraper&apos;s own message, in English.</extracomment>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>%1 %2

Detail: %3</source>
        <extracomment>What went wrong, what to do, then the scraper&apos;s own message in English.</extracomment>
        <translation>%1 %2

Details: %3</translation>
    </message>
    <message>
        <source>No Editions</source>
        <translation>Keine Editionen</translation>
    </message>
    <message>
        <source>No editions found. The page may require manual verification (CAPTCHA).</source>
        <translation>Keine Editionen gefunden. Die Seite verlangt möglicherweise eine manuelle Bestätigung (CAPTCHA).</translation>
    </message>
    <message>
        <source>No Languages</source>
        <translation>Keine Sprachen</translation>
    </message>
    <message>
        <source>No languages found.</source>
        <translation>Keine Sprachen gefunden.</translation>
    </message>
    <message>
        <source>No Links</source>
        <translation>Keine Links</translation>
    </message>
    <message>
        <source>No download links found.</source>
        <translation>Keine Downloadlinks gefunden.</translation>
    </message>
    <message>
        <source>Download link copied to clipboard!</source>
        <translation>Downloadlink in die Zwischenablage kopiert!</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>Download abgebrochen</translation>
    </message>
    <message>
        <source>The link has expired; getting a fresh one...</source>
        <translation>Der Link ist abgelaufen; ein neuer wird abgerufen...</translation>
    </message>
    <message>
        <source>The page no longer offers the %1 ISO; choose another architecture.</source>
        <translation>Die Seite bietet die %1-ISO nicht mehr an; wählen Sie eine andere Architektur.</translation>
    </message>
    <message>
        <source>No Selection</source>
        <translation>Keine Auswahl</translation>
    </message>
    <message>
        <source>Please select a download option.</source>
        <translation>Bitte wählen Sie eine Downloadoption aus.</translation>
    </message>
    <message>
        <source>Save ISO File</source>
        <translation>ISO-Datei speichern</translation>
    </message>
    <message>
        <source>ISO Files (*.iso)</source>
        <translation>ISO-Dateien (*.iso)</translation>
    </message>
    <message>
        <source>Kept the verified file already there: %1</source>
        <translation>Die bereits vorhandene, geprüfte Datei wurde behalten: %1</translation>
    </message>
    <message>
        <source>Check cancelled</source>
        <translation>Prüfung abgebrochen</translation>
    </message>
    <message>
        <source>Starting download...</source>
        <translation>Download wird gestartet...</translation>
    </message>
    <message>
        <source>%p%  ·  %1  ·  %2 left</source>
        <extracomment>Inside the progress bar: %p% is the percentage, %1 the speed, %2 the time left.</extracomment>
        <translation>%p%  ·  %1  ·  noch %2</translation>
    </message>
    <message>
        <source>Download complete: %1</source>
        <translation>Download abgeschlossen: %1</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Download abgeschlossen</translation>
    </message>
    <message>
        <source>The file has been downloaded successfully:
%1

%2</source>
        <translation>Die Datei wurde erfolgreich heruntergeladen:
%1

%2</translation>
    </message>
    <message>
        <source>The file server refused the download link, and a fresh one as well. Choose Retry to get another.</source>
        <translation>Der Dateiserver hat den Downloadlink abgelehnt, und einen neuen ebenfalls. Wählen Sie „Wiederholen“, um einen weiteren zu erhalten.</translation>
    </message>
    <message>
        <source>The link expired during the download; getting a fresh one to continue...</source>
        <translation>Der Link ist während des Downloads abgelaufen; ein neuer wird abgerufen, um fortzufahren...</translation>
    </message>
    <message>
        <source>Not verified: %1</source>
        <translation>Nicht überprüft: %1</translation>
    </message>
    <message>
        <source>Download Not Verified</source>
        <translation>Download nicht überprüft</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Download fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Downloadfehler</translation>
    </message>
    <message>
        <source>Failed to download:
%1</source>
        <translation>Download fehlgeschlagen:
%1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Paused with %1 downloaded; choose Resume to continue.</source>
        <translation>Angehalten bei %1; „Fortsetzen“ wählen, um weiterzumachen.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Bytes downloaded of the file&apos;s size: &quot;1.20 GB of 5.40 GB&quot;.</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Another download is writing %1. Wait for it to end, or choose another destination.</source>
        <translation>Ein anderer Download schreibt %1. Warten Sie, bis er endet, oder wählen Sie ein anderes Ziel.</translation>
    </message>
    <message>
        <source>Could not empty the earlier part %1.</source>
        <translation>Der frühere Teil %1 konnte nicht geleert werden.</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Download abgeschlossen</translation>
    </message>
    <message>
        <source>Loading Microsoft&apos;s product catalog...</source>
        <translation>Produktkatalog von Microsoft wird geladen...</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>Nicht genügend freier Speicherplatz</translation>
    </message>
    <message>
        <source>Not Enough Space</source>
        <translation>Nicht genügend Speicherplatz</translation>
    </message>
    <message>
        <source>%1

Free some space there, or choose another folder.</source>
        <translation>%1

Geben Sie dort Speicherplatz frei, oder wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>The ESD&apos;s %1 matches Microsoft&apos;s product catalog: %2</source>
        <translation>Der %1-Wert der ESD-Datei stimmt mit dem Produktkatalog von Microsoft überein: %2</translation>
    </message>
    <message>
        <source>Building the ISO...</source>
        <translation>ISO wird erstellt...</translation>
    </message>
    <message>
        <source>Building the ISO: %1</source>
        <translation>ISO wird erstellt: %1</translation>
    </message>
    <message>
        <source>Building the ISO cancelled</source>
        <translation>Erstellen der ISO abgebrochen</translation>
    </message>
    <message>
        <source>Building the ISO failed</source>
        <translation>Erstellen der ISO fehlgeschlagen</translation>
    </message>
    <message>
        <source>Building the ISO Failed</source>
        <translation>Erstellen der ISO fehlgeschlagen</translation>
    </message>
    <message>
        <source>Computing the ISO&apos;s SHA-256...</source>
        <translation>SHA-256-Wert der ISO wird berechnet...</translation>
    </message>
    <message>
        <source>ISO built: %1</source>
        <translation>ISO erstellt: %1</translation>
    </message>
    <message>
        <source>The ISO was built from Microsoft&apos;s installation files (ESD):
%1

%2

SHA-256 of the ISO: %3</source>
        <translation>Die ISO wurde aus den Installationsdateien von Microsoft (ESD) erstellt:
%1

%2

SHA-256-Wert der ISO: %3</translation>
    </message>
    <message>
        <source>ISO Built</source>
        <translation>ISO erstellt</translation>
    </message>
    <message>
        <source>The installation files&apos; name is taken</source>
        <translation>Der Name der Installationsdateien ist belegt</translation>
    </message>
    <message>
        <source>File Already There</source>
        <translation>Datei bereits vorhanden</translation>
    </message>
    <message>
        <source>%1 is already there and is not the ESD file of Microsoft&apos;s product catalog. The installation files are downloaded under that name, beside the ISO, and removed once it is built: move that file away, or choose another name for the ISO.</source>
        <translation>%1 ist bereits vorhanden und ist nicht die ESD-Datei aus dem Produktkatalog von Microsoft. Die Installationsdateien werden unter diesem Namen neben der ISO heruntergeladen und entfernt, sobald sie erstellt ist: Verschieben Sie diese Datei, oder wählen Sie einen anderen Namen für die ISO.</translation>
    </message>
</context>
<context>
    <name>PageFailure</name>
    <message>
        <source>Check the internet connection, then %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>Internetverbindung prüfen, dann %1.</translation>
    </message>
    <message>
        <source>In a while, %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>Etwas später %1.</translation>
    </message>
    <message>
        <source>Language Not Offered</source>
        <translation>Sprache nicht angeboten</translation>
    </message>
    <message>
        <source>The download page does not offer %1.</source>
        <extracomment>%1 is a language as the page names it.</extracomment>
        <translation>Die Downloadseite bietet %1 nicht an.</translation>
    </message>
    <message>
        <source>Choose one of the languages it lists.</source>
        <translation>Wählen Sie eine der aufgeführten Sprachen.</translation>
    </message>
    <message>
        <source>Wrong Language Offered</source>
        <translation>Falsche Sprache angeboten</translation>
    </message>
    <message>
        <source>The page offered links for %1, not %2.</source>
        <extracomment>%1 and %2 are languages as the page names them.</extracomment>
        <translation>Die Seite hat Links für %1 angeboten, nicht für %2.</translation>
    </message>
    <message>
        <source>Nothing was downloaded. </source>
        <translation>Es wurde nichts heruntergeladen. </translation>
    </message>
    <message>
        <source>Page Not Loaded</source>
        <translation>Seite nicht geladen</translation>
    </message>
    <message>
        <source>The download page could not be loaded.</source>
        <translation>Die Downloadseite konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Page Not Answering</source>
        <translation>Seite antwortet nicht</translation>
    </message>
    <message>
        <source>The download page did not answer in time.</source>
        <translation>Die Downloadseite hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>No Editions Offered</source>
        <translation>Keine Editionen angeboten</translation>
    </message>
    <message>
        <source>The download page offered no editions.</source>
        <translation>Die Downloadseite hat keine Editionen angeboten.</translation>
    </message>
    <message>
        <source>No Languages Offered</source>
        <translation>Keine Sprachen angeboten</translation>
    </message>
    <message>
        <source>The download page offered no languages for this edition.</source>
        <translation>Die Downloadseite hat für diese Edition keine Sprachen angeboten.</translation>
    </message>
    <message>
        <source>No Download Links</source>
        <translation>Keine Downloadlinks</translation>
    </message>
    <message>
        <source>The download page gave no download links for this choice.</source>
        <translation>Die Downloadseite hat für diese Auswahl keine Downloadlinks geliefert.</translation>
    </message>
    <message>
        <source>Link Leads Nowhere</source>
        <translation>Link führt ins Leere</translation>
    </message>
    <message>
        <source>The download page&apos;s link for this choice leads to no file.</source>
        <translation>Der Link der Downloadseite für diese Auswahl führt zu keiner Datei.</translation>
    </message>
    <message>
        <source>Link Leads to a Web Page</source>
        <translation>Link führt zu einer Webseite</translation>
    </message>
    <message>
        <source>Microsoft&apos;s link for this ISO leads to a web page, not to the file.</source>
        <translation>Der Link von Microsoft für diese ISO führt zu einer Webseite, nicht zur Datei.</translation>
    </message>
    <message>
        <source>Page Reported a Problem</source>
        <translation>Seite meldet ein Problem</translation>
    </message>
    <message>
        <source>The download page could not give a link for this choice.</source>
        <translation>Die Downloadseite konnte für diese Auswahl keinen Link liefern.</translation>
    </message>
    <message>
        <source>The %1 ISO is left out: %2</source>
        <extracomment>%1 is an architecture (x64, arm64), %2 why its link is of no use.</extracomment>
        <translation>Die %1-ISO wird ausgelassen: %2</translation>
    </message>
    <message>
        <source>%1

Such a block usually lasts about 24 hours for your internet address. A VPN, proxy or anonymiser often causes it; another network may work. Trying again at once makes the block last longer.</source>
        <extracomment>%1 is the message code and session id, one a line.</extracomment>
        <translation>%1

Eine solche Sperre gilt meist etwa 24 Stunden für Ihre Internetadresse. Häufig verursacht sie ein VPN, ein Proxy oder ein Anonymisierungsdienst; ein anderes Netzwerk kann funktionieren. Sofortige neue Versuche verlängern die Sperre.</translation>
    </message>
    <message>
        <source>Message code: %1
Session ID: %2</source>
        <translation>Meldungscode: %1
Sitzungs-ID: %2</translation>
    </message>
    <message>
        <source>(not given)</source>
        <translation>(nicht angegeben)</translation>
    </message>
</context>
<context>
    <name>ResultBoxes</name>
    <message>
        <source>Microsoft Refused the Request</source>
        <translation>Microsoft hat die Anfrage abgelehnt</translation>
    </message>
    <message>
        <source>Copy Code and Session ID</source>
        <translation>Code und Sitzungs-ID kopieren</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
    <message>
        <source>Build the ISO from Microsoft&apos;s installation files instead</source>
        <translation>Stattdessen die ISO aus den Installationsdateien von Microsoft erstellen</translation>
    </message>
</context>
<context>
    <name>SizeFormat</name>
    <message>
        <source>%1h %2m</source>
        <extracomment>Hours and minutes left.</extracomment>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1m %2s</source>
        <extracomment>Minutes and seconds left.</extracomment>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>Seconds left.</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Downloaded: %1 / %2 | Speed: %3 | ETA: %4</source>
        <extracomment>%1 of %2 downloaded, at the speed %3, for the time left %4.</extracomment>
        <translation>Geladen: %1 / %2 | Rate: %3 | Restzeit: %4</translation>
    </message>
    <message numerus="yes">
        <source> | %n connections</source>
        <extracomment>Joins the status line after the speed and the time left.</extracomment>
        <translation>
            <numerusform> | %n Verbindung</numerusform>
            <numerusform> | %n Verbindungen</numerusform>
        </translation>
    </message>
</context>
</TS>
