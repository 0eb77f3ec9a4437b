<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutBox</name>
    <message>
        <source>Travonix

Version %1.%2.%3.%4 (Build: %5)

Copyright © 2024-%6 Zamrel Software.
All rights reserved.</source>
        <extracomment>%1 to %4 are the four version numbers, %5 the build date, %6 its year.</extracomment>
        <translation>Travonix

Версия %1.%2.%3.%4 (сборка: %5)

© Zamrel Software, 2024-%6.
Все права защищены.</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <extracomment>%1 is the name of the language the window is in, in that language (&quot;Deutsch&quot;).</extracomment>
        <translation>Язык: %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
</context>
<context>
    <name>CatalogChoices</name>
    <message>
        <source>Windows 11 (built from installation files)</source>
        <translation>Windows 11 (из установочных файлов)</translation>
    </message>
    <message>
        <source>Windows 11 ARM64 (built from installation files)</source>
        <translation>Windows 11 ARM64 (из установочных файлов)</translation>
    </message>
    <message>
        <source>Windows 10 (built from installation files)</source>
        <translation>Windows 10 (из установочных файлов)</translation>
    </message>
    <message>
        <source>The product catalog lists no file for this product.</source>
        <translation>В каталоге продуктов нет файла для этого продукта.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog lists build %1, older than the current release %2 (build %3): it may be a stale copy; a later try may get the newer one.</source>
        <translation>Каталог продуктов Microsoft указывает сборку %1, более старую, чем текущий выпуск %2 (сборка %3): возможно, это устаревшая копия; при следующей попытке может прийти более новая.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog names no build.</source>
        <translation>Каталог продуктов Microsoft не указывает сборку.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog, build %1</source>
        <translation>Каталог продуктов Microsoft, сборка %1</translation>
    </message>
</context>
<context>
    <name>DigestVerdict</name>
    <message>
        <source>Microsoft publishes no SHA-256 for this file; its SHA-256 is %1</source>
        <translation>Microsoft не публикует SHA-256 для этого файла; его SHA-256: %1</translation>
    </message>
    <message>
        <source>Microsoft publishes no SHA-256 for this file, so it was not checked.</source>
        <translation>Microsoft не публикует SHA-256 для этого файла, поэтому он не проверен.</translation>
    </message>
    <message>
        <source>Its SHA-256 matches the value Microsoft publishes:
%1</source>
        <translation>Его SHA-256 совпадает со значением, которое публикует Microsoft:
%1</translation>
    </message>
    <message>
        <source>Warning: its SHA-256 matches the value Microsoft publishes for &quot;%1&quot;, not the one for the language and architecture you chose:
%2</source>
        <extracomment>%1 is the row of the page&apos;s table of SHA-256 values, %2 the file&apos;s SHA-256.</extracomment>
        <translation>Предупреждение: его SHA-256 совпадает со значением, которое Microsoft публикует для «%1», а не для выбранных языка и архитектуры:
%2</translation>
    </message>
    <message>
        <source>The downloaded file is not an ISO image: it lacks the length the server announced or the volume descriptors every ISO image begins with. It was not saved as %1, which is as it was.

Its SHA-256: %2

The downloaded bytes are kept in %3. Try the download again later.</source>
        <translation>Скачанный файл не является образом ISO: у него нет длины, объявленной сервером, или дескрипторов тома, с которых начинается любой образ ISO. Он не сохранён как %1, этот файл остался прежним.

Его SHA-256: %2

Скачанные данные сохранены в %3. Повторите скачивание позже.</translation>
    </message>
    <message>
        <source>The downloaded file is the %1 one, not the %2 one you chose: its SHA-256 matches the value Microsoft publishes for &quot;%3&quot;. It was not saved as %4, which is as it was.

Downloaded: %5

The downloaded bytes are kept in %6.</source>
        <extracomment>%1 and %2 are languages, %3 the row of the page&apos;s table, %4 the file chosen, %5 a SHA-256, %6 a path.</extracomment>
        <translation>Скачан файл для языка «%1», а не для выбранного языка «%2»: его SHA-256 совпадает со значением, которое Microsoft публикует для «%3». Он не сохранён как %4, этот файл остался прежним.

Скачано: %5

Скачанные данные сохранены в %6.</translation>
    </message>
    <message>
        <source>(none listed for this language and architecture)</source>
        <translation>(для этих языка и архитектуры не указано)</translation>
    </message>
    <message>
        <source>The downloaded file does not match the SHA-256 that Microsoft publishes, so it was not saved as %1, which is as it was.

Published: %2
Downloaded: %3

The downloaded bytes are kept in %4.</source>
        <translation>Скачанный файл не совпадает с SHA-256, который публикует Microsoft, поэтому он не сохранён как %1, этот файл остался прежним.

Опубликовано: %2
Скачано: %3

Скачанные данные сохранены в %4.</translation>
    </message>
    <message>
        <source>Its %1 matches the value of Microsoft&apos;s product catalog:
%2</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 its value.</extracomment>
        <translation>Его %1 совпадает со значением из каталога продуктов Microsoft:
%2</translation>
    </message>
    <message>
        <source>The downloaded file does not match the %1 of Microsoft&apos;s product catalog, so it was not saved as %2, which is as it was.

Published: %3
Downloaded: %4

The downloaded bytes are kept in %5.</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 the file chosen, %3 and %4 digests, %5 a path.</extracomment>
        <translation>Скачанный файл не совпадает с %1 из каталога продуктов Microsoft, поэтому он не сохранён как %2, этот файл остался прежним.

Опубликовано: %3
Скачано: %4

Скачанные данные сохранены в %5.</translation>
    </message>
</context>
<context>
    <name>DownloadFailure</name>
    <message>
        <source>Not enough disk space for %1. Free some space and start the download again to continue where it stopped.</source>
        <translation>Недостаточно места на диске для %1. Освободите место и снова начните скачивание, чтобы продолжить с того места, где оно остановилось.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>Не удаётся записать в %1: %2</translation>
    </message>
    <message>
        <source>Only %1 links can be downloaded, and this one is not: %2</source>
        <extracomment>%1 is the scheme allowed (https), %2 the link.</extracomment>
        <translation>Скачивать можно только ссылки %1, а эта к ним не относится: %2</translation>
    </message>
    <message>
        <source>The file name %1 holds control characters, which no file should have; choose another name.</source>
        <translation>Имя файла %1 содержит управляющие символы, которых не должно быть ни в одном имени; выберите другое имя.</translation>
    </message>
    <message>
        <source>The downloaded data is gone: %1</source>
        <translation>Скачанные данные пропали: %1</translation>
    </message>
    <message>
        <source>Cannot move the download to %1: %2</source>
        <translation>Не удаётся переместить скачанный файл в %1: %2</translation>
    </message>
    <message>
        <source>The server keeps sending the wrong part of the file.</source>
        <translation>Сервер снова и снова отправляет не ту часть файла.</translation>
    </message>
    <message>
        <source>Another download of this file is running, and %1 is in use by it. Let that one finish, or stop it and start again.</source>
        <translation>Идёт другое скачивание этого файла, и %1 занят им. Дождитесь его завершения или остановите его и начните заново.</translation>
    </message>
    <message>
        <source>Cannot create file: %1: %2</source>
        <translation>Не удаётся создать файл: %1: %2</translation>
    </message>
</context>
<context>
    <name>DownloadQuestions</name>
    <message>
        <source>Download in Progress</source>
        <translation>Идёт скачивание</translation>
    </message>
    <message>
        <source>The ISO is still downloading (%1).

Keep the part to continue it later, discard it, or keep downloading?</source>
        <translation>ISO ещё скачивается (%1).

Сохранить скачанную часть, чтобы продолжить позже, удалить её или продолжить скачивание?</translation>
    </message>
    <message>
        <source>Keep the Part</source>
        <translation>Сохранить часть</translation>
    </message>
    <message>
        <source>Discard It</source>
        <translation>Удалить её</translation>
    </message>
    <message>
        <source>Keep Downloading</source>
        <translation>Продолжить скачивание</translation>
    </message>
    <message>
        <source>Cancel Download</source>
        <translation>Отмена скачивания</translation>
    </message>
    <message>
        <source>%1 of the ISO are downloaded.

Discard them, or pause and keep them to continue later?</source>
        <translation>Скачано %1 образа ISO.

Удалить скачанное или приостановить и сохранить, чтобы продолжить позже?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Приостановить</translation>
    </message>
    <message>
        <source>Continue Download</source>
        <translation>Продолжение скачивания</translation>
    </message>
    <message>
        <source>An earlier download of this ISO left %1 in %2.

Continue where it stopped, or start over?</source>
        <translation>Прежнее скачивание этого ISO оставило %1 в %2.

Продолжить с того места, где оно остановилось, или начать заново?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Начать заново</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>EsdPlace</name>
    <message>
        <source>%1 has %2 free; the ESD and the media built from it need about %3.</source>
        <extracomment>%1 is a folder, %2 and %3 sizes.</extracomment>
        <translation>В %1 свободно %2; для файла ESD и созданного из него носителя нужно около %3.</translation>
    </message>
</context>
<context>
    <name>ExistingFile</name>
    <message>
        <source>Already Downloaded</source>
        <translation>Уже скачан</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Оставить</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Скачать заново</translation>
    </message>
    <message>
        <source>Checking the file already there…</source>
        <translation>Проверка имеющегося файла…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>%1 is already there, and its %2 matches the value Microsoft publishes:
%3

Keep it instead of downloading it again?</source>
        <extracomment>%1 is the file&apos;s path, %2 the digest&apos;s name (SHA-1, SHA-256), %3 its value.</extracomment>
        <translation>%1 уже существует, и его %2 совпадает со значением, которое публикует Microsoft:
%3

Оставить его вместо повторного скачивания?</translation>
    </message>
</context>
<context>
    <name>LinkExpiry</name>
    <message>
        <source>Link valid until %1</source>
        <extracomment>%1 is the local date and time.</extracomment>
        <translation>Ссылка действительна до %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Loading Microsoft download page...</source>
        <translation>Загрузка страницы Microsoft...</translation>
    </message>
    <message>
        <source>Extracting available editions...</source>
        <translation>Чтение выпусков...</translation>
    </message>
    <message>
        <source>Loading language options...</source>
        <translation>Загрузка языков...</translation>
    </message>
    <message>
        <source>Extracting available languages...</source>
        <translation>Чтение языков...</translation>
    </message>
    <message>
        <source>Submitting your selection...</source>
        <translation>Отправка выбора...</translation>
    </message>
    <message>
        <source>Extracting download links...</source>
        <translation>Получение ссылок...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Download Windows 10/11 ISO from Microsoft&apos;s official website</source>
        <translation>Скачайте ISO Windows 10/11 с официального сайта Microsoft</translation>
    </message>
    <message>
        <source>Please select the Windows version you&apos;d like to download</source>
        <translation>Выберите версию Windows для скачивания</translation>
    </message>
    <message>
        <source>Download link:</source>
        <translation>Ссылка для скачивания:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>Edition:</source>
        <translation>Выпуск:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>Architecture:</source>
        <translation>Архитектура:</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>The button that asks the page again; the failure boxes name it.</extracomment>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Free: make a bootable USB stick</source>
        <extracomment>A link to the maker&apos;s free USB stick tool, beside About.</extracomment>
        <translation>Загрузочная флешка</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>The button that saves the ISO (a verb); it reads Cancel while the file downloads.</extracomment>
        <translation>Скачать</translation>
    </message>
    <message>
        <source>Checking the part already downloaded… %1%</source>
        <extracomment>%1 is how much of the part is checked, in percent.</extracomment>
        <translation>Проверка уже скачанной части… %1 %</translation>
    </message>
    <message>
        <source>Unsupported OS</source>
        <translation>Неподдерживаемая ОС</translation>
    </message>
    <message>
        <source>This feature requires Windows 8.1 or higher.

Please upgrade your operating system.</source>
        <translation>Для этой функции требуется Windows 8.1 или более поздней версии.

Обновите операционную систему.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>choose Retry to load the download page again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>нажмите «Повторить», чтобы снова загрузить страницу скачивания</translation>
    </message>
    <message>
        <source>choose Retry to ask for the edition&apos;s languages again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>нажмите «Повторить», чтобы снова запросить языки выпуска</translation>
    </message>
    <message>
        <source>choose Retry to ask for the download links again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>нажмите «Повторить», чтобы снова запросить ссылки для скачивания</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Подождите...</translation>
    </message>
    <message>
        <source>Request cancelled</source>
        <translation>Запрос отменён</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>%1 is the page&apos;s or the scraper&apos;s own message, in English.</extracomment>
        <translation>Ошибка: %1</translation>
    </message>
    <message>
        <source>%1 %2

Detail: %3</source>
        <extracomment>What went wrong, what to do, then the scraper&apos;s own message in English.</extracomment>
        <translation>%1 %2

Подробности: %3</translation>
    </message>
    <message>
        <source>No Editions</source>
        <translation>Нет выпусков</translation>
    </message>
    <message>
        <source>No editions found. The page may require manual verification (CAPTCHA).</source>
        <translation>Выпуски не найдены. Возможно, страница требует ручной проверки (CAPTCHA).</translation>
    </message>
    <message>
        <source>No Languages</source>
        <translation>Нет языков</translation>
    </message>
    <message>
        <source>No languages found.</source>
        <translation>Языки не найдены.</translation>
    </message>
    <message>
        <source>No Links</source>
        <translation>Нет ссылок</translation>
    </message>
    <message>
        <source>No download links found.</source>
        <translation>Ссылки для скачивания не найдены.</translation>
    </message>
    <message>
        <source>Download link copied to clipboard!</source>
        <translation>Ссылка для скачивания скопирована в буфер обмена!</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>Скачивание отменено</translation>
    </message>
    <message>
        <source>The link has expired; getting a fresh one...</source>
        <translation>Срок действия ссылки истёк; получение новой...</translation>
    </message>
    <message>
        <source>The page no longer offers the %1 ISO; choose another architecture.</source>
        <translation>Страница больше не предлагает ISO %1; выберите другую архитектуру.</translation>
    </message>
    <message>
        <source>No Selection</source>
        <translation>Ничего не выбрано</translation>
    </message>
    <message>
        <source>Please select a download option.</source>
        <translation>Выберите вариант для скачивания.</translation>
    </message>
    <message>
        <source>Save ISO File</source>
        <translation>Сохранить файл ISO</translation>
    </message>
    <message>
        <source>ISO Files (*.iso)</source>
        <translation>Файлы ISO (*.iso)</translation>
    </message>
    <message>
        <source>Kept the verified file already there: %1</source>
        <translation>Оставлен уже имеющийся проверенный файл: %1</translation>
    </message>
    <message>
        <source>Check cancelled</source>
        <translation>Проверка отменена</translation>
    </message>
    <message>
        <source>Starting download...</source>
        <translation>Начало скачивания...</translation>
    </message>
    <message>
        <source>%p%  ·  %1  ·  %2 left</source>
        <extracomment>Inside the progress bar: %p% is the percentage, %1 the speed, %2 the time left.</extracomment>
        <translation>%p%  ·  %1  ·  осталось %2</translation>
    </message>
    <message>
        <source>Download complete: %1</source>
        <translation>Скачивание завершено: %1</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Скачивание завершено</translation>
    </message>
    <message>
        <source>The file has been downloaded successfully:
%1

%2</source>
        <translation>Файл успешно скачан:
%1

%2</translation>
    </message>
    <message>
        <source>The file server refused the download link, and a fresh one as well. Choose Retry to get another.</source>
        <translation>Файловый сервер отклонил ссылку для скачивания, а также новую. Нажмите «Повторить», чтобы получить ещё одну.</translation>
    </message>
    <message>
        <source>The link expired during the download; getting a fresh one to continue...</source>
        <translation>Срок действия ссылки истёк во время скачивания; получение новой, чтобы продолжить...</translation>
    </message>
    <message>
        <source>Not verified: %1</source>
        <translation>Не проверен: %1</translation>
    </message>
    <message>
        <source>Download Not Verified</source>
        <translation>Скачанный файл не проверен</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Ошибка скачивания: %1</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Ошибка скачивания</translation>
    </message>
    <message>
        <source>Failed to download:
%1</source>
        <translation>Не удалось скачать:
%1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Paused with %1 downloaded; choose Resume to continue.</source>
        <translation>Приостановлено, скачано %1; нажмите «Продолжить», чтобы возобновить.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Bytes downloaded of the file&apos;s size: &quot;1.20 GB of 5.40 GB&quot;.</extracomment>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>Another download is writing %1. Wait for it to end, or choose another destination.</source>
        <translation>Другое скачивание записывает %1. Дождитесь его завершения или выберите другое место.</translation>
    </message>
    <message>
        <source>Could not empty the earlier part %1.</source>
        <translation>Не удалось очистить прежнюю часть %1.</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Скачивание завершено</translation>
    </message>
    <message>
        <source>Loading Microsoft&apos;s product catalog...</source>
        <translation>Загрузка каталога Microsoft...</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>Недостаточно свободного места</translation>
    </message>
    <message>
        <source>Not Enough Space</source>
        <translation>Недостаточно места</translation>
    </message>
    <message>
        <source>%1

Free some space there, or choose another folder.</source>
        <translation>%1

Освободите там место или выберите другую папку.</translation>
    </message>
    <message>
        <source>The ESD&apos;s %1 matches Microsoft&apos;s product catalog: %2</source>
        <translation>%1 файла ESD совпадает с каталогом продуктов Microsoft: %2</translation>
    </message>
    <message>
        <source>Building the ISO...</source>
        <translation>Создание ISO...</translation>
    </message>
    <message>
        <source>Building the ISO: %1</source>
        <translation>Создание ISO: %1</translation>
    </message>
    <message>
        <source>Building the ISO cancelled</source>
        <translation>Создание ISO отменено</translation>
    </message>
    <message>
        <source>Building the ISO failed</source>
        <translation>Не удалось создать ISO</translation>
    </message>
    <message>
        <source>Building the ISO Failed</source>
        <translation>Не удалось создать ISO</translation>
    </message>
    <message>
        <source>Computing the ISO&apos;s SHA-256...</source>
        <translation>Вычисление SHA-256 образа ISO...</translation>
    </message>
    <message>
        <source>ISO built: %1</source>
        <translation>ISO создан: %1</translation>
    </message>
    <message>
        <source>The ISO was built from Microsoft&apos;s installation files (ESD):
%1

%2

SHA-256 of the ISO: %3</source>
        <translation>ISO создан из установочных файлов Microsoft (ESD):
%1

%2

SHA-256 образа ISO: %3</translation>
    </message>
    <message>
        <source>ISO Built</source>
        <translation>ISO создан</translation>
    </message>
    <message>
        <source>The installation files&apos; name is taken</source>
        <translation>Имя установочных файлов занято</translation>
    </message>
    <message>
        <source>File Already There</source>
        <translation>Файл уже существует</translation>
    </message>
    <message>
        <source>%1 is already there and is not the ESD file of Microsoft&apos;s product catalog. The installation files are downloaded under that name, beside the ISO, and removed once it is built: move that file away, or choose another name for the ISO.</source>
        <translation>%1 уже существует и не является файлом ESD из каталога продуктов Microsoft. Установочные файлы скачиваются под этим именем рядом с ISO и удаляются после его создания: переместите этот файл или выберите другое имя для ISO.</translation>
    </message>
</context>
<context>
    <name>PageFailure</name>
    <message>
        <source>Check the internet connection, then %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>Проверьте подключение к Интернету, затем %1.</translation>
    </message>
    <message>
        <source>In a while, %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>Чуть позже %1.</translation>
    </message>
    <message>
        <source>Language Not Offered</source>
        <translation>Язык не предлагается</translation>
    </message>
    <message>
        <source>The download page does not offer %1.</source>
        <extracomment>%1 is a language as the page names it.</extracomment>
        <translation>Страница скачивания не предлагает язык «%1».</translation>
    </message>
    <message>
        <source>Choose one of the languages it lists.</source>
        <translation>Выберите один из перечисленных языков.</translation>
    </message>
    <message>
        <source>Wrong Language Offered</source>
        <translation>Предложен не тот язык</translation>
    </message>
    <message>
        <source>The page offered links for %1, not %2.</source>
        <extracomment>%1 and %2 are languages as the page names them.</extracomment>
        <translation>Страница предложила ссылки для языка «%1», а не «%2».</translation>
    </message>
    <message>
        <source>Nothing was downloaded. </source>
        <translation>Ничего не скачано. </translation>
    </message>
    <message>
        <source>Page Not Loaded</source>
        <translation>Страница не загружена</translation>
    </message>
    <message>
        <source>The download page could not be loaded.</source>
        <translation>Не удалось загрузить страницу скачивания.</translation>
    </message>
    <message>
        <source>Page Not Answering</source>
        <translation>Страница не отвечает</translation>
    </message>
    <message>
        <source>The download page did not answer in time.</source>
        <translation>Страница скачивания не ответила вовремя.</translation>
    </message>
    <message>
        <source>No Editions Offered</source>
        <translation>Выпуски не предложены</translation>
    </message>
    <message>
        <source>The download page offered no editions.</source>
        <translation>Страница скачивания не предложила ни одного выпуска.</translation>
    </message>
    <message>
        <source>No Languages Offered</source>
        <translation>Языки не предложены</translation>
    </message>
    <message>
        <source>The download page offered no languages for this edition.</source>
        <translation>Страница скачивания не предложила ни одного языка для этого выпуска.</translation>
    </message>
    <message>
        <source>No Download Links</source>
        <translation>Нет ссылок для скачивания</translation>
    </message>
    <message>
        <source>The download page gave no download links for this choice.</source>
        <translation>Страница скачивания не дала ссылок для этого выбора.</translation>
    </message>
    <message>
        <source>Link Leads Nowhere</source>
        <translation>Ссылка никуда не ведёт</translation>
    </message>
    <message>
        <source>The download page&apos;s link for this choice leads to no file.</source>
        <translation>Ссылка страницы скачивания для этого выбора не ведёт ни к какому файлу.</translation>
    </message>
    <message>
        <source>Link Leads to a Web Page</source>
        <translation>Ссылка ведёт на веб-страницу</translation>
    </message>
    <message>
        <source>Microsoft&apos;s link for this ISO leads to a web page, not to the file.</source>
        <translation>Ссылка Microsoft на этот ISO ведёт на веб-страницу, а не на файл.</translation>
    </message>
    <message>
        <source>Page Reported a Problem</source>
        <translation>Страница сообщила о проблеме</translation>
    </message>
    <message>
        <source>The download page could not give a link for this choice.</source>
        <translation>Страница скачивания не смогла дать ссылку для этого выбора.</translation>
    </message>
    <message>
        <source>The %1 ISO is left out: %2</source>
        <extracomment>%1 is an architecture (x64, arm64), %2 why its link is of no use.</extracomment>
        <translation>ISO %1 пропущен: %2</translation>
    </message>
    <message>
        <source>%1

Such a block usually lasts about 24 hours for your internet address. A VPN, proxy or anonymiser often causes it; another network may work. Trying again at once makes the block last longer.</source>
        <extracomment>%1 is the message code and session id, one a line.</extracomment>
        <translation>%1

Такая блокировка обычно длится около 24 часов для вашего интернет-адреса. Часто её вызывает VPN, прокси или анонимайзер; другая сеть может сработать. Повторные попытки сразу же продлевают блокировку.</translation>
    </message>
    <message>
        <source>Message code: %1
Session ID: %2</source>
        <translation>Код сообщения: %1
ИД сеанса: %2</translation>
    </message>
    <message>
        <source>(not given)</source>
        <translation>(не указан)</translation>
    </message>
</context>
<context>
    <name>ResultBoxes</name>
    <message>
        <source>Microsoft Refused the Request</source>
        <translation>Microsoft отклонила запрос</translation>
    </message>
    <message>
        <source>Copy Code and Session ID</source>
        <translation>Копировать код и ИД сеанса</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Показать в папке</translation>
    </message>
    <message>
        <source>Build the ISO from Microsoft&apos;s installation files instead</source>
        <translation>Вместо этого создать ISO из установочных файлов Microsoft</translation>
    </message>
</context>
<context>
    <name>SizeFormat</name>
    <message>
        <source>%1h %2m</source>
        <extracomment>Hours and minutes left.</extracomment>
        <translation>%1 ч %2 мин</translation>
    </message>
    <message>
        <source>%1m %2s</source>
        <extracomment>Minutes and seconds left.</extracomment>
        <translation>%1 мин %2 с</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>Seconds left.</extracomment>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>Downloaded: %1 / %2 | Speed: %3 | ETA: %4</source>
        <extracomment>%1 of %2 downloaded, at the speed %3, for the time left %4.</extracomment>
        <translation>Скачано: %1 / %2 | Скорость: %3 | Осталось: %4</translation>
    </message>
    <message numerus="yes">
        <source> | %n connections</source>
        <extracomment>Joins the status line after the speed and the time left.</extracomment>
        <translation>
            <numerusform> | %n подключение</numerusform>
            <numerusform> | %n подключения</numerusform>
            <numerusform> | %n подключений</numerusform>
        </translation>
    </message>
</context>
</TS>
