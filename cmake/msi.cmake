# Run by CPack after the zip: figcalc-<version>-win64.msi beside it, built by wixl from the zip's
# files. Reproducible: wixl's clock, stopped, and the files' times (the cabinet keeps them) are
# SOURCE_DATE_EPOCH; msibuild sets the package code, random in wixl's, from the zip and the WiX
# source. The Russian texts in Windows-1251 (WINDOWS_LANGUAGE, for libmsi), the code page.
string(TIMESTAMP epoch %s UTC) # SOURCE_DATE_EPOCH, if set
string(TIMESTAMP when "%Y-%m-%d %H:%M:%S" UTC)
set(msi ${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.msi)
set(wxs ${CPACK_FIGCALC_GENERATED}/figcalc.wxs)
file(SHA256 ${wxs} wxs_sum)
file(SHA256 ${CPACK_PACKAGE_FILES} zip_sum)
string(UUID package NAMESPACE ${CPACK_WIX_UPGRADE_GUID} NAME ${wxs_sum}${zip_sum} TYPE SHA1 UPPER)
file(WRITE ${CPACK_TOPLEVEL_DIRECTORY}/codepage.idt "\r\n\r\n1251\t_ForceCodepage\r\n")
set(ENV{WINDOWS_LANGUAGE} ru)
file(COPY ${CPACK_FIGCALC_GENERATED}/figcalc.ico DESTINATION ${CPACK_TEMPORARY_DIRECTORY})
file(GLOB files ${CPACK_TEMPORARY_DIRECTORY}/*)
execute_process(COMMAND touch -d @${epoch} ${files} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND env TZ=UTC faketime -f ${when} wixl -a x64 -o ${msi} ${wxs}
                WORKING_DIRECTORY ${CPACK_TEMPORARY_DIRECTORY} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND msiinfo suminfo ${msi} OUTPUT_VARIABLE summary COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCH "Subject: ([^\n]*)\nAuthor: ([^\n]*)\n.*Template: ([^\n]*)" _ "${summary}")
execute_process(COMMAND msibuild ${msi} -i ${CPACK_TOPLEVEL_DIRECTORY}/codepage.idt
                -s ${CMAKE_MATCH_1} ${CMAKE_MATCH_2} "${CMAKE_MATCH_3}" {${package}}
                COMMAND_ERROR_IS_FATAL ANY)
