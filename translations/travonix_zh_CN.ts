<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutBox</name>
    <message>
        <source>Travonix

Version %1.%2.%3.%4 (Build: %5)

Copyright © 2024-%6 Zamrel Software.
All rights reserved.</source>
        <extracomment>%1 to %4 are the four version numbers, %5 the build date, %6 its year.</extracomment>
        <translation>Travonix

版本 %1.%2.%3.%4 (内部版本：%5)

版权所有 © 2024-%6 Zamrel Software。
保留所有权利。</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <extracomment>%1 is the name of the language the window is in, in that language (&quot;Deutsch&quot;).</extracomment>
        <translation>语言：%1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
</context>
<context>
    <name>CatalogChoices</name>
    <message>
        <source>Windows 11 (built from installation files)</source>
        <translation>Windows 11 (由安装文件生成)</translation>
    </message>
    <message>
        <source>Windows 11 ARM64 (built from installation files)</source>
        <translation>Windows 11 ARM64 (由安装文件生成)</translation>
    </message>
    <message>
        <source>Windows 10 (built from installation files)</source>
        <translation>Windows 10 (由安装文件生成)</translation>
    </message>
    <message>
        <source>The product catalog lists no file for this product.</source>
        <translation>产品目录中没有此产品的文件。</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog lists build %1, older than the current release %2 (build %3): it may be a stale copy; a later try may get the newer one.</source>
        <translation>Microsoft 产品目录列出的是内部版本 %1，比当前版本 %2 (内部版本 %3) 旧：它可能是过时的副本；稍后重试可能会得到较新的版本。</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog names no build.</source>
        <translation>Microsoft 产品目录未指明内部版本。</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog, build %1</source>
        <translation>Microsoft 产品目录，内部版本 %1</translation>
    </message>
</context>
<context>
    <name>DigestVerdict</name>
    <message>
        <source>Microsoft publishes no SHA-256 for this file; its SHA-256 is %1</source>
        <translation>Microsoft 未发布此文件的 SHA-256；它的 SHA-256 为 %1</translation>
    </message>
    <message>
        <source>Microsoft publishes no SHA-256 for this file, so it was not checked.</source>
        <translation>Microsoft 未发布此文件的 SHA-256，因此未对其进行校验。</translation>
    </message>
    <message>
        <source>Its SHA-256 matches the value Microsoft publishes:
%1</source>
        <translation>它的 SHA-256 与 Microsoft 发布的值一致：
%1</translation>
    </message>
    <message>
        <source>Warning: its SHA-256 matches the value Microsoft publishes for &quot;%1&quot;, not the one for the language and architecture you chose:
%2</source>
        <extracomment>%1 is the row of the page&apos;s table of SHA-256 values, %2 the file&apos;s SHA-256.</extracomment>
        <translation>警告：它的 SHA-256 与 Microsoft 为“%1”发布的值一致，而不是你所选语言和体系结构的值：
%2</translation>
    </message>
    <message>
        <source>The downloaded file is not an ISO image: it lacks the length the server announced or the volume descriptors every ISO image begins with. It was not saved as %1, which is as it was.

Its SHA-256: %2

The downloaded bytes are kept in %3. Try the download again later.</source>
        <translation>下载的文件不是 ISO 映像：它没有服务器声明的长度，或缺少每个 ISO 映像开头的卷描述符。它未保存为 %1，%1 保持原样。

它的 SHA-256: %2

下载的数据保留在 %3 中。请稍后重新下载。</translation>
    </message>
    <message>
        <source>The downloaded file is the %1 one, not the %2 one you chose: its SHA-256 matches the value Microsoft publishes for &quot;%3&quot;. It was not saved as %4, which is as it was.

Downloaded: %5

The downloaded bytes are kept in %6.</source>
        <extracomment>%1 and %2 are languages, %3 the row of the page&apos;s table, %4 the file chosen, %5 a SHA-256, %6 a path.</extracomment>
        <translation>下载的文件是 %1 版本，而不是你选择的 %2 版本：它的 SHA-256 与 Microsoft 为“%3”发布的值一致。它未保存为 %4，%4 保持原样。

下载的文件：%5

下载的数据保留在 %6 中。</translation>
    </message>
    <message>
        <source>(none listed for this language and architecture)</source>
        <translation>(未列出此语言和体系结构的值)</translation>
    </message>
    <message>
        <source>The downloaded file does not match the SHA-256 that Microsoft publishes, so it was not saved as %1, which is as it was.

Published: %2
Downloaded: %3

The downloaded bytes are kept in %4.</source>
        <translation>下载的文件与 Microsoft 发布的 SHA-256 不一致，因此未保存为 %1，%1 保持原样。

发布的值：%2
下载的文件：%3

下载的数据保留在 %4 中。</translation>
    </message>
    <message>
        <source>Its %1 matches the value of Microsoft&apos;s product catalog:
%2</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 its value.</extracomment>
        <translation>它的 %1 与 Microsoft 产品目录中的值一致：
%2</translation>
    </message>
    <message>
        <source>The downloaded file does not match the %1 of Microsoft&apos;s product catalog, so it was not saved as %2, which is as it was.

Published: %3
Downloaded: %4

The downloaded bytes are kept in %5.</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 the file chosen, %3 and %4 digests, %5 a path.</extracomment>
        <translation>下载的文件与 Microsoft 产品目录中的 %1 不一致，因此未保存为 %2，%2 保持原样。

发布的值：%3
下载的文件：%4

下载的数据保留在 %5 中。</translation>
    </message>
</context>
<context>
    <name>DownloadFailure</name>
    <message>
        <source>Not enough disk space for %1. Free some space and start the download again to continue where it stopped.</source>
        <translation>%1 的磁盘空间不足。请释放一些空间，然后重新开始下载，从中断处继续。</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>无法写入 %1: %2</translation>
    </message>
    <message>
        <source>Only %1 links can be downloaded, and this one is not: %2</source>
        <extracomment>%1 is the scheme allowed (https), %2 the link.</extracomment>
        <translation>只能下载 %1 链接，而此链接不是：%2</translation>
    </message>
    <message>
        <source>The file name %1 holds control characters, which no file should have; choose another name.</source>
        <translation>文件名 %1 包含控制字符，任何文件都不应包含这些字符；请选择其他名称。</translation>
    </message>
    <message>
        <source>The downloaded data is gone: %1</source>
        <translation>下载的数据已不存在：%1</translation>
    </message>
    <message>
        <source>Cannot move the download to %1: %2</source>
        <translation>无法将下载的文件移动到 %1: %2</translation>
    </message>
    <message>
        <source>The server keeps sending the wrong part of the file.</source>
        <translation>服务器不断发送文件的错误部分。</translation>
    </message>
    <message>
        <source>Another download of this file is running, and %1 is in use by it. Let that one finish, or stop it and start again.</source>
        <translation>此文件的另一个下载正在进行，%1 正被它使用。请等待其完成，或停止它后重新开始。</translation>
    </message>
    <message>
        <source>Cannot create file: %1: %2</source>
        <translation>无法创建文件：%1: %2</translation>
    </message>
</context>
<context>
    <name>DownloadQuestions</name>
    <message>
        <source>Download in Progress</source>
        <translation>正在下载</translation>
    </message>
    <message>
        <source>The ISO is still downloading (%1).

Keep the part to continue it later, discard it, or keep downloading?</source>
        <translation>ISO 仍在下载 (%1)。

保留已下载的部分以便稍后继续、将其丢弃，还是继续下载？</translation>
    </message>
    <message>
        <source>Keep the Part</source>
        <translation>保留部分</translation>
    </message>
    <message>
        <source>Discard It</source>
        <translation>丢弃</translation>
    </message>
    <message>
        <source>Keep Downloading</source>
        <translation>继续下载</translation>
    </message>
    <message>
        <source>Cancel Download</source>
        <translation>取消下载</translation>
    </message>
    <message>
        <source>%1 of the ISO are downloaded.

Discard them, or pause and keep them to continue later?</source>
        <translation>ISO 已下载 %1。

是丢弃，还是暂停并保留以便稍后继续？</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>丢弃</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Continue Download</source>
        <translation>继续下载</translation>
    </message>
    <message>
        <source>An earlier download of this ISO left %1 in %2.

Continue where it stopped, or start over?</source>
        <translation>此 ISO 之前的一次下载在 %2 中留下了 %1。

从中断处继续，还是重新开始？</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>重新开始</translation>
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
        <translation>%1 有 %2 可用空间；ESD 文件及由其生成的介质大约需要 %3。</translation>
    </message>
</context>
<context>
    <name>ExistingFile</name>
    <message>
        <source>Already Downloaded</source>
        <translation>已下载</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>保留</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>重新下载</translation>
    </message>
    <message>
        <source>Checking the file already there…</source>
        <translation>正在检查已有的文件…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>正在检查</translation>
    </message>
    <message>
        <source>%1 is already there, and its %2 matches the value Microsoft publishes:
%3

Keep it instead of downloading it again?</source>
        <extracomment>%1 is the file&apos;s path, %2 the digest&apos;s name (SHA-1, SHA-256), %3 its value.</extracomment>
        <translation>%1 已存在，且其 %2 与 Microsoft 发布的值一致：
%3

是否保留它而不重新下载？</translation>
    </message>
</context>
<context>
    <name>LinkExpiry</name>
    <message>
        <source>Link valid until %1</source>
        <extracomment>%1 is the local date and time.</extracomment>
        <translation>链接有效期至 %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Loading Microsoft download page...</source>
        <translation>正在加载 Microsoft 下载页面...</translation>
    </message>
    <message>
        <source>Extracting available editions...</source>
        <translation>正在获取可用版本...</translation>
    </message>
    <message>
        <source>Loading language options...</source>
        <translation>正在加载语言选项...</translation>
    </message>
    <message>
        <source>Extracting available languages...</source>
        <translation>正在获取可用语言...</translation>
    </message>
    <message>
        <source>Submitting your selection...</source>
        <translation>正在提交你的选择...</translation>
    </message>
    <message>
        <source>Extracting download links...</source>
        <translation>正在获取下载链接...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Download Windows 10/11 ISO from Microsoft&apos;s official website</source>
        <translation>从 Microsoft 官方网站下载 Windows 10/11 ISO</translation>
    </message>
    <message>
        <source>Please select the Windows version you&apos;d like to download</source>
        <translation>请选择要下载的 Windows 产品</translation>
    </message>
    <message>
        <source>Download link:</source>
        <translation>下载链接：</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>产品：</translation>
    </message>
    <message>
        <source>Edition:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>语言：</translation>
    </message>
    <message>
        <source>Architecture:</source>
        <translation>体系结构：</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>复制链接</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>The button that asks the page again; the failure boxes name it.</extracomment>
        <translation>重试</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Free: make a bootable USB stick</source>
        <extracomment>A link to the maker&apos;s free USB stick tool, beside About.</extracomment>
        <translation>免费：制作可启动 U 盘</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>The button that saves the ISO (a verb); it reads Cancel while the file downloads.</extracomment>
        <translation>下载</translation>
    </message>
    <message>
        <source>Checking the part already downloaded… %1%</source>
        <extracomment>%1 is how much of the part is checked, in percent.</extracomment>
        <translation>正在检查已下载的部分… %1%</translation>
    </message>
    <message>
        <source>Unsupported OS</source>
        <translation>不支持的操作系统</translation>
    </message>
    <message>
        <source>This feature requires Windows 8.1 or higher.

Please upgrade your operating system.</source>
        <translation>此功能需要 Windows 8.1 或更高版本。

请升级你的操作系统。</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>正在加载...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>choose Retry to load the download page again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>选择“重试”重新加载下载页面</translation>
    </message>
    <message>
        <source>choose Retry to ask for the edition&apos;s languages again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>选择“重试”重新请求该版本的语言</translation>
    </message>
    <message>
        <source>choose Retry to ask for the download links again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>选择“重试”重新请求下载链接</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>正在加载，请稍候...</translation>
    </message>
    <message>
        <source>Request cancelled</source>
        <translation>请求已取消</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>%1 is the page&apos;s or the scraper&apos;s own message, in English.</extracomment>
        <translation>错误：%1</translation>
    </message>
    <message>
        <source>%1 %2

Detail: %3</source>
        <extracomment>What went wrong, what to do, then the scraper&apos;s own message in English.</extracomment>
        <translation>%1 %2

详细信息：%3</translation>
    </message>
    <message>
        <source>No Editions</source>
        <translation>没有版本</translation>
    </message>
    <message>
        <source>No editions found. The page may require manual verification (CAPTCHA).</source>
        <translation>未找到任何版本。页面可能需要手动验证 (CAPTCHA)。</translation>
    </message>
    <message>
        <source>No Languages</source>
        <translation>没有语言</translation>
    </message>
    <message>
        <source>No languages found.</source>
        <translation>未找到任何语言。</translation>
    </message>
    <message>
        <source>No Links</source>
        <translation>没有链接</translation>
    </message>
    <message>
        <source>No download links found.</source>
        <translation>未找到下载链接。</translation>
    </message>
    <message>
        <source>Download link copied to clipboard!</source>
        <translation>下载链接已复制到剪贴板！</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>下载已取消</translation>
    </message>
    <message>
        <source>The link has expired; getting a fresh one...</source>
        <translation>链接已过期；正在获取新链接...</translation>
    </message>
    <message>
        <source>The page no longer offers the %1 ISO; choose another architecture.</source>
        <translation>页面不再提供 %1 ISO；请选择其他体系结构。</translation>
    </message>
    <message>
        <source>No Selection</source>
        <translation>未选择</translation>
    </message>
    <message>
        <source>Please select a download option.</source>
        <translation>请选择下载选项。</translation>
    </message>
    <message>
        <source>Save ISO File</source>
        <translation>保存 ISO 文件</translation>
    </message>
    <message>
        <source>ISO Files (*.iso)</source>
        <translation>ISO 文件 (*.iso)</translation>
    </message>
    <message>
        <source>Kept the verified file already there: %1</source>
        <translation>已保留现有的已验证文件：%1</translation>
    </message>
    <message>
        <source>Check cancelled</source>
        <translation>检查已取消</translation>
    </message>
    <message>
        <source>Starting download...</source>
        <translation>正在开始下载...</translation>
    </message>
    <message>
        <source>%p%  ·  %1  ·  %2 left</source>
        <extracomment>Inside the progress bar: %p% is the percentage, %1 the speed, %2 the time left.</extracomment>
        <translation>%p%  ·  %1  ·  剩余 %2</translation>
    </message>
    <message>
        <source>Download complete: %1</source>
        <translation>下载完成：%1</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>下载完成</translation>
    </message>
    <message>
        <source>The file has been downloaded successfully:
%1

%2</source>
        <translation>文件已成功下载：
%1

%2</translation>
    </message>
    <message>
        <source>The file server refused the download link, and a fresh one as well. Choose Retry to get another.</source>
        <translation>文件服务器拒绝了下载链接，新的链接也被拒绝。请选择“重试”获取另一个链接。</translation>
    </message>
    <message>
        <source>The link expired during the download; getting a fresh one to continue...</source>
        <translation>下载过程中链接已过期；正在获取新链接以继续...</translation>
    </message>
    <message>
        <source>Not verified: %1</source>
        <translation>未验证：%1</translation>
    </message>
    <message>
        <source>Download Not Verified</source>
        <translation>下载未验证</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>下载失败：%1</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>下载错误</translation>
    </message>
    <message>
        <source>Failed to download:
%1</source>
        <translation>下载失败：
%1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Paused with %1 downloaded; choose Resume to continue.</source>
        <translation>已暂停，已下载 %1；选择“继续”以继续下载。</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Bytes downloaded of the file&apos;s size: &quot;1.20 GB of 5.40 GB&quot;.</extracomment>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Another download is writing %1. Wait for it to end, or choose another destination.</source>
        <translation>另一个下载正在写入 %1。请等待其结束，或选择其他目标位置。</translation>
    </message>
    <message>
        <source>Could not empty the earlier part %1.</source>
        <translation>无法清空之前的部分 %1。</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>下载完成</translation>
    </message>
    <message>
        <source>Loading Microsoft&apos;s product catalog...</source>
        <translation>正在加载 Microsoft 产品目录...</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>可用空间不足</translation>
    </message>
    <message>
        <source>Not Enough Space</source>
        <translation>空间不足</translation>
    </message>
    <message>
        <source>%1

Free some space there, or choose another folder.</source>
        <translation>%1

请释放该位置的空间，或选择其他文件夹。</translation>
    </message>
    <message>
        <source>The ESD&apos;s %1 matches Microsoft&apos;s product catalog: %2</source>
        <translation>ESD 文件的 %1 与 Microsoft 产品目录一致：%2</translation>
    </message>
    <message>
        <source>Building the ISO...</source>
        <translation>正在生成 ISO...</translation>
    </message>
    <message>
        <source>Building the ISO: %1</source>
        <translation>正在生成 ISO: %1</translation>
    </message>
    <message>
        <source>Building the ISO cancelled</source>
        <translation>ISO 生成已取消</translation>
    </message>
    <message>
        <source>Building the ISO failed</source>
        <translation>ISO 生成失败</translation>
    </message>
    <message>
        <source>Building the ISO Failed</source>
        <translation>ISO 生成失败</translation>
    </message>
    <message>
        <source>Computing the ISO&apos;s SHA-256...</source>
        <translation>正在计算 ISO 的 SHA-256...</translation>
    </message>
    <message>
        <source>ISO built: %1</source>
        <translation>ISO 已生成：%1</translation>
    </message>
    <message>
        <source>The ISO was built from Microsoft&apos;s installation files (ESD):
%1

%2

SHA-256 of the ISO: %3</source>
        <translation>ISO 已由 Microsoft 安装文件 (ESD) 生成：
%1

%2

ISO 的 SHA-256: %3</translation>
    </message>
    <message>
        <source>ISO Built</source>
        <translation>ISO 已生成</translation>
    </message>
    <message>
        <source>The installation files&apos; name is taken</source>
        <translation>安装文件的名称已被占用</translation>
    </message>
    <message>
        <source>File Already There</source>
        <translation>文件已存在</translation>
    </message>
    <message>
        <source>%1 is already there and is not the ESD file of Microsoft&apos;s product catalog. The installation files are downloaded under that name, beside the ISO, and removed once it is built: move that file away, or choose another name for the ISO.</source>
        <translation>%1 已存在，但它不是 Microsoft 产品目录中的 ESD 文件。安装文件会以该名称下载到 ISO 旁边，并在 ISO 生成后删除：请移走该文件，或为 ISO 选择其他名称。</translation>
    </message>
</context>
<context>
    <name>PageFailure</name>
    <message>
        <source>Check the internet connection, then %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>请检查 Internet 连接，然后%1。</translation>
    </message>
    <message>
        <source>In a while, %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>请稍后%1。</translation>
    </message>
    <message>
        <source>Language Not Offered</source>
        <translation>未提供该语言</translation>
    </message>
    <message>
        <source>The download page does not offer %1.</source>
        <extracomment>%1 is a language as the page names it.</extracomment>
        <translation>下载页面未提供 %1。</translation>
    </message>
    <message>
        <source>Choose one of the languages it lists.</source>
        <translation>请选择列出的语言之一。</translation>
    </message>
    <message>
        <source>Wrong Language Offered</source>
        <translation>提供的语言不对</translation>
    </message>
    <message>
        <source>The page offered links for %1, not %2.</source>
        <extracomment>%1 and %2 are languages as the page names them.</extracomment>
        <translation>页面提供的是 %1 的链接，而不是 %2 的。</translation>
    </message>
    <message>
        <source>Nothing was downloaded. </source>
        <translation>未下载任何内容。</translation>
    </message>
    <message>
        <source>Page Not Loaded</source>
        <translation>页面未加载</translation>
    </message>
    <message>
        <source>The download page could not be loaded.</source>
        <translation>无法加载下载页面。</translation>
    </message>
    <message>
        <source>Page Not Answering</source>
        <translation>页面没有响应</translation>
    </message>
    <message>
        <source>The download page did not answer in time.</source>
        <translation>下载页面未及时响应。</translation>
    </message>
    <message>
        <source>No Editions Offered</source>
        <translation>未提供任何版本</translation>
    </message>
    <message>
        <source>The download page offered no editions.</source>
        <translation>下载页面未提供任何版本。</translation>
    </message>
    <message>
        <source>No Languages Offered</source>
        <translation>未提供任何语言</translation>
    </message>
    <message>
        <source>The download page offered no languages for this edition.</source>
        <translation>下载页面未提供此版本的任何语言。</translation>
    </message>
    <message>
        <source>No Download Links</source>
        <translation>没有下载链接</translation>
    </message>
    <message>
        <source>The download page gave no download links for this choice.</source>
        <translation>下载页面未给出此选择的下载链接。</translation>
    </message>
    <message>
        <source>Link Leads Nowhere</source>
        <translation>链接无效</translation>
    </message>
    <message>
        <source>The download page&apos;s link for this choice leads to no file.</source>
        <translation>下载页面为此选择提供的链接未指向任何文件。</translation>
    </message>
    <message>
        <source>Link Leads to a Web Page</source>
        <translation>链接指向网页</translation>
    </message>
    <message>
        <source>Microsoft&apos;s link for this ISO leads to a web page, not to the file.</source>
        <translation>Microsoft 为此 ISO 提供的链接指向网页，而不是文件。</translation>
    </message>
    <message>
        <source>Page Reported a Problem</source>
        <translation>页面报告了问题</translation>
    </message>
    <message>
        <source>The download page could not give a link for this choice.</source>
        <translation>下载页面无法为此选择提供链接。</translation>
    </message>
    <message>
        <source>The %1 ISO is left out: %2</source>
        <extracomment>%1 is an architecture (x64, arm64), %2 why its link is of no use.</extracomment>
        <translation>已略过 %1 ISO: %2</translation>
    </message>
    <message>
        <source>%1

Such a block usually lasts about 24 hours for your internet address. A VPN, proxy or anonymiser often causes it; another network may work. Trying again at once makes the block last longer.</source>
        <extracomment>%1 is the message code and session id, one a line.</extracomment>
        <translation>%1

此类阻止通常会针对你的 Internet 地址持续约 24 小时。VPN、代理或匿名服务常常会导致此问题；换一个网络可能可行。立即重试会使阻止持续更久。</translation>
    </message>
    <message>
        <source>Message code: %1
Session ID: %2</source>
        <translation>消息代码：%1
会话 ID: %2</translation>
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
        <translation>Microsoft 拒绝了请求</translation>
    </message>
    <message>
        <source>Copy Code and Session ID</source>
        <translation>复制代码和会话 ID</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>在文件夹中显示</translation>
    </message>
    <message>
        <source>Build the ISO from Microsoft&apos;s installation files instead</source>
        <translation>改为由 Microsoft 安装文件生成 ISO</translation>
    </message>
</context>
<context>
    <name>SizeFormat</name>
    <message>
        <source>%1h %2m</source>
        <extracomment>Hours and minutes left.</extracomment>
        <translation>%1 小时 %2 分钟</translation>
    </message>
    <message>
        <source>%1m %2s</source>
        <extracomment>Minutes and seconds left.</extracomment>
        <translation>%1 分钟 %2 秒</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>Seconds left.</extracomment>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>Downloaded: %1 / %2 | Speed: %3 | ETA: %4</source>
        <extracomment>%1 of %2 downloaded, at the speed %3, for the time left %4.</extracomment>
        <translation>已下载：%1 / %2 | 速度：%3 | 剩余时间：%4</translation>
    </message>
    <message numerus="yes">
        <source> | %n connections</source>
        <extracomment>Joins the status line after the speed and the time left.</extracomment>
        <translation>
            <numerusform> | %n 个连接</numerusform>
        </translation>
    </message>
</context>
</TS>
