<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutBox</name>
    <message>
        <source>Travonix

Version %1.%2.%3.%4 (Build: %5)

Copyright © 2024-%6 Zamrel Software.
All rights reserved.</source>
        <extracomment>%1 to %4 are the four version numbers, %5 the build date, %6 its year.</extracomment>
        <translation>Travonix

Versão %1.%2.%3.%4 (compilação: %5)

Copyright © 2024-%6 Zamrel Software.
Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <extracomment>%1 is the name of the language the window is in, in that language (&quot;Deutsch&quot;).</extracomment>
        <translation>Idioma: %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
</context>
<context>
    <name>CatalogChoices</name>
    <message>
        <source>Windows 11 (built from installation files)</source>
        <translation>Windows 11 (criado a partir dos arquivos de instalação)</translation>
    </message>
    <message>
        <source>Windows 11 ARM64 (built from installation files)</source>
        <translation>Windows 11 ARM64 (criado a partir dos arquivos de instalação)</translation>
    </message>
    <message>
        <source>Windows 10 (built from installation files)</source>
        <translation>Windows 10 (criado a partir dos arquivos de instalação)</translation>
    </message>
    <message>
        <source>The product catalog lists no file for this product.</source>
        <translation>O catálogo de produtos não lista nenhum arquivo para este produto.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog lists build %1, older than the current release %2 (build %3): it may be a stale copy; a later try may get the newer one.</source>
        <translation>O catálogo de produtos da Microsoft lista o build %1, mais antigo que a versão atual %2 (build %3): pode ser uma cópia desatualizada; uma tentativa posterior pode obter o mais recente.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog names no build.</source>
        <translation>O catálogo de produtos da Microsoft não informa nenhum build.</translation>
    </message>
    <message>
        <source>Microsoft&apos;s product catalog, build %1</source>
        <translation>Catálogo de produtos da Microsoft, build %1</translation>
    </message>
</context>
<context>
    <name>DigestVerdict</name>
    <message>
        <source>Microsoft publishes no SHA-256 for this file; its SHA-256 is %1</source>
        <translation>A Microsoft não publica nenhum SHA-256 para este arquivo; o SHA-256 dele é %1</translation>
    </message>
    <message>
        <source>Microsoft publishes no SHA-256 for this file, so it was not checked.</source>
        <translation>A Microsoft não publica nenhum SHA-256 para este arquivo, por isso ele não foi verificado.</translation>
    </message>
    <message>
        <source>Its SHA-256 matches the value Microsoft publishes:
%1</source>
        <translation>O SHA-256 dele corresponde ao valor publicado pela Microsoft:
%1</translation>
    </message>
    <message>
        <source>Warning: its SHA-256 matches the value Microsoft publishes for &quot;%1&quot;, not the one for the language and architecture you chose:
%2</source>
        <extracomment>%1 is the row of the page&apos;s table of SHA-256 values, %2 the file&apos;s SHA-256.</extracomment>
        <translation>Aviso: o SHA-256 dele corresponde ao valor que a Microsoft publica para &quot;%1&quot;, não ao do idioma e da arquitetura que você escolheu:
%2</translation>
    </message>
    <message>
        <source>The downloaded file is not an ISO image: it lacks the length the server announced or the volume descriptors every ISO image begins with. It was not saved as %1, which is as it was.

Its SHA-256: %2

The downloaded bytes are kept in %3. Try the download again later.</source>
        <translation>O arquivo baixado não é uma imagem ISO: falta o tamanho anunciado pelo servidor ou os descritores de volume com que toda imagem ISO começa. Ele não foi salvo como %1, que continua como estava.

SHA-256 dele: %2

Os dados baixados estão guardados em %3. Tente baixar novamente mais tarde.</translation>
    </message>
    <message>
        <source>The downloaded file is the %1 one, not the %2 one you chose: its SHA-256 matches the value Microsoft publishes for &quot;%3&quot;. It was not saved as %4, which is as it was.

Downloaded: %5

The downloaded bytes are kept in %6.</source>
        <extracomment>%1 and %2 are languages, %3 the row of the page&apos;s table, %4 the file chosen, %5 a SHA-256, %6 a path.</extracomment>
        <translation>O arquivo baixado é o de %1, não o de %2 que você escolheu: o SHA-256 dele corresponde ao valor que a Microsoft publica para &quot;%3&quot;. Ele não foi salvo como %4, que continua como estava.

Baixado: %5

Os dados baixados estão guardados em %6.</translation>
    </message>
    <message>
        <source>(none listed for this language and architecture)</source>
        <translation>(nenhum listado para este idioma e arquitetura)</translation>
    </message>
    <message>
        <source>The downloaded file does not match the SHA-256 that Microsoft publishes, so it was not saved as %1, which is as it was.

Published: %2
Downloaded: %3

The downloaded bytes are kept in %4.</source>
        <translation>O arquivo baixado não corresponde ao SHA-256 que a Microsoft publica, por isso não foi salvo como %1, que continua como estava.

Publicado: %2
Baixado: %3

Os dados baixados estão guardados em %4.</translation>
    </message>
    <message>
        <source>Its %1 matches the value of Microsoft&apos;s product catalog:
%2</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 its value.</extracomment>
        <translation>O %1 dele corresponde ao valor do catálogo de produtos da Microsoft:
%2</translation>
    </message>
    <message>
        <source>The downloaded file does not match the %1 of Microsoft&apos;s product catalog, so it was not saved as %2, which is as it was.

Published: %3
Downloaded: %4

The downloaded bytes are kept in %5.</source>
        <extracomment>%1 is the digest&apos;s name (SHA-1, SHA-256), %2 the file chosen, %3 and %4 digests, %5 a path.</extracomment>
        <translation>O arquivo baixado não corresponde ao %1 do catálogo de produtos da Microsoft, por isso não foi salvo como %2, que continua como estava.

Publicado: %3
Baixado: %4

Os dados baixados estão guardados em %5.</translation>
    </message>
</context>
<context>
    <name>DownloadFailure</name>
    <message>
        <source>Not enough disk space for %1. Free some space and start the download again to continue where it stopped.</source>
        <translation>Não há espaço em disco suficiente para %1. Libere espaço e inicie o download novamente para continuar de onde parou.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>Não é possível gravar em %1: %2</translation>
    </message>
    <message>
        <source>Only %1 links can be downloaded, and this one is not: %2</source>
        <extracomment>%1 is the scheme allowed (https), %2 the link.</extracomment>
        <translation>Só é possível baixar links %1, e este não é: %2</translation>
    </message>
    <message>
        <source>The file name %1 holds control characters, which no file should have; choose another name.</source>
        <translation>O nome de arquivo %1 contém caracteres de controle, que nenhum arquivo deveria ter; escolha outro nome.</translation>
    </message>
    <message>
        <source>The downloaded data is gone: %1</source>
        <translation>Os dados baixados sumiram: %1</translation>
    </message>
    <message>
        <source>Cannot move the download to %1: %2</source>
        <translation>Não é possível mover o download para %1: %2</translation>
    </message>
    <message>
        <source>The server keeps sending the wrong part of the file.</source>
        <translation>O servidor continua enviando a parte errada do arquivo.</translation>
    </message>
    <message>
        <source>Another download of this file is running, and %1 is in use by it. Let that one finish, or stop it and start again.</source>
        <translation>Outro download deste arquivo está em andamento e está usando %1. Deixe-o terminar, ou interrompa-o e comece de novo.</translation>
    </message>
    <message>
        <source>Cannot create file: %1: %2</source>
        <translation>Não é possível criar o arquivo: %1: %2</translation>
    </message>
</context>
<context>
    <name>DownloadQuestions</name>
    <message>
        <source>Download in Progress</source>
        <translation>Download em andamento</translation>
    </message>
    <message>
        <source>The ISO is still downloading (%1).

Keep the part to continue it later, discard it, or keep downloading?</source>
        <translation>A ISO ainda está sendo baixada (%1).

Manter a parte baixada para continuar depois, descartá-la ou continuar baixando?</translation>
    </message>
    <message>
        <source>Keep the Part</source>
        <translation>Manter a parte</translation>
    </message>
    <message>
        <source>Discard It</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Keep Downloading</source>
        <translation>Continuar baixando</translation>
    </message>
    <message>
        <source>Cancel Download</source>
        <translation>Cancelar download</translation>
    </message>
    <message>
        <source>%1 of the ISO are downloaded.

Discard them, or pause and keep them to continue later?</source>
        <translation>%1 da ISO já foram baixados.

Descartá-los, ou pausar e mantê-los para continuar depois?</translation>
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
        <translation>Continuar download</translation>
    </message>
    <message>
        <source>An earlier download of this ISO left %1 in %2.

Continue where it stopped, or start over?</source>
        <translation>Um download anterior desta ISO deixou %1 em %2.

Continuar de onde parou ou começar de novo?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Começar de novo</translation>
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
        <translation>%1 tem %2 livres; o arquivo ESD e a mídia criada a partir dele precisam de cerca de %3.</translation>
    </message>
</context>
<context>
    <name>ExistingFile</name>
    <message>
        <source>Already Downloaded</source>
        <translation>Já baixado</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Manter</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Baixar novamente</translation>
    </message>
    <message>
        <source>Checking the file already there…</source>
        <translation>Verificando o arquivo existente…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Verificando</translation>
    </message>
    <message>
        <source>%1 is already there, and its %2 matches the value Microsoft publishes:
%3

Keep it instead of downloading it again?</source>
        <extracomment>%1 is the file&apos;s path, %2 the digest&apos;s name (SHA-1, SHA-256), %3 its value.</extracomment>
        <translation>%1 já existe, e o %2 dele corresponde ao valor publicado pela Microsoft:
%3

Manter o arquivo em vez de baixá-lo novamente?</translation>
    </message>
</context>
<context>
    <name>LinkExpiry</name>
    <message>
        <source>Link valid until %1</source>
        <extracomment>%1 is the local date and time.</extracomment>
        <translation>Link válido até %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Loading Microsoft download page...</source>
        <translation>Carregando a página...</translation>
    </message>
    <message>
        <source>Extracting available editions...</source>
        <translation>Lendo as edições...</translation>
    </message>
    <message>
        <source>Loading language options...</source>
        <translation>Carregando os idiomas...</translation>
    </message>
    <message>
        <source>Extracting available languages...</source>
        <translation>Lendo os idiomas...</translation>
    </message>
    <message>
        <source>Submitting your selection...</source>
        <translation>Enviando sua seleção...</translation>
    </message>
    <message>
        <source>Extracting download links...</source>
        <translation>Lendo os links...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Download Windows 10/11 ISO from Microsoft&apos;s official website</source>
        <translation>Baixe a ISO do Windows 10/11 do site oficial da Microsoft</translation>
    </message>
    <message>
        <source>Please select the Windows version you&apos;d like to download</source>
        <translation>Selecione a versão do Windows que você deseja baixar</translation>
    </message>
    <message>
        <source>Download link:</source>
        <translation>Link de download:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versão:</translation>
    </message>
    <message>
        <source>Edition:</source>
        <translation>Edição:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Architecture:</source>
        <translation>Arquitetura:</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copiar link</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>The button that asks the page again; the failure boxes name it.</extracomment>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Free: make a bootable USB stick</source>
        <extracomment>A link to the maker&apos;s free USB stick tool, beside About.</extracomment>
        <translation>Grátis: pen drive de boot</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>The button that saves the ISO (a verb); it reads Cancel while the file downloads.</extracomment>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>Checking the part already downloaded… %1%</source>
        <extracomment>%1 is how much of the part is checked, in percent.</extracomment>
        <translation>Verificando a parte já baixada… %1%</translation>
    </message>
    <message>
        <source>Unsupported OS</source>
        <translation>Sistema operacional sem suporte</translation>
    </message>
    <message>
        <source>This feature requires Windows 8.1 or higher.

Please upgrade your operating system.</source>
        <translation>Este recurso requer o Windows 8.1 ou posterior.

Atualize seu sistema operacional.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Carregando...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>choose Retry to load the download page again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>escolha Tentar novamente para recarregar a página de download</translation>
    </message>
    <message>
        <source>choose Retry to ask for the edition&apos;s languages again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>escolha Tentar novamente para pedir de novo os idiomas da edição</translation>
    </message>
    <message>
        <source>choose Retry to ask for the download links again</source>
        <extracomment>Ends &quot;Check the internet connection, then %1.&quot; and &quot;In a while, %1.&quot;.</extracomment>
        <translation>escolha Tentar novamente para pedir de novo os links de download</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Aguarde...</translation>
    </message>
    <message>
        <source>Request cancelled</source>
        <translation>Solicitação cancelada</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>%1 is the page&apos;s or the scraper&apos;s own message, in English.</extracomment>
        <translation>Erro: %1</translation>
    </message>
    <message>
        <source>%1 %2

Detail: %3</source>
        <extracomment>What went wrong, what to do, then the scraper&apos;s own message in English.</extracomment>
        <translation>%1 %2

Detalhe: %3</translation>
    </message>
    <message>
        <source>No Editions</source>
        <translation>Nenhuma edição</translation>
    </message>
    <message>
        <source>No editions found. The page may require manual verification (CAPTCHA).</source>
        <translation>Nenhuma edição encontrada. A página pode exigir uma verificação manual (CAPTCHA).</translation>
    </message>
    <message>
        <source>No Languages</source>
        <translation>Nenhum idioma</translation>
    </message>
    <message>
        <source>No languages found.</source>
        <translation>Nenhum idioma encontrado.</translation>
    </message>
    <message>
        <source>No Links</source>
        <translation>Nenhum link</translation>
    </message>
    <message>
        <source>No download links found.</source>
        <translation>Nenhum link de download encontrado.</translation>
    </message>
    <message>
        <source>Download link copied to clipboard!</source>
        <translation>Link de download copiado para a Área de Transferência!</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>Download cancelado</translation>
    </message>
    <message>
        <source>The link has expired; getting a fresh one...</source>
        <translation>O link expirou; obtendo um novo...</translation>
    </message>
    <message>
        <source>The page no longer offers the %1 ISO; choose another architecture.</source>
        <translation>A página não oferece mais a ISO %1; escolha outra arquitetura.</translation>
    </message>
    <message>
        <source>No Selection</source>
        <translation>Nenhuma seleção</translation>
    </message>
    <message>
        <source>Please select a download option.</source>
        <translation>Selecione uma opção de download.</translation>
    </message>
    <message>
        <source>Save ISO File</source>
        <translation>Salvar arquivo ISO</translation>
    </message>
    <message>
        <source>ISO Files (*.iso)</source>
        <translation>Arquivos ISO (*.iso)</translation>
    </message>
    <message>
        <source>Kept the verified file already there: %1</source>
        <translation>O arquivo verificado que já existia foi mantido: %1</translation>
    </message>
    <message>
        <source>Check cancelled</source>
        <translation>Verificação cancelada</translation>
    </message>
    <message>
        <source>Starting download...</source>
        <translation>Iniciando o download...</translation>
    </message>
    <message>
        <source>%p%  ·  %1  ·  %2 left</source>
        <extracomment>Inside the progress bar: %p% is the percentage, %1 the speed, %2 the time left.</extracomment>
        <translation>%p%  ·  %1  ·  faltam %2</translation>
    </message>
    <message>
        <source>Download complete: %1</source>
        <translation>Download concluído: %1</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Download concluído</translation>
    </message>
    <message>
        <source>The file has been downloaded successfully:
%1

%2</source>
        <translation>O arquivo foi baixado com êxito:
%1

%2</translation>
    </message>
    <message>
        <source>The file server refused the download link, and a fresh one as well. Choose Retry to get another.</source>
        <translation>O servidor de arquivos recusou o link de download, e um novo também. Escolha Tentar novamente para obter outro.</translation>
    </message>
    <message>
        <source>The link expired during the download; getting a fresh one to continue...</source>
        <translation>O link expirou durante o download; obtendo um novo para continuar...</translation>
    </message>
    <message>
        <source>Not verified: %1</source>
        <translation>Não verificado: %1</translation>
    </message>
    <message>
        <source>Download Not Verified</source>
        <translation>Download não verificado</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Falha no download: %1</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Erro de download</translation>
    </message>
    <message>
        <source>Failed to download:
%1</source>
        <translation>Falha ao baixar:
%1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Paused with %1 downloaded; choose Resume to continue.</source>
        <translation>Pausado com %1 baixado; escolha Retomar para continuar.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Bytes downloaded of the file&apos;s size: &quot;1.20 GB of 5.40 GB&quot;.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Another download is writing %1. Wait for it to end, or choose another destination.</source>
        <translation>Outro download está gravando %1. Aguarde até que termine ou escolha outro destino.</translation>
    </message>
    <message>
        <source>Could not empty the earlier part %1.</source>
        <translation>Não foi possível esvaziar a parte anterior %1.</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Download concluído</translation>
    </message>
    <message>
        <source>Loading Microsoft&apos;s product catalog...</source>
        <translation>Carregando o catálogo...</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>Espaço livre insuficiente</translation>
    </message>
    <message>
        <source>Not Enough Space</source>
        <translation>Espaço insuficiente</translation>
    </message>
    <message>
        <source>%1

Free some space there, or choose another folder.</source>
        <translation>%1

Libere espaço ali ou escolha outra pasta.</translation>
    </message>
    <message>
        <source>The ESD&apos;s %1 matches Microsoft&apos;s product catalog: %2</source>
        <translation>O %1 do arquivo ESD corresponde ao catálogo de produtos da Microsoft: %2</translation>
    </message>
    <message>
        <source>Building the ISO...</source>
        <translation>Criando a ISO...</translation>
    </message>
    <message>
        <source>Building the ISO: %1</source>
        <translation>Criando a ISO: %1</translation>
    </message>
    <message>
        <source>Building the ISO cancelled</source>
        <translation>Criação da ISO cancelada</translation>
    </message>
    <message>
        <source>Building the ISO failed</source>
        <translation>Falha ao criar a ISO</translation>
    </message>
    <message>
        <source>Building the ISO Failed</source>
        <translation>Falha ao criar a ISO</translation>
    </message>
    <message>
        <source>Computing the ISO&apos;s SHA-256...</source>
        <translation>Calculando o SHA-256 da ISO...</translation>
    </message>
    <message>
        <source>ISO built: %1</source>
        <translation>ISO criada: %1</translation>
    </message>
    <message>
        <source>The ISO was built from Microsoft&apos;s installation files (ESD):
%1

%2

SHA-256 of the ISO: %3</source>
        <translation>A ISO foi criada a partir dos arquivos de instalação da Microsoft (ESD):
%1

%2

SHA-256 da ISO: %3</translation>
    </message>
    <message>
        <source>ISO Built</source>
        <translation>ISO criada</translation>
    </message>
    <message>
        <source>The installation files&apos; name is taken</source>
        <translation>O nome dos arquivos de instalação já está em uso</translation>
    </message>
    <message>
        <source>File Already There</source>
        <translation>O arquivo já existe</translation>
    </message>
    <message>
        <source>%1 is already there and is not the ESD file of Microsoft&apos;s product catalog. The installation files are downloaded under that name, beside the ISO, and removed once it is built: move that file away, or choose another name for the ISO.</source>
        <translation>%1 já existe e não é o arquivo ESD do catálogo de produtos da Microsoft. Os arquivos de instalação são baixados com esse nome, ao lado da ISO, e removidos depois que ela é criada: mova esse arquivo para outro lugar ou escolha outro nome para a ISO.</translation>
    </message>
</context>
<context>
    <name>PageFailure</name>
    <message>
        <source>Check the internet connection, then %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>Verifique a conexão com a Internet e, em seguida, %1.</translation>
    </message>
    <message>
        <source>In a while, %1.</source>
        <extracomment>%1 is how to repeat the step, such as &quot;choose Retry to load the download page again&quot;.</extracomment>
        <translation>Daqui a pouco, %1.</translation>
    </message>
    <message>
        <source>Language Not Offered</source>
        <translation>Idioma não oferecido</translation>
    </message>
    <message>
        <source>The download page does not offer %1.</source>
        <extracomment>%1 is a language as the page names it.</extracomment>
        <translation>A página de download não oferece %1.</translation>
    </message>
    <message>
        <source>Choose one of the languages it lists.</source>
        <translation>Escolha um dos idiomas da lista.</translation>
    </message>
    <message>
        <source>Wrong Language Offered</source>
        <translation>Idioma errado</translation>
    </message>
    <message>
        <source>The page offered links for %1, not %2.</source>
        <extracomment>%1 and %2 are languages as the page names them.</extracomment>
        <translation>A página ofereceu links para %1, não para %2.</translation>
    </message>
    <message>
        <source>Nothing was downloaded. </source>
        <translation>Nada foi baixado. </translation>
    </message>
    <message>
        <source>Page Not Loaded</source>
        <translation>Página não carregada</translation>
    </message>
    <message>
        <source>The download page could not be loaded.</source>
        <translation>Não foi possível carregar a página de download.</translation>
    </message>
    <message>
        <source>Page Not Answering</source>
        <translation>A página não responde</translation>
    </message>
    <message>
        <source>The download page did not answer in time.</source>
        <translation>A página de download não respondeu a tempo.</translation>
    </message>
    <message>
        <source>No Editions Offered</source>
        <translation>Nenhuma edição oferecida</translation>
    </message>
    <message>
        <source>The download page offered no editions.</source>
        <translation>A página de download não ofereceu nenhuma edição.</translation>
    </message>
    <message>
        <source>No Languages Offered</source>
        <translation>Nenhum idioma oferecido</translation>
    </message>
    <message>
        <source>The download page offered no languages for this edition.</source>
        <translation>A página de download não ofereceu nenhum idioma para esta edição.</translation>
    </message>
    <message>
        <source>No Download Links</source>
        <translation>Nenhum link de download</translation>
    </message>
    <message>
        <source>The download page gave no download links for this choice.</source>
        <translation>A página de download não deu nenhum link de download para esta escolha.</translation>
    </message>
    <message>
        <source>Link Leads Nowhere</source>
        <translation>O link não leva a lugar nenhum</translation>
    </message>
    <message>
        <source>The download page&apos;s link for this choice leads to no file.</source>
        <translation>O link da página de download para esta escolha não leva a nenhum arquivo.</translation>
    </message>
    <message>
        <source>Link Leads to a Web Page</source>
        <translation>O link leva a uma página da Web</translation>
    </message>
    <message>
        <source>Microsoft&apos;s link for this ISO leads to a web page, not to the file.</source>
        <translation>O link da Microsoft para esta ISO leva a uma página da Web, não ao arquivo.</translation>
    </message>
    <message>
        <source>Page Reported a Problem</source>
        <translation>A página relatou um problema</translation>
    </message>
    <message>
        <source>The download page could not give a link for this choice.</source>
        <translation>A página de download não conseguiu dar um link para esta escolha.</translation>
    </message>
    <message>
        <source>The %1 ISO is left out: %2</source>
        <extracomment>%1 is an architecture (x64, arm64), %2 why its link is of no use.</extracomment>
        <translation>A ISO %1 foi deixada de fora: %2</translation>
    </message>
    <message>
        <source>%1

Such a block usually lasts about 24 hours for your internet address. A VPN, proxy or anonymiser often causes it; another network may work. Trying again at once makes the block last longer.</source>
        <extracomment>%1 is the message code and session id, one a line.</extracomment>
        <translation>%1

Um bloqueio assim costuma durar cerca de 24 horas para o seu endereço de Internet. Muitas vezes ele é causado por uma VPN, um proxy ou um serviço de anonimato; outra rede pode funcionar. Tentar de novo imediatamente prolonga o bloqueio.</translation>
    </message>
    <message>
        <source>Message code: %1
Session ID: %2</source>
        <translation>Código da mensagem: %1
ID da sessão: %2</translation>
    </message>
    <message>
        <source>(not given)</source>
        <translation>(não informado)</translation>
    </message>
</context>
<context>
    <name>ResultBoxes</name>
    <message>
        <source>Microsoft Refused the Request</source>
        <translation>A Microsoft recusou a solicitação</translation>
    </message>
    <message>
        <source>Copy Code and Session ID</source>
        <translation>Copiar código e ID da sessão</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <source>Build the ISO from Microsoft&apos;s installation files instead</source>
        <translation>Criar a ISO a partir dos arquivos de instalação da Microsoft</translation>
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
        <translation>Baixado: %1 / %2 | Velocidade: %3 | Restante: %4</translation>
    </message>
    <message numerus="yes">
        <source> | %n connections</source>
        <extracomment>Joins the status line after the speed and the time left.</extracomment>
        <translation>
            <numerusform> | %n conexão</numerusform>
            <numerusform> | %n conexões</numerusform>
        </translation>
    </message>
</context>
</TS>
