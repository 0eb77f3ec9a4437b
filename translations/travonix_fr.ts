<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutBox</name>
    <message>
        <source>Travonix

Version %1.%2.%3.%4 (Build: %5)

Copyright © 2024-%6 Zamrel Software.
All rights reserved.</source>
        <extracomment>%1 to %4 are the four version numbers, %5 the build date, %6 its year.</extracomment>
        <translation>Travonix

Version %1.%2.%3.%4 (build&#xa0;: %5)

Copyright © 2024-%6 Zamrel Software.
Tous droits réservés.</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <extracomment>%1 is the name of the language the window is in, in that language (&quot;Deutsch&quot;).</extracomment>
        <translation>Langue&#xa0;: %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>CatalogChoices</name>
    <message>
        <source>Windows 11 (built from installation files)</source>
        <translation>Windows 11 (créé à partir des fichiers d’installation)</translation>
    </message>
    <message>
        <source>Windows 11 ARM64 (built from installation files)</source>
        <translation>Windows 11 ARM64 (créé à partir des fichiers d’installation)</translation>
    </message>
    <message>
        <source>Windows 10 (built from installation files)</source>
        <translation>Windows 10 (créé à partir des fichiers d’installation)</translation>
    </message>
    <message>
        <source>The product catalog lists no file for this product.</source>
        <translation>Le catalogue de produits ne répertorie aucun fichier pour ce produit.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog lists build %1, older than the current release %2 (build %3): it may be a stale copy; a later try may get the newer one.</source>
        <translation>Le catalogue de produits de Microsoft répertorie la build %1, plus ancienne que la version actuelle %2 (build %3)&#xa0;: c’est peut-être une copie périmée&#xa0;; un essai ultérieur obtiendra peut-être la plus récente.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog names no build.</source>
        <translation>Le catalogue de produits de Microsoft n’indique aucune build.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog, build %1</source>
        <translation>Catalogue de produits de Microsoft, build %1</translation>
    </message>
</context>
<context>
    <name>DigestVerdict</name>
    <message>
        <source>Microsoft publishes no SHA-256 for this file; its SHA-256 is %1</source>
        <translation>Microsoft ne publie aucun SHA-256 pour ce fichier&#xa0;; son SHA-256 est %1</translation>
    </message>
    <message>
        <source>Microsoft publishes no SHA-256 for this file, so it was not checked.</source>
        <translation>Microsoft ne publie aucun SHA-256 pour ce fichier, il n’a donc pas été vérifié.</translation>
    </message>
    <message>
        <source>Its SHA-256 matches the value Microsoft publishes:
%1</source>
        <translation>Son SHA-256 correspond à la valeur publiée par Microsoft&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Warning: its SHA-256 matches the value Microsoft publishes for &quot;%1&quot;, not the one for the language and architecture you chose:
%2</source>
        <extracomment>%1 is the row of the page&apos;s table of SHA-256 values, %2 the file&apos;s SHA-256.</extracomment>
        <translation>Avertissement&#xa0;: son SHA-256 correspond à la valeur publiée par Microsoft pour «&#xa0;%1&#xa0;», et non à celle de la langue et de l’architecture choisies&#xa0;:
%2</translation>
    </message>
    <message>
        <source>The downloaded file is not an ISO image: it lacks the length the server announced or the volume descriptors every ISO image begins with. It was not saved as %1, which is as it was.

Its SHA-256: %2

The downloaded bytes are kept in %3. Try the download again later.</source>
        <translation>Le fichier téléchargé n’est pas une image ISO&#xa0;: il n’a pas la taille annoncée par le serveur ou les descripteurs de volume par lesquels commence toute image ISO. Il n’a pas été enregistré sous %1, qui reste inchangé.

Son SHA-256&#xa0;: %2

Les données téléchargées sont conservées dans %3. Réessayez le téléchargement plus tard.</translation>
    </message>
    <message>
        <source>The downloaded file is the %1 one, not the %2 one you chose: its SHA-256 matches the value Microsoft publishes for &quot;%3&quot;. It was not saved as %4, which is as it was.

Downloaded: %5

The downloaded bytes are kept in %6.</source>
        <extracomment>%1 and %2 are languages, %3 the row of the page&apos;s table, %4 the file chosen, %5 a SHA-256, %6 a path.</extracomment>
        <translation>Le fichier téléchargé est celui en %1, et non celui en %2 que vous avez choisi&#xa0;: son SHA-256 correspond à la valeur publiée par Microsoft pour «&#xa0;%3&#xa0;». Il n’a pas été enregistré sous %4, qui reste inchangé.

Téléchargé&#xa0;: %5

Les données téléchargées sont conservées dans %6.</translation>
    </message>
    <message>
        <source>(none listed for this language and architecture)</source>
        <translation>(aucune valeur pour cette langue et cette architecture)</translation>
    </message>
    <message>
        <source>The downloaded file does not match the SHA-256 that Microsoft publishes, so it was not saved as %1, which is as it was.

Published: %2
Downloaded: %3

The downloaded bytes are kept in %4.</source>
        <translation>Le fichier téléchargé ne correspond pas au SHA-256 publié par Microsoft&#xa0;; il n’a donc pas été enregistré sous %1, qui reste inchangé.

Publié&#xa0;: %2
Téléchargé&#xa0;: %3

Les données téléchargées sont conservées dans %4.</translation>
    </message>
    <message>
        <source>Its %1 matches the value of Microsoft&apos;s product catalog:
%2</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 its value.</extracomment>
        <translation>Son %1 correspond à la valeur du catalogue de produits de Microsoft&#xa0;:
%2</translation>
    </message>
    <message>
        <source>The downloaded file does not match the %1 of Microsoft&apos;s product catalog, so it was not saved as %2, which is as it was.

Published: %3
Downloaded: %4

The downloaded bytes are kept in %5.</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 the file chosen, %3 and %4 digests, %5 a path.</extracomment>
        <translation>Le fichier téléchargé ne correspond pas au %1 du catalogue de produits de Microsoft&#xa0;; il n’a donc pas été enregistré sous %2, qui reste inchangé.

Publié&#xa0;: %3
Téléchargé&#xa0;: %4

Les données téléchargées sont conservées dans %5.</translation>
    </message>
</context>
<context>
    <name>DownloadFailure</name>
    <message>
        <source>Not enough disk space for %1. Free some space and start the download again to continue where it stopped.</source>
        <translation>Espace disque insuffisant pour %1. Libérez de l’espace et relancez le téléchargement pour reprendre là où il s’est arrêté.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>Impossible d’écrire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Only %1 links can be downloaded, and this one is not: %2</source>
        <extracomment>%1 is the scheme allowed (https), %2 the link.</extracomment>
        <translation>Seuls les liens %1 peuvent être téléchargés, et celui-ci n’en est pas un&#xa0;: %2</translation>
    </message>
    <message>
        <source>The file name %1 holds control characters, which no file should have; choose another name.</source>
        <translation>Le nom de fichier %1 contient des caractères de contrôle, qu’aucun fichier ne devrait avoir&#xa0;; choisissez un autre nom.</translation>
    </message>
    <message>
        <source>The downloaded data is gone: %1</source>
        <translation>Les données téléchargées ont disparu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cannot move the download to %1: %2</source>
        <translation>Impossible de déplacer le téléchargement vers %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The server keeps sending the wrong part of the file.</source>
        <translation>Le serveur envoie sans cesse la mauvaise partie du fichier.</translation>
    </message>
    <message>
        <source>Another download of this file is running, and %1 is in use by it. Let that one finish, or stop it and start again.</source>
        <translation>Un autre téléchargement de ce fichier est en cours et utilise %1. Laissez-le se terminer, ou arrêtez-le et recommencez.</translation>
    </message>
    <message>
        <source>Cannot create file: %1: %2</source>
        <translation>Impossible de créer le fichier&#xa0;: %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>DownloadQuestions</name>
    <message>
        <source>Download in Progress</source>
        <translation>Téléchargement en cours</translation>
    </message>
    <message>
        <source>The ISO is still downloading (%1).

Keep the part to continue it later, discard it, or keep downloading?</source>
        <translation>L’ISO est encore en cours de téléchargement (%1).

Conserver la partie téléchargée pour la reprendre plus tard, la supprimer ou continuer le téléchargement&#xa0;?</translation>
    </message>
    <message>
        <source>Keep the Part</source>
        <translation>Conserver la partie</translation>
    </message>
    <message>
        <source>Discard It</source>
        <translation>La supprimer</translation>
    </message>
    <message>
        <source>Keep Downloading</source>
        <translation>Continuer le téléchargement</translation>
    </message>
    <message>
        <source>Cancel Download</source>
        <translation>Annuler le téléchargement</translation>
    </message>
    <message>
        <source>%1 of the ISO are downloaded.

Discard them, or pause and keep them to continue later?</source>
        <translation>%1 de l’ISO sont téléchargés.

Les supprimer, ou suspendre et les conserver pour reprendre plus tard&#xa0;?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Suspendre</translation>
    </message>
    <message>
        <source>Continue Download</source>
        <translation>Reprendre le téléchargement</translation>
    </message>
    <message>
        <source>An earlier download of this ISO left %1 in %2.

Continue where it stopped, or start over?</source>
        <translation>Un téléchargement précédent de cet ISO a laissé %1 dans %2.

Reprendre là où il s’est arrêté, ou recommencer&#xa0;?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>EsdPlace</name>
    <message>
        <source>%1 has %2 free; the ESD and the media built from it need about %3.</source>
        <extracomment>%1 is a folder, %2 and %3 sizes.</extracomment>
        <translation>%1 dispose de %2 d’espace libre&#xa0;; le fichier ESD et le média créé à partir de celui-ci nécessitent environ %3.</translation>
    </message>
</context>
<context>
    <name>ExistingFile</name>
    <message>
        <source>Already Downloaded</source>
        <translation>Déjà téléchargé</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Le conserver</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Télécharger à nouveau</translation>
    </message>
    <message>
        <source>Checking the file already there…</source>
        <translation>Vérification du fichier existant…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>%1 is already there, and its %2 matches the value Microsoft publishes:
%3

Keep it instead of downloading it again?</source>
        <extracomment>%1 is the file&apos;s path, %2 the digest&apos;s name (SHA-1, SHA-256), %3 its value.</extracomment>
        <translation>%1 existe déjà, et son %2 correspond à la valeur publiée par Microsoft&#xa0;:
%3

Le conserver au lieu de le télécharger à nouveau&#xa0;?</translation>
    </message>
</context>
<context>
    <name>LinkExpiry</name>
    <message>
        <source>Link valid until %1</source>
        <extracomment>%1 is the local date and time.</extracomment>
        <translation>Lien valide jusqu’au %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Loading Microsoft download page...</source>
        <translation>Chargement de la page...</translation>
    </message>
    <message>
        <source>Extracting available editions...</source>
        <translation>Lecture des éditions...</translation>
    </message>
    <message>
        <source>Loading language options...</source>
        <translation>Chargement des langues...</translation>
    </message>
    <message>
        <source>Extracting available languages...</source>
        <translation>Lecture des langues...</translation>
    </message>
    <message>
        <source>Submitting your selection...</source>
        <translation>Envoi de votre sélection...</translation>
    </message>
    <message>
        <source>Extracting download links...</source>
        <translation>Lecture des liens...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Download Windows 10/11 ISO from Microsoft&apos;s official website</source>
        <translation>Télécharger l’ISO de Windows 10/11 depuis le site officiel de Microsoft</translation>
    </message>
    <message>
        <source>Please select the Windows version you&apos;d like to download</source>
        <translation>Sélectionnez la version de Windows à télécharger</translation>
    </message>
    <message>
        <source>Download link:</source>
        <translation>Lien de téléchargement&#xa0;:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version&#xa0;:</translation>
    </message>
    <message>
        <source>Edition:</source>
        <translation>Édition&#xa0;:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue&#xa0;:</translation>
    </message>
    <message>
        <source>Architecture:</source>
        <translation>Architecture&#xa0;:</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>The button that asks the page again; the failure boxes name it.</extracomment>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Free: make a bootable USB stick</source>
        <extracomment>A link to the maker&apos;s free USB stick tool, beside About.</extracomment>
        <translation>Gratuit&#xa0;: clé USB amorçable</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>The button that saves the ISO (a verb); it reads Cancel while the file downloads.</extracomment>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Checking the part already downloaded… %1%</source>
        <extracomment>%1 is how much of the part is checked, in percent.</extracomment>
        <translation>Vérification de la partie déjà téléchargée… %1&#xa0;%</translation>
    </message>
    <message>
        <source>Unsupported OS</source>
        <translation>Système d’exploitation non pris en charge</translation>
    </message>
    <message>
        <source>This feature requires Windows 8.1 or higher.

Please upgrade your operating system.</source>
        <translation>Cette fonctionnalité nécessite Windows 8.1 ou version ultérieure.

Mettez à niveau votre système d’exploitation.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>choose Retry to load the download page again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>choisissez Réessayer pour recharger la page de téléchargement</translation>
    </message>
    <message>
        <source>choose Retry to ask for the edition&apos;s languages again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>choisissez Réessayer pour redemander les langues de l’édition</translation>
    </message>
    <message>
        <source>choose Retry to ask for the download links again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>choisissez Réessayer pour redemander les liens de téléchargement</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>Request cancelled</source>
        <translation>Demande annulée</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>%1 is the page&apos;s or the scraper&apos;s own message, in English.</extracomment>
        <translation>Erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 %2

Detail: %3</source>
        <extracomment>What went wrong, what to do, then the scraper&apos;s own message in English.</extracomment>
        <translation>%1 %2

Détail&#xa0;: %3</translation>
    </message>
    <message>
        <source>No Editions</source>
        <translation>Aucune édition</translation>
    </message>
    <message>
        <source>No editions found. The page may require manual verification (CAPTCHA).</source>
        <translation>Aucune édition trouvée. La page demande peut-être une vérification manuelle (CAPTCHA).</translation>
    </message>
    <message>
        <source>No Languages</source>
        <translation>Aucune langue</translation>
    </message>
    <message>
        <source>No languages found.</source>
        <translation>Aucune langue trouvée.</translation>
    </message>
    <message>
        <source>No Links</source>
        <translation>Aucun lien</translation>
    </message>
    <message>
        <source>No download links found.</source>
        <translation>Aucun lien de téléchargement trouvé.</translation>
    </message>
    <message>
        <source>Download link copied to clipboard!</source>
        <translation>Lien de téléchargement copié dans le Presse-papiers&#xa0;!</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>Téléchargement annulé</translation>
    </message>
    <message>
        <source>The link has expired; getting a fresh one...</source>
        <translation>Le lien a expiré&#xa0;; obtention d’un nouveau lien...</translation>
    </message>
    <message>
        <source>The page no longer offers the %1 ISO; choose another architecture.</source>
        <translation>La page ne propose plus l’ISO %1&#xa0;; choisissez une autre architecture.</translation>
    </message>
    <message>
        <source>No Selection</source>
        <translation>Aucune sélection</translation>
    </message>
    <message>
        <source>Please select a download option.</source>
        <translation>Sélectionnez une option de téléchargement.</translation>
    </message>
    <message>
        <source>Save ISO File</source>
        <translation>Enregistrer le fichier ISO</translation>
    </message>
    <message>
        <source>ISO Files (*.iso)</source>
        <translation>Fichiers ISO (*.iso)</translation>
    </message>
    <message>
        <source>Kept the verified file already there: %1</source>
        <translation>Fichier vérifié déjà présent conservé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Check cancelled</source>
        <translation>Vérification annulée</translation>
    </message>
    <message>
        <source>Starting download...</source>
        <translation>Démarrage du téléchargement...</translation>
    </message>
    <message>
        <source>%p%  ·  %1  ·  %2 left</source>
        <extracomment>Inside the progress bar: %p% is the percentage, %1 the speed, %2 the time left.</extracomment>
        <translation>%p%  ·  %1  ·  %2 restant</translation>
    </message>
    <message>
        <source>Download complete: %1</source>
        <translation>Téléchargement terminé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Téléchargement terminé</translation>
    </message>
    <message>
        <source>The file has been downloaded successfully:
%1

%2</source>
        <translation>Le fichier a bien été téléchargé&#xa0;:
%1

%2</translation>
    </message>
    <message>
        <source>The file server refused the download link, and a fresh one as well. Choose Retry to get another.</source>
        <translation>Le serveur de fichiers a refusé le lien de téléchargement, puis un nouveau lien. Choisissez Réessayer pour en obtenir un autre.</translation>
    </message>
    <message>
        <source>The link expired during the download; getting a fresh one to continue...</source>
        <translation>Le lien a expiré pendant le téléchargement&#xa0;; obtention d’un nouveau lien pour continuer...</translation>
    </message>
    <message>
        <source>Not verified: %1</source>
        <translation>Non vérifié&#xa0;: %1</translation>
    </message>
    <message>
        <source>Download Not Verified</source>
        <translation>Téléchargement non vérifié</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Échec du téléchargement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Erreur de téléchargement</translation>
    </message>
    <message>
        <source>Failed to download:
%1</source>
        <translation>Échec du téléchargement&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Suspendre</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Paused with %1 downloaded; choose Resume to continue.</source>
        <translation>Suspendu à %1&#xa0;; choisissez Reprendre pour continuer.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Bytes downloaded of the file&apos;s size: &quot;1.20 GB of 5.40 GB&quot;.</extracomment>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Another download is writing %1. Wait for it to end, or choose another destination.</source>
        <translation>Un autre téléchargement écrit %1. Attendez qu’il se termine, ou choisissez une autre destination.</translation>
    </message>
    <message>
        <source>Could not empty the earlier part %1.</source>
        <translation>Impossible de vider la partie précédente %1.</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Téléchargement terminé</translation>
    </message>
    <message>
        <source>Loading Microsoft&apos;s product catalog...</source>
        <translation>Chargement du catalogue Microsoft...</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>Espace libre insuffisant</translation>
    </message>
    <message>
        <source>Not Enough Space</source>
        <translation>Espace insuffisant</translation>
    </message>
    <message>
        <source>%1

Free some space there, or choose another folder.</source>
        <translation>%1

Libérez de l’espace à cet endroit, ou choisissez un autre dossier.</translation>
    </message>
    <message>
        <source>The ESD&apos;s %1 matches Microsoft&apos;s product catalog: %2</source>
        <translation>Le %1 du fichier ESD correspond au catalogue de produits de Microsoft&#xa0;: %2</translation>
    </message>
    <message>
        <source>Building the ISO...</source>
        <translation>Création de l’ISO...</translation>
    </message>
    <message>
        <source>Building the ISO: %1</source>
        <translation>Création de l’ISO&#xa0;: %1</translation>
    </message>
    <message>
        <source>Building the ISO cancelled</source>
        <translation>Création de l’ISO annulée</translation>
    </message>
    <message>
        <source>Building the ISO failed</source>
        <translation>Échec de la création de l’ISO</translation>
    </message>
    <message>
        <source>Building the ISO Failed</source>
        <translation>Échec de la création de l’ISO</translation>
    </message>
    <message>
        <source>Computing the ISO&apos;s SHA-256...</source>
        <translation>Calcul du SHA-256 de l’ISO...</translation>
    </message>
    <message>
        <source>ISO built: %1</source>
        <translation>ISO créé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The ISO was built from Microsoft&apos;s installation files (ESD):
%1

%2

SHA-256 of the ISO: %3</source>
        <translation>L’ISO a été créé à partir des fichiers d’installation de Microsoft (ESD)&#xa0;:
%1

%2

SHA-256 de l’ISO&#xa0;: %3</translation>
    </message>
    <message>
        <source>ISO Built</source>
        <translation>ISO créé</translation>
    </message>
    <message>
        <source>The installation files&apos; name is taken</source>
        <translation>Le nom des fichiers d’installation est déjà pris</translation>
    </message>
    <message>
        <source>File Already There</source>
        <translation>Fichier déjà présent</translation>
    </message>
    <message>
        <source>%1 is already there and is not the ESD file of Microsoft&apos;s product catalog. The installation files are downloaded under that name, beside the ISO, and removed once it is built: move that file away, or choose another name for the ISO.</source>
        <translation>%1 existe déjà et n’est pas le fichier ESD du catalogue de produits de Microsoft. Les fichiers d’installation sont téléchargés sous ce nom, à côté de l’ISO, et supprimés une fois celui-ci créé&#xa0;: déplacez ce fichier, ou choisissez un autre nom pour l’ISO.</translation>
    </message>
</context>
<context>
    <name>PageFailure</name>
    <message>
        <source>Check the internet connection, then %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>Vérifiez la connexion Internet, puis %1.</translation>
    </message>
    <message>
        <source>In a while, %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>Dans un moment, %1.</translation>
    </message>
    <message>
        <source>Language Not Offered</source>
        <translation>Langue non proposée</translation>
    </message>
    <message>
        <source>The download page does not offer %1.</source>
        <extracomment>%1 is a language as the page names it.</extracomment>
        <translation>La page de téléchargement ne propose pas %1.</translation>
    </message>
    <message>
        <source>Choose one of the languages it lists.</source>
        <translation>Choisissez l’une des langues de la liste.</translation>
    </message>
    <message>
        <source>Wrong Language Offered</source>
        <translation>Mauvaise langue proposée</translation>
    </message>
    <message>
        <source>The page offered links for %1, not %2.</source>
        <extracomment>%1 and %2 are languages as the page names them.</extracomment>
        <translation>La page a proposé des liens pour %1, et non pour %2.</translation>
    </message>
    <message>
        <source>Nothing was downloaded. </source>
        <translation>Rien n’a été téléchargé. </translation>
    </message>
    <message>
        <source>Page Not Loaded</source>
        <translation>Page non chargée</translation>
    </message>
    <message>
        <source>The download page could not be loaded.</source>
        <translation>La page de téléchargement n’a pas pu être chargée.</translation>
    </message>
    <message>
        <source>Page Not Answering</source>
        <translation>La page ne répond pas</translation>
    </message>
    <message>
        <source>The download page did not answer in time.</source>
        <translation>La page de téléchargement n’a pas répondu à temps.</translation>
    </message>
    <message>
        <source>No Editions Offered</source>
        <translation>Aucune édition proposée</translation>
    </message>
    <message>
        <source>The download page offered no editions.</source>
        <translation>La page de téléchargement n’a proposé aucune édition.</translation>
    </message>
    <message>
        <source>No Languages Offered</source>
        <translation>Aucune langue proposée</translation>
    </message>
    <message>
        <source>The download page offered no languages for this edition.</source>
        <translation>La page de téléchargement n’a proposé aucune langue pour cette édition.</translation>
    </message>
    <message>
        <source>No Download Links</source>
        <translation>Aucun lien de téléchargement</translation>
    </message>
    <message>
        <source>The download page gave no download links for this choice.</source>
        <translation>La page de téléchargement n’a donné aucun lien pour ce choix.</translation>
    </message>
    <message>
        <source>Link Leads Nowhere</source>
        <translation>Le lien ne mène nulle part</translation>
    </message>
    <message>
        <source>The download page&apos;s link for this choice leads to no file.</source>
        <translation>Le lien de la page de téléchargement pour ce choix ne mène à aucun fichier.</translation>
    </message>
    <message>
        <source>Link Leads to a Web Page</source>
        <translation>Le lien mène à une page web</translation>
    </message>
    <message>
        <source>Microsoft&apos;s link for this ISO leads to a web page, not to the file.</source>
        <translation>Le lien de Microsoft pour cet ISO mène à une page web, et non au fichier.</translation>
    </message>
    <message>
        <source>Page Reported a Problem</source>
        <translation>La page a signalé un problème</translation>
    </message>
    <message>
        <source>The download page could not give a link for this choice.</source>
        <translation>La page de téléchargement n’a pas pu donner de lien pour ce choix.</translation>
    </message>
    <message>
        <source>The %1 ISO is left out: %2</source>
        <extracomment>%1 is an architecture (x64, arm64), %2 why its link is of no use.</extracomment>
        <translation>L’ISO %1 est écarté&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1

Such a block usually lasts about 24 hours for your internet address. A VPN, proxy or anonymiser often causes it; another network may work. Trying again at once makes the block last longer.</source>
        <extracomment>%1 is the message code and session id, one a line.</extracomment>
        <translation>%1

Un tel blocage dure généralement environ 24 heures pour votre adresse Internet. Il est souvent dû à un VPN, un proxy ou un service d’anonymisation&#xa0;; un autre réseau peut fonctionner. Réessayer tout de suite prolonge le blocage.</translation>
    </message>
    <message>
        <source>Message code: %1
Session ID: %2</source>
        <translation>Code du message&#xa0;: %1
ID de session&#xa0;: %2</translation>
    </message>
    <message>
        <source>(not given)</source>
        <translation>(non fourni)</translation>
    </message>
</context>
<context>
    <name>ResultBoxes</name>
    <message>
        <source>Microsoft Refused the Request</source>
        <translation>Microsoft a refusé la demande</translation>
    </message>
    <message>
        <source>Copy Code and Session ID</source>
        <translation>Copier le code et l’ID de session</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>Build the ISO from Microsoft&apos;s installation files instead</source>
        <translation>Créer plutôt l’ISO à partir des fichiers d’installation de Microsoft</translation>
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
        <translation>Téléchargé&#xa0;: %1 / %2 | Débit&#xa0;: %3 | Reste&#xa0;: %4</translation>
    </message>
    <message numerus="yes">
        <source> | %n connections</source>
        <extracomment>Joins the status line after the speed and the time left.</extracomment>
        <translation>
            <numerusform> | %n connexion</numerusform>
            <numerusform> | %n connexions</numerusform>
        </translation>
    </message>
</context>
</TS>
