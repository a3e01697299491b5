# Installs the calculators as a desktop installs any program: the programs and their help
# together in one private folder (a window opens norvik.CHM from the folder that holds its
# program), links to them in bin/, menu entries, icons, the software-centre description, manual
# pages and the package's documents. norvik_calc opens no help and needs nothing beside it, so it
# goes straight into bin/ as any command-line program does. Included after every folder, so that the help's target
# exists here whichever folder defines it.

# FHS 3.0 keeps a program's internal executables in libexec/, which is where Debian's lintian asks for them.
set(NORVIK_PRIVATE_DIR libexec/norvik)
# No home has been chosen for the project yet: the reserved example.org names stand in for it in
# the software-centre description until one is.
set(NORVIK_APP_ID org.example.norvik)
set(NORVIK_HOMEPAGE "https://example.org/norvik" CACHE STRING
    "Address where norvik is published; the README's screenshots lie under docs/ there")
set(NORVIK_SCREENSHOTS "${NORVIK_HOMEPAGE}/docs")
set(NORVIK_MAINTAINER
    "Seed 1f48d765 maintainers <maintainers@users.noreply.c-seed-1f48d765.example>" CACHE STRING
    "Maintainer named by the Debian package and its changelog")

# Dates come from the last commit (or SOURCE_DATE_EPOCH), so that building the same commit twice
# gives the same files.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND git log -1 --format=%ct
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(commit_time)
        set(ENV{SOURCE_DATE_EPOCH} ${commit_time})
    endif()
endif()
string(TIMESTAMP NORVIK_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP NORVIK_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)

set(dist ${PROJECT_SOURCE_DIR}/dist)
set(staged ${PROJECT_BINARY_DIR}/dist)

install(TARGETS norvik_a norvik_b norvik_r RUNTIME DESTINATION ${NORVIK_PRIVATE_DIR})
if(TARGET norvik_calc)
    install(TARGETS norvik_calc RUNTIME DESTINATION bin)
endif()
if(TARGET norvik_help)
    install(FILES ${NORVIK_HELP_FILE} DESTINATION ${NORVIK_PRIVATE_DIR})
endif()

# Relative links, so that the tree works wherever it is unpacked (a DESTDIR, a package).
file(MAKE_DIRECTORY ${staged}/bin)
foreach(program norvik_a norvik_b norvik_r)
    file(CREATE_LINK ../${NORVIK_PRIVATE_DIR}/${program} ${staged}/bin/${program} SYMBOLIC)
    install(FILES ${staged}/bin/${program} DESTINATION bin)
endforeach()

install(FILES ${dist}/norvik_a.desktop ${dist}/norvik_b.desktop ${dist}/norvik_r.desktop
    DESTINATION share/applications)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/hicolor DESTINATION share/icons)
configure_file(${dist}/norvik.metainfo.xml.in ${staged}/${NORVIK_APP_ID}.metainfo.xml @ONLY)
install(FILES ${staged}/${NORVIK_APP_ID}.metainfo.xml DESTINATION share/metainfo)

configure_file(${dist}/copyright ${staged}/copyright @ONLY)
configure_file(${dist}/changelog.in ${staged}/configured/changelog @ONLY)
# Compressed without a name or time stamp in the header, so that the bytes depend on the text only.
set(compressed_documents)
set(manual_pages norvik_a.1 norvik_b.1 norvik_r.1)
if(TARGET norvik_calc)
    list(APPEND manual_pages norvik_calc.1)
endif()
list(TRANSFORM manual_pages PREPEND ${dist}/ OUTPUT_VARIABLE manual_sources)
foreach(document ${manual_sources} ${staged}/configured/changelog)
    get_filename_component(name ${document} NAME)
    set(compressed ${staged}/compressed/${name}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E copy ${document} ${staged}/compressed/${name}
        COMMAND gzip -9 -n -f ${staged}/compressed/${name}
        DEPENDS ${document}
        VERBATIM)
    list(APPEND compressed_documents ${compressed})
endforeach()
add_custom_target(norvik_documents ALL DEPENDS ${compressed_documents})
list(TRANSFORM manual_pages PREPEND ${staged}/compressed/)
list(TRANSFORM manual_pages APPEND .gz)
install(FILES ${manual_pages} DESTINATION share/man/man1)
install(FILES ${staged}/copyright ${staged}/compressed/changelog.gz DESTINATION share/doc/norvik)

# The installed tree, checked where it lands; the validators run only where they are installed.
add_test(NAME Install.Tree
    COMMAND ${PROJECT_SOURCE_DIR}/tests/install/check-install-tree.sh
        ${PROJECT_BINARY_DIR} $<TARGET_EXISTS:norvik_help> $<TARGET_EXISTS:norvik_calc>)
add_test(NAME Install.EntriesValidate
    COMMAND ${PROJECT_SOURCE_DIR}/tests/install/validate-entries.sh ${PROJECT_BINARY_DIR})
set_tests_properties(Install.EntriesValidate PROPERTIES SKIP_RETURN_CODE 77)
# They install the windows and their help, which only a build with the windows has.
set_tests_properties(Install.Tree Install.EntriesValidate PROPERTIES LABELS gui)

# Everything the install rules copy, so that a packaging build need not build the tests.
add_custom_target(norvik_installed DEPENDS norvik_a norvik_b norvik_r norvik_documents)
foreach(optional norvik_help norvik_calc)
    if(TARGET ${optional})
        add_dependencies(norvik_installed ${optional})
    endif()
endforeach()
