<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutBox</name>
    <message>
        <source>Travonix

Version %1.%2.%3.%4 (Build: %5)

Copyright © 2024-%6 Zamrel Software.
All rights reserved.</source>
        <extracomment>%1 to %4 are the four version numbers, %5 the build date, %6 its year.</extracomment>
        <translation>Travonix

Versione %1.%2.%3.%4 (build: %5)

Copyright © 2024-%6 Zamrel Software.
Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <extracomment>%1 is the name of the language the window is in, in that language (&quot;Deutsch&quot;).</extracomment>
        <translation>Lingua: %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
</context>
<context>
    <name>CatalogChoices</name>
    <message>
        <source>Windows 11 (built from installation files)</source>
        <translation>Windows 11 (creato dai file di installazione)</translation>
    </message>
    <message>
        <source>Windows 11 ARM64 (built from installation files)</source>
        <translation>Windows 11 ARM64 (creato dai file di installazione)</translation>
    </message>
    <message>
        <source>Windows 10 (built from installation files)</source>
        <translation>Windows 10 (creato dai file di installazione)</translation>
    </message>
    <message>
        <source>The product catalog lists no file for this product.</source>
        <translation>Il catalogo prodotti non elenca alcun file per questo prodotto.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog lists build %1, older than the current release %2 (build %3): it may be a stale copy; a later try may get the newer one.</source>
        <translation>Il catalogo prodotti di Microsoft elenca la build %1, precedente alla versione attuale %2 (build %3): potrebbe essere una copia non aggiornata; un tentativo successivo potrebbe ottenere quella più recente.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog names no build.</source>
        <translation>Il catalogo prodotti di Microsoft non indica alcuna build.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog, build %1</source>
        <translation>Catalogo prodotti di Microsoft, build %1</translation>
    </message>
</context>
<context>
    <name>DigestVerdict</name>
    <message>
        <source>Microsoft publishes no SHA-256 for this file; its SHA-256 is %1</source>
        <translation>Microsoft non pubblica alcun SHA-256 per questo file; il suo SHA-256 è %1</translation>
    </message>
    <message>
        <source>Microsoft publishes no SHA-256 for this file, so it was not checked.</source>
        <translation>Microsoft non pubblica alcun SHA-256 per questo file, quindi non è stato verificato.</translation>
    </message>
    <message>
        <source>Its SHA-256 matches the value Microsoft publishes:
%1</source>
        <translation>Il suo SHA-256 corrisponde al valore pubblicato da Microsoft:
%1</translation>
    </message>
    <message>
        <source>Warning: its SHA-256 matches the value Microsoft publishes for &quot;%1&quot;, not the one for the language and architecture you chose:
%2</source>
        <extracomment>%1 is the row of the page&apos;s table of SHA-256 values, %2 the file&apos;s SHA-256.</extracomment>
        <translation>Avviso: il suo SHA-256 corrisponde al valore che Microsoft pubblica per &quot;%1&quot;, non a quello della lingua e dell&apos;architettura scelte:
%2</translation>
    </message>
    <message>
        <source>The downloaded file is not an ISO image: it lacks the length the server announced or the volume descriptors every ISO image begins with. It was not saved as %1, which is as it was.

Its SHA-256: %2

The downloaded bytes are kept in %3. Try the download again later.</source>
        <translation>Il file scaricato non è un&apos;immagine ISO: non ha la lunghezza annunciata dal server o i descrittori di volume con cui inizia ogni immagine ISO. Non è stato salvato come %1, che è rimasto com&apos;era.

Il suo SHA-256: %2

I dati scaricati sono conservati in %3. Riprova il download più tardi.</translation>
    </message>
    <message>
        <source>The downloaded file is the %1 one, not the %2 one you chose: its SHA-256 matches the value Microsoft publishes for &quot;%3&quot;. It was not saved as %4, which is as it was.

Downloaded: %5

The downloaded bytes are kept in %6.</source>
        <extracomment>%1 and %2 are languages, %3 the row of the page&apos;s table, %4 the file chosen, %5 a SHA-256, %6 a path.</extracomment>
        <translation>Il file scaricato è quello in %1, non quello in %2 che hai scelto: il suo SHA-256 corrisponde al valore che Microsoft pubblica per &quot;%3&quot;. Non è stato salvato come %4, che è rimasto com&apos;era.

Scaricato: %5

I dati scaricati sono conservati in %6.</translation>
    </message>
    <message>
        <source>(none listed for this language and architecture)</source>
        <translation>(nessuno indicato per questa lingua e architettura)</translation>
    </message>
    <message>
        <source>The downloaded file does not match the SHA-256 that Microsoft publishes, so it was not saved as %1, which is as it was.

Published: %2
Downloaded: %3

The downloaded bytes are kept in %4.</source>
        <translation>Il file scaricato non corrisponde allo SHA-256 pubblicato da Microsoft, quindi non è stato salvato come %1, che è rimasto com&apos;era.

Pubblicato: %2
Scaricato: %3

I dati scaricati sono conservati in %4.</translation>
    </message>
    <message>
        <source>Its %1 matches the value of Microsoft&apos;s product catalog:
%2</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 its value.</extracomment>
        <translation>Il suo %1 corrisponde al valore del catalogo prodotti di Microsoft:
%2</translation>
    </message>
    <message>
        <source>The downloaded file does not match the %1 of Microsoft&apos;s product catalog, so it was not saved as %2, which is as it was.

Published: %3
Downloaded: %4

The downloaded bytes are kept in %5.</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 the file chosen, %3 and %4 digests, %5 a path.</extracomment>
        <translation>Il file scaricato non corrisponde al %1 del catalogo prodotti di Microsoft, quindi non è stato salvato come %2, che è rimasto com&apos;era.

Pubblicato: %3
Scaricato: %4

I dati scaricati sono conservati in %5.</translation>
    </message>
</context>
<context>
    <name>DownloadFailure</name>
    <message>
        <source>Not enough disk space for %1. Free some space and start the download again to continue where it stopped.</source>
        <translation>Spazio su disco insufficiente per %1. Libera spazio e avvia di nuovo il download per riprendere da dove si è fermato.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>Impossibile scrivere in %1: %2</translation>
    </message>
    <message>
        <source>Only %1 links can be downloaded, and this one is not: %2</source>
        <extracomment>%1 is the scheme allowed (https), %2 the link.</extracomment>
        <translation>Si possono scaricare solo collegamenti %1, e questo non lo è: %2</translation>
    </message>
    <message>
        <source>The file name %1 holds control characters, which no file should have; choose another name.</source>
        <translation>Il nome file %1 contiene caratteri di controllo, che nessun file dovrebbe avere; scegli un altro nome.</translation>
    </message>
    <message>
        <source>The downloaded data is gone: %1</source>
        <translation>I dati scaricati non ci sono più: %1</translation>
    </message>
    <message>
        <source>Cannot move the download to %1: %2</source>
        <translation>Impossibile spostare il download in %1: %2</translation>
    </message>
    <message>
        <source>The server keeps sending the wrong part of the file.</source>
        <translation>Il server continua a inviare la parte sbagliata del file.</translation>
    </message>
    <message>
        <source>Another download of this file is running, and %1 is in use by it. Let that one finish, or stop it and start again.</source>
        <translation>È in corso un altro download di questo file, che sta usando %1. Lascialo terminare, oppure interrompilo e ricomincia.</translation>
    </message>
    <message>
        <source>Cannot create file: %1: %2</source>
        <translation>Impossibile creare il file: %1: %2</translation>
    </message>
</context>
<context>
    <name>DownloadQuestions</name>
    <message>
        <source>Download in Progress</source>
        <translation>Download in corso</translation>
    </message>
    <message>
        <source>The ISO is still downloading (%1).

Keep the part to continue it later, discard it, or keep downloading?</source>
        <translation>La ISO è ancora in download (%1).

Conservare la parte scaricata per riprenderla più tardi, eliminarla o continuare il download?</translation>
    </message>
    <message>
        <source>Keep the Part</source>
        <translation>Conserva la parte</translation>
    </message>
    <message>
        <source>Discard It</source>
        <translation>Eliminala</translation>
    </message>
    <message>
        <source>Keep Downloading</source>
        <translation>Continua il download</translation>
    </message>
    <message>
        <source>Cancel Download</source>
        <translation>Annulla download</translation>
    </message>
    <message>
        <source>%1 of the ISO are downloaded.

Discard them, or pause and keep them to continue later?</source>
        <translation>Sono stati scaricati %1 della ISO.

Eliminarli, oppure sospendere e conservarli per riprendere più tardi?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sospendi</translation>
    </message>
    <message>
        <source>Continue Download</source>
        <translation>Riprendi download</translation>
    </message>
    <message>
        <source>An earlier download of this ISO left %1 in %2.

Continue where it stopped, or start over?</source>
        <translation>Un download precedente di questa ISO ha lasciato %1 in %2.

Riprendere da dove si era fermato o ricominciare?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>EsdPlace</name>
    <message>
        <source>%1 has %2 free; the ESD and the media built from it need about %3.</source>
        <extracomment>%1 is a folder, %2 and %3 sizes.</extracomment>
        <translation>%1 ha %2 liberi; il file ESD e il supporto creato da esso richiedono circa %3.</translation>
    </message>
</context>
<context>
    <name>ExistingFile</name>
    <message>
        <source>Already Downloaded</source>
        <translation>Già scaricato</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Conserva</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Scarica di nuovo</translation>
    </message>
    <message>
        <source>Checking the file already there…</source>
        <translation>Verifica del file già presente…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>%1 is already there, and its %2 matches the value Microsoft publishes:
%3

Keep it instead of downloading it again?</source>
        <extracomment>%1 is the file&apos;s path, %2 the digest&apos;s name (SHA-1, SHA-256), %3 its value.</extracomment>
        <translation>%1 esiste già e il suo %2 corrisponde al valore pubblicato da Microsoft:
%3

Conservarlo invece di scaricarlo di nuovo?</translation>
    </message>
</context>
<context>
    <name>LinkExpiry</name>
    <message>
        <source>Link valid until %1</source>
        <extracomment>%1 is the local date and time.</extracomment>
        <translation>Collegamento valido fino al %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Loading Microsoft download page...</source>
        <translation>Caricamento pagina Microsoft...</translation>
    </message>
    <message>
        <source>Extracting available editions...</source>
        <translation>Lettura delle edizioni...</translation>
    </message>
    <message>
        <source>Loading language options...</source>
        <translation>Caricamento delle lingue...</translation>
    </message>
    <message>
        <source>Extracting available languages...</source>
        <translation>Lettura delle lingue disponibili...</translation>
    </message>
    <message>
        <source>Submitting your selection...</source>
        <translation>Invio della selezione...</translation>
    </message>
    <message>
        <source>Extracting download links...</source>
        <translation>Lettura dei collegamenti...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Download Windows 10/11 ISO from Microsoft&apos;s official website</source>
        <translation>Scarica la ISO di Windows 10/11 dal sito ufficiale di Microsoft</translation>
    </message>
    <message>
        <source>Please select the Windows version you&apos;d like to download</source>
        <translation>Seleziona la versione di Windows da scaricare</translation>
    </message>
    <message>
        <source>Download link:</source>
        <translation>Collegamento per il download:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versione:</translation>
    </message>
    <message>
        <source>Edition:</source>
        <translation>Edizione:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>Architecture:</source>
        <translation>Architettura:</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copia collegamento</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>The button that asks the page again; the failure boxes name it.</extracomment>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Free: make a bootable USB stick</source>
        <extracomment>A link to the maker&apos;s free USB stick tool, beside About.</extracomment>
        <translation>Gratis: USB avviabile</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>The button that saves the ISO (a verb); it reads Cancel while the file downloads.</extracomment>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>Checking the part already downloaded… %1%</source>
        <extracomment>%1 is how much of the part is checked, in percent.</extracomment>
        <translation>Verifica della parte già scaricata… %1%</translation>
    </message>
    <message>
        <source>Unsupported OS</source>
        <translation>Sistema operativo non supportato</translation>
    </message>
    <message>
        <source>This feature requires Windows 8.1 or higher.

Please upgrade your operating system.</source>
        <translation>Questa funzionalità richiede Windows 8.1 o versione successiva.

Aggiorna il sistema operativo.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Caricamento...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>choose Retry to load the download page again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>scegli Riprova per ricaricare la pagina di download</translation>
    </message>
    <message>
        <source>choose Retry to ask for the edition&apos;s languages again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>scegli Riprova per richiedere di nuovo le lingue dell&apos;edizione</translation>
    </message>
    <message>
        <source>choose Retry to ask for the download links again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>scegli Riprova per richiedere di nuovo i collegamenti per il download</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Attendere...</translation>
    </message>
    <message>
        <source>Request cancelled</source>
        <translation>Richiesta annullata</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>%1 is the page&apos;s or the scraper&apos;s own message, in English.</extracomment>
        <translation>Errore: %1</translation>
    </message>
    <message>
        <source>%1 %2

Detail: %3</source>
        <extracomment>What went wrong, what to do, then the scraper&apos;s own message in English.</extracomment>
        <translation>%1 %2

Dettagli: %3</translation>
    </message>
    <message>
        <source>No Editions</source>
        <translation>Nessuna edizione</translation>
    </message>
    <message>
        <source>No editions found. The page may require manual verification (CAPTCHA).</source>
        <translation>Nessuna edizione trovata. La pagina potrebbe richiedere una verifica manuale (CAPTCHA).</translation>
    </message>
    <message>
        <source>No Languages</source>
        <translation>Nessuna lingua</translation>
    </message>
    <message>
        <source>No languages found.</source>
        <translation>Nessuna lingua trovata.</translation>
    </message>
    <message>
        <source>No Links</source>
        <translation>Nessun collegamento</translation>
    </message>
    <message>
        <source>No download links found.</source>
        <translation>Nessun collegamento per il download trovato.</translation>
    </message>
    <message>
        <source>Download link copied to clipboard!</source>
        <translation>Collegamento per il download copiato negli Appunti!</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>Download annullato</translation>
    </message>
    <message>
        <source>The link has expired; getting a fresh one...</source>
        <translation>Il collegamento è scaduto; richiesta di uno nuovo...</translation>
    </message>
    <message>
        <source>The page no longer offers the %1 ISO; choose another architecture.</source>
        <translation>La pagina non offre più la ISO %1; scegli un&apos;altra architettura.</translation>
    </message>
    <message>
        <source>No Selection</source>
        <translation>Nessuna selezione</translation>
    </message>
    <message>
        <source>Please select a download option.</source>
        <translation>Seleziona un&apos;opzione di download.</translation>
    </message>
    <message>
        <source>Save ISO File</source>
        <translation>Salva file ISO</translation>
    </message>
    <message>
        <source>ISO Files (*.iso)</source>
        <translation>File ISO (*.iso)</translation>
    </message>
    <message>
        <source>Kept the verified file already there: %1</source>
        <translation>Conservato il file verificato già presente: %1</translation>
    </message>
    <message>
        <source>Check cancelled</source>
        <translation>Verifica annullata</translation>
    </message>
    <message>
        <source>Starting download...</source>
        <translation>Avvio del download...</translation>
    </message>
    <message>
        <source>%p%  ·  %1  ·  %2 left</source>
        <extracomment>Inside the progress bar: %p% is the percentage, %1 the speed, %2 the time left.</extracomment>
        <translation>%p%  ·  %1  ·  %2 rimanenti</translation>
    </message>
    <message>
        <source>Download complete: %1</source>
        <translation>Download completato: %1</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Download completato</translation>
    </message>
    <message>
        <source>The file has been downloaded successfully:
%1

%2</source>
        <translation>Il file è stato scaricato correttamente:
%1

%2</translation>
    </message>
    <message>
        <source>The file server refused the download link, and a fresh one as well. Choose Retry to get another.</source>
        <translation>Il file server ha rifiutato il collegamento per il download, e anche uno nuovo. Scegli Riprova per ottenerne un altro.</translation>
    </message>
    <message>
        <source>The link expired during the download; getting a fresh one to continue...</source>
        <translation>Il collegamento è scaduto durante il download; richiesta di uno nuovo per continuare...</translation>
    </message>
    <message>
        <source>Not verified: %1</source>
        <translation>Non verificato: %1</translation>
    </message>
    <message>
        <source>Download Not Verified</source>
        <translation>Download non verificato</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Download non riuscito: %1</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Errore di download</translation>
    </message>
    <message>
        <source>Failed to download:
%1</source>
        <translation>Impossibile scaricare:
%1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sospendi</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Paused with %1 downloaded; choose Resume to continue.</source>
        <translation>Sospeso con %1 scaricati; scegli Riprendi per continuare.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Bytes downloaded of the file&apos;s size: &quot;1.20 GB of 5.40 GB&quot;.</extracomment>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Another download is writing %1. Wait for it to end, or choose another destination.</source>
        <translation>Un altro download sta scrivendo %1. Attendi che finisca o scegli un&apos;altra destinazione.</translation>
    </message>
    <message>
        <source>Could not empty the earlier part %1.</source>
        <translation>Impossibile svuotare la parte precedente %1.</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Download completato</translation>
    </message>
    <message>
        <source>Loading Microsoft&apos;s product catalog...</source>
        <translation>Caricamento catalogo Microsoft...</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>Spazio libero insufficiente</translation>
    </message>
    <message>
        <source>Not Enough Space</source>
        <translation>Spazio insufficiente</translation>
    </message>
    <message>
        <source>%1

Free some space there, or choose another folder.</source>
        <translation>%1

Libera spazio in quella posizione oppure scegli un&apos;altra cartella.</translation>
    </message>
    <message>
        <source>The ESD&apos;s %1 matches Microsoft&apos;s product catalog: %2</source>
        <translation>Il %1 del file ESD corrisponde al catalogo prodotti di Microsoft: %2</translation>
    </message>
    <message>
        <source>Building the ISO...</source>
        <translation>Creazione della ISO...</translation>
    </message>
    <message>
        <source>Building the ISO: %1</source>
        <translation>Creazione della ISO: %1</translation>
    </message>
    <message>
        <source>Building the ISO cancelled</source>
        <translation>Creazione della ISO annullata</translation>
    </message>
    <message>
        <source>Building the ISO failed</source>
        <translation>Creazione della ISO non riuscita</translation>
    </message>
    <message>
        <source>Building the ISO Failed</source>
        <translation>Creazione della ISO non riuscita</translation>
    </message>
    <message>
        <source>Computing the ISO&apos;s SHA-256...</source>
        <translation>Calcolo dello SHA-256 della ISO...</translation>
    </message>
    <message>
        <source>ISO built: %1</source>
        <translation>ISO creata: %1</translation>
    </message>
    <message>
        <source>The ISO was built from Microsoft&apos;s installation files (ESD):
%1

%2

SHA-256 of the ISO: %3</source>
        <translation>La ISO è stata creata dai file di installazione di Microsoft (ESD):
%1

%2

SHA-256 della ISO: %3</translation>
    </message>
    <message>
        <source>ISO Built</source>
        <translation>ISO creata</translation>
    </message>
    <message>
        <source>The installation files&apos; name is taken</source>
        <translation>Il nome dei file di installazione è già in uso</translation>
    </message>
    <message>
        <source>File Already There</source>
        <translation>File già presente</translation>
    </message>
    <message>
        <source>%1 is already there and is not the ESD file of Microsoft&apos;s product catalog. The installation files are downloaded under that name, beside the ISO, and removed once it is built: move that file away, or choose another name for the ISO.</source>
        <translation>%1 esiste già e non è il file ESD del catalogo prodotti di Microsoft. I file di installazione vengono scaricati con quel nome, accanto alla ISO, e rimossi una volta creata: sposta quel file altrove oppure scegli un altro nome per la ISO.</translation>
    </message>
</context>
<context>
    <name>PageFailure</name>
    <message>
        <source>Check the internet connection, then %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>Controlla la connessione a Internet, poi %1.</translation>
    </message>
    <message>
        <source>In a while, %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>Tra un po&apos;, %1.</translation>
    </message>
    <message>
        <source>Language Not Offered</source>
        <translation>Lingua non offerta</translation>
    </message>
    <message>
        <source>The download page does not offer %1.</source>
        <extracomment>%1 is a language as the page names it.</extracomment>
        <translation>La pagina di download non offre %1.</translation>
    </message>
    <message>
        <source>Choose one of the languages it lists.</source>
        <translation>Scegli una delle lingue elencate.</translation>
    </message>
    <message>
        <source>Wrong Language Offered</source>
        <translation>Lingua sbagliata</translation>
    </message>
    <message>
        <source>The page offered links for %1, not %2.</source>
        <extracomment>%1 and %2 are languages as the page names them.</extracomment>
        <translation>La pagina ha offerto collegamenti per %1, non per %2.</translation>
    </message>
    <message>
        <source>Nothing was downloaded. </source>
        <translation>Non è stato scaricato nulla. </translation>
    </message>
    <message>
        <source>Page Not Loaded</source>
        <translation>Pagina non caricata</translation>
    </message>
    <message>
        <source>The download page could not be loaded.</source>
        <translation>Impossibile caricare la pagina di download.</translation>
    </message>
    <message>
        <source>Page Not Answering</source>
        <translation>La pagina non risponde</translation>
    </message>
    <message>
        <source>The download page did not answer in time.</source>
        <translation>La pagina di download non ha risposto in tempo.</translation>
    </message>
    <message>
        <source>No Editions Offered</source>
        <translation>Nessuna edizione offerta</translation>
    </message>
    <message>
        <source>The download page offered no editions.</source>
        <translation>La pagina di download non ha offerto alcuna edizione.</translation>
    </message>
    <message>
        <source>No Languages Offered</source>
        <translation>Nessuna lingua offerta</translation>
    </message>
    <message>
        <source>The download page offered no languages for this edition.</source>
        <translation>La pagina di download non ha offerto alcuna lingua per questa edizione.</translation>
    </message>
    <message>
        <source>No Download Links</source>
        <translation>Nessun collegamento per il download</translation>
    </message>
    <message>
        <source>The download page gave no download links for this choice.</source>
        <translation>La pagina di download non ha fornito collegamenti per questa scelta.</translation>
    </message>
    <message>
        <source>Link Leads Nowhere</source>
        <translation>Il collegamento non porta da nessuna parte</translation>
    </message>
    <message>
        <source>The download page&apos;s link for this choice leads to no file.</source>
        <translation>Il collegamento della pagina di download per questa scelta non porta ad alcun file.</translation>
    </message>
    <message>
        <source>Link Leads to a Web Page</source>
        <translation>Il collegamento porta a una pagina web</translation>
    </message>
    <message>
        <source>Microsoft&apos;s link for this ISO leads to a web page, not to the file.</source>
        <translation>Il collegamento di Microsoft per questa ISO porta a una pagina web, non al file.</translation>
    </message>
    <message>
        <source>Page Reported a Problem</source>
        <translation>La pagina ha segnalato un problema</translation>
    </message>
    <message>
        <source>The download page could not give a link for this choice.</source>
        <translation>La pagina di download non ha potuto fornire un collegamento per questa scelta.</translation>
    </message>
    <message>
        <source>The %1 ISO is left out: %2</source>
        <extracomment>%1 is an architecture (x64, arm64), %2 why its link is of no use.</extracomment>
        <translation>La ISO %1 è esclusa: %2</translation>
    </message>
    <message>
        <source>%1

Such a block usually lasts about 24 hours for your internet address. A VPN, proxy or anonymiser often causes it; another network may work. Trying again at once makes the block last longer.</source>
        <extracomment>%1 is the message code and session id, one a line.</extracomment>
        <translation>%1

Un blocco del genere dura di solito circa 24 ore per il tuo indirizzo Internet. Spesso è causato da una VPN, un proxy o un servizio di anonimato; un&apos;altra rete potrebbe funzionare. Riprovare subito prolunga il blocco.</translation>
    </message>
    <message>
        <source>Message code: %1
Session ID: %2</source>
        <translation>Codice messaggio: %1
ID sessione: %2</translation>
    </message>
    <message>
        <source>(not given)</source>
        <translation>(non indicato)</translation>
    </message>
</context>
<context>
    <name>ResultBoxes</name>
    <message>
        <source>Microsoft Refused the Request</source>
        <translation>Microsoft ha rifiutato la richiesta</translation>
    </message>
    <message>
        <source>Copy Code and Session ID</source>
        <translation>Copia codice e ID sessione</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostra nella cartella</translation>
    </message>
    <message>
        <source>Build the ISO from Microsoft&apos;s installation files instead</source>
        <translation>Crea invece la ISO dai file di installazione di Microsoft</translation>
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
        <translation>Scaricati: %1 / %2 | Velocità: %3 | Tempo rimanente: %4</translation>
    </message>
    <message numerus="yes">
        <source> | %n connections</source>
        <extracomment>Joins the status line after the speed and the time left.</extracomment>
        <translation>
            <numerusform> | %n connessione</numerusform>
            <numerusform> | %n connessioni</numerusform>
        </translation>
    </message>
</context>
</TS>
