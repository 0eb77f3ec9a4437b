<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AboutBox</name>
    <message>
        <source>Travonix

Version %1.%2.%3.%4 (Build: %5)

Copyright © 2024-%6 Zamrel Software.
All rights reserved.</source>
        <extracomment>%1 to %4 are the four version numbers, %5 the build date, %6 its year.</extracomment>
        <translation>Travonix

Versie %1.%2.%3.%4 (build: %5)

Copyright © 2024-%6 Zamrel Software.
Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <extracomment>%1 is the name of the language the window is in, in that language (&quot;Deutsch&quot;).</extracomment>
        <translation>Taal: %1</translation>
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
        <translation>Windows 11 (gemaakt van installatiebestanden)</translation>
    </message>
    <message>
        <source>Windows 11 ARM64 (built from installation files)</source>
        <translation>Windows 11 ARM64 (gemaakt van installatiebestanden)</translation>
    </message>
    <message>
        <source>Windows 10 (built from installation files)</source>
        <translation>Windows 10 (gemaakt van installatiebestanden)</translation>
    </message>
    <message>
        <source>The product catalog lists no file for this product.</source>
        <translation>De productcatalogus vermeldt geen bestand voor dit product.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog lists build %1, older than the current release %2 (build %3): it may be a stale copy; a later try may get the newer one.</source>
        <translation>De productcatalogus van Microsoft vermeldt build %1, ouder dan de huidige release %2 (build %3): het is mogelijk een verouderde kopie; een latere poging krijgt misschien de nieuwere.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog names no build.</source>
        <translation>De productcatalogus van Microsoft noemt geen build.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog, build %1</source>
        <translation>Productcatalogus van Microsoft, build %1</translation>
    </message>
</context>
<context>
    <name>DigestVerdict</name>
    <message>
        <source>Microsoft publishes no SHA-256 for this file; its SHA-256 is %1</source>
        <translation>Microsoft publiceert geen SHA-256 voor dit bestand; de SHA-256 ervan is %1</translation>
    </message>
    <message>
        <source>Microsoft publishes no SHA-256 for this file, so it was not checked.</source>
        <translation>Microsoft publiceert geen SHA-256 voor dit bestand, dus het is niet gecontroleerd.</translation>
    </message>
    <message>
        <source>Its SHA-256 matches the value Microsoft publishes:
%1</source>
        <translation>De SHA-256 ervan komt overeen met de waarde die Microsoft publiceert:
%1</translation>
    </message>
    <message>
        <source>Warning: its SHA-256 matches the value Microsoft publishes for &quot;%1&quot;, not the one for the language and architecture you chose:
%2</source>
        <extracomment>%1 is the row of the page&apos;s table of SHA-256 values, %2 the file&apos;s SHA-256.</extracomment>
        <translation>Waarschuwing: de SHA-256 ervan komt overeen met de waarde die Microsoft publiceert voor &quot;%1&quot;, niet met die voor de taal en architectuur die u hebt gekozen:
%2</translation>
    </message>
    <message>
        <source>The downloaded file is not an ISO image: it lacks the length the server announced or the volume descriptors every ISO image begins with. It was not saved as %1, which is as it was.

Its SHA-256: %2

The downloaded bytes are kept in %3. Try the download again later.</source>
        <translation>Het gedownloade bestand is geen ISO-image: het heeft niet de lengte die de server aankondigde of de volumedescriptors waarmee elke ISO-image begint. Het is niet opgeslagen als %1, dat ongewijzigd is gebleven.

De SHA-256 ervan: %2

De gedownloade gegevens zijn bewaard in %3. Probeer de download later opnieuw.</translation>
    </message>
    <message>
        <source>The downloaded file is the %1 one, not the %2 one you chose: its SHA-256 matches the value Microsoft publishes for &quot;%3&quot;. It was not saved as %4, which is as it was.

Downloaded: %5

The downloaded bytes are kept in %6.</source>
        <extracomment>%1 and %2 are languages, %3 the row of the page&apos;s table, %4 the file chosen, %5 a SHA-256, %6 a path.</extracomment>
        <translation>Het gedownloade bestand is dat voor %1, niet dat voor %2 dat u hebt gekozen: de SHA-256 ervan komt overeen met de waarde die Microsoft publiceert voor &quot;%3&quot;. Het is niet opgeslagen als %4, dat ongewijzigd is gebleven.

Gedownload: %5

De gedownloade gegevens zijn bewaard in %6.</translation>
    </message>
    <message>
        <source>(none listed for this language and architecture)</source>
        <translation>(geen vermeld voor deze taal en architectuur)</translation>
    </message>
    <message>
        <source>The downloaded file does not match the SHA-256 that Microsoft publishes, so it was not saved as %1, which is as it was.

Published: %2
Downloaded: %3

The downloaded bytes are kept in %4.</source>
        <translation>Het gedownloade bestand komt niet overeen met de SHA-256 die Microsoft publiceert, dus het is niet opgeslagen als %1, dat ongewijzigd is gebleven.

Gepubliceerd: %2
Gedownload: %3

De gedownloade gegevens zijn bewaard in %4.</translation>
    </message>
    <message>
        <source>Its %1 matches the value of Microsoft&apos;s product catalog:
%2</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 its value.</extracomment>
        <translation>De %1 ervan komt overeen met de waarde in de productcatalogus van Microsoft:
%2</translation>
    </message>
    <message>
        <source>The downloaded file does not match the %1 of Microsoft&apos;s product catalog, so it was not saved as %2, which is as it was.

Published: %3
Downloaded: %4

The downloaded bytes are kept in %5.</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 the file chosen, %3 and %4 digests, %5 a path.</extracomment>
        <translation>Het gedownloade bestand komt niet overeen met de %1 in de productcatalogus van Microsoft, dus het is niet opgeslagen als %2, dat ongewijzigd is gebleven.

Gepubliceerd: %3
Gedownload: %4

De gedownloade gegevens zijn bewaard in %5.</translation>
    </message>
</context>
<context>
    <name>DownloadFailure</name>
    <message>
        <source>Not enough disk space for %1. Free some space and start the download again to continue where it stopped.</source>
        <translation>Onvoldoende schijfruimte voor %1. Maak ruimte vrij en start de download opnieuw om verder te gaan waar hij stopte.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>Kan niet schrijven naar %1: %2</translation>
    </message>
    <message>
        <source>Only %1 links can be downloaded, and this one is not: %2</source>
        <extracomment>%1 is the scheme allowed (https), %2 the link.</extracomment>
        <translation>Alleen %1-koppelingen kunnen worden gedownload, en deze is dat niet: %2</translation>
    </message>
    <message>
        <source>The file name %1 holds control characters, which no file should have; choose another name.</source>
        <translation>De bestandsnaam %1 bevat besturingstekens, die geen enkel bestand zou moeten hebben; kies een andere naam.</translation>
    </message>
    <message>
        <source>The downloaded data is gone: %1</source>
        <translation>De gedownloade gegevens zijn verdwenen: %1</translation>
    </message>
    <message>
        <source>Cannot move the download to %1: %2</source>
        <translation>Kan de download niet verplaatsen naar %1: %2</translation>
    </message>
    <message>
        <source>The server keeps sending the wrong part of the file.</source>
        <translation>De server blijft het verkeerde deel van het bestand sturen.</translation>
    </message>
    <message>
        <source>Another download of this file is running, and %1 is in use by it. Let that one finish, or stop it and start again.</source>
        <translation>Er loopt een andere download van dit bestand, en %1 wordt daardoor gebruikt. Laat die afronden, of stop die en begin opnieuw.</translation>
    </message>
    <message>
        <source>Cannot create file: %1: %2</source>
        <translation>Kan bestand niet maken: %1: %2</translation>
    </message>
</context>
<context>
    <name>DownloadQuestions</name>
    <message>
        <source>Download in Progress</source>
        <translation>Download bezig</translation>
    </message>
    <message>
        <source>The ISO is still downloading (%1).

Keep the part to continue it later, discard it, or keep downloading?</source>
        <translation>De ISO wordt nog gedownload (%1).

Het deel bewaren om later verder te gaan, het verwijderen of doorgaan met downloaden?</translation>
    </message>
    <message>
        <source>Keep the Part</source>
        <translation>Deel bewaren</translation>
    </message>
    <message>
        <source>Discard It</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Keep Downloading</source>
        <translation>Doorgaan met downloaden</translation>
    </message>
    <message>
        <source>Cancel Download</source>
        <translation>Download annuleren</translation>
    </message>
    <message>
        <source>%1 of the ISO are downloaded.

Discard them, or pause and keep them to continue later?</source>
        <translation>%1 van de ISO is gedownload.

Verwijderen, of onderbreken en bewaren om later verder te gaan?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Onderbreken</translation>
    </message>
    <message>
        <source>Continue Download</source>
        <translation>Download hervatten</translation>
    </message>
    <message>
        <source>An earlier download of this ISO left %1 in %2.

Continue where it stopped, or start over?</source>
        <translation>Een eerdere download van deze ISO heeft %1 achtergelaten in %2.

Verdergaan waar hij stopte, of opnieuw beginnen?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Opnieuw beginnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>EsdPlace</name>
    <message>
        <source>%1 has %2 free; the ESD and the media built from it need about %3.</source>
        <extracomment>%1 is a folder, %2 and %3 sizes.</extracomment>
        <translation>%1 heeft %2 vrij; het ESD-bestand en het medium dat ervan wordt gemaakt, hebben ongeveer %3 nodig.</translation>
    </message>
</context>
<context>
    <name>ExistingFile</name>
    <message>
        <source>Already Downloaded</source>
        <translation>Al gedownload</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Behouden</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Opnieuw downloaden</translation>
    </message>
    <message>
        <source>Checking the file already there…</source>
        <translation>Het bestaande bestand wordt gecontroleerd…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Controleren</translation>
    </message>
    <message>
        <source>%1 is already there, and its %2 matches the value Microsoft publishes:
%3

Keep it instead of downloading it again?</source>
        <extracomment>%1 is the file&apos;s path, %2 the digest&apos;s name (SHA-1, SHA-256), %3 its value.</extracomment>
        <translation>%1 bestaat al, en de %2 ervan komt overeen met de waarde die Microsoft publiceert:
%3

Dit bestand behouden in plaats van het opnieuw te downloaden?</translation>
    </message>
</context>
<context>
    <name>LinkExpiry</name>
    <message>
        <source>Link valid until %1</source>
        <extracomment>%1 is the local date and time.</extracomment>
        <translation>Koppeling geldig tot %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Loading Microsoft download page...</source>
        <translation>Downloadpagina laden...</translation>
    </message>
    <message>
        <source>Extracting available editions...</source>
        <translation>Beschikbare edities ophalen...</translation>
    </message>
    <message>
        <source>Loading language options...</source>
        <translation>Taalopties laden...</translation>
    </message>
    <message>
        <source>Extracting available languages...</source>
        <translation>Beschikbare talen ophalen...</translation>
    </message>
    <message>
        <source>Submitting your selection...</source>
        <translation>Uw selectie verzenden...</translation>
    </message>
    <message>
        <source>Extracting download links...</source>
        <translation>Koppelingen ophalen...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Download Windows 10/11 ISO from Microsoft&apos;s official website</source>
        <translation>Download de ISO van Windows 10/11 van de officiële website van Microsoft</translation>
    </message>
    <message>
        <source>Please select the Windows version you&apos;d like to download</source>
        <translation>Selecteer de Windows-versie die u wilt downloaden</translation>
    </message>
    <message>
        <source>Download link:</source>
        <translation>Downloadkoppeling:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versie:</translation>
    </message>
    <message>
        <source>Edition:</source>
        <translation>Editie:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Taal:</translation>
    </message>
    <message>
        <source>Architecture:</source>
        <translation>Architectuur:</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Koppeling kopiëren</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>The button that asks the page again; the failure boxes name it.</extracomment>
        <translation>Opnieuw proberen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Free: make a bootable USB stick</source>
        <extracomment>A link to the maker&apos;s free USB stick tool, beside About.</extracomment>
        <translation>Gratis: opstartbare USB</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>The button that saves the ISO (a verb); it reads Cancel while the file downloads.</extracomment>
        <translation>Downloaden</translation>
    </message>
    <message>
        <source>Checking the part already downloaded… %1%</source>
        <extracomment>%1 is how much of the part is checked, in percent.</extracomment>
        <translation>Het al gedownloade deel wordt gecontroleerd… %1%</translation>
    </message>
    <message>
        <source>Unsupported OS</source>
        <translation>Niet-ondersteund besturingssysteem</translation>
    </message>
    <message>
        <source>This feature requires Windows 8.1 or higher.

Please upgrade your operating system.</source>
        <translation>Voor deze functie is Windows 8.1 of hoger vereist.

Upgrade uw besturingssysteem.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Laden...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>choose Retry to load the download page again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>kies Opnieuw proberen om de downloadpagina opnieuw te laden</translation>
    </message>
    <message>
        <source>choose Retry to ask for the edition&apos;s languages again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>kies Opnieuw proberen om de talen van de editie opnieuw op te vragen</translation>
    </message>
    <message>
        <source>choose Retry to ask for the download links again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>kies Opnieuw proberen om de downloadkoppelingen opnieuw op te vragen</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Laden, even geduld...</translation>
    </message>
    <message>
        <source>Request cancelled</source>
        <translation>Aanvraag geannuleerd</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>%1 is the page&apos;s or the scraper&apos;s own message, in English.</extracomment>
        <translation>Fout: %1</translation>
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
        <translation>Geen edities</translation>
    </message>
    <message>
        <source>No editions found. The page may require manual verification (CAPTCHA).</source>
        <translation>Geen edities gevonden. De pagina vraagt mogelijk om handmatige verificatie (CAPTCHA).</translation>
    </message>
    <message>
        <source>No Languages</source>
        <translation>Geen talen</translation>
    </message>
    <message>
        <source>No languages found.</source>
        <translation>Geen talen gevonden.</translation>
    </message>
    <message>
        <source>No Links</source>
        <translation>Geen koppelingen</translation>
    </message>
    <message>
        <source>No download links found.</source>
        <translation>Geen downloadkoppelingen gevonden.</translation>
    </message>
    <message>
        <source>Download link copied to clipboard!</source>
        <translation>Downloadkoppeling gekopieerd naar het Klembord!</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>Download geannuleerd</translation>
    </message>
    <message>
        <source>The link has expired; getting a fresh one...</source>
        <translation>De koppeling is verlopen; een nieuwe wordt opgehaald...</translation>
    </message>
    <message>
        <source>The page no longer offers the %1 ISO; choose another architecture.</source>
        <translation>De pagina biedt de %1-ISO niet meer aan; kies een andere architectuur.</translation>
    </message>
    <message>
        <source>No Selection</source>
        <translation>Geen selectie</translation>
    </message>
    <message>
        <source>Please select a download option.</source>
        <translation>Selecteer een downloadoptie.</translation>
    </message>
    <message>
        <source>Save ISO File</source>
        <translation>ISO-bestand opslaan</translation>
    </message>
    <message>
        <source>ISO Files (*.iso)</source>
        <translation>ISO-bestanden (*.iso)</translation>
    </message>
    <message>
        <source>Kept the verified file already there: %1</source>
        <translation>Het al aanwezige, geverifieerde bestand is behouden: %1</translation>
    </message>
    <message>
        <source>Check cancelled</source>
        <translation>Controle geannuleerd</translation>
    </message>
    <message>
        <source>Starting download...</source>
        <translation>Download starten...</translation>
    </message>
    <message>
        <source>%p%  ·  %1  ·  %2 left</source>
        <extracomment>Inside the progress bar: %p% is the percentage, %1 the speed, %2 the time left.</extracomment>
        <translation>%p%  ·  %1  ·  nog %2</translation>
    </message>
    <message>
        <source>Download complete: %1</source>
        <translation>Download voltooid: %1</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Download voltooid</translation>
    </message>
    <message>
        <source>The file has been downloaded successfully:
%1

%2</source>
        <translation>Het bestand is gedownload:
%1

%2</translation>
    </message>
    <message>
        <source>The file server refused the download link, and a fresh one as well. Choose Retry to get another.</source>
        <translation>De bestandsserver heeft de downloadkoppeling geweigerd, en een nieuwe ook. Kies Opnieuw proberen om er nog een te krijgen.</translation>
    </message>
    <message>
        <source>The link expired during the download; getting a fresh one to continue...</source>
        <translation>De koppeling is tijdens de download verlopen; een nieuwe wordt opgehaald om verder te gaan...</translation>
    </message>
    <message>
        <source>Not verified: %1</source>
        <translation>Niet geverifieerd: %1</translation>
    </message>
    <message>
        <source>Download Not Verified</source>
        <translation>Download niet geverifieerd</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Download mislukt: %1</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Downloadfout</translation>
    </message>
    <message>
        <source>Failed to download:
%1</source>
        <translation>Downloaden mislukt:
%1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Onderbreken</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Paused with %1 downloaded; choose Resume to continue.</source>
        <translation>Onderbroken met %1 gedownload; kies Hervatten om verder te gaan.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Bytes downloaded of the file&apos;s size: &quot;1.20 GB of 5.40 GB&quot;.</extracomment>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>Another download is writing %1. Wait for it to end, or choose another destination.</source>
        <translation>Een andere download schrijft %1. Wacht tot die klaar is, of kies een andere bestemming.</translation>
    </message>
    <message>
        <source>Could not empty the earlier part %1.</source>
        <translation>Kan het eerdere deel %1 niet leegmaken.</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Download voltooid</translation>
    </message>
    <message>
        <source>Loading Microsoft&apos;s product catalog...</source>
        <translation>Catalogus van Microsoft laden...</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>Onvoldoende vrije ruimte</translation>
    </message>
    <message>
        <source>Not Enough Space</source>
        <translation>Onvoldoende ruimte</translation>
    </message>
    <message>
        <source>%1

Free some space there, or choose another folder.</source>
        <translation>%1

Maak daar ruimte vrij of kies een andere map.</translation>
    </message>
    <message>
        <source>The ESD&apos;s %1 matches Microsoft&apos;s product catalog: %2</source>
        <translation>De %1 van het ESD-bestand komt overeen met de productcatalogus van Microsoft: %2</translation>
    </message>
    <message>
        <source>Building the ISO...</source>
        <translation>ISO maken...</translation>
    </message>
    <message>
        <source>Building the ISO: %1</source>
        <translation>ISO maken: %1</translation>
    </message>
    <message>
        <source>Building the ISO cancelled</source>
        <translation>Maken van de ISO geannuleerd</translation>
    </message>
    <message>
        <source>Building the ISO failed</source>
        <translation>Maken van de ISO mislukt</translation>
    </message>
    <message>
        <source>Building the ISO Failed</source>
        <translation>Maken van de ISO mislukt</translation>
    </message>
    <message>
        <source>Computing the ISO&apos;s SHA-256...</source>
        <translation>SHA-256 van de ISO berekenen...</translation>
    </message>
    <message>
        <source>ISO built: %1</source>
        <translation>ISO gemaakt: %1</translation>
    </message>
    <message>
        <source>The ISO was built from Microsoft&apos;s installation files (ESD):
%1

%2

SHA-256 of the ISO: %3</source>
        <translation>De ISO is gemaakt van de installatiebestanden van Microsoft (ESD):
%1

%2

SHA-256 van de ISO: %3</translation>
    </message>
    <message>
        <source>ISO Built</source>
        <translation>ISO gemaakt</translation>
    </message>
    <message>
        <source>The installation files&apos; name is taken</source>
        <translation>De naam van de installatiebestanden is al in gebruik</translation>
    </message>
    <message>
        <source>File Already There</source>
        <translation>Bestand bestaat al</translation>
    </message>
    <message>
        <source>%1 is already there and is not the ESD file of Microsoft&apos;s product catalog. The installation files are downloaded under that name, beside the ISO, and removed once it is built: move that file away, or choose another name for the ISO.</source>
        <translation>%1 bestaat al en is niet het ESD-bestand uit de productcatalogus van Microsoft. De installatiebestanden worden onder die naam naast de ISO gedownload en verwijderd zodra die is gemaakt: verplaats dat bestand, of kies een andere naam voor de ISO.</translation>
    </message>
</context>
<context>
    <name>PageFailure</name>
    <message>
        <source>Check the internet connection, then %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>Controleer de internetverbinding en %1.</translation>
    </message>
    <message>
        <source>In a while, %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>Wacht even en %1.</translation>
    </message>
    <message>
        <source>Language Not Offered</source>
        <translation>Taal niet aangeboden</translation>
    </message>
    <message>
        <source>The download page does not offer %1.</source>
        <extracomment>%1 is a language as the page names it.</extracomment>
        <translation>De downloadpagina biedt %1 niet aan.</translation>
    </message>
    <message>
        <source>Choose one of the languages it lists.</source>
        <translation>Kies een van de vermelde talen.</translation>
    </message>
    <message>
        <source>Wrong Language Offered</source>
        <translation>Verkeerde taal aangeboden</translation>
    </message>
    <message>
        <source>The page offered links for %1, not %2.</source>
        <extracomment>%1 and %2 are languages as the page names them.</extracomment>
        <translation>De pagina bood koppelingen voor %1, niet voor %2.</translation>
    </message>
    <message>
        <source>Nothing was downloaded. </source>
        <translation>Er is niets gedownload. </translation>
    </message>
    <message>
        <source>Page Not Loaded</source>
        <translation>Pagina niet geladen</translation>
    </message>
    <message>
        <source>The download page could not be loaded.</source>
        <translation>De downloadpagina kan niet worden geladen.</translation>
    </message>
    <message>
        <source>Page Not Answering</source>
        <translation>Pagina reageert niet</translation>
    </message>
    <message>
        <source>The download page did not answer in time.</source>
        <translation>De downloadpagina heeft niet op tijd gereageerd.</translation>
    </message>
    <message>
        <source>No Editions Offered</source>
        <translation>Geen edities aangeboden</translation>
    </message>
    <message>
        <source>The download page offered no editions.</source>
        <translation>De downloadpagina bood geen edities aan.</translation>
    </message>
    <message>
        <source>No Languages Offered</source>
        <translation>Geen talen aangeboden</translation>
    </message>
    <message>
        <source>The download page offered no languages for this edition.</source>
        <translation>De downloadpagina bood geen talen aan voor deze editie.</translation>
    </message>
    <message>
        <source>No Download Links</source>
        <translation>Geen downloadkoppelingen</translation>
    </message>
    <message>
        <source>The download page gave no download links for this choice.</source>
        <translation>De downloadpagina gaf geen downloadkoppelingen voor deze keuze.</translation>
    </message>
    <message>
        <source>Link Leads Nowhere</source>
        <translation>Koppeling leidt nergens heen</translation>
    </message>
    <message>
        <source>The download page&apos;s link for this choice leads to no file.</source>
        <translation>De koppeling van de downloadpagina voor deze keuze leidt naar geen enkel bestand.</translation>
    </message>
    <message>
        <source>Link Leads to a Web Page</source>
        <translation>Koppeling leidt naar een webpagina</translation>
    </message>
    <message>
        <source>Microsoft&apos;s link for this ISO leads to a web page, not to the file.</source>
        <translation>De koppeling van Microsoft voor deze ISO leidt naar een webpagina, niet naar het bestand.</translation>
    </message>
    <message>
        <source>Page Reported a Problem</source>
        <translation>Pagina meldt een probleem</translation>
    </message>
    <message>
        <source>The download page could not give a link for this choice.</source>
        <translation>De downloadpagina kon geen koppeling geven voor deze keuze.</translation>
    </message>
    <message>
        <source>The %1 ISO is left out: %2</source>
        <extracomment>%1 is an architecture (x64, arm64), %2 why its link is of no use.</extracomment>
        <translation>De %1-ISO is weggelaten: %2</translation>
    </message>
    <message>
        <source>%1

Such a block usually lasts about 24 hours for your internet address. A VPN, proxy or anonymiser often causes it; another network may work. Trying again at once makes the block last longer.</source>
        <extracomment>%1 is the message code and session id, one a line.</extracomment>
        <translation>%1

Zo&apos;n blokkering duurt meestal ongeveer 24 uur voor uw internetadres. Vaak is een VPN, proxy of anonimiseringsdienst de oorzaak; een ander netwerk kan wel werken. Meteen opnieuw proberen maakt de blokkering langer.</translation>
    </message>
    <message>
        <source>Message code: %1
Session ID: %2</source>
        <translation>Berichtcode: %1
Sessie-id: %2</translation>
    </message>
    <message>
        <source>(not given)</source>
        <translation>(niet opgegeven)</translation>
    </message>
</context>
<context>
    <name>ResultBoxes</name>
    <message>
        <source>Microsoft Refused the Request</source>
        <translation>Microsoft heeft de aanvraag geweigerd</translation>
    </message>
    <message>
        <source>Copy Code and Session ID</source>
        <translation>Code en sessie-id kopiëren</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Weergeven in map</translation>
    </message>
    <message>
        <source>Build the ISO from Microsoft&apos;s installation files instead</source>
        <translation>In plaats daarvan de ISO maken van de installatiebestanden van Microsoft</translation>
    </message>
</context>
<context>
    <name>SizeFormat</name>
    <message>
        <source>%1h %2m</source>
        <extracomment>Hours and minutes left.</extracomment>
        <translation>%1 u %2 min</translation>
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
        <translation>Gedownload: %1 / %2 | Snelheid: %3 | Resterend: %4</translation>
    </message>
    <message numerus="yes">
        <source> | %n connections</source>
        <extracomment>Joins the status line after the speed and the time left.</extracomment>
        <translation>
            <numerusform> | %n verbinding</numerusform>
            <numerusform> | %n verbindingen</numerusform>
        </translation>
    </message>
</context>
</TS>
