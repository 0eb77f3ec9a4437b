<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutBox</name>
    <message>
        <source>Travonix

Version %1.%2.%3.%4 (Build: %5)

Copyright © 2024-%6 Zamrel Software.
All rights reserved.</source>
        <extracomment>%1 to %4 are the four version numbers, %5 the build date, %6 its year.</extracomment>
        <translation>Travonix

バージョン %1.%2.%3.%4 (ビルド: %5)

Copyright © 2024-%6 Zamrel Software.
All rights reserved.</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <extracomment>%1 is the name of the language the window is in, in that language (&quot;Deutsch&quot;).</extracomment>
        <translation>言語: %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
</context>
<context>
    <name>CatalogChoices</name>
    <message>
        <source>Windows 11 (built from installation files)</source>
        <translation>Windows 11 (インストール ファイルから作成)</translation>
    </message>
    <message>
        <source>Windows 11 ARM64 (built from installation files)</source>
        <translation>Windows 11 ARM64 (インストール ファイルから作成)</translation>
    </message>
    <message>
        <source>Windows 10 (built from installation files)</source>
        <translation>Windows 10 (インストール ファイルから作成)</translation>
    </message>
    <message>
        <source>The product catalog lists no file for this product.</source>
        <translation>製品カタログには、この製品のファイルがありません。</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog lists build %1, older than the current release %2 (build %3): it may be a stale copy; a later try may get the newer one.</source>
        <translation>Microsoft の製品カタログにあるのはビルド %1 で、現在のリリース %2 (ビルド %3) より古いものです。古いコピーの可能性があります。後で試すと新しいものを取得できる場合があります。</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog names no build.</source>
        <translation>Microsoft の製品カタログにビルドが記載されていません。</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog, build %1</source>
        <translation>Microsoft の製品カタログ、ビルド %1</translation>
    </message>
</context>
<context>
    <name>DigestVerdict</name>
    <message>
        <source>Microsoft publishes no SHA-256 for this file; its SHA-256 is %1</source>
        <translation>Microsoft はこのファイルの SHA-256 を公開していません。このファイルの SHA-256 は %1 です</translation>
    </message>
    <message>
        <source>Microsoft publishes no SHA-256 for this file, so it was not checked.</source>
        <translation>Microsoft はこのファイルの SHA-256 を公開していないため、検証していません。</translation>
    </message>
    <message>
        <source>Its SHA-256 matches the value Microsoft publishes:
%1</source>
        <translation>SHA-256 は Microsoft が公開している値と一致しています:
%1</translation>
    </message>
    <message>
        <source>Warning: its SHA-256 matches the value Microsoft publishes for &quot;%1&quot;, not the one for the language and architecture you chose:
%2</source>
        <extracomment>%1 is the row of the page&apos;s table of SHA-256 values, %2 the file&apos;s SHA-256.</extracomment>
        <translation>警告: SHA-256 は、選んだ言語とアーキテクチャの値ではなく、Microsoft が &quot;%1&quot; 用に公開している値と一致しています:
%2</translation>
    </message>
    <message>
        <source>The downloaded file is not an ISO image: it lacks the length the server announced or the volume descriptors every ISO image begins with. It was not saved as %1, which is as it was.

Its SHA-256: %2

The downloaded bytes are kept in %3. Try the download again later.</source>
        <translation>ダウンロードしたファイルは ISO イメージではありません。サーバーが通知した長さ、またはすべての ISO イメージの先頭にあるボリューム記述子がありません。%1 としては保存していないため、%1 は元のままです。

SHA-256: %2

ダウンロードしたデータは %3 に保存されています。後でもう一度ダウンロードしてください。</translation>
    </message>
    <message>
        <source>The downloaded file is the %1 one, not the %2 one you chose: its SHA-256 matches the value Microsoft publishes for &quot;%3&quot;. It was not saved as %4, which is as it was.

Downloaded: %5

The downloaded bytes are kept in %6.</source>
        <extracomment>%1 and %2 are languages, %3 the row of the page&apos;s table, %4 the file chosen, %5 a SHA-256, %6 a path.</extracomment>
        <translation>ダウンロードしたファイルは、選んだ %2 のものではなく %1 のものです。SHA-256 が、Microsoft が &quot;%3&quot; 用に公開している値と一致しています。%4 としては保存していないため、%4 は元のままです。

ダウンロードしたファイル: %5

ダウンロードしたデータは %6 に保存されています。</translation>
    </message>
    <message>
        <source>(none listed for this language and architecture)</source>
        <translation>(この言語とアーキテクチャの値は掲載されていません)</translation>
    </message>
    <message>
        <source>The downloaded file does not match the SHA-256 that Microsoft publishes, so it was not saved as %1, which is as it was.

Published: %2
Downloaded: %3

The downloaded bytes are kept in %4.</source>
        <translation>ダウンロードしたファイルは Microsoft が公開している SHA-256 と一致しないため、%1 としては保存していません。%1 は元のままです。

公開値: %2
ダウンロードしたファイル: %3

ダウンロードしたデータは %4 に保存されています。</translation>
    </message>
    <message>
        <source>Its %1 matches the value of Microsoft&apos;s product catalog:
%2</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 its value.</extracomment>
        <translation>%1 は Microsoft の製品カタログの値と一致しています:
%2</translation>
    </message>
    <message>
        <source>The downloaded file does not match the %1 of Microsoft&apos;s product catalog, so it was not saved as %2, which is as it was.

Published: %3
Downloaded: %4

The downloaded bytes are kept in %5.</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 the file chosen, %3 and %4 digests, %5 a path.</extracomment>
        <translation>ダウンロードしたファイルは Microsoft の製品カタログの %1 と一致しないため、%2 としては保存していません。%2 は元のままです。

公開値: %3
ダウンロードしたファイル: %4

ダウンロードしたデータは %5 に保存されています。</translation>
    </message>
</context>
<context>
    <name>DownloadFailure</name>
    <message>
        <source>Not enough disk space for %1. Free some space and start the download again to continue where it stopped.</source>
        <translation>%1 のためのディスク領域が足りません。空き領域を増やしてからダウンロードをもう一度開始すると、中断したところから続行します。</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Only %1 links can be downloaded, and this one is not: %2</source>
        <extracomment>%1 is the scheme allowed (https), %2 the link.</extracomment>
        <translation>ダウンロードできるのは %1 のリンクだけですが、このリンクは違います: %2</translation>
    </message>
    <message>
        <source>The file name %1 holds control characters, which no file should have; choose another name.</source>
        <translation>ファイル名 %1 には、ファイル名に使うべきでない制御文字が含まれています。別の名前を選んでください。</translation>
    </message>
    <message>
        <source>The downloaded data is gone: %1</source>
        <translation>ダウンロードしたデータがなくなりました: %1</translation>
    </message>
    <message>
        <source>Cannot move the download to %1: %2</source>
        <translation>ダウンロードしたファイルを %1 に移動できません: %2</translation>
    </message>
    <message>
        <source>The server keeps sending the wrong part of the file.</source>
        <translation>サーバーがファイルの誤った部分を送り続けています。</translation>
    </message>
    <message>
        <source>Another download of this file is running, and %1 is in use by it. Let that one finish, or stop it and start again.</source>
        <translation>このファイルの別のダウンロードが実行中で、%1 を使用しています。完了を待つか、停止してからやり直してください。</translation>
    </message>
    <message>
        <source>Cannot create file: %1: %2</source>
        <translation>ファイルを作成できません: %1: %2</translation>
    </message>
</context>
<context>
    <name>DownloadQuestions</name>
    <message>
        <source>Download in Progress</source>
        <translation>ダウンロード中</translation>
    </message>
    <message>
        <source>The ISO is still downloading (%1).

Keep the part to continue it later, discard it, or keep downloading?</source>
        <translation>ISO はまだダウンロード中です (%1)。

ダウンロード済みの部分を残して後で続けますか? 破棄しますか? ダウンロードを続けますか?</translation>
    </message>
    <message>
        <source>Keep the Part</source>
        <translation>残す</translation>
    </message>
    <message>
        <source>Discard It</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Keep Downloading</source>
        <translation>ダウンロードを続ける</translation>
    </message>
    <message>
        <source>Cancel Download</source>
        <translation>ダウンロードのキャンセル</translation>
    </message>
    <message>
        <source>%1 of the ISO are downloaded.

Discard them, or pause and keep them to continue later?</source>
        <translation>ISO の %1 をダウンロード済みです。

破棄しますか? それとも一時停止して残し、後で続けますか?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Continue Download</source>
        <translation>ダウンロードの続行</translation>
    </message>
    <message>
        <source>An earlier download of this ISO left %1 in %2.

Continue where it stopped, or start over?</source>
        <translation>この ISO の以前のダウンロードで、%2 に %1 が残っています。

中断したところから続けますか? 最初からやり直しますか?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>最初からやり直す</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>EsdPlace</name>
    <message>
        <source>%1 has %2 free; the ESD and the media built from it need about %3.</source>
        <extracomment>%1 is a folder, %2 and %3 sizes.</extracomment>
        <translation>%1 の空き領域は %2 です。ESD と、そこから作成するメディアには約 %3 必要です。</translation>
    </message>
</context>
<context>
    <name>ExistingFile</name>
    <message>
        <source>Already Downloaded</source>
        <translation>ダウンロード済み</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>このまま使う</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>もう一度ダウンロード</translation>
    </message>
    <message>
        <source>Checking the file already there…</source>
        <translation>既存のファイルを確認しています…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>確認中</translation>
    </message>
    <message>
        <source>%1 is already there, and its %2 matches the value Microsoft publishes:
%3

Keep it instead of downloading it again?</source>
        <extracomment>%1 is the file&apos;s path, %2 the digest&apos;s name (SHA-1, SHA-256), %3 its value.</extracomment>
        <translation>%1 は既に存在し、その %2 は Microsoft が公開している値と一致しています:
%3

もう一度ダウンロードせずに、このファイルを使いますか?</translation>
    </message>
</context>
<context>
    <name>LinkExpiry</name>
    <message>
        <source>Link valid until %1</source>
        <extracomment>%1 is the local date and time.</extracomment>
        <translation>リンクの有効期限: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Loading Microsoft download page...</source>
        <translation>ダウンロード ページを読み込み中...</translation>
    </message>
    <message>
        <source>Extracting available editions...</source>
        <translation>利用できるエディションを取得しています...</translation>
    </message>
    <message>
        <source>Loading language options...</source>
        <translation>言語オプションを読み込んでいます...</translation>
    </message>
    <message>
        <source>Extracting available languages...</source>
        <translation>利用できる言語を取得しています...</translation>
    </message>
    <message>
        <source>Submitting your selection...</source>
        <translation>選択内容を送信しています...</translation>
    </message>
    <message>
        <source>Extracting download links...</source>
        <translation>ダウンロード リンクを取得しています...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Download Windows 10/11 ISO from Microsoft&apos;s official website</source>
        <translation>Microsoft の公式 Web サイトから Windows 10/11 の ISO をダウンロード</translation>
    </message>
    <message>
        <source>Please select the Windows version you&apos;d like to download</source>
        <translation>ダウンロードする Windows のバージョンを選んでください</translation>
    </message>
    <message>
        <source>Download link:</source>
        <translation>ダウンロード リンク:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>バージョン:</translation>
    </message>
    <message>
        <source>Edition:</source>
        <translation>エディション:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>言語:</translation>
    </message>
    <message>
        <source>Architecture:</source>
        <translation>アーキテクチャ:</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>リンクをコピー</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>The button that asks the page again; the failure boxes name it.</extracomment>
        <translation>再試行</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Free: make a bootable USB stick</source>
        <extracomment>A link to the maker&apos;s free USB stick tool, beside About.</extracomment>
        <translation>無料: 起動用 USB メモリを作成</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>The button that saves the ISO (a verb); it reads Cancel while the file downloads.</extracomment>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Checking the part already downloaded… %1%</source>
        <extracomment>%1 is how much of the part is checked, in percent.</extracomment>
        <translation>ダウンロード済みの部分を確認しています… %1%</translation>
    </message>
    <message>
        <source>Unsupported OS</source>
        <translation>サポートされていない OS</translation>
    </message>
    <message>
        <source>This feature requires Windows 8.1 or higher.

Please upgrade your operating system.</source>
        <translation>この機能には Windows 8.1 以降が必要です。

オペレーティング システムをアップグレードしてください。</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>読み込み中...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>choose Retry to load the download page again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>[再試行] を選んでダウンロード ページを再度読み込んでください</translation>
    </message>
    <message>
        <source>choose Retry to ask for the edition&apos;s languages again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>[再試行] を選んでエディションの言語を再度取得してください</translation>
    </message>
    <message>
        <source>choose Retry to ask for the download links again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>[再試行] を選んでダウンロード リンクを再度取得してください</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>読み込んでいます。お待ちください...</translation>
    </message>
    <message>
        <source>Request cancelled</source>
        <translation>要求をキャンセルしました</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>%1 is the page&apos;s or the scraper&apos;s own message, in English.</extracomment>
        <translation>エラー: %1</translation>
    </message>
    <message>
        <source>%1 %2

Detail: %3</source>
        <extracomment>What went wrong, what to do, then the scraper&apos;s own message in English.</extracomment>
        <translation>%1 %2

詳細: %3</translation>
    </message>
    <message>
        <source>No Editions</source>
        <translation>エディションなし</translation>
    </message>
    <message>
        <source>No editions found. The page may require manual verification (CAPTCHA).</source>
        <translation>エディションが見つかりません。ページで手動の確認 (CAPTCHA) が必要な可能性があります。</translation>
    </message>
    <message>
        <source>No Languages</source>
        <translation>言語なし</translation>
    </message>
    <message>
        <source>No languages found.</source>
        <translation>言語が見つかりません。</translation>
    </message>
    <message>
        <source>No Links</source>
        <translation>リンクなし</translation>
    </message>
    <message>
        <source>No download links found.</source>
        <translation>ダウンロード リンクが見つかりません。</translation>
    </message>
    <message>
        <source>Download link copied to clipboard!</source>
        <translation>ダウンロード リンクをクリップボードにコピーしました。</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>ダウンロードをキャンセルしました</translation>
    </message>
    <message>
        <source>The link has expired; getting a fresh one...</source>
        <translation>リンクの有効期限が切れました。新しいリンクを取得しています...</translation>
    </message>
    <message>
        <source>The page no longer offers the %1 ISO; choose another architecture.</source>
        <translation>このページでは %1 の ISO が提供されなくなりました。別のアーキテクチャを選んでください。</translation>
    </message>
    <message>
        <source>No Selection</source>
        <translation>選択なし</translation>
    </message>
    <message>
        <source>Please select a download option.</source>
        <translation>ダウンロードするオプションを選んでください。</translation>
    </message>
    <message>
        <source>Save ISO File</source>
        <translation>ISO ファイルの保存</translation>
    </message>
    <message>
        <source>ISO Files (*.iso)</source>
        <translation>ISO ファイル (*.iso)</translation>
    </message>
    <message>
        <source>Kept the verified file already there: %1</source>
        <translation>既存の検証済みファイルをそのまま使います: %1</translation>
    </message>
    <message>
        <source>Check cancelled</source>
        <translation>確認をキャンセルしました</translation>
    </message>
    <message>
        <source>Starting download...</source>
        <translation>ダウンロードを開始しています...</translation>
    </message>
    <message>
        <source>%p%  ·  %1  ·  %2 left</source>
        <extracomment>Inside the progress bar: %p% is the percentage, %1 the speed, %2 the time left.</extracomment>
        <translation>%p%  ·  %1  ·  残り %2</translation>
    </message>
    <message>
        <source>Download complete: %1</source>
        <translation>ダウンロード完了: %1</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>ダウンロード完了</translation>
    </message>
    <message>
        <source>The file has been downloaded successfully:
%1

%2</source>
        <translation>ファイルのダウンロードが完了しました:
%1

%2</translation>
    </message>
    <message>
        <source>The file server refused the download link, and a fresh one as well. Choose Retry to get another.</source>
        <translation>ファイル サーバーがダウンロード リンクを拒否し、新しいリンクも拒否しました。[再試行] を選んで別のリンクを取得してください。</translation>
    </message>
    <message>
        <source>The link expired during the download; getting a fresh one to continue...</source>
        <translation>ダウンロード中にリンクの有効期限が切れました。続行するために新しいリンクを取得しています...</translation>
    </message>
    <message>
        <source>Not verified: %1</source>
        <translation>未検証: %1</translation>
    </message>
    <message>
        <source>Download Not Verified</source>
        <translation>ダウンロード未検証</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>ダウンロードに失敗しました: %1</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>ダウンロード エラー</translation>
    </message>
    <message>
        <source>Failed to download:
%1</source>
        <translation>ダウンロードできませんでした:
%1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Paused with %1 downloaded; choose Resume to continue.</source>
        <translation>%1 をダウンロードした時点で一時停止しました。続けるには [再開] を選んでください。</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Bytes downloaded of the file&apos;s size: &quot;1.20 GB of 5.40 GB&quot;.</extracomment>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Another download is writing %1. Wait for it to end, or choose another destination.</source>
        <translation>別のダウンロードが %1 に書き込んでいます。終わるまで待つか、別の保存先を選んでください。</translation>
    </message>
    <message>
        <source>Could not empty the earlier part %1.</source>
        <translation>以前の部分 %1 を空にできませんでした。</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>ダウンロード完了</translation>
    </message>
    <message>
        <source>Loading Microsoft&apos;s product catalog...</source>
        <translation>製品カタログを読み込み中...</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>空き領域が足りません</translation>
    </message>
    <message>
        <source>Not Enough Space</source>
        <translation>領域不足</translation>
    </message>
    <message>
        <source>%1

Free some space there, or choose another folder.</source>
        <translation>%1

そこの空き領域を増やすか、別のフォルダーを選んでください。</translation>
    </message>
    <message>
        <source>The ESD&apos;s %1 matches Microsoft&apos;s product catalog: %2</source>
        <translation>ESD の %1 は Microsoft の製品カタログと一致しています: %2</translation>
    </message>
    <message>
        <source>Building the ISO...</source>
        <translation>ISO を作成しています...</translation>
    </message>
    <message>
        <source>Building the ISO: %1</source>
        <translation>ISO を作成しています: %1</translation>
    </message>
    <message>
        <source>Building the ISO cancelled</source>
        <translation>ISO の作成をキャンセルしました</translation>
    </message>
    <message>
        <source>Building the ISO failed</source>
        <translation>ISO を作成できませんでした</translation>
    </message>
    <message>
        <source>Building the ISO Failed</source>
        <translation>ISO の作成に失敗しました</translation>
    </message>
    <message>
        <source>Computing the ISO&apos;s SHA-256...</source>
        <translation>ISO の SHA-256 を計算しています...</translation>
    </message>
    <message>
        <source>ISO built: %1</source>
        <translation>ISO を作成しました: %1</translation>
    </message>
    <message>
        <source>The ISO was built from Microsoft&apos;s installation files (ESD):
%1

%2

SHA-256 of the ISO: %3</source>
        <translation>Microsoft のインストール ファイル (ESD) から ISO を作成しました:
%1

%2

ISO の SHA-256: %3</translation>
    </message>
    <message>
        <source>ISO Built</source>
        <translation>ISO の作成完了</translation>
    </message>
    <message>
        <source>The installation files&apos; name is taken</source>
        <translation>インストール ファイルの名前が使われています</translation>
    </message>
    <message>
        <source>File Already There</source>
        <translation>ファイルが既に存在します</translation>
    </message>
    <message>
        <source>%1 is already there and is not the ESD file of Microsoft&apos;s product catalog. The installation files are downloaded under that name, beside the ISO, and removed once it is built: move that file away, or choose another name for the ISO.</source>
        <translation>%1 は既に存在し、Microsoft の製品カタログの ESD ファイルではありません。インストール ファイルはその名前で ISO の隣にダウンロードされ、ISO の作成後に削除されます。そのファイルを移動するか、ISO に別の名前を付けてください。</translation>
    </message>
</context>
<context>
    <name>PageFailure</name>
    <message>
        <source>Check the internet connection, then %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>インターネット接続を確認してから、%1。</translation>
    </message>
    <message>
        <source>In a while, %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>しばらくしてから、%1。</translation>
    </message>
    <message>
        <source>Language Not Offered</source>
        <translation>言語が提供されていません</translation>
    </message>
    <message>
        <source>The download page does not offer %1.</source>
        <extracomment>%1 is a language as the page names it.</extracomment>
        <translation>ダウンロード ページでは %1 が提供されていません。</translation>
    </message>
    <message>
        <source>Choose one of the languages it lists.</source>
        <translation>一覧にある言語のいずれかを選んでください。</translation>
    </message>
    <message>
        <source>Wrong Language Offered</source>
        <translation>違う言語が提供されました</translation>
    </message>
    <message>
        <source>The page offered links for %1, not %2.</source>
        <extracomment>%1 and %2 are languages as the page names them.</extracomment>
        <translation>ページが提供したのは %2 ではなく %1 のリンクでした。</translation>
    </message>
    <message>
        <source>Nothing was downloaded. </source>
        <translation>何もダウンロードされていません。</translation>
    </message>
    <message>
        <source>Page Not Loaded</source>
        <translation>ページを読み込めません</translation>
    </message>
    <message>
        <source>The download page could not be loaded.</source>
        <translation>ダウンロード ページを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Page Not Answering</source>
        <translation>ページが応答しません</translation>
    </message>
    <message>
        <source>The download page did not answer in time.</source>
        <translation>ダウンロード ページが時間内に応答しませんでした。</translation>
    </message>
    <message>
        <source>No Editions Offered</source>
        <translation>エディションが提供されていません</translation>
    </message>
    <message>
        <source>The download page offered no editions.</source>
        <translation>ダウンロード ページにエディションがありませんでした。</translation>
    </message>
    <message>
        <source>No Languages Offered</source>
        <translation>言語が提供されていません</translation>
    </message>
    <message>
        <source>The download page offered no languages for this edition.</source>
        <translation>ダウンロード ページにこのエディションの言語がありませんでした。</translation>
    </message>
    <message>
        <source>No Download Links</source>
        <translation>ダウンロード リンクなし</translation>
    </message>
    <message>
        <source>The download page gave no download links for this choice.</source>
        <translation>ダウンロード ページからこの選択のダウンロード リンクが得られませんでした。</translation>
    </message>
    <message>
        <source>Link Leads Nowhere</source>
        <translation>リンク先がありません</translation>
    </message>
    <message>
        <source>The download page&apos;s link for this choice leads to no file.</source>
        <translation>この選択に対するダウンロード ページのリンクは、どのファイルにもつながっていません。</translation>
    </message>
    <message>
        <source>Link Leads to a Web Page</source>
        <translation>リンク先が Web ページです</translation>
    </message>
    <message>
        <source>Microsoft&apos;s link for this ISO leads to a web page, not to the file.</source>
        <translation>この ISO の Microsoft のリンクは、ファイルではなく Web ページにつながっています。</translation>
    </message>
    <message>
        <source>Page Reported a Problem</source>
        <translation>ページが問題を報告しました</translation>
    </message>
    <message>
        <source>The download page could not give a link for this choice.</source>
        <translation>ダウンロード ページからこの選択のリンクを取得できませんでした。</translation>
    </message>
    <message>
        <source>The %1 ISO is left out: %2</source>
        <extracomment>%1 is an architecture (x64, arm64), %2 why its link is of no use.</extracomment>
        <translation>%1 の ISO は除外されています: %2</translation>
    </message>
    <message>
        <source>%1

Such a block usually lasts about 24 hours for your internet address. A VPN, proxy or anonymiser often causes it; another network may work. Trying again at once makes the block last longer.</source>
        <extracomment>%1 is the message code and session id, one a line.</extracomment>
        <translation>%1

このようなブロックは通常、お使いのインターネット アドレスに対して約 24 時間続きます。VPN、プロキシ、匿名化サービスが原因であることがよくあります。別のネットワークなら使える場合があります。すぐに再試行すると、ブロックが長引きます。</translation>
    </message>
    <message>
        <source>Message code: %1
Session ID: %2</source>
        <translation>メッセージ コード: %1
セッション ID: %2</translation>
    </message>
    <message>
        <source>(not given)</source>
        <translation>(なし)</translation>
    </message>
</context>
<context>
    <name>ResultBoxes</name>
    <message>
        <source>Microsoft Refused the Request</source>
        <translation>Microsoft が要求を拒否しました</translation>
    </message>
    <message>
        <source>Copy Code and Session ID</source>
        <translation>コードとセッション ID をコピー</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>フォルダーに表示</translation>
    </message>
    <message>
        <source>Build the ISO from Microsoft&apos;s installation files instead</source>
        <translation>代わりに Microsoft のインストール ファイルから ISO を作成する</translation>
    </message>
</context>
<context>
    <name>SizeFormat</name>
    <message>
        <source>%1h %2m</source>
        <extracomment>Hours and minutes left.</extracomment>
        <translation>%1 時間 %2 分</translation>
    </message>
    <message>
        <source>%1m %2s</source>
        <extracomment>Minutes and seconds left.</extracomment>
        <translation>%1 分 %2 秒</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>Seconds left.</extracomment>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>Downloaded: %1 / %2 | Speed: %3 | ETA: %4</source>
        <extracomment>%1 of %2 downloaded, at the speed %3, for the time left %4.</extracomment>
        <translation>ダウンロード済み: %1 / %2 | 速度: %3 | 残り時間: %4</translation>
    </message>
    <message numerus="yes">
        <source> | %n connections</source>
        <extracomment>Joins the status line after the speed and the time left.</extracomment>
        <translation>
            <numerusform> | %n 接続</numerusform>
        </translation>
    </message>
</context>
</TS>
