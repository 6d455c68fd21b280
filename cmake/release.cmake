# What a release names, set once: the maintainer, the release date and the AppStream
# id, beside the version and homepage of project(). The package, the manual page, the
# AppStream metadata and the copyright file take them from here; the build writes those
# documents into build/packaging/ and compresses what Debian keeps compressed.

set(CHROMIX_MAINTAINER "CHROMIX1 Scope developers <developers@chromixscope.org>")
set(CHROMIX_RELEASE_DATE 2026-12-09)
set(CHROMIX_APPSTREAM_ID org.chromixscope.scope)

set(CHROMIX_PACKAGING_SRC ${CMAKE_SOURCE_DIR}/packaging)
set(CHROMIX_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)

# The newest entry of the Debian changelog is the release being built.
file(STRINGS ${CHROMIX_PACKAGING_SRC}/changelog CHROMIX_CHANGELOG_TOP LIMIT_COUNT 1)
if(NOT CHROMIX_CHANGELOG_TOP MATCHES "^chromix-scope \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog begins with '${CHROMIX_CHANGELOG_TOP}'; "
                      "its newest entry must be version ${PROJECT_VERSION}")
endif()

# The licence text of LICENSE as the paragraphs of a Debian copyright file: from its
# first sentence on, every line indented by one blank, empty lines written as " .".
function(chromix_license_paragraphs output)
  file(READ ${CMAKE_SOURCE_DIR}/LICENSE text)
  string(FIND "${text}" "Permission is hereby granted" start)
  string(SUBSTRING "${text}" ${start} -1 text)
  string(STRIP "${text}" text)
  string(REPLACE "\n" "\n " text " ${text}")
  string(REPLACE "\n \n" "\n .\n" text "${text}")
  set(${output} "${text}" PARENT_SCOPE)
endfunction()

chromix_license_paragraphs(CHROMIX_LICENSE_PARAGRAPHS)
configure_file(${CHROMIX_PACKAGING_SRC}/copyright.in ${CHROMIX_PACKAGING_OUT}/copyright @ONLY)
configure_file(${CHROMIX_PACKAGING_SRC}/metainfo.xml.in
               ${CHROMIX_PACKAGING_OUT}/${CHROMIX_APPSTREAM_ID}.metainfo.xml @ONLY)
configure_file(${CHROMIX_PACKAGING_SRC}/chromix-scope.1.in ${CHROMIX_PACKAGING_OUT}/chromix-scope.1 @ONLY)

# Debian keeps manual pages and changelogs compressed, without a name or time stamp in
# the gzip header, so that two builds give the same package.
find_program(CHROMIX_GZIP gzip REQUIRED)
function(chromix_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CHROMIX_GZIP} -9 -n -c ${source} > ${output}
    DEPENDS ${source}
    COMMENT "Compressing ${output}")
endfunction()

chromix_gzip(${CHROMIX_PACKAGING_OUT}/chromix-scope.1 ${CHROMIX_PACKAGING_OUT}/chromix-scope.1.gz)
chromix_gzip(${CHROMIX_PACKAGING_SRC}/changelog ${CHROMIX_PACKAGING_OUT}/changelog.gz)
add_custom_target(chromix_release_documents ALL
  DEPENDS ${CHROMIX_PACKAGING_OUT}/chromix-scope.1.gz ${CHROMIX_PACKAGING_OUT}/changelog.gz)
