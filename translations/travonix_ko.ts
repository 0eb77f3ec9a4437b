<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AboutBox</name>
    <message>
        <source>Travonix

Version %1.%2.%3.%4 (Build: %5)

Copyright © 2024-%6 Zamrel Software.
All rights reserved.</source>
        <extracomment>%1 to %4 are the four version numbers, %5 the build date, %6 its year.</extracomment>
        <translation>Travonix

버전 %1.%2.%3.%4 (빌드: %5)

Copyright © 2024-%6 Zamrel Software.
All rights reserved.</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <extracomment>%1 is the name of the language the window is in, in that language (&quot;Deutsch&quot;).</extracomment>
        <translation>언어: %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
</context>
<context>
    <name>CatalogChoices</name>
    <message>
        <source>Windows 11 (built from installation files)</source>
        <translation>Windows 11(설치 파일로 만듦)</translation>
    </message>
    <message>
        <source>Windows 11 ARM64 (built from installation files)</source>
        <translation>Windows 11 ARM64(설치 파일로 만듦)</translation>
    </message>
    <message>
        <source>Windows 10 (built from installation files)</source>
        <translation>Windows 10(설치 파일로 만듦)</translation>
    </message>
    <message>
        <source>The product catalog lists no file for this product.</source>
        <translation>제품 카탈로그에 이 제품의 파일이 없습니다.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog lists build %1, older than the current release %2 (build %3): it may be a stale copy; a later try may get the newer one.</source>
        <translation>Microsoft 제품 카탈로그에 있는 빌드 %1은(는) 현재 릴리스 %2(빌드 %3)보다 오래되었습니다. 오래된 사본일 수 있으며, 나중에 다시 시도하면 최신 빌드를 받을 수 있습니다.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog names no build.</source>
        <translation>Microsoft 제품 카탈로그에 빌드가 명시되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog, build %1</source>
        <translation>Microsoft 제품 카탈로그, 빌드 %1</translation>
    </message>
</context>
<context>
    <name>DigestVerdict</name>
    <message>
        <source>Microsoft publishes no SHA-256 for this file; its SHA-256 is %1</source>
        <translation>Microsoft는 이 파일의 SHA-256을 게시하지 않습니다. 이 파일의 SHA-256은 %1입니다</translation>
    </message>
    <message>
        <source>Microsoft publishes no SHA-256 for this file, so it was not checked.</source>
        <translation>Microsoft가 이 파일의 SHA-256을 게시하지 않아 확인하지 않았습니다.</translation>
    </message>
    <message>
        <source>Its SHA-256 matches the value Microsoft publishes:
%1</source>
        <translation>SHA-256이 Microsoft가 게시한 값과 일치합니다:
%1</translation>
    </message>
    <message>
        <source>Warning: its SHA-256 matches the value Microsoft publishes for &quot;%1&quot;, not the one for the language and architecture you chose:
%2</source>
        <extracomment>%1 is the row of the page&apos;s table of SHA-256 values, %2 the file&apos;s SHA-256.</extracomment>
        <translation>경고: SHA-256이 선택한 언어와 아키텍처의 값이 아니라 Microsoft가 &quot;%1&quot;에 대해 게시한 값과 일치합니다:
%2</translation>
    </message>
    <message>
        <source>The downloaded file is not an ISO image: it lacks the length the server announced or the volume descriptors every ISO image begins with. It was not saved as %1, which is as it was.

Its SHA-256: %2

The downloaded bytes are kept in %3. Try the download again later.</source>
        <translation>다운로드한 파일은 ISO 이미지가 아닙니다. 서버가 알린 길이 또는 모든 ISO 이미지의 시작 부분에 있는 볼륨 설명자가 없습니다. %1(으)로 저장하지 않았으며 %1은(는) 그대로입니다.

SHA-256: %2

다운로드한 데이터는 %3에 보관되어 있습니다. 나중에 다시 다운로드해 보세요.</translation>
    </message>
    <message>
        <source>The downloaded file is the %1 one, not the %2 one you chose: its SHA-256 matches the value Microsoft publishes for &quot;%3&quot;. It was not saved as %4, which is as it was.

Downloaded: %5

The downloaded bytes are kept in %6.</source>
        <extracomment>%1 and %2 are languages, %3 the row of the page&apos;s table, %4 the file chosen, %5 a SHA-256, %6 a path.</extracomment>
        <translation>다운로드한 파일은 선택한 %2 파일이 아니라 %1 파일입니다. SHA-256이 Microsoft가 &quot;%3&quot;에 대해 게시한 값과 일치합니다. %4(으)로 저장하지 않았으며 %4은(는) 그대로입니다.

다운로드한 파일: %5

다운로드한 데이터는 %6에 보관되어 있습니다.</translation>
    </message>
    <message>
        <source>(none listed for this language and architecture)</source>
        <translation>(이 언어와 아키텍처에 대해 게시된 값 없음)</translation>
    </message>
    <message>
        <source>The downloaded file does not match the SHA-256 that Microsoft publishes, so it was not saved as %1, which is as it was.

Published: %2
Downloaded: %3

The downloaded bytes are kept in %4.</source>
        <translation>다운로드한 파일이 Microsoft가 게시한 SHA-256과 일치하지 않아 %1(으)로 저장하지 않았으며 %1은(는) 그대로입니다.

게시된 값: %2
다운로드한 파일: %3

다운로드한 데이터는 %4에 보관되어 있습니다.</translation>
    </message>
    <message>
        <source>Its %1 matches the value of Microsoft&apos;s product catalog:
%2</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 its value.</extracomment>
        <translation>%1이(가) Microsoft 제품 카탈로그의 값과 일치합니다:
%2</translation>
    </message>
    <message>
        <source>The downloaded file does not match the %1 of Microsoft&apos;s product catalog, so it was not saved as %2, which is as it was.

Published: %3
Downloaded: %4

The downloaded bytes are kept in %5.</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 the file chosen, %3 and %4 digests, %5 a path.</extracomment>
        <translation>다운로드한 파일이 Microsoft 제품 카탈로그의 %1과(와) 일치하지 않아 %2(으)로 저장하지 않았으며 %2은(는) 그대로입니다.

게시된 값: %3
다운로드한 파일: %4

다운로드한 데이터는 %5에 보관되어 있습니다.</translation>
    </message>
</context>
<context>
    <name>DownloadFailure</name>
    <message>
        <source>Not enough disk space for %1. Free some space and start the download again to continue where it stopped.</source>
        <translation>%1에 필요한 디스크 공간이 부족합니다. 공간을 확보한 후 다운로드를 다시 시작하면 중단된 곳부터 계속합니다.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>%1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Only %1 links can be downloaded, and this one is not: %2</source>
        <extracomment>%1 is the scheme allowed (https), %2 the link.</extracomment>
        <translation>%1 링크만 다운로드할 수 있는데 이 링크는 그렇지 않습니다: %2</translation>
    </message>
    <message>
        <source>The file name %1 holds control characters, which no file should have; choose another name.</source>
        <translation>파일 이름 %1에 어떤 파일에도 있어서는 안 되는 제어 문자가 있습니다. 다른 이름을 선택하세요.</translation>
    </message>
    <message>
        <source>The downloaded data is gone: %1</source>
        <translation>다운로드한 데이터가 없어졌습니다: %1</translation>
    </message>
    <message>
        <source>Cannot move the download to %1: %2</source>
        <translation>다운로드한 파일을 %1(으)로 옮길 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The server keeps sending the wrong part of the file.</source>
        <translation>서버가 계속 파일의 잘못된 부분을 보냅니다.</translation>
    </message>
    <message>
        <source>Another download of this file is running, and %1 is in use by it. Let that one finish, or stop it and start again.</source>
        <translation>이 파일의 다른 다운로드가 실행 중이며 %1을(를) 사용하고 있습니다. 끝날 때까지 기다리거나, 중지한 후 다시 시작하세요.</translation>
    </message>
    <message>
        <source>Cannot create file: %1: %2</source>
        <translation>파일을 만들 수 없습니다: %1: %2</translation>
    </message>
</context>
<context>
    <name>DownloadQuestions</name>
    <message>
        <source>Download in Progress</source>
        <translation>다운로드 진행 중</translation>
    </message>
    <message>
        <source>The ISO is still downloading (%1).

Keep the part to continue it later, discard it, or keep downloading?</source>
        <translation>ISO를 아직 다운로드하는 중입니다(%1).

나중에 계속하도록 다운로드한 부분을 유지할까요, 삭제할까요, 아니면 계속 다운로드할까요?</translation>
    </message>
    <message>
        <source>Keep the Part</source>
        <translation>부분 유지</translation>
    </message>
    <message>
        <source>Discard It</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Keep Downloading</source>
        <translation>계속 다운로드</translation>
    </message>
    <message>
        <source>Cancel Download</source>
        <translation>다운로드 취소</translation>
    </message>
    <message>
        <source>%1 of the ISO are downloaded.

Discard them, or pause and keep them to continue later?</source>
        <translation>ISO의 %1을(를) 다운로드했습니다.

삭제할까요, 아니면 일시 중지하고 유지하여 나중에 계속할까요?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 중지</translation>
    </message>
    <message>
        <source>Continue Download</source>
        <translation>다운로드 계속</translation>
    </message>
    <message>
        <source>An earlier download of this ISO left %1 in %2.

Continue where it stopped, or start over?</source>
        <translation>이 ISO의 이전 다운로드가 %2에 %1을(를) 남겼습니다.

중단된 곳부터 계속할까요, 아니면 처음부터 다시 시작할까요?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>처음부터 다시</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>EsdPlace</name>
    <message>
        <source>%1 has %2 free; the ESD and the media built from it need about %3.</source>
        <extracomment>%1 is a folder, %2 and %3 sizes.</extracomment>
        <translation>%1의 여유 공간은 %2입니다. ESD와 이를 사용해 만드는 미디어에는 약 %3이(가) 필요합니다.</translation>
    </message>
</context>
<context>
    <name>ExistingFile</name>
    <message>
        <source>Already Downloaded</source>
        <translation>이미 다운로드됨</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>유지</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>다시 다운로드</translation>
    </message>
    <message>
        <source>Checking the file already there…</source>
        <translation>기존 파일을 확인하는 중…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>확인 중</translation>
    </message>
    <message>
        <source>%1 is already there, and its %2 matches the value Microsoft publishes:
%3

Keep it instead of downloading it again?</source>
        <extracomment>%1 is the file&apos;s path, %2 the digest&apos;s name (SHA-1, SHA-256), %3 its value.</extracomment>
        <translation>%1이(가) 이미 있으며 %2이(가) Microsoft가 게시한 값과 일치합니다:
%3

다시 다운로드하지 않고 이 파일을 유지할까요?</translation>
    </message>
</context>
<context>
    <name>LinkExpiry</name>
    <message>
        <source>Link valid until %1</source>
        <extracomment>%1 is the local date and time.</extracomment>
        <translation>링크 유효 기간: %1까지</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Loading Microsoft download page...</source>
        <translation>Microsoft 다운로드 페이지를 불러오는 중...</translation>
    </message>
    <message>
        <source>Extracting available editions...</source>
        <translation>사용 가능한 에디션을 가져오는 중...</translation>
    </message>
    <message>
        <source>Loading language options...</source>
        <translation>언어 옵션을 불러오는 중...</translation>
    </message>
    <message>
        <source>Extracting available languages...</source>
        <translation>사용 가능한 언어를 가져오는 중...</translation>
    </message>
    <message>
        <source>Submitting your selection...</source>
        <translation>선택 항목을 보내는 중...</translation>
    </message>
    <message>
        <source>Extracting download links...</source>
        <translation>다운로드 링크를 가져오는 중...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>준비</translation>
    </message>
    <message>
        <source>Download Windows 10/11 ISO from Microsoft&apos;s official website</source>
        <translation>Microsoft 공식 웹 사이트에서 Windows 10/11 ISO 다운로드</translation>
    </message>
    <message>
        <source>Please select the Windows version you&apos;d like to download</source>
        <translation>다운로드할 Windows 버전을 선택하세요</translation>
    </message>
    <message>
        <source>Download link:</source>
        <translation>다운로드 링크:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>버전:</translation>
    </message>
    <message>
        <source>Edition:</source>
        <translation>에디션:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>언어:</translation>
    </message>
    <message>
        <source>Architecture:</source>
        <translation>아키텍처:</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>링크 복사</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>The button that asks the page again; the failure boxes name it.</extracomment>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Free: make a bootable USB stick</source>
        <extracomment>A link to the maker&apos;s free USB stick tool, beside About.</extracomment>
        <translation>무료: 부팅 가능한 USB 만들기</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>The button that saves the ISO (a verb); it reads Cancel while the file downloads.</extracomment>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Checking the part already downloaded… %1%</source>
        <extracomment>%1 is how much of the part is checked, in percent.</extracomment>
        <translation>이미 다운로드한 부분을 확인하는 중… %1%</translation>
    </message>
    <message>
        <source>Unsupported OS</source>
        <translation>지원되지 않는 OS</translation>
    </message>
    <message>
        <source>This feature requires Windows 8.1 or higher.

Please upgrade your operating system.</source>
        <translation>이 기능을 사용하려면 Windows 8.1 이상이 필요합니다.

운영 체제를 업그레이드하세요.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>불러오는 중...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>choose Retry to load the download page again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>[다시 시도]를 선택하여 다운로드 페이지를 다시 불러오세요</translation>
    </message>
    <message>
        <source>choose Retry to ask for the edition&apos;s languages again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>[다시 시도]를 선택하여 에디션의 언어를 다시 요청하세요</translation>
    </message>
    <message>
        <source>choose Retry to ask for the download links again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>[다시 시도]를 선택하여 다운로드 링크를 다시 요청하세요</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>불러오는 중입니다. 잠시 기다리세요...</translation>
    </message>
    <message>
        <source>Request cancelled</source>
        <translation>요청이 취소됨</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>%1 is the page&apos;s or the scraper&apos;s own message, in English.</extracomment>
        <translation>오류: %1</translation>
    </message>
    <message>
        <source>%1 %2

Detail: %3</source>
        <extracomment>What went wrong, what to do, then the scraper&apos;s own message in English.</extracomment>
        <translation>%1 %2

세부 정보: %3</translation>
    </message>
    <message>
        <source>No Editions</source>
        <translation>에디션 없음</translation>
    </message>
    <message>
        <source>No editions found. The page may require manual verification (CAPTCHA).</source>
        <translation>에디션을 찾을 수 없습니다. 페이지에서 수동 확인(CAPTCHA)이 필요할 수 있습니다.</translation>
    </message>
    <message>
        <source>No Languages</source>
        <translation>언어 없음</translation>
    </message>
    <message>
        <source>No languages found.</source>
        <translation>언어를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>No Links</source>
        <translation>링크 없음</translation>
    </message>
    <message>
        <source>No download links found.</source>
        <translation>다운로드 링크를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Download link copied to clipboard!</source>
        <translation>다운로드 링크를 클립보드에 복사했습니다!</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>다운로드가 취소됨</translation>
    </message>
    <message>
        <source>The link has expired; getting a fresh one...</source>
        <translation>링크가 만료되었습니다. 새 링크를 가져오는 중...</translation>
    </message>
    <message>
        <source>The page no longer offers the %1 ISO; choose another architecture.</source>
        <translation>페이지에서 더 이상 %1 ISO를 제공하지 않습니다. 다른 아키텍처를 선택하세요.</translation>
    </message>
    <message>
        <source>No Selection</source>
        <translation>선택 항목 없음</translation>
    </message>
    <message>
        <source>Please select a download option.</source>
        <translation>다운로드 옵션을 선택하세요.</translation>
    </message>
    <message>
        <source>Save ISO File</source>
        <translation>ISO 파일 저장</translation>
    </message>
    <message>
        <source>ISO Files (*.iso)</source>
        <translation>ISO 파일 (*.iso)</translation>
    </message>
    <message>
        <source>Kept the verified file already there: %1</source>
        <translation>이미 있는 확인된 파일을 유지했습니다: %1</translation>
    </message>
    <message>
        <source>Check cancelled</source>
        <translation>확인이 취소됨</translation>
    </message>
    <message>
        <source>Starting download...</source>
        <translation>다운로드를 시작하는 중...</translation>
    </message>
    <message>
        <source>%p%  ·  %1  ·  %2 left</source>
        <extracomment>Inside the progress bar: %p% is the percentage, %1 the speed, %2 the time left.</extracomment>
        <translation>%p%  ·  %1  ·  %2 남음</translation>
    </message>
    <message>
        <source>Download complete: %1</source>
        <translation>다운로드 완료: %1</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>다운로드 완료</translation>
    </message>
    <message>
        <source>The file has been downloaded successfully:
%1

%2</source>
        <translation>파일을 다운로드했습니다:
%1

%2</translation>
    </message>
    <message>
        <source>The file server refused the download link, and a fresh one as well. Choose Retry to get another.</source>
        <translation>파일 서버가 다운로드 링크와 새 링크를 모두 거부했습니다. [다시 시도]를 선택하여 다른 링크를 받으세요.</translation>
    </message>
    <message>
        <source>The link expired during the download; getting a fresh one to continue...</source>
        <translation>다운로드 중에 링크가 만료되었습니다. 계속하기 위해 새 링크를 가져오는 중...</translation>
    </message>
    <message>
        <source>Not verified: %1</source>
        <translation>확인되지 않음: %1</translation>
    </message>
    <message>
        <source>Download Not Verified</source>
        <translation>다운로드가 확인되지 않음</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>다운로드 실패: %1</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>다운로드 오류</translation>
    </message>
    <message>
        <source>Failed to download:
%1</source>
        <translation>다운로드하지 못했습니다:
%1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 중지</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>다시 시작</translation>
    </message>
    <message>
        <source>Paused with %1 downloaded; choose Resume to continue.</source>
        <translation>%1 다운로드 후 일시 중지됨. 계속하려면 [다시 시작]을 선택하세요.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Bytes downloaded of the file&apos;s size: &quot;1.20 GB of 5.40 GB&quot;.</extracomment>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Another download is writing %1. Wait for it to end, or choose another destination.</source>
        <translation>다른 다운로드가 %1에 쓰는 중입니다. 끝날 때까지 기다리거나 다른 위치를 선택하세요.</translation>
    </message>
    <message>
        <source>Could not empty the earlier part %1.</source>
        <translation>이전 부분 %1을(를) 비울 수 없습니다.</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>다운로드 완료</translation>
    </message>
    <message>
        <source>Loading Microsoft&apos;s product catalog...</source>
        <translation>제품 카탈로그를 불러오는 중...</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>여유 공간 부족</translation>
    </message>
    <message>
        <source>Not Enough Space</source>
        <translation>공간 부족</translation>
    </message>
    <message>
        <source>%1

Free some space there, or choose another folder.</source>
        <translation>%1

그곳의 공간을 확보하거나 다른 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>The ESD&apos;s %1 matches Microsoft&apos;s product catalog: %2</source>
        <translation>ESD의 %1이(가) Microsoft 제품 카탈로그와 일치합니다: %2</translation>
    </message>
    <message>
        <source>Building the ISO...</source>
        <translation>ISO를 만드는 중...</translation>
    </message>
    <message>
        <source>Building the ISO: %1</source>
        <translation>ISO를 만드는 중: %1</translation>
    </message>
    <message>
        <source>Building the ISO cancelled</source>
        <translation>ISO 만들기가 취소됨</translation>
    </message>
    <message>
        <source>Building the ISO failed</source>
        <translation>ISO를 만들지 못함</translation>
    </message>
    <message>
        <source>Building the ISO Failed</source>
        <translation>ISO 만들기 실패</translation>
    </message>
    <message>
        <source>Computing the ISO&apos;s SHA-256...</source>
        <translation>ISO의 SHA-256을 계산하는 중...</translation>
    </message>
    <message>
        <source>ISO built: %1</source>
        <translation>ISO를 만들었습니다: %1</translation>
    </message>
    <message>
        <source>The ISO was built from Microsoft&apos;s installation files (ESD):
%1

%2

SHA-256 of the ISO: %3</source>
        <translation>Microsoft 설치 파일(ESD)로 ISO를 만들었습니다:
%1

%2

ISO의 SHA-256: %3</translation>
    </message>
    <message>
        <source>ISO Built</source>
        <translation>ISO 만들기 완료</translation>
    </message>
    <message>
        <source>The installation files&apos; name is taken</source>
        <translation>설치 파일 이름이 이미 사용 중임</translation>
    </message>
    <message>
        <source>File Already There</source>
        <translation>파일이 이미 있음</translation>
    </message>
    <message>
        <source>%1 is already there and is not the ESD file of Microsoft&apos;s product catalog. The installation files are downloaded under that name, beside the ISO, and removed once it is built: move that file away, or choose another name for the ISO.</source>
        <translation>%1이(가) 이미 있으며 Microsoft 제품 카탈로그의 ESD 파일이 아닙니다. 설치 파일은 그 이름으로 ISO 옆에 다운로드되고 ISO를 만든 후 제거됩니다. 그 파일을 다른 곳으로 옮기거나 ISO의 이름을 다르게 선택하세요.</translation>
    </message>
</context>
<context>
    <name>PageFailure</name>
    <message>
        <source>Check the internet connection, then %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>인터넷 연결을 확인한 다음 %1.</translation>
    </message>
    <message>
        <source>In a while, %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>잠시 후 %1.</translation>
    </message>
    <message>
        <source>Language Not Offered</source>
        <translation>언어가 제공되지 않음</translation>
    </message>
    <message>
        <source>The download page does not offer %1.</source>
        <extracomment>%1 is a language as the page names it.</extracomment>
        <translation>다운로드 페이지에서 %1을(를) 제공하지 않습니다.</translation>
    </message>
    <message>
        <source>Choose one of the languages it lists.</source>
        <translation>목록에 있는 언어 중 하나를 선택하세요.</translation>
    </message>
    <message>
        <source>Wrong Language Offered</source>
        <translation>잘못된 언어가 제공됨</translation>
    </message>
    <message>
        <source>The page offered links for %1, not %2.</source>
        <extracomment>%1 and %2 are languages as the page names them.</extracomment>
        <translation>페이지가 %2이(가) 아니라 %1에 대한 링크를 제공했습니다.</translation>
    </message>
    <message>
        <source>Nothing was downloaded. </source>
        <translation>아무것도 다운로드되지 않았습니다. </translation>
    </message>
    <message>
        <source>Page Not Loaded</source>
        <translation>페이지를 불러오지 못함</translation>
    </message>
    <message>
        <source>The download page could not be loaded.</source>
        <translation>다운로드 페이지를 불러올 수 없습니다.</translation>
    </message>
    <message>
        <source>Page Not Answering</source>
        <translation>페이지가 응답하지 않음</translation>
    </message>
    <message>
        <source>The download page did not answer in time.</source>
        <translation>다운로드 페이지가 제시간에 응답하지 않았습니다.</translation>
    </message>
    <message>
        <source>No Editions Offered</source>
        <translation>제공된 에디션 없음</translation>
    </message>
    <message>
        <source>The download page offered no editions.</source>
        <translation>다운로드 페이지에서 에디션을 제공하지 않았습니다.</translation>
    </message>
    <message>
        <source>No Languages Offered</source>
        <translation>제공된 언어 없음</translation>
    </message>
    <message>
        <source>The download page offered no languages for this edition.</source>
        <translation>다운로드 페이지에서 이 에디션의 언어를 제공하지 않았습니다.</translation>
    </message>
    <message>
        <source>No Download Links</source>
        <translation>다운로드 링크 없음</translation>
    </message>
    <message>
        <source>The download page gave no download links for this choice.</source>
        <translation>다운로드 페이지에서 이 선택에 대한 다운로드 링크를 주지 않았습니다.</translation>
    </message>
    <message>
        <source>Link Leads Nowhere</source>
        <translation>링크가 아무 데도 연결되지 않음</translation>
    </message>
    <message>
        <source>The download page&apos;s link for this choice leads to no file.</source>
        <translation>이 선택에 대한 다운로드 페이지의 링크가 어떤 파일에도 연결되지 않습니다.</translation>
    </message>
    <message>
        <source>Link Leads to a Web Page</source>
        <translation>링크가 웹 페이지로 연결됨</translation>
    </message>
    <message>
        <source>Microsoft&apos;s link for this ISO leads to a web page, not to the file.</source>
        <translation>이 ISO에 대한 Microsoft 링크가 파일이 아니라 웹 페이지로 연결됩니다.</translation>
    </message>
    <message>
        <source>Page Reported a Problem</source>
        <translation>페이지에서 문제를 보고함</translation>
    </message>
    <message>
        <source>The download page could not give a link for this choice.</source>
        <translation>다운로드 페이지에서 이 선택에 대한 링크를 줄 수 없었습니다.</translation>
    </message>
    <message>
        <source>The %1 ISO is left out: %2</source>
        <extracomment>%1 is an architecture (x64, arm64), %2 why its link is of no use.</extracomment>
        <translation>%1 ISO는 제외됨: %2</translation>
    </message>
    <message>
        <source>%1

Such a block usually lasts about 24 hours for your internet address. A VPN, proxy or anonymiser often causes it; another network may work. Trying again at once makes the block last longer.</source>
        <extracomment>%1 is the message code and session id, one a line.</extracomment>
        <translation>%1

이러한 차단은 보통 인터넷 주소에 대해 약 24시간 동안 지속됩니다. VPN, 프록시 또는 익명화 서비스가 원인인 경우가 많으며, 다른 네트워크에서는 될 수 있습니다. 곧바로 다시 시도하면 차단이 길어집니다.</translation>
    </message>
    <message>
        <source>Message code: %1
Session ID: %2</source>
        <translation>메시지 코드: %1
세션 ID: %2</translation>
    </message>
    <message>
        <source>(not given)</source>
        <translation>(없음)</translation>
    </message>
</context>
<context>
    <name>ResultBoxes</name>
    <message>
        <source>Microsoft Refused the Request</source>
        <translation>Microsoft에서 요청을 거부함</translation>
    </message>
    <message>
        <source>Copy Code and Session ID</source>
        <translation>코드 및 세션 ID 복사</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>폴더에 표시</translation>
    </message>
    <message>
        <source>Build the ISO from Microsoft&apos;s installation files instead</source>
        <translation>대신 Microsoft 설치 파일로 ISO 만들기</translation>
    </message>
</context>
<context>
    <name>SizeFormat</name>
    <message>
        <source>%1h %2m</source>
        <extracomment>Hours and minutes left.</extracomment>
        <translation>%1시간 %2분</translation>
    </message>
    <message>
        <source>%1m %2s</source>
        <extracomment>Minutes and seconds left.</extracomment>
        <translation>%1분 %2초</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>Seconds left.</extracomment>
        <translation>%1초</translation>
    </message>
    <message>
        <source>Downloaded: %1 / %2 | Speed: %3 | ETA: %4</source>
        <extracomment>%1 of %2 downloaded, at the speed %3, for the time left %4.</extracomment>
        <translation>다운로드됨: %1 / %2 | 속도: %3 | 남은 시간: %4</translation>
    </message>
    <message numerus="yes">
        <source> | %n connections</source>
        <extracomment>Joins the status line after the speed and the time left.</extracomment>
        <translation>
            <numerusform> | 연결 %n개</numerusform>
        </translation>
    </message>
</context>
</TS>
