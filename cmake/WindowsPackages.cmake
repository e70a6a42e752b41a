# The Windows packages: an NSIS installer and a portable zip, both of the one stripped
# orvanta.exe, made by the target windows_packages (scripts/build-windows.sh builds it).
install(TARGETS orvanta RUNTIME DESTINATION .)

find_program(ORVANTA_MAKENSIS makensis)
find_program(ORVANTA_ZIP zip)
if(NOT ORVANTA_MAKENSIS OR NOT ORVANTA_ZIP)
    message(STATUS "makensis or zip missing (packages nsis, zip): no windows_packages target")
    return()
endif()

set(orvanta_packages ${PROJECT_BINARY_DIR}/packages)
set(orvanta_stage ${orvanta_packages}/Orvanta)
set(ORVANTA_INSTALLER ${orvanta_packages}/orvanta-${PROJECT_VERSION}-setup.exe)
set(ORVANTA_ZIP_FILE ${orvanta_packages}/orvanta-${PROJECT_VERSION}-portable.zip)
set(orvanta_nsi ${PROJECT_SOURCE_DIR}/packaging/windows/orvanta.nsi)
# The licence in plain words with Windows' line breaks (the Debian package has its own form).
set(orvanta_license ${PROJECT_SOURCE_DIR}/packaging/windows/LICENSE.txt)
set(orvanta_icon ${PROJECT_SOURCE_DIR}/resources/icons/orvanta.ico)

# The same bytes in both: stripped of whatever a debug configuration left in.
add_custom_command(OUTPUT ${orvanta_stage}/orvanta.exe ${orvanta_stage}/LICENSE.txt
    COMMAND ${CMAKE_COMMAND} -E make_directory ${orvanta_stage}
    COMMAND ${CMAKE_STRIP} -o ${orvanta_stage}/orvanta.exe $<TARGET_FILE:orvanta>
    COMMAND ${CMAKE_COMMAND} -E copy ${orvanta_license} ${orvanta_stage}/LICENSE.txt
    DEPENDS orvanta ${orvanta_license} VERBATIM)

add_custom_command(OUTPUT ${ORVANTA_INSTALLER}
    COMMAND ${ORVANTA_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION}
        -DVERSION4=${PROJECT_VERSION}.0 -DCOMPANY=${ORVANTA_COMPANY}
        -DCOPYRIGHT=${ORVANTA_COPYRIGHT} -DEXE=${orvanta_stage}/orvanta.exe
        -DICON=${orvanta_icon} -DLICENSE=${orvanta_license} -DOUTFILE=${ORVANTA_INSTALLER}
        ${orvanta_nsi}
    DEPENDS ${orvanta_stage}/orvanta.exe ${orvanta_nsi} ${orvanta_icon} ${orvanta_license}
        ${PROJECT_SOURCE_DIR}/packaging/windows/languages.nsh
    VERBATIM)

# No extra file attributes, no directory entries.
add_custom_command(OUTPUT ${ORVANTA_ZIP_FILE}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${ORVANTA_ZIP_FILE}
    COMMAND ${ORVANTA_ZIP} -9 -q -X -D ${ORVANTA_ZIP_FILE} Orvanta/orvanta.exe Orvanta/LICENSE.txt
    DEPENDS ${orvanta_stage}/orvanta.exe ${orvanta_stage}/LICENSE.txt
    WORKING_DIRECTORY ${orvanta_packages} VERBATIM)

add_custom_target(windows_packages DEPENDS ${ORVANTA_INSTALLER} ${ORVANTA_ZIP_FILE})
