<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AboutBox</name>
    <message>
        <source>Travonix

Version %1.%2.%3.%4 (Build: %5)

Copyright © 2024-%6 Zamrel Software.
All rights reserved.</source>
        <extracomment>%1 to %4 are the four version numbers, %5 the build date, %6 its year.</extracomment>
        <translation>Travonix

Wersja %1.%2.%3.%4 (kompilacja: %5)

Copyright © 2024-%6 Zamrel Software.
Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <extracomment>%1 is the name of the language the window is in, in that language (&quot;Deutsch&quot;).</extracomment>
        <translation>Język: %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informacje</translation>
    </message>
</context>
<context>
    <name>CatalogChoices</name>
    <message>
        <source>Windows 11 (built from installation files)</source>
        <translation>Windows 11 (utworzony z plików instalacyjnych)</translation>
    </message>
    <message>
        <source>Windows 11 ARM64 (built from installation files)</source>
        <translation>Windows 11 ARM64 (utworzony z plików instalacyjnych)</translation>
    </message>
    <message>
        <source>Windows 10 (built from installation files)</source>
        <translation>Windows 10 (utworzony z plików instalacyjnych)</translation>
    </message>
    <message>
        <source>The product catalog lists no file for this product.</source>
        <translation>Katalog produktów nie zawiera żadnego pliku dla tego produktu.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog lists build %1, older than the current release %2 (build %3): it may be a stale copy; a later try may get the newer one.</source>
        <translation>Katalog produktów Microsoft zawiera kompilację %1, starszą niż bieżące wydanie %2 (kompilacja %3): może to być nieaktualna kopia; późniejsza próba może dać nowszą.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog names no build.</source>
        <translation>Katalog produktów Microsoft nie podaje kompilacji.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog, build %1</source>
        <translation>Katalog produktów Microsoft, kompilacja %1</translation>
    </message>
</context>
<context>
    <name>DigestVerdict</name>
    <message>
        <source>Microsoft publishes no SHA-256 for this file; its SHA-256 is %1</source>
        <translation>Microsoft nie publikuje skrótu SHA-256 dla tego pliku; jego SHA-256 to %1</translation>
    </message>
    <message>
        <source>Microsoft publishes no SHA-256 for this file, so it was not checked.</source>
        <translation>Microsoft nie publikuje skrótu SHA-256 dla tego pliku, więc nie został on sprawdzony.</translation>
    </message>
    <message>
        <source>Its SHA-256 matches the value Microsoft publishes:
%1</source>
        <translation>Jego SHA-256 zgadza się z wartością publikowaną przez Microsoft:
%1</translation>
    </message>
    <message>
        <source>Warning: its SHA-256 matches the value Microsoft publishes for &quot;%1&quot;, not the one for the language and architecture you chose:
%2</source>
        <extracomment>%1 is the row of the page&apos;s table of SHA-256 values, %2 the file&apos;s SHA-256.</extracomment>
        <translation>Ostrzeżenie: jego SHA-256 zgadza się z wartością, którą Microsoft publikuje dla „%1”, a nie z wartością dla wybranego języka i architektury:
%2</translation>
    </message>
    <message>
        <source>The downloaded file is not an ISO image: it lacks the length the server announced or the volume descriptors every ISO image begins with. It was not saved as %1, which is as it was.

Its SHA-256: %2

The downloaded bytes are kept in %3. Try the download again later.</source>
        <translation>Pobrany plik nie jest obrazem ISO: nie ma długości zapowiedzianej przez serwer albo deskryptorów woluminu, od których zaczyna się każdy obraz ISO. Nie został zapisany jako %1, który pozostał bez zmian.

Jego SHA-256: %2

Pobrane dane są zachowane w %3. Spróbuj pobrać ponownie później.</translation>
    </message>
    <message>
        <source>The downloaded file is the %1 one, not the %2 one you chose: its SHA-256 matches the value Microsoft publishes for &quot;%3&quot;. It was not saved as %4, which is as it was.

Downloaded: %5

The downloaded bytes are kept in %6.</source>
        <extracomment>%1 and %2 are languages, %3 the row of the page&apos;s table, %4 the file chosen, %5 a SHA-256, %6 a path.</extracomment>
        <translation>Pobrany plik jest plikiem dla języka %1, a nie wybranego języka %2: jego SHA-256 zgadza się z wartością, którą Microsoft publikuje dla „%3”. Nie został zapisany jako %4, który pozostał bez zmian.

Pobrano: %5

Pobrane dane są zachowane w %6.</translation>
    </message>
    <message>
        <source>(none listed for this language and architecture)</source>
        <translation>(brak dla tego języka i architektury)</translation>
    </message>
    <message>
        <source>The downloaded file does not match the SHA-256 that Microsoft publishes, so it was not saved as %1, which is as it was.

Published: %2
Downloaded: %3

The downloaded bytes are kept in %4.</source>
        <translation>Pobrany plik nie zgadza się ze skrótem SHA-256 publikowanym przez Microsoft, więc nie został zapisany jako %1, który pozostał bez zmian.

Opublikowano: %2
Pobrano: %3

Pobrane dane są zachowane w %4.</translation>
    </message>
    <message>
        <source>Its %1 matches the value of Microsoft&apos;s product catalog:
%2</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 its value.</extracomment>
        <translation>Jego %1 zgadza się z wartością z katalogu produktów Microsoft:
%2</translation>
    </message>
    <message>
        <source>The downloaded file does not match the %1 of Microsoft&apos;s product catalog, so it was not saved as %2, which is as it was.

Published: %3
Downloaded: %4

The downloaded bytes are kept in %5.</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 the file chosen, %3 and %4 digests, %5 a path.</extracomment>
        <translation>Pobrany plik nie zgadza się z wartością %1 z katalogu produktów Microsoft, więc nie został zapisany jako %2, który pozostał bez zmian.

Opublikowano: %3
Pobrano: %4

Pobrane dane są zachowane w %5.</translation>
    </message>
</context>
<context>
    <name>DownloadFailure</name>
    <message>
        <source>Not enough disk space for %1. Free some space and start the download again to continue where it stopped.</source>
        <translation>Za mało miejsca na dysku dla %1. Zwolnij miejsce i uruchom pobieranie ponownie, aby kontynuować od miejsca, w którym się zatrzymało.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>Nie można zapisać w %1: %2</translation>
    </message>
    <message>
        <source>Only %1 links can be downloaded, and this one is not: %2</source>
        <extracomment>%1 is the scheme allowed (https), %2 the link.</extracomment>
        <translation>Można pobierać tylko linki %1, a ten nim nie jest: %2</translation>
    </message>
    <message>
        <source>The file name %1 holds control characters, which no file should have; choose another name.</source>
        <translation>Nazwa pliku %1 zawiera znaki sterujące, których żaden plik nie powinien mieć; wybierz inną nazwę.</translation>
    </message>
    <message>
        <source>The downloaded data is gone: %1</source>
        <translation>Pobrane dane zniknęły: %1</translation>
    </message>
    <message>
        <source>Cannot move the download to %1: %2</source>
        <translation>Nie można przenieść pobranego pliku do %1: %2</translation>
    </message>
    <message>
        <source>The server keeps sending the wrong part of the file.</source>
        <translation>Serwer wciąż wysyła niewłaściwą część pliku.</translation>
    </message>
    <message>
        <source>Another download of this file is running, and %1 is in use by it. Let that one finish, or stop it and start again.</source>
        <translation>Trwa inne pobieranie tego pliku i używa ono %1. Poczekaj, aż się zakończy, albo je zatrzymaj i zacznij od nowa.</translation>
    </message>
    <message>
        <source>Cannot create file: %1: %2</source>
        <translation>Nie można utworzyć pliku: %1: %2</translation>
    </message>
</context>
<context>
    <name>DownloadQuestions</name>
    <message>
        <source>Download in Progress</source>
        <translation>Pobieranie w toku</translation>
    </message>
    <message>
        <source>The ISO is still downloading (%1).

Keep the part to continue it later, discard it, or keep downloading?</source>
        <translation>Obraz ISO jest nadal pobierany (%1).

Zachować pobraną część, aby dokończyć później, odrzucić ją, czy pobierać dalej?</translation>
    </message>
    <message>
        <source>Keep the Part</source>
        <translation>Zachowaj część</translation>
    </message>
    <message>
        <source>Discard It</source>
        <translation>Odrzuć ją</translation>
    </message>
    <message>
        <source>Keep Downloading</source>
        <translation>Pobieraj dalej</translation>
    </message>
    <message>
        <source>Cancel Download</source>
        <translation>Anuluj pobieranie</translation>
    </message>
    <message>
        <source>%1 of the ISO are downloaded.

Discard them, or pause and keep them to continue later?</source>
        <translation>Pobrano %1 obrazu ISO.

Odrzucić pobrane dane, czy wstrzymać i zachować je, aby dokończyć później?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odrzuć</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Continue Download</source>
        <translation>Kontynuuj pobieranie</translation>
    </message>
    <message>
        <source>An earlier download of this ISO left %1 in %2.

Continue where it stopped, or start over?</source>
        <translation>Wcześniejsze pobieranie tego obrazu ISO pozostawiło %1 w %2.

Kontynuować od miejsca zatrzymania, czy zacząć od nowa?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Kontynuuj</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Zacznij od nowa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>EsdPlace</name>
    <message>
        <source>%1 has %2 free; the ESD and the media built from it need about %3.</source>
        <extracomment>%1 is a folder, %2 and %3 sizes.</extracomment>
        <translation>%1 ma %2 wolnego miejsca; plik ESD i utworzony z niego nośnik potrzebują około %3.</translation>
    </message>
</context>
<context>
    <name>ExistingFile</name>
    <message>
        <source>Already Downloaded</source>
        <translation>Już pobrano</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Zachowaj</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Pobierz ponownie</translation>
    </message>
    <message>
        <source>Checking the file already there…</source>
        <translation>Sprawdzanie istniejącego pliku…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Sprawdzanie</translation>
    </message>
    <message>
        <source>%1 is already there, and its %2 matches the value Microsoft publishes:
%3

Keep it instead of downloading it again?</source>
        <extracomment>%1 is the file&apos;s path, %2 the digest&apos;s name (SHA-1, SHA-256), %3 its value.</extracomment>
        <translation>%1 już istnieje, a jego %2 zgadza się z wartością publikowaną przez Microsoft:
%3

Zachować go zamiast pobierać ponownie?</translation>
    </message>
</context>
<context>
    <name>LinkExpiry</name>
    <message>
        <source>Link valid until %1</source>
        <extracomment>%1 is the local date and time.</extracomment>
        <translation>Link ważny do %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Loading Microsoft download page...</source>
        <translation>Wczytywanie strony Microsoft...</translation>
    </message>
    <message>
        <source>Extracting available editions...</source>
        <translation>Odczyt edycji...</translation>
    </message>
    <message>
        <source>Loading language options...</source>
        <translation>Wczytywanie języków...</translation>
    </message>
    <message>
        <source>Extracting available languages...</source>
        <translation>Odczyt języków...</translation>
    </message>
    <message>
        <source>Submitting your selection...</source>
        <translation>Wysyłanie wyboru...</translation>
    </message>
    <message>
        <source>Extracting download links...</source>
        <translation>Odczyt linków...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Download Windows 10/11 ISO from Microsoft&apos;s official website</source>
        <translation>Pobierz obraz ISO systemu Windows 10/11 z oficjalnej witryny Microsoft</translation>
    </message>
    <message>
        <source>Please select the Windows version you&apos;d like to download</source>
        <translation>Wybierz wersję systemu Windows, którą chcesz pobrać</translation>
    </message>
    <message>
        <source>Download link:</source>
        <translation>Link do pobrania:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Wersja:</translation>
    </message>
    <message>
        <source>Edition:</source>
        <translation>Edycja:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Język:</translation>
    </message>
    <message>
        <source>Architecture:</source>
        <translation>Architektura:</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Kopiuj link</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>The button that asks the page again; the failure boxes name it.</extracomment>
        <translation>Ponów próbę</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Free: make a bootable USB stick</source>
        <extracomment>A link to the maker&apos;s free USB stick tool, beside About.</extracomment>
        <translation>Gratis: pendrive rozruchowy</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>The button that saves the ISO (a verb); it reads Cancel while the file downloads.</extracomment>
        <translation>Pobierz</translation>
    </message>
    <message>
        <source>Checking the part already downloaded… %1%</source>
        <extracomment>%1 is how much of the part is checked, in percent.</extracomment>
        <translation>Sprawdzanie już pobranej części… %1%</translation>
    </message>
    <message>
        <source>Unsupported OS</source>
        <translation>Nieobsługiwany system operacyjny</translation>
    </message>
    <message>
        <source>This feature requires Windows 8.1 or higher.

Please upgrade your operating system.</source>
        <translation>Ta funkcja wymaga systemu Windows 8.1 lub nowszego.

Zaktualizuj system operacyjny.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wczytywanie...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>choose Retry to load the download page again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>wybierz Ponów próbę, aby ponownie wczytać stronę pobierania</translation>
    </message>
    <message>
        <source>choose Retry to ask for the edition&apos;s languages again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>wybierz Ponów próbę, aby ponownie pobrać języki edycji</translation>
    </message>
    <message>
        <source>choose Retry to ask for the download links again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>wybierz Ponów próbę, aby ponownie pobrać linki do pobrania</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Czekaj...</translation>
    </message>
    <message>
        <source>Request cancelled</source>
        <translation>Żądanie anulowane</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>%1 is the page&apos;s or the scraper&apos;s own message, in English.</extracomment>
        <translation>Błąd: %1</translation>
    </message>
    <message>
        <source>%1 %2

Detail: %3</source>
        <extracomment>What went wrong, what to do, then the scraper&apos;s own message in English.</extracomment>
        <translation>%1 %2

Szczegóły: %3</translation>
    </message>
    <message>
        <source>No Editions</source>
        <translation>Brak edycji</translation>
    </message>
    <message>
        <source>No editions found. The page may require manual verification (CAPTCHA).</source>
        <translation>Nie znaleziono edycji. Strona może wymagać ręcznej weryfikacji (CAPTCHA).</translation>
    </message>
    <message>
        <source>No Languages</source>
        <translation>Brak języków</translation>
    </message>
    <message>
        <source>No languages found.</source>
        <translation>Nie znaleziono języków.</translation>
    </message>
    <message>
        <source>No Links</source>
        <translation>Brak linków</translation>
    </message>
    <message>
        <source>No download links found.</source>
        <translation>Nie znaleziono linków do pobrania.</translation>
    </message>
    <message>
        <source>Download link copied to clipboard!</source>
        <translation>Link do pobrania skopiowano do Schowka!</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>Pobieranie anulowane</translation>
    </message>
    <message>
        <source>The link has expired; getting a fresh one...</source>
        <translation>Link wygasł; pobieranie nowego...</translation>
    </message>
    <message>
        <source>The page no longer offers the %1 ISO; choose another architecture.</source>
        <translation>Strona nie oferuje już obrazu ISO %1; wybierz inną architekturę.</translation>
    </message>
    <message>
        <source>No Selection</source>
        <translation>Brak wyboru</translation>
    </message>
    <message>
        <source>Please select a download option.</source>
        <translation>Wybierz opcję pobierania.</translation>
    </message>
    <message>
        <source>Save ISO File</source>
        <translation>Zapisz plik ISO</translation>
    </message>
    <message>
        <source>ISO Files (*.iso)</source>
        <translation>Pliki ISO (*.iso)</translation>
    </message>
    <message>
        <source>Kept the verified file already there: %1</source>
        <translation>Zachowano istniejący, zweryfikowany plik: %1</translation>
    </message>
    <message>
        <source>Check cancelled</source>
        <translation>Sprawdzanie anulowane</translation>
    </message>
    <message>
        <source>Starting download...</source>
        <translation>Rozpoczynanie pobierania...</translation>
    </message>
    <message>
        <source>%p%  ·  %1  ·  %2 left</source>
        <extracomment>Inside the progress bar: %p% is the percentage, %1 the speed, %2 the time left.</extracomment>
        <translation>%p%  ·  %1  ·  pozostało %2</translation>
    </message>
    <message>
        <source>Download complete: %1</source>
        <translation>Pobieranie zakończone: %1</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Pobieranie zakończone</translation>
    </message>
    <message>
        <source>The file has been downloaded successfully:
%1

%2</source>
        <translation>Plik został pomyślnie pobrany:
%1

%2</translation>
    </message>
    <message>
        <source>The file server refused the download link, and a fresh one as well. Choose Retry to get another.</source>
        <translation>Serwer plików odrzucił link do pobrania, a także nowy. Wybierz Ponów próbę, aby uzyskać kolejny.</translation>
    </message>
    <message>
        <source>The link expired during the download; getting a fresh one to continue...</source>
        <translation>Link wygasł podczas pobierania; pobieranie nowego, aby kontynuować...</translation>
    </message>
    <message>
        <source>Not verified: %1</source>
        <translation>Niezweryfikowany: %1</translation>
    </message>
    <message>
        <source>Download Not Verified</source>
        <translation>Pobieranie niezweryfikowane</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Pobieranie nie powiodło się: %1</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Błąd pobierania</translation>
    </message>
    <message>
        <source>Failed to download:
%1</source>
        <translation>Nie udało się pobrać:
%1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Paused with %1 downloaded; choose Resume to continue.</source>
        <translation>Wstrzymano po pobraniu %1; wybierz Wznów, aby kontynuować.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Bytes downloaded of the file&apos;s size: &quot;1.20 GB of 5.40 GB&quot;.</extracomment>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>Another download is writing %1. Wait for it to end, or choose another destination.</source>
        <translation>Inne pobieranie zapisuje %1. Poczekaj, aż się zakończy, albo wybierz inne miejsce docelowe.</translation>
    </message>
    <message>
        <source>Could not empty the earlier part %1.</source>
        <translation>Nie można opróżnić wcześniejszej części %1.</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Pobieranie zakończone</translation>
    </message>
    <message>
        <source>Loading Microsoft&apos;s product catalog...</source>
        <translation>Wczytywanie katalogu...</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>Za mało wolnego miejsca</translation>
    </message>
    <message>
        <source>Not Enough Space</source>
        <translation>Za mało miejsca</translation>
    </message>
    <message>
        <source>%1

Free some space there, or choose another folder.</source>
        <translation>%1

Zwolnij tam miejsce albo wybierz inny folder.</translation>
    </message>
    <message>
        <source>The ESD&apos;s %1 matches Microsoft&apos;s product catalog: %2</source>
        <translation>Wartość %1 pliku ESD zgadza się z katalogiem produktów Microsoft: %2</translation>
    </message>
    <message>
        <source>Building the ISO...</source>
        <translation>Tworzenie obrazu ISO...</translation>
    </message>
    <message>
        <source>Building the ISO: %1</source>
        <translation>Tworzenie obrazu ISO: %1</translation>
    </message>
    <message>
        <source>Building the ISO cancelled</source>
        <translation>Tworzenie obrazu ISO anulowane</translation>
    </message>
    <message>
        <source>Building the ISO failed</source>
        <translation>Tworzenie obrazu ISO nie powiodło się</translation>
    </message>
    <message>
        <source>Building the ISO Failed</source>
        <translation>Tworzenie obrazu ISO nie powiodło się</translation>
    </message>
    <message>
        <source>Computing the ISO&apos;s SHA-256...</source>
        <translation>Obliczanie SHA-256 obrazu ISO...</translation>
    </message>
    <message>
        <source>ISO built: %1</source>
        <translation>Utworzono obraz ISO: %1</translation>
    </message>
    <message>
        <source>The ISO was built from Microsoft&apos;s installation files (ESD):
%1

%2

SHA-256 of the ISO: %3</source>
        <translation>Obraz ISO został utworzony z plików instalacyjnych Microsoft (ESD):
%1

%2

SHA-256 obrazu ISO: %3</translation>
    </message>
    <message>
        <source>ISO Built</source>
        <translation>Utworzono obraz ISO</translation>
    </message>
    <message>
        <source>The installation files&apos; name is taken</source>
        <translation>Nazwa plików instalacyjnych jest zajęta</translation>
    </message>
    <message>
        <source>File Already There</source>
        <translation>Plik już istnieje</translation>
    </message>
    <message>
        <source>%1 is already there and is not the ESD file of Microsoft&apos;s product catalog. The installation files are downloaded under that name, beside the ISO, and removed once it is built: move that file away, or choose another name for the ISO.</source>
        <translation>%1 już istnieje i nie jest plikiem ESD z katalogu produktów Microsoft. Pliki instalacyjne są pobierane pod tą nazwą obok obrazu ISO i usuwane po jego utworzeniu: przenieś ten plik w inne miejsce albo wybierz inną nazwę obrazu ISO.</translation>
    </message>
</context>
<context>
    <name>PageFailure</name>
    <message>
        <source>Check the internet connection, then %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>Sprawdź połączenie z Internetem, a następnie %1.</translation>
    </message>
    <message>
        <source>In a while, %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>Za chwilę %1.</translation>
    </message>
    <message>
        <source>Language Not Offered</source>
        <translation>Język niedostępny</translation>
    </message>
    <message>
        <source>The download page does not offer %1.</source>
        <extracomment>%1 is a language as the page names it.</extracomment>
        <translation>Strona pobierania nie oferuje języka %1.</translation>
    </message>
    <message>
        <source>Choose one of the languages it lists.</source>
        <translation>Wybierz jeden z wymienionych języków.</translation>
    </message>
    <message>
        <source>Wrong Language Offered</source>
        <translation>Zły język</translation>
    </message>
    <message>
        <source>The page offered links for %1, not %2.</source>
        <extracomment>%1 and %2 are languages as the page names them.</extracomment>
        <translation>Strona podała linki dla języka %1, a nie %2.</translation>
    </message>
    <message>
        <source>Nothing was downloaded. </source>
        <translation>Nic nie zostało pobrane. </translation>
    </message>
    <message>
        <source>Page Not Loaded</source>
        <translation>Strona niewczytana</translation>
    </message>
    <message>
        <source>The download page could not be loaded.</source>
        <translation>Nie można wczytać strony pobierania.</translation>
    </message>
    <message>
        <source>Page Not Answering</source>
        <translation>Strona nie odpowiada</translation>
    </message>
    <message>
        <source>The download page did not answer in time.</source>
        <translation>Strona pobierania nie odpowiedziała na czas.</translation>
    </message>
    <message>
        <source>No Editions Offered</source>
        <translation>Brak edycji na stronie</translation>
    </message>
    <message>
        <source>The download page offered no editions.</source>
        <translation>Strona pobierania nie zaoferowała żadnej edycji.</translation>
    </message>
    <message>
        <source>No Languages Offered</source>
        <translation>Brak języków na stronie</translation>
    </message>
    <message>
        <source>The download page offered no languages for this edition.</source>
        <translation>Strona pobierania nie zaoferowała żadnego języka dla tej edycji.</translation>
    </message>
    <message>
        <source>No Download Links</source>
        <translation>Brak linków do pobrania</translation>
    </message>
    <message>
        <source>The download page gave no download links for this choice.</source>
        <translation>Strona pobierania nie podała linków do pobrania dla tego wyboru.</translation>
    </message>
    <message>
        <source>Link Leads Nowhere</source>
        <translation>Link prowadzi donikąd</translation>
    </message>
    <message>
        <source>The download page&apos;s link for this choice leads to no file.</source>
        <translation>Link strony pobierania dla tego wyboru nie prowadzi do żadnego pliku.</translation>
    </message>
    <message>
        <source>Link Leads to a Web Page</source>
        <translation>Link prowadzi do strony internetowej</translation>
    </message>
    <message>
        <source>Microsoft&apos;s link for this ISO leads to a web page, not to the file.</source>
        <translation>Link Microsoft do tego obrazu ISO prowadzi do strony internetowej, a nie do pliku.</translation>
    </message>
    <message>
        <source>Page Reported a Problem</source>
        <translation>Strona zgłosiła problem</translation>
    </message>
    <message>
        <source>The download page could not give a link for this choice.</source>
        <translation>Strona pobierania nie mogła podać linku dla tego wyboru.</translation>
    </message>
    <message>
        <source>The %1 ISO is left out: %2</source>
        <extracomment>%1 is an architecture (x64, arm64), %2 why its link is of no use.</extracomment>
        <translation>Obraz ISO %1 pominięto: %2</translation>
    </message>
    <message>
        <source>%1

Such a block usually lasts about 24 hours for your internet address. A VPN, proxy or anonymiser often causes it; another network may work. Trying again at once makes the block last longer.</source>
        <extracomment>%1 is the message code and session id, one a line.</extracomment>
        <translation>%1

Taka blokada zwykle trwa około 24 godzin dla Twojego adresu internetowego. Często powoduje ją VPN, serwer proxy lub usługa anonimizująca; inna sieć może zadziałać. Ponawianie próby od razu wydłuża blokadę.</translation>
    </message>
    <message>
        <source>Message code: %1
Session ID: %2</source>
        <translation>Kod komunikatu: %1
Identyfikator sesji: %2</translation>
    </message>
    <message>
        <source>(not given)</source>
        <translation>(nie podano)</translation>
    </message>
</context>
<context>
    <name>ResultBoxes</name>
    <message>
        <source>Microsoft Refused the Request</source>
        <translation>Microsoft odrzucił żądanie</translation>
    </message>
    <message>
        <source>Copy Code and Session ID</source>
        <translation>Kopiuj kod i identyfikator sesji</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Pokaż w folderze</translation>
    </message>
    <message>
        <source>Build the ISO from Microsoft&apos;s installation files instead</source>
        <translation>Zamiast tego utwórz obraz ISO z plików instalacyjnych Microsoft</translation>
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
        <translation>Pobrano: %1 / %2 | Szybkość: %3 | Pozostało: %4</translation>
    </message>
    <message numerus="yes">
        <source> | %n connections</source>
        <extracomment>Joins the status line after the speed and the time left.</extracomment>
        <translation>
            <numerusform> | %n połączenie</numerusform>
            <numerusform> | %n połączenia</numerusform>
            <numerusform> | %n połączeń</numerusform>
        </translation>
    </message>
</context>
</TS>
