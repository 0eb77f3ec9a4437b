<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutBox</name>
    <message>
        <source>Travonix

Version %1.%2.%3.%4 (Build: %5)

Copyright © 2024-%6 Zamrel Software.
All rights reserved.</source>
        <extracomment>%1 to %4 are the four version numbers, %5 the build date, %6 its year.</extracomment>
        <translation>Travonix

Versión %1.%2.%3.%4 (compilación: %5)

Copyright © 2024-%6 Zamrel Software.
Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <extracomment>%1 is the name of the language the window is in, in that language (&quot;Deutsch&quot;).</extracomment>
        <translation>Idioma: %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>CatalogChoices</name>
    <message>
        <source>Windows 11 (built from installation files)</source>
        <translation>Windows 11 (creado con los archivos de instalación)</translation>
    </message>
    <message>
        <source>Windows 11 ARM64 (built from installation files)</source>
        <translation>Windows 11 ARM64 (creado con los archivos de instalación)</translation>
    </message>
    <message>
        <source>Windows 10 (built from installation files)</source>
        <translation>Windows 10 (creado con los archivos de instalación)</translation>
    </message>
    <message>
        <source>The product catalog lists no file for this product.</source>
        <translation>El catálogo de productos no incluye ningún archivo para este producto.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog lists build %1, older than the current release %2 (build %3): it may be a stale copy; a later try may get the newer one.</source>
        <translation>El catálogo de productos de Microsoft incluye la compilación %1, anterior a la versión actual %2 (compilación %3): puede ser una copia obsoleta; un intento posterior puede obtener la más reciente.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog names no build.</source>
        <translation>El catálogo de productos de Microsoft no indica ninguna compilación.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog, build %1</source>
        <translation>Catálogo de productos de Microsoft, compilación %1</translation>
    </message>
</context>
<context>
    <name>DigestVerdict</name>
    <message>
        <source>Microsoft publishes no SHA-256 for this file; its SHA-256 is %1</source>
        <translation>Microsoft no publica ningún SHA-256 para este archivo; su SHA-256 es %1</translation>
    </message>
    <message>
        <source>Microsoft publishes no SHA-256 for this file, so it was not checked.</source>
        <translation>Microsoft no publica ningún SHA-256 para este archivo, así que no se ha comprobado.</translation>
    </message>
    <message>
        <source>Its SHA-256 matches the value Microsoft publishes:
%1</source>
        <translation>Su SHA-256 coincide con el valor que publica Microsoft:
%1</translation>
    </message>
    <message>
        <source>Warning: its SHA-256 matches the value Microsoft publishes for &quot;%1&quot;, not the one for the language and architecture you chose:
%2</source>
        <extracomment>%1 is the row of the page&apos;s table of SHA-256 values, %2 the file&apos;s SHA-256.</extracomment>
        <translation>Advertencia: su SHA-256 coincide con el valor que Microsoft publica para &quot;%1&quot;, no con el del idioma y la arquitectura que eligió:
%2</translation>
    </message>
    <message>
        <source>The downloaded file is not an ISO image: it lacks the length the server announced or the volume descriptors every ISO image begins with. It was not saved as %1, which is as it was.

Its SHA-256: %2

The downloaded bytes are kept in %3. Try the download again later.</source>
        <translation>El archivo descargado no es una imagen ISO: no tiene el tamaño que anunció el servidor o los descriptores de volumen con los que empieza toda imagen ISO. No se ha guardado como %1, que sigue como estaba.

Su SHA-256: %2

Los datos descargados se conservan en %3. Vuelva a intentar la descarga más tarde.</translation>
    </message>
    <message>
        <source>The downloaded file is the %1 one, not the %2 one you chose: its SHA-256 matches the value Microsoft publishes for &quot;%3&quot;. It was not saved as %4, which is as it was.

Downloaded: %5

The downloaded bytes are kept in %6.</source>
        <extracomment>%1 and %2 are languages, %3 the row of the page&apos;s table, %4 the file chosen, %5 a SHA-256, %6 a path.</extracomment>
        <translation>El archivo descargado es el de %1, no el de %2 que eligió: su SHA-256 coincide con el valor que Microsoft publica para &quot;%3&quot;. No se ha guardado como %4, que sigue como estaba.

Descargado: %5

Los datos descargados se conservan en %6.</translation>
    </message>
    <message>
        <source>(none listed for this language and architecture)</source>
        <translation>(no figura ninguno para este idioma y arquitectura)</translation>
    </message>
    <message>
        <source>The downloaded file does not match the SHA-256 that Microsoft publishes, so it was not saved as %1, which is as it was.

Published: %2
Downloaded: %3

The downloaded bytes are kept in %4.</source>
        <translation>El archivo descargado no coincide con el SHA-256 que publica Microsoft, así que no se ha guardado como %1, que sigue como estaba.

Publicado: %2
Descargado: %3

Los datos descargados se conservan en %4.</translation>
    </message>
    <message>
        <source>Its %1 matches the value of Microsoft&apos;s product catalog:
%2</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 its value.</extracomment>
        <translation>Su %1 coincide con el valor del catálogo de productos de Microsoft:
%2</translation>
    </message>
    <message>
        <source>The downloaded file does not match the %1 of Microsoft&apos;s product catalog, so it was not saved as %2, which is as it was.

Published: %3
Downloaded: %4

The downloaded bytes are kept in %5.</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 the file chosen, %3 and %4 digests, %5 a path.</extracomment>
        <translation>El archivo descargado no coincide con el %1 del catálogo de productos de Microsoft, así que no se ha guardado como %2, que sigue como estaba.

Publicado: %3
Descargado: %4

Los datos descargados se conservan en %5.</translation>
    </message>
</context>
<context>
    <name>DownloadFailure</name>
    <message>
        <source>Not enough disk space for %1. Free some space and start the download again to continue where it stopped.</source>
        <translation>No hay espacio en disco suficiente para %1. Libere espacio y vuelva a iniciar la descarga para continuar donde se detuvo.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>No se puede escribir en %1: %2</translation>
    </message>
    <message>
        <source>Only %1 links can be downloaded, and this one is not: %2</source>
        <extracomment>%1 is the scheme allowed (https), %2 the link.</extracomment>
        <translation>Solo se pueden descargar vínculos %1, y este no lo es: %2</translation>
    </message>
    <message>
        <source>The file name %1 holds control characters, which no file should have; choose another name.</source>
        <translation>El nombre de archivo %1 contiene caracteres de control, que ningún archivo debería tener; elija otro nombre.</translation>
    </message>
    <message>
        <source>The downloaded data is gone: %1</source>
        <translation>Los datos descargados ya no están: %1</translation>
    </message>
    <message>
        <source>Cannot move the download to %1: %2</source>
        <translation>No se puede mover la descarga a %1: %2</translation>
    </message>
    <message>
        <source>The server keeps sending the wrong part of the file.</source>
        <translation>El servidor sigue enviando la parte equivocada del archivo.</translation>
    </message>
    <message>
        <source>Another download of this file is running, and %1 is in use by it. Let that one finish, or stop it and start again.</source>
        <translation>Hay otra descarga de este archivo en curso y está usando %1. Deje que termine, o deténgala y vuelva a empezar.</translation>
    </message>
    <message>
        <source>Cannot create file: %1: %2</source>
        <translation>No se puede crear el archivo: %1: %2</translation>
    </message>
</context>
<context>
    <name>DownloadQuestions</name>
    <message>
        <source>Download in Progress</source>
        <translation>Descarga en curso</translation>
    </message>
    <message>
        <source>The ISO is still downloading (%1).

Keep the part to continue it later, discard it, or keep downloading?</source>
        <translation>La ISO aún se está descargando (%1).

¿Quiere conservar la parte descargada para continuarla más tarde, descartarla o seguir descargando?</translation>
    </message>
    <message>
        <source>Keep the Part</source>
        <translation>Conservar la parte</translation>
    </message>
    <message>
        <source>Discard It</source>
        <translation>Descartarla</translation>
    </message>
    <message>
        <source>Keep Downloading</source>
        <translation>Seguir descargando</translation>
    </message>
    <message>
        <source>Cancel Download</source>
        <translation>Cancelar la descarga</translation>
    </message>
    <message>
        <source>%1 of the ISO are downloaded.

Discard them, or pause and keep them to continue later?</source>
        <translation>Se han descargado %1 de la ISO.

¿Quiere descartarlos, o pausar y conservarlos para continuar más tarde?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Continue Download</source>
        <translation>Continuar la descarga</translation>
    </message>
    <message>
        <source>An earlier download of this ISO left %1 in %2.

Continue where it stopped, or start over?</source>
        <translation>Una descarga anterior de esta ISO dejó %1 en %2.

¿Quiere continuar donde se detuvo o empezar de nuevo?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Empezar de nuevo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>EsdPlace</name>
    <message>
        <source>%1 has %2 free; the ESD and the media built from it need about %3.</source>
        <extracomment>%1 is a folder, %2 and %3 sizes.</extracomment>
        <translation>%1 tiene %2 libres; el archivo ESD y el medio creado a partir de él necesitan unos %3.</translation>
    </message>
</context>
<context>
    <name>ExistingFile</name>
    <message>
        <source>Already Downloaded</source>
        <translation>Ya descargado</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Conservarlo</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Volver a descargar</translation>
    </message>
    <message>
        <source>Checking the file already there…</source>
        <translation>Comprobando el archivo existente…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Comprobando</translation>
    </message>
    <message>
        <source>%1 is already there, and its %2 matches the value Microsoft publishes:
%3

Keep it instead of downloading it again?</source>
        <extracomment>%1 is the file&apos;s path, %2 the digest&apos;s name (SHA-1, SHA-256), %3 its value.</extracomment>
        <translation>%1 ya existe y su %2 coincide con el valor que publica Microsoft:
%3

¿Quiere conservarlo en lugar de volver a descargarlo?</translation>
    </message>
</context>
<context>
    <name>LinkExpiry</name>
    <message>
        <source>Link valid until %1</source>
        <extracomment>%1 is the local date and time.</extracomment>
        <translation>Vínculo válido hasta %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Loading Microsoft download page...</source>
        <translation>Cargando página de Microsoft...</translation>
    </message>
    <message>
        <source>Extracting available editions...</source>
        <translation>Leyendo las ediciones...</translation>
    </message>
    <message>
        <source>Loading language options...</source>
        <translation>Cargando los idiomas...</translation>
    </message>
    <message>
        <source>Extracting available languages...</source>
        <translation>Leyendo los idiomas...</translation>
    </message>
    <message>
        <source>Submitting your selection...</source>
        <translation>Enviando su selección...</translation>
    </message>
    <message>
        <source>Extracting download links...</source>
        <translation>Leyendo los vínculos...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Download Windows 10/11 ISO from Microsoft&apos;s official website</source>
        <translation>Descargar la ISO de Windows 10/11 desde el sitio web oficial de Microsoft</translation>
    </message>
    <message>
        <source>Please select the Windows version you&apos;d like to download</source>
        <translation>Seleccione la versión de Windows que quiere descargar</translation>
    </message>
    <message>
        <source>Download link:</source>
        <translation>Vínculo de descarga:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>Edition:</source>
        <translation>Edición:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Architecture:</source>
        <translation>Arquitectura:</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copiar vínculo</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>The button that asks the page again; the failure boxes name it.</extracomment>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Free: make a bootable USB stick</source>
        <extracomment>A link to the maker&apos;s free USB stick tool, beside About.</extracomment>
        <translation>Gratis: USB de arranque</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>The button that saves the ISO (a verb); it reads Cancel while the file downloads.</extracomment>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Checking the part already downloaded… %1%</source>
        <extracomment>%1 is how much of the part is checked, in percent.</extracomment>
        <translation>Comprobando la parte ya descargada… %1 %</translation>
    </message>
    <message>
        <source>Unsupported OS</source>
        <translation>Sistema operativo no compatible</translation>
    </message>
    <message>
        <source>This feature requires Windows 8.1 or higher.

Please upgrade your operating system.</source>
        <translation>Esta característica requiere Windows 8.1 o posterior.

Actualice su sistema operativo.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>choose Retry to load the download page again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>elija Reintentar para volver a cargar la página de descarga</translation>
    </message>
    <message>
        <source>choose Retry to ask for the edition&apos;s languages again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>elija Reintentar para volver a pedir los idiomas de la edición</translation>
    </message>
    <message>
        <source>choose Retry to ask for the download links again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>elija Reintentar para volver a pedir los vínculos de descarga</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Cargando, espere...</translation>
    </message>
    <message>
        <source>Request cancelled</source>
        <translation>Solicitud cancelada</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>%1 is the page&apos;s or the scraper&apos;s own message, in English.</extracomment>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>%1 %2

Detail: %3</source>
        <extracomment>What went wrong, what to do, then the scraper&apos;s own message in English.</extracomment>
        <translation>%1 %2

Detalle: %3</translation>
    </message>
    <message>
        <source>No Editions</source>
        <translation>No hay ediciones</translation>
    </message>
    <message>
        <source>No editions found. The page may require manual verification (CAPTCHA).</source>
        <translation>No se encontraron ediciones. Puede que la página requiera una verificación manual (CAPTCHA).</translation>
    </message>
    <message>
        <source>No Languages</source>
        <translation>No hay idiomas</translation>
    </message>
    <message>
        <source>No languages found.</source>
        <translation>No se encontraron idiomas.</translation>
    </message>
    <message>
        <source>No Links</source>
        <translation>No hay vínculos</translation>
    </message>
    <message>
        <source>No download links found.</source>
        <translation>No se encontraron vínculos de descarga.</translation>
    </message>
    <message>
        <source>Download link copied to clipboard!</source>
        <translation>¡Vínculo de descarga copiado en el Portapapeles!</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>Descarga cancelada</translation>
    </message>
    <message>
        <source>The link has expired; getting a fresh one...</source>
        <translation>El vínculo ha caducado; obteniendo uno nuevo...</translation>
    </message>
    <message>
        <source>The page no longer offers the %1 ISO; choose another architecture.</source>
        <translation>La página ya no ofrece la ISO %1; elija otra arquitectura.</translation>
    </message>
    <message>
        <source>No Selection</source>
        <translation>Sin selección</translation>
    </message>
    <message>
        <source>Please select a download option.</source>
        <translation>Seleccione una opción de descarga.</translation>
    </message>
    <message>
        <source>Save ISO File</source>
        <translation>Guardar archivo ISO</translation>
    </message>
    <message>
        <source>ISO Files (*.iso)</source>
        <translation>Archivos ISO (*.iso)</translation>
    </message>
    <message>
        <source>Kept the verified file already there: %1</source>
        <translation>Se ha conservado el archivo verificado que ya existía: %1</translation>
    </message>
    <message>
        <source>Check cancelled</source>
        <translation>Comprobación cancelada</translation>
    </message>
    <message>
        <source>Starting download...</source>
        <translation>Iniciando la descarga...</translation>
    </message>
    <message>
        <source>%p%  ·  %1  ·  %2 left</source>
        <extracomment>Inside the progress bar: %p% is the percentage, %1 the speed, %2 the time left.</extracomment>
        <translation>%p%  ·  %1  ·  quedan %2</translation>
    </message>
    <message>
        <source>Download complete: %1</source>
        <translation>Descarga completada: %1</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Descarga completada</translation>
    </message>
    <message>
        <source>The file has been downloaded successfully:
%1

%2</source>
        <translation>El archivo se ha descargado correctamente:
%1

%2</translation>
    </message>
    <message>
        <source>The file server refused the download link, and a fresh one as well. Choose Retry to get another.</source>
        <translation>El servidor de archivos rechazó el vínculo de descarga, y también uno nuevo. Elija Reintentar para obtener otro.</translation>
    </message>
    <message>
        <source>The link expired during the download; getting a fresh one to continue...</source>
        <translation>El vínculo caducó durante la descarga; obteniendo uno nuevo para continuar...</translation>
    </message>
    <message>
        <source>Not verified: %1</source>
        <translation>Sin verificar: %1</translation>
    </message>
    <message>
        <source>Download Not Verified</source>
        <translation>Descarga sin verificar</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Error en la descarga: %1</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Error de descarga</translation>
    </message>
    <message>
        <source>Failed to download:
%1</source>
        <translation>No se pudo descargar:
%1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Paused with %1 downloaded; choose Resume to continue.</source>
        <translation>En pausa con %1 descargado; elija Reanudar para continuar.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Bytes downloaded of the file&apos;s size: &quot;1.20 GB of 5.40 GB&quot;.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Another download is writing %1. Wait for it to end, or choose another destination.</source>
        <translation>Otra descarga está escribiendo %1. Espere a que termine o elija otro destino.</translation>
    </message>
    <message>
        <source>Could not empty the earlier part %1.</source>
        <translation>No se pudo vaciar la parte anterior %1.</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Descarga completada</translation>
    </message>
    <message>
        <source>Loading Microsoft&apos;s product catalog...</source>
        <translation>Cargando el catálogo de Microsoft...</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>No hay suficiente espacio libre</translation>
    </message>
    <message>
        <source>Not Enough Space</source>
        <translation>Espacio insuficiente</translation>
    </message>
    <message>
        <source>%1

Free some space there, or choose another folder.</source>
        <translation>%1

Libere espacio allí o elija otra carpeta.</translation>
    </message>
    <message>
        <source>The ESD&apos;s %1 matches Microsoft&apos;s product catalog: %2</source>
        <translation>El %1 del archivo ESD coincide con el catálogo de productos de Microsoft: %2</translation>
    </message>
    <message>
        <source>Building the ISO...</source>
        <translation>Creando la ISO...</translation>
    </message>
    <message>
        <source>Building the ISO: %1</source>
        <translation>Creando la ISO: %1</translation>
    </message>
    <message>
        <source>Building the ISO cancelled</source>
        <translation>Creación de la ISO cancelada</translation>
    </message>
    <message>
        <source>Building the ISO failed</source>
        <translation>Error al crear la ISO</translation>
    </message>
    <message>
        <source>Building the ISO Failed</source>
        <translation>Error al crear la ISO</translation>
    </message>
    <message>
        <source>Computing the ISO&apos;s SHA-256...</source>
        <translation>Calculando el SHA-256 de la ISO...</translation>
    </message>
    <message>
        <source>ISO built: %1</source>
        <translation>ISO creada: %1</translation>
    </message>
    <message>
        <source>The ISO was built from Microsoft&apos;s installation files (ESD):
%1

%2

SHA-256 of the ISO: %3</source>
        <translation>La ISO se ha creado con los archivos de instalación de Microsoft (ESD):
%1

%2

SHA-256 de la ISO: %3</translation>
    </message>
    <message>
        <source>ISO Built</source>
        <translation>ISO creada</translation>
    </message>
    <message>
        <source>The installation files&apos; name is taken</source>
        <translation>El nombre de los archivos de instalación ya está en uso</translation>
    </message>
    <message>
        <source>File Already There</source>
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>%1 is already there and is not the ESD file of Microsoft&apos;s product catalog. The installation files are downloaded under that name, beside the ISO, and removed once it is built: move that file away, or choose another name for the ISO.</source>
        <translation>%1 ya existe y no es el archivo ESD del catálogo de productos de Microsoft. Los archivos de instalación se descargan con ese nombre, junto a la ISO, y se eliminan cuando esta se ha creado: mueva ese archivo a otro lugar o elija otro nombre para la ISO.</translation>
    </message>
</context>
<context>
    <name>PageFailure</name>
    <message>
        <source>Check the internet connection, then %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>Compruebe la conexión a Internet y, después, %1.</translation>
    </message>
    <message>
        <source>In a while, %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>Dentro de un rato, %1.</translation>
    </message>
    <message>
        <source>Language Not Offered</source>
        <translation>Idioma no ofrecido</translation>
    </message>
    <message>
        <source>The download page does not offer %1.</source>
        <extracomment>%1 is a language as the page names it.</extracomment>
        <translation>La página de descarga no ofrece %1.</translation>
    </message>
    <message>
        <source>Choose one of the languages it lists.</source>
        <translation>Elija uno de los idiomas de la lista.</translation>
    </message>
    <message>
        <source>Wrong Language Offered</source>
        <translation>Idioma equivocado</translation>
    </message>
    <message>
        <source>The page offered links for %1, not %2.</source>
        <extracomment>%1 and %2 are languages as the page names them.</extracomment>
        <translation>La página ofreció vínculos para %1, no para %2.</translation>
    </message>
    <message>
        <source>Nothing was downloaded. </source>
        <translation>No se ha descargado nada. </translation>
    </message>
    <message>
        <source>Page Not Loaded</source>
        <translation>Página no cargada</translation>
    </message>
    <message>
        <source>The download page could not be loaded.</source>
        <translation>No se pudo cargar la página de descarga.</translation>
    </message>
    <message>
        <source>Page Not Answering</source>
        <translation>La página no responde</translation>
    </message>
    <message>
        <source>The download page did not answer in time.</source>
        <translation>La página de descarga no respondió a tiempo.</translation>
    </message>
    <message>
        <source>No Editions Offered</source>
        <translation>No se ofrecen ediciones</translation>
    </message>
    <message>
        <source>The download page offered no editions.</source>
        <translation>La página de descarga no ofreció ninguna edición.</translation>
    </message>
    <message>
        <source>No Languages Offered</source>
        <translation>No se ofrecen idiomas</translation>
    </message>
    <message>
        <source>The download page offered no languages for this edition.</source>
        <translation>La página de descarga no ofreció ningún idioma para esta edición.</translation>
    </message>
    <message>
        <source>No Download Links</source>
        <translation>No hay vínculos de descarga</translation>
    </message>
    <message>
        <source>The download page gave no download links for this choice.</source>
        <translation>La página de descarga no dio ningún vínculo de descarga para esta elección.</translation>
    </message>
    <message>
        <source>Link Leads Nowhere</source>
        <translation>El vínculo no lleva a ninguna parte</translation>
    </message>
    <message>
        <source>The download page&apos;s link for this choice leads to no file.</source>
        <translation>El vínculo de la página de descarga para esta elección no lleva a ningún archivo.</translation>
    </message>
    <message>
        <source>Link Leads to a Web Page</source>
        <translation>El vínculo lleva a una página web</translation>
    </message>
    <message>
        <source>Microsoft&apos;s link for this ISO leads to a web page, not to the file.</source>
        <translation>El vínculo de Microsoft para esta ISO lleva a una página web, no al archivo.</translation>
    </message>
    <message>
        <source>Page Reported a Problem</source>
        <translation>La página notificó un problema</translation>
    </message>
    <message>
        <source>The download page could not give a link for this choice.</source>
        <translation>La página de descarga no pudo dar un vínculo para esta elección.</translation>
    </message>
    <message>
        <source>The %1 ISO is left out: %2</source>
        <extracomment>%1 is an architecture (x64, arm64), %2 why its link is of no use.</extracomment>
        <translation>La ISO %1 se omite: %2</translation>
    </message>
    <message>
        <source>%1

Such a block usually lasts about 24 hours for your internet address. A VPN, proxy or anonymiser often causes it; another network may work. Trying again at once makes the block last longer.</source>
        <extracomment>%1 is the message code and session id, one a line.</extracomment>
        <translation>%1

Un bloqueo así suele durar unas 24 horas para su dirección de Internet. A menudo lo causa una VPN, un proxy o un servicio de anonimato; otra red puede funcionar. Volver a intentarlo enseguida prolonga el bloqueo.</translation>
    </message>
    <message>
        <source>Message code: %1
Session ID: %2</source>
        <translation>Código de mensaje: %1
Id. de sesión: %2</translation>
    </message>
    <message>
        <source>(not given)</source>
        <translation>(no indicado)</translation>
    </message>
</context>
<context>
    <name>ResultBoxes</name>
    <message>
        <source>Microsoft Refused the Request</source>
        <translation>Microsoft rechazó la solicitud</translation>
    </message>
    <message>
        <source>Copy Code and Session ID</source>
        <translation>Copiar código e Id. de sesión</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>Build the ISO from Microsoft&apos;s installation files instead</source>
        <translation>Crear la ISO con los archivos de instalación de Microsoft</translation>
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
        <translation>Descargado: %1 / %2 | Velocidad: %3 | Restante: %4</translation>
    </message>
    <message numerus="yes">
        <source> | %n connections</source>
        <extracomment>Joins the status line after the speed and the time left.</extracomment>
        <translation>
            <numerusform> | %n conexión</numerusform>
            <numerusform> | %n conexiones</numerusform>
        </translation>
    </message>
</context>
</TS>
