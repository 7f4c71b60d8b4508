# The user guide beside the programs (build/bin/guide/<language>/index.html), with pictures of
# the windows made by the screenshot tool in each language, so that they show the program as
# it is built. Installed into <prefix>/share/qrt506/guide.
set(QRT_GUIDE_SOURCE ${PROJECT_SOURCE_DIR}/docs/guide)
set(QRT_GUIDE_DIR ${QRT_APP_DIR}/guide)
set(QRT_GUIDE_APP_DIR ${CMAKE_BINARY_DIR}/guide-app-dir) # the screenshot tool's own settings

set(guide_outputs)
foreach(entry "1;zh_CN" "2;zh_TW" "3;en")
    list(GET entry 0 language)
    list(GET entry 1 folder)
    file(GLOB pages CONFIGURE_DEPENDS ${QRT_GUIDE_SOURCE}/${folder}/*)
    if(NOT pages)
        continue()
    endif()
    set(stamp ${CMAKE_BINARY_DIR}/guide-${folder}.stamp)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${QRT_GUIDE_SOURCE}/${folder} ${QRT_GUIDE_DIR}/${folder}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${QRT_GUIDE_APP_DIR}-${folder}
        COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/data/holvard.def ${PROJECT_SOURCE_DIR}/data/dhcpqec.def
                ${PROJECT_SOURCE_DIR}/data/DefRadioSet.def ${QRT_GUIDE_APP_DIR}-${folder}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
                $<TARGET_FILE:qrt506-shots> --lang ${language} --app-dir ${QRT_GUIDE_APP_DIR}-${folder}
                --open ${QRT_GUIDE_APP_DIR}-${folder}/DefRadioSet.def --out ${QRT_GUIDE_DIR}/${folder}/images
        COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
        DEPENDS ${pages} qrt506-shots ${PROJECT_SOURCE_DIR}/data/holvard.def
        COMMENT "User guide (${folder}) with pictures of the windows"
        VERBATIM)
    list(APPEND guide_outputs ${stamp})
endforeach()
if(guide_outputs)
    add_custom_target(qrt_user_guide ALL DEPENDS ${guide_outputs})
    install(DIRECTORY ${QRT_GUIDE_DIR} DESTINATION ${CMAKE_INSTALL_DATADIR}/qrt506)
endif()
