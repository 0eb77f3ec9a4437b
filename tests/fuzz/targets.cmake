# Every libFuzzer target, one line each: its name, the product sources it
# reads (from the tree's root) and the libraries those need. The line builds
# tests/fuzz/fuzz_<name>.cpp over them (tests/fuzz/CMakeLists.txt), seeds it
# with tests/fuzz/corpus/<name>/ and gives it a CTest entry of label fuzz
# (tests/CMakeLists.txt).
travonix_fuzz_target(pageanswers SOURCES scraper/PageAnswers.cpp LINKS PkgConfig::CJSON)
travonix_fuzz_target(publishedhashes
    SOURCES scraper/PageAnswers.cpp scraper/PublishedHashes.cpp scraper/LanguageRows.cpp LINKS PkgConfig::CJSON)
travonix_fuzz_target(linkexpiry SOURCES flow/LinkExpiry.cpp)
travonix_fuzz_target(settingsfile
    SOURCES app/AppVersion.cpp app/FilePublic.cpp app/LogAccess.cpp platform/Platform.cpp platform/linux/Platform.cpp
            platform/linux/LocalActivation.cpp platform/linux/RuntimeFolder.cpp
    LINKS Qt5::DBus Qt5::Network Qt5::Widgets ${CMAKE_DL_LIBS})
travonix_fuzz_target(options SOURCES cli/Options.cpp)
travonix_fuzz_target(transferanswer SOURCES download/TransferAnswer.cpp)
travonix_fuzz_target(partrecord SOURCES download/PartRecord.cpp download/PartFileIo.cpp download/ByteRanges.cpp)
travonix_fuzz_target(evallinks SOURCES scraper/EvalLinks.cpp)
travonix_fuzz_target(productsxml
    SOURCES catalog/ProductsXml.cpp catalog/CatalogEntry.cpp catalog/CatalogTypes.cpp catalog/CatalogLog.cpp)
travonix_fuzz_target(cabcontent SOURCES catalog/CabContent.cpp catalog/CatalogLog.cpp LINKS LibArchive::LibArchive)
