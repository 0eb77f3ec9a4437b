<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutBox</name>
    <message>
        <source>Travonix

Version %1.%2.%3.%4 (Build: %5)

Copyright © 2024-%6 Zamrel Software.
All rights reserved.</source>
        <extracomment>%1 to %4 are the four version numbers, %5 the build date, %6 its year.</extracomment>
        <translation>Travonix

版本 %1.%2.%3.%4 (組建：%5)

著作權所有 © 2024-%6 Zamrel Software。
保留所有權利。</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <extracomment>%1 is the name of the language the window is in, in that language (&quot;Deutsch&quot;).</extracomment>
        <translation>語言：%1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
</context>
<context>
    <name>CatalogChoices</name>
    <message>
        <source>Windows 11 (built from installation files)</source>
        <translation>Windows 11 (由安裝檔案建立)</translation>
    </message>
    <message>
        <source>Windows 11 ARM64 (built from installation files)</source>
        <translation>Windows 11 ARM64 (由安裝檔案建立)</translation>
    </message>
    <message>
        <source>Windows 10 (built from installation files)</source>
        <translation>Windows 10 (由安裝檔案建立)</translation>
    </message>
    <message>
        <source>The product catalog lists no file for this product.</source>
        <translation>產品目錄中沒有此產品的檔案。</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog lists build %1, older than the current release %2 (build %3): it may be a stale copy; a later try may get the newer one.</source>
        <translation>Microsoft 產品目錄列出的是組建 %1，比目前版本 %2 (組建 %3) 舊：這可能是過時的副本；稍後再試可能會取得較新的版本。</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog names no build.</source>
        <translation>Microsoft 產品目錄未指明組建。</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog, build %1</source>
        <translation>Microsoft 產品目錄，組建 %1</translation>
    </message>
</context>
<context>
    <name>DigestVerdict</name>
    <message>
        <source>Microsoft publishes no SHA-256 for this file; its SHA-256 is %1</source>
        <translation>Microsoft 未發佈此檔案的 SHA-256；其 SHA-256 為 %1</translation>
    </message>
    <message>
        <source>Microsoft publishes no SHA-256 for this file, so it was not checked.</source>
        <translation>Microsoft 未發佈此檔案的 SHA-256，因此未進行驗證。</translation>
    </message>
    <message>
        <source>Its SHA-256 matches the value Microsoft publishes:
%1</source>
        <translation>其 SHA-256 與 Microsoft 發佈的值相符：
%1</translation>
    </message>
    <message>
        <source>Warning: its SHA-256 matches the value Microsoft publishes for &quot;%1&quot;, not the one for the language and architecture you chose:
%2</source>
        <extracomment>%1 is the row of the page&apos;s table of SHA-256 values, %2 the file&apos;s SHA-256.</extracomment>
        <translation>警告：其 SHA-256 與 Microsoft 為「%1」發佈的值相符，而不是您所選語言和架構的值：
%2</translation>
    </message>
    <message>
        <source>The downloaded file is not an ISO image: it lacks the length the server announced or the volume descriptors every ISO image begins with. It was not saved as %1, which is as it was.

Its SHA-256: %2

The downloaded bytes are kept in %3. Try the download again later.</source>
        <translation>下載的檔案不是 ISO 映像：它沒有伺服器宣告的長度，或缺少每個 ISO 映像開頭的磁碟區描述元。它未儲存為 %1，%1 維持原狀。

其 SHA-256: %2

下載的資料保留在 %3 中。請稍後再下載一次。</translation>
    </message>
    <message>
        <source>The downloaded file is the %1 one, not the %2 one you chose: its SHA-256 matches the value Microsoft publishes for &quot;%3&quot;. It was not saved as %4, which is as it was.

Downloaded: %5

The downloaded bytes are kept in %6.</source>
        <extracomment>%1 and %2 are languages, %3 the row of the page&apos;s table, %4 the file chosen, %5 a SHA-256, %6 a path.</extracomment>
        <translation>下載的檔案是 %1 版本，而不是您選擇的 %2 版本：其 SHA-256 與 Microsoft 為「%3」發佈的值相符。它未儲存為 %4，%4 維持原狀。

下載的檔案：%5

下載的資料保留在 %6 中。</translation>
    </message>
    <message>
        <source>(none listed for this language and architecture)</source>
        <translation>(未列出此語言和架構的值)</translation>
    </message>
    <message>
        <source>The downloaded file does not match the SHA-256 that Microsoft publishes, so it was not saved as %1, which is as it was.

Published: %2
Downloaded: %3

The downloaded bytes are kept in %4.</source>
        <translation>下載的檔案與 Microsoft 發佈的 SHA-256 不符，因此未儲存為 %1，%1 維持原狀。

發佈的值：%2
下載的檔案：%3

下載的資料保留在 %4 中。</translation>
    </message>
    <message>
        <source>Its %1 matches the value of Microsoft&apos;s product catalog:
%2</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 its value.</extracomment>
        <translation>其 %1 與 Microsoft 產品目錄中的值相符：
%2</translation>
    </message>
    <message>
        <source>The downloaded file does not match the %1 of Microsoft&apos;s product catalog, so it was not saved as %2, which is as it was.

Published: %3
Downloaded: %4

The downloaded bytes are kept in %5.</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 the file chosen, %3 and %4 digests, %5 a path.</extracomment>
        <translation>下載的檔案與 Microsoft 產品目錄中的 %1 不符，因此未儲存為 %2，%2 維持原狀。

發佈的值：%3
下載的檔案：%4

下載的資料保留在 %5 中。</translation>
    </message>
</context>
<context>
    <name>DownloadFailure</name>
    <message>
        <source>Not enough disk space for %1. Free some space and start the download again to continue where it stopped.</source>
        <translation>%1 的磁碟空間不足。請釋放一些空間，然後重新開始下載，從中斷處繼續。</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>無法寫入 %1: %2</translation>
    </message>
    <message>
        <source>Only %1 links can be downloaded, and this one is not: %2</source>
        <extracomment>%1 is the scheme allowed (https), %2 the link.</extracomment>
        <translation>只能下載 %1 連結，而此連結不是：%2</translation>
    </message>
    <message>
        <source>The file name %1 holds control characters, which no file should have; choose another name.</source>
        <translation>檔案名稱 %1 含有控制字元，任何檔案都不應包含這些字元；請選擇其他名稱。</translation>
    </message>
    <message>
        <source>The downloaded data is gone: %1</source>
        <translation>下載的資料已不存在：%1</translation>
    </message>
    <message>
        <source>Cannot move the download to %1: %2</source>
        <translation>無法將下載的檔案移至 %1: %2</translation>
    </message>
    <message>
        <source>The server keeps sending the wrong part of the file.</source>
        <translation>伺服器一直傳送檔案的錯誤部分。</translation>
    </message>
    <message>
        <source>Another download of this file is running, and %1 is in use by it. Let that one finish, or stop it and start again.</source>
        <translation>此檔案的另一個下載正在進行，%1 正由它使用。請等它完成，或停止它後重新開始。</translation>
    </message>
    <message>
        <source>Cannot create file: %1: %2</source>
        <translation>無法建立檔案：%1: %2</translation>
    </message>
</context>
<context>
    <name>DownloadQuestions</name>
    <message>
        <source>Download in Progress</source>
        <translation>正在下載</translation>
    </message>
    <message>
        <source>The ISO is still downloading (%1).

Keep the part to continue it later, discard it, or keep downloading?</source>
        <translation>ISO 仍在下載 (%1)。

要保留已下載的部分以便稍後繼續、捨棄它，還是繼續下載？</translation>
    </message>
    <message>
        <source>Keep the Part</source>
        <translation>保留部分</translation>
    </message>
    <message>
        <source>Discard It</source>
        <translation>捨棄</translation>
    </message>
    <message>
        <source>Keep Downloading</source>
        <translation>繼續下載</translation>
    </message>
    <message>
        <source>Cancel Download</source>
        <translation>取消下載</translation>
    </message>
    <message>
        <source>%1 of the ISO are downloaded.

Discard them, or pause and keep them to continue later?</source>
        <translation>ISO 已下載 %1。

要捨棄，還是暫停並保留以便稍後繼續？</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>捨棄</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Continue Download</source>
        <translation>繼續下載</translation>
    </message>
    <message>
        <source>An earlier download of this ISO left %1 in %2.

Continue where it stopped, or start over?</source>
        <translation>此 ISO 先前的一次下載在 %2 中留下了 %1。

要從中斷處繼續，還是重新開始？</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>重新開始</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>EsdPlace</name>
    <message>
        <source>%1 has %2 free; the ESD and the media built from it need about %3.</source>
        <extracomment>%1 is a folder, %2 and %3 sizes.</extracomment>
        <translation>%1 有 %2 可用空間；ESD 檔案及由其建立的媒體大約需要 %3。</translation>
    </message>
</context>
<context>
    <name>ExistingFile</name>
    <message>
        <source>Already Downloaded</source>
        <translation>已下載</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>保留</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>重新下載</translation>
    </message>
    <message>
        <source>Checking the file already there…</source>
        <translation>正在檢查現有的檔案…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>檢查中</translation>
    </message>
    <message>
        <source>%1 is already there, and its %2 matches the value Microsoft publishes:
%3

Keep it instead of downloading it again?</source>
        <extracomment>%1 is the file&apos;s path, %2 the digest&apos;s name (SHA-1, SHA-256), %3 its value.</extracomment>
        <translation>%1 已存在，且其 %2 與 Microsoft 發佈的值相符：
%3

要保留它而不重新下載嗎？</translation>
    </message>
</context>
<context>
    <name>LinkExpiry</name>
    <message>
        <source>Link valid until %1</source>
        <extracomment>%1 is the local date and time.</extracomment>
        <translation>連結有效期限至 %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Loading Microsoft download page...</source>
        <translation>正在載入 Microsoft 下載頁面...</translation>
    </message>
    <message>
        <source>Extracting available editions...</source>
        <translation>正在取得可用的版本...</translation>
    </message>
    <message>
        <source>Loading language options...</source>
        <translation>正在載入語言選項...</translation>
    </message>
    <message>
        <source>Extracting available languages...</source>
        <translation>正在取得可用的語言...</translation>
    </message>
    <message>
        <source>Submitting your selection...</source>
        <translation>正在提交您的選擇...</translation>
    </message>
    <message>
        <source>Extracting download links...</source>
        <translation>正在取得下載連結...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就緒</translation>
    </message>
    <message>
        <source>Download Windows 10/11 ISO from Microsoft&apos;s official website</source>
        <translation>從 Microsoft 官方網站下載 Windows 10/11 ISO</translation>
    </message>
    <message>
        <source>Please select the Windows version you&apos;d like to download</source>
        <translation>請選擇要下載的 Windows 產品</translation>
    </message>
    <message>
        <source>Download link:</source>
        <translation>下載連結：</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>產品：</translation>
    </message>
    <message>
        <source>Edition:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>語言：</translation>
    </message>
    <message>
        <source>Architecture:</source>
        <translation>架構：</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>複製連結</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>The button that asks the page again; the failure boxes name it.</extracomment>
        <translation>重試</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Free: make a bootable USB stick</source>
        <extracomment>A link to the maker&apos;s free USB stick tool, beside About.</extracomment>
        <translation>免費：製作可開機 USB 隨身碟</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>The button that saves the ISO (a verb); it reads Cancel while the file downloads.</extracomment>
        <translation>下載</translation>
    </message>
    <message>
        <source>Checking the part already downloaded… %1%</source>
        <extracomment>%1 is how much of the part is checked, in percent.</extracomment>
        <translation>正在檢查已下載的部分… %1%</translation>
    </message>
    <message>
        <source>Unsupported OS</source>
        <translation>不支援的作業系統</translation>
    </message>
    <message>
        <source>This feature requires Windows 8.1 or higher.

Please upgrade your operating system.</source>
        <translation>此功能需要 Windows 8.1 或更新版本。

請升級您的作業系統。</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>正在載入...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>choose Retry to load the download page again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>選擇「重試」重新載入下載頁面</translation>
    </message>
    <message>
        <source>choose Retry to ask for the edition&apos;s languages again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>選擇「重試」重新要求該版本的語言</translation>
    </message>
    <message>
        <source>choose Retry to ask for the download links again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>選擇「重試」重新要求下載連結</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>正在載入，請稍候...</translation>
    </message>
    <message>
        <source>Request cancelled</source>
        <translation>要求已取消</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>%1 is the page&apos;s or the scraper&apos;s own message, in English.</extracomment>
        <translation>錯誤：%1</translation>
    </message>
    <message>
        <source>%1 %2

Detail: %3</source>
        <extracomment>What went wrong, what to do, then the scraper&apos;s own message in English.</extracomment>
        <translation>%1 %2

詳細資料：%3</translation>
    </message>
    <message>
        <source>No Editions</source>
        <translation>沒有版本</translation>
    </message>
    <message>
        <source>No editions found. The page may require manual verification (CAPTCHA).</source>
        <translation>找不到任何版本。頁面可能需要手動驗證 (CAPTCHA)。</translation>
    </message>
    <message>
        <source>No Languages</source>
        <translation>沒有語言</translation>
    </message>
    <message>
        <source>No languages found.</source>
        <translation>找不到任何語言。</translation>
    </message>
    <message>
        <source>No Links</source>
        <translation>沒有連結</translation>
    </message>
    <message>
        <source>No download links found.</source>
        <translation>找不到下載連結。</translation>
    </message>
    <message>
        <source>Download link copied to clipboard!</source>
        <translation>下載連結已複製到剪貼簿！</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>下載已取消</translation>
    </message>
    <message>
        <source>The link has expired; getting a fresh one...</source>
        <translation>連結已過期；正在取得新的連結...</translation>
    </message>
    <message>
        <source>The page no longer offers the %1 ISO; choose another architecture.</source>
        <translation>頁面不再提供 %1 ISO；請選擇其他架構。</translation>
    </message>
    <message>
        <source>No Selection</source>
        <translation>未選擇</translation>
    </message>
    <message>
        <source>Please select a download option.</source>
        <translation>請選擇下載選項。</translation>
    </message>
    <message>
        <source>Save ISO File</source>
        <translation>儲存 ISO 檔案</translation>
    </message>
    <message>
        <source>ISO Files (*.iso)</source>
        <translation>ISO 檔案 (*.iso)</translation>
    </message>
    <message>
        <source>Kept the verified file already there: %1</source>
        <translation>已保留現有的已驗證檔案：%1</translation>
    </message>
    <message>
        <source>Check cancelled</source>
        <translation>檢查已取消</translation>
    </message>
    <message>
        <source>Starting download...</source>
        <translation>正在開始下載...</translation>
    </message>
    <message>
        <source>%p%  ·  %1  ·  %2 left</source>
        <extracomment>Inside the progress bar: %p% is the percentage, %1 the speed, %2 the time left.</extracomment>
        <translation>%p%  ·  %1  ·  剩餘 %2</translation>
    </message>
    <message>
        <source>Download complete: %1</source>
        <translation>下載完成：%1</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>下載完成</translation>
    </message>
    <message>
        <source>The file has been downloaded successfully:
%1

%2</source>
        <translation>檔案已成功下載：
%1

%2</translation>
    </message>
    <message>
        <source>The file server refused the download link, and a fresh one as well. Choose Retry to get another.</source>
        <translation>檔案伺服器拒絕了下載連結，新的連結也遭拒絕。請選擇「重試」取得另一個連結。</translation>
    </message>
    <message>
        <source>The link expired during the download; getting a fresh one to continue...</source>
        <translation>下載期間連結已過期；正在取得新的連結以繼續...</translation>
    </message>
    <message>
        <source>Not verified: %1</source>
        <translation>未驗證：%1</translation>
    </message>
    <message>
        <source>Download Not Verified</source>
        <translation>下載未驗證</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>下載失敗：%1</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>下載錯誤</translation>
    </message>
    <message>
        <source>Failed to download:
%1</source>
        <translation>無法下載：
%1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Paused with %1 downloaded; choose Resume to continue.</source>
        <translation>已暫停，已下載 %1；選擇「繼續」以繼續下載。</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Bytes downloaded of the file&apos;s size: &quot;1.20 GB of 5.40 GB&quot;.</extracomment>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Another download is writing %1. Wait for it to end, or choose another destination.</source>
        <translation>另一個下載正在寫入 %1。請等它結束，或選擇其他目的地。</translation>
    </message>
    <message>
        <source>Could not empty the earlier part %1.</source>
        <translation>無法清空先前的部分 %1。</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>下載完成</translation>
    </message>
    <message>
        <source>Loading Microsoft&apos;s product catalog...</source>
        <translation>正在載入 Microsoft 產品目錄...</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>可用空間不足</translation>
    </message>
    <message>
        <source>Not Enough Space</source>
        <translation>空間不足</translation>
    </message>
    <message>
        <source>%1

Free some space there, or choose another folder.</source>
        <translation>%1

請釋放該位置的空間，或選擇其他資料夾。</translation>
    </message>
    <message>
        <source>The ESD&apos;s %1 matches Microsoft&apos;s product catalog: %2</source>
        <translation>ESD 檔案的 %1 與 Microsoft 產品目錄相符：%2</translation>
    </message>
    <message>
        <source>Building the ISO...</source>
        <translation>正在建立 ISO...</translation>
    </message>
    <message>
        <source>Building the ISO: %1</source>
        <translation>正在建立 ISO: %1</translation>
    </message>
    <message>
        <source>Building the ISO cancelled</source>
        <translation>ISO 建立已取消</translation>
    </message>
    <message>
        <source>Building the ISO failed</source>
        <translation>ISO 建立失敗</translation>
    </message>
    <message>
        <source>Building the ISO Failed</source>
        <translation>ISO 建立失敗</translation>
    </message>
    <message>
        <source>Computing the ISO&apos;s SHA-256...</source>
        <translation>正在計算 ISO 的 SHA-256...</translation>
    </message>
    <message>
        <source>ISO built: %1</source>
        <translation>ISO 已建立：%1</translation>
    </message>
    <message>
        <source>The ISO was built from Microsoft&apos;s installation files (ESD):
%1

%2

SHA-256 of the ISO: %3</source>
        <translation>ISO 已由 Microsoft 安裝檔案 (ESD) 建立：
%1

%2

ISO 的 SHA-256: %3</translation>
    </message>
    <message>
        <source>ISO Built</source>
        <translation>ISO 已建立</translation>
    </message>
    <message>
        <source>The installation files&apos; name is taken</source>
        <translation>安裝檔案的名稱已被使用</translation>
    </message>
    <message>
        <source>File Already There</source>
        <translation>檔案已存在</translation>
    </message>
    <message>
        <source>%1 is already there and is not the ESD file of Microsoft&apos;s product catalog. The installation files are downloaded under that name, beside the ISO, and removed once it is built: move that file away, or choose another name for the ISO.</source>
        <translation>%1 已存在，但它不是 Microsoft 產品目錄中的 ESD 檔案。安裝檔案會以該名稱下載到 ISO 旁邊，並在 ISO 建立後移除：請移走該檔案，或為 ISO 選擇其他名稱。</translation>
    </message>
</context>
<context>
    <name>PageFailure</name>
    <message>
        <source>Check the internet connection, then %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>請檢查網際網路連線，然後%1。</translation>
    </message>
    <message>
        <source>In a while, %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>請稍後%1。</translation>
    </message>
    <message>
        <source>Language Not Offered</source>
        <translation>未提供該語言</translation>
    </message>
    <message>
        <source>The download page does not offer %1.</source>
        <extracomment>%1 is a language as the page names it.</extracomment>
        <translation>下載頁面未提供 %1。</translation>
    </message>
    <message>
        <source>Choose one of the languages it lists.</source>
        <translation>請選擇列出的語言之一。</translation>
    </message>
    <message>
        <source>Wrong Language Offered</source>
        <translation>提供的語言不對</translation>
    </message>
    <message>
        <source>The page offered links for %1, not %2.</source>
        <extracomment>%1 and %2 are languages as the page names them.</extracomment>
        <translation>頁面提供的是 %1 的連結，而不是 %2 的。</translation>
    </message>
    <message>
        <source>Nothing was downloaded. </source>
        <translation>未下載任何內容。</translation>
    </message>
    <message>
        <source>Page Not Loaded</source>
        <translation>頁面未載入</translation>
    </message>
    <message>
        <source>The download page could not be loaded.</source>
        <translation>無法載入下載頁面。</translation>
    </message>
    <message>
        <source>Page Not Answering</source>
        <translation>頁面沒有回應</translation>
    </message>
    <message>
        <source>The download page did not answer in time.</source>
        <translation>下載頁面未及時回應。</translation>
    </message>
    <message>
        <source>No Editions Offered</source>
        <translation>未提供任何版本</translation>
    </message>
    <message>
        <source>The download page offered no editions.</source>
        <translation>下載頁面未提供任何版本。</translation>
    </message>
    <message>
        <source>No Languages Offered</source>
        <translation>未提供任何語言</translation>
    </message>
    <message>
        <source>The download page offered no languages for this edition.</source>
        <translation>下載頁面未提供此版本的任何語言。</translation>
    </message>
    <message>
        <source>No Download Links</source>
        <translation>沒有下載連結</translation>
    </message>
    <message>
        <source>The download page gave no download links for this choice.</source>
        <translation>下載頁面未提供此選擇的下載連結。</translation>
    </message>
    <message>
        <source>Link Leads Nowhere</source>
        <translation>連結無效</translation>
    </message>
    <message>
        <source>The download page&apos;s link for this choice leads to no file.</source>
        <translation>下載頁面為此選擇提供的連結未指向任何檔案。</translation>
    </message>
    <message>
        <source>Link Leads to a Web Page</source>
        <translation>連結指向網頁</translation>
    </message>
    <message>
        <source>Microsoft&apos;s link for this ISO leads to a web page, not to the file.</source>
        <translation>Microsoft 為此 ISO 提供的連結指向網頁，而不是檔案。</translation>
    </message>
    <message>
        <source>Page Reported a Problem</source>
        <translation>頁面回報了問題</translation>
    </message>
    <message>
        <source>The download page could not give a link for this choice.</source>
        <translation>下載頁面無法為此選擇提供連結。</translation>
    </message>
    <message>
        <source>The %1 ISO is left out: %2</source>
        <extracomment>%1 is an architecture (x64, arm64), %2 why its link is of no use.</extracomment>
        <translation>已略過 %1 ISO: %2</translation>
    </message>
    <message>
        <source>%1

Such a block usually lasts about 24 hours for your internet address. A VPN, proxy or anonymiser often causes it; another network may work. Trying again at once makes the block last longer.</source>
        <extracomment>%1 is the message code and session id, one a line.</extracomment>
        <translation>%1

此類封鎖通常會針對您的網際網路位址持續約 24 小時。VPN、Proxy 或匿名服務經常是原因；換個網路可能就可以。立即重試會讓封鎖持續更久。</translation>
    </message>
    <message>
        <source>Message code: %1
Session ID: %2</source>
        <translation>訊息代碼：%1
工作階段識別碼：%2</translation>
    </message>
    <message>
        <source>(not given)</source>
        <translation>(未提供)</translation>
    </message>
</context>
<context>
    <name>ResultBoxes</name>
    <message>
        <source>Microsoft Refused the Request</source>
        <translation>Microsoft 拒絕了要求</translation>
    </message>
    <message>
        <source>Copy Code and Session ID</source>
        <translation>複製代碼和工作階段識別碼</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>在資料夾中顯示</translation>
    </message>
    <message>
        <source>Build the ISO from Microsoft&apos;s installation files instead</source>
        <translation>改為由 Microsoft 安裝檔案建立 ISO</translation>
    </message>
</context>
<context>
    <name>SizeFormat</name>
    <message>
        <source>%1h %2m</source>
        <extracomment>Hours and minutes left.</extracomment>
        <translation>%1 小時 %2 分鐘</translation>
    </message>
    <message>
        <source>%1m %2s</source>
        <extracomment>Minutes and seconds left.</extracomment>
        <translation>%1 分鐘 %2 秒</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>Seconds left.</extracomment>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>Downloaded: %1 / %2 | Speed: %3 | ETA: %4</source>
        <extracomment>%1 of %2 downloaded, at the speed %3, for the time left %4.</extracomment>
        <translation>已下載：%1 / %2 | 速度：%3 | 剩餘時間：%4</translation>
    </message>
    <message numerus="yes">
        <source> | %n connections</source>
        <extracomment>Joins the status line after the speed and the time left.</extracomment>
        <translation>
            <numerusform> | %n 個連線</numerusform>
        </translation>
    </message>
</context>
</TS>
