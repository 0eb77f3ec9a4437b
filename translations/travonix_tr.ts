<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>AboutBox</name>
    <message>
        <source>Travonix

Version %1.%2.%3.%4 (Build: %5)

Copyright © 2024-%6 Zamrel Software.
All rights reserved.</source>
        <extracomment>%1 to %4 are the four version numbers, %5 the build date, %6 its year.</extracomment>
        <translation>Travonix

Sürüm %1.%2.%3.%4 (Derleme: %5)

Telif hakkı © 2024-%6 Zamrel Software.
Tüm hakları saklıdır.</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <extracomment>%1 is the name of the language the window is in, in that language (&quot;Deutsch&quot;).</extracomment>
        <translation>Dil: %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
</context>
<context>
    <name>CatalogChoices</name>
    <message>
        <source>Windows 11 (built from installation files)</source>
        <translation>Windows 11 (yükleme dosyalarından)</translation>
    </message>
    <message>
        <source>Windows 11 ARM64 (built from installation files)</source>
        <translation>Windows 11 ARM64 (yükleme dosyalarından)</translation>
    </message>
    <message>
        <source>Windows 10 (built from installation files)</source>
        <translation>Windows 10 (yükleme dosyalarından)</translation>
    </message>
    <message>
        <source>The product catalog lists no file for this product.</source>
        <translation>Ürün kataloğu bu ürün için hiç dosya listelemiyor.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog lists build %1, older than the current release %2 (build %3): it may be a stale copy; a later try may get the newer one.</source>
        <translation>Microsoft&apos;un ürün kataloğu, geçerli %2 sürümünden (derleme %3) daha eski olan %1 derlemesini listeliyor: eski bir kopya olabilir; daha sonraki bir deneme yenisini alabilir.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog names no build.</source>
        <translation>Microsoft&apos;un ürün kataloğu hiç derleme belirtmiyor.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog, build %1</source>
        <translation>Microsoft&apos;un ürün kataloğu, derleme %1</translation>
    </message>
</context>
<context>
    <name>DigestVerdict</name>
    <message>
        <source>Microsoft publishes no SHA-256 for this file; its SHA-256 is %1</source>
        <translation>Microsoft bu dosya için SHA-256 yayımlamıyor; dosyanın SHA-256 değeri: %1</translation>
    </message>
    <message>
        <source>Microsoft publishes no SHA-256 for this file, so it was not checked.</source>
        <translation>Microsoft bu dosya için SHA-256 yayımlamıyor, bu yüzden dosya denetlenmedi.</translation>
    </message>
    <message>
        <source>Its SHA-256 matches the value Microsoft publishes:
%1</source>
        <translation>Dosyanın SHA-256 değeri Microsoft&apos;un yayımladığı değerle eşleşiyor:
%1</translation>
    </message>
    <message>
        <source>Warning: its SHA-256 matches the value Microsoft publishes for &quot;%1&quot;, not the one for the language and architecture you chose:
%2</source>
        <extracomment>%1 is the row of the page&apos;s table of SHA-256 values, %2 the file&apos;s SHA-256.</extracomment>
        <translation>Uyarı: dosyanın SHA-256 değeri, seçtiğiniz dil ve mimarinin değeriyle değil, Microsoft&apos;un &quot;%1&quot; için yayımladığı değerle eşleşiyor:
%2</translation>
    </message>
    <message>
        <source>The downloaded file is not an ISO image: it lacks the length the server announced or the volume descriptors every ISO image begins with. It was not saved as %1, which is as it was.

Its SHA-256: %2

The downloaded bytes are kept in %3. Try the download again later.</source>
        <translation>İndirilen dosya bir ISO görüntüsü değil: sunucunun bildirdiği uzunluğa ya da her ISO görüntüsünün başladığı birim tanımlayıcılarına sahip değil. Dosya %1 olarak kaydedilmedi; o dosya olduğu gibi duruyor.

SHA-256 değeri: %2

İndirilen veriler %3 içinde tutuluyor. İndirmeyi daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>The downloaded file is the %1 one, not the %2 one you chose: its SHA-256 matches the value Microsoft publishes for &quot;%3&quot;. It was not saved as %4, which is as it was.

Downloaded: %5

The downloaded bytes are kept in %6.</source>
        <extracomment>%1 and %2 are languages, %3 the row of the page&apos;s table, %4 the file chosen, %5 a SHA-256, %6 a path.</extracomment>
        <translation>İndirilen dosya, seçtiğiniz %2 dosyası değil, %1 dosyası: SHA-256 değeri Microsoft&apos;un &quot;%3&quot; için yayımladığı değerle eşleşiyor. Dosya %4 olarak kaydedilmedi; o dosya olduğu gibi duruyor.

İndirilen: %5

İndirilen veriler %6 içinde tutuluyor.</translation>
    </message>
    <message>
        <source>(none listed for this language and architecture)</source>
        <translation>(bu dil ve mimari için listelenmemiş)</translation>
    </message>
    <message>
        <source>The downloaded file does not match the SHA-256 that Microsoft publishes, so it was not saved as %1, which is as it was.

Published: %2
Downloaded: %3

The downloaded bytes are kept in %4.</source>
        <translation>İndirilen dosya Microsoft&apos;un yayımladığı SHA-256 değeriyle eşleşmiyor, bu yüzden %1 olarak kaydedilmedi; o dosya olduğu gibi duruyor.

Yayımlanan: %2
İndirilen: %3

İndirilen veriler %4 içinde tutuluyor.</translation>
    </message>
    <message>
        <source>Its %1 matches the value of Microsoft&apos;s product catalog:
%2</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 its value.</extracomment>
        <translation>Dosyanın %1 değeri Microsoft&apos;un ürün kataloğundaki değerle eşleşiyor:
%2</translation>
    </message>
    <message>
        <source>The downloaded file does not match the %1 of Microsoft&apos;s product catalog, so it was not saved as %2, which is as it was.

Published: %3
Downloaded: %4

The downloaded bytes are kept in %5.</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 the file chosen, %3 and %4 digests, %5 a path.</extracomment>
        <translation>İndirilen dosya Microsoft&apos;un ürün kataloğundaki %1 değeriyle eşleşmiyor, bu yüzden %2 olarak kaydedilmedi; o dosya olduğu gibi duruyor.

Yayımlanan: %3
İndirilen: %4

İndirilen veriler %5 içinde tutuluyor.</translation>
    </message>
</context>
<context>
    <name>DownloadFailure</name>
    <message>
        <source>Not enough disk space for %1. Free some space and start the download again to continue where it stopped.</source>
        <translation>%1 için yeterli disk alanı yok. Biraz yer açın ve kaldığı yerden devam etmek için indirmeyi yeniden başlatın.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>%1 konumuna yazılamıyor: %2</translation>
    </message>
    <message>
        <source>Only %1 links can be downloaded, and this one is not: %2</source>
        <extracomment>%1 is the scheme allowed (https), %2 the link.</extracomment>
        <translation>Yalnızca %1 bağlantıları indirilebilir, bu bağlantı öyle değil: %2</translation>
    </message>
    <message>
        <source>The file name %1 holds control characters, which no file should have; choose another name.</source>
        <translation>%1 dosya adı, hiçbir dosyada olmaması gereken denetim karakterleri içeriyor; başka bir ad seçin.</translation>
    </message>
    <message>
        <source>The downloaded data is gone: %1</source>
        <translation>İndirilen veriler artık yok: %1</translation>
    </message>
    <message>
        <source>Cannot move the download to %1: %2</source>
        <translation>İndirilen dosya %1 konumuna taşınamıyor: %2</translation>
    </message>
    <message>
        <source>The server keeps sending the wrong part of the file.</source>
        <translation>Sunucu dosyanın yanlış bölümünü göndermeye devam ediyor.</translation>
    </message>
    <message>
        <source>Another download of this file is running, and %1 is in use by it. Let that one finish, or stop it and start again.</source>
        <translation>Bu dosyanın başka bir indirmesi sürüyor ve %1 onun tarafından kullanılıyor. Onun bitmesini bekleyin ya da durdurup yeniden başlayın.</translation>
    </message>
    <message>
        <source>Cannot create file: %1: %2</source>
        <translation>Dosya oluşturulamıyor: %1: %2</translation>
    </message>
</context>
<context>
    <name>DownloadQuestions</name>
    <message>
        <source>Download in Progress</source>
        <translation>İndirme Sürüyor</translation>
    </message>
    <message>
        <source>The ISO is still downloading (%1).

Keep the part to continue it later, discard it, or keep downloading?</source>
        <translation>ISO hâlâ indiriliyor (%1).

Daha sonra devam etmek için indirilen bölüm korunsun mu, atılsın mı, yoksa indirmeye devam edilsin mi?</translation>
    </message>
    <message>
        <source>Keep the Part</source>
        <translation>Bölümü Koru</translation>
    </message>
    <message>
        <source>Discard It</source>
        <translation>At</translation>
    </message>
    <message>
        <source>Keep Downloading</source>
        <translation>İndirmeye Devam Et</translation>
    </message>
    <message>
        <source>Cancel Download</source>
        <translation>İndirmeyi İptal Et</translation>
    </message>
    <message>
        <source>%1 of the ISO are downloaded.

Discard them, or pause and keep them to continue later?</source>
        <translation>ISO&apos;nun %1 kadarı indirildi.

Bunlar atılsın mı, yoksa duraklatılıp daha sonra devam etmek için korunsun mu?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>At</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Continue Download</source>
        <translation>İndirmeye Devam Et</translation>
    </message>
    <message>
        <source>An earlier download of this ISO left %1 in %2.

Continue where it stopped, or start over?</source>
        <translation>Bu ISO&apos;nun önceki bir indirmesi %2 içinde %1 bıraktı.

Kaldığı yerden devam edilsin mi, yoksa baştan mı başlansın?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam Et</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Baştan Başla</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>EsdPlace</name>
    <message>
        <source>%1 has %2 free; the ESD and the media built from it need about %3.</source>
        <extracomment>%1 is a folder, %2 and %3 sizes.</extracomment>
        <translation>%1 içinde %2 boş alan var; ESD dosyası ve ondan oluşturulan medya için yaklaşık %3 gerekiyor.</translation>
    </message>
</context>
<context>
    <name>ExistingFile</name>
    <message>
        <source>Already Downloaded</source>
        <translation>Zaten İndirildi</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Koru</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Yeniden İndir</translation>
    </message>
    <message>
        <source>Checking the file already there…</source>
        <translation>Mevcut dosya denetleniyor…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Denetleniyor</translation>
    </message>
    <message>
        <source>%1 is already there, and its %2 matches the value Microsoft publishes:
%3

Keep it instead of downloading it again?</source>
        <extracomment>%1 is the file&apos;s path, %2 the digest&apos;s name (SHA-1, SHA-256), %3 its value.</extracomment>
        <translation>%1 zaten var ve %2 değeri Microsoft&apos;un yayımladığı değerle eşleşiyor:
%3

Yeniden indirmek yerine bu dosya korunsun mu?</translation>
    </message>
</context>
<context>
    <name>LinkExpiry</name>
    <message>
        <source>Link valid until %1</source>
        <extracomment>%1 is the local date and time.</extracomment>
        <translation>Bağlantı şu zamana kadar geçerli: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Loading Microsoft download page...</source>
        <translation>İndirme sayfası yükleniyor...</translation>
    </message>
    <message>
        <source>Extracting available editions...</source>
        <translation>Sürümler alınıyor...</translation>
    </message>
    <message>
        <source>Loading language options...</source>
        <translation>Dil seçenekleri yükleniyor...</translation>
    </message>
    <message>
        <source>Extracting available languages...</source>
        <translation>Kullanılabilir diller alınıyor...</translation>
    </message>
    <message>
        <source>Submitting your selection...</source>
        <translation>Seçiminiz gönderiliyor...</translation>
    </message>
    <message>
        <source>Extracting download links...</source>
        <translation>Bağlantılar alınıyor...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Hazır</translation>
    </message>
    <message>
        <source>Download Windows 10/11 ISO from Microsoft&apos;s official website</source>
        <translation>Windows 10/11 ISO&apos;sunu Microsoft&apos;un resmi web sitesinden indirin</translation>
    </message>
    <message>
        <source>Please select the Windows version you&apos;d like to download</source>
        <translation>İndirmek istediğiniz Windows sürümünü seçin</translation>
    </message>
    <message>
        <source>Download link:</source>
        <translation>İndirme bağlantısı:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Windows:</translation>
    </message>
    <message>
        <source>Edition:</source>
        <translation>Sürüm:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Dil:</translation>
    </message>
    <message>
        <source>Architecture:</source>
        <translation>Mimari:</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Bağlantıyı Kopyala</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>The button that asks the page again; the failure boxes name it.</extracomment>
        <translation>Yeniden Dene</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Free: make a bootable USB stick</source>
        <extracomment>A link to the maker&apos;s free USB stick tool, beside About.</extracomment>
        <translation>Ücretsiz: önyüklemeli USB</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>The button that saves the ISO (a verb); it reads Cancel while the file downloads.</extracomment>
        <translation>İndir</translation>
    </message>
    <message>
        <source>Checking the part already downloaded… %1%</source>
        <extracomment>%1 is how much of the part is checked, in percent.</extracomment>
        <translation>Zaten indirilen bölüm denetleniyor… %%1</translation>
    </message>
    <message>
        <source>Unsupported OS</source>
        <translation>Desteklenmeyen İşletim Sistemi</translation>
    </message>
    <message>
        <source>This feature requires Windows 8.1 or higher.

Please upgrade your operating system.</source>
        <translation>Bu özellik Windows 8.1 veya üstünü gerektirir.

Lütfen işletim sisteminizi yükseltin.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Yükleniyor...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>choose Retry to load the download page again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>indirme sayfasını yeniden yüklemek için Yeniden Dene&apos;yi seçin</translation>
    </message>
    <message>
        <source>choose Retry to ask for the edition&apos;s languages again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>sürümün dillerini yeniden istemek için Yeniden Dene&apos;yi seçin</translation>
    </message>
    <message>
        <source>choose Retry to ask for the download links again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>indirme bağlantılarını yeniden istemek için Yeniden Dene&apos;yi seçin</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Lütfen bekleyin...</translation>
    </message>
    <message>
        <source>Request cancelled</source>
        <translation>İstek iptal edildi</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>%1 is the page&apos;s or the scraper&apos;s own message, in English.</extracomment>
        <translation>Hata: %1</translation>
    </message>
    <message>
        <source>%1 %2

Detail: %3</source>
        <extracomment>What went wrong, what to do, then the scraper&apos;s own message in English.</extracomment>
        <translation>%1 %2

Ayrıntı: %3</translation>
    </message>
    <message>
        <source>No Editions</source>
        <translation>Sürüm Yok</translation>
    </message>
    <message>
        <source>No editions found. The page may require manual verification (CAPTCHA).</source>
        <translation>Hiç sürüm bulunamadı. Sayfa elle doğrulama (CAPTCHA) gerektiriyor olabilir.</translation>
    </message>
    <message>
        <source>No Languages</source>
        <translation>Dil Yok</translation>
    </message>
    <message>
        <source>No languages found.</source>
        <translation>Hiç dil bulunamadı.</translation>
    </message>
    <message>
        <source>No Links</source>
        <translation>Bağlantı Yok</translation>
    </message>
    <message>
        <source>No download links found.</source>
        <translation>Hiç indirme bağlantısı bulunamadı.</translation>
    </message>
    <message>
        <source>Download link copied to clipboard!</source>
        <translation>İndirme bağlantısı panoya kopyalandı!</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>İndirme iptal edildi</translation>
    </message>
    <message>
        <source>The link has expired; getting a fresh one...</source>
        <translation>Bağlantının süresi doldu; yenisi alınıyor...</translation>
    </message>
    <message>
        <source>The page no longer offers the %1 ISO; choose another architecture.</source>
        <translation>Sayfa artık %1 ISO&apos;sunu sunmuyor; başka bir mimari seçin.</translation>
    </message>
    <message>
        <source>No Selection</source>
        <translation>Seçim Yok</translation>
    </message>
    <message>
        <source>Please select a download option.</source>
        <translation>Lütfen bir indirme seçeneği seçin.</translation>
    </message>
    <message>
        <source>Save ISO File</source>
        <translation>ISO Dosyasını Kaydet</translation>
    </message>
    <message>
        <source>ISO Files (*.iso)</source>
        <translation>ISO Dosyaları (*.iso)</translation>
    </message>
    <message>
        <source>Kept the verified file already there: %1</source>
        <translation>Zaten var olan doğrulanmış dosya korundu: %1</translation>
    </message>
    <message>
        <source>Check cancelled</source>
        <translation>Denetim iptal edildi</translation>
    </message>
    <message>
        <source>Starting download...</source>
        <translation>İndirme başlatılıyor...</translation>
    </message>
    <message>
        <source>%p%  ·  %1  ·  %2 left</source>
        <extracomment>Inside the progress bar: %p% is the percentage, %1 the speed, %2 the time left.</extracomment>
        <translation>%p%  ·  %1  ·  %2 kaldı</translation>
    </message>
    <message>
        <source>Download complete: %1</source>
        <translation>İndirme tamamlandı: %1</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>İndirme Tamamlandı</translation>
    </message>
    <message>
        <source>The file has been downloaded successfully:
%1

%2</source>
        <translation>Dosya başarıyla indirildi:
%1

%2</translation>
    </message>
    <message>
        <source>The file server refused the download link, and a fresh one as well. Choose Retry to get another.</source>
        <translation>Dosya sunucusu indirme bağlantısını ve yeni bir bağlantıyı da reddetti. Başka bir bağlantı almak için Yeniden Dene&apos;yi seçin.</translation>
    </message>
    <message>
        <source>The link expired during the download; getting a fresh one to continue...</source>
        <translation>İndirme sırasında bağlantının süresi doldu; devam etmek için yenisi alınıyor...</translation>
    </message>
    <message>
        <source>Not verified: %1</source>
        <translation>Doğrulanmadı: %1</translation>
    </message>
    <message>
        <source>Download Not Verified</source>
        <translation>İndirme Doğrulanmadı</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>İndirme başarısız oldu: %1</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>İndirme Hatası</translation>
    </message>
    <message>
        <source>Failed to download:
%1</source>
        <translation>İndirilemedi:
%1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Sürdür</translation>
    </message>
    <message>
        <source>Paused with %1 downloaded; choose Resume to continue.</source>
        <translation>%1 indirilmişken duraklatıldı; devam etmek için Sürdür&apos;ü seçin.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Bytes downloaded of the file&apos;s size: &quot;1.20 GB of 5.40 GB&quot;.</extracomment>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Another download is writing %1. Wait for it to end, or choose another destination.</source>
        <translation>Başka bir indirme %1 dosyasına yazıyor. Bitmesini bekleyin ya da başka bir hedef seçin.</translation>
    </message>
    <message>
        <source>Could not empty the earlier part %1.</source>
        <translation>Önceki %1 bölümü boşaltılamadı.</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>İndirme tamamlandı</translation>
    </message>
    <message>
        <source>Loading Microsoft&apos;s product catalog...</source>
        <translation>Microsoft kataloğu yükleniyor...</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>Yeterli boş alan yok</translation>
    </message>
    <message>
        <source>Not Enough Space</source>
        <translation>Yeterli Alan Yok</translation>
    </message>
    <message>
        <source>%1

Free some space there, or choose another folder.</source>
        <translation>%1

Orada biraz yer açın ya da başka bir klasör seçin.</translation>
    </message>
    <message>
        <source>The ESD&apos;s %1 matches Microsoft&apos;s product catalog: %2</source>
        <translation>ESD dosyasının %1 değeri Microsoft&apos;un ürün kataloğuyla eşleşiyor: %2</translation>
    </message>
    <message>
        <source>Building the ISO...</source>
        <translation>ISO oluşturuluyor...</translation>
    </message>
    <message>
        <source>Building the ISO: %1</source>
        <translation>ISO oluşturuluyor: %1</translation>
    </message>
    <message>
        <source>Building the ISO cancelled</source>
        <translation>ISO oluşturma iptal edildi</translation>
    </message>
    <message>
        <source>Building the ISO failed</source>
        <translation>ISO oluşturulamadı</translation>
    </message>
    <message>
        <source>Building the ISO Failed</source>
        <translation>ISO Oluşturulamadı</translation>
    </message>
    <message>
        <source>Computing the ISO&apos;s SHA-256...</source>
        <translation>ISO&apos;nun SHA-256 değeri hesaplanıyor...</translation>
    </message>
    <message>
        <source>ISO built: %1</source>
        <translation>ISO oluşturuldu: %1</translation>
    </message>
    <message>
        <source>The ISO was built from Microsoft&apos;s installation files (ESD):
%1

%2

SHA-256 of the ISO: %3</source>
        <translation>ISO, Microsoft&apos;un yükleme dosyalarından (ESD) oluşturuldu:
%1

%2

ISO&apos;nun SHA-256 değeri: %3</translation>
    </message>
    <message>
        <source>ISO Built</source>
        <translation>ISO Oluşturuldu</translation>
    </message>
    <message>
        <source>The installation files&apos; name is taken</source>
        <translation>Yükleme dosyalarının adı kullanımda</translation>
    </message>
    <message>
        <source>File Already There</source>
        <translation>Dosya Zaten Var</translation>
    </message>
    <message>
        <source>%1 is already there and is not the ESD file of Microsoft&apos;s product catalog. The installation files are downloaded under that name, beside the ISO, and removed once it is built: move that file away, or choose another name for the ISO.</source>
        <translation>%1 zaten var ve Microsoft&apos;un ürün kataloğundaki ESD dosyası değil. Yükleme dosyaları bu adla ISO&apos;nun yanına indirilir ve ISO oluşturulunca kaldırılır: o dosyayı başka yere taşıyın ya da ISO için başka bir ad seçin.</translation>
    </message>
</context>
<context>
    <name>PageFailure</name>
    <message>
        <source>Check the internet connection, then %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>İnternet bağlantısını denetleyin, ardından %1.</translation>
    </message>
    <message>
        <source>In a while, %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>Bir süre sonra %1.</translation>
    </message>
    <message>
        <source>Language Not Offered</source>
        <translation>Dil Sunulmuyor</translation>
    </message>
    <message>
        <source>The download page does not offer %1.</source>
        <extracomment>%1 is a language as the page names it.</extracomment>
        <translation>İndirme sayfası %1 dilini sunmuyor.</translation>
    </message>
    <message>
        <source>Choose one of the languages it lists.</source>
        <translation>Listelenen dillerden birini seçin.</translation>
    </message>
    <message>
        <source>Wrong Language Offered</source>
        <translation>Yanlış Dil Sunuldu</translation>
    </message>
    <message>
        <source>The page offered links for %1, not %2.</source>
        <extracomment>%1 and %2 are languages as the page names them.</extracomment>
        <translation>Sayfa %2 için değil, %1 için bağlantılar sundu.</translation>
    </message>
    <message>
        <source>Nothing was downloaded. </source>
        <translation>Hiçbir şey indirilmedi. </translation>
    </message>
    <message>
        <source>Page Not Loaded</source>
        <translation>Sayfa Yüklenmedi</translation>
    </message>
    <message>
        <source>The download page could not be loaded.</source>
        <translation>İndirme sayfası yüklenemedi.</translation>
    </message>
    <message>
        <source>Page Not Answering</source>
        <translation>Sayfa Yanıt Vermiyor</translation>
    </message>
    <message>
        <source>The download page did not answer in time.</source>
        <translation>İndirme sayfası zamanında yanıt vermedi.</translation>
    </message>
    <message>
        <source>No Editions Offered</source>
        <translation>Sürüm Sunulmadı</translation>
    </message>
    <message>
        <source>The download page offered no editions.</source>
        <translation>İndirme sayfası hiç sürüm sunmadı.</translation>
    </message>
    <message>
        <source>No Languages Offered</source>
        <translation>Dil Sunulmadı</translation>
    </message>
    <message>
        <source>The download page offered no languages for this edition.</source>
        <translation>İndirme sayfası bu sürüm için hiç dil sunmadı.</translation>
    </message>
    <message>
        <source>No Download Links</source>
        <translation>İndirme Bağlantısı Yok</translation>
    </message>
    <message>
        <source>The download page gave no download links for this choice.</source>
        <translation>İndirme sayfası bu seçim için hiç indirme bağlantısı vermedi.</translation>
    </message>
    <message>
        <source>Link Leads Nowhere</source>
        <translation>Bağlantı Hiçbir Yere Gitmiyor</translation>
    </message>
    <message>
        <source>The download page&apos;s link for this choice leads to no file.</source>
        <translation>İndirme sayfasının bu seçim için verdiği bağlantı hiçbir dosyaya gitmiyor.</translation>
    </message>
    <message>
        <source>Link Leads to a Web Page</source>
        <translation>Bağlantı Bir Web Sayfasına Gidiyor</translation>
    </message>
    <message>
        <source>Microsoft&apos;s link for this ISO leads to a web page, not to the file.</source>
        <translation>Microsoft&apos;un bu ISO için verdiği bağlantı dosyaya değil, bir web sayfasına gidiyor.</translation>
    </message>
    <message>
        <source>Page Reported a Problem</source>
        <translation>Sayfa Bir Sorun Bildirdi</translation>
    </message>
    <message>
        <source>The download page could not give a link for this choice.</source>
        <translation>İndirme sayfası bu seçim için bağlantı veremedi.</translation>
    </message>
    <message>
        <source>The %1 ISO is left out: %2</source>
        <extracomment>%1 is an architecture (x64, arm64), %2 why its link is of no use.</extracomment>
        <translation>%1 ISO&apos;su dışarıda bırakıldı: %2</translation>
    </message>
    <message>
        <source>%1

Such a block usually lasts about 24 hours for your internet address. A VPN, proxy or anonymiser often causes it; another network may work. Trying again at once makes the block last longer.</source>
        <extracomment>%1 is the message code and session id, one a line.</extracomment>
        <translation>%1

Böyle bir engel, internet adresiniz için genellikle yaklaşık 24 saat sürer. Çoğunlukla bir VPN, proxy ya da anonimleştirici buna neden olur; başka bir ağ işe yarayabilir. Hemen yeniden denemek engelin süresini uzatır.</translation>
    </message>
    <message>
        <source>Message code: %1
Session ID: %2</source>
        <translation>İleti kodu: %1
Oturum kimliği: %2</translation>
    </message>
    <message>
        <source>(not given)</source>
        <translation>(verilmedi)</translation>
    </message>
</context>
<context>
    <name>ResultBoxes</name>
    <message>
        <source>Microsoft Refused the Request</source>
        <translation>Microsoft İsteği Reddetti</translation>
    </message>
    <message>
        <source>Copy Code and Session ID</source>
        <translation>Kodu ve Oturum Kimliğini Kopyala</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Klasörde Göster</translation>
    </message>
    <message>
        <source>Build the ISO from Microsoft&apos;s installation files instead</source>
        <translation>Bunun yerine ISO&apos;yu Microsoft&apos;un yükleme dosyalarından oluştur</translation>
    </message>
</context>
<context>
    <name>SizeFormat</name>
    <message>
        <source>%1h %2m</source>
        <extracomment>Hours and minutes left.</extracomment>
        <translation>%1 sa %2 dk</translation>
    </message>
    <message>
        <source>%1m %2s</source>
        <extracomment>Minutes and seconds left.</extracomment>
        <translation>%1 dk %2 sn</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>Seconds left.</extracomment>
        <translation>%1 sn</translation>
    </message>
    <message>
        <source>Downloaded: %1 / %2 | Speed: %3 | ETA: %4</source>
        <extracomment>%1 of %2 downloaded, at the speed %3, for the time left %4.</extracomment>
        <translation>İndirilen: %1 / %2 | Hız: %3 | Kalan: %4</translation>
    </message>
    <message numerus="yes">
        <source> | %n connections</source>
        <extracomment>Joins the status line after the speed and the time left.</extracomment>
        <translation>
            <numerusform> | %n bağlantı</numerusform>
        </translation>
    </message>
</context>
</TS>
